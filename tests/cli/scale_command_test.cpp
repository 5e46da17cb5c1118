// ordinax-cli scales through the built binary: the stored scales and their
// graduation texts, the automatic choice with --auto, and the refusals.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/cli_process.h"

namespace ordinax::cli::test {
namespace {

using Json = nlohmann::ordered_json;

class ScaleCommand : public ::testing::Test {
protected:
    RunResult run(std::vector<std::string> args) {
        args.push_back("--factory");
        return runCli(args, folder_.path());
    }

    void build(const std::string& json, const std::string& orx) {
        writeFile(folder_.file(orx + ".json"), json);
        const RunResult r = run({"build", orx + ".json", "-o", orx});
        ASSERT_EQ(r.status, 0) << r.err;
    }

    Json runJson(const std::vector<std::string>& args) {
        const RunResult r = run(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        return r.status == 0 ? Json::parse(r.out) : Json();
    }

    TempFolder folder_;
};

std::vector<std::string> labels(const Json& scale) {
    std::vector<std::string> out;
    for (const Json& label : scale["labels"]) out.push_back(label.get<std::string>());
    return out;
}

// A LIN scale as stored: 0 .. 1000 by 250, real format without decimals,
// thousands grouped, euro suffix.
constexpr const char* StoredScale = R"({"scales": {"axis": [[
    {"active": 1, "kind": 0, "origin": 0, "extremity": 1000, "step": 250, "format": 3, "decimals": 0,
     "thousands": 1, "symbol": 2, "orientation": 0},
    {"active": 0, "kind": 0, "origin": 0, "extremity": 1, "step": 0.5, "format": 1, "decimals": 0,
     "orientation": -1}], [
    {"active": 1, "kind": 0, "origin": 0, "extremity": 1, "step": 0.5, "format": 1, "decimals": 0},
    {"active": 0, "kind": 0, "origin": 0, "extremity": 1, "step": 0.5, "format": 0, "decimals": 0}]]}})";

TEST_F(ScaleCommand, StoredScalesAndTheirTexts) {
    build(StoredScale, "stored.orx");
    const Json result = runJson({"scales", "stored.orx"});
    ASSERT_TRUE(result.is_object());
    ASSERT_EQ(result["axis"].size(), 2u);
    const Json& x = result["axis"][0][0];
    std::vector<std::string> keys;
    for (auto item = x.begin(); item != x.end(); ++item) keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"kind", "origin", "extremity", "step", "format", "decimals", "labels"}));
    EXPECT_EQ(x["kind"], 0);
    EXPECT_EQ(x["extremity"], 1000.0);
    EXPECT_EQ(x["step"], 250.0);
    EXPECT_EQ(labels(x), (std::vector<std::string>{"0 €", "250 €", "500 €", "750 €", "1 000 €"}));
    // No values drawn: vertical orientation -1 or format 0.
    EXPECT_TRUE(result["axis"][0][1]["labels"].empty());
    EXPECT_TRUE(result["axis"][1][1]["labels"].empty());
    EXPECT_EQ(labels(result["axis"][1][0]), (std::vector<std::string>{"0", "0.5", "1"}));
}

TEST_F(ScaleCommand, AutoChoosesBoundsFormatsAndExponents) {
    build(R"({"scales": {"axis": [[{"active": 1}, {"active": 0}], [{"active": 1}, {"active": 0, "kind": 1}]]},
              "curves": [{"title": "Mesures", "points": [[1, -2], [4, 30], [2, 5]]}]})",
          "curve.orx");
    const Json result = runJson({"scales", "curve.orx", "--auto"});
    ASSERT_TRUE(result.is_object());
    // x 1..4: 0.1 and 0.2 give 30 and 15 steps, 0.5 gives 6; one decimal.
    const Json& x = result["axis"][0][0];
    EXPECT_EQ(x["origin"], 1.0);
    EXPECT_EQ(x["extremity"], 4.0);
    EXPECT_EQ(x["step"], 0.5);
    EXPECT_EQ(x["format"], 3);
    EXPECT_EQ(x["decimals"], 1);
    EXPECT_EQ(labels(x), (std::vector<std::string>{"1.0", "1.5", "2.0", "2.5", "3.0", "3.5", "4.0"}));
    // y -2..30: 1 and 2 give 32 and 16 steps, 5 gives 6.4; integers.
    const Json& y = result["axis"][1][0];
    EXPECT_EQ(y["origin"], -5.0);
    EXPECT_EQ(y["step"], 5.0);
    EXPECT_EQ(y["format"], 2);
    EXPECT_EQ(labels(y), (std::vector<std::string>{"-5", "0", "5", "10", "15", "20", "25", "30"}));
    // The LOG scale: 0.1 .. 100, scientific with 2 decimals, one label per decade.
    const Json& log = result["axis"][1][1];
    EXPECT_EQ(log["origin"], 0.1);
    EXPECT_EQ(log["extremity"], 100.0);
    EXPECT_EQ(log["format"], 4);
    EXPECT_EQ(labels(log), (std::vector<std::string>{"1.00.10¶e-1¶e", "1.00.10¶e+0¶e", "1.00.10¶e+1¶e",
                                                     "1.00.10¶e+2¶e"}));

    // Without --auto the stored (blank) bounds come back untouched.
    const Json stored = runJson({"scales", "curve.orx"});
    EXPECT_EQ(stored["axis"][0][0]["step"], 0.0);
    EXPECT_TRUE(stored["axis"][0][0]["labels"].empty());
}

TEST_F(ScaleCommand, Refusals) {
    const RunResult missing = run({"scales", "absent.orx"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_FALSE(missing.err.empty());
    EXPECT_TRUE(missing.out.empty());

    EXPECT_EQ(run({"scales"}).status, 2);
}

}  // namespace
}  // namespace ordinax::cli::test
