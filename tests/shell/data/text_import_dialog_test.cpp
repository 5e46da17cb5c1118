// The text-import dialog driven as a user drives it: a small CSV with a
// header line, the "?" buttons, a procedure saved and read back, the
// extraction on its worker thread, "&TRACER" as one undo step; Cancel, the
// stop button and the refusals.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "exchange/text_import.h"
#include "shell/common/number_field.h"
#include "shell/data/data_commands.h"
#include "shell/data/text_import_dialog.h"
#include "shell/dialog_test_support.h"
#include "shell/data/data_test_support.h"

namespace ordinax::shell {
namespace {

using test::DialogFrameTest;
using test::waitUntil;
using test::whenModalOpens;

class TextImportTest : public DialogFrameTest {
protected:
    std::string file(const std::string& name) const { return (scratch.path() / name).string(); }

    // Runs the import command; `act` works the dialog while it is open.
    void importWith(std::function<void(TextImportDialog&)> act) {
        whenModalOpens([act](QWidget* modal) {
            auto* dialog = qobject_cast<TextImportDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            act(*dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        frame().runCommand(CommandId::FileImportText);
    }

    static void click(QWidget& dialog, const char* name) {
        auto* button = dialog.findChild<QAbstractButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        ASSERT_TRUE(button->isEnabled()) << name;
        button->click();
    }
    static void type(QWidget& dialog, const char* field, const QString& text) {
        auto* edit = dialog.findChild<NumberField*>(QString::fromLatin1(field));
        ASSERT_NE(edit, nullptr) << field;
        edit->setText(text);
        edit->commit();
    }
    static void extractAndWait(TextImportDialog& dialog) {
        click(dialog, "extractButton");
        ASSERT_TRUE(waitUntil([&] { return !dialog.task().running(); }));
    }

    test::ScriptedFiles files;
};

TEST_F(TextImportTest, SemicolonCsvWithHeaderThroughDetectionAndAProcedure) {
    const std::string csv = file("mesures.csv");
    test::writeText(csv, "t;P;T\r\n0,5;101,3;20\r\n1,0;101,1;21,5\r\n1,5;100,9;23\r\n");
    const std::string pca = file("mesures.pca");
    importWith([&](TextImportDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("  Importer un diagramme depuis un fichier texte"));
        EXPECT_TRUE(d.findChild<NumberField*>(QStringLiteral("yOrder"))->isHidden());
        files.answers = {QString::fromStdString(csv)};
        click(d, "browseButton");
        EXPECT_EQ(d.dataFile().toStdString(), csv);
        auto* preview = d.findChild<QListView*>(QStringLiteral("previewList"));
        ASSERT_EQ(preview->model()->rowCount(), 4);
        EXPECT_EQ(preview->model()->index(1, 0).data().toString(), QStringLiteral("0,5;101,3;20"));

        type(d, "headerLines", QStringLiteral("1"));
        click(d, "detectCountButton");
        EXPECT_EQ(d.procedure().coordinateCount, 3);
        EXPECT_EQ(d.findChild<NumberField*>(QStringLiteral("coordinateCount"))->text(), QStringLiteral("3"));
        d.findChild<QLineEdit*>(QStringLiteral("separator"))->setText(QStringLiteral("TAB"));
        emit d.findChild<QLineEdit*>(QStringLiteral("separator"))->editingFinished();
        click(d, "detectSeparatorButton");
        EXPECT_EQ(d.procedure().separator, ";");

        // Saved, forgotten with "&Nouvelle", read back.
        files.answers = {QString::fromStdString(pca)};
        click(d, "saveProcedureButton");
        EXPECT_EQ(test::readText(pca), "ORDINAX_6A\n0\n1\n0\n0\n0\n0\n0\n1\n3\n1\n2\n;\n10\n1\n");
        auto* name = d.findChild<QLabel*>(QStringLiteral("procedureName"));
        EXPECT_EQ(name->text(), QStringLiteral("mesures.pca"));
        click(d, "newProcedureButton");
        EXPECT_EQ(d.procedure(), exchange::ConversionProcedure{});
        EXPECT_TRUE(name->text().isEmpty());
        files.answers = {QString::fromStdString(pca)};
        click(d, "openProcedureButton");
        EXPECT_EQ(d.procedure().headerLineCount, 1);
        EXPECT_EQ(d.procedure().coordinateCount, 3);
        EXPECT_EQ(name->text(), QStringLiteral("mesures.pca"));
        // The procedure dialogs start in the folder of the procedure file
        // (this one is cancelled).
        click(d, "openProcedureButton");
        EXPECT_EQ(files.requests.back().folder.toStdString(), scratch.path().string());
        EXPECT_EQ(d.procedure().coordinateCount, 3);
        // A field that no longer matches the file hides its name.
        type(d, "sampling", QStringLiteral("2"));
        EXPECT_TRUE(name->text().isEmpty());
        type(d, "sampling", QStringLiteral("1"));
        EXPECT_EQ(name->text(), QStringLiteral("mesures.pca"));

        extractAndWait(d);
        EXPECT_EQ(d.statusText(), QStringLiteral("Extraction terminée [ 2 courbes - 3 points ]"));
        test::expectAllControlsNamed(&d);
        click(d, "plotButton");
        EXPECT_EQ(d.result(), QDialog::Accepted);
    });
    const document::Diagram& d = diagram();
    ASSERT_EQ(d.curveCount(), 2);
    const auto p = d.curves[0].points.view();
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(p[0], (document::Point{0.5, 101.3}));
    EXPECT_EQ(p[2], (document::Point{1.5, 100.9}));
    EXPECT_EQ(d.curves[1].points[1], (document::Point{1.0, 21.5}));
    EXPECT_EQ(d.displayMode, 1);
    EXPECT_TRUE(prompts->shown.empty());
    // One undo step gives the diagram back as it was.
    ASSERT_TRUE(frame().document().canUndo());
    frame().runCommand(CommandId::EditUndo);
    EXPECT_EQ(diagram().curveCount(), 0);
    EXPECT_FALSE(frame().document().canUndo());
}

TEST_F(TextImportTest, PlotWithoutExtractingFirstExtracts) {
    const std::string csv = file("deux.txt");
    test::writeText(csv, "1;2\n3;4\n");
    importWith([&](TextImportDialog& d) {
        d.setDataFile(QString::fromStdString(csv));
        click(d, "plotButton");
        ASSERT_TRUE(waitUntil([&] { return !d.isVisible(); }));
    });
    ASSERT_EQ(diagram().curveCount(), 1);
    EXPECT_EQ(diagram().curves[0].points[1], (document::Point{3, 4}));
}

TEST_F(TextImportTest, CancelLeavesTheDiagramAndItsHistory) {
    demoFrame();
    const document::Diagram before = diagram();
    const std::string csv = file("deux.txt");
    test::writeText(csv, "1;2\n3;4\n");
    importWith([&](TextImportDialog& d) {
        d.setDataFile(QString::fromStdString(csv));
        extractAndWait(d);
        click(d, "cancelButton");
    });
    EXPECT_TRUE(diagram() == before);
    EXPECT_FALSE(frame().document().canUndo());
}

TEST_F(TextImportTest, LargeFilePreviewsItsHeadAndTheExtractionStops) {
    demoFrame();
    const document::Diagram before = diagram();
    const std::string big = file("grand.txt");
    std::string text;
    text.reserve(6'000'000);
    for (int i = 0; i < 600'000; ++i) text += "1;2\n";
    test::writeText(big, text);
    importWith([&](TextImportDialog& d) {
        d.setDataFile(QString::fromStdString(big));
        auto* preview = d.findChild<QListView*>(QStringLiteral("previewList"));
        EXPECT_EQ(preview->model()->rowCount(), int(exchange::PreviewLineLimit));
        EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("previewLabel"))->text(),
                  QStringLiteral("Aperçu : les 2000 premières lignes du fichier"));
        click(d, "extractButton");
        EXPECT_TRUE(d.findChild<QPushButton*>(QStringLiteral("stopButton"))->isVisibleTo(&d));
        // Escape stops the work, not the dialog.
        QTest::keyClick(&d, Qt::Key_Escape);
        ASSERT_TRUE(waitUntil([&] { return !d.task().running(); }));
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.statusText(), QStringLiteral("- extraction interrompue : aucune donnée n'a été gardée -"));
        click(d, "plotButton");  // extracts again, to the end this time, then closes
        ASSERT_TRUE(waitUntil([&] { return !d.isVisible(); }));
    });
    ASSERT_EQ(diagram().curveCount(), 1);
    EXPECT_EQ(diagram().curves[0].pointCount(), 600'000);
    frame().runCommand(CommandId::EditUndo);
    EXPECT_TRUE(diagram() == before);
}

TEST_F(TextImportTest, ErrorsAndAMissingFileLeaveTheWorkingCopy) {
    demoFrame();
    const document::Diagram before = diagram();
    const std::string shortFile = file("court.txt");
    test::writeText(shortFile, "1;2\n");
    importWith([&](TextImportDialog& d) {
        d.setDataFile(QStringLiteral("/nulle/part/absent.txt"));
        auto* preview = d.findChild<QListView*>(QStringLiteral("previewList"));
        EXPECT_EQ(preview->model()->index(0, 0).data().toString(),
                  QStringLiteral("Le fichier \"/nulle/part/absent.txt\" est introuvable !"));
        EXPECT_FALSE(d.findChild<QTabWidget*>(QStringLiteral("tabs"))->isEnabled());
        EXPECT_FALSE(d.findChild<QPushButton*>(QStringLiteral("extractButton"))->isEnabled());

        d.setDataFile(QString::fromStdString(shortFile));
        type(d, "headerLines", QStringLiteral("3"));
        extractAndWait(d);
        ASSERT_EQ(prompts->shown.size(), 1u);
        EXPECT_EQ(prompts->shown[0].text, "L'en-tête du fichier est plus longue que prévu !");
        // A procedure file of another kind is refused, the fields stay.
        const std::string foreign = file("autre.pca");
        test::writeText(foreign, "ORDINAX_4A\n1\n");
        EXPECT_FALSE(d.openProcedureFile(QString::fromStdString(foreign)));
        EXPECT_EQ(d.procedure().headerLineCount, 3);
        EXPECT_EQ(prompts->shown.size(), 2u);
        click(d, "cancelButton");
    });
    EXPECT_TRUE(diagram() == before);
}

TEST_F(TextImportTest, IntoOneCurveAsksTheFileFirstAndAsksForY) {
    demoFrame();
    const std::string csv = file("trois.txt");
    test::writeText(csv, "1;10;100\n2;20;200\n");
    files.answers = {QString::fromStdString(csv)};
    whenModalOpens([&](QWidget* modal) {
        auto* d = qobject_cast<TextImportDialog*>(modal);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->windowTitle(), QStringLiteral("  Importer une courbe depuis un fichier texte"));
        EXPECT_FALSE(d->findChild<QPushButton*>(QStringLiteral("browseButton"))->isEnabled());
        EXPECT_FALSE(d->findChild<NumberField*>(QStringLiteral("yOrder"))->isHidden());
        type(*d, "coordinateCount", QStringLiteral("3"));
        type(*d, "yOrder", QStringLiteral("3"));
        click(*d, "plotButton");
        ASSERT_TRUE(waitUntil([&] { return !d->isVisible(); }));
    });
    ASSERT_TRUE(runTextImport(frame(), 1));
    ASSERT_EQ(diagram().curveCount(), 2);
    const auto p = diagram().curves[1].points.view();
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[1], (document::Point{2, 200}));
    EXPECT_EQ(frame().document().selectedCurve(), 1);
}

}  // namespace
}  // namespace ordinax::shell
