// Rules of the curve menu's dialogs and of the symbol and line dialogs.
// Expected values are worked by hand from the rule stated with each case.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/curve_dialog_rules.h"
#include "document/curve_style_rules.h"
#include "document/diagram_defaults.h"

namespace ordinax::document {
namespace {

Curve curveWith(std::string title, std::initializer_list<Point> points) {
    Curve c;
    c.title = std::move(title);
    c.points = PointBuffer(std::span<const Point>(points.begin(), points.size()));
    return c;
}

Diagram twoCurves() {
    Diagram d;
    resetDiagram(d, factoryDiagramDefaults());
    d.displayMode = 1;
    d.curves.push_back(curveWith("A", {{1, 10}, {3, -2}}));
    d.curves.push_back(curveWith("B", {{-5, 4}, {2, 6}}));
    return d;
}

TEST(CurveDialogRules, TitlesTypedOrByDefault) {
    EXPECT_EQ(titleOrDefault("Mesures", 4), "Mesures");
    EXPECT_EQ(titleOrDefault("  ", 4), "Courbe n\xB0 5");  // Windows-1252 degree sign
    EXPECT_EQ(titleOrDefault(std::string(600, 'a'), 0).size(), 512u);
    EXPECT_EQ(duplicateTitle(curveWith("Pression \xE9t\xE9", {})), "Pression \xE9t\xE9 (copie)");
    EXPECT_EQ(concatenateTitle(), "Concat\xE9nation");
}

TEST(CurveDialogRules, ButtonsFollowTheChoice) {
    const Diagram d = twoCurves();
    EXPECT_FALSE(canDuplicate(d, -1));
    EXPECT_TRUE(canDuplicate(d, 1));
    EXPECT_FALSE(canDuplicate(d, 2));
    EXPECT_FALSE(canConcatenate(std::vector<int>{1}));
    EXPECT_FALSE(canConcatenate(std::vector<int>{1, 1}));
    EXPECT_TRUE(canConcatenate(std::vector<int>{1, 0}));

    Diagram withFunction = d;
    withFunction.curves[1].function.functionId = 3;
    EXPECT_FALSE(anyFunction(withFunction, std::vector<int>{0}));
    EXPECT_TRUE(anyFunction(withFunction, std::vector<int>{0, 1}));
    EXPECT_FALSE(anyFunction(withFunction, std::vector<int>{7}));
}

TEST(CurveDialogRules, OrderButtonsAtEachPlace) {
    struct Case {
        int position;
        int count;
        bool top, up, down, bottom, sort;
    };
    const std::vector<Case> cases = {
        {0, 3, false, false, true, true, true},   {1, 3, true, true, true, true, true},
        {2, 3, true, true, false, false, true},   {0, 1, false, false, false, false, false},
        {-1, 3, false, false, false, false, true},
    };
    for (const Case& c : cases) {
        const OrderButtons b = orderButtons(c.position, c.count);
        EXPECT_EQ(b.top, c.top);
        EXPECT_EQ(b.up, c.up);
        EXPECT_EQ(b.down, c.down);
        EXPECT_EQ(b.bottom, c.bottom);
        EXPECT_EQ(b.sort, c.sort);
    }
}

TEST(CurveDialogRules, DelimitationStartsFromTheSelectedCurveOrEveryCurve) {
    Diagram d = twoCurves();
    d.curves[1].bounds = {{{0, 5}, {-1, 1}}};
    d.curves[1].excludePoints = 1;
    const DelimitStart one = delimitStart(d, 1);
    EXPECT_EQ(one.bounds, d.curves[1].bounds);
    EXPECT_TRUE(one.excludePoints);
    EXPECT_FALSE(one.allCurves);
    EXPECT_FALSE(one.allCurvesFixed);
    const DelimitStart every = delimitStart(d, -1);
    EXPECT_EQ(every.bounds, d.curves[0].bounds);
    EXPECT_TRUE(every.allCurves);
    EXPECT_TRUE(every.allCurvesFixed);

    // "[mini, maxi]": the curve's extent, or the union of every curve's.
    EXPECT_EQ(delimitExtent(d, 0), (CurveBounds{{{1, 3}, {-2, 10}}}));
    EXPECT_EQ(delimitExtent(d, -1), (CurveBounds{{{-5, 3}, {-2, 10}}}));
}

TEST(CurveDialogRules, InformationLinesOfACurve) {
    Diagram d = twoCurves();
    d.curves[0].title = "D\xE9" "bit";
    const std::vector<InformationLine> lines = informationLines(d, 0);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0].value, "Débit");
    EXPECT_EQ(lines[1].value, "2");
    EXPECT_EQ(lines[2].label, "x mini =");
    EXPECT_EQ(lines[2].value, "1");
    EXPECT_EQ(lines[3].value, "3");
    EXPECT_EQ(lines[4].value, "-2");
    EXPECT_EQ(lines[5].value, "10");
    d.curves[1].points.clear();
    EXPECT_EQ(informationLines(d, 1)[2].value, "aucun point");
    EXPECT_TRUE(informationLines(d, 5).empty());
}

TEST(CurveDialogRules, WhichCurveACommandTakes) {
    Diagram d = twoCurves();
    EXPECT_EQ(commandCurve(d, 1), 1);
    EXPECT_EQ(commandCurve(d, -1), -1);  // two curves, none selected: the user chooses
    d.curves.pop_back();
    EXPECT_EQ(commandCurve(d, -1), 0);
}

TEST(CurveStyleRules, FontSizesOfTheDialogs) {
    const auto sizes = fontSizes();
    // 6..12 by 1 (7 sizes), 14..48 by 2 (18), 52..128 by 4 (20).
    ASSERT_EQ(sizes.size(), 45u);
    EXPECT_EQ(sizes[6], 12);
    EXPECT_EQ(sizes[7], 14);
    EXPECT_EQ(sizes[24], 48);
    EXPECT_EQ(sizes[25], 52);
    EXPECT_EQ(sizes.back(), 128);
}

TEST(CurveStyleRules, ControlsOfEachSymbolType) {
    struct Case {
        int type;
        int fill;
        int box;
        bool shape, character, special, boxed, fillBox, inner, outer, size;
    };
    const std::vector<Case> cases = {
        {0, 0, 0, false, false, false, false, false, false, false, false},
        {1, 0, 0, true, false, false, false, true, false, true, true},
        {1, 1, 0, true, false, false, false, true, true, true, true},
        {2, 0, 0, false, false, false, false, false, true, true, true},
        {3, 1, 0, false, true, false, true, true, false, true, true},  // nothing to fill without a box
        {3, 1, 2, false, true, false, true, true, true, true, true},
        {4, 0, 3, false, false, true, true, true, false, true, true},
    };
    for (const Case& c : cases) {
        SymbolStyle s;
        s.type = c.type;
        s.fill = c.fill;
        s.reserved = c.box;
        const SymbolControls k = symbolControls(s);
        SCOPED_TRACE(c.type);
        EXPECT_EQ(k.shape, c.shape);
        EXPECT_EQ(k.character, c.character);
        EXPECT_EQ(k.special, c.special);
        EXPECT_EQ(k.box, c.boxed);
        EXPECT_EQ(k.fill, c.fillBox);
        EXPECT_EQ(k.innerColour, c.inner);
        EXPECT_EQ(k.outerColour, c.outer);
        EXPECT_EQ(k.size, c.size);
        EXPECT_EQ(k.belowLine, c.size);
    }
}

TEST(CurveStyleRules, StoredValuesStayInTheirLists) {
    SymbolStyle s;
    s.type = 9;
    s.number = 47;  // 47 - 22 - 22
    s.size = 0;
    s.character = 7;
    s.reserved = 12;
    const SymbolStyle n = normalisedSymbol(s);
    EXPECT_EQ(n.type, 4);
    EXPECT_EQ(n.number, 3);
    EXPECT_EQ(n.size, SymbolSizeMin);
    EXPECT_EQ(n.character, CharacterCodeMin);
    EXPECT_EQ(n.reserved, 4);
    LineStyle l;
    l.type = {7, -1};
    l.width = {0, 99};
    const LineStyle m = normalisedLine(l);
    EXPECT_EQ(m.type, (std::array<std::int32_t, 2>{5, 0}));
    EXPECT_EQ(m.width, (std::array<std::int32_t, 2>{1, 50}));
}

TEST(CurveStyleRules, NewCurvesChangeShapeWhenAsked) {
    SymbolStyle preferred;
    preferred.type = 1;
    preferred.number = 2;
    LineStyle line;
    line.colour = {255, 0};
    EXPECT_EQ(newCurveStyle(preferred, line, true, 0).symbol.number, 2);
    EXPECT_EQ(newCurveStyle(preferred, line, true, 3).symbol.number, 5);
    EXPECT_EQ(newCurveStyle(preferred, line, true, 22).symbol.number, 1);  // 2 + 22 wraps past 23
    EXPECT_EQ(newCurveStyle(preferred, line, false, 3).symbol.number, 2);
    EXPECT_EQ(newCurveStyle(preferred, line, true, 3).line, line);
    preferred.type = 3;  // characters keep theirs
    EXPECT_EQ(newCurveStyle(preferred, line, true, 3).symbol.number, 2);
}

}  // namespace
}  // namespace ordinax::document
