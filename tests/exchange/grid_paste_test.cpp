// Pasting clipboard text into the coordinates grid. The blocks and the points
// they give are worked by hand from the paste rules.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/strings.h"
#include "base/strings_curves.h"
#include "exchange/grid_paste.h"

namespace ordinax::exchange {
namespace {

using document::GridColumnX;
using document::GridColumnY;
using document::GridCurve;
using document::GridSelection;
using document::Point;

GridCurve gridOf(std::initializer_list<Point> points) {
    document::Curve c;
    c.points = document::PointBuffer(std::span<const Point>(points.begin(), points.size()));
    return GridCurve::of(c);
}

std::vector<Point> pointsOf(const GridCurve& g) {
    const auto v = g.curve.points.view();
    return {v.begin(), v.end()};
}

TEST(GridPaste, TwoRowsOfThreeColumnsWithoutSelectionAppendThreePoints) {
    GridCurve g = gridOf({{0, 0}});
    const PasteResult r = pasteCells(g, GridSelection::none(), "1\t2\t3\r\n4\t5\t6\r\n");
    ASSERT_TRUE(r.changed) << r.message.text;
    // Two rows are turned into two columns: (1, 4), (2, 5), (3, 6) after the last point.
    EXPECT_EQ(pointsOf(g), (std::vector<Point>{{0, 0}, {1, 4}, {2, 5}, {3, 6}}));
    EXPECT_EQ(r.written, GridSelection::rows(1, 3));
    EXPECT_EQ(g.xFlags, "0111");
    EXPECT_EQ(g.yFlags, "0111");
}

TEST(GridPaste, AHeaderLineNamesTheVariables) {
    GridCurve g = gridOf({});
    const PasteResult r = pasteCells(g, GridSelection::none(), "x\ty\n1,5\t 2 \n3\t-4e2\n");
    ASSERT_TRUE(r.changed) << r.message.text;
    EXPECT_EQ(g.curve.axisName[0], "x");
    EXPECT_EQ(g.curve.axisName[1], "y");
    EXPECT_EQ(pointsOf(g), (std::vector<Point>{{1.5, 2}, {3, -400}}));

    // Names come in as Windows-1252.
    pasteCells(g, GridSelection::none(), "Temps (s)\tTempérature\n0\t20");
    EXPECT_EQ(g.curve.axisName[1], "Temp\xE9rature");
}

TEST(GridPaste, IntoTheSelectionOrItsTranspose) {
    GridCurve g = gridOf({{1, 1}, {2, 2}, {3, 3}});
    // Y column, rows 2 and 3: a column of two values, or the same as one line.
    ASSERT_TRUE(pasteCells(g, GridSelection::column(GridColumnY, 1, 2), "7\n8").changed);
    EXPECT_EQ(pointsOf(g), (std::vector<Point>{{1, 1}, {2, 7}, {3, 8}}));
    ASSERT_TRUE(pasteCells(g, GridSelection::column(GridColumnY, 2, 1), "70\t80").changed);
    EXPECT_EQ(pointsOf(g), (std::vector<Point>{{1, 1}, {2, 70}, {3, 80}}));
    EXPECT_EQ(g.yFlags, "011");
    EXPECT_EQ(g.xFlags, "000");
    // Whole rows 1 and 2 receive x and y.
    const PasteResult r = pasteCells(g, GridSelection::rows(0, 1), "10\t11\n20\t21");
    ASSERT_TRUE(r.changed);
    EXPECT_EQ(pointsOf(g), (std::vector<Point>{{10, 11}, {20, 21}, {3, 80}}));
    EXPECT_EQ(r.written, GridSelection::rows(0, 1));
    // The X column alone.
    ASSERT_TRUE(pasteCells(g, GridSelection::column(GridColumnX, 1, 2), "5\n6").changed);
    EXPECT_EQ(pointsOf(g), (std::vector<Point>{{10, 11}, {5, 21}, {6, 80}}));
}

TEST(GridPaste, OneSelectedCellPastesAfterTheLastPoint) {
    GridCurve g = gridOf({{1, 1}});
    ASSERT_TRUE(pasteCells(g, GridSelection::column(GridColumnY, 0, 0), "2\t3").changed);
    EXPECT_EQ(pointsOf(g), (std::vector<Point>{{1, 1}, {2, 3}}));
}

TEST(GridPaste, RefusalsLeaveTheGridAsItWas) {
    auto wrapped = [](std::string reason) { return "Opération impossible :\n\n< " + reason + " > !"; };
    struct Case {
        const char* name;
        std::optional<std::string> text;
        GridSelection selection;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"no text", std::nullopt, GridSelection::none(), "Le contenu du presse-papiers est inutilisable !"},
        {"empty", "\r\n", GridSelection::none(), wrapped("Le presse-papiers est vide")},
        {"ragged", "1\t2\n3", GridSelection::none(), wrapped("Disposition anormale des cellules copiées")},
        {"mismatch", "1\n2\n3", GridSelection::column(GridColumnY, 0, 1),
         wrapped("Les zones sélectionnées ne correspondent pas")},
        {"one column", "1\n2\n3", GridSelection::none(),
         wrapped("Les cellules copiées doivent comporter\ndeux lignes ou deux colonnes")},
        {"empty cell", "1\t2\n\t4", GridSelection::none(), wrapped("Une ou plusieurs des cellules copiées sont vides")},
        {"not a number", "1\t2\n3\t4x", GridSelection::none(),
         wrapped("Une ou plusieurs des cellules copiées comportent\ndes valeurs non-numériques")},
        {"infinity", "1\t2\n3\tinf", GridSelection::none(),
         wrapped("Une ou plusieurs des cellules copiées comportent\ndes valeurs non-numériques")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GridCurve g = gridOf({{1, 1}, {2, 2}});
        const GridCurve before = g;
        const PasteResult r =
            c.text ? pasteCells(g, c.selection, std::string_view(*c.text)) : pasteCells(g, c.selection, std::nullopt);
        EXPECT_FALSE(r.changed);
        EXPECT_EQ(r.message.text, c.message);
        EXPECT_EQ(r.message.heading, base::Heading::Warning);
        EXPECT_TRUE(g == before);
    }
}

TEST(GridPaste, NoMoreCellsThanTheRoomLeft) {
    // One point of room: two cells fit, four do not.
    std::vector<Point> many(static_cast<std::size_t>(document::MaxPoints - 1));
    document::Curve c;
    c.points = document::PointBuffer(many);
    GridCurve g = GridCurve::of(c);
    const PasteResult refused = pasteCells(g, GridSelection::none(), "1\t2\n3\t4");
    EXPECT_EQ(refused.message.id, base::MsgGridPasteImpossible);
    EXPECT_NE(refused.message.text.find("dépasse\nles capacités de OrdinaX"), std::string::npos);
    EXPECT_EQ(g.pointCount(), document::MaxPoints - 1);
    EXPECT_TRUE(pasteCells(g, GridSelection::none(), "1\t2").changed);
    EXPECT_EQ(g.pointCount(), document::MaxPoints);
}

}  // namespace
}  // namespace ordinax::exchange
