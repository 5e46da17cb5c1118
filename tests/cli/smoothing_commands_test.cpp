// The smoothing commands through the built ordinax-cli: smooth, fourier and
// spectrum on diagrams built from JSON, their refusals and exit statuses.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/cli_process.h"
#include "cli/command_fixture.h"

namespace ordinax::cli::test {
namespace {

using Json = nlohmann::ordered_json;
using std::numbers::pi;

class SmoothingCommands : public CommandTest {
protected:
    Json runJson(const std::vector<std::string>& args) {
        const RunResult r = run(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        return r.status == 0 ? Json::parse(r.out) : Json();
    }
};

// A stored Fourier series: "fit" with N harmonics and the given a[1..], b[1..].
std::string storedSeries(int harmonics, const std::vector<double>& a, const std::vector<double>& b) {
    Json cosines = Json::array(), sines = Json::array();
    for (std::size_t i = 0; i < 51; ++i) {
        cosines.push_back(i >= 1 && i <= a.size() ? a[i - 1] : 0.0);
        sines.push_back(i >= 1 && i <= b.size() ? b[i - 1] : 0.0);
    }
    return R"("treatment": "FOU", "fit": {"harmonicCount": )" + std::to_string(harmonics) +
           R"(, "omega": 1, "coefficient": )" + cosines.dump() + R"(, "linearCoefficient": )" + sines.dump() + "}, ";
}

TEST_F(SmoothingCommands, SmoothPrintsThePolylineOfTheChosenKind) {
    buildCurve("[[0, 0], [1, 1], [2, 0]]", "three.orx");
    // Cubic spline worked by hand: M2 = -3, M1 = -6, M3 = 0, S(0.5) = 1.0625.
    for (const std::string kind : {"SPC", "3", "spc"}) {
        const Json out = runJson({"smooth", "three.orx", "--curve", "0", "--kind", kind});
        ASSERT_TRUE(out.contains("points")) << kind;
        ASSERT_EQ(out["points"].size(), 41u) << kind;
        EXPECT_NEAR(out["points"][10][0].get<double>(), 0.5, 1e-15);
        EXPECT_NEAR(out["points"][10][1].get<double>(), 1.0625, 1e-14);
        EXPECT_EQ(out["points"][40], Json::parse("[2, 0]"));
    }
    // A B-spline of three points joins the ends; compact output parses the same.
    EXPECT_EQ(runJson({"smooth", "three.orx", "--curve", "0", "--kind", "BSP", "--compact"}),
              Json::parse(R"({"points": [[0, 0], [2, 0]]})"));
    EXPECT_EQ(runJson({"smooth", "three.orx", "--curve", "0", "--kind", "JPP"}),
              Json::parse(R"({"points": [[0, 0], [1, 1], [2, 0]]})"));
}

TEST_F(SmoothingCommands, SmoothDefaultsToTheCurvesOwnKind) {
    buildCurve("[[0, 0], [1, 2], [2, 0]]", "bez.orx", R"("treatment": "BEZ", )");
    const Json out = runJson({"smooth", "bez.orx", "--curve", "0"});
    ASSERT_EQ(out["points"].size(), 101u);
    // t = 0.5: 0.25·P0 + 0.5·P1 + 0.25·P2.
    EXPECT_NEAR(out["points"][50][0].get<double>(), 1, 1e-14);
    EXPECT_NEAR(out["points"][50][1].get<double>(), 1, 1e-14);

    buildCurve("[[0, 0], [1, 2], [2, 0]]", "plain.orx");
    const RunResult none = run({"smooth", "plain.orx", "--curve", "0"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.err.rfind("ERREUR\n\n", 0), 0u) << none.err;
}

TEST_F(SmoothingCommands, UsageErrors) {
    buildCurve("[[0, 0], [1, 1], [2, 0], [3, 1]]", "four.orx");
    const std::vector<std::vector<std::string>> cases = {
        {"smooth", "four.orx", "--curve", "0", "--kind", "LIN"},
        {"smooth", "four.orx", "--curve", "0", "--kind", "5"},
        {"smooth", "four.orx"},
        {"fourier", "four.orx", "--curve", "0", "--harmonics", "51"},
        {"fourier", "four.orx", "--curve", "0", "--harmonics", "-1"},
        {"spectrum", "four.orx", "--curve", "0", "--harmonics", "2", "-o", "s.orx"},
        {"spectrum", "four.orx", "--curve", "0", "--intensity", "--phase", "-o", "s.orx"},
        {"spectrum", "four.orx", "--curve", "0", "--intensity"},
    };
    for (const auto& args : cases) {
        const RunResult r = run(args);
        EXPECT_EQ(r.status, 2) << args[0] << " " << args.back() << "\n" << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists(file("s.orx")));
}

TEST_F(SmoothingCommands, FourierPrintsTheSeriesAndStoresIt) {
    // Given out of order; sorted, they are (0,0), (1,1), (2,0), (3,1): T = 3,
    // a0 = 0.5. By hand, integrating by parts twice with z = e^(2iπ/3):
    // ∫ y·e^(iwx) dx = -i/w + 2i√3/w², so a1 = 0 and b1 = 3√3/π² - 1/π.
    buildCurve("[[2, 0], [0, 0], [3, 1], [1, 1]]", "four.orx");
    const Json out = runJson({"fourier", "four.orx", "--curve", "0", "--harmonics", "1", "-o", "series.orx"});
    std::vector<std::string> keys;
    for (auto item = out.begin(); item != out.end(); ++item) keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"harmonics", "omega", "period", "a0", "a", "b"}));
    EXPECT_EQ(out["harmonics"], 1);
    EXPECT_NEAR(out["omega"].get<double>(), 2 * pi / 3, 1e-15);
    EXPECT_NEAR(out["period"].get<double>(), 3, 1e-14);
    EXPECT_NEAR(out["a0"].get<double>(), 0.5, 1e-15);
    ASSERT_EQ(out["a"].size(), 1u);
    ASSERT_EQ(out["b"].size(), 1u);
    EXPECT_NEAR(out["a"][0].get<double>(), 0, 1e-15);
    EXPECT_NEAR(out["b"][0].get<double>(), 3 * std::sqrt(3.0) / (pi * pi) - 1 / pi, 1e-15);

    const Json dump = runJson({"dump", "series.orx"});
    const Json& curve = dump["curves"][0];
    EXPECT_EQ(curve["treatment"], "FOU");
    EXPECT_EQ(curve["fit"]["harmonicCount"], 1);
    EXPECT_EQ(curve["fit"]["coefficient"][1], out["a"][0]);
    EXPECT_EQ(curve["fit"]["linearCoefficient"][1], out["b"][0]);
    EXPECT_EQ(curve["points"], Json::parse("[[0, 0], [1, 1], [2, 0], [3, 1]]"));
    // The input file is never written.
    EXPECT_EQ(runJson({"dump", "four.orx"})["curves"][0]["points"], Json::parse("[[2, 0], [0, 0], [3, 1], [1, 1]]"));
}

TEST_F(SmoothingCommands, FourierOfARampAgainstItsKnownSeries) {
    // y = x on [0, 2π] in 200 segments: a0 = π, a_n = 0, b_n = -2/n (exact for
    // straight segments, up to rounding).
    Json points = Json::array();
    for (int k = 0; k <= 200; ++k) points.push_back(Json::array({k * 2 * pi / 200, k * 2 * pi / 200}));
    buildCurve(points.dump(), "ramp.orx");
    const Json out = runJson({"fourier", "ramp.orx", "--curve", "0", "--harmonics", "5"});
    EXPECT_NEAR(out["a0"].get<double>(), pi, 1e-12);
    for (int n = 1; n <= 5; ++n) {
        EXPECT_NEAR(out["a"][static_cast<std::size_t>(n - 1)].get<double>(), 0, 1e-9) << n;
        EXPECT_NEAR(out["b"][static_cast<std::size_t>(n - 1)].get<double>(), -2.0 / n, 1e-9) << n;
    }
}

TEST_F(SmoothingCommands, FourierRefusals) {
    buildCurve("[[2, 0], [0, 1], [1, 5]]", "three.orx");
    const RunResult few = run({"fourier", "three.orx", "--curve", "0", "-o", "never.orx"});
    EXPECT_EQ(few.status, 1);
    EXPECT_EQ(few.err,
              "ERREUR\n\nLe calcul de la transformée de Fourier est impossible !\n\n\"Nombre insuffisant de points\".\n");
    EXPECT_FALSE(std::filesystem::exists(file("never.orx")));

    const RunResult report = run({"fourier", "three.orx", "--curve", "0", "--report", "r.txt"});
    EXPECT_EQ(report.status, 1);
    EXPECT_FALSE(std::filesystem::exists(file("r.txt")));

    const RunResult missing = run({"fourier", "three.orx", "--curve", "4"});
    EXPECT_EQ(missing.status, 1);
}

TEST_F(SmoothingCommands, SpectrumFromTheStoredSeries) {
    // (a1, b1) = (3, 4), (a2, b2) = (1, 0), (a3, b3) = (-2, 0).
    buildCurve("[[0, 0], [1, 1], [2, 0], [3, 1]]", "fou.orx", storedSeries(3, {3, 1, -2}, {4, 0, 0}));
    const Json intensity = runJson({"spectrum", "fou.orx", "--curve", "0", "--intensity", "-o", "i.orx"});
    EXPECT_EQ(intensity["curve"], 1);
    EXPECT_EQ(intensity["title"], "Spectre d'intensité de Mesures");
    EXPECT_EQ(intensity["points"], Json::parse("[[1, 5], [2, 1], [3, 2]]"));

    const Json phase = runJson({"spectrum", "fou.orx", "--curve", "0", "--phase", "-o", "p.orx"});
    EXPECT_EQ(phase["title"], "Spectre de phase de Mesures");
    ASSERT_EQ(phase["points"].size(), 3u);
    // atan(3/4) in degrees; b = 0 with a > 0 gives 90, with a < 0 gives -90.
    EXPECT_NEAR(phase["points"][0][1].get<double>(), std::atan(0.75) * 180 / pi, 1e-12);
    EXPECT_EQ(phase["points"][1], Json::parse("[2, 90]"));
    EXPECT_EQ(phase["points"][2], Json::parse("[3, -90]"));

    const Json dump = runJson({"dump", "p.orx"});
    ASSERT_EQ(dump["curves"].size(), 2u);
    EXPECT_EQ(dump["curves"][1]["title"], "Spectre de phase de Mesures");
    EXPECT_EQ(dump["curves"][1]["treatment"], "JPP");
    EXPECT_EQ(dump["curves"][1]["points"], phase["points"]);
}

TEST_F(SmoothingCommands, SpectrumNeedsASeries) {
    buildCurve("[[0, 0], [1, 1], [2, 0], [3, 1]]", "plain.orx");
    const RunResult refused = run({"spectrum", "plain.orx", "--curve", "0", "--intensity", "-o", "s.orx"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err.rfind("ERREUR\n\n", 0), 0u) << refused.err;
    EXPECT_FALSE(std::filesystem::exists(file("s.orx")));

    // With --harmonics the series is computed first: N points at x = 1..N.
    const Json computed = runJson({"spectrum", "plain.orx", "--curve", "0", "--intensity", "--harmonics", "4", "-o", "s.orx"});
    ASSERT_EQ(computed["points"].size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(computed["points"][i][0], i + 1);
    const Json dump = runJson({"dump", "s.orx"});
    EXPECT_EQ(dump["curves"][0]["treatment"], "FOU");
    EXPECT_EQ(dump["curves"][0]["fit"]["harmonicCount"], 4);
}

}  // namespace
}  // namespace ordinax::cli::test
