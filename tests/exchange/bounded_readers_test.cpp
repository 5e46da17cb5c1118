// The exchange readers against inputs that would hang them or swell them: a
// FIFO without writer, a device, a line without end, an endless stream, more
// than the diagram can hold. Each ends at once or at its limit, with its message.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <string>
#include <thread>

#include "base/strings.h"
#include "document/diagram_defaults.h"
#include "exchange/clipboard_table.h"
#include "exchange/conversion_procedure.h"
#include "exchange/separator_detection.h"
#include "exchange/text_import.h"
#include "exchange_test_support.h"

namespace ordinax::exchange {
namespace {

using document::Diagram;
using document::MaxCurves;
using document::MaxPoints;
using testing::TempFolder;

// A pipe named by a path, as `<(command)` gives one, fed by a thread with
// `line` again and again until `count` lines went out (or for ever, -1) or
// the reader left.
class FedPipe {
public:
    FedPipe(std::string line, long long count) {
        previous_ = std::signal(SIGPIPE, SIG_IGN);
        int fds[2];
        EXPECT_EQ(::pipe(fds), 0);
        read_ = fds[0];
        writer_ = std::thread([fd = fds[1], line = std::move(line), count] {
            std::string block;
            while (block.size() < 65536) block += line;
            const long long perBlock = static_cast<long long>(block.size() / line.size());
            for (long long sent = 0; count < 0 || sent < count; sent += perBlock) {
                const std::size_t bytes = count < 0 || count - sent >= perBlock
                                              ? block.size()
                                              : static_cast<std::size_t>(count - sent) * line.size();
                if (::write(fd, block.data(), bytes) <= 0) break;
            }
            ::close(fd);
        });
    }
    ~FedPipe() {
        ::close(read_);
        writer_.join();
        std::signal(SIGPIPE, previous_);
    }
    std::string path() const { return "/proc/self/fd/" + std::to_string(read_); }
    int fd() const { return read_; }

private:
    int read_ = -1;
    std::thread writer_;
    void (*previous_)(int) = nullptr;
};

ImportResult importFrom(const std::string& path, const ConversionProcedure& p = {}, const ImportLimits& limits = {}) {
    Diagram d;
    document::resetDiagram(d, document::factoryDiagramDefaults());
    return extractData(path, p, ImportMode::Diagram, -1, d, {}, limits);
}

TEST(BoundedImport, FifoWithoutWriterIsAnEmptyFileAtOnce) {
    TempFolder folder;
    const std::string fifo = folder.file("tube");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const auto started = std::chrono::steady_clock::now();
    const ImportResult r = importFrom(fifo);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1));
    // What an empty data file gives.
    EXPECT_TRUE(r.completed) << r.error.text;
    EXPECT_EQ(r.points, 0);
    EXPECT_EQ(r.status, "- extraction terminée : aucun point trouvé -");
}

TEST(BoundedImport, InputsBeyondTheLimitsStopWithTheirMessage) {
    TempFolder folder;
    const std::string longLine = folder.write("ligne.txt", "1;2\n" + std::string(10u << 20, '5') + ";1\n");
    ConversionProcedure sampled;
    sampled.sampling = 10;
    std::string many;
    for (int i = 0; i < 2000; ++i) many += "1;2\n";
    const std::string manyLines = folder.write("beaucoup.txt", many);
    const struct {
        const char* what;
        std::string path;
        ConversionProcedure procedure;
        ImportLimits limits;
        std::string expected;
    } cases[] = {
        {"device", "/dev/zero", {}, {},
         "Impossible d'ouvrir le fichier /dev/zero !\n\nCe nom désigne un périphérique, pas un fichier."},
        {"folder", folder.file(""), {}, {}, "Ce nom désigne un dossier."},
        {"10 MB line", longLine, {}, {},
         "La lecture du fichier " + longLine +
             " est interrompue !\n\nLa ligne 2 dépasse la longueur admise (4194304 caractères)."},
        // One record in ten kept: the values read, not the points kept, reach the limit.
        {"over capacity", manyLines, sampled, ImportLimits{1000, 0},
         "La lecture du fichier " + manyLines +
             " est interrompue !\n\nLe fichier contient plus de valeurs que le diagramme ne peut en recevoir (1000)."},
    };
    for (const auto& c : cases) {
        const ImportResult r = importFrom(c.path, c.procedure, c.limits);
        EXPECT_FALSE(r.completed) << c.what;
        EXPECT_NE(r.error.text.find(c.expected), std::string::npos) << c.what << ": " << r.error.text;
        EXPECT_EQ(r.error.heading, base::Heading::Error) << c.what;
    }
}

TEST(BoundedImport, EndlessStreamStopsAtTheLastPointTheCurveHolds) {
    FedPipe pipe("1;2\n", -1);
    const ImportResult r = importFrom(pipe.path());
    ASSERT_TRUE(r.completed) << r.error.text;
    EXPECT_EQ(r.points, MaxPoints);
    ASSERT_FALSE(r.warnings.empty());
    EXPECT_EQ(r.warnings.front().text, "Le nombre maxi de points autorisé (1000000) est dépassé !");
}

TEST(BoundedImport, SeriesInRowsMayBeLongerThanARecord) {
    // One series per line: a line holds a whole curve.
    TempFolder folder;
    std::string x, y;
    for (int i = 0; i < 300000; ++i) {
        x += (i ? ";" : "") + std::to_string(i);
        y += i ? ";1.25" : "1.25";
    }
    const std::string path = folder.write("lignes.txt", x + "\n" + y + "\n");
    ConversionProcedure rows;
    rows.orientation = 1;
    const ImportResult r = importFrom(path, rows);
    ASSERT_TRUE(r.completed) << r.error.text;
    EXPECT_EQ(r.points, 300000);
}

TEST(BoundedProcedure, ProcedureFilesAreReadWithinTheirSize) {
    TempFolder folder;
    const std::string fifo = folder.file("tube.pca");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string huge = folder.write("longue.pca", "ORDINAX_6A\n" + std::string(10u << 20, '1') + "\n");
    const struct {
        const char* what;
        std::string path;
        std::string expected;
    } cases[] = {
        // An empty procedure file has no magic: the format message.
        {"FIFO without writer", fifo, "Le format de ce fichier n'est pas compatible avec Ordinax !"},
        {"device", "/dev/zero", "Ce nom désigne un périphérique, pas un fichier."},
        {"10 MB line", huge, "La ligne 2 dépasse la longueur admise (4096 caractères)."},
    };
    for (const auto& c : cases) {
        ConversionProcedure p;
        p.sampling = 7;
        base::Message error;
        EXPECT_FALSE(loadProcedure(c.path, p, error)) << c.what;
        EXPECT_NE(error.text.find(c.expected), std::string::npos) << c.what << ": " << error.text;
        EXPECT_EQ(p.sampling, 7) << c.what << ": the procedure changed";
    }
}

TEST(BoundedDetection, OnlyTheLinesAfterTheHeaderAreKept) {
    TempFolder folder;
    std::string text;
    for (int i = 0; i < 5000; ++i) text += "titre " + std::to_string(i) + "\n";
    for (int i = 0; i < 1500; ++i) text += "1\t2\t3\n";
    ConversionProcedure p;
    p.headerLineCount = 5000;
    base::Message error;
    const auto lines = readDataLines(folder.write("entete.txt", text), p, error);
    ASSERT_TRUE(lines) << error.text;
    EXPECT_EQ(lines->size(), MaxPreviewDataLines);
    EXPECT_EQ(lines->front(), "1\t2\t3");
    EXPECT_FALSE(readDataLines("/dev/zero", p, error));
}

TEST(BoundedTable, TableTextIsCheckedWhileItIsRead) {
    std::string wide;
    for (int i = 0; i < MaxCurves + 2; ++i) wide += (i ? "\t" : "") + std::to_string(i);
    std::string square;
    for (int i = 0; i < MaxCurves + 2; ++i) square += wide + "\n";
    const struct {
        const char* what;
        std::string line;
        long long count;
        std::string expected;  // empty: read whole
    } cases[] = {
        {"more rows than points", "1\t2\n", MaxPoints + 10, "Le tableau de valeurs est trop grand !"},
        {"both sides too wide", square, 1, "Le tableau de valeurs est trop grand !"},
        {"a cell without end", std::string(70000, '9'), 1,
         "Le tableau de valeurs est trop grand !\n\nUne cellule de la ligne 1 dépasse la longueur admise (65536 "
         "caractères)."},
        {"one row wider than the curves (horizontal fits)", wide + "\n", 1, ""},
        {"the most rows", "1\t2\n", MaxPoints, ""},
    };
    for (const auto& c : cases) {
        FedPipe pipe(c.line, c.count);
        base::Message error;
        const std::optional<std::string> text = readTableText(pipe.fd(), "tableau", error);
        EXPECT_EQ(text.has_value(), c.expected.empty()) << c.what;
        if (!c.expected.empty()) {
            EXPECT_EQ(error.text, c.expected) << c.what;
        }
        if (!text) continue;
        const TableOpenResult opened = openClipboardTable(std::move(*text));
        EXPECT_TRUE(opened.table) << c.what << ": " << opened.error.text;
    }
}

TEST(BoundedTable, TheTextEndsAtItsFirstNul) {
    // /dev/zero behind a pipe: an empty clipboard at once.
    FedPipe zeros(std::string(1, '\0'), -1);
    base::Message error;
    const std::optional<std::string> text = readTableText(zeros.fd(), "zéros", error);
    ASSERT_TRUE(text);
    EXPECT_TRUE(text->empty());
    EXPECT_EQ(openClipboardTable(std::string(*text)).error.text, "Le presse-papiers est vide");
    // A device given directly is refused.
    const int device = ::open("/dev/zero", O_RDONLY);
    EXPECT_FALSE(readTableText(device, "/dev/zero", error));
    EXPECT_EQ(error.text, "Impossible d'ouvrir le fichier /dev/zero !\n\nCe nom désigne un périphérique, pas un fichier.");
    ::close(device);
}

}  // namespace
}  // namespace ordinax::exchange
