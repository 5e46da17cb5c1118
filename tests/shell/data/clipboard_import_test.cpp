// "Depuis le presse-papiers...": a table copied from a spreadsheet becomes
// the diagram's curves in one undo step; the labels follow the orientation;
// an unusable clipboard and a table too large are refused.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "shell/data/clipboard_import_dialog.h"
#include "shell/dialog_test_support.h"

namespace ordinax::shell {
namespace {

using test::DialogFrameTest;
using test::whenModalOpens;

class ClipboardImportTest : public DialogFrameTest {
protected:
    void importWith(const QString& clipboard, std::function<void(ClipboardImportDialog&)> act) {
        QGuiApplication::clipboard()->setText(clipboard);
        whenModalOpens([act](QWidget* modal) {
            auto* dialog = qobject_cast<ClipboardImportDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            act(*dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        frame().runCommand(CommandId::FileImportClipboard);
    }
    static void ok(ClipboardImportDialog& d) {
        d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    }
};

TEST_F(ClipboardImportTest, TableWithNamesInItsFirstRow) {
    demoFrame();
    const document::Diagram before = diagram();
    importWith(QStringLiteral("temps\tpression\ttempérature\r\n1\t101,3\t20\r\n2\t3-\t21\r\n3\t100,9\t\r\n"),
               [&](ClipboardImportDialog& d) {
                   EXPECT_EQ(d.windowTitle(), QStringLiteral("  Importer un tableau via le presse-papiers"));
                   auto* abscissa = d.findChild<QComboBox*>(QStringLiteral("abscissa"));
                   EXPECT_EQ(abscissa->count(), 3);
                   d.findChild<QRadioButton*>(QStringLiteral("horizontalRadio"))->setChecked(true);
                   EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("abscissaLabel"))->text(),
                             QStringLiteral("N° de la ligne pour les abscisses"));
                   EXPECT_EQ(d.findChild<QCheckBox*>(QStringLiteral("titlesCheck"))->text(),
                             QStringLiteral("La première colonne sert de titre pour les courbes"));
                   EXPECT_EQ(abscissa->count(), 4);
                   d.findChild<QRadioButton*>(QStringLiteral("verticalRadio"))->setChecked(true);
                   d.findChild<QCheckBox*>(QStringLiteral("titlesCheck"))->setChecked(true);
                   d.findChild<QCheckBox*>(QStringLiteral("namesCheck"))->setChecked(true);
                   d.findChild<QLineEdit*>(QStringLiteral("yLabel"))->setText(QStringLiteral("Mesures"));
                   test::expectAllControlsNamed(&d);
                   ok(d);
               });
    const document::Diagram& d = diagram();
    ASSERT_EQ(d.curveCount(), 2);
    EXPECT_EQ(d.curves[0].title, "pression");
    EXPECT_EQ(d.curves[1].title, "temp\xE9rature");
    EXPECT_EQ(d.curves[0].axisName[0], "temps");
    const auto p = d.curves[0].points.view();
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(p[0], (document::Point{1, 101.3}));
    EXPECT_EQ(p[1], (document::Point{2, -3}));  // "3-" is -3
    EXPECT_EQ(d.curves[1].points[2], (document::Point{3, 0}));  // the empty cell
    ASSERT_EQ(prompts->shown.size(), 1u);
    EXPECT_EQ(prompts->shown[0].heading, base::Heading::Warning);
    EXPECT_EQ(d.labels[4].text, "Mesures");
    // One step back to the demo as it was.
    frame().runCommand(CommandId::EditUndo);
    EXPECT_TRUE(diagram() == before);
}

TEST_F(ClipboardImportTest, UnusableClipboardOpensNothing) {
    const struct {
        QString text;
        const char* message;
    } cases[] = {
        {QStringLiteral("pas de tabulation"), "Le contenu du presse-papiers est inutilisable !"},
        {QStringLiteral("1\t2\n3\n"), "Le contenu du presse-papiers est inutilisable !"},
        {QString(), "Le presse-papiers est vide"},
    };
    for (const auto& c : cases) {
        frame();
        prompts->shown.clear();
        QGuiApplication::clipboard()->setText(c.text);
        frame().runCommand(CommandId::FileImportClipboard);
        ASSERT_EQ(prompts->shown.size(), 1u) << c.message;
        EXPECT_EQ(prompts->shown[0].text, c.message);
        EXPECT_FALSE(frame().document().canUndo());
    }
}

TEST_F(ClipboardImportTest, TooLargeATableKeepsTheDialogOpen) {
    QString row;
    for (int i = 0; i < document::MaxCurves + 2; ++i) row += QString::number(i) + QLatin1Char('\t');
    row.chop(1);
    importWith(row + QStringLiteral("\n") + row + QStringLiteral("\n"), [&](ClipboardImportDialog& d) {
        ok(d);
        EXPECT_TRUE(d.isVisible());
        ASSERT_EQ(prompts->shown.size(), 1u);
        EXPECT_EQ(prompts->shown[0].text, "Le tableau de valeurs est trop grand !");
    });
    EXPECT_FALSE(frame().document().canUndo());
}

}  // namespace
}  // namespace ordinax::shell
