// ordinax-cli transform through the built binary: each coordinate tool on a
// diagram built from JSON, the saved result, warnings that do not stop the
// command, refusals of the selection rules and bad usage. Expected points are
// worked out by hand from the tools' rules.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/cli_process.h"

namespace ordinax::cli::test {
namespace {

using Json = nlohmann::ordered_json;
using Points = std::vector<std::vector<double>>;

class TransformCommand : public ::testing::Test {
protected:
    void SetUp() override {
        // x out of order on purpose; y with a repeated x run for the average.
        build(R"({"curves": [{"title": "Mesures", "points": [[3, 2], [1, 1], [1, 3], [2, 1], [5, 9]]}]})", "data.orx");
    }

    RunResult run(std::vector<std::string> args) {
        args.push_back("--factory");
        return runCli(args, folder_.path());
    }
    std::string file(const std::string& name) const { return folder_.file(name); }

    void build(const std::string& json, const std::string& orx) {
        writeFile(file(orx + ".json"), json);
        const RunResult r = run({"build", orx + ".json", "-o", orx});
        ASSERT_EQ(r.status, 0) << r.err;
    }

    // Runs `transform data.orx --curve 0` with `args`; expects success and no message.
    Json transform(std::vector<std::string> args) {
        args.insert(args.begin(), {"transform", "data.orx", "--curve", "0"});
        const RunResult r = run(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        return r.status == 0 ? Json::parse(r.out) : Json();
    }

    // Runs `transform data.orx --curve 0` with `args` and returns what happened.
    RunResult transformRun(std::vector<std::string> args) {
        args.insert(args.begin(), {"transform", "data.orx", "--curve", "0"});
        return run(args);
    }

    TempFolder folder_;
};

void expectPoints(const Json& actual, const Points& expected, double tolerance = 0.0) {
    ASSERT_TRUE(actual.is_array()) << actual.dump();
    ASSERT_EQ(actual.size(), expected.size()) << actual.dump();
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(actual[i][0].get<double>(), expected[i][0], tolerance) << "x of point " << i;
        EXPECT_NEAR(actual[i][1].get<double>(), expected[i][1], tolerance) << "y of point " << i;
    }
}

TEST_F(TransformCommand, EachToolPrintsTheTransformedPoints) {
    struct Case {
        std::vector<std::string> args;
        Points expected;
    };
    const Case cases[] = {
        {{"--tool", "sort", "--column", "x"}, {{1, 1}, {1, 3}, {2, 1}, {3, 2}, {5, 9}}},
        {{"--tool", "sort", "--column", "y", "--descending", "--rows", "2:4"},
         {{3, 2}, {1, 3}, {1, 1}, {2, 1}, {5, 9}}},
        {{"--tool", "invert", "--rows", "1:2"}, {{2, 3}, {1, 1}, {1, 3}, {2, 1}, {5, 9}}},
        {{"--tool", "invert"}, {{2, 3}, {1, 1}, {3, 1}, {1, 2}, {9, 5}}},
        // Runs of equal x: (1, 1) and (1, 3) become (1, 2).
        {{"--tool", "average", "--column", "y"}, {{3, 2}, {1, 2}, {2, 1}, {5, 9}}},
        {{"--tool", "cumulate", "--column", "x"}, {{3, 2}, {4, 1}, {5, 3}, {7, 1}, {12, 9}}},
        // Sorted by x (ties in order): y 1, 3, 1, 2, 9 over a total of 16.
        {{"--tool", "cumfreq"}, {{1, 1.0 / 16}, {1, 4.0 / 16}, {2, 5.0 / 16}, {3, 7.0 / 16}, {5, 1}}},
        {{"--tool", "limit", "--column", "y", "--mini", "3", "--maxi", "1"}, {{3, 2}, {1, 1}, {1, 3}, {2, 1}}},
        {{"--tool", "limit", "--column", "x", "--mini", "1", "--maxi", "2", "--remove-inside"}, {{3, 2}, {5, 9}}},
        // A bound left out: nothing changes, as when a field of the dialog is empty.
        {{"--tool", "limit", "--column", "x", "--mini", "1"}, {{3, 2}, {1, 1}, {1, 3}, {2, 1}, {5, 9}}},
        {{"--tool", "sequence", "--from", "4", "--to", "7", "--first", "10", "--step", "2.5", "--ordinates"},
         {{3, 2}, {1, 1}, {1, 3}, {2, 10}, {5, 12.5}, {0, 15}, {0, 17.5}}},
        {{"--tool", "correction", "--column", "y", "--rows", "2:3", "--function", "9", "--operation", "y=f(x)", "--a",
          "2", "--b", "2", "--c", "0.5"},
         {{3, 2}, {1, 2.5}, {1, 2.5}, {2, 1}, {5, 9}}},
        {{"--tool", "correction", "--column", "x", "--function", "0", "--operation", "x = f(y)", "--a", "-1"},
         {{1, 2}, {0, 1}, {2, 3}, {0, 1}, {8, 9}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Json(c.args).dump());
        expectPoints(transform(c.args)["points"], c.expected, 1e-15);
    }
}

TEST_F(TransformCommand, PolarAndBackInDegrees) {
    build(R"({"curves": [{"title": "P", "points": [[1, 1], [0, 2], [-1, 0]]}]})", "data.orx");
    // atan(1) = 45°; x = 0 with y > 0 gives 90°; x < 0 with y = 0 gives 0 - 180°.
    expectPoints(transform({"--tool", "to-polar", "--degrees", "-o", "polar.orx"})["points"],
                 {{45, 1.4142135623730951}, {90, 2}, {-180, 1}}, 1e-12);
    const RunResult back = run({"transform", "polar.orx", "--curve", "0", "--tool", "to-cartesian", "--degrees"});
    ASSERT_EQ(back.status, 0) << back.err;
    expectPoints(Json::parse(back.out)["points"], {{1, 1}, {0, 2}, {-1, 0}}, 1e-12);
}

TEST_F(TransformCommand, OutputHoldsTheNewPointsAndExtentInputUntouched) {
    const std::string before = readFile(file("data.orx"));
    transform({"--tool", "limit", "--column", "y", "--mini", "0", "--maxi", "2", "-o", "out.orx"});
    EXPECT_TRUE(readFile(file("data.orx")) == before);

    const RunResult info = run({"info", "out.orx"});
    ASSERT_EQ(info.status, 0) << info.err;
    const Json curve = Json::parse(info.out)["curves"][0];
    EXPECT_EQ(curve["pointCount"], 3);
    // Kept: (3, 2), (1, 1), (2, 1).
    EXPECT_EQ(curve["extent"], Json::parse("[[1, 3], [1, 2]]"));
}

TEST_F(TransformCommand, ClippedValuesAreAWarning) {
    build(R"({"curves": [{"title": "Z", "points": [[0, 4], [1, 0]]}]})", "data.orx");
    const RunResult r = transformRun(
        {"--tool", "correction", "--column", "y", "--function", "8", "--operation", "y=f(y)", "-o", "out.orx"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "ATTENTION\n\nUn certain nombre de valeurs ont été écrêtées\nlorsque  |valeur| > 1.00E+035 !\n");
    expectPoints(Json::parse(r.out)["points"], {{0, 0.25}, {1, 1e35}});
    EXPECT_FALSE(readFile(file("out.orx")).empty());
}

TEST_F(TransformCommand, RoundingByStepAndByDecimals) {
    build(R"({"curves": [{"title": "R", "points": [[1.3, 1.25], [-1.3, -1.25]]}]})", "data.orx");
    expectPoints(transform({"--tool", "correction", "--column", "x", "--function", "15", "--operation", "x=f(x)",
                            "--round-step", "0.25"})["points"],
                 {{1.25, 1.25}, {-1.25, -1.25}});
    expectPoints(transform({"--tool", "correction", "--column", "y", "--function", "15", "--operation", "y=f(y)",
                            "--decimals", "1"})["points"],
                 {{1.3, 1.3}, {-1.3, -1.3}});
}

TEST_F(TransformCommand, RefusalsPrintTheMessageAndWriteNothing) {
    struct Case {
        std::vector<std::string> args;
        std::string err;
    };
    const std::string selectColumn =
        "ATTENTION\n\nSélectionner tout d'abord la coordonnée X ou Y\nsur laquelle se fera le traitement.\n";
    const std::string singleColumn =
        "ATTENTION\n\nCette opération ne peut s'appliquer que sur\nune seule des deux coordonnées (X ou Y) !\n\n"
        "Sélectionnez une des deux colonnes x ou y.\n";
    const Case cases[] = {
        {{"--tool", "sort"}, singleColumn},
        {{"--tool", "sort", "--rows", "1:3"}, singleColumn},
        {{"--tool", "correction", "--function", "1", "--operation", "y=f(y)", "--a", "2"}, singleColumn},
        {{"--tool", "cumulate"}, selectColumn},
        {{"--tool", "average", "--column", "x", "--rows", "1:2"}, selectColumn},
        {{"--tool", "limit", "--mini", "0", "--maxi", "1"}, selectColumn},
        {{"--tool", "invert", "--column", "y"},
         "ATTENTION\n\nPour effectuer l'inversion sur une partie des coordonnées,\nsélectionnez les lignes de "
         "coordonnées X et Y à inverser.\n\nSinon, désélectionnez tout.\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Json(c.args).dump());
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"-o", "refused.orx"});
        const RunResult r = transformRun(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(r.out, "");
        EXPECT_TRUE(readFile(file("refused.orx")).empty());
    }
}

TEST_F(TransformCommand, CumulativeFrequencyRefusals) {
    build(R"({"curves": [{"title": "N", "points": [[1, 2], [2, -1]]}, {"title": "Z", "points": [[1, 0], [2, 0]]}]})",
          "data.orx");
    RunResult r = transformRun({"--tool", "cumfreq"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "ERREUR\n\nLe calcul ne peut s'effectuer que\nsur des valeurs positives de y !\n");
    r = run({"transform", "data.orx", "--curve", "1", "--tool", "cumfreq"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "ATTENTION\n\nCalcul impossible :\n\n\"La somme des valeurs est nulle\"\n");
}

TEST_F(TransformCommand, BadUsage) {
    const std::vector<std::vector<std::string>> usage = {
        {"--tool", "shuffle"},
        {"--tool", "correction", "--column", "y", "--operation", "y=f(y)"},
        {"--tool", "correction", "--column", "y", "--function", "16", "--operation", "y=f(y)"},
        {"--tool", "correction", "--column", "y", "--function", "1", "--operation", "z=f(y)"},
        {"--tool", "correction", "--column", "y", "--function", "15", "--operation", "y=f(y)", "--decimals", "1",
         "--round-step", "0.5"},
        {"--tool", "sequence", "--from", "1", "--ordinates"},
        {"--tool", "sort", "--column", "z"},
        {"--tool", "sort", "--column", "x", "--rows", "3"},
        {"--tool", "limit", "--column", "x", "--mini", "1,5", "--maxi", "2"},
    };
    for (const auto& args : usage) {
        SCOPED_TRACE(Json(args).dump());
        EXPECT_EQ(transformRun(args).status, 2);
    }
    // Rows past the curve and a missing curve are refusals of the data, not of the command line.
    EXPECT_EQ(transformRun({"--tool", "sort", "--column", "x", "--rows", "2:6"}).status, 1);
    EXPECT_EQ(run({"transform", "data.orx", "--curve", "3", "--tool", "invert"}).status, 1);
}

}  // namespace
}  // namespace ordinax::cli::test
