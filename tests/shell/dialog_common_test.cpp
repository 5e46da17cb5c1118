// What every dialog shares: numeric fields, accessible names, the change
// bracket of a working copy, the remembered placement.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "settings/window_position.h"
#include "shell/common/accessibility.h"
#include "shell/common/colour_choice.h"
#include "shell/common/diagram_edit.h"
#include "shell/common/number_field.h"
#include "shell/common/ordinax_dialog.h"
#include "dialog_test_support.h"

namespace ordinax::shell {
namespace {

using test::DialogFrameTest;

// A dialog of two labelled fields, as a .ui layout would make it.
class SampleDialog : public OrdinaxDialog {
public:
    explicit SampleDialog(UserPrompts& prompts) : OrdinaxDialog(prompts) {
        setWindowTitle(QStringLiteral("  Essai"));
        auto* form = new QFormLayout(this);
        field = new NumberField(this);
        field->setObjectName(QStringLiteral("minimum"));
        field->setRealRange(0.5, 100.0);
        auto* label = new QLabel(QStringLiteral("&Valeur mini :"), this);
        label->setBuddy(field);
        form->addRow(label, field);
        other = new QLineEdit(this);
        other->setObjectName(QStringLiteral("title"));
        form->addRow(QStringLiteral("Sans lien"), other);
        finishSetup();
    }
    NumberField* field;
    QLineEdit* other;
};

TEST(DialogCommon, LabelTextsBecomeNames) {
    EXPECT_EQ(accessibleText(QStringLiteral("&Titre :")), QStringLiteral("Titre"));
    EXPECT_EQ(accessibleText(QStringLiteral("  X mini:")), QStringLiteral("X mini"));
    EXPECT_EQ(accessibleText(QStringLiteral("R&&D")), QStringLiteral("R&D"));
}

TEST(DialogCommon, BuddiesAreNamedAndUnnamedControlsAreListed) {
    test::ScriptedPrompts prompts;
    SampleDialog dialog(prompts);
    EXPECT_EQ(dialog.field->accessibleName(), QStringLiteral("Valeur mini"));
    // QFormLayout labels made from a plain string are buddies too; the second field is named.
    EXPECT_TRUE(unnamedControls(&dialog).isEmpty()) << unnamedControls(&dialog).join(',').toStdString();
    auto* lonely = new QLineEdit(&dialog);
    lonely->setObjectName(QStringLiteral("lonely"));
    EXPECT_EQ(unnamedControls(&dialog), QStringList{QStringLiteral("lonely (QLineEdit)")});
}

TEST(DialogCommon, NumberFieldKeepsItsValueOnBadTextAndShowsTheBoundMessage) {
    test::ScriptedPrompts prompts;
    SampleDialog dialog(prompts);
    dialog.field->setValue(3.0);
    dialog.field->setText(QStringLiteral("7,25"));
    EXPECT_TRUE(dialog.field->commit());
    EXPECT_EQ(dialog.field->value(), 7.25);
    EXPECT_EQ(dialog.field->text(), QStringLiteral("7,25"));

    dialog.field->setText(QStringLiteral("n'importe quoi"));
    EXPECT_FALSE(dialog.field->commit());
    EXPECT_EQ(dialog.field->value(), 7.25);
    EXPECT_EQ(dialog.field->text(), QStringLiteral("7.25"));
    EXPECT_TRUE(prompts.shown.empty());

    dialog.field->setText(QStringLiteral("0.1"));
    EXPECT_FALSE(dialog.field->commit());
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "Valeur minimale = 0.5 !");
    EXPECT_EQ(dialog.field->value(), 7.25);
}

TEST(DialogCommon, ColoursConvertBothWays) {
    EXPECT_EQ(qtColour(0x00332211), QColor(0x11, 0x22, 0x33));
    EXPECT_EQ(bgrColour(QColor(0x11, 0x22, 0x33)), 0x00332211);
    ColourButton button;
    button.setChooser([](std::int32_t) { return std::optional<std::int32_t>(255); });
    int changes = 0;
    QObject::connect(&button, &ColourButton::colourChanged, [&](std::int32_t) { ++changes; });
    button.click();
    EXPECT_EQ(button.colour(), 255);
    EXPECT_EQ(changes, 1);
}

class DiagramEditTest : public DialogFrameTest {};

TEST_F(DiagramEditTest, OkIsOneUndoStepAndCancelLeavesNothing) {
    CMainFrame& f = demoFrame();
    COrdinaxDoc& doc = f.document();
    const document::Diagram before = doc.diagram();
    {
        DiagramEdit edit(doc, &f.view());
        edit.working().curves[0].title = "Modifiée";
        edit.preview();
        EXPECT_EQ(f.view().shownDiagram().curves[0].title, "Modifiée");
        EXPECT_EQ(doc.diagram().curves[0].title, before.curves[0].title);
        // Dropped without commit: the Cancel path.
    }
    EXPECT_TRUE(doc.diagram() == before);
    EXPECT_FALSE(doc.canUndo());
    EXPECT_EQ(&f.view().shownDiagram(), &doc.diagram());

    {
        DiagramEdit edit(doc, &f.view());
        edit.working().curves[1].hidden = 1;
        EXPECT_TRUE(edit.commit(1));
    }
    EXPECT_EQ(doc.diagram().curves[1].hidden, 1);
    EXPECT_EQ(doc.selectedCurve(), 1);
    ASSERT_TRUE(doc.canUndo());
    doc.undo();
    EXPECT_TRUE(doc.diagram() == before);
    EXPECT_FALSE(doc.canUndo());
}

TEST_F(DiagramEditTest, ADialogReopensWhereTheUserLeftIt) {
    test::ScriptedPrompts prompts;
    {
        SampleDialog dialog(prompts);
        dialog.rememberPlacement(store, "SymbolDlg");
        dialog.show();
        dialog.move(40, 30);
        dialog.accept();
    }
    const auto stored = settings::readWindowPlacement(test::asStore(store), "SymbolDlg");
    ASSERT_TRUE(stored.has_value());
    SampleDialog again(prompts);
    again.rememberPlacement(store, "SymbolDlg");
    again.show();
    EXPECT_EQ(again.frameGeometry().topLeft(), QPoint(stored->normal.left, stored->normal.top));
}

TEST_F(DiagramEditTest, DialogCommandsRunThroughTheFrame) {
    CMainFrame& f = demoFrame();
    int runs = 0;
    f.setCommandHandler(CommandId::CurveInfo, [&] { ++runs; });
    f.runCommand(CommandId::CurveInfo);
    EXPECT_EQ(runs, 1);
}

}  // namespace
}  // namespace ordinax::shell
