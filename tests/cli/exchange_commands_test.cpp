// The data-exchange commands through the built ordinax-cli: text import of the
// example files, import into one curve, refusals and warnings, the clipboard
// table from standard input, the four export formats byte for byte, and the
// procedure files written then read back.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <tuple>
#include <vector>

#include "cli/cli_process.h"
#include "cli/diagram_json.h"

namespace ordinax::cli::test {
namespace {

// The example data files and their procedures, found from this source file.
std::string example(const std::string& name) {
    return (std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "examples" / "import" / name)
        .string();
}

// Gives the children started meanwhile `path` as standard input (they inherit
// the test's descriptor 0), and puts the test's own back afterwards.
class StdinFrom {
public:
    explicit StdinFrom(const std::string& path) : saved_(dup(STDIN_FILENO)) {
        const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        EXPECT_GE(fd, 0);
        dup2(fd, STDIN_FILENO);
        close(fd);
    }
    ~StdinFrom() {
        dup2(saved_, STDIN_FILENO);
        close(saved_);
    }
    StdinFrom(const StdinFrom&) = delete;
    StdinFrom& operator=(const StdinFrom&) = delete;

private:
    int saved_;
};

class ExchangeCommands : public ::testing::Test {
protected:
    RunResult run(std::vector<std::string> args) {
        args.push_back("--factory");
        return runCli(args, folder_.path());
    }
    std::string file(const std::string& name) const { return folder_.file(name); }

    Json dump(const std::string& orx) {
        const RunResult r = run({"dump", orx, "--compact"});
        EXPECT_EQ(r.status, 0) << r.err;
        return Json::parse(r.out);
    }

    // A diagram of one curve built from JSON.
    void build(const std::string& json, const std::string& orx) {
        writeFile(file("in.json"), json);
        const RunResult r = run({"build", "in.json", "-o", orx});
        ASSERT_EQ(r.status, 0) << r.err;
    }

    TempFolder folder_;
};

Json point(double x, double y) {
    return Json::array({x, y});
}

// ---------------------------------------------------------------------------
// import

struct ExampleCase {
    const char* data;
    const char* procedure;
    int curves;
    int points;
    // A few points checked by hand from the data file: {curve, index, x, y}.
    std::vector<std::tuple<int, int, double, double>> checks;
};

TEST_F(ExchangeCommands, ImportsEachExampleWithItsProcedure) {
    const std::vector<ExampleCase> cases = {
        // "0,5;1,25;0,012" and "2,5;-0,5;1,5E-3", the header line skipped.
        {"spreadsheet_semicolon.csv",
         "spreadsheet_semicolon.pca",
         2,
         6,
         {{0, 1, 0.5, 1.25}, {1, 1, 0.5, 0.012}, {0, 5, 2.5, -0.5}, {1, 5, 2.5, 0.0015}}},
        // Days after 01/12/2026 times 86400 s; the record count (5) leaves the closing line out.
        {"instrument_log.txt",
         "instrument_log.pca",
         2,
         5,
         {{0, 0, 0.0, 20.5}, {0, 3, 4 * 86400.0, 420.75}, {1, 3, 4 * 86400.0, 19.25}, {1, 4, 5 * 86400.0, 19.0}}},
        // Month names become 1 to 12: "février;65,2", "août;35,2", "décembre;85".
        {"dos_months.txt", "dos_months.pca", 1, 12, {{0, 1, 2.0, 65.2}, {0, 7, 8.0, 35.2}, {0, 11, 12.0, 85.0}}},
    };
    for (const ExampleCase& c : cases) {
        SCOPED_TRACE(c.data);
        const RunResult r = run({"import", example(c.data), "--procedure", example(c.procedure), "-o", "out.orx"});
        ASSERT_EQ(r.status, 0) << r.err;
        // Not a terminal: no progress line, and these files give no warning.
        EXPECT_EQ(r.err, "");
        const Json result = Json::parse(r.out);
        EXPECT_EQ(result["curves"], c.curves);
        EXPECT_EQ(result["points"], c.points);
        const std::string plural = c.curves > 1 ? "courbes" : "courbe";
        EXPECT_EQ(result["status"], "Extraction terminée [ " + std::to_string(c.curves) + " " + plural + " - " +
                                        std::to_string(c.points) + " points ]");
        const Json diagram = dump("out.orx");
        ASSERT_EQ(diagram["curveCount"], c.curves);
        for (const Json& curve : diagram["curves"]) EXPECT_EQ(curve["pointCount"], c.points);
        for (const auto& [k, i, x, y] : c.checks) {
            EXPECT_EQ(diagram["curves"][k]["points"][i], point(x, y)) << "curve " << k << " point " << i;
        }
    }
}

TEST_F(ExchangeCommands, ImportKeepsTheHeaderTextsAsUtf8) {
    const RunResult r =
        run({"import", example("instrument_log.txt"), "--procedure", example("instrument_log.pca"), "-o", "log.orx"});
    ASSERT_EQ(r.status, 0) << r.err;
    const Json curve = dump("log.orx")["curves"][1];
    // Lines 1, 2, 3 and 4 of the file's header.
    EXPECT_EQ(curve["title"], "Banc d'essai thermique n° 3 - Courbe n° 2");
    EXPECT_EQ(curve["modified"], "10/12/2026");
    EXPECT_EQ(curve["axisName"], Json::array({"Jour de mesure", "Température (°C)"}));
}

TEST_F(ExchangeCommands, OptionsOverrideTheLoadedProcedure) {
    // Sampling 2 keeps records 2, 4 and 6 of the CSV.
    RunResult r = run({"import", example("spreadsheet_semicolon.csv"), "--procedure",
                       example("spreadsheet_semicolon.pca"), "--sampling", "2", "-o", "s.orx"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Json::parse(r.out)["points"], 3);
    EXPECT_EQ(dump("s.orx")["curves"][0]["points"], Json::parse("[[0.5, 1.25], [1.5, 3.75], [2.5, -0.5]]"));

    // Without a procedure file: the defaults, then the options; x = record number.
    writeFile(file("data.txt"), "a b\n7 8 9\n10 11 12\n");
    r = run({"import", "data.txt", "--header-lines", "1", "--separator", " ", "--coordinate-count", "3", "--x-order",
             "0", "-o", "d.orx"});
    ASSERT_EQ(r.status, 0) << r.err;
    const Json curves = dump("d.orx")["curves"];
    ASSERT_EQ(curves.size(), 3u);
    EXPECT_EQ(curves[0]["points"], Json::parse("[[1, 7], [2, 10]]"));
    EXPECT_EQ(curves[2]["points"], Json::parse("[[1, 9], [2, 12]]"));
}

TEST_F(ExchangeCommands, DetectsSeparatorAndCoordinateCount) {
    writeFile(file("data.txt"), "Titre\n1|2|3|4\n5|6|7|8\n");
    const RunResult r =
        run({"import", "data.txt", "--header-lines", "1", "--detect-separator", "--detect-coordinates", "-o", "d.orx"});
    ASSERT_EQ(r.status, 0) << r.err;
    // "|" and four values per record: x then three curves.
    EXPECT_EQ(Json::parse(r.out)["curves"], 3);
    EXPECT_EQ(dump("d.orx")["curves"][2]["points"], Json::parse("[[1, 4], [5, 8]]"));
}

TEST_F(ExchangeCommands, ImportsIntoOneCurveOfAnExistingDiagram) {
    ASSERT_EQ(run({"import", example("spreadsheet_semicolon.csv"), "--procedure", example("spreadsheet_semicolon.pca"),
                   "-o", "base.orx"})
                  .status,
              0);
    // Columns 1 and 3 of the log (date, ambient temperature) into curve 1.
    const RunResult r = run({"import", example("instrument_log.txt"), "--procedure", example("instrument_log.pca"),
                             "--y-order", "3", "--into", "base.orx", "--curve", "1", "-o", "into.orx"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Json::parse(r.out), Json::parse(R"({"curves": 1, "points": 5,
        "status": "Extraction terminée [ 1 courbe - 5 points ]"})"));
    const Json diagram = dump("into.orx");
    ASSERT_EQ(diagram["curveCount"], 2);
    // Curve 0 untouched; curve 1 titled with the header line alone (curve mode).
    EXPECT_EQ(diagram["curves"][0], dump("base.orx")["curves"][0]);
    EXPECT_EQ(diagram["curves"][1]["title"], "Banc d'essai thermique n° 3");
    EXPECT_EQ(diagram["curves"][1]["points"],
              Json::parse("[[0, 18], [86400, 18.5], [172800, 19], [345600, 19.25], [432000, 19]]"));

    // A curve the diagram does not have: refused, nothing written.
    const RunResult missing =
        run({"import", example("instrument_log.txt"), "--into", "base.orx", "--curve", "2", "-o", "none.orx"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "ERREUR\n\nLa courbe 2 n'existe pas dans ce diagramme.\n");
    EXPECT_FALSE(std::filesystem::exists(file("none.orx")));
}

TEST_F(ExchangeCommands, RefusedImportsExitOneWithTheirMessage) {
    struct Case {
        std::vector<std::string> args;
        std::string err;
    };
    writeFile(file("other.pca"), "ORDINAX_4A\n0\n");
    const std::vector<Case> cases = {
        {{"import", "absent.txt", "-o", "x.orx"},
         "ERREUR\n\nImpossible d'ouvrir le fichier absent.txt !\n\nLe fichier n'existe pas.\n"},
        // The CSV has 7 lines: a 50-line header ends inside the file.
        {{"import", example("spreadsheet_semicolon.csv"), "--header-lines", "50", "-o", "x.orx"},
         "ERREUR\n\nL'en-tête du fichier est plus longue que prévu !\n"},
        // Line 1 holds no digit to read as the record count.
        {{"import", example("spreadsheet_semicolon.csv"), "--header-lines", "1", "--record-count-line", "1", "-o",
          "x.orx"},
         "ERREUR\n\nErreur dans la lecture de l'en-tête du fichier.\n"},
        {{"import", example("spreadsheet_semicolon.csv"), "--procedure", "other.pca", "-o", "x.orx"},
         "ERREUR\n\nLe format de ce fichier n'est pas compatible avec Ordinax !\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[1]);
        const RunResult r = run(c.args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(r.out, "");
        EXPECT_FALSE(std::filesystem::exists(file("x.orx")));
    }
}

TEST_F(ExchangeCommands, WarningsGoToStandardErrorWithStatusZero) {
    writeFile(file("gaps.txt"), "1;2\n2;\n3;1.2.3\n");
    const RunResult r = run({"import", "gaps.txt", "-o", "g.orx"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err,
              "ATTENTION\n\nLe fichier de données comporte un\nou plusieurs enregistrements vides !\n\n Chacun de ces "
              "enregistrements est\nremplacé par un 0.\n"
              "ATTENTION\n\nLe fichier de données comporte un\nou plusieurs enregistrements invalides !\n\n Chacun de "
              "ces enregistrements est remplacé par un 0.\n");
    // "1.2.3" does not convert to its end: 0.
    EXPECT_EQ(dump("g.orx")["curves"][0]["points"], Json::parse("[[1, 2], [2, 0], [3, 0]]"));
}

TEST_F(ExchangeCommands, BadOptionValuesAreUsageErrors) {
    const std::vector<std::vector<std::string>> cases = {
        {"import", "d.txt", "--numeric-base", "17", "-o", "x.orx"},
        {"import", "d.txt", "--sampling", "0", "-o", "x.orx"},
        {"import", "d.txt", "--separator", "ab", "-o", "x.orx"},
        {"import", "d.txt", "--orientation", "diagonal", "-o", "x.orx"},
        {"import", "d.txt", "--curve", "0", "-o", "x.orx"},  // --curve needs --into
        {"import", "d.txt", "--into", "a.orx", "-o", "x.orx"},
        {"export", "a.orx", "--curve", "0", "--format", "xls", "-o", "x.txt"},
        {"procedure", "--read", "a.pca", "--write", "b.pca"},
        {"procedure"},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(testing::PrintToString(args));
        EXPECT_EQ(run(args).status, 2);
    }
}

// ---------------------------------------------------------------------------
// paste

TEST_F(ExchangeCommands, PastesATableFromStandardInput) {
    // UTF-8 on the way in, as a terminal or an editor gives it; a trailing line end.
    writeFile(file("table.txt"), "Temps\tTempérature\tPression\n1\t1,5\t3-\n2\t2\t4\n");
    RunResult r;
    {
        StdinFrom input(file("table.txt"));
        r = run({"paste", "-", "--titles", "--ylabel", "Mesures (°C)", "-o", "p.orx"});
    }
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Json::parse(r.out), Json::parse(R"({"curves": 2, "points": 2})"));
    const Json diagram = dump("p.orx");
    ASSERT_EQ(diagram["curveCount"], 2);
    EXPECT_EQ(diagram["curves"][0]["title"], "Température");
    EXPECT_EQ(diagram["curves"][0]["points"], Json::parse("[[1, 1.5], [2, 2]]"));
    EXPECT_EQ(diagram["curves"][1]["title"], "Pression");
    EXPECT_EQ(diagram["curves"][1]["points"], Json::parse("[[1, -3], [2, 4]]"));
    EXPECT_EQ(diagram["labels"][4]["text"], "Mesures (°C)");
}

TEST_F(ExchangeCommands, PastesWithAnotherAbscissaOrTransposed) {
    // Abscissa number 2: the first value feeds curve 1, the next ones curves 2 and 3.
    writeFile(file("t.txt"), "10\t1\t2\t3\n20\t5\t6\t7\n");
    RunResult r = run({"paste", "t.txt", "--abscissa", "2", "-o", "a.orx"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Json::parse(r.out), Json::parse(R"({"curves": 3, "points": 2})"));
    Json curves = dump("a.orx")["curves"];
    EXPECT_EQ(curves[0]["points"], Json::parse("[[1, 10], [5, 20]]"));
    EXPECT_EQ(curves[2]["points"], Json::parse("[[1, 3], [5, 7]]"));

    // Horizontal: each row is a series, the first row the abscissae.
    r = run({"paste", "t.txt", "--horizontal", "-o", "h.orx"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Json::parse(r.out), Json::parse(R"({"curves": 1, "points": 4})"));
    curves = dump("h.orx")["curves"];
    EXPECT_EQ(curves[0]["points"], Json::parse("[[10, 20], [1, 5], [2, 6], [3, 7]]"));
}

TEST_F(ExchangeCommands, RefusedTables) {
    struct Case {
        const char* bytes;
        std::vector<std::string> extra;
        const char* err;
    };
    const std::vector<Case> cases = {
        {"", {}, "ERREUR\n\nLe presse-papiers est vide\n"},
        {"1 2\n3 4\n", {}, "ERREUR\n\nLe contenu du presse-papiers est inutilisable !\n"},
        {"1\t2\n3\n", {}, "ERREUR\n\nLe contenu du presse-papiers est inutilisable !\n"},
        {"1\t2\t3\n4\t5\t6\n",
         {"--abscissa", "4"},
         "ERREUR\n\nLe numéro de la série des abscisses doit être compris entre 1 et 3.\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        writeFile(file("t.txt"), c.bytes);
        std::vector<std::string> args = {"paste", "t.txt", "-o", "x.orx"};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        const RunResult r = run(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, c.err);
        EXPECT_FALSE(std::filesystem::exists(file("x.orx")));
    }
    const RunResult absent = run({"paste", "absent.txt", "-o", "x.orx"});
    EXPECT_EQ(absent.status, 1);
    EXPECT_EQ(absent.err, "ERREUR\n\nImpossible d'ouvrir le fichier absent.txt !\n\nLe fichier n'existe pas.\n");
}

// ---------------------------------------------------------------------------
// export

TEST_F(ExchangeCommands, ExportsInEachFormat) {
    build(R"({"curves": [{"title": "Débit", "modified": "01/02/2026", "axisName": ["Temps", "Débit"],
                          "points": [[1, 0.5], [2, 1e-7]]}]})",
          "c.orx");
    struct Case {
        std::vector<std::string> options;
        std::string bytes;
    };
    // By hand: "%G" gives 1E-007 (three exponent digits); é is 0xE9 in
    // Windows-1252 and 0x82 in code page 850.
    const std::vector<Case> cases = {
        {{}, "1;0.5\n2;1E-007\n"},
        {{"--format", "csv", "--title", "--date", "--names"},
         "D\xE9"
         "bit\n01/02/2026\nTemps;D\xE9"
         "bit\n1;0.5\n2;1E-007\n"},
        {{"--format", "space"}, "1 0.5\n2 1E-007\n"},
        {{"--format", "space", "--names", "--no-coordinates"},
         "Temps D\xE9"
         "bit\n"},
        {{"--format", "tab", "--title"},
         "D\xE9"
         "bit\n1\t0.5\n2\t1E-007\n"},
        {{"--format", "dos", "--title", "--names"},
         "D\x82"
         "bit\r\nTemps\tD\x82"
         "bit\r\n1\t0.5\r\n2\t1E-007\r\n"},
        {{"--title", "--no-coordinates"},
         "D\xE9"
         "bit\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"export", "c.orx", "--curve", "0", "-o", "e.txt"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        SCOPED_TRACE(testing::PrintToString(c.options));
        const RunResult r = run(args);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(readFile(file("e.txt")), c.bytes);
    }

    const RunResult missing = run({"export", "c.orx", "--curve", "1", "-o", "f.txt"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "ERREUR\n\nLa courbe 1 n'existe pas dans ce diagramme.\n");
    EXPECT_FALSE(std::filesystem::exists(file("f.txt")));
}

// ---------------------------------------------------------------------------
// procedure

TEST_F(ExchangeCommands, ProcedureWriteThenReadRoundTrip) {
    const RunResult written = run({"procedure", "--write",
                                   "p.pca",     "--charset",
                                   "dos",       "--orientation",
                                   "rows",      "--header-lines",
                                   "4",         "--title-line",
                                   "1",         "--date-line",
                                   "2",         "--x-name-line",
                                   "3",         "--y-name-line",
                                   "4",         "--record-count-line",
                                   "0",         "--coordinate-count",
                                   "5",         "--x-order",
                                   "2",         "--y-order",
                                   "0",         "--sampling",
                                   "3",         "--numeric-base",
                                   "16",        "--separator",
                                   "\t"});
    ASSERT_EQ(written.status, 0) << written.err;
    // The file layout item by item: magic, charSet, the six header numbers,
    // orientation + 1, coordinateCount, xOrder, yOrder, separator, base, sampling.
    EXPECT_EQ(readFile(file("p.pca")), "ORDINAX_6A\n1\n4\n1\n2\n3\n4\n0\n2\n5\n2\n0\nTAB\n16\n3\n");

    const Json expected = Json::parse(R"({"charSet": 1, "orientation": 1, "headerLineCount": 4, "titleLine": 1,
        "dateLine": 2, "xNameLine": 3, "yNameLine": 4, "recordCountLine": 0, "coordinateCount": 5, "xOrder": 2,
        "yOrder": 0, "sampling": 3, "numericBase": 16, "separator": "TAB"})");
    EXPECT_EQ(Json::parse(written.out), expected);
    const RunResult read = run({"procedure", "--read", "p.pca"});
    ASSERT_EQ(read.status, 0) << read.err;
    EXPECT_EQ(Json::parse(read.out), expected);

    // A loaded procedure as the base of another: only the options given change.
    const RunResult derived =
        run({"procedure", "--write", "q.pca", "--procedure", "p.pca", "--sampling", "1", "--separator", "§"});
    ASSERT_EQ(derived.status, 0) << derived.err;
    EXPECT_EQ(readFile(file("q.pca")), "ORDINAX_6A\n1\n4\n1\n2\n3\n4\n0\n2\n5\n2\n0\n\xA7\n16\n1\n");
    EXPECT_EQ(Json::parse(run({"procedure", "--read", "q.pca"}).out)["separator"], "§");
}

TEST_F(ExchangeCommands, ProcedureReadRefusals) {
    writeFile(file("old.pca"), "ORDINAX_4A\n");
    RunResult r = run({"procedure", "--read", "old.pca"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "ERREUR\n\nLe format de ce fichier n'est pas compatible avec Ordinax !\n");
    r = run({"procedure", "--read", "absent.pca"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "ERREUR\n\nImpossible d'ouvrir le fichier absent.pca !\n\nLe fichier n'existe pas.\n");
    // Options only make sense when writing.
    writeFile(file("p.pca"), "ORDINAX_6A\n0\n");
    EXPECT_EQ(run({"procedure", "--read", "p.pca", "--sampling", "2"}).status, 2);
}

}  // namespace
}  // namespace ordinax::cli::test
