// The page-setup sheet and the default margins: a field changed, OK, the
// diagram and its history checked; the checks of the margins; the preview
// of the page codes; the printer set-up's own caption.
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QRadioButton>

#include "shell/format/font_button.h"
#include "shell/format/format_test_support.h"
#include "shell/options/margins_dialog.h"
#include "shell/options/page_setup_dialog.h"
#include "shell/options/pages/band_preview.h"
#include "shell/options/pages/page_panels.h"
#include "ui_bands_panel.h"
#include "ui_diagram_page_panel.h"
#include "ui_margins_dialog.h"

namespace ordinax::shell {
namespace {

using test::onDialog;

class PageSetupTest : public test::DialogFrameTest {};

TEST_F(PageSetupTest, HeaderWithFileNameAndPageNumberIsOneUndoStep) {
    CMainFrame& f = demoFrame();
    const document::Diagram before = diagram();
    render::BandParts previewed;
    onDialog<PageSetupDialog>([&](PageSetupDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Mise en page"));
        test::expectAllControlsNamed(&dialog);
        dialog.showPage(2);
        Ui::BandsPanel& c = dialog.bands().controls();
        c.headerPrint->setChecked(true);
        c.headerText->setText(QStringLiteral("&N&rPage &P/&Q"));
        emit c.headerText->textEdited(c.headerText->text());
        previewed = c.headerPreview->parts();
        dialog.accept();
    });
    f.runCommand(CommandId::FilePageSetup);
    // The codes expanded for the preview: the file name, page 1 of 1.
    EXPECT_EQ(previewed.left, "demo.orx");
    EXPECT_EQ(previewed.right, "Page 1/1");
    EXPECT_EQ(diagram().band[0].print, 1);
    EXPECT_EQ(diagram().band[0].text, "&N&rPage &P/&Q");
    f.runCommand(CommandId::EditUndo);
    EXPECT_EQ(diagram(), before);
}

TEST_F(PageSetupTest, MarginsThatLeaveNoRoomAreRefused) {
    CMainFrame& f = demoFrame();
    const document::Diagram before = diagram();
    onDialog<PageSetupDialog>([&](PageSetupDialog& dialog) {
        Ui::DiagramPagePanel& c = dialog.diagramPage().controls();
        c.left->setText(QStringLiteral("10"));
        c.right->setText(QStringLiteral("9.5"));  // 21 - 19.5 leaves less than 2 cm
        dialog.showPage(3);
        dialog.accept();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.currentPage(), 0);
        c.right->setText(QStringLiteral("12"));  // beyond the field's own bound
        dialog.accept();
        EXPECT_TRUE(dialog.isVisible());
        c.right->setText(QStringLiteral("1"));
        c.width->setText(QStringLiteral("15"));
        c.height->setText(QStringLiteral("15"));
        c.landscape->setChecked(true);
        dialog.accept();
    });
    f.runCommand(CommandId::FilePageSetup);
    ASSERT_EQ(prompts->shown.size(), 2u);
    EXPECT_EQ(prompts->shown[0].heading, base::Heading::Error);
    EXPECT_EQ(prompts->shown[0].text, "Les marges de gauche et de droite ne laissent plus de place sur la feuille !");
    EXPECT_EQ(prompts->shown[1].text, "Valeur maximale = 10 !");
    EXPECT_EQ(diagram().margins[0][0], 10.0);
    EXPECT_EQ(diagram().margins[0][1], 1.0);
    EXPECT_EQ(diagram().size[0], 15.0);
    EXPECT_EQ(diagram().orientation[0], 1);
    EXPECT_EQ(diagram().margins[1], before.margins[1]);
}

TEST_F(PageSetupTest, CancelChangesNothing) {
    CMainFrame& f = demoFrame();
    const document::Diagram before = diagram();
    onDialog<PageSetupDialog>([&](PageSetupDialog& dialog) {
        dialog.diagramPage().controls().landscape->setChecked(true);
        dialog.reject();
    });
    f.runCommand(CommandId::FilePageSetup);
    EXPECT_EQ(diagram(), before);
    EXPECT_FALSE(f.document().canUndo());
}

TEST_F(PageSetupTest, DefaultMarginsForTheDiagramAndForNewDiagrams) {
    CMainFrame& f = demoFrame();
    onDialog<MarginsDialog>([&](MarginsDialog& dialog) {
        test::expectAllControlsNamed(&dialog);
        Ui::MarginsDialog& c = dialog.controls();
        c.dashX->setText(QStringLiteral("9"));
        c.spaceY->setText(QStringLiteral("6"));
        c.keepDefaults->setChecked(true);
        dialog.accept();
    });
    f.runCommand(CommandId::ViewDefaultMargins);
    EXPECT_EQ(diagram().dashLength[0], 9);
    EXPECT_EQ(diagram().drawSpace[1], 6);
    EXPECT_EQ(f.preferences().diagram.dashLength[0], 9);
    EXPECT_EQ(test::asStore(store).readInt("Preference", "DrawDashCx", 0), 9);
    EXPECT_EQ(test::asStore(store).readInt("Preference", "DrawSpaceCy", 0), 6);
    // "Valeurs par défaut" brings the defaults back.
    onDialog<MarginsDialog>([&](MarginsDialog& dialog) {
        f.preferences().diagram.dashLength[0] = 5;
        dialog.controls().restore->click();
        EXPECT_EQ(dialog.controls().dashX->text(), QStringLiteral("5"));
        dialog.accept();
    });
    f.runCommand(CommandId::ViewDefaultMargins);
    EXPECT_EQ(diagram().dashLength[0], 5);
}

TEST_F(PageSetupTest, PrinterSetUpHasItsOwnCaption) {
    CMainFrame& f = demoFrame();
    QString caption;
    test::whenModalOpens([&](QWidget* modal) {
        caption = modal->windowTitle();
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
    });
    f.runCommand(CommandId::FilePrintSetup);
    EXPECT_EQ(caption, QStringLiteral("Configuration de l'impression"));
}

}  // namespace
}  // namespace ordinax::shell
