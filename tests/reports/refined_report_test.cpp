// Reports of fits refined by nonlinear least squares: which fit the report
// shows, the refinement's own block, and the statistics in y of models whose
// linearised fit has none.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "numerics/catalogue.h"
#include "numerics/fit_kind.h"
#include "numerics/refine_curve.h"
#include "reports/report_builder.h"
#include "reports/report_format.h"
#include "reports/report_template.h"

namespace ordinax::reports {
namespace {

namespace fs = std::filesystem;
using document::Curve;

// A Cauchy peak with a wobble: a model without the statistics switch.
Curve cauchyCurve() {
    std::vector<document::Point> points;
    for (int i = 0; i < 12; ++i) {
        const double x = 0.5 * i;
        points.push_back({x, 1.0 / (0.5 * (x - 2.0) * (x - 2.0) + 0.25) * (1.0 + 0.05 * std::sin(1.7 * i))});
    }
    Curve curve;
    curve.treatment = numerics::KindCAUCHY;
    curve.points = document::PointBuffer(points);
    return curve;
}

numerics::Catalogue shippedCatalogue() {
    const numerics::CatalogueLoad load =
        numerics::loadCatalogue((fs::path(ORDINAX_SOURCE_DIR) / "data" / "ORX_LISS.MSK").string());
    EXPECT_TRUE(load.catalogue);
    return load.catalogue ? *load.catalogue : numerics::Catalogue{};
}

constexpr const char* Template =
    "F=@AJUSTEMENT@\n"
    ":IF[AFFINE]\n"
    "S=@SCE@ L=@SCE_LIN@ I=@ITERATIONS@\n"
    ":END[AFFINE]\n"
    ":IF[STAT]\n"
    "dof=@DDL@\n"
    ":END[STAT]\n";

TEST(RefinedReport, SaysWhichFitItShows) {
    const numerics::Catalogue catalogue = shippedCatalogue();
    const numerics::FitModel& model = catalogue[numerics::KindCAUCHY];

    Curve linearised = cauchyCurve();
    numerics::FitReport plain;
    ASSERT_EQ(numerics::fitCurve(linearised, catalogue, false, &plain), 0);
    EXPECT_EQ(fillReport(Template, ReportRegression, {&linearised, &model, &plain, 0}),
              "F=moindres carr\xE9s sur la forme lin\xE9" "aris\xE9" "e\n");

    Curve stopped = cauchyCurve();
    numerics::RefineSettings stop;
    stop.progress = [](int) { return false; };
    numerics::CurveFit kept;
    ASSERT_EQ(numerics::refineCurve(stopped, catalogue, false, &kept, stop), 0);
    EXPECT_EQ(fillReport(Template, ReportRegression, {&stopped, &model, &kept.report, 0}),
              "F=moindres carr\xE9s sur la forme lin\xE9" "aris\xE9" "e (affinage non retenu : calcul interrompu)\n");

    Curve refined = cauchyCurve();
    numerics::CurveFit result;
    ASSERT_EQ(numerics::refineCurve(refined, catalogue, false, &result), 0);
    ASSERT_TRUE(result.refinement.refined());
    // CAUCHY has no statistics switch: the refined fit's statistics are printed all the same.
    const std::string expected = "F=moindres carr\xE9s non lin\xE9" "aires sur y\nS=" + formatNumber(result.refinement.sse) +
                                 " L=" + formatNumber(result.refinement.linearisedSse) + " I=" +
                                 std::to_string(result.refinement.iterations) + "\ndof=9\n";
    EXPECT_EQ(fillReport(Template, ReportRegression, {&refined, &model, &result.report, 0}), expected);
    // Without the last fit, the curve's own record tells.
    EXPECT_EQ(fillReport(Template, ReportRegression, {&refined, &model, nullptr, 0}).substr(0, expected.find('S')),
              "F=moindres carr\xE9s non lin\xE9" "aires sur y\n");
}

TEST(RefinedReport, ShippedTemplatesInEveryLanguage) {
    const numerics::Catalogue catalogue = shippedCatalogue();
    Curve curve = cauchyCurve();
    numerics::CurveFit result;
    ASSERT_EQ(numerics::refineCurve(curve, catalogue, false, &result), 0);
    ASSERT_TRUE(result.refinement.refined());
    const fs::path data = fs::path(ORDINAX_SOURCE_DIR) / "data";
    for (int language = 0; language < 5; ++language) {
        const ReportBuild build =
            buildReport(data, {&curve, &catalogue[numerics::KindCAUCHY], &result.report, language});
        ASSERT_TRUE(build.ok) << build.message.text;
        EXPECT_EQ(build.text.find('@'), std::string::npos) << language << "\n" << build.text;
        EXPECT_EQ(build.text.find(":IF["), std::string::npos) << language;
        // The statistics table with the three coefficients' rows.
        EXPECT_NE(build.text.find(" a\xB6s2\xB6s "), std::string::npos) << language << "\n" << build.text;
    }
    const ReportBuild french = buildReport(data, {&curve, &catalogue[numerics::KindCAUCHY], &result.report, 0});
    EXPECT_NE(french.text.find("   It\xE9rations...................... : " + std::to_string(result.refinement.iterations) +
                               "\n"),
              std::string::npos)
        << french.text;
}

}  // namespace
}  // namespace ordinax::reports
