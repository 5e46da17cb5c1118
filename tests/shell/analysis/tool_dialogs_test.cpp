// The analysis tools: the surface dialog on the worked examples, y = f(x)
// and x = f(y) of a fitted parabola, and the curves made from another one
// (derivative, residuals, spectra) as one undo step each.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "numerics/fit_kind.h"
#include "shell/analysis_tools/calculus_dialogs.h"
#include "shell/analysis_tools/derived_curve_dialog.h"
#include "shell/common/number_field.h"
#include "shell/dialog_test_support.h"

namespace ordinax::shell {
namespace {

using document::Point;
using test::DialogFrameTest;

class ToolsTest : public DialogFrameTest {
protected:
    // The demo with a third curve holding `points`, fitted with `kind` (coefficients given).
    CMainFrame& withCurve(std::vector<Point> points, int kind = numerics::KindJPP, std::vector<double> a = {}) {
        CMainFrame& f = demoFrame();
        document::Curve curve;
        curve.title = "Essai";
        curve.points = document::PointBuffer(points);
        curve.treatment = kind;
        for (std::size_t i = 0; i < a.size(); ++i) curve.fit.coefficient[i] = a[i];
        diagram().curves.push_back(curve);
        f.updateCommands();
        return f;
    }
};

TEST_F(ToolsTest, SurfaceDialogOnTheWorkedExamples) {
    CMainFrame& f = withCurve({{0, 0}, {1, 1}, {2, 0}});
    SurfaceDialog dialog(f, 2);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Surface (intégrale) et longueur de la courbe"));
    test::expectAllControlsNamed(&dialog);
    // The bounds start at the curve's extent.
    EXPECT_EQ(dialog.lower(), 0.0);
    EXPECT_EQ(dialog.upper(), 2.0);
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("extentLabel"))->text(),
              QStringLiteral("Etendue de la courbe : 0 à 2"));
    dialog.compute();
    // Worked by hand: trapezoids 1, the parabola through the three points 4/3.
    EXPECT_EQ(dialog.resultText(QStringLiteral("trapezoid")), QStringLiteral("1"));
    EXPECT_EQ(dialog.resultText(QStringLiteral("simpson")), QStringLiteral("1.333333333"));
    EXPECT_EQ(dialog.resultText(QStringLiteral("forward")), QStringLiteral("1"));
    EXPECT_EQ(dialog.resultText(QStringLiteral("backward")), QStringLiteral("1"));
    EXPECT_EQ(dialog.resultText(QStringLiteral("model")), QString()) << "no model: not applicable";
    // Along the points: two segments of length √2.
    EXPECT_EQ(dialog.resultText(QStringLiteral("length")), QStringLiteral("2.828427125"));
    EXPECT_EQ(dialog.lengthCaption(), QStringLiteral("Distance totale point à point "));

    // Fewer than two points between the bounds: the point sums are not available.
    dialog.setBounds(0.5, 1.5);
    dialog.compute();
    for (const char* name : {"forward", "backward", "trapezoid", "simpson"})
        EXPECT_EQ(dialog.resultText(QString::fromLatin1(name)), QString()) << name;

    // Equal bounds: message 107 and the bounds back to the extent.
    dialog.setBounds(1.0, 1.0);
    dialog.compute();
    ASSERT_EQ(prompts->shown.size(), 1u);
    EXPECT_EQ(prompts->shown[0].id, 107);
    EXPECT_EQ(dialog.lower(), 0.0);
    EXPECT_EQ(dialog.upper(), 2.0);
    EXPECT_FALSE(f.document().canUndo()) << "reading a curve changes nothing";
}

TEST_F(ToolsTest, ValueAndSolutionsOfAFittedParabola) {
    // y = 1 - 3x + 2x²: y(2) = 3; y = 0 at x = 0.5 and x = 1 (by hand).
    CMainFrame& f = withCurve({{0, 1}, {1, 0}, {2, 3}}, numerics::KindPOL2, {1, -3, 2});
    {
        ValueDialog dialog(f, 2);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("y = f(x)"));
        test::expectAllControlsNamed(&dialog);
        dialog.setX(2.0);
        dialog.compute();
        EXPECT_EQ(dialog.yText(), QStringLiteral("3"));
    }
    {
        SolveDialog dialog(f, 2);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("x = f(y)"));
        test::expectAllControlsNamed(&dialog);
        dialog.setY(0.0);
        dialog.compute();
        QStringList solutions = dialog.solutionTexts();
        QStringList found = solutions.mid(0, 2);
        found.sort();
        EXPECT_EQ(found, (QStringList{QStringLiteral("0.5"), QStringLiteral("1")}));
        EXPECT_EQ(solutions.mid(2), (QStringList{{}, {}, {}, {}}));
        EXPECT_EQ(dialog.statusText(), QStringLiteral("Solutions tirées de l'équation du modèle."));
        dialog.setY(-5.0);  // below the vertex: no solution
        dialog.compute();
        EXPECT_EQ(dialog.solutionTexts(), (QStringList{{}, {}, {}, {}, {}, {}}));
        EXPECT_EQ(dialog.statusText(), QStringLiteral("Aucune solution."));
    }
}

TEST_F(ToolsTest, DerivativeAndResidualsAreOneUndoStepEach) {
    // LIN through (0,1), (1,3), (2,6), by hand: a1 = 2.5, a0 = 5/6; residuals 1/6, -1/3, 1/6.
    CMainFrame& f = withCurve({{0, 1}, {1, 3}, {2, 6}}, numerics::KindLIN, {5.0 / 6.0, 2.5});
    const int before = diagram().curveCount();
    f.document().setSelectedCurve(2);

    test::whenModalOpens([](QWidget* modal) {
        auto* dialog = qobject_cast<DerivedCurveDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Dérivée de la courbe sélectionnée"));
        test::expectAllControlsNamed(dialog);
        EXPECT_EQ(dialog->title(), QStringLiteral("Dérivée de Essai"));
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    f.runCommand(CommandId::ToolDerivative);
    ASSERT_EQ(diagram().curveCount(), before + 1);
    const document::Curve& derivative = diagram().curves.back();
    EXPECT_EQ(derivative.title, "D\xE9riv\xE9" "e de Essai");
    EXPECT_EQ(derivative.points.view()[0], (Point{0.5, 2}));
    EXPECT_EQ(derivative.points.view()[1], (Point{1.5, 3}));
    EXPECT_EQ(f.document().selectedCurve(), before);

    f.document().setSelectedCurve(2);
    test::whenModalOpens([](QWidget* modal) {
        auto* dialog = qobject_cast<DerivedCurveDialog*>(modal);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Courbe des résiduels"));
        EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("announcementLabel"))->text(),
                  QStringLiteral("Une courbe des résiduels va être créée."));
        dialog->setTitle(QStringLiteral("Écarts"));
        dialog->make();
    });
    f.runCommand(CommandId::ToolResiduals);
    ASSERT_EQ(diagram().curveCount(), before + 2);
    const document::Curve& residuals = diagram().curves.back();
    EXPECT_EQ(residuals.title, "\xC9" "carts");
    EXPECT_NEAR(residuals.points.view()[0].y, 1.0 / 6.0, 1e-12);
    EXPECT_NEAR(residuals.points.view()[1].y, -1.0 / 3.0, 1e-12);
    EXPECT_NEAR(residuals.points.view()[2].y, 1.0 / 6.0, 1e-12);
    EXPECT_EQ(residuals.treatment, numerics::KindJPP);

    f.document().undo();
    EXPECT_EQ(diagram().curveCount(), before + 1);
    f.document().undo();
    EXPECT_EQ(diagram().curveCount(), before);
}

TEST_F(ToolsTest, ToolsWithoutASuitableCurveSaySoAndCancelMakesNothing) {
    CMainFrame& f = demoFrame();  // two curves, neither fitted
    f.runCommand(CommandId::ToolPhaseSpectrum);
    f.runCommand(CommandId::ToolYOfX);
    ASSERT_EQ(prompts->shown.size(), 2u);
    EXPECT_EQ(prompts->shown[0].heading, base::Heading::Remark);
    EXPECT_NE(prompts->shown[0].text.find("Fourier"), std::string::npos);
    EXPECT_NE(prompts->shown[1].text.find("régression"), std::string::npos);

    const document::Diagram before = diagram();
    test::whenModalOpens([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    f.runCommand(CommandId::ToolDerivative);
    EXPECT_TRUE(diagram() == before);
    EXPECT_FALSE(f.document().canUndo());
}

TEST_F(ToolsTest, IntensitySpectrumOfAFourierSeries) {
    CMainFrame& f = withCurve({{0, 0}, {1, 1}, {2, 0}, {3, 1}}, numerics::KindFOU);
    // a1 = 0, b1 = 0.5 stored: amplitude 0.5 at harmonic 1.
    document::FitResult& fit = diagram().curves.back().fit;
    fit.harmonicCount = 1;
    fit.omega = 2.0944;
    fit.coefficient[1] = 0.0;
    fit.linearCoefficient[1] = 0.5;
    test::whenModalOpens([](QWidget* modal) {
        auto* dialog = qobject_cast<DerivedCurveDialog*>(modal);
        EXPECT_EQ(dialog->title(), QStringLiteral("Spectre d'intensité de Essai"));
        dialog->make();
    });
    f.runCommand(CommandId::ToolIntensitySpectrum);
    const document::Curve& spectrum = diagram().curves.back();
    ASSERT_EQ(spectrum.pointCount(), 1);
    EXPECT_EQ(spectrum.points.view()[0], (Point{1, 0.5}));
    EXPECT_TRUE(f.document().canUndo());
}

}  // namespace
}  // namespace ordinax::shell
