// The "Courbe" menu's dialogs in the main window under the off-screen
// platform: each fills its fields, presses its buttons, and the diagram, the
// undo history and the messages are checked. Expected values follow from the
// demo diagram (two curves of 13 points) and the operation rules.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTableView>
#include <QTreeWidget>

#include "base/strings.h"
#include "base/strings_curves.h"
#include "curve_test_support.h"
#include "shell/common/number_field.h"
#include "shell/curves/curve_new_dialog.h"
#include "shell/curves/manage/curve_arrange_dialogs.h"
#include "shell/curves/manage/curve_bounds_dialogs.h"
#include "shell/curves/manage/curve_list_dialogs.h"
#include "shell/curves/new_curve_modes.h"
#include "shell/grid/grid_dialog.h"

namespace ordinax::shell {
namespace {

using test::child;
using test::click;
using test::whenDialogOpens;

class CurveMenuTest : public test::DialogFrameTest {
protected:
    std::vector<std::string> titles() {
        std::vector<std::string> out;
        for (const document::Curve& c : diagram().curves) out.push_back(c.title);
        return out;
    }
    // One step to undo, then none: the command was exactly one change.
    void expectOneUndoStep(const document::Diagram& before) {
        COrdinaxDoc& doc = frame().document();
        ASSERT_TRUE(doc.canUndo());
        doc.undo();
        EXPECT_TRUE(doc.diagram() == before);
        EXPECT_FALSE(doc.canUndo());
    }
    static void choose(QListWidget* list, std::initializer_list<int> rows) {
        list->clearSelection();
        for (int row : rows) list->item(row)->setSelected(true);
    }
};

TEST_F(CurveMenuTest, NewCurveTypedInTheGridIsOneStep) {
    CMainFrame& f = demoFrame();
    const document::Diagram before = diagram();
    whenDialogOpens<CurveNewDialog>([](CurveNewDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("  Nouvelle courbe"));
        test::expectAllControlsNamed(d);
        // The modes whose windows come with other menus are offered once those windows are installed.
        auto* text = child<QRadioButton>(d, "textRadio");
        EXPECT_TRUE(text->isEnabled());
        EXPECT_TRUE(text->toolTip().isEmpty());
        EXPECT_TRUE(child<QRadioButton>(d, "manualRadio")->isChecked());
        whenDialogOpens<GridDialog>([](GridDialog* g) {
            QAbstractItemModel* model = g->table()->model();
            ASSERT_EQ(model->rowCount(), 1);  // the empty row that appends a point
            EXPECT_TRUE(model->setData(model->index(0, 0), QStringLiteral("1,5")));
            EXPECT_TRUE(model->setData(model->index(0, 1), QStringLiteral("2")));
            EXPECT_TRUE(model->setData(model->index(1, 0), QStringLiteral("3")));
            EXPECT_TRUE(model->setData(model->index(1, 1), QStringLiteral("-4")));
            EXPECT_EQ(model->rowCount(), 3);
            click(g, "okButton");
        });
        click(d, "okButton");
    });
    f.runCommand(CommandId::CurveNew);
    ASSERT_EQ(diagram().curveCount(), 3);
    const document::Curve& added = diagram().curves[2];
    EXPECT_EQ(added.title, "Courbe n\xB0 3");
    ASSERT_EQ(added.pointCount(), 2);
    EXPECT_EQ(added.points[0], (document::Point{1.5, 2}));
    EXPECT_EQ(added.points[1], (document::Point{3, -4}));
    // The symbol of the preferences moves on with the curve's place (shape 2 + 2).
    EXPECT_EQ(added.symbol.number, 4);
    EXPECT_EQ(f.document().selectedCurve(), 2);
    expectOneUndoStep(before);
}

TEST_F(CurveMenuTest, ACancelledNewCurveLeavesNothing) {
    CMainFrame& f = demoFrame();
    const document::Diagram before = diagram();
    whenDialogOpens<CurveNewDialog>([](CurveNewDialog* d) {
        whenDialogOpens<GridDialog>([](GridDialog* g) { click(g, "cancelButton"); });
        click(d, "okButton");
    });
    f.runCommand(CommandId::CurveNew);
    EXPECT_TRUE(diagram() == before);
    EXPECT_FALSE(f.document().canUndo());
}

TEST_F(CurveMenuTest, AFullDiagramRefusesNewCurvesBeforeAnyDialog) {
    CMainFrame& f = demoFrame();
    while (diagram().curveCount() < document::MaxCurves) diagram().curves.push_back(diagram().curves[0]);
    // A dialog that opened would be closed here (and the test fail) rather than hang.
    bool opened = false;
    QTimer guard;
    guard.setInterval(5);
    QObject::connect(&guard, &QTimer::timeout, [&opened] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = true;
            modal->close();
        }
    });
    guard.start();
    for (CommandId id : {CommandId::CurveNew, CommandId::CurveDuplicate, CommandId::CurveConcatenate}) {
        prompts->shown.clear();
        f.runCommand(id);
        ASSERT_EQ(prompts->shown.size(), 1u);
        EXPECT_EQ(prompts->shown[0].text,
                  "Impossible de créer une nouvelle courbe !\n\nLe nombre maxi de courbes est atteint pour ce diagramme.");
        EXPECT_EQ(prompts->shown[0].heading, base::Heading::Error);
    }
    EXPECT_FALSE(opened);
}

TEST_F(CurveMenuTest, AModeInstalledByAnotherWindowRuns) {
    CMainFrame& f = demoFrame();
    int runs = 0;
    setNewCurveModeHandler(document::NewCurveMode::TextImport, [&runs](CMainFrame&) { ++runs; });
    whenDialogOpens<CurveNewDialog>([](CurveNewDialog* d) {
        auto* text = child<QRadioButton>(d, "textRadio");
        EXPECT_TRUE(text->isEnabled());
        text->setChecked(true);
        click(d, "okButton");
    });
    f.runCommand(CommandId::CurveNew);
    setNewCurveModeHandler(document::NewCurveMode::TextImport, {});
    EXPECT_EQ(runs, 1);
}

TEST_F(CurveMenuTest, ACurveTakenFromAnotherDiagramFile) {
    CMainFrame& f = demoFrame();
    const document::Diagram before = diagram();
    prompts->openName = test::kDemo;
    whenDialogOpens<CurveNewDialog>([](CurveNewDialog* d) {
        child<QRadioButton>(d, "fileRadio")->setChecked(true);
        whenDialogOpens<CurveSelectDialog>([](CurveSelectDialog* s) {
            child<QListWidget>(s, "curveList")->setCurrentRow(1);
            click(s, "okButton");
        });
        click(d, "okButton");
    });
    f.runCommand(CommandId::CurveNew);
    ASSERT_EQ(diagram().curveCount(), 3);
    EXPECT_EQ(diagram().curves[2].title, before.curves[1].title);
    EXPECT_TRUE(diagram().curves[2].points == before.curves[1].points);
    EXPECT_EQ(f.document().selectedCurve(), 2);
    expectOneUndoStep(before);
}

TEST_F(CurveMenuTest, DuplicateOffersATitleOnceASourceIsChosen) {
    CMainFrame& f = demoFrame();
    const document::Diagram before = diagram();
    whenDialogOpens<CurveDuplicateDialog>([](CurveDuplicateDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("  Dupliquer une courbe"));
        test::expectAllControlsNamed(d);
        auto* title = child<QLineEdit>(d, "titleEdit");
        EXPECT_FALSE(title->isEnabled());
        EXPECT_FALSE(child<QAbstractButton>(d, "okButton")->isEnabled());
        child<QListWidget>(d, "curveList")->setCurrentRow(0);
        EXPECT_TRUE(title->isEnabled());
        EXPECT_EQ(title->text(), QStringLiteral("Sonde intérieure (copie)"));
        title->setText(QStringLiteral("Copie été"));
        click(d, "okButton");
    });
    f.runCommand(CommandId::CurveDuplicate);
    ASSERT_EQ(diagram().curveCount(), 3);
    EXPECT_EQ(diagram().curves[2].title, "Copie \xE9t\xE9");
    EXPECT_TRUE(diagram().curves[2].points == before.curves[0].points);
    EXPECT_EQ(f.document().selectedCurve(), 2);
    expectOneUndoStep(before);
}

TEST_F(CurveMenuTest, ConcatenateTwoCurvesInListOrder) {
    CMainFrame& f = demoFrame();
    const document::Diagram before = diagram();
    whenDialogOpens<CurveConcatenateDialog>([this](CurveConcatenateDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral(" Concaténer un ensemble de courbes"));
        test::expectAllControlsNamed(d);
        auto* list = child<QListWidget>(d, "curveList");
        auto* ok = child<QAbstractButton>(d, "okButton");
        choose(list, {1});
        EXPECT_FALSE(ok->isEnabled());  // one curve is no concatenation
        choose(list, {1, 0});
        EXPECT_TRUE(ok->isEnabled());
        EXPECT_EQ(child<QLineEdit>(d, "titleEdit")->text(), QStringLiteral("Concaténation"));
        click(d, "okButton");
    });
    f.runCommand(CommandId::CurveConcatenate);
    ASSERT_EQ(diagram().curveCount(), 3);
    const document::Curve& merged = diagram().curves[2];
    ASSERT_EQ(merged.pointCount(), 26);
    // Curve 0's points first, then curve 1's, whatever the order of the clicks.
    EXPECT_EQ(merged.points[0], before.curves[0].points[0]);
    EXPECT_EQ(merged.points[13], before.curves[1].points[0]);
    EXPECT_EQ(merged.symbol, preferences.symbol);
    expectOneUndoStep(before);
}

TEST_F(CurveMenuTest, DeleteAsksFirstAndCancelGivesEverythingBack) {
    CMainFrame& f = demoFrame();
    const document::Diagram before = diagram();
    auto deleteFirst = [this](const char* closing, int left = 1) {
        whenDialogOpens<CurveDeleteDialog>([this, closing, left](CurveDeleteDialog* d) {
            EXPECT_EQ(d->windowTitle(), QStringLiteral(" Supprimer ..."));
            test::expectAllControlsNamed(d);
            auto* list = child<QListWidget>(d, "curveList");
            choose(list, {0});
            EXPECT_FALSE(child<QAbstractButton>(d, "functionsButton")->isEnabled());  // no analytic function
            click(d, "deleteButton");
            EXPECT_EQ(list->count(), left);
            click(d, closing);
        });
    };
    deleteFirst("cancelButton");
    f.runCommand(CommandId::CurveDelete);
    ASSERT_EQ(prompts->asked.size(), 1u);
    EXPECT_EQ(prompts->asked[0].text, "La courbe sélectionnée va être supprimée !\n\nConfirmation ?");
    EXPECT_TRUE(diagram() == before);
    EXPECT_FALSE(f.document().canUndo());

    deleteFirst("okButton");
    f.runCommand(CommandId::CurveDelete);
    EXPECT_EQ(titles(), (std::vector<std::string>{before.curves[1].title}));
    EXPECT_EQ(f.document().selectedCurve(), 0);  // the one curve left
    expectOneUndoStep(before);

    // "No" to the question removes nothing.
    prompts->yes = false;
    deleteFirst("okButton", 2);
    f.runCommand(CommandId::CurveDelete);
    EXPECT_EQ(diagram().curveCount(), 2);
}

TEST_F(CurveMenuTest, DeleteTheFunctionsOfCurvesKeepsTheirPoints) {
    CMainFrame& f = demoFrame();
    diagram().curves[0].function.functionId = 4;
    diagram().curves[1].function.functionId = 4;  // one function shared by both
    whenDialogOpens<CurveDeleteDialog>([this](CurveDeleteDialog* d) {
        choose(child<QListWidget>(d, "curveList"), {0});
        auto* functions = child<QAbstractButton>(d, "functionsButton");
        ASSERT_TRUE(functions->isEnabled());
        functions->click();
        click(d, "okButton");
    });
    f.runCommand(CommandId::CurveDelete);
    EXPECT_EQ(prompts->asked.at(0).text,
              "La fonction analytique associée avec la\ncourbe sélectionnée va être supprimée !\n\nConfirmation ?");
    EXPECT_EQ(diagram().curves[0].function.functionId, 0);
    EXPECT_EQ(diagram().curves[1].function.functionId, 0);
    EXPECT_EQ(diagram().curves[0].pointCount(), 13);
}

TEST_F(CurveMenuTest, OrderMovesAndSortsWithTheViewFollowing) {
    CMainFrame& f = demoFrame();
    diagram().curves.push_back(test::curveOf("b", {{0, 0}}));
    diagram().curves.push_back(test::curveOf("B", {{0, 0}}));
    diagram().curves.push_back(test::curveOf("a", {{0, 0}}));
    const document::Diagram before = diagram();
    whenDialogOpens<CurveOrderDialog>([&f](CurveOrderDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("  Ordre de tracé des courbes"));
        test::expectAllControlsNamed(d);
        auto* list = child<QListWidget>(d, "curveList");
        list->setCurrentRow(4);
        EXPECT_FALSE(child<QAbstractButton>(d, "bottomButton")->isEnabled());
        click(d, "topButton");
        EXPECT_EQ(list->item(0)->text(), QStringLiteral("a"));
        // The view draws the working copy while the dialog is open.
        EXPECT_EQ(f.view().shownDiagram().curves[0].title, "a");
        click(d, "sortAzButton");
        QStringList shown;
        for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
        // Byte order: upper case first, accented letters after the plain ones.
        EXPECT_EQ(shown, (QStringList{"B", "Sonde extérieure", "Sonde intérieure", "a", "b"}));
        click(d, "okButton");
    });
    f.runCommand(CommandId::CurveOrder);
    EXPECT_EQ(titles(), (std::vector<std::string>{"B", "Sonde ext\xE9rieure", "Sonde int\xE9rieure", "a", "b"}));
    EXPECT_EQ(f.document().selectedCurve(), -1);
    expectOneUndoStep(before);
}

TEST_F(CurveMenuTest, ActivateSetsTheHiddenFlags) {
    CMainFrame& f = demoFrame();
    const document::Diagram before = diagram();
    whenDialogOpens<CurveActivateDialog>([](CurveActivateDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("  Activer / désactiver une ou plusieurs courbes"));
        test::expectAllControlsNamed(d);
        auto* tree = child<QTreeWidget>(d, "curveTree");
        EXPECT_EQ(tree->topLevelItem(0)->checkState(0), Qt::Checked);
        click(d, "noneButton");
        tree->topLevelItem(1)->setCheckState(0, Qt::Checked);
        click(d, "okButton");
    });
    f.runCommand(CommandId::CurveActivate);
    EXPECT_EQ(diagram().curves[0].hidden, 1);
    EXPECT_EQ(diagram().curves[1].hidden, 0);
    expectOneUndoStep(before);
}

TEST_F(CurveMenuTest, DelimitSwapsAReversedPairAndAppliesAtOnce) {
    CMainFrame& f = demoFrame();
    f.document().setSelectedCurve(1);
    const document::Diagram before = diagram();
    whenDialogOpens<CurveDelimitDialog>([&f](CurveDelimitDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("  Délimitations du tracé"));
        test::expectAllControlsNamed(d);
        auto* xMin = child<NumberField>(d, "xMin");
        auto* xMax = child<NumberField>(d, "xMax");
        EXPECT_EQ(xMin->text(), QStringLiteral("-1e+035"));
        click(d, "extentButton");
        EXPECT_EQ(xMax->text(), QStringLiteral("24"));
        xMin->setText(QStringLiteral("5"));
        xMax->setText(QStringLiteral("1"));
        click(d, "applyButton");
        EXPECT_EQ(f.view().shownDiagram().curves[1].bounds[0][0], 1.0);
        EXPECT_EQ(xMin->text(), QStringLiteral("1"));
        child<QAbstractButton>(d, "excludeCheck")->click();
        click(d, "okButton");
    });
    f.runCommand(CommandId::CurveDelimit);
    EXPECT_EQ(diagram().curves[1].bounds[0], (std::array<double, 2>{1.0, 5.0}));
    EXPECT_EQ(diagram().curves[1].excludePoints, 1);
    EXPECT_EQ(diagram().curves[0].bounds, before.curves[0].bounds);  // only the selected curve
    expectOneUndoStep(before);

    // Cancel after "Appliquer" gives the curve back as it was.
    const document::Diagram delimited = diagram();
    whenDialogOpens<CurveDelimitDialog>([](CurveDelimitDialog* d) {
        click(d, "defaultButton");
        click(d, "applyButton");
        click(d, "cancelButton");
    });
    f.runCommand(CommandId::CurveDelimit);
    EXPECT_TRUE(diagram() == delimited);
}

TEST_F(CurveMenuTest, InformationAndSelectionRecordNoStep) {
    CMainFrame& f = demoFrame();
    whenDialogOpens<CurveSelectDialog>([](CurveSelectDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("  Sélectionner une courbe"));
        test::expectAllControlsNamed(d);
        child<QListWidget>(d, "curveList")->setCurrentRow(1);
        click(d, "okButton");
    });
    f.runCommand(CommandId::CurveSelect);
    EXPECT_EQ(f.document().selectedCurve(), 1);

    whenDialogOpens<CurveInfoDialog>([](CurveInfoDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("  Informations générales"));
        test::expectAllControlsNamed(d);
        EXPECT_EQ(child<QComboBox>(d, "curveCombo")->currentIndex(), 1);
        EXPECT_EQ(child<QLineEdit>(d, "countField")->text(), QStringLiteral("13"));
        EXPECT_EQ(child<QLineEdit>(d, "xMinField")->text(), QStringLiteral("0"));
        EXPECT_EQ(child<QLineEdit>(d, "xMaxField")->text(), QStringLiteral("24"));
        click(d, "okButton");
    });
    QAction* info = f.action(CommandId::CurveInfo);
    EXPECT_EQ(info->shortcut(), QKeySequence(QStringLiteral("Ctrl+I")));
    info->trigger();
    EXPECT_FALSE(f.document().canUndo());
}

TEST_F(CurveMenuTest, ACommandOnOneCurveAsksWhichWhenNoneIsSelected) {
    CMainFrame& f = demoFrame();
    ASSERT_EQ(f.document().selectedCurve(), -1);
    whenDialogOpens<CurveSelectDialog>([](CurveSelectDialog* d) {
        child<QListWidget>(d, "curveList")->setCurrentRow(0);
        whenDialogOpens<GridDialog>([](GridDialog* g) {
            EXPECT_EQ(g->grid().curve.title, "Sonde int\xE9rieure");
            click(g, "okButton");
        });
        click(d, "okButton");
    });
    QAction* points = f.action(CommandId::CurveEditPoints);
    EXPECT_EQ(points->shortcut(), QKeySequence(QStringLiteral("Ctrl+T")));
    points->trigger();
    EXPECT_EQ(f.document().selectedCurve(), 0);
    EXPECT_FALSE(f.document().canUndo());  // the grid changed nothing
}

}  // namespace
}  // namespace ordinax::shell
