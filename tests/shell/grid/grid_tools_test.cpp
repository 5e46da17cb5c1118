// The coordinate tools from the grid: selection rules, dialogs, questions,
// results and the last-action history. Expected points are worked by hand
// from each tool's rule (the worked examples of the tools where there are).
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTableView>

#include "grid_test_support.h"
#include "shell/common/diagram_edit.h"
#include "shell/common/number_field.h"
#include "shell/curves/markup_label.h"
#include "shell/grid/grid_dialog.h"
#include "shell/grid_tools/grid_correction_dialog.h"
#include "shell/grid_tools/grid_tool_dialogs.h"

namespace ordinax::shell {
namespace {

using document::GridColumnX;
using document::GridColumnY;
using document::GridSelection;
using document::Point;
using test::child;
using test::click;
using test::whenDialogOpens;

class GridToolTest : public test::GridFixture {
};

TEST_F(GridToolTest, ToolsRefuseSelectionsTheyCannotUse) {
    open({{1, 1}, {2, 2}, {3, 3}});
    grid().setSelection(GridSelection::rows(0, 1));
    for (const char* tool : {"limitButton", "averageButton", "cumulateButton"}) {
        prompts->shown.clear();
        click(&grid(), tool);
        ASSERT_EQ(prompts->shown.size(), 1u) << tool;
        EXPECT_EQ(prompts->shown[0].text,
                  "Sélectionner tout d'abord la coordonnée X ou Y\nsur laquelle se fera le traitement.");
    }
    for (const char* tool : {"sortButton", "correctionButton"}) {
        prompts->shown.clear();
        click(&grid(), tool);
        ASSERT_EQ(prompts->shown.size(), 1u) << tool;
        EXPECT_EQ(prompts->shown[0].id, 233);
    }
    grid().setSelection(GridSelection::column(GridColumnY, 0, 1));
    prompts->shown.clear();
    click(&grid(), "invertButton");
    ASSERT_EQ(prompts->shown.size(), 1u);
    EXPECT_EQ(prompts->shown[0].id, 97);
    EXPECT_FALSE(grid().history().canUndo());
}

TEST_F(GridToolTest, AverageWithTheYColumnSelected) {
    open({{1, 2}, {1, 4}, {2, 5}, {1, 6}});
    grid().setSelection(GridSelection::column(GridColumnY, 0, 3));
    click(&grid(), "averageButton");
    ASSERT_EQ(prompts->asked.size(), 1u);
    EXPECT_EQ(prompts->asked[0].id, 234);
    EXPECT_EQ(points(), (std::vector<Point>{{1, 3}, {2, 5}, {1, 6}}));
    click(&grid(), "undoButton");
    EXPECT_EQ(points().size(), 4u);
}

TEST_F(GridToolTest, CumulativeFrequenciesAndTheirRefusal) {
    open({{3, 2}, {1, 1}, {2, 1}});
    grid().setSelection(GridSelection::column(GridColumnY, 0, 2));
    click(&grid(), "frequencyButton");
    EXPECT_TRUE(prompts->asked.empty());  // the y column: no question
    // Sorted by x: y = 1, 1, 2 of a total 4 give 0.25, 0.5, 1.
    EXPECT_EQ(points(), (std::vector<Point>{{1, 0.25}, {2, 0.5}, {3, 1}}));

    open({{1, 1}, {2, -1}});
    grid().setSelection(GridSelection::none());
    click(&grid(), "frequencyButton");
    ASSERT_EQ(prompts->asked.size(), 1u);
    EXPECT_EQ(prompts->asked[0].id, 50);
    EXPECT_EQ(prompts->shown.at(0).text, "Le calcul ne peut s'effectuer que\nsur des valeurs positives de y !");
    EXPECT_EQ(prompts->shown[0].heading, base::Heading::Error);
    EXPECT_EQ(points(), (std::vector<Point>{{1, 1}, {2, -1}}));
    EXPECT_FALSE(grid().history().canUndo());
}

TEST_F(GridToolTest, SortDescendingOnTheSelectedRows) {
    open({{5, 1}, {3, 2}, {9, 3}, {1, 4}});
    grid().setSelection(GridSelection::column(GridColumnX, 0, 2));
    whenDialogOpens<GridSortDialog>([](GridSortDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Tri des coordonnées"));
        test::expectAllControlsNamed(d);
        child<QRadioButton>(d, "descendingRadio")->setChecked(true);
        click(d, "okButton");
    });
    click(&grid(), "sortButton");
    // Rows 1 to 3 by decreasing x, as pairs; row 4 stays.
    EXPECT_EQ(points(), (std::vector<Point>{{9, 3}, {5, 1}, {3, 2}, {1, 4}}));
}

TEST_F(GridToolTest, CorrectionRoundsByStepAndShowsItsFormula) {
    open({{1.3, 0}, {2.6, 0}});
    grid().setSelection(GridSelection::column(GridColumnX, 0, 1));
    whenDialogOpens<GridCorrectionDialog>([](GridCorrectionDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Fonction de correction"));
        test::expectAllControlsNamed(d);
        EXPECT_TRUE(child<QRadioButton>(d, "xOfXRadio")->isChecked());
        child<QListWidget>(d, "functionList")->setCurrentRow(15);
        child<QCheckBox>(d, "byStepCheck")->setChecked(true);
        EXPECT_EQ(child<MarkupLabel>(d, "formulaLabel")->accessibleName(), QStringLiteral("x = __round(x,pas)"));
        EXPECT_FALSE(child<QWidget>(d, "aField")->isEnabled());
        child<NumberField>(d, "stepField")->setText(QStringLiteral("0,25"));
        click(d, "okButton");
    });
    click(&grid(), "correctionButton");
    // The nearest multiples of 0.25: 1.3 gives 1.25, 2.6 gives 2.5.
    EXPECT_EQ(points(), (std::vector<Point>{{1.25, 0}, {2.5, 0}}));
}

TEST_F(GridToolTest, CorrectionOfZeroIsClippedWithItsMessage) {
    open({{0, 0}, {2, 0}});
    grid().setSelection(GridSelection::column(GridColumnY, 0, 1));
    whenDialogOpens<GridCorrectionDialog>([](GridCorrectionDialog* d) {
        child<QListWidget>(d, "functionList")->setCurrentRow(8);  // 1/v
        child<QRadioButton>(d, "yOfXRadio")->setChecked(true);
        EXPECT_EQ(child<MarkupLabel>(d, "formulaLabel")->accessibleName(), QStringLiteral("y = 1 / x"));
        click(d, "okButton");
    });
    click(&grid(), "correctionButton");
    EXPECT_EQ(points(), (std::vector<Point>{{0, 1e35}, {2, 0.5}}));
    ASSERT_EQ(prompts->shown.size(), 1u);
    EXPECT_EQ(prompts->shown[0].text, "Un certain nombre de valeurs ont été écrêtées\nlorsque  |valeur| > 1.00E+035 !");
}

TEST_F(GridToolTest, PolarDialogReadsItsGreekTexts) {
    open({{0, 2}});
    whenDialogOpens<GridPolarDialog>([](GridPolarDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Transformation : Polaires <-> Cartésiennes"));
        test::expectAllControlsNamed(d);
        EXPECT_EQ(child<QRadioButton>(d, "toPolarRadio")->text(), QStringLiteral("Cartésiennes x,y → Polaires θ,r"));
        EXPECT_EQ(child<QRadioButton>(d, "degreesRadio")->text(), QStringLiteral("Angles θ en degrés"));
        child<QRadioButton>(d, "degreesRadio")->setChecked(true);
        click(d, "okButton");
    });
    click(&grid(), "polarButton");
    // (0, 2): on the positive y axis, 90 degrees at radius 2.
    ASSERT_EQ(points().size(), 1u);
    EXPECT_NEAR(points()[0].x, 90.0, 1e-12);
    EXPECT_EQ(points()[0].y, 2.0);
}

TEST_F(GridToolTest, SequenceGrowsTheCurveAndLimitWithAnEmptyFieldChangesNothing) {
    open({{1, 1}, {2, 2}});
    grid().setSelection(GridSelection::column(GridColumnX, 0, 1));
    whenDialogOpens<GridSequenceDialog>([](GridSequenceDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Séquence numérique"));
        test::expectAllControlsNamed(d);
        child<NumberField>(d, "toField")->setText(QStringLiteral("4"));
        child<NumberField>(d, "firstField")->setText(QStringLiteral("10"));
        child<NumberField>(d, "stepField")->setText(QStringLiteral("0,5"));
        click(d, "okButton");
    });
    click(&grid(), "sequenceButton");
    EXPECT_EQ(points(), (std::vector<Point>{{10, 1}, {10.5, 2}, {11, 0}, {11.5, 0}}));

    grid().setSelection(GridSelection::column(GridColumnX, 0, 3));
    whenDialogOpens<GridLimitDialog>([](GridLimitDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Limitation des coordonnées"));
        test::expectAllControlsNamed(d);
        EXPECT_EQ(child<QLineEdit>(d, "miniEdit")->text(), QStringLiteral("10"));
        child<QLineEdit>(d, "maxiEdit")->clear();
        click(d, "okButton");
    });
    click(&grid(), "limitButton");
    EXPECT_EQ(points().size(), 4u);

    whenDialogOpens<GridLimitDialog>([](GridLimitDialog* d) {
        child<QLineEdit>(d, "miniEdit")->setText(QStringLiteral("11"));
        child<QLineEdit>(d, "maxiEdit")->setText(QStringLiteral("10,5"));
        child<QRadioButton>(d, "insideRadio")->setChecked(true);
        click(d, "okButton");
    });
    click(&grid(), "limitButton");
    EXPECT_EQ(points(), (std::vector<Point>{{10, 1}, {11.5, 0}}));
}

TEST_F(GridToolTest, InvertCumulateAndTheirHistory) {
    open({{1, 10}, {2, 20}, {3, 30}});
    grid().setSelection(GridSelection::rows(1, 2));
    whenDialogOpens<GridInvertDialog>([](GridInvertDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Inversion des coordonnées"));
        EXPECT_TRUE(child<QRadioButton>(d, "selectionRadio")->isChecked());
        click(d, "okButton");
    });
    click(&grid(), "invertButton");
    EXPECT_EQ(points(), (std::vector<Point>{{1, 10}, {20, 2}, {30, 3}}));
    grid().setSelection(GridSelection::column(GridColumnX, 0, 2));
    click(&grid(), "cumulateButton");
    EXPECT_EQ(points(), (std::vector<Point>{{1, 10}, {21, 2}, {51, 3}}));
    EXPECT_EQ(grid().history().size(), 2);
    click(&grid(), "undoButton");
    click(&grid(), "undoButton");
    EXPECT_EQ(points(), (std::vector<Point>{{1, 10}, {2, 20}, {3, 30}}));
}

}  // namespace
}  // namespace ordinax::shell
