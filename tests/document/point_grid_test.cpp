// The coordinates grid's editing rules: selection, copy, delete, insert,
// typed cells, the last-action history, search and row choice. Expected
// texts and values are worked by hand from the rule stated with each case.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/strings.h"
#include "base/strings_curves.h"
#include "document/point_grid.h"

namespace ordinax::document {
namespace {

GridCurve gridOf(std::initializer_list<Point> points) {
    Curve c;
    c.title = "Essai";
    c.points = PointBuffer(std::span<const Point>(points.begin(), points.size()));
    return GridCurve::of(c);
}

std::vector<Point> pointsOf(const GridCurve& g) {
    const auto v = g.curve.points.view();
    return {v.begin(), v.end()};
}

TEST(GridSelectionRules, KindAndCellCountFollowTheRectangle) {
    struct Case {
        GridSelection s;
        int kind;
        long long cells;
    };
    const std::vector<Case> cases = {
        {GridSelection::none(), -1, 0},
        {GridSelection::column(GridColumnX, 3, 1), 0, 3},
        {GridSelection::column(GridColumnY, 0, 0), 1, 1},
        {GridSelection::rows(4, 2), 2, 6},
        {{2, 1, 5, 5}, 2, 2},  // right to left over one row
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.s.kind(), c.kind);
        EXPECT_EQ(c.s.cellCount(), c.cells);
    }
    // Rows past the last point are not cells of the curve.
    EXPECT_EQ(clipSelection(GridSelection::rows(2, 9), 4), GridSelection::rows(2, 3));
    EXPECT_TRUE(clipSelection(GridSelection::rows(5, 9), 4).empty());
}

TEST(GridCopy, WritesTheSelectedColumnsWithoutATrailingLineEnd) {
    const GridCurve g = gridOf({{1, 10}, {2, 20.5}, {3, 1e-7}, {4, -4}, {5, 50}});
    // Rows 2 to 4 (indexes 1 to 3) of the Y column; %g gives three exponent digits.
    EXPECT_EQ(copyCells(g.curve, GridSelection::column(GridColumnY, 1, 3)).text, "20.5\r\n1e-007\r\n-4");
    EXPECT_EQ(copyCells(g.curve, GridSelection::column(GridColumnX, 3, 4)).text, "4\r\n5");
    EXPECT_EQ(copyCells(g.curve, GridSelection::rows(0, 1)).text, "1\t10\r\n2\t20.5");
    // A selection running past the last point copies the points there are.
    EXPECT_EQ(copyCells(g.curve, GridSelection::rows(4, 7)).text, "5\t50");
    // Six digits are not enough for every value: a copy pasted back must give the same points.
    const GridCurve precise = gridOf({{3.14159265, 0.1}, {1.0 / 3.0, 2e-300}});
    EXPECT_EQ(copyCells(precise.curve, GridSelection::rows(0, 1)).text,
              "3.14159265\t0.1\r\n0.3333333333333333\t2e-300");
}

TEST(GridCopy, NeedsTwoCellsOfACurveWithPoints) {
    const GridCurve g = gridOf({{1, 10}, {2, 20}});
    const std::string refusal = "Copier impossible :\n\n\"Sélectionner un groupe de cellule\".";
    for (const GridSelection& s : {GridSelection::none(), GridSelection::column(GridColumnY, 1, 1)}) {
        const CopyResult r = copyCells(g.curve, s);
        EXPECT_TRUE(r.text.empty());
        EXPECT_EQ(r.message.text, refusal);
        EXPECT_EQ(r.message.heading, base::Heading::Warning);
    }
    EXPECT_EQ(copyCells(gridOf({}).curve, GridSelection::rows(0, 3)).message.text, refusal);
}

TEST(GridDelete, NeedsWholeRowsAndMovesLaterPointsAndFlagsUp) {
    EXPECT_EQ(checkDelete(GridSelection::rows(1, 1)).text, "");  // one row is two cells: more than one
    EXPECT_EQ(checkDelete(GridSelection::column(GridColumnX, 0, 3)).id, base::MsgGridDeleteImpossible);
    EXPECT_EQ(checkDelete(GridSelection::none()).id, base::MsgGridDeleteImpossible);
    EXPECT_EQ(checkCut(GridSelection::column(GridColumnY, 0, 1)).text,
              "Couper impossible :\n\n\"Sélectionner un groupe de coordonnées X et Y\".");
    EXPECT_EQ(deleteRowsConfirmation().text,
              "Toutes les coordonnées sélectionnées\nvont être supprimées.\n\nConfirmation ?");

    GridCurve g = gridOf({{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}});
    g.xFlags = "00001";
    EXPECT_TRUE(deleteRows(g, GridSelection::rows(3, 1)));
    EXPECT_EQ(pointsOf(g), (std::vector<Point>{{1, 1}, {5, 5}}));
    EXPECT_EQ(g.xFlags, "01");
    EXPECT_EQ(g.yFlags, "00");
}

TEST(GridInsert, OneWholeRowAndRoomForAPoint) {
    GridCurve g = gridOf({{1, 1}, {3, 3}});
    EXPECT_EQ(checkInsert(2, GridSelection::column(GridColumnX, 1, 1)).text,
              "Sélectionner tout d'abord la ligne\navant laquelle se fera l'insertion.");
    EXPECT_EQ(checkInsert(2, GridSelection::rows(0, 1)).id, base::MsgGridInsertSelectRow);
    EXPECT_TRUE(checkInsert(2, GridSelection::rows(1, 1)).empty());
    const base::Message full = checkInsert(MaxPoints, GridSelection::rows(1, 1));
    EXPECT_EQ(full.text, "Insertion impossible.\n\nLe nombre maximum de points a été atteint !");
    EXPECT_EQ(full.heading, base::Heading::Error);

    EXPECT_TRUE(insertPoint(g, 1, {2, 2}));
    EXPECT_EQ(pointsOf(g), (std::vector<Point>{{1, 1}, {2, 2}, {3, 3}}));
    EXPECT_EQ(g.xFlags, "010");
    EXPECT_TRUE(insertPoint(g, 3, {4, 4}));  // before the end: appended
    EXPECT_EQ(g.pointCount(), 4);
    EXPECT_FALSE(insertPoint(g, 9, {0, 0}));
}

TEST(GridCell, TypedValuesFollowTheNumberRule) {
    GridCurve g = gridOf({{1, 1}, {2, 2}});
    struct Case {
        int row;
        int column;
        const char* typed;
        bool changed;
        int messageId;
    };
    const std::vector<Case> cases = {
        {0, GridColumnY, "1,5", true, 0},                // decimal comma
        {1, GridColumnX, " 2 ", false, 0},               // the same value: no change
        {1, GridColumnX, "", false, 0},                  // emptied: kept silently
        {1, GridColumnX, "deux", false, base::MsgGridCellNotNumber},
        {1, GridColumnY, "2e40", false, base::MsgValueMaximumReal},
        {2, GridColumnY, "-7.25", true, 0},              // the last, empty row appends a point
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const CellEdit e = setCell(g, c.row, c.column, c.typed);
        EXPECT_EQ(e.changed, c.changed);
        EXPECT_EQ(e.message.id, c.messageId);
    }
    EXPECT_EQ(pointsOf(g), (std::vector<Point>{{1, 1.5}, {2, 2}, {0, -7.25}}));
    EXPECT_EQ(g.xFlags, "000");
    EXPECT_EQ(g.yFlags, "101");
    EXPECT_EQ(setCell(g, 0, GridColumnX, "abc").message.text,
              "« abc » n'est pas une valeur numérique !\n\nTapez un nombre (le point ou la virgule comme "
              "séparateur décimal) ;\nla valeur précédente est conservée.");
}

TEST(GridHistoryRules, AnEleventhChangeDropsTheOldestAndTenStepsRemain) {
    GridCurve g = gridOf({{0, 0}});
    GridHistory history;
    for (int change = 1; change <= 11; ++change) {
        const GridCurve before = g;
        setCell(g, 0, GridColumnY, std::to_string(change));
        EXPECT_TRUE(history.record(before, g));
    }
    EXPECT_EQ(history.size(), GridHistory::Capacity);
    // Going back ten times walks y down 10, 9, ... 1; the state before the
    // first change (y = 0) was dropped.
    for (int expected = 10; expected >= 1; --expected) {
        ASSERT_TRUE(history.undo(g));
        EXPECT_EQ(g.curve.points[0].y, expected);
    }
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.undo(g));

    // A command that changed nothing leaves no step.
    EXPECT_FALSE(history.record(g, g));
}

TEST(GridHistoryRules, TypedCellsGoBackOneByOne) {
    GridCurve g = gridOf({{1, 1}});
    GridHistory history;
    const CellEdit appended = setCell(g, 1, GridColumnX, "5");
    ASSERT_TRUE(appended.changed);
    history.push(appended.change);
    const CellEdit typed = setCell(g, 0, GridColumnY, "7");
    history.push(typed.change);
    GridCurve snapshot = g;
    history.push(snapshot);  // a snapshot step between them
    ASSERT_TRUE(deleteRows(g, GridSelection::rows(0, 0)));
    EXPECT_EQ(history.size(), 3);

    ASSERT_TRUE(history.undo(g));  // the deleted row comes back
    EXPECT_EQ(pointsOf(g), (std::vector<Point>{{1, 7}, {5, 0}}));
    ASSERT_TRUE(history.undo(g));  // the typed 7 goes
    EXPECT_EQ(pointsOf(g), (std::vector<Point>{{1, 1}, {5, 0}}));
    EXPECT_EQ(g.yFlags, "00");
    ASSERT_TRUE(history.undo(g));  // the appended point goes
    EXPECT_EQ(pointsOf(g), (std::vector<Point>{{1, 1}}));
    EXPECT_EQ(g.xFlags, "0");
    EXPECT_FALSE(history.canUndo());
}

TEST(GridHistoryRules, GoingBackKeepsTheTypedTitleAndRestoresNames) {
    GridCurve g = gridOf({{1, 1}});
    GridHistory history;
    const GridCurve before = g;
    g.curve.axisName = {"t", "v"};
    setCell(g, 0, GridColumnX, "5");
    history.record(before, g);
    g.curve.title = "Nouveau titre";
    ASSERT_TRUE(history.undo(g));
    EXPECT_EQ(g.curve.title, "Nouveau titre");
    EXPECT_EQ(g.curve.axisName[0], "");
    EXPECT_EQ(g.curve.points[0].x, 1.0);
    EXPECT_EQ(g.xFlags, "0");
}

TEST(GridSearch, WrapsRoundAndFindsTheLastRowAgain) {
    const GridCurve g = gridOf({{1, 5}, {2, 7}, {5, 3}, {4, 9}});
    EXPECT_EQ(findRow(g.curve, SearchWhere::Abscissas, 5, 0).row, 2);
    EXPECT_EQ(findRow(g.curve, SearchWhere::Ordinates, 5, 0).row, 0);
    EXPECT_EQ(findRow(g.curve, SearchWhere::Both, 5, 1).row, 2);
    EXPECT_EQ(findRow(g.curve, SearchWhere::Both, 5, 3).row, 0);  // wraps round to row 0
    // 9 stands in the last row only: the next search after that hit turns
    // round the whole curve and lands on it again.
    const SearchResult last = findRow(g.curve, SearchWhere::Ordinates, 9, 0);
    ASSERT_EQ(last.row, 3);
    EXPECT_EQ(findRow(g.curve, SearchWhere::Ordinates, 9, last.row + 1).row, 3);

    const SearchResult missing = findRow(g.curve, SearchWhere::Abscissas, 7.5, 0);
    EXPECT_EQ(missing.row, -1);
    EXPECT_EQ(missing.message.text, "La valeur 7.5 n'a pas été trouvée !");
    EXPECT_EQ(missing.message.heading, base::Heading::Error);
    EXPECT_EQ(findRow(gridOf({}).curve, SearchWhere::Both, 0, 0).row, -1);
}

TEST(GridSearch, ExtremesOfTheColumnsSearched) {
    const GridCurve g = gridOf({{1, 5}, {-2, 7}, {5, 3}});
    struct Case {
        SearchWhat what;
        SearchWhere where;
        double expected;
    };
    for (const Case& c : {Case{SearchWhat::Minimum, SearchWhere::Abscissas, -2},
                          Case{SearchWhat::Maximum, SearchWhere::Abscissas, 5},
                          Case{SearchWhat::Minimum, SearchWhere::Ordinates, 3},
                          Case{SearchWhat::Maximum, SearchWhere::Both, 7},
                          Case{SearchWhat::Minimum, SearchWhere::Both, -2}}) {
        EXPECT_EQ(searchedValue(g.curve, {c.what, c.where, 0.0}), c.expected);
    }
    EXPECT_EQ(searchedValue(g.curve, {SearchWhat::Value, SearchWhere::Both, 42.0}), 42.0);
    EXPECT_FALSE(searchedValue(gridOf({}).curve, {SearchWhat::Maximum, SearchWhere::Both, 0.0}));
}

TEST(GridSelectRows, NumbersFromOneInEitherOrderWithinThePoints) {
    EXPECT_EQ(selectRows(10, 2, 4, false, SelectColumns::Both), GridSelection::rows(1, 3));
    EXPECT_EQ(selectRows(10, 4, 2, false, SelectColumns::Ordinates), GridSelection::column(GridColumnY, 1, 3));
    EXPECT_EQ(selectRows(10, 0, 99, false, SelectColumns::Abscissas), GridSelection::column(GridColumnX, 0, 9));
    EXPECT_EQ(selectRows(10, 7, 7, true, SelectColumns::Both), GridSelection::rows(0, 9));
    EXPECT_TRUE(selectRows(10, 11, 12, false, SelectColumns::Both).empty());
    EXPECT_TRUE(selectRows(0, 1, 1, true, SelectColumns::Both).empty());
}

TEST(GridFlags, ToolsMarkTheCellsTheyChanged) {
    GridCurve before = gridOf({{1, 1}, {2, 2}});
    before.yFlags = "10";
    GridCurve after = before;
    after.curve.points.edit()[1].x = 9;
    markChangedCells(after, before);
    EXPECT_EQ(after.xFlags, "01");
    EXPECT_EQ(after.yFlags, "10");
    after.curve.points.resize(1);
    markChangedCells(after, before);
    EXPECT_EQ(after.xFlags, "0");
    EXPECT_EQ(after.yFlags, "0");
}

}  // namespace
}  // namespace ordinax::document
