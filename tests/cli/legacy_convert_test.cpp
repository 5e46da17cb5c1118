// The example diagrams of the older generations (examples/legacy) through the
// built ordinax-cli: "info" recognises each one and "convert" writes it in
// the current format with the same curves.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/cli_process.h"

namespace ordinax::cli::test {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

const fs::path Examples = fs::path(ORDINAX_SOURCE_DIR) / "examples" / "legacy";

struct Example {
    const char* file;
    const char* format;
    std::vector<std::string> titles;  // UTF-8, as info prints them
    std::vector<int> pointCounts;
};

// The values typed into examples/legacy/make_legacy_examples.py.
const Example AllExamples[] = {
    {"gen2_asb00.orx", "ASB_00", {"Température", "Pression"}, {3, 2}},
    {"gen3_asb97.orx", "ASB_97", {"Essai 97"}, {4}},
    {"gen4_asb96.orx", "ASB_96", {"Série A", "Série B"}, {2, 3}},
    {"gen5_asb91.dia", "ASB_91", {"Eprouvette 1", "Eprouvette 2"}, {4, 2}},
    {"gen6_assemblage91.dia", "ASSEMBLAGE_91", {"Pompe n°1"}, {3}},
    {"gen7_assemblage89.dia", "ASSEMBLAGE_89", {"G7A", "G7B"}, {4, 2}},
};

class LegacyConvert : public ::testing::Test {
protected:
    void SetUp() override {
        // The examples and their point files, copied so that nothing is
        // written beside the sources.
        for (const fs::directory_entry& e : fs::directory_iterator(Examples))
            fs::copy_file(e.path(), folder_.path() / e.path().filename());
    }
    RunResult run(std::vector<std::string> args) {
        args.push_back("--factory");
        return runCli(args, folder_.path());
    }
    Json info(const std::string& file) {
        const RunResult r = run({"info", file});
        EXPECT_EQ(r.status, 0) << file << ": " << r.err;
        return r.status == 0 ? Json::parse(r.out) : Json();
    }
    void expectCurves(const Json& summary, const Example& e, const std::string& format) {
        ASSERT_TRUE(summary.is_object()) << e.file;
        EXPECT_EQ(summary["format"], format) << e.file;
        ASSERT_EQ(summary["curveCount"], e.titles.size()) << e.file;
        for (std::size_t i = 0; i < e.titles.size(); ++i) {
            EXPECT_EQ(summary["curves"][i]["title"], e.titles[i]) << e.file;
            EXPECT_EQ(summary["curves"][i]["pointCount"], e.pointCounts[i]) << e.file;
        }
    }
    TempFolder folder_;
};

TEST_F(LegacyConvert, EachExampleOpensAndConverts) {
    for (const Example& e : AllExamples) {
        expectCurves(info(e.file), e, e.format);
        const std::string out = std::string(e.file) + ".orx";
        const RunResult r = run({"convert", e.file, "-o", out});
        ASSERT_EQ(r.status, 0) << e.file << ": " << r.err;
        EXPECT_EQ(readFile(folder_.file(out)).substr(0, 7), std::string("ASB_02\0", 7)) << e.file;
        expectCurves(info(out), e, "ASB_02");
    }
}

TEST_F(LegacyConvert, HiddenCurveAndExtentsSurviveConversion) {
    ASSERT_EQ(run({"convert", "gen2_asb00.orx", "-o", "g2.orx"}).status, 0);
    const Json summary = info("g2.orx");
    ASSERT_TRUE(summary.is_object());
    EXPECT_EQ(summary["curves"][0]["hidden"], 0);
    EXPECT_EQ(summary["curves"][1]["hidden"], 1);
    // Extent of (0, 1), (1, 2.5), (2, 4): x 0..2, y 1..4.
    EXPECT_EQ(summary["curves"][0]["extent"], Json::parse("[[0.0, 2.0], [1.0, 4.0]]"));
}

TEST_F(LegacyConvert, MissingPointFileOrDamageIsRefused) {
    fs::remove(folder_.path() / "G6A.LIS");
    const std::string message = "ERREUR\n\nLe format de ce fichier n'est pas compatible avec Ordinax !\n";
    for (const char* file : {"gen6_assemblage91.dia", "cut.orx"}) {
        if (std::string(file) == "cut.orx")
            writeFile(folder_.file(file), readFile(folder_.file("gen3_asb97.orx")).substr(0, 3000));
        const RunResult r = run({"convert", file, "-o", "out.orx"});
        EXPECT_NE(r.status, 0) << file;
        EXPECT_EQ(r.err, message) << file;
        EXPECT_FALSE(fs::exists(folder_.path() / "out.orx")) << file;
    }
}

}  // namespace
}  // namespace ordinax::cli::test
