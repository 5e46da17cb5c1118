// Each text reader of ordinax-cli against a FIFO without writer, /dev/zero,
// a 10 MB line and more than a diagram holds: its message, at once, in
// bounded memory. The program's data files are read the same way.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_process.h"
#include "cli/limited_run.h"
#include "document/diagram.h"
#include "numerics/catalogue.h"
#include "reports/report_template.h"
#include "richtext/rtf_writer.h"
#include "units/recent_units.h"
#include "units/unit_database.h"

namespace ordinax::cli::test {
namespace {

namespace fs = std::filesystem;

// Far above what the program itself takes, far below what reading an
// endless input whole would take.
constexpr long MaxResidentKb = 400 * 1024;

struct Reader {
    const char* name;
    std::vector<std::string> args;  // "IN" stands for the input
    bool throughStdin = false;      // the input is standard input ("-")
};

const std::vector<Reader>& readers() {
    static const std::vector<Reader> list = {
        {"import", {"import", "IN", "-o", "sortie.orx"}},
        {"import --procedure", {"import", "donnees.txt", "--procedure", "IN", "-o", "sortie.orx"}},
        {"procedure --read", {"procedure", "--read", "IN"}},
        {"paste", {"paste", "IN", "-o", "sortie.orx"}},
        {"paste -", {"paste", "-", "-o", "sortie.orx"}, true},
        {"build", {"build", "IN", "-o", "sortie.orx"}},
        {"--settings", {"new", "-o", "sortie.orx", "--settings", "IN"}},
    };
    return list;
}

class BoundedInputTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeFile(file("donnees.txt"), "1;2\n");
        ASSERT_EQ(::mkfifo(file("tube").c_str(), 0600), 0);
        // A 10 MB line of digits: a number without end for every reader.
        writeFile(file("ligne.txt"), std::string(10u << 20, '7') + "\n");
    }

    std::string file(const std::string& name) const { return folder_.file(name); }

    LimitedRun run(const Reader& r, const std::string& input, RunOptions options = {}) {
        std::vector<std::string> args;
        for (const std::string& a : r.args) args.push_back(a == "IN" ? input : a);
        if (std::find(r.args.begin(), r.args.end(), "--settings") == r.args.end()) args.push_back("--factory");
        if (r.throughStdin && options.stdinFile.empty() && !options.feeder) options.stdinFile = input;
        options.timeoutSeconds = 30;
        return runLimited(args, folder_.path().string(), options);
    }

    TempFolder folder_;
};

TEST_F(BoundedInputTest, FifoWithoutWriterIsAnEmptyFileAtOnce) {
    // What each reader says of an empty file.
    const std::vector<std::pair<int, std::string>> expected = {
        {0, "- extraction terminée : aucun point trouvé -"},
        {1, "Le format de ce fichier n'est pas compatible avec Ordinax !"},
        {1, "Le format de ce fichier n'est pas compatible avec Ordinax !"},
        {1, "Le presse-papiers est vide"},
        {1, "Le presse-papiers est vide"},
        {1, "n'est pas un document JSON valide (ligne 1, colonne 1)."},
        {1, "Ce nom désigne un tube, pas un fichier ordinaire."},  // the settings store reads regular files only
    };
    for (std::size_t i = 0; i < readers().size(); ++i) {
        const Reader& r = readers()[i];
        const auto started = std::chrono::steady_clock::now();
        const LimitedRun run = this->run(r, file("tube"));
        EXPECT_FALSE(run.timedOut) << r.name;
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10)) << r.name;
        EXPECT_EQ(run.result.status, expected[i].first) << r.name << ": " << run.result.err;
        EXPECT_NE((run.result.out + run.result.err).find(expected[i].second), std::string::npos)
            << r.name << ": " << run.result.out << run.result.err;
    }
}

TEST_F(BoundedInputTest, DevicesAreRefused) {
    for (const Reader& r : readers()) {
        const LimitedRun run = this->run(r, "/dev/zero");
        EXPECT_FALSE(run.timedOut) << r.name;
        EXPECT_EQ(run.result.status, 1) << r.name << ": " << run.result.err;
        EXPECT_NE(run.result.err.find("Ce nom désigne un périphérique, pas un fichier."), std::string::npos)
            << r.name << ": " << run.result.err;
        EXPECT_LT(run.maxResidentKb, MaxResidentKb) << r.name;
    }
}

TEST_F(BoundedInputTest, TenMegabyteLineIsRefused) {
    const std::vector<std::string> expected = {
        "La ligne 1 dépasse la longueur admise (4194304 caractères).",
        "La ligne 1 dépasse la longueur admise (4096 caractères).",
        "La ligne 1 dépasse la longueur admise (4096 caractères).",
        "Une cellule de la ligne 1 dépasse la longueur admise (65536 caractères).",
        "Une cellule de la ligne 1 dépasse la longueur admise (65536 caractères).",
        "Un texte ou un nombre du fichier dépasse la longueur admise (1024 caractères).",
    };
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Reader& r = readers()[i];
        const LimitedRun run = this->run(r, file("ligne.txt"));
        EXPECT_EQ(run.result.status, 1) << r.name << ": " << run.result.err;
        EXPECT_NE(run.result.err.find(expected[i]), std::string::npos) << r.name << ": " << run.result.err;
        EXPECT_LT(run.maxResidentKb, MaxResidentKb) << r.name;
    }
}

TEST_F(BoundedInputTest, EndlessInputsStopAtWhatTheDiagramHolds) {
    // Standard input fed for ever: only the reader's limit ends the run.
    const struct {
        const char* what;
        std::vector<std::string> args;
        std::string line;
        int status;
        std::string expected;
    } cases[] = {
        {"import of records", {"import", "/dev/stdin", "-o", "sortie.orx", "--factory"}, "1;2\n", 0,
         "Le nombre maxi de points autorisé (1000000) est dépassé !"},
        {"paste of rows", {"paste", "-", "-o", "sortie.orx", "--factory"}, "1\t2\n", 1,
         "Le tableau de valeurs est trop grand !"},
        {"build of points", {"build", "/dev/stdin", "-o", "sortie.orx", "--factory"}, "[1, 2], ", 1,
         "Une courbe du fichier a plus de 1000000 points."},
        {"build of curves", {"build", "/dev/stdin", "-o", "sortie.orx", "--factory"}, "{}, ", 1,
         "Le fichier décrit plus de 100 courbes."},
        {"build of blanks", {"build", "/dev/stdin", "-o", "sortie.orx", "--factory"}, " \n", 1,
         "Le fichier contient une suite de blancs de plus de 1048576 caractères."},
    };
    for (const auto& c : cases) {
        RunOptions options;
        options.timeoutSeconds = 60;
        const std::string prefix = std::string(c.what).rfind("build of points", 0) == 0 ? R"({"curves": [{"points": [)"
                                   : std::string(c.what).rfind("build of curves", 0) == 0 ? R"({"curves": [)"
                                                                                          : "";
        options.feeder = [line = c.line, prefix](int fd) {
            if (!prefix.empty() && ::write(fd, prefix.data(), prefix.size()) < 0) return;
            feedForever(fd, line);
        };
        const LimitedRun run = runLimited(c.args, folder_.path().string(), options);
        EXPECT_FALSE(run.timedOut) << c.what;
        EXPECT_EQ(run.result.status, c.status) << c.what << ": " << run.result.err;
        EXPECT_NE(run.result.err.find(c.expected), std::string::npos) << c.what << ": " << run.result.err;
        EXPECT_LT(run.maxResidentKb, MaxResidentKb) << c.what;
    }
}

TEST_F(BoundedInputTest, ProgramDataFilesAreReadWithinLimits) {
    // A folder of program data files, each a FIFO without writer, a device
    // link or a file with a 10 MB line in turn.
    const std::string data = file("programme");
    fs::create_directory(data);
    const std::vector<std::string> names = {"UNIT.SRC", "ORX_LISS.MSK", "MSKF_REG.TXT", "MSK_RTF.SRC"};
    enum class Kind { Fifo, Device, LongLine };
    for (Kind kind : {Kind::Fifo, Kind::Device, Kind::LongLine}) {
        for (const std::string& name : names) {
            const std::string path = data + "/" + name;
            fs::remove(path);
            if (kind == Kind::Fifo) {
                ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
            }
            if (kind == Kind::Device) fs::create_symlink("/dev/zero", path);
            if (kind == Kind::LongLine) fs::copy_file(file("ligne.txt"), path);
        }
        const auto started = std::chrono::steady_clock::now();
        const units::UnitDatabaseLoad unitsLoad = units::loadUnitDatabase(data + "/UNIT.SRC");
        const numerics::CatalogueLoad catalogue = numerics::loadCatalogue(data + "/ORX_LISS.MSK");
        const reports::TemplateLoad report = reports::loadTemplate(data, 0, 0);
        const std::string frame = richtext::readRtfTemplate(data);
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
        // Nothing usable: each loader gives its message (or its built-in frame).
        if (kind != Kind::Fifo) {
            EXPECT_FALSE(unitsLoad.database);
            EXPECT_NE(unitsLoad.message.text.find("Impossible de charger la base de données des unités !\n\n"),
                      std::string::npos);
            EXPECT_FALSE(catalogue.catalogue);
            EXPECT_FALSE(report.message.empty());
        }
        const std::string reason = kind == Kind::Device   ? "Ce nom désigne un périphérique, pas un fichier."
                                   : kind == Kind::LongLine ? "La ligne 1 dépasse la longueur admise (65536 caractères)."
                                                            : "";
        if (!reason.empty()) {
            EXPECT_NE(unitsLoad.message.text.find(reason), std::string::npos) << unitsLoad.message.text;
            EXPECT_NE(catalogue.message.text.find(reason), std::string::npos) << catalogue.message.text;
            EXPECT_NE(report.message.text.find(reason), std::string::npos) << report.message.text;
        }
        EXPECT_TRUE(richtext::isUsableRtfTemplate(frame));
        EXPECT_TRUE(report.text.empty());
    }
}

}  // namespace
}  // namespace ordinax::cli::test
