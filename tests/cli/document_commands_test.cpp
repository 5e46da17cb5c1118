// The document commands through the built ordinax-cli: statuses, messages on
// standard error, and the dump/build round trip through real files.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <nlohmann/json.hpp>

#include "cli/cli_process.h"
#include "cli/diagram_json.h"
#include "cli/filled_diagram.h"
#include "document/diagram_defaults.h"
#include "document/orx_file.h"

namespace ordinax::cli::test {
namespace {

constexpr const char* FormatMessage = "ERREUR\n\nLe format de ce fichier n'est pas compatible avec Ordinax !\n";

class DocumentCommands : public ::testing::Test {
protected:
    RunResult run(const std::vector<std::string>& args) { return runCli(args, folder_.path()); }
    std::string file(const std::string& name) const { return folder_.file(name); }

    // dump of a file with the factory preferences, parsed.
    Json dump(const std::string& orx) {
        const RunResult r = run({"dump", orx, "--factory"});
        EXPECT_EQ(r.status, 0) << r.err;
        return Json::parse(r.out);
    }

    TempFolder folder_;
};

TEST_F(DocumentCommands, NewThenInfo) {
    const RunResult made = run({"new", "-o", "a.orx", "--factory"});
    EXPECT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(made.out, "");
    EXPECT_TRUE(std::filesystem::exists(file("a.orx")));

    const RunResult info = run({"info", "a.orx", "--factory"});
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_EQ(Json::parse(info.out), Json::parse(R"({"format": "ASB_02", "curveCount": 0, "curves": []})"));
}

TEST_F(DocumentCommands, InfoSummarisesEveryCurve) {
    writeFile(file("in.json"), R"({"curves": [
        {"title": "Temp\u00e9rature", "treatment": "SPC", "points": [[0, 5], [2, -1], [1, 3]]},
        {"title": "B", "hidden": 1, "treatment": 12, "points": [[-4, 10]]}]})");
    ASSERT_EQ(run({"build", "in.json", "-o", "b.orx", "--factory"}).status, 0);
    const RunResult info = run({"info", "b.orx", "--factory"});
    ASSERT_EQ(info.status, 0) << info.err;
    // Extents worked by hand from the points.
    EXPECT_EQ(Json::parse(info.out), Json::parse(R"({"format": "ASB_02", "curveCount": 2, "curves": [
        {"title": "Température", "pointCount": 3, "treatment": "SPC", "hidden": 0, "extent": [[0.0, 2.0], [-1.0, 5.0]]},
        {"title": "B", "pointCount": 1, "treatment": "HOERL", "hidden": 1, "extent": [[-4.0, -4.0], [10.0, 10.0]]}]})"));
}

TEST_F(DocumentCommands, BuildDumpBuildDumpIsStable) {
    Json source = diagramToJson(filledDiagram(), "ASB_02");
    writeFile(file("source.json"), source.dump(2));

    ASSERT_EQ(run({"build", "source.json", "-o", "one.orx", "--factory"}).status, 0);
    const RunResult first = run({"dump", "one.orx", "-o", "one.json", "--factory"});
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, "");
    ASSERT_EQ(run({"build", "one.json", "-o", "two.orx", "--factory"}).status, 0);
    const Json two = dump("two.orx");
    const Json one = Json::parse(readFile(file("one.json")));
    EXPECT_EQ(one, two);
    EXPECT_TRUE(readFile(file("one.orx")) == readFile(file("two.orx"))) << "the two saved files differ";

    // Every value of the source came through the file, except the report font,
    // which is not stored there and comes from the preferences.
    EXPECT_EQ(one["reportFont"], "-16,0,0,0,400,0,0,0,0,0,0,0,49,Courier New");
    source.erase("reportFont");
    Json kept = one;
    kept.erase("reportFont");
    EXPECT_EQ(kept, source) << "differences: " << Json::diff(source, kept).dump(1);
}

TEST_F(DocumentCommands, DamagedFilesGiveTheFormatMessage) {
    writeFile(file("text.orx"), "this is no diagram at all, only text\n");
    std::string truncated("ASB_02", 6);
    truncated.resize(40, '\0');
    writeFile(file("truncated.orx"), truncated);
    for (const char* name : {"text.orx", "truncated.orx"}) {
        for (const char* command : {"info", "dump", "convert"}) {
            std::vector<std::string> args = {command, name, "--factory"};
            if (std::string(command) == "convert") args.insert(args.end(), {"-o", "out.orx"});
            const RunResult r = run(args);
            EXPECT_EQ(r.status, 1) << command << " " << name;
            EXPECT_EQ(r.err, FormatMessage) << command << " " << name;
            EXPECT_EQ(r.out, "");
        }
    }
    EXPECT_FALSE(std::filesystem::exists(file("out.orx")));
}

TEST_F(DocumentCommands, BadUsageExitsWithTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"nonsense"},
        {"info"},
        {"new", "--factory"},
        {"build", "in.json", "--factory"},
        {"info", "a.orx", "--factory", "--settings", "p.ini"},
        {"info", "a.orx", "--no-such-option"},
    };
    for (const auto& args : cases) {
        const RunResult r = run(args);
        EXPECT_EQ(r.status, 2) << (args.empty() ? std::string("(none)") : args[0]);
        EXPECT_FALSE(r.err.empty());
    }
    const RunResult help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Crée un nouveau diagramme"), std::string::npos) << help.out;
}

TEST_F(DocumentCommands, TextsOutsideWindows1252AreRefused) {
    writeFile(file("omega.json"), R"({"curves": [{"title": "Résistance Ω", "points": [[1, 2]]}]})");
    const RunResult refused = run({"build", "omega.json", "-o", "omega.orx", "--factory"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err,
              "ERREUR\n\nLe texte de « curves[0].title » contient un caractère qui ne peut pas être écrit en "
              "Windows-1252.\n");
    EXPECT_FALSE(std::filesystem::exists(file("omega.orx")));

    writeFile(file("euro.json"), R"({"curves": [{"title": "Prix €", "points": [[1, 2]]}]})");
    ASSERT_EQ(run({"build", "euro.json", "-o", "euro.orx", "--factory"}).status, 0);
    EXPECT_EQ(dump("euro.orx")["curves"][0]["title"], "Prix €");
}

TEST_F(DocumentCommands, MarkupByteIsDumpedAsPilcrow) {
    // Written by the document's own writer, so the dump alone is under test.
    document::Diagram d;
    document::resetDiagram(d, document::factoryDiagramDefaults());
    d.curves.resize(1);
    d.curves[0].title = "\xB6" "c1Rouge";
    const document::Point p{1.0, 2.0};
    d.curves[0].points = document::PointBuffer(std::span(&p, 1));
    ASSERT_TRUE(document::saveDiagram(d, file("pilcrow.orx"), "01/01/2025 (00:00)").ok);

    const RunResult r = run({"dump", "pilcrow.orx", "--factory"});
    ASSERT_EQ(r.status, 0) << r.err;
    // U+00B6 is C2 B6 in UTF-8, written as such rather than as an escape.
    EXPECT_NE(r.out.find("\"title\": \"\xC2\xB6" "c1Rouge\""), std::string::npos) << r.out;
}

TEST_F(DocumentCommands, NumbersAreShortestRoundTrip) {
    writeFile(file("n.json"), R"({"curves": [{"points": [[0.1, 0.2], [1e-7, 123456789.125]]}]})");
    ASSERT_EQ(run({"build", "n.json", "-o", "n.orx", "--factory"}).status, 0);
    const RunResult r = run({"dump", "n.orx", "--factory", "--compact"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"points\":[[0.1,0.2],[1e-07,123456789.125]]"), std::string::npos) << r.out;
}

TEST_F(DocumentCommands, MalformedJsonIsRefused) {
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"{\"displayMode\": 1,\n \"size\": [1, }", "n'est pas un document JSON valide (ligne 2, colonne 14)."},
        {"{\"size\": [1e400, 2]}", "n'est pas un document JSON valide"},
        {"{\"size\": \"wide\"}", "« size » doit être un tableau de 2 éléments."},
        {"\"\xFF\"", "n'est pas un document JSON valide"},
    };
    for (const auto& c : cases) {
        writeFile(file("bad.json"), c.text);
        const RunResult r = run({"build", "bad.json", "-o", "bad.orx", "--factory"});
        EXPECT_EQ(r.status, 1) << c.text;
        EXPECT_EQ(r.err.rfind("ERREUR\n\n", 0), 0u) << r.err;
        EXPECT_NE(r.err.find(c.expected), std::string::npos) << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists(file("bad.orx")));
    const RunResult missing = run({"build", "missing.json", "-o", "bad.orx", "--factory"});
    EXPECT_EQ(missing.status, 1);
}

TEST_F(DocumentCommands, SettingsFileGivesTheDefaults) {
    // Lengths are hundredths of a centimetre in the store.
    writeFile(file("prefs.ini"), "[Preference]\nDiagramWidth=2000\nDiagramTMargin=350\nHenryScale=9\n");
    ASSERT_EQ(run({"new", "-o", "n.orx", "--settings", "prefs.ini"}).status, 0);
    const Json made = dump("n.orx");
    EXPECT_EQ(made["size"][0], 20.0);
    EXPECT_EQ(made["margins"][0][2], 3.5);
    EXPECT_EQ(made["henryExtentIndex"], 9);

    // build: keys missing from the JSON keep the values of a new diagram.
    writeFile(file("small.json"), R"({"curves": [{"points": [[1, 2]]}]})");
    ASSERT_EQ(run({"build", "small.json", "-o", "s.orx", "--settings", "prefs.ini"}).status, 0);
    EXPECT_EQ(dump("s.orx")["size"][0], 20.0);

    const RunResult missing = run({"new", "-o", "m.orx", "--settings", "nowhere.ini"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err.rfind("ERREUR\n\n", 0), 0u) << missing.err;
    EXPECT_FALSE(std::filesystem::exists(file("m.orx")));
}

TEST_F(DocumentCommands, ConvertKeepsTheDiagramAndCompacts) {
    writeFile(file("c.json"), R"json({"curves": [
        {"title": "vide"},
        {"title": "pleine", "modified": "01/02/2025 (10:00)", "points": [[1, 2], [3, 4]]}]})json");
    ASSERT_EQ(run({"build", "c.json", "-o", "c.orx", "--factory"}).status, 0);
    // The save compacted the empty curve away.
    const Json built = dump("c.orx");
    ASSERT_EQ(built["curveCount"], 1);
    EXPECT_EQ(built["curves"][0]["title"], "pleine");

    const RunResult r = run({"convert", "c.orx", "-o", "d.orx", "--factory"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(dump("d.orx"), built);
}

TEST_F(DocumentCommands, EmptyModificationDatesAreFilledOnSave) {
    writeFile(file("m.json"), R"({"curves": [{"points": [[1, 2]]}]})");
    ASSERT_EQ(run({"build", "m.json", "-o", "m.orx", "--factory"}).status, 0);
    const std::string modified = dump("m.orx")["curves"][0]["modified"];
    // "%x (%H:%M)" in French: "dd/mm/yyyy (hh:mm)".
    EXPECT_EQ(modified.size(), 18u) << modified;
    EXPECT_EQ(modified[2], '/');
    EXPECT_EQ(modified.substr(10, 2), " (");
}

}  // namespace
}  // namespace ordinax::cli::test
