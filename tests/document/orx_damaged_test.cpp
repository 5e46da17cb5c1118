// Damaged and hostile diagram files, and saves that fail: the format message,
// never a crash, and the previous state left as it was.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "base/strings.h"
#include "document/orx_file.h"
#include "orx_hand_image.h"

namespace ordinax::document::test {
namespace {

namespace fs = std::filesystem;

void expectFormatError(const ReadResult& r, const std::string& what) {
    EXPECT_FALSE(r.ok) << what;
    EXPECT_EQ(r.message.id, base::MsgFormatIncompatible) << what;
    EXPECT_EQ(r.message.heading, base::Heading::Error) << what;
    EXPECT_EQ(r.message.formatted(), "ERREUR\n\nLe format de ce fichier n'est pas compatible avec Ordinax !") << what;
}

TEST(OrxDamaged, TruncatedAtEveryOffsetFails) {
    const DiagramDefaults defaults = factoryDiagramDefaults();
    const HandFile h = handFile(defaults);
    const std::vector<std::uint8_t>& whole = h.image.bytes();
    for (std::size_t n = 0; n < whole.size(); ++n) {
        // A copy of exactly n bytes, so that a read past its end is a real overrun.
        const std::vector<std::uint8_t> part(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(n));
        Diagram d;
        const ReadResult r = readDiagramBytes(part, defaults, d);
        ASSERT_FALSE(r.ok) << "truncated at " << n;
        ASSERT_EQ(r.message.id, base::MsgFormatIncompatible) << "truncated at " << n;
    }
    Diagram d;
    EXPECT_TRUE(readDiagramBytes(whole, defaults, d).ok);
}

TEST(OrxDamaged, TruncatedFilesFailThroughTheFileReader) {
    // Opening reads straight from the file, large point blocks bypassing the
    // read window: cut the file inside texts, inside the window and inside
    // such a block.
    const std::string folder = scratchFolder();
    const DiagramDefaults defaults = factoryDiagramDefaults();
    Diagram big;
    resetDiagram(big, defaults);
    for (int c = 0; c < 2; ++c) {
        big.curves.emplace_back();
        big.curves.back().title = "c" + std::to_string(c);
        auto points = big.curves.back().points.assignUninitialised(10000);
        for (std::size_t i = 0; i < points.size(); ++i) points[i] = {double(i), double(c) - double(i)};
    }
    const std::vector<std::uint8_t> whole = writeDiagramBytes(big, "01/01/2026 (00:00)");
    const std::string path = folder + "/coupe.orx";
    std::vector<std::size_t> cuts = {0, 23, 24, 100, whole.size() - 1};
    for (std::size_t n = 1000; n < whole.size(); n += 7919) cuts.push_back(n);
    for (std::size_t n : cuts) {
        writeFileBytes(path, std::vector<std::uint8_t>(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(n)));
        Diagram d;
        const ReadResult r = openDiagramFile(path, defaults, d);
        ASSERT_FALSE(r.ok) << "cut at " << n;
        ASSERT_EQ(r.message.id, base::MsgFormatIncompatible) << "cut at " << n;
    }
    writeFileBytes(path, whole);
    Diagram fromFile;
    Diagram fromMemory;
    ASSERT_TRUE(openDiagramFile(path, defaults, fromFile).ok);
    ASSERT_TRUE(readDiagramBytes(whole, defaults, fromMemory).ok);
    finishOpenedDiagram(fromMemory);
    EXPECT_TRUE(fromFile == fromMemory) << diagramDiff(fromFile, fromMemory);
    EXPECT_EQ(fromFile.curves[1].points[9999], (Point{9999, -9998}));
    fs::remove_all(folder);
}

TEST(OrxDamaged, HostileLengthsAndCountsAreRefused) {
    const DiagramDefaults defaults = factoryDiagramDefaults();
    const HandFile h = handFile(defaults);
    const std::size_t size = h.image.size();
    // Text length that needs exactly one byte more than the file holds.
    const auto tooLong = static_cast<std::int32_t>(size - h.image.at("band0.text") - 4);
    struct Case {
        const char* what;
        std::string mark;
        std::size_t delta;
        std::int32_t value;
    } cases[] = {
        {"negative text length", "band0.text", 0, -1},
        {"huge text length", "band0.text", 0, INT32_MAX},
        {"text one byte too long", "band0.text", 0, tooLong},
        {"negative curve text length", "curve0.title", 0, INT32_MIN},
        {"negative curve count", "curveCount", 0, -1},
        {"curve count above capacity", "curveCount", 0, MaxCurves + 1},
        {"curve count beyond the file", "curveCount", 0, 2},
        {"negative point count", "curve0.pointCount", 0, -1},
        {"huge point count", "curve0.pointCount", 0, INT32_MAX},
        {"one point more than stored", "curve0.pointCount", 0, 4},
        {"unit factor count above 10", "curve0.unitX", 0, 11},
        {"negative unit factor count", "curve0.unitX", 0, -1},
        {"unit record factor count above 10", "curve0.unitX.record", 0, 11},
        {"negative unit record factor count", "curve0.unitX.record", 0, -7},
        {"absent unit claimed present", "curve0.unitY", 0, 1},
        {"function text length", "curve0.function", 32, 1 << 30},
    };
    for (const Case& k : cases) {
        std::vector<std::uint8_t> b = h.image.bytes();
        patchI32(b, h.image.at(k.mark) + k.delta, k.value);
        Diagram d;
        expectFormatError(readDiagramBytes(b, defaults, d), k.what);
    }
}

TEST(OrxDamaged, FewerPointsThanClaimedAreAcceptedAsLongAsTheyAreThere) {
    // Claiming 2 of the 3 stored points leaves 16 bytes after the last curve:
    // the reader stops after the last curve and does not look further.
    const DiagramDefaults defaults = factoryDiagramDefaults();
    HandFile h = handFile(defaults);
    patchI32(h.image.bytes(), h.image.at("curve0.pointCount"), 2);
    Diagram d;
    ASSERT_TRUE(readDiagramBytes(h.image.bytes(), defaults, d).ok);
    EXPECT_EQ(d.curves[0].pointCount(), 2);
}

TEST(OrxDamaged, RandomCorruptionNeverCrashes) {
    const DiagramDefaults defaults = factoryDiagramDefaults();
    const HandFile h = handFile(defaults);
    std::mt19937 random(12345);
    for (int round = 0; round < 3000; ++round) {
        std::vector<std::uint8_t> b = h.image.bytes();
        const int flips = 1 + round % 8;
        for (int k = 0; k < flips; ++k) b[random() % b.size()] = static_cast<std::uint8_t>(random());
        Diagram d;
        const ReadResult r = readDiagramBytes(b, defaults, d);
        if (!r.ok) {
            ASSERT_EQ(r.message.id, base::MsgFormatIncompatible);
        } else {
            ASSERT_LE(d.curveCount(), MaxCurves);
        }
    }
}

TEST(OrxDamaged, UnknownHeaderGetsTheFormatMessage) {
    const DiagramDefaults defaults = factoryDiagramDefaults();
    std::vector<std::uint8_t> b = handFile(defaults).image.bytes();
    struct Case {
        const char* what;
        const char* magic;
    } cases[] = {{"another program", "PK\x03\x04"}, {"magic without its zero", "ASB_021"},
                 {"lower case", "asb_02"}, {"older generation", "ASB_97"}};
    for (const Case& k : cases) {
        std::vector<std::uint8_t> v = b;
        std::fill(v.begin(), v.begin() + 24, 0);
        std::memcpy(v.data(), k.magic, std::strlen(k.magic));
        Diagram d;
        expectFormatError(readDiagramBytes(v, defaults, d), k.what);
    }
}

TEST(OrxDamaged, FailedOpenLeavesTheWorkingDiagram) {
    const std::string folder = scratchFolder();
    const DiagramDefaults defaults = factoryDiagramDefaults();
    HandFile h = handFile(defaults);
    patchI32(h.image.bytes(), h.image.at("curve0.pointCount"), 1000);
    writeFileBytes(folder + "/abime.orx", h.image.bytes());
    Diagram d = makeEveryFieldDiagram();
    const Diagram before = d;
    expectFormatError(openDiagramFile(folder + "/abime.orx", defaults, d), "open");
    EXPECT_TRUE(d == before) << diagramDiff(d, before);
    fs::remove_all(folder);
}

TEST(OrxSaveFailure, MissingFolderGivesTheMessageAndCreatesNothing) {
    const std::string folder = scratchFolder();
    const std::string path = folder + "/absent/d.orx";
    Diagram d = makeEveryFieldDiagram();
    const SaveResult r = saveDiagram(d, path, "x");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message.id, base::MsgFileWriteFailed);
    EXPECT_EQ(r.message.heading, base::Heading::Error);
    EXPECT_NE(r.message.text.find(path), std::string::npos);
    EXPECT_TRUE(fs::is_empty(folder));
    fs::remove_all(folder);
}

// The write fails half-way (file size limit of the process): the old file
// must be untouched and no temporary file left behind. Run in a child
// process so that the limit does not reach the other tests.
TEST(OrxSaveFailure, WriteFailingHalfWayKeepsTheOldFile) {
    const std::string folder = scratchFolder();
    const std::string path = folder + "/d.orx";
    const std::vector<std::uint8_t> old(3000, 0xAB);
    writeFileBytes(path, old);

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        Diagram d = makeEveryFieldDiagram();  // well over 4 KiB once written
        const SaveResult r = saveDiagram(d, path, "x");
        const bool messageOk = r.message.id == base::MsgFileWriteFailed && r.message.text.find(path) != std::string::npos;
        _exit(!r.ok && messageOk ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the save did not report its failure";
    EXPECT_EQ(readFileBytes(path), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator{}), 1);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace ordinax::document::test
