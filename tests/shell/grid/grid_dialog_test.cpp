// The coordinates grid in the main window under the off-screen platform: the
// worked examples of its commands (copy of Y rows 2 to 4, paste of a 2 × 3
// block, paste with a header line, the eleventh change, the next search
// wrapping round), typing, cutting, inserting, OK and Annuler. Expected
// values are worked by hand from the small curves of each test.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include "grid_test_support.h"
#include "shell/common/number_field.h"
#include "shell/grid/grid_dialog.h"
#include "shell/grid/grid_hooks.h"
#include "shell/grid/grid_row_dialogs.h"
#include "shell/common/diagram_edit.h"

namespace ordinax::shell {
namespace {

using document::GridColumnX;
using document::GridColumnY;
using document::GridSelection;
using document::Point;
using test::child;
using test::click;
using test::whenDialogOpens;

class GridTest : public test::GridFixture {
protected:
    QAbstractItemModel* model() { return grid_->table()->model(); }
    static QString clipboardText() { return QGuiApplication::clipboard()->text(); }
    static void setClipboard(const QString& text) { QGuiApplication::clipboard()->setText(text); }
};

TEST_F(GridTest, ShowsTheCurveAsNumberedRowsWithNames) {
    open({{1, 10}, {2, 20.5}});
    EXPECT_EQ(grid().windowTitle(), QStringLiteral(" Coordonnées d'une courbe"));
    test::expectAllControlsNamed(&grid());
    EXPECT_EQ(model()->rowCount(), 3);
    EXPECT_EQ(model()->headerData(0, Qt::Vertical).toString(), QStringLiteral("1"));
    EXPECT_EQ(model()->headerData(2, Qt::Vertical).toString(), QStringLiteral("Nouveau"));
    EXPECT_EQ(model()->data(model()->index(1, 1)).toString(), QStringLiteral("20.5"));
    EXPECT_EQ(child<QLineEdit>(&grid(), "titleEdit")->text(), QStringLiteral("Essai"));
    // The unit sheet is installed by the data windows.
    EXPECT_TRUE(child<QWidget>(&grid(), "xUnitButton")->isEnabled());
    EXPECT_FALSE(child<QWidget>(&grid(), "undoButton")->isEnabled());
}

TEST_F(GridTest, CopyOfTheYColumnRowsTwoToFour) {
    open({{1, 10}, {2, 20.5}, {3, 1e-7}, {4, -4}, {5, 50}});
    grid().setSelection(GridSelection::column(GridColumnY, 1, 3));
    click(&grid(), "copyButton");
    EXPECT_EQ(clipboardText(), QStringLiteral("20.5\r\n1e-007\r\n-4"));
    // One cell is no group: refused.
    grid().setSelection(GridSelection::column(GridColumnY, 1, 1));
    click(&grid(), "copyButton");
    EXPECT_EQ(prompts->shown.at(0).text, "Copier impossible :\n\n\"Sélectionner un groupe de cellule\".");
}

TEST_F(GridTest, PasteOfATwoByThreeBlockAndOfABlockWithNames) {
    open({{0, 0}});
    grid().setSelection(GridSelection::none());
    setClipboard(QStringLiteral("1\t2\t3\n4\t5\t6"));
    click(&grid(), "pasteButton");
    EXPECT_EQ(points(), (std::vector<Point>{{0, 0}, {1, 4}, {2, 5}, {3, 6}}));
    EXPECT_EQ(grid().selection(), GridSelection::rows(1, 3));  // what was pasted is selected

    grid().setSelection(GridSelection::none());
    setClipboard(QStringLiteral("x\ty\r\n7\t8\r\n"));
    click(&grid(), "pasteButton");
    EXPECT_EQ(points().back(), (Point{7, 8}));
    EXPECT_EQ(child<QLineEdit>(&grid(), "xNameEdit")->text(), QStringLiteral("x"));
    EXPECT_EQ(model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Y (y)"));
    // The working copy and the view follow at once.
    EXPECT_EQ(edit_->working().curves[0].pointCount(), 5);
    EXPECT_EQ(edit_->working().curves[0].axisName[1], "y");

    setClipboard(QStringLiteral("1\t2\n3"));
    click(&grid(), "pasteButton");
    EXPECT_EQ(prompts->shown.at(0).text, "Opération impossible :\n\n< Disposition anormale des cellules copiées > !");
    EXPECT_EQ(points().size(), 5u);
}

TEST_F(GridTest, TheEleventhChangeDropsTheOldestOfTenSteps) {
    open({{0, 0}});
    for (int change = 1; change <= 11; ++change)
        ASSERT_TRUE(model()->setData(model()->index(0, 1), QString::number(change)));
    EXPECT_EQ(grid().history().size(), 10);
    for (int expected = 10; expected >= 1; --expected) {
        click(&grid(), "undoButton");
        EXPECT_EQ(points()[0].y, expected);
    }
    EXPECT_FALSE(child<QWidget>(&grid(), "undoButton")->isEnabled());
}

TEST_F(GridTest, SearchNextWrapsRoundToTheOnlyHitInTheLastRow) {
    open({{1, 5}, {2, 7}, {3, 5}, {4, 9}});
    whenDialogOpens<GridSearchDialog>([](GridSearchDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral(" Rechercher"));
        test::expectAllControlsNamed(d);
        EXPECT_EQ(child<QLineEdit>(d, "yMaxField")->text(), QStringLiteral("9"));
        child<NumberField>(d, "valueField")->setText(QStringLiteral("9"));
        child<QRadioButton>(d, "yRadio")->setChecked(true);
        click(d, "okButton");
    });
    click(&grid(), "searchButton");
    EXPECT_EQ(grid().selection(), GridSelection::rows(3, 3));
    click(&grid(), "searchNextButton");  // a full turn lands on the same row
    EXPECT_EQ(grid().selection(), GridSelection::rows(3, 3));
    EXPECT_TRUE(prompts->shown.empty());

    // The least ordinate, found twice in turn.
    whenDialogOpens<GridSearchDialog>([](GridSearchDialog* d) {
        child<QRadioButton>(d, "minRadio")->setChecked(true);
        click(d, "okButton");
    });
    click(&grid(), "searchButton");
    EXPECT_EQ(grid().selection(), GridSelection::rows(0, 0));
    click(&grid(), "searchNextButton");
    EXPECT_EQ(grid().selection(), GridSelection::rows(2, 2));

    whenDialogOpens<GridSearchDialog>([](GridSearchDialog* d) {
        child<QRadioButton>(d, "anyRadio")->setChecked(true);
        child<NumberField>(d, "valueField")->setText(QStringLiteral("6"));
        click(d, "okButton");
    });
    click(&grid(), "searchButton");
    EXPECT_EQ(prompts->shown.at(0).text, "La valeur 6 n'a pas été trouvée !");
    EXPECT_TRUE(grid().selection().empty());
}

TEST_F(GridTest, TypedCellsFollowTheNumberRule) {
    open({{1, 1}});
    EXPECT_TRUE(model()->setData(model()->index(0, 0), QStringLiteral("2,5")));
    EXPECT_FALSE(model()->setData(model()->index(0, 1), QStringLiteral("deux")));
    QCoreApplication::processEvents();  // the message follows the closing of the editor
    ASSERT_EQ(prompts->shown.size(), 1u);
    EXPECT_EQ(prompts->shown[0].heading, base::Heading::Warning);
    EXPECT_EQ(points(), (std::vector<Point>{{2.5, 1}}));
    // A typed cell stands out.
    EXPECT_TRUE(model()->data(model()->index(0, 0), Qt::ForegroundRole).isValid());
    EXPECT_FALSE(model()->data(model()->index(0, 1), Qt::ForegroundRole).isValid());
}

TEST_F(GridTest, CutDeleteAndInsertWorkOnWholeRows) {
    open({{1, 1}, {2, 2}, {3, 3}, {4, 4}});
    grid().setSelection(GridSelection::column(GridColumnX, 0, 1));
    click(&grid(), "cutButton");
    EXPECT_EQ(prompts->shown.at(0).text, "Couper impossible :\n\n\"Sélectionner un groupe de coordonnées X et Y\".");
    grid().setSelection(GridSelection::rows(1, 2));
    click(&grid(), "cutButton");
    EXPECT_EQ(clipboardText(), QStringLiteral("2\t2\r\n3\t3"));
    EXPECT_EQ(prompts->asked.at(0).text,
              "Toutes les coordonnées sélectionnées\nvont être supprimées.\n\nConfirmation ?");
    EXPECT_EQ(points(), (std::vector<Point>{{1, 1}, {4, 4}}));

    grid().setSelection(GridSelection::rows(1, 1));
    whenDialogOpens<GridInsertDialog>([](GridInsertDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral(" Insérer une nouvelle coordonnée"));
        test::expectAllControlsNamed(d);
        child<NumberField>(d, "xField")->setText(QStringLiteral("2,5"));
        child<NumberField>(d, "yField")->setText(QStringLiteral("-1"));
        click(d, "okButton");
    });
    click(&grid(), "insertButton");
    EXPECT_EQ(points(), (std::vector<Point>{{1, 1}, {2.5, -1}, {4, 4}}));

    prompts->yes = false;
    grid().setSelection(GridSelection::rows(0, 2));
    click(&grid(), "deleteButton");
    EXPECT_EQ(points().size(), 3u);  // "No": nothing removed
}

TEST_F(GridTest, KeysOfTheTableRunTheGridsCommands) {
    open({{1, 1}, {2, 2}, {3, 3}});
    grid().show();
    grid().activateWindow();
    grid().table()->setFocus();
    QApplication::processEvents();
    grid().setSelection(GridSelection::rows(0, 1));
    QTest::keyClick(grid().table(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboardText(), QStringLiteral("1\t1\r\n2\t2"));
    QTest::keyClick(grid().table(), Qt::Key_Delete);
    EXPECT_EQ(points(), (std::vector<Point>{{3, 3}}));
    QTest::keyClick(grid().table(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(points().size(), 3u);
    // Enter moves down a row instead of closing the grid.
    grid().table()->setCurrentIndex(model()->index(0, 1));
    QTest::keyClick(grid().table(), Qt::Key_Return);
    EXPECT_EQ(grid().table()->currentIndex().row(), 1);
    EXPECT_TRUE(grid().isVisible());
}

TEST_F(GridTest, SelectRowsByNumber) {
    open({{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}});
    whenDialogOpens<GridSelectDialog>([](GridSelectDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("  Sélectionner"));
        test::expectAllControlsNamed(d);
        child<NumberField>(d, "fromField")->setText(QStringLiteral("4"));
        child<NumberField>(d, "toField")->setText(QStringLiteral("2"));
        child<QRadioButton>(d, "yRadio")->setChecked(true);
        click(d, "okButton");
    });
    click(&grid(), "selectButton");
    EXPECT_EQ(grid().selection(), GridSelection::column(GridColumnY, 1, 3));
    click(&grid(), "deselectButton");
    EXPECT_TRUE(grid().selection().empty());
}

TEST_F(GridTest, UnitAndFunctionButtonsOpenTheWindowsThatInstalledThem) {
    // The frame installs the real windows: replace them once it exists.
    frame();
    setGridUnitChooser([](QWidget*, document::UnitDef& unit, int axis) {
        unit.factorCount = axis + 1;
        return true;
    });
    setGridFunctionEditor([](QWidget*, document::Diagram& working, int curve) {
        // The function computes the curve again: two points.
        working.curves[static_cast<std::size_t>(curve)].points =
            document::PointBuffer(std::vector<Point>{{0, 1}, {1, 2}});
        return true;
    });
    open({{5, 5}});
    ASSERT_TRUE(child<QWidget>(&grid(), "yUnitButton")->isEnabled());
    click(&grid(), "yUnitButton");
    EXPECT_EQ(edit_->working().curves[0].unit[1].factorCount, 2);
    click(&grid(), "functionButton");
    EXPECT_EQ(points(), (std::vector<Point>{{0, 1}, {1, 2}}));
    click(&grid(), "undoButton");  // the function's points are one of the grid's actions
    EXPECT_EQ(points(), (std::vector<Point>{{5, 5}}));
    setGridUnitChooser({});
    setGridFunctionEditor({});
}

TEST_F(GridTest, ShowingTheCurveAloneLastsWhileTheGridIsOpen) {
    open({{1, 1}, {2, 2}});
    ASSERT_EQ(frame().view().shownCurve(), -1);
    click(&grid(), "showAloneButton");
    EXPECT_EQ(frame().view().shownCurve(), 0);
    click(&grid(), "showAloneButton");
    EXPECT_EQ(frame().view().shownCurve(), -1);
    click(&grid(), "showAloneButton");
    click(&grid(), "okButton");
    EXPECT_EQ(frame().view().shownCurve(), -1);
}

class GridCommandTest : public test::DialogFrameTest {};

TEST_F(GridCommandTest, OkIsOneStepAndAnnulerAsksBeforeDroppingChanges) {
    CMainFrame& f = demoFrame();
    f.document().setSelectedCurve(1);
    const document::Diagram before = diagram();
    whenDialogOpens<GridDialog>([this](GridDialog* g) {
        QAbstractItemModel* model = g->table()->model();
        model->setData(model->index(0, 1), QStringLiteral("-3"));
        prompts->yes = false;
        click(g, "cancelButton");  // "No": the grid stays open
        EXPECT_TRUE(g->isVisible());
        ASSERT_EQ(prompts->asked.size(), 1u);
        EXPECT_EQ(prompts->asked[0].text,
                  "Les modifications des coordonnées de cette courbe\nvont être abandonnées.\n\nConfirmation ?");
        click(g, "okButton");
    });
    f.runCommand(CommandId::CurveEditPoints);
    EXPECT_EQ(diagram().curves[1].points[0].y, -3.0);
    EXPECT_TRUE(diagram().curves[1].modified.empty());  // dated again when saved
    ASSERT_TRUE(f.document().canUndo());
    f.document().undo();
    EXPECT_TRUE(diagram() == before);
    EXPECT_FALSE(f.document().canUndo());

    prompts->yes = true;
    whenDialogOpens<GridDialog>([](GridDialog* g) {
        g->table()->model()->setData(g->table()->model()->index(0, 1), QStringLiteral("-3"));
        click(g, "cancelButton");
    });
    f.runCommand(CommandId::CurveEditPoints);
    EXPECT_TRUE(diagram() == before);
    EXPECT_FALSE(f.document().canUndo());
}

}  // namespace
}  // namespace ordinax::shell
