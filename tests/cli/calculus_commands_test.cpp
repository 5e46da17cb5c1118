// The calculus commands through the built ordinax-cli: derive, integrate and
// solve on diagrams built from JSON, their JSON output, refusals and exit
// statuses.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/cli_process.h"
#include "cli/command_fixture.h"

namespace ordinax::cli::test {
namespace {

using Json = nlohmann::ordered_json;

constexpr double Tight = 1e-12;

class CalculusCommands : public CommandTest {
protected:
    // The "treatment" and "fit" fields of a curve fitted with coefficients `a`.
    static std::string fitted(const std::string& model, const std::vector<double>& a) {
        Json fit = Json::object();
        std::vector<double> coefficient(51, 0.0);
        for (std::size_t i = 0; i < a.size(); ++i) coefficient[i] = a[i];
        fit["coefficient"] = coefficient;
        return R"("treatment": ")" + model + R"(", "fit": )" + fit.dump() + ", ";
    }

    Json runJson(const std::vector<std::string>& args) {
        const RunResult r = run(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        return r.status == 0 ? Json::parse(r.out) : Json();
    }
};

TEST_F(CalculusCommands, DeriveAddsTheSortedSlopes) {
    buildCurve("[[2, 4], [0, 0], [1, 1]]", "p.orx");
    const std::string before = readFile(file("p.orx"));
    const Json out = runJson({"derive", "p.orx", "--curve", "0", "-o", "d.orx"});
    // Slopes 1 and 3 at the middles 0.5 and 1.5, by hand.
    EXPECT_EQ(out, Json::parse(R"({"curve": 1, "title": "Dérivée de Mesures", "points": [[0.5, 1.0], [1.5, 3.0]]})"));
    EXPECT_EQ(readFile(file("p.orx")), before);

    const Json dump = runJson({"dump", "d.orx"});
    ASSERT_EQ(dump["curves"].size(), 2u);
    EXPECT_EQ(dump["curves"][1]["treatment"], "JPP");
    EXPECT_EQ(dump["curves"][1]["points"], out["points"]);
    EXPECT_EQ(dump["curves"][0]["points"], Json::parse("[[2.0, 4.0], [0.0, 0.0], [1.0, 1.0]]"));
}

TEST_F(CalculusCommands, DeriveRefusesTwoPoints) {
    buildCurve("[[0, 0], [1, 1]]", "two.orx");
    const RunResult r = run({"derive", "two.orx", "--curve", "0", "-o", "d.orx"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "ERREUR\n\nDérivation impossible !\n\nLe nombre de points de la courbe doit être > 2.\n");
    EXPECT_FALSE(std::filesystem::exists(file("d.orx")));
    EXPECT_EQ(run({"derive", "two.orx", "--curve", "0"}).status, 2);  // -o is required
}

TEST_F(CalculusCommands, IntegratePrintsEveryResult) {
    buildCurve("[[0, 0], [1, 1], [2, 0]]", "tri.orx");
    const Json out = runJson({"integrate", "tri.orx", "--curve", "0"});
    std::vector<std::string> keys;
    for (auto item = out.begin(); item != out.end(); ++item) keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"forward", "backward", "trapezoid", "simpson", "model", "length"}));
    // By hand over the extent [0, 2]: rectangles 0 + 1 and 1 + 0, the triangle
    // 1, the parabola 2x - x² 4/3, no model, two segments of √2.
    EXPECT_NEAR(out["forward"].get<double>(), 1, Tight);
    EXPECT_NEAR(out["backward"].get<double>(), 1, Tight);
    EXPECT_NEAR(out["trapezoid"].get<double>(), 1, Tight);
    EXPECT_NEAR(out["simpson"].get<double>(), 4.0 / 3.0, Tight);
    EXPECT_EQ(out["model"], nullptr);
    EXPECT_NEAR(out["length"].get<double>(), 2 * std::sqrt(2.0), Tight);

    // Only one point between 0.5 and 1.5: the sums are not available.
    const Json inner = runJson({"integrate", "tri.orx", "--curve", "0", "--lower", "0.5", "--upper", "1.5"});
    for (const char* key : {"forward", "backward", "trapezoid", "simpson", "model"}) EXPECT_EQ(inner[key], nullptr) << key;
    EXPECT_NEAR(inner["length"].get<double>(), 2 * std::sqrt(0.5), Tight);
}

TEST_F(CalculusCommands, IntegrateRefusesBoundsInTheWrongOrder) {
    buildCurve("[[0, 0], [1, 1], [2, 0]]", "tri.orx");
    for (const auto& [lower, upper] : {std::pair{"1", "1"}, std::pair{"2", "0"}}) {
        const RunResult r = run({"integrate", "tri.orx", "--curve", "0", "--lower", lower, "--upper", upper});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, "ERREUR\n\nLes bornes de calcul sont incorrectes !\n");
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(run({"integrate", "tri.orx", "--curve", "0", "--lower", "1,5"}).status, 2);
}

TEST_F(CalculusCommands, IntegrateFittedModels) {
    // LIN y = 1 + 2x over [0, 3]: area 3 + 9, straight length √45 (by hand).
    buildCurve("[[0, 1], [1, 3], [2, 5], [3, 7]]", "lin.orx", fitted("LIN", {1, 2}));
    const Json lin = runJson({"integrate", "lin.orx", "--curve", "0"});
    EXPECT_NEAR(lin["model"].get<double>(), 12, Tight);
    EXPECT_NEAR(lin["length"].get<double>(), std::sqrt(45.0), Tight);

    // BETA has no antiderivative: the area is an error, the length is computed.
    // x(1 - x) over [0, 1]: length ∫√(1 + (1 - 2x)²) = (√2 + asinh 1)/2 by hand.
    buildCurve("[[0, 0], [0.5, 0.25], [1, 0]]", "beta.orx", fitted("BETA", {1, 1, 1}));
    const Json beta = runJson({"integrate", "beta.orx", "--curve", "0"});
    EXPECT_EQ(beta["model"], "error");
    EXPECT_NEAR(beta["length"].get<double>(), (std::sqrt(2.0) + std::asinh(1.0)) / 2, 1e-12);

    // HYP 1 + 2/x across x = 0: the area is no number.
    buildCurve("[[-1, -1], [1, 3], [2, 2]]", "hyp.orx", fitted("HYP", {1, 2}));
    EXPECT_EQ(runJson({"integrate", "hyp.orx", "--curve", "0"})["model"], "error");
}

TEST_F(CalculusCommands, SolveClosedFormAndScan) {
    // x² - 3x + 2 = 0 at 1 and 2, by hand.
    buildCurve("[[0, 2], [1, 0], [2, 0], [3, 2]]", "pol.orx", fitted("POL2", {2, -3, 1}));
    const Json pol = runJson({"solve", "pol.orx", "--curve", "0", "--y", "0"});
    EXPECT_EQ(pol["method"], "closed");
    ASSERT_EQ(pol["x"].size(), 2u);
    EXPECT_NEAR(pol["x"][0].get<double>(), 1, Tight);
    EXPECT_NEAR(pol["x"][1].get<double>(), 2, Tight);
    EXPECT_EQ(runJson({"solve", "pol.orx", "--curve", "0", "--y", "-1"}),
              Json::parse(R"({"x": [], "method": "closed"})"));

    // BETA x(1 - x) = 0.21 at 0.3 and 0.7 (by hand); the scan walks the x
    // range in 99 steps, its chord roots within 1e-3 here.
    buildCurve("[[0, 0], [0.5, 0.25], [1, 0]]", "beta.orx", fitted("BETA", {1, 1, 1}));
    const Json beta = runJson({"solve", "beta.orx", "--curve", "0", "--y", "0.21"});
    EXPECT_EQ(beta["method"], "scan");
    ASSERT_EQ(beta["x"].size(), 2u);
    EXPECT_NEAR(beta["x"][0].get<double>(), 0.3, 1e-3);
    EXPECT_NEAR(beta["x"][1].get<double>(), 0.7, 1e-3);
}

TEST_F(CalculusCommands, SolveNeedsAFittedCurve) {
    buildCurve("[[0, 0], [1, 1], [2, 0]]", "raw.orx");
    const RunResult r = run({"solve", "raw.orx", "--curve", "0", "--y", "0"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind("ERREUR\n\n", 0), 0u) << r.err;
    EXPECT_EQ(run({"solve", "raw.orx", "--curve", "0", "--y", "abc"}).status, 2);
    EXPECT_EQ(run({"solve", "raw.orx", "--curve", "0"}).status, 2);
}

TEST_F(CalculusCommands, CurveNumberOutsideTheDiagram) {
    buildCurve("[[0, 0], [1, 1], [2, 0]]", "one.orx");
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"derive", "one.orx", "--curve", "1", "-o", "d.orx"},
             {"integrate", "one.orx", "--curve", "1"},
             {"solve", "one.orx", "--curve", "3", "--y", "0"}}) {
        const RunResult r = run(args);
        EXPECT_EQ(r.status, 1) << args[0];
        EXPECT_NE(r.err.find("n'existe pas"), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace ordinax::cli::test
