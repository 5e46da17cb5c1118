// The fill, border and shadow dialogs and the insertion, deletion and
// placement of titles, axis labels, legends and tags, driven as a user would.
#include <QComboBox>
#include <QRadioButton>
#include <QSlider>

#include "document/label_choices.h"
#include "format_test_support.h"
#include "render/paint_rules.h"
#include "shell/format/paint/paint_dialog.h"
#include "shell/format/paint/paint_panels.h"
#include "shell/format/placement/element_dialog.h"
#include "shell/format/placement/label_insert_dialog.h"
#include "shell/format/placement/legend_insert_dialog.h"
#include "shell/format/placement/tag_place_dialog.h"
#include "shell/labels/label_editor_dialog.h"
#include "ui_border_panel.h"
#include "ui_element_dialog.h"
#include "ui_fill_panel.h"
#include "ui_label_editor_dialog.h"
#include "ui_label_insert_dialog.h"
#include "ui_legend_insert_dialog.h"
#include "ui_paint_dialog.h"
#include "ui_shadow_panel.h"
#include "ui_tag_place_dialog.h"

namespace ordinax::shell {
namespace {

using document::PaintStyle;
using test::onDialog;

class PaintDialogTest : public test::DialogFrameTest {};

TEST_F(PaintDialogTest, PlotGradientFillIsOneUndoStepAndIsPreviewed) {
    CMainFrame& f = demoFrame();
    const document::Diagram before = diagram();
    bool previewed = false;
    onDialog<PaintDialog>([&](PaintDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Fond"));
        test::expectAllControlsNamed(&dialog);
        ASSERT_NE(dialog.fillPanel(), nullptr);
        EXPECT_FALSE(dialog.controls().element->isEnabled());  // the plot alone
        Ui::FillPanel& c = dialog.fillPanel()->controls();
        EXPECT_TRUE(c.pictureGroup->isVisibleTo(&dialog));
        dialog.fillPanel()->setColourChooser([](std::int32_t) { return std::optional<std::int32_t>(0x00FF8000); });
        c.active->setChecked(true);
        EXPECT_FALSE(c.colour2->isEnabled());  // a plain fill has one colour
        c.gradient->setCurrentIndex(10);
        emit c.gradient->activated(10);
        c.colour2->click();
        c.cosine->setChecked(true);
        previewed = f.view().shownDiagram().diagramPaint[PaintStyle::Gradient] == 210;
        dialog.accept();
    });
    f.runCommand(CommandId::PlotFill);
    EXPECT_TRUE(previewed);
    const PaintStyle& plot = diagram().diagramPaint;
    EXPECT_EQ(plot[PaintStyle::Fill], 1);
    EXPECT_EQ(plot[PaintStyle::FillColour2], 0x00FF8000);
    EXPECT_EQ(plot[PaintStyle::Gradient], 210);  // radial about the centre, cosine profile
    EXPECT_EQ(diagram().backPaint, before.backPaint);
    f.runCommand(CommandId::EditUndo);
    EXPECT_EQ(diagram(), before);
    EXPECT_FALSE(f.document().canUndo());
}

TEST_F(PaintDialogTest, ShadowOfTheSelectedTagAndCancel) {
    CMainFrame& f = demoFrame();
    test::drawNormal(f);
    // The demo's tag is selected, as a click on it does.
    const render::DevRect box = f.view().lastPass().layout.blocks[document::FirstTagSlot];
    f.view().selectAt(QPoint((box.left + box.right) / 2, (box.top + box.bottom) / 2));
    ASSERT_EQ(f.view().selectedTag(), 0);
    const document::Diagram before = diagram();
    onDialog<PaintDialog>([&](PaintDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Ombre"));
        test::expectAllControlsNamed(&dialog);
        ASSERT_EQ(dialog.targets().size(), 1u);
        Ui::ShadowPanel& c = dialog.shadowPanel()->controls();
        c.active->setChecked(true);
        c.hardness->setValue(60);
        dialog.reject();
    });
    f.runCommand(CommandId::TagShadow);
    EXPECT_EQ(diagram(), before);
    EXPECT_FALSE(f.document().canUndo());

    onDialog<PaintDialog>([&](PaintDialog& dialog) {
        Ui::ShadowPanel& c = dialog.shadowPanel()->controls();
        c.active->setChecked(true);
        c.hardness->setValue(60);
        c.depthX->setText(QStringLiteral("4"));
        EXPECT_TRUE(c.depthX->commit());
        dialog.accept();
    });
    f.runCommand(CommandId::TagShadow);
    const PaintStyle& tag = diagram().labels[document::FirstTagSlot].paint;
    EXPECT_EQ(tag[PaintStyle::Shadow], 1);
    EXPECT_EQ(tag[PaintStyle::ShadowHardness], 60);
    EXPECT_EQ(tag[PaintStyle::ShadowDepthX], 4);
    EXPECT_EQ(tag[PaintStyle::ShadowDepthY], before.labels[document::FirstTagSlot].paint[PaintStyle::ShadowDepthY]);
}

TEST_F(PaintDialogTest, LabelBorderListsTheShownLabelsAndRefusesABadWidth) {
    CMainFrame& f = demoFrame();
    const std::vector<int> shown = document::shownLabelSlots(diagram());
    ASSERT_GE(shown.size(), 2u) << "the demo has a title and axis labels";
    onDialog<PaintDialog>([&](PaintDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Bordure"));
        EXPECT_EQ(dialog.controls().element->count(), static_cast<int>(shown.size()));
        EXPECT_TRUE(dialog.controls().element->isEnabled());
        dialog.controls().element->setCurrentIndex(1);
        Ui::BorderPanel& c = dialog.borderPanel()->controls();
        c.width->setText(QStringLiteral("0"));
        dialog.accept();  // refused: stays open
        EXPECT_TRUE(dialog.isVisible());
        c.width->setText(QStringLiteral("3"));
        dialog.accept();
    });
    f.runCommand(CommandId::LabelBorder);
    ASSERT_EQ(prompts->shown.size(), 1u);
    EXPECT_EQ(prompts->shown[0].text, "Valeur minimale = 1 !");
    const PaintStyle& second = diagram().labels[static_cast<std::size_t>(shown[1])].paint;
    EXPECT_EQ(second[PaintStyle::BorderWidthX], 3);
    EXPECT_EQ(second[PaintStyle::BorderWidthY], 3);
}

class PlacementTest : public test::DialogFrameTest {};

TEST_F(PlacementTest, InsertingAnUpperXLabelOnTheLeft) {
    CMainFrame& f = demoFrame();
    ASSERT_TRUE(diagram().labels[document::UpperXLabelSlot].text.empty());
    onDialog<LabelInsertDialog>([&](LabelInsertDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Insérer un libellé supplémentaire"));
        test::expectAllControlsNamed(&dialog);
        Ui::LabelInsertDialog& c = dialog.controls();
        const int at = c.slot->findData(document::UpperXLabelSlot);
        ASSERT_GE(at, 0);
        c.slot->setCurrentIndex(at);
        ASSERT_EQ(c.position->count(), 3);
        EXPECT_EQ(c.position->itemText(0), QStringLiteral("A gauche"));
        c.position->setCurrentIndex(0);
        // The editor opens on the new label: a unit typed after its text.
        onDialog<LabelEditorDialog>([](LabelEditorDialog& editor) {
            EXPECT_EQ(editor.markup(), "Axe des X");
            editor.controls().text->moveCursor(QTextCursor::End);
            editor.controls().text->insertPlainText(QStringLiteral(" (h)"));
            editor.accept();
        });
        dialog.accept();
    });
    f.runCommand(CommandId::LabelInsert);
    const document::LabelSlot& label = diagram().labels[document::UpperXLabelSlot];
    EXPECT_EQ(label.text, "Axe des X (h)");
    EXPECT_EQ(label.placement, 1);
    // Insertion and text are one step.
    f.runCommand(CommandId::EditUndo);
    EXPECT_TRUE(diagram().labels[document::UpperXLabelSlot].text.empty());
    EXPECT_FALSE(f.document().canUndo());
}

TEST_F(PlacementTest, InsertingLegendsForEveryCurve) {
    CMainFrame& f = demoFrame();
    // The demo's legends go first, so that both curves lack one.
    f.runCommand(CommandId::LegendDeleteAll);
    ASSERT_EQ(diagram().labels[document::LegendSlot].placement, -1);
    onDialog<LegendInsertDialog>([&](LegendInsertDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Insérer une légende"));
        test::expectAllControlsNamed(&dialog);
        Ui::LegendInsertDialog& c = dialog.controls();
        EXPECT_EQ(c.curve->currentData().toInt(), -1);  // "Toutes les courbes sans légende"
        c.number->setChecked(true);
        c.caseChange->setCurrentIndex(3);  // all lower case
        c.size->setCurrentIndex(c.size->findData(10));
        c.position->setCurrentIndex(8);  // "Extérieur, centré à droite"
        dialog.accept();
    });
    f.runCommand(CommandId::LegendInsert);
    // "Courbe n° 1" lower-cased, the size code of 10 points in front.
    EXPECT_EQ(diagram().curves[0].legend, "\xB6S[20]courbe n\xB0 1");
    EXPECT_EQ(diagram().curves[1].legend, "\xB6S[20]courbe n\xB0 2");
    EXPECT_EQ(diagram().labels[document::LegendSlot].placement, 8);
}

TEST_F(PlacementTest, TagInsertedAtAPlaceThenRepositionedThenDeleted) {
    CMainFrame& f = demoFrame();
    onDialog<TagPlaceDialog>([&](TagPlaceDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Insérer une étiquette supplémentaire"));
        test::expectAllControlsNamed(&dialog);
        Ui::TagPlaceDialog& c = dialog.controls();
        EXPECT_FALSE(c.tag->isVisibleTo(&dialog));
        c.alignment->setCurrentIndex(0);
        c.x->setText(QStringLiteral("-50"));
        c.y->setText(QStringLiteral("25,5"));
        // Cancelling the editor keeps the new tag with its default text.
        onDialog<LabelEditorDialog>([](LabelEditorDialog& editor) {
            editor.controls().text->insertPlainText(QStringLiteral("perdu"));
            editor.reject();
        });
        dialog.accept();
    });
    f.runCommand(CommandId::TagInsert);
    ASSERT_EQ(diagram().tagOrder[1], 1);  // on top of the demo's tag
    EXPECT_EQ(diagram().labels[document::FirstTagSlot + 1].text, "\xC9tiquette 2");
    EXPECT_EQ(diagram().labels[document::FirstTagSlot + 1].placement, 1);
    EXPECT_EQ(diagram().tagPosition[1], (std::array<double, 2>{-50000.0, 25500.0}));

    f.view().clearSelection();
    onDialog<TagPlaceDialog>([&](TagPlaceDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Repositionner une étiquette"));
        Ui::TagPlaceDialog& c = dialog.controls();
        c.tag->setCurrentIndex(c.tag->findData(1));
        EXPECT_EQ(c.x->text(), QStringLiteral("-50"));
        c.alignment->setCurrentIndex(1);
        c.y->setText(QStringLiteral("200"));
        dialog.accept();  // beyond the plot: refused
        EXPECT_TRUE(dialog.isVisible());
        c.y->setText(QStringLiteral("-10"));
        dialog.accept();
    });
    f.runCommand(CommandId::TagReposition);
    EXPECT_EQ(prompts->shown.back().text, "Valeur maximale = 100 !");
    EXPECT_EQ(diagram().labels[document::FirstTagSlot + 1].placement, 2);
    EXPECT_EQ(diagram().tagPosition[1], (std::array<double, 2>{-50000.0, -10000.0}));

    onDialog<ElementDialog>([&](ElementDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Supprimer une étiquette"));
        test::expectAllControlsNamed(&dialog);
        Ui::ElementDialog& c = dialog.controls();
        ASSERT_EQ(c.element->count(), 2);
        c.element->setCurrentIndex(0);
        dialog.accept();
    });
    f.runCommand(CommandId::TagDelete);
    EXPECT_EQ(diagram().tagOrder[0], -1);
    EXPECT_EQ(diagram().tagOrder[1], 0);  // moved down to the bottom rank
}

TEST_F(PlacementTest, LegendBlockRepositionedAndATitleDeleted) {
    CMainFrame& f = demoFrame();
    onDialog<ElementDialog>([&](ElementDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Repositionner les légendes"));
        test::expectAllControlsNamed(&dialog);
        Ui::ElementDialog& c = dialog.controls();
        ASSERT_EQ(c.position->count(), 10);
        c.position->setCurrentIndex(0);  // "Intérieur, en haut à gauche" is code 1
        dialog.accept();
    });
    f.runCommand(CommandId::LegendReposition);
    EXPECT_EQ(diagram().labels[document::LegendSlot].placement, 1);

    const std::vector<int> shown = document::shownLabelSlots(diagram());
    onDialog<ElementDialog>([&](ElementDialog& dialog) {
        Ui::ElementDialog& c = dialog.controls();
        EXPECT_FALSE(c.position->isVisibleTo(&dialog));
        c.element->setCurrentIndex(c.element->findData(shown.front()));
        dialog.accept();
    });
    f.runCommand(CommandId::LabelDelete);
    EXPECT_TRUE(diagram().labels[static_cast<std::size_t>(shown.front())].text.empty());
    EXPECT_EQ(diagram().labels[static_cast<std::size_t>(shown.front())].placement, -1);
    // Two commands, two steps.
    f.runCommand(CommandId::EditUndo);
    EXPECT_FALSE(diagram().labels[static_cast<std::size_t>(shown.front())].text.empty());
    f.runCommand(CommandId::EditUndo);
    EXPECT_FALSE(f.document().canUndo());
}

TEST_F(PlacementTest, EveryTagInUseRefusesAnotherOne) {
    CMainFrame& f = demoFrame();
    f.document().beginChange();
    while (document::insertTag(diagram(), 3) >= 0) {
    }
    f.document().commitChange();
    f.runCommand(CommandId::TagInsert);
    ASSERT_EQ(prompts->shown.size(), 1u);
    EXPECT_EQ(prompts->shown[0].heading, base::Heading::Remark);
    EXPECT_EQ(prompts->shown[0].text,
              "Le diagramme compte déjà 10 étiquettes !\n\nSupprimez-en une avant d'en insérer une autre.");
}

}  // namespace
}  // namespace ordinax::shell
