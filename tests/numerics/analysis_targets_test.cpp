// Which curves the analysis commands work on, the curves they make, and what
// the calculus dialogs show of their results.
#include <gtest/gtest.h>

#include <vector>

#include "base/strings.h"
#include "document/diagram_defaults.h"
#include "numerics/analysis_targets.h"
#include "numerics/calculus_text.h"
#include "numerics/derived_curves.h"
#include "numerics/fit_function.h"
#include "numerics/fit_kind.h"

namespace ordinax::numerics {
namespace {

using document::Point;

document::Curve toolCurve(std::vector<Point> points, int kind) {
    document::Curve curve;
    curve.points = document::PointBuffer(points);
    curve.treatment = kind;
    curve.title = "C";
    return curve;
}

// Curves 0 empty, 1 point to point, 2 fitted LIN, 3 Fourier series.
document::Diagram fourCurves() {
    document::Diagram diagram;
    diagram.curves.push_back(toolCurve({}, KindLIN));
    diagram.curves.push_back(toolCurve({{0, 0}, {1, 1}, {2, 4}}, KindJPP));
    diagram.curves.push_back(toolCurve({{0, 1}, {1, 3}, {2, 5}}, KindLIN));
    diagram.curves.push_back(toolCurve({{0, 0}, {1, 1}, {2, 0}, {3, 1}}, KindFOU));
    return diagram;
}

TEST(AnalysisTargets, EachToolTakesTheCurvesItCanWorkOn) {
    const document::Diagram diagram = fourCurves();
    struct Case {
        AnalysisTool tool;
        std::vector<int> curves;
    };
    const Case cases[] = {
        {AnalysisTool::Smoothing, {1, 2, 3}},       {AnalysisTool::Derivative, {1, 2, 3}},
        {AnalysisTool::Surface, {1, 2, 3}},         {AnalysisTool::ValueAt, {2, 3}},
        {AnalysisTool::SolveFor, {2, 3}},           {AnalysisTool::Residuals, {2, 3}},
        {AnalysisTool::IntensitySpectrum, {3}},     {AnalysisTool::PhaseSpectrum, {3}},
    };
    for (const Case& c : cases) EXPECT_EQ(suitableCurves(diagram, c.tool), c.curves) << static_cast<int>(c.tool);

    EXPECT_EQ(startingCurve(diagram, 2, AnalysisTool::Residuals), 2);
    EXPECT_EQ(startingCurve(diagram, 1, AnalysisTool::Residuals), 2) << "the selected curve has no model";
    EXPECT_EQ(startingCurve(diagram, -1, AnalysisTool::PhaseSpectrum), 3);
    EXPECT_EQ(startingCurve(diagram, 0, AnalysisTool::Smoothing), 1) << "an empty curve is skipped";
    EXPECT_EQ(startingCurve(document::Diagram{}, -1, AnalysisTool::Surface), -1);

    EXPECT_EQ(noSuitableCurve(AnalysisTool::PhaseSpectrum).heading, base::Heading::Remark);
    EXPECT_NE(noSuitableCurve(AnalysisTool::Residuals).text, noSuitableCurve(AnalysisTool::PhaseSpectrum).text);

    EXPECT_EQ(regressionSources(diagram, -1), (std::vector<int>{2})) << "fitted with a model, with points";
    EXPECT_TRUE(regressionSources(diagram, 2).empty()) << "not the definition's own curve";
}

TEST(DerivedCurves, TitlesAnnouncementsAndTheCurveMade) {
    EXPECT_EQ(derivedCurveTitle(AnalysisTool::Derivative, "Mesure"), "D\xE9riv\xE9" "e de Mesure");
    EXPECT_EQ(derivedCurveTitle(AnalysisTool::Residuals, "Mesure"), "R\xE9siduels de Mesure");
    EXPECT_EQ(derivedCurveTitle(AnalysisTool::PhaseSpectrum, "Mesure"), "Spectre de phase de Mesure");
    EXPECT_EQ(derivedCurveAnnouncement(AnalysisTool::Residuals), "Une courbe des résiduels va être créée.");
    EXPECT_EQ(derivedCurveAnnouncement(AnalysisTool::IntensitySpectrum),
              "Une courbe du spectre d'intensité va être créée.");
    EXPECT_EQ(derivedCurveAnnouncement(AnalysisTool::Derivative), "");

    document::Diagram diagram = fourCurves();
    const DerivedCurve made =
        makeDerivedCurve(diagram, AnalysisTool::Derivative, 1, "D", document::factoryDiagramDefaults());
    ASSERT_TRUE(made.message.empty()) << made.message.text;
    ASSERT_EQ(made.index, 4);
    // Slopes 1 and 3 at the middles of (0,0)-(1,1)-(2,4), by hand.
    EXPECT_EQ(diagram.curves[4].points.view()[0], (Point{0.5, 1}));
    EXPECT_EQ(diagram.curves[4].points.view()[1], (Point{1.5, 3}));
    EXPECT_EQ(diagram.curves[4].title, "D");

    const DerivedCurve refused =
        makeDerivedCurve(diagram, AnalysisTool::Residuals, 1, "R", document::factoryDiagramDefaults());
    EXPECT_EQ(refused.index, -1);
    EXPECT_EQ(refused.message.text, noSuitableCurve(AnalysisTool::Residuals).text);
    EXPECT_EQ(diagram.curveCount(), 5);

    document::Diagram full;
    for (int i = 0; i < document::MaxCurves; ++i) full.curves.push_back(toolCurve({{0, 0}, {1, 1}, {2, 4}}, KindJPP));
    const DerivedCurve noRoom =
        makeDerivedCurve(full, AnalysisTool::Derivative, 0, "D", document::factoryDiagramDefaults());
    EXPECT_EQ(noRoom.index, -1);
    EXPECT_EQ(noRoom.message.id, base::MsgDiagramFull);
    EXPECT_EQ(full.curveCount(), document::MaxCurves);
}

TEST(CalculusText, ResultFieldsCaptionsAndSolutions) {
    EXPECT_EQ(calculusValueText(CalculusValue::of(4.0 / 3.0)), "1.333333333");
    EXPECT_EQ(calculusValueText(CalculusValue::of(1e-40)), "1e-040");
    EXPECT_EQ(calculusValueText({CalculusState::Error, 0.0}), "Erreur");
    EXPECT_EQ(calculusValueText({CalculusState::NotAvailable, 1.0}), "");
    EXPECT_EQ(calculusValueText({CalculusState::NotApplicable, 1.0}), "");
    EXPECT_EQ(lengthCaption(true), "Distance totale point à point ");
    EXPECT_EQ(lengthCaption(false), "Longueur à partir de l'équation de la courbe ");
    EXPECT_EQ(extentText({-2, 24}), "Etendue de la courbe : -2 à 24");

    SolveResult none;
    EXPECT_EQ(solveStatusText(none, {0, 1}), "Aucune solution.");
    SolveResult closed;
    closed.x = {1.0};
    closed.method = SolveMethod::Closed;
    EXPECT_EQ(solveStatusText(closed, {0, 1}), "Solutions tirées de l'équation du modèle.");
    SolveResult scanned;
    scanned.x = {1.0};
    EXPECT_EQ(solveStatusText(scanned, {0, 10}), "Solutions cherchées par balayage de l'axe des x de 0 à 10.");
}

}  // namespace
}  // namespace ordinax::numerics
