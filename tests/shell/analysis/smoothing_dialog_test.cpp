// The smoothing and fitting dialog "Lissage": a fit of the demo checked
// against an exact least-squares computation, the change bracket of
// "Calculer", "Appliquer", OK and "Annuler", a Fourier series, the report
// panel and its export, and the ways the dialog opens.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <cmath>
#include <filesystem>

#include "numerics/fit_kind.h"
#include "numerics/model_value.h"
#include "numerics/refine_curve.h"
#include "render/plot_mapping.h"
#include "reports/report_export.h"
#include "shell/analysis/report_export_dialog.h"
#include "shell/analysis/report_panel.h"
#include "shell/analysis/smoothing_dialog.h"
#include "shell/dialog_test_support.h"

namespace ordinax::shell {
namespace {

using test::DialogFrameTest;

class SmoothingTest : public DialogFrameTest {
protected:
    template <typename W>
    static W* child(QWidget& dialog, const char* name) {
        return dialog.findChild<W*>(QString::fromLatin1(name));
    }
    static void choose(SmoothingDialog& dialog, int kind, int harmonics = 10) {
        numerics::TreatmentChoice choice = dialog.choice();
        choice.kind = kind;
        choice.harmonics = harmonics;
        dialog.showChoice(choice);
    }
    static bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
};

TEST_F(SmoothingTest, LinFitOfTheDemoMatchesAnExactLeastSquaresAndAppliesAsOneStep) {
    CMainFrame& f = demoFrame();
    {
        SmoothingDialog dialog(f, 0);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Lissage"));
        test::expectAllControlsNamed(&dialog);
        // The demo's first curve is a cubic spline: "Proche en proche", second entry.
        EXPECT_TRUE(child<QRadioButton>(dialog, "neighbourRadio")->isChecked());
        EXPECT_EQ(child<QComboBox>(dialog, "neighbourCombo")->currentIndex(), 1);
        EXPECT_FALSE(child<QWidget>(dialog, "modelCombo")->isEnabled());

        choose(dialog, numerics::KindLIN);
        EXPECT_TRUE(child<QRadioButton>(dialog, "regressionRadio")->isChecked());
        EXPECT_TRUE(child<QWidget>(dialog, "bandCheck")->isEnabled()) << "LIN has a confidence band";
        EXPECT_FALSE(child<QWidget>(dialog, "rField")->isEnabled()) << "LIN has no fixed parameter";
        ASSERT_TRUE(dialog.compute());
        // Computed on the working copy, shown by the view, not yet in the document.
        EXPECT_EQ(diagram().curves[0].treatment, numerics::KindSPC);
        EXPECT_EQ(f.view().shownDiagram().curves[0].treatment, numerics::KindLIN);
        EXPECT_FALSE(f.document().canUndo());

        ASSERT_TRUE(dialog.apply());
        // Exact least squares over the 13 points (Python fractions):
        // a0 = 8843/455, a1 = 281/3640, adjusted determination 0.2593986519.
        const document::FitResult& fit = diagram().curves[0].fit;
        EXPECT_EQ(diagram().curves[0].treatment, numerics::KindLIN);
        EXPECT_NEAR(fit.coefficient[0], 8843.0 / 455.0, 1e-12);
        EXPECT_NEAR(fit.coefficient[1], 281.0 / 3640.0, 1e-14);
        const std::string& report = dialog.reportPanel().report();
        EXPECT_TRUE(contains(report, "a\xB6s0\xB6s = 19.4352\n")) << report;
        EXPECT_TRUE(contains(report, "a\xB6s1\xB6s = 0.0771978\n"));
        EXPECT_TRUE(contains(report, "0.25940"));
        EXPECT_TRUE(f.document().canUndo());
    }
    f.document().undo();
    EXPECT_EQ(diagram().curves[0].treatment, numerics::KindSPC);
    EXPECT_FALSE(f.document().canUndo()) << "one step only";
}

TEST_F(SmoothingTest, CancelDropsWhatWasComputedAndOkCommitsOnce) {
    CMainFrame& f = demoFrame();
    const document::Diagram before = diagram();
    {
        SmoothingDialog dialog(f, 1);
        choose(dialog, numerics::KindPOL3);
        ASSERT_TRUE(dialog.compute());
        child<QPushButton>(dialog, "cancelButton")->click();
    }
    EXPECT_TRUE(diagram() == before);
    EXPECT_FALSE(f.document().canUndo());
    EXPECT_EQ(&f.view().shownDiagram(), &f.document().diagram());

    {
        SmoothingDialog dialog(f, 1);
        choose(dialog, numerics::KindPOL3);
        child<QPushButton>(dialog, "okButton")->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_TRUE(dialog.changedDiagram());
    }
    EXPECT_EQ(diagram().curves[1].treatment, numerics::KindPOL3);
    f.document().undo();
    EXPECT_TRUE(diagram() == before);
}

TEST_F(SmoothingTest, ARefusedFitShowsItsMessageAndChangesNothing) {
    CMainFrame& f = demoFrame();
    SmoothingDialog dialog(f, 0);
    choose(dialog, numerics::KindPUI);  // the first point has x = 0
    EXPECT_FALSE(dialog.apply());
    ASSERT_EQ(prompts->shown.size(), 1u);
    EXPECT_EQ(prompts->shown[0].id, 117);
    EXPECT_EQ(diagram().curves[0].treatment, numerics::KindSPC);
    EXPECT_FALSE(f.document().canUndo());
}

TEST_F(SmoothingTest, TheRefinementBoxIsOfferedForNonlinearModelsAndRemembered) {
    CMainFrame& f = demoFrame();
    {
        SmoothingDialog dialog(f, 1);
        auto* refine = child<QAbstractButton>(dialog, "refineCheck");
        choose(dialog, numerics::KindLIN);
        EXPECT_FALSE(refine->isEnabled()) << "a linear model has nothing to refine";
        choose(dialog, numerics::KindEXP);
        ASSERT_TRUE(refine->isEnabled());
        refine->setChecked(true);
        ASSERT_TRUE(dialog.apply());
        EXPECT_TRUE(numerics::isRefined(diagram().curves[1]));
        // The report names the fit it shows.
        EXPECT_TRUE(contains(dialog.reportPanel().report(), "moindres carr\xE9s non lin\xE9" "aires sur y"))
            << dialog.reportPanel().report();
    }
    SmoothingDialog again(f, 1);
    EXPECT_TRUE(child<QAbstractButton>(again, "refineCheck")->isChecked());
}

TEST_F(SmoothingTest, AThreeHarmonicSeriesFindsItsCoefficients) {
    CMainFrame& f = demoFrame();
    // One period T = 2 (ω = π) of y = 1 + 2 cos ωx + 0.5 sin 2ωx - 0.25 cos 3ωx + 0.4 sin 3ωx,
    // 2001 points. The segments between points shrink harmonic k by
    // (sin u / u)², u = kωh/2 with h = 0.001: under 8e-6 relative.
    std::vector<document::Point> points;
    for (int i = 0; i <= 2000; ++i) {
        const double x = i * 0.001;
        const double w = M_PI * x;
        points.push_back({x, 1 + 2 * std::cos(w) + 0.5 * std::sin(2 * w) - 0.25 * std::cos(3 * w) + 0.4 * std::sin(3 * w)});
    }
    diagram().curves[1].points = document::PointBuffer(points);
    {
        SmoothingDialog dialog(f, 1);
        choose(dialog, numerics::KindFOU, 3);
        EXPECT_TRUE(child<QRadioButton>(dialog, "fourierRadio")->isChecked());
        EXPECT_TRUE(child<QWidget>(dialog, "harmonicsSpin")->isEnabled());
        ASSERT_TRUE(dialog.apply());
        EXPECT_TRUE(contains(dialog.reportPanel().report(), "Nombre d'harmoniques............ : 3\n"));
    }
    const document::FitResult& fit = diagram().curves[1].fit;
    EXPECT_EQ(fit.harmonicCount, 3);
    EXPECT_NEAR(fit.omega, M_PI, 1e-12);
    EXPECT_NEAR(fit.fourierA0, 1.0, 1e-9);
    const double cosines[] = {2.0, 0.0, -0.25};
    const double sines[] = {0.0, 0.5, 0.4};
    for (int k = 1; k <= 3; ++k) {
        EXPECT_NEAR(fit.coefficient[static_cast<std::size_t>(k)], cosines[k - 1], 2e-5) << k;
        EXPECT_NEAR(fit.linearCoefficient[static_cast<std::size_t>(k)], sines[k - 1], 2e-5) << k;
    }
}

TEST_F(SmoothingTest, TheReportPanelShowsTheRuledTableAndScrollsByKeyboard) {
    CMainFrame& f = demoFrame();
    SmoothingDialog dialog(f, 1);
    choose(dialog, numerics::KindPOL2);
    ASSERT_TRUE(dialog.compute());
    ReportPanel& panel = dialog.reportPanel();
    panel.resize(500, 200);
    const std::string& report = panel.report();
    EXPECT_TRUE(contains(report, "&&&&&&&&&&")) << "the table of the intervals";
    EXPECT_TRUE(contains(report, "&    a\xB6s2\xB6s   &")) << report;
    EXPECT_GT(panel.lineCount(), panel.visibleLines());
    EXPECT_EQ(panel.firstLine(), 0);
    QTest::keyClick(&panel, Qt::Key_PageDown);
    EXPECT_EQ(panel.firstLine(), 5);
    QTest::keyClick(&panel, Qt::Key_Up);
    EXPECT_EQ(panel.firstLine(), 4);
    QTest::keyClick(&panel, Qt::Key_End);
    EXPECT_EQ(panel.firstLine(), panel.lineCount() - panel.visibleLines());
    // A screen reader reads the text, its table drawn in characters.
    const QString spoken = panel.accessibleDescription();
    EXPECT_TRUE(spoken.contains(QStringLiteral("Coefficient de détermination")));
    EXPECT_TRUE(spoken.contains(QStringLiteral("+-----"))) << spoken.toStdString();
    // A new computation starts again from the top.
    choose(dialog, numerics::KindPOL3);
    ASSERT_TRUE(dialog.compute());
    EXPECT_EQ(panel.firstLine(), 0);
}

TEST_F(SmoothingTest, TheReportIsExportedInEachFormat) {
    CMainFrame& f = demoFrame();
    SmoothingDialog dialog(f, 1);
    choose(dialog, numerics::KindPOL2);
    ASSERT_TRUE(dialog.compute());
    const QString folder = QString::fromStdString(scratch.path().string());
    struct Case {
        int mode;
        const char* name;
        QByteArray start;
    };
    const Case cases[] = {{reports::ExportRtf, "demo_02.RTF", "{\\rtf"},
                          {reports::ExportCsv, "demo_02.CSV", "NOTE DE CALCUL"},
                          {reports::ExportPdf, "demo_02.PDF", "%PDF"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::whenModalOpens([&](QWidget* modal) {
            auto* exportDialog = qobject_cast<ReportExportDialog*>(modal);
            ASSERT_NE(exportDialog, nullptr);
            EXPECT_EQ(exportDialog->windowTitle(), QStringLiteral("Exportation de la note de calcul"));
            test::expectAllControlsNamed(exportDialog);
            exportDialog->setMode(c.mode);
            EXPECT_EQ(exportDialog->fileName(), QString::fromLatin1(c.name)) << "the name follows the format";
            exportDialog->setFolder(folder);
            exportDialog->accept();
        });
        dialog.exportReport();
        QFile written(folder + QStringLiteral("/") + QString::fromLatin1(c.name));
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_TRUE(written.readAll().startsWith(c.start));
    }
    EXPECT_TRUE(prompts->shown.empty());

    // An export that cannot be written says so.
    test::whenModalOpens([&](QWidget* modal) {
        auto* exportDialog = qobject_cast<ReportExportDialog*>(modal);
        exportDialog->setFolder(folder + QStringLiteral("/absent"));
        exportDialog->accept();
    });
    dialog.exportReport();
    ASSERT_EQ(prompts->shown.size(), 1u);
    EXPECT_EQ(prompts->shown[0].heading, base::Heading::Error);
}

TEST_F(SmoothingTest, CtrlLAndADoubleClickOnAFittedCurveOpenTheDialog) {
    CMainFrame& f = demoFrame();
    QAction* smoothing = f.action(CommandId::CurveSmoothing);
    ASSERT_TRUE(smoothing->isEnabled());
    EXPECT_EQ(smoothing->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
    f.document().setSelectedCurve(1);
    int opened = -1;
    test::whenModalOpens([&](QWidget* modal) {
        auto* dialog = qobject_cast<SmoothingDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        opened = dialog->curve();
        dialog->reject();
    });
    smoothing->trigger();
    EXPECT_EQ(opened, 1);

    // Fit curve 1 with LIN, then double-click on its line where x = 12.
    diagram().curves[1].treatment = numerics::KindLIN;
    diagram().curves[1].fit.coefficient[0] = 0.0;
    diagram().curves[1].fit.coefficient[1] = 1.0;
    f.document().setSelectedCurve(-1);
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    f.view().refresh();
    ASSERT_TRUE(f.view().redraw());
    const render::PlotMapping& m = f.view().lastPass().layout.mapping;
    const auto x = render::toDevice(m, 12.0, 0, 0);
    const auto y = render::toDevice(m, 12.0, 1, 0);
    ASSERT_TRUE(x && y);
    opened = -1;
    test::whenModalOpens([&](QWidget* modal) {
        auto* dialog = qobject_cast<SmoothingDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        opened = dialog->curve();
        EXPECT_TRUE(dialog->findChild<QRadioButton*>(QStringLiteral("regressionRadio"))->isChecked());
        dialog->reject();
    });
    QTest::mouseDClick(f.view().viewport(), Qt::LeftButton, {}, QPoint(static_cast<int>(*x), static_cast<int>(*y)));
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(f.document().selectedCurve(), 1);
}

}  // namespace
}  // namespace ordinax::shell
