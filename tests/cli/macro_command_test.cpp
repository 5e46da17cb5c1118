// The macro command through the built ordinax-cli: a diagram built from JSON,
// one macro applied, the result read back with dump.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/cli_process.h"
#include "cli/diagram_json.h"

namespace ordinax::cli::test {
namespace {

class MacroCommand : public ::testing::Test {
protected:
    void SetUp() override {
        // Title in slot 0, tag 1 in slot 7; curves of 1 and 3 points.
        Json labels = Json::array();
        for (int i = 0; i < 17; ++i) labels.push_back(Json::object());
        labels[0] = {{"placement", 1}, {"text", "Titre"}};
        labels[7] = {{"placement", 2}, {"text", "Tag"}};
        Json tagOrder = {0, -1, -1, -1, -1, -1, -1, -1, -1, -1};
        const Json in = {{"labels", labels},
                         {"tagOrder", tagOrder},
                         {"curves",
                          {{{"title", "A"}, {"points", {{0, 1}}}},
                           {{"title", "B"}, {"hidden", 1}, {"points", {{0, 1}, {1, 2}, {2, 0}}}}}}};
        writeFile(file("in.json"), in.dump());
        const RunResult built = run({"build", "in.json", "-o", "in.orx", "--factory"});
        ASSERT_EQ(built.status, 0) << built.err;
        before_ = dump("in.orx");
    }

    RunResult run(const std::vector<std::string>& args) { return runCli(args, folder_.path()); }
    std::string file(const std::string& name) const { return folder_.file(name); }

    Json dump(const std::string& orx) {
        const RunResult r = run({"dump", orx, "--factory"});
        EXPECT_EQ(r.status, 0) << r.err;
        return Json::parse(r.out);
    }

    // Applies a macro and returns the dump of the result.
    Json macro(const std::vector<std::string>& extra) {
        std::vector<std::string> args = {"macro", "in.orx", "-o", "out.orx", "--factory"};
        args.insert(args.end(), extra.begin(), extra.end());
        const RunResult r = run(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, "");
        return dump("out.orx");
    }

    TempFolder folder_;
    Json before_;
};

TEST_F(MacroCommand, FrameLabelsWithDefaultWidthFramesBothWays) {
    const Json after = macro({"--command", "10102", "--frame-color", "255"});
    // The default FrameWidth 1 gives 1 horizontally and 1 vertically.
    EXPECT_EQ(after["labels"][0]["paint"],
              Json({0, 0, 0, 16777215, 16777215, 0, 1, 255, 1, 1, 3, 3, 0, 0, 25, 10, 10}));
    EXPECT_EQ(after["labels"][7], before_["labels"][7]);
}

TEST_F(MacroCommand, FrameWidthHalvesAndShadow) {
    // 0x00030002: horizontal 2, vertical 3.
    Json after = macro({"--command", "10202", "--frame-width", "196610"});
    EXPECT_EQ(after["labels"][7]["paint"][8], 2);
    EXPECT_EQ(after["labels"][7]["paint"][9], 3);
    after = macro({"--command", "10203", "--shadow-deep", "6", "--shadow-hard", "80"});
    EXPECT_EQ(after["labels"][7]["paint"][12], 1);
    EXPECT_EQ(after["labels"][7]["paint"][14], 80);
    EXPECT_EQ(after["labels"][7]["paint"][15], 6);
    EXPECT_EQ(after["labels"][7]["paint"][16], 6);
    EXPECT_EQ(after["labels"][0], before_["labels"][0]);
}

TEST_F(MacroCommand, DeleteTagsKeepsTitle) {
    const Json after = macro({"--command", "10209"});
    EXPECT_EQ(after["labels"][0], before_["labels"][0]);
    EXPECT_EQ(after["labels"][7]["placement"], -1);
    EXPECT_EQ(after["labels"][7]["text"], "");
}

TEST_F(MacroCommand, CurveCommandsTable) {
    // {arguments, curve index, JSON pointer inside the curve, expected value}, by hand from the rules.
    struct Case {
        std::vector<std::string> args;
        int curve;
        const char* pointer;
        Json expected;
    };
    const std::vector<Case> cases = {
        {{"--command", "10402"}, 0, "/treatment", nullptr},   // 1 point: keeps no treatment
        {{"--command", "10402"}, 1, "/treatment", "BSP"},     // 3 points: B-splines
        {{"--command", "10401"}, 1, "/treatment", "JPP"},
        {{"--command", "10506", "--line-size", "3"}, 1, "/line/width/0", 3},
        {{"--command", "10609"}, 0, "/symbol/innerColour", 16777215},  // outline 0 -> complement white
        {{"--command", "10603", "--symbol-size", "18"}, 1, "/symbol/size", 18},
        {{"--command", "10702"}, 1, "/hidden", 0},
        {{"--command", "10405", "--bounds", "-1", "2", "-3", "4", "--exclude-points"}, 0, "/bounds",
         Json({{-1.0, 2.0}, {-3.0, 4.0}})},
        {{"--command", "10501"}, 1, "/line/colour/0", 16711680},  // second very different colour: blue
    };
    for (const Case& c : cases) {
        const Json after = macro(c.args);
        EXPECT_EQ(after["curves"][c.curve].at(Json::json_pointer(c.pointer)), c.expected) << c.args[1];
    }
}

TEST_F(MacroCommand, CommandThatFindsNothingChangesNothing) {
    // Every curve already has the default bounds: putting them back changes no byte.
    const Json after = macro({"--command", "10406"});
    EXPECT_EQ(after, before_);
}

TEST_F(MacroCommand, RefusalsAndBadUsage) {
    RunResult r = run({"macro", "in.orx", "-o", "out.orx", "--factory", "--command", "10500"});
    EXPECT_EQ(r.status, 2);
    r = run({"macro", "in.orx", "-o", "out.orx", "--factory", "--command", "10001", "--file", "absent.orx"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind("ERREUR\n\n", 0), 0u) << r.err;
    r = run({"macro", "in.orx", "-o", "out.orx", "--factory", "--command", "10107", "--text-font", "x"});
    EXPECT_EQ(r.status, 2);
}

TEST_F(MacroCommand, CopyPresentationFromModel) {
    ASSERT_EQ(run({"macro", "in.orx", "-o", "model.orx", "--factory", "--command", "10102", "--frame-color", "65280"})
                  .status,
              0);
    ASSERT_EQ(run({"macro", "model.orx", "-o", "model.orx", "--factory", "--command", "10603", "--symbol-size",
                   "30"})
                  .status,
              0);
    const Json after = macro({"--command", "10001", "--file", file("model.orx")});
    EXPECT_EQ(after["labels"][0]["paint"][7], 65280);
    EXPECT_EQ(after["labels"][0]["text"], "Titre");
    EXPECT_EQ(after["curves"][1]["symbol"]["size"], 30);
    EXPECT_EQ(after["curves"][1]["points"], before_["curves"][1]["points"]);
}

}  // namespace
}  // namespace ordinax::cli::test
