// The scale and grid dialogs driven as a user would: a field typed, OK, and
// the diagram and its history checked; Cancel; the checks and their messages.
#include <QPushButton>
#include <QTabWidget>

#include "base/strings.h"
#include "base/strings_drawing.h"
#include "format_test_support.h"
#include "render/plot_mapping.h"
#include "shell/format/scales/diagram_grid_dialog.h"
#include "shell/format/scales/scale_dialog.h"
#include "ui_diagram_grid_dialog.h"
#include "ui_scale_dialog.h"
#include "ui_scale_panel.h"

namespace ordinax::shell {
namespace {

using test::onDialog;

class ScaleDialogTest : public test::DialogFrameTest {
protected:
    const document::AxisScale& scale(int direction, int side) {
        return diagram().scales.axis[static_cast<std::size_t>(direction)][static_cast<std::size_t>(side)];
    }
    // Types a value into a field and leaves it, as Tab does.
    static bool type(ScaleField* field, const QString& text) {
        field->setText(text);
        return field->commit();
    }
};

TEST_F(ScaleDialogTest, OkStoresTheTypedScaleAsOneUndoStep) {
    CMainFrame& f = demoFrame();
    const document::Diagram before = diagram();
    bool previewed = false;
    onDialog<ScaleDialog>([&](ScaleDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Échelles"));
        test::expectAllControlsNamed(&dialog);
        EXPECT_EQ(dialog.currentTab(), 0);  // the main X scale of the demo is the lower one
        Ui::ScalePanel& x = dialog.panel(0);
        EXPECT_TRUE(type(x.origin, QStringLiteral("0")));
        EXPECT_TRUE(type(x.extremity, QStringLiteral("24")));
        EXPECT_TRUE(type(x.step, QStringLiteral("3")));
        x.subdivisions->setCurrentIndex(2);
        emit x.subdivisions->activated(2);
        // The view draws the working copy while the dialog is open.
        previewed = f.view().shownDiagram().scales.axis[0][0].step == 3.0 && diagram().scales.axis[0][0].step != 3.0;
        dialog.accept();
    });
    f.runCommand(CommandId::ScaleManual);
    EXPECT_TRUE(previewed);
    EXPECT_EQ(scale(0, 0).origin, 0.0);
    EXPECT_EQ(scale(0, 0).extremity, 24.0);
    EXPECT_EQ(scale(0, 0).step, 3.0);
    EXPECT_EQ(scale(0, 0).subdivisionIndex, 2);
    ASSERT_TRUE(f.document().canUndo());
    f.runCommand(CommandId::EditUndo);
    EXPECT_EQ(diagram(), before);
    EXPECT_FALSE(f.document().canUndo());
    EXPECT_EQ(&f.view().shownDiagram(), &f.document().diagram());
}

TEST_F(ScaleDialogTest, CancelLeavesTheDiagramAndTheHistoryAlone) {
    CMainFrame& f = demoFrame();
    const document::Diagram before = diagram();
    onDialog<ScaleDialog>([&](ScaleDialog& dialog) {
        dialog.showTab(1);
        Ui::ScalePanel& y = dialog.panel(1);
        EXPECT_TRUE(type(y.extremity, QStringLiteral("40")));
        y.kind->setCurrentIndex(1);
        emit y.kind->activated(1);
        dialog.reject();
    });
    f.runCommand(CommandId::ScaleManual);
    EXPECT_EQ(diagram(), before);
    EXPECT_FALSE(f.document().canUndo());
}

TEST_F(ScaleDialogTest, FieldAndOkChecksGiveTheirMessages) {
    CMainFrame& f = demoFrame();
    onDialog<ScaleDialog>([&](ScaleDialog& dialog) {
        Ui::ScalePanel& x = dialog.panel(0);
        // Not a number: the previous value comes back without a word.
        EXPECT_FALSE(type(x.step, QStringLiteral("abc")));
        EXPECT_EQ(x.step->text(), QStringLiteral("4"));
        EXPECT_TRUE(prompts->shown.empty());
        // Empty field, and beyond the value limit.
        EXPECT_FALSE(type(x.origin, QString()));
        EXPECT_FALSE(type(x.origin, QStringLiteral("2e35")));
        // A logarithmic scale takes one significant digit, and no bound at or below 0.
        x.kind->setCurrentIndex(1);
        emit x.kind->activated(1);
        EXPECT_FALSE(type(x.origin, QStringLiteral("0")));
        EXPECT_FALSE(type(x.extremity, QStringLiteral("15")));
        EXPECT_TRUE(type(x.extremity, QStringLiteral("1000")));
        ASSERT_EQ(prompts->shown.size(), 4u);
        EXPECT_EQ(prompts->shown[0].text, "Introduire une valeur dans ce champ !");
        EXPECT_EQ(prompts->shown[1].text, "Valeur maximale = 1e+035 !");
        EXPECT_EQ(prompts->shown[2].text, "Échelle incorrecte !");
        EXPECT_EQ(prompts->shown[3].text, "Échelle incorrecte !");
        // Back to LIN: bounds in reverse order are put right on OK, then the
        // step is checked against the span (0.02 x 24 = 0.48) and the dialog stays.
        x.kind->setCurrentIndex(0);
        emit x.kind->activated(0);
        EXPECT_TRUE(type(x.origin, QStringLiteral("24")));
        EXPECT_TRUE(type(x.extremity, QStringLiteral("0")));
        EXPECT_TRUE(type(x.step, QStringLiteral("0.1")));
        dialog.accept();
        EXPECT_TRUE(dialog.isVisible());
        ASSERT_EQ(prompts->shown.size(), 5u);
        EXPECT_EQ(prompts->shown[4].text, "Pas de l'échelle trop petit !\n\nIl doit être supérieur ou égal à 0.48 !");
        EXPECT_EQ(x.origin->text(), QStringLiteral("0"));
        EXPECT_EQ(x.extremity->text(), QStringLiteral("24"));
        EXPECT_TRUE(type(x.step, QStringLiteral("30")));
        dialog.accept();
        ASSERT_EQ(prompts->shown.size(), 6u);
        EXPECT_EQ(prompts->shown[5].text, "Pas de l'échelle trop grand !\n\nIl doit être inférieur ou égal à 24 !");
        EXPECT_TRUE(type(x.step, QStringLiteral("6")));
        dialog.accept();
        EXPECT_FALSE(dialog.isVisible());
    });
    f.runCommand(CommandId::ScaleManual);
    EXPECT_EQ(scale(0, 0).origin, 0.0);
    EXPECT_EQ(scale(0, 0).extremity, 24.0);
    EXPECT_EQ(scale(0, 0).step, 6.0);
}

TEST_F(ScaleDialogTest, ButtonsActOnTheShownScale) {
    CMainFrame& f = demoFrame();
    onDialog<ScaleDialog>([&](ScaleDialog& dialog) {
        dialog.showTab(1);  // Y left
        Ui::ScalePanel& y = dialog.panel(1);
        ASSERT_EQ(y.kind->count(), 3);  // HENRY is offered on Y only
        EXPECT_EQ(dialog.panel(0).kind->count(), 2);
        y.kind->setCurrentIndex(2);
        emit y.kind->activated(2);
        dialog.findChild<QPushButton*>(QStringLiteral("extended"))->click();
        EXPECT_EQ(y.origin->text(), QStringLiteral("0.001"));
        EXPECT_EQ(y.extremity->text(), QStringLiteral("0.999"));
        // "Dupliquer" on the upper X scale copies the lower one.
        dialog.showTab(2);
        dialog.findChild<QPushButton*>(QStringLiteral("duplicate"))->click();
        EXPECT_EQ(dialog.panel(2).extremity->text(), QStringLiteral("24"));
        dialog.accept();
    });
    f.runCommand(CommandId::ScaleManual);
    EXPECT_EQ(scale(1, 0).kind, render::ScaleHenry);
    EXPECT_EQ(diagram().henryExtentIndex, 13);
    EXPECT_EQ(scale(0, 1).extremity, 24.0);
}

TEST_F(ScaleDialogTest, ScaleHitByTheMouseOpensItsTab) {
    CMainFrame& f = demoFrame();
    test::drawNormal(f);
    const render::DevRect area = f.view().lastPass().layout.scaleAreas[1][0];
    ASSERT_FALSE(area.empty());
    f.view().selectAt(QPoint((area.left + area.right) / 2, (area.top + area.bottom) / 2));
    int tab = -1;
    onDialog<ScaleDialog>([&](ScaleDialog& dialog) { tab = dialog.currentTab(); });
    f.runCommand(CommandId::ScaleManual);
    EXPECT_EQ(tab, 1);
}

TEST_F(ScaleDialogTest, GridDialogSetsTheMainScalesAndTheTickLength) {
    CMainFrame& f = demoFrame();
    // Sub-divisions make the secondary grid available on Y.
    f.document().diagram().scales.axis[1][0].subdivisionIndex = 4;
    const document::Diagram before = diagram();
    onDialog<DiagramGridDialog>([&](DiagramGridDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Quadrillage du diagramme"));
        test::expectAllControlsNamed(&dialog);
        Ui::DiagramGridDialog& c = dialog.controls();
        EXPECT_FALSE(c.xSubGrid->isEnabled());
        c.xMainGrid->setChecked(true);
        c.yMainGrid->setChecked(true);
        EXPECT_FALSE(c.yInner->isEnabled());
        EXPECT_FALSE(c.xSubGrid->isEnabled());  // LIN without sub-divisions
        ASSERT_TRUE(c.ySubGrid->isEnabled());
        c.ySubGrid->setChecked(true);
        c.ySubStyle->setCurrentIndex(2);
        emit c.ySubStyle->activated(2);
        c.xDash->setText(QStringLiteral("8"));
        EXPECT_TRUE(c.xDash->commit());
        c.yDash->setText(QStringLiteral("80"));
        dialog.accept();  // 80 is refused: the dialog stays
        EXPECT_TRUE(dialog.isVisible());
        ASSERT_EQ(prompts->shown.size(), 1u);
        EXPECT_EQ(prompts->shown[0].text, "Valeur maximale = 50 !");
        c.yDash->setText(QStringLiteral("6"));
        dialog.accept();
    });
    f.runCommand(CommandId::ScaleGrid);
    EXPECT_EQ(scale(0, 0).mainGraduate, 3);
    EXPECT_EQ(scale(1, 0).mainGraduate, 3);
    EXPECT_EQ(scale(1, 0).subGraduate, 1);
    EXPECT_EQ(scale(1, 0).subGraduateLine, 2);
    EXPECT_EQ(diagram().dashLength[0], 8);
    EXPECT_EQ(diagram().dashLength[1], 6);
    f.runCommand(CommandId::EditUndo);
    EXPECT_EQ(diagram(), before);
}

}  // namespace
}  // namespace ordinax::shell
