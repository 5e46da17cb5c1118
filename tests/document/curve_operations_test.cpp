// Whole-curve operations: new, duplicate, concatenate, delete, order,
// activate, delimit, select and information. Expected values are worked by
// hand from the operation rules stated with each case.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/strings.h"
#include "document/curve_operations.h"
#include "document/diagram_ops.h"

namespace ordinax::document {
namespace {

Curve curveWith(std::string title, std::initializer_list<Point> points = {{0.0, 0.0}}) {
    Curve c;
    c.title = std::move(title);
    c.points = PointBuffer(std::span<const Point>(points.begin(), points.size()));
    return c;
}

Diagram diagramWithTitles(std::initializer_list<const char*> titles) {
    Diagram d;
    resetDiagram(d, factoryDiagramDefaults());
    d.displayMode = 1;
    for (const char* t : titles) d.curves.push_back(curveWith(t));
    return d;
}

std::vector<std::string> titles(const Diagram& d) {
    std::vector<std::string> out;
    for (const Curve& c : d.curves) out.push_back(c.title);
    return out;
}

Diagram fullDiagram() {
    Diagram d = diagramWithTitles({});
    for (int i = 0; i < MaxCurves; ++i) d.curves.push_back(curveWith("c" + std::to_string(i)));
    return d;
}

// ---- delete ---------------------------------------------------------------

struct DeleteCase {
    const char* name;
    std::vector<const char*> before;
    std::vector<int> remove;
    int selectedBefore;
    std::vector<std::string> after;
    int selectedAfter;
    bool changed;
};

TEST(DeleteCurves, RemovesFromTheTopAndAdjustsTheSelection) {
    // Rule: removal from the highest index down; a deleted or moved selection
    // becomes -1; a single remaining curve becomes the selection.
    const std::vector<DeleteCase> cases = {
        {"only curve", {"A"}, {0}, 0, {}, -1, true},
        {"0 and 2 of three", {"A", "B", "C"}, {0, 2}, 1, {"B"}, 0, true},
        {"0 and 2 of three, all selected", {"A", "B", "C"}, {2, 0}, -1, {"B"}, 0, true},
        {"nothing chosen", {"A", "B", "C"}, {}, 2, {"A", "B", "C"}, 2, false},
        {"below the selection: kept", {"A", "B", "C"}, {2}, 0, {"A", "B"}, 0, true},
        {"above the selection: it moves", {"A", "B", "C"}, {0}, 2, {"B", "C"}, -1, true},
        {"the selection itself", {"A", "B", "C", "D"}, {1}, 1, {"A", "C", "D"}, -1, true},
        {"invalid and repeated indices", {"A", "B", "C"}, {1, 1, 7, -1}, -1, {"A", "C"}, -1, true},
    };
    for (const DeleteCase& c : cases) {
        SCOPED_TRACE(c.name);
        Diagram d = diagramWithTitles({});
        for (const char* t : c.before) d.curves.push_back(curveWith(t));
        const CurveOpResult r = deleteCurves(d, c.remove, c.selectedBefore);
        EXPECT_EQ(titles(d), c.after);
        EXPECT_EQ(r.selected, c.selectedAfter);
        EXPECT_EQ(r.changed, c.changed);
        EXPECT_TRUE(r.message.empty());
    }
}

TEST(DeleteCurves, RenumbersDefaultTitlesAndTheLegendBlock) {
    Diagram d = diagramWithTitles({"Courbe n\xB0 1", "Courbe n\xB0 2", "Mine", "Courbe n\xB0 4"});
    d.curves[0].legend = "first";
    d.curves[3].legend = "fourth";
    d.labels[LegendSlot].placement = 3;
    const int remove[] = {0};
    deleteCurves(d, remove, -1);
    // Default titles take their new 1-based position; the typed one stays.
    EXPECT_EQ(titles(d), (std::vector<std::string>{"Courbe n\xB0 1", "Mine", "Courbe n\xB0 3"}));
    EXPECT_EQ(d.labels[LegendSlot].lineCount, 1);  // one curve with a legend left
}

TEST(DeleteFunctions, UnlinksEveryCurveOfTheChosenFamiliesOnly) {
    Diagram d = diagramWithTitles({"h", "m", "other", "plain"});
    const int ids[] = {3, 3, 5, 0};
    for (std::size_t i = 0; i < 4; ++i) d.curves[i].function.functionId = ids[i];
    const Diagram before = d;
    const int chosen[] = {1};  // a member: its whole family (id 3) is unlinked
    const CurveOpResult r = deleteFunctions(d, chosen, 2);
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(r.selected, 2);
    EXPECT_EQ(d.curves[0].function.functionId, 0);
    EXPECT_EQ(d.curves[1].function.functionId, 0);
    EXPECT_EQ(d.curves[2].function.functionId, 5);
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(d.curves[i].points, before.curves[i].points);

    const int plain[] = {3};  // no function: nothing to unlink
    EXPECT_FALSE(deleteFunctions(d, plain, 2).changed);
    EXPECT_EQ(d.curves[2].function.functionId, 5);
}

TEST(DeleteConfirmation, ChoosesSingularOrPluralForms) {
    // Texts expanded by hand from the "{singular|plural}" rule.
    struct Case {
        int count;
        std::string curves;
        std::string functions;
    };
    const std::vector<Case> cases = {
        {1, "La courbe sélectionnée va être supprimée !\n\nConfirmation ?",
         "La fonction analytique associée avec la\ncourbe sélectionnée va être supprimée !\n\nConfirmation ?"},
        {2, "Les courbes sélectionnées vont être supprimées !\n\nConfirmation ?",
         "Les fonctions analytiques associées avec les\ncourbes sélectionnées vont être supprimées !\n\n"
         "Confirmation ?"},
        {0, "La courbe sélectionnée va être supprimée !\n\nConfirmation ?",
         "La fonction analytique associée avec la\ncourbe sélectionnée va être supprimée !\n\nConfirmation ?"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        const base::Message curves = deleteCurvesConfirmation(c.count);
        EXPECT_EQ(curves.text, c.curves);
        EXPECT_EQ(curves.heading, base::Heading::Warning);
        EXPECT_EQ(curves.icon(), base::Icon::Exclamation);
        const base::Message functions = deleteFunctionsConfirmation(c.count);
        EXPECT_EQ(functions.text, c.functions);
        EXPECT_EQ(functions.heading, base::Heading::Warning);
    }
}

// ---- new, duplicate, concatenate ------------------------------------------

TEST(CurveCreation, AFullDiagramReportsAndStaysUnchanged) {
    const std::string expected =
        "Impossible de créer une nouvelle courbe !\n\nLe nombre maxi de courbes est atteint pour ce diagramme.";
    Diagram d = fullDiagram();
    const Diagram before = d;
    const int sources[] = {0, 1};
    const std::vector<CurveOpResult> results = {
        newCurve(d, factoryDiagramDefaults(), 4),
        duplicateCurve(d, 0, "copy", 4),
        concatenateCurves(d, sources, "merged", SymbolStyle{}, 4),
    };
    for (const CurveOpResult& r : results) {
        EXPECT_FALSE(r.changed);
        EXPECT_EQ(r.selected, 4);
        EXPECT_EQ(r.message.text, expected);
        EXPECT_EQ(r.message.heading, base::Heading::Error);
    }
    EXPECT_EQ(d, before);
}

TEST(NewCurve, TakesTheNextSlotAndSelectsIt) {
    Diagram d = diagramWithTitles({"A", "B"});
    const CurveOpResult r = newCurve(d, factoryDiagramDefaults(), 0);
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(r.selected, 2);
    ASSERT_EQ(d.curveCount(), 3);
    EXPECT_EQ(d.curves[2].pointCount(), 0);
}

TEST(DuplicateCurve, CopiesUnderTheTypedTitleAndSelectsTheCopy) {
    Diagram d = diagramWithTitles({"A", "B"});
    d.curves[1].treatment = 7;
    const CurveOpResult r = duplicateCurve(d, 1, "Copie", 0);
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(r.selected, 2);
    ASSERT_EQ(d.curveCount(), 3);
    EXPECT_EQ(d.curves[2].title, "Copie");
    EXPECT_EQ(d.curves[2].treatment, 7);
    EXPECT_TRUE(d.curves[2].points.sharesWith(d.curves[1].points));  // copy-on-write

    // The edit box holds at most 512 characters.
    duplicateCurve(d, 0, std::string(600, 'x'), 0);
    EXPECT_EQ(d.curves[3].title, std::string(512, 'x'));

    // No source chosen: nothing happens.
    const CurveOpResult none = duplicateCurve(d, -1, "x", 1);
    EXPECT_FALSE(none.changed);
    EXPECT_EQ(none.selected, 1);
    EXPECT_EQ(d.curveCount(), 4);
}

TEST(DuplicateCurve, TheFamilyKeepsASingleHolder) {
    Diagram d = diagramWithTitles({"holder", "member"});
    for (Curve& c : d.curves) {
        c.function.functionId = 3;
        c.function.expression = "y=a*x";
        c.function.parameter = "a";
    }
    d.curves[0].function.parametric = 1;

    duplicateCurve(d, 0, "copy of holder", -1);
    EXPECT_EQ(d.curves[2].function, FunctionDef{});

    duplicateCurve(d, 1, "copy of member", -1);
    EXPECT_EQ(d.curves[3].function, d.curves[1].function);  // not a holder: stays linked
    EXPECT_EQ(d.curves[0].function.parametric, 1);          // the holder itself is untouched
}

TEST(ConcatenateCurves, JoinsThePointsInListOrder) {
    Diagram d = diagramWithTitles({});
    d.curves.push_back(curveWith("A", {{1.0, 10.0}, {2.0, 20.0}}));
    d.curves.push_back(curveWith("B", {{-3.0, 5.0}}));
    d.curves.push_back(curveWith("C", {{9.0, 9.0}}));
    SymbolStyle symbol;
    symbol.number = 7;
    const int sources[] = {1, 0, 1};  // given out of order and repeated: list order, each once
    const CurveOpResult r = concatenateCurves(d, sources, "AB", symbol, 2);
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(r.selected, 3);
    ASSERT_EQ(d.curveCount(), 4);
    const Curve& m = d.curves[3];
    EXPECT_EQ(m.title, "AB");
    EXPECT_EQ(m.symbol.number, 7);
    const std::vector<Point> expected = {{1.0, 10.0}, {2.0, 20.0}, {-3.0, 5.0}};
    EXPECT_EQ(std::vector<Point>(m.points.view().begin(), m.points.view().end()), expected);
    // Extent by hand: x in [-3, 2], y in [5, 20].
    EXPECT_EQ(m.extent, (CurveBounds{{{-3.0, 2.0}, {5.0, 20.0}}}));

    const int nothing[] = {5};
    EXPECT_FALSE(concatenateCurves(d, nothing, "x", symbol, 2).changed);
    EXPECT_EQ(d.curveCount(), 4);
}

TEST(ConcatenateCurves, AcceptsExactlyMaxPointsAndRefusesOneMore) {
    // 600000 + 400000 = MaxPoints (1000000); one more point exceeds it.
    Diagram d = diagramWithTitles({});
    const auto sized = [](std::size_t n, double first) {
        Curve c;
        std::span<Point> p = c.points.assignUninitialised(n);
        for (std::size_t i = 0; i < n; ++i) p[i] = {first + static_cast<double>(i), 1.0};
        return c;
    };
    d.curves.push_back(sized(600'000, 0.0));
    d.curves.push_back(sized(400'000, 600'000.0));
    d.curves.push_back(sized(1, -1.0));
    const Diagram before = d;

    const int tooMany[] = {0, 1, 2};
    const CurveOpResult refused = concatenateCurves(d, tooMany, "all", SymbolStyle{}, 0);
    EXPECT_FALSE(refused.changed);
    EXPECT_EQ(refused.selected, 0);
    EXPECT_EQ(refused.message.text, "Concaténation impossible !\n\nEnsemble des points supérieur à 1000000.");
    EXPECT_EQ(refused.message.heading, base::Heading::Error);
    EXPECT_EQ(d, before);

    const int exact[] = {0, 1};
    const CurveOpResult built = concatenateCurves(d, exact, "all", SymbolStyle{}, 0);
    EXPECT_TRUE(built.changed);
    ASSERT_EQ(d.curveCount(), 4);
    const std::span<const Point> p = d.curves[3].points.view();
    ASSERT_EQ(p.size(), static_cast<std::size_t>(MaxPoints));
    EXPECT_EQ(p[599'999].x, 599'999.0);
    EXPECT_EQ(p[600'000].x, 600'000.0);
    EXPECT_EQ(p[999'999].x, 999'999.0);
}

// ---- order ----------------------------------------------------------------

TEST(OrderCurves, MovesOneCurveAndTheSelectionFollowsIt) {
    struct Case {
        OrderMove move;
        int chosen;
        std::vector<std::string> after;
        int position;
        int selectedAfter;  // "A" was selected (index 0)
    };
    const std::vector<Case> cases = {
        {OrderMove::Top, 2, {"C", "A", "B", "D"}, 0, 1},
        {OrderMove::Up, 2, {"A", "C", "B", "D"}, 1, 0},
        {OrderMove::Down, 2, {"A", "B", "D", "C"}, 3, 0},
        {OrderMove::Bottom, 0, {"B", "C", "D", "A"}, 3, 3},
        {OrderMove::Up, 0, {"A", "B", "C", "D"}, 0, 0},
        {OrderMove::Down, 3, {"A", "B", "C", "D"}, 3, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.move) * 10 + c.chosen);
        Diagram d = diagramWithTitles({"A", "B", "C", "D"});
        const OrderResult r = orderCurves(d, c.move, c.chosen, 0);
        EXPECT_EQ(titles(d), c.after);
        EXPECT_EQ(r.position, c.position);
        EXPECT_EQ(r.selected, c.selectedAfter);
        EXPECT_EQ(r.changed, c.position != c.chosen);
    }
}

TEST(OrderCurves, SortsTitlesByBytes) {
    // Byte values: 'B' 0x42 < 'a' 0x61 < 'b' 0x62 < 0xE9 ('é' in Windows-1252).
    struct Case {
        OrderMove move;
        std::vector<const char*> before;
        std::vector<std::string> after;
    };
    const std::vector<Case> cases = {
        {OrderMove::SortAZ, {"b", "B", "a"}, {"B", "a", "b"}},
        {OrderMove::SortZA, {"b", "B", "a"}, {"b", "a", "B"}},
        {OrderMove::SortAZ, {"\xE9t\xE9", "z", "ab", "a"}, {"a", "ab", "z", "\xE9t\xE9"}},
        {OrderMove::SortAZ, {"x"}, {"x"}},
    };
    for (const Case& c : cases) {
        Diagram d = diagramWithTitles({});
        for (const char* t : c.before) d.curves.push_back(curveWith(t));
        const OrderResult r = orderCurves(d, c.move, 0, 0);
        EXPECT_EQ(titles(d), c.after);
        EXPECT_EQ(r.selected, -1);
    }
}

TEST(OrderCurves, SortAgreesWithAnIndependentSortOnALongList) {
    // Reference: std::sort on std::string, which compares bytes as unsigned.
    const std::vector<std::string> input = {"m", "Courbe 10", "Courbe 2", "\xC9t\xE9", "b", "B", "a", "zz", "a",
                                            "Courbe 1", "", "y", "\xE0", "Z", "k"};
    Diagram d = diagramWithTitles({});
    for (const std::string& t : input) d.curves.push_back(curveWith(t));
    std::vector<std::string> ascending = input;
    std::sort(ascending.begin(), ascending.end());
    orderCurves(d, OrderMove::SortAZ, 0, 3);
    EXPECT_EQ(titles(d), ascending);
    orderCurves(d, OrderMove::SortZA, 0, 3);
    EXPECT_EQ(titles(d), std::vector<std::string>(ascending.rbegin(), ascending.rend()));
}

// ---- activate, delimit, select, information -------------------------------

TEST(ActivateCurves, SetsHiddenFlagsAndTheActiveDataRange) {
    Diagram d = diagramWithTitles({});
    d.curves.push_back(curveWith("A", {{0.0, 0.0}, {1.0, 1.0}}));
    d.curves.push_back(curveWith("B", {{50.0, -4.0}}));
    recomputeExtents(d);
    EXPECT_TRUE(setActiveCurves(d, {true, false}));
    EXPECT_EQ(d.curves[0].hidden, 0);
    EXPECT_EQ(d.curves[1].hidden, 1);
    // Only A counts: x in [0, 1], y in [0, 1].
    EXPECT_EQ(d.dataRange, (CurveBounds{{{0.0, 1.0}, {0.0, 1.0}}}));
    EXPECT_FALSE(setActiveCurves(d, {true, false}));
}

TEST(DelimitCurves, SwapsReversedBoundsAndStoresThemWhereAsked) {
    Diagram d = diagramWithTitles({"A", "B", "C"});
    const CurveBounds typed = {{{5.0, 1.0}, {-2.0, 8.0}}};
    const CurveBounds stored = {{{1.0, 5.0}, {-2.0, 8.0}}};

    EXPECT_TRUE(delimitCurves(d, 1, typed, false, true));
    EXPECT_EQ(d.curves[1].bounds, stored);
    EXPECT_EQ(d.curves[1].excludePoints, 1);
    EXPECT_EQ(d.curves[0].bounds, defaultBounds());
    EXPECT_EQ(d.curves[0].excludePoints, 0);

    EXPECT_TRUE(delimitCurves(d, 1, {{{3.0, 4.0}, {9.0, 7.0}}}, true, false));
    for (const Curve& c : d.curves) {
        EXPECT_EQ(c.bounds, (CurveBounds{{{3.0, 4.0}, {7.0, 9.0}}}));
        EXPECT_EQ(c.excludePoints, 0);
    }

    // All curves selected (-1) means every curve; an index out of range changes nothing.
    EXPECT_TRUE(delimitCurves(d, -1, defaultBounds(), false, false));
    for (const Curve& c : d.curves) EXPECT_EQ(c.bounds, defaultBounds());
    const Diagram before = d;
    EXPECT_FALSE(delimitCurves(d, 3, typed, false, false));
    EXPECT_EQ(d, before);
}

TEST(DelimitCurves, OffersDefaultAndExtentBounds) {
    Diagram d = diagramWithTitles({});
    d.curves.push_back(curveWith("A", {{2.0, -1.0}, {-4.0, 6.0}}));
    d.curves.push_back(curveWith("empty", {}));
    EXPECT_EQ(defaultBounds(), (CurveBounds{{{-1e35, 1e35}, {-1e35, 1e35}}}));
    EXPECT_EQ(extentBounds(d, 0), (CurveBounds{{{-4.0, 2.0}, {-1.0, 6.0}}}));
    EXPECT_EQ(extentBounds(d, 1), defaultBounds());
}

TEST(SelectAndInformation, ReadTheChosenCurve) {
    Diagram d = diagramWithTitles({});
    d.curves.push_back(curveWith("A", {{1.0, 3.0}, {-1.0, 7.0}, {0.5, 5.0}}));
    d.curves.push_back(curveWith("B"));
    EXPECT_EQ(selectCurve(d, 1, 0), 1);
    EXPECT_EQ(selectCurve(d, 2, 0), 0);

    const Diagram before = d;
    const std::optional<CurveInformation> info = curveInformation(d, 0);
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->title, "A");
    EXPECT_EQ(info->pointCount, 3);
    EXPECT_EQ(info->extent, (CurveBounds{{{-1.0, 1.0}, {3.0, 7.0}}}));
    EXPECT_EQ(d, before);
    EXPECT_FALSE(curveInformation(d, -1).has_value());
    EXPECT_FALSE(curveInformation(d, 2).has_value());
}

}  // namespace
}  // namespace ordinax::document
