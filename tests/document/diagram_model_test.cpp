// The diagram record: defaults of a new diagram, extents, data ranges, default
// titles, curve slots, label line counts and copy-on-write points.
#include <gtest/gtest.h>

#include "document/diagram_ops.h"

namespace ordinax::document {
namespace {

Diagram newDiagram() {
    Diagram d;
    resetDiagram(d, factoryDiagramDefaults());
    return d;
}

Curve curveWith(std::initializer_list<Point> points) {
    Curve c;
    c.points = PointBuffer(std::span<const Point>(points.begin(), points.size()));
    return c;
}

TEST(NewDiagram, StartsEmptyWithTheFactoryPresentation) {
    const Diagram d = newDiagram();
    EXPECT_EQ(d.curveCount(), 0);
    EXPECT_EQ(d.displayMode, 0);
    for (const LabelSlot& l : d.labels) EXPECT_EQ(l.placement, -1);
    for (int z : d.tagOrder) EXPECT_EQ(z, -1);
    for (int dir = 0; dir < 2; ++dir) {
        EXPECT_EQ(d.scales.axis[dir][0].active, 1);
        EXPECT_EQ(d.scales.axis[dir][1].active, 0);
        // -1 in a bare record, 0 from the preferences.
        EXPECT_EQ(d.scales.axis[dir][0].mainGraduate, 0);
        EXPECT_STREQ(d.scales.axis[dir][0].font.faceName, "Arial");
        EXPECT_EQ(d.scales.axis[dir][0].font.height, -12);
    }
    const std::array<double, 6> margins = {2.5, 1.5, 2.5, 2.0, 1.5, 1.5};
    EXPECT_EQ(d.margins[0], margins);
    EXPECT_EQ(d.margins[1], margins);
    EXPECT_EQ(d.size[0], 17.0);
    EXPECT_EQ(d.size[1], 18.0);
    EXPECT_EQ(d.band[0].text, "&S/&V - &N");
    EXPECT_EQ(d.band[1].text, "{Page &P/&Q}");
    EXPECT_STREQ(d.reportFont.faceName, "Courier New");
    EXPECT_EQ(d.henryExtentIndex, 13);
    EXPECT_EQ(Diagram{}.scales.axis[0][0].mainGraduate, -1);
}

TEST(NewDiagram, LabelPaintsComeFromTheirFamily) {
    DiagramDefaults defaults = factoryDiagramDefaults();
    defaults.labelPaint[0][PaintStyle::FillColour1] = 111;
    defaults.labelPaint[1][PaintStyle::FillColour1] = 222;
    Diagram d;
    resetDiagram(d, defaults);
    for (int slot = 0; slot < LabelSlotCount; ++slot)
        EXPECT_EQ(d.labels[slot].paint[PaintStyle::FillColour1], slot < 7 ? 111 : 222) << slot;
}

TEST(CurveExtent, EmptyCurveIsZero) {
    Diagram d = newDiagram();
    Curve c;
    curveExtent(d, c, -1);
    EXPECT_EQ(c.extent[0], (std::array<double, 2>{0, 0}));
    EXPECT_EQ(c.extent[1], (std::array<double, 2>{0, 0}));
}

TEST(CurveExtent, FollowsTheKindOfTheMainScale) {
    Diagram d = newDiagram();
    Curve c = curveWith({{-2, 0.5}, {3, -1}, {5, 0.9}, {1, 0.1}});

    curveExtent(d, c, -1);
    EXPECT_EQ(c.extent[0], (std::array<double, 2>{-2, 5}));
    EXPECT_EQ(c.extent[1], (std::array<double, 2>{-1, 0.9}));

    // Logarithmic X: non-positive x are skipped; only x is recomputed.
    d.scales.axis[0][0].kind = 1;
    c.extent[1] = {7, 7};
    curveExtent(d, c, 0);
    EXPECT_EQ(c.extent[0], (std::array<double, 2>{1, 5}));
    EXPECT_EQ(c.extent[1], (std::array<double, 2>{7, 7}));

    // Probability Y on the right side, made main: the last point is left out.
    d.scales.axis[1][1].kind = 2;
    d.scales.mainSide[1] = 1;
    curveExtent(d, c, 1);
    EXPECT_EQ(c.extent[1], (std::array<double, 2>{-1, 0.9}));
    c.points.edit()[2].y = 0.2;
    curveExtent(d, c, 1);
    EXPECT_EQ(c.extent[1], (std::array<double, 2>{-1, 0.5}));
}

TEST(CurveExtent, ClampsToTheValueRange) {
    Diagram d = newDiagram();
    Curve c = curveWith({{-1e300, 1e-300}, {1e300, 2}});
    curveExtent(d, c, -1);
    EXPECT_EQ(c.extent[0], (std::array<double, 2>{-1e35, 1e35}));
    EXPECT_EQ(c.extent[1], (std::array<double, 2>{1e-300, 2}));
}

TEST(DataRange, UnionOfCurvesWithPointsAndOptionallyActive) {
    Diagram d = newDiagram();
    d.curves.push_back(curveWith({{0, 10}, {1, 11}}));
    d.curves.push_back(curveWith({{-5, 20}}));
    d.curves.back().hidden = 1;
    d.curves.push_back(Curve{});  // no points: its stale extent must not count
    d.curves.back().extent = {{{-100, 100}, {-100, 100}}};
    recomputeExtents(d);
    d.curves.back().extent = {{{-100, 100}, {-100, 100}}};

    diagramDataRange(d, true, -1);
    EXPECT_EQ(d.dataRange[0], (std::array<double, 2>{0, 1}));
    EXPECT_EQ(d.dataRange[1], (std::array<double, 2>{10, 11}));

    d.dataRange[1] = {42, 43};
    diagramDataRange(d, false, 0);
    EXPECT_EQ(d.dataRange[0], (std::array<double, 2>{-5, 1}));
    EXPECT_EQ(d.dataRange[1], (std::array<double, 2>{42, 43}));
}

TEST(DefaultTitles, AreRenumberedAndTypedTitlesStay) {
    Diagram d = newDiagram();
    const std::string deg = "Courbe n\xB0 ";
    for (const std::string& t : {deg + "7", std::string("Mesures 1"), deg, deg + "3x", deg + "12"}) {
        d.curves.emplace_back();
        d.curves.back().title = t;
    }
    renumberDefaultTitles(d);
    EXPECT_EQ(d.curves[0].title, deg + "1");
    EXPECT_EQ(d.curves[1].title, "Mesures 1");
    EXPECT_EQ(d.curves[2].title, deg + "3");
    EXPECT_EQ(d.curves[3].title, deg + "3x");
    EXPECT_EQ(d.curves[4].title, deg + "5");
}

TEST(AllocateCurve, ResetsABlankDiagramAndReportsAFullOne) {
    DiagramDefaults defaults = factoryDiagramDefaults();
    defaults.size = {21.0, 29.7};
    Diagram d;  // bare record: blank, never displayed
    AllocateResult r = allocateCurve(d, defaults, -1);
    EXPECT_EQ(r.index, 0);
    EXPECT_FALSE(r.full);
    EXPECT_EQ(d.size[0], 21.0);

    d.size[0] = 5.0;  // no longer blank: no reset
    for (int i = 1; i < MaxCurves; ++i) EXPECT_EQ(allocateCurve(d, defaults, -1).index, i);
    EXPECT_EQ(d.size[0], 5.0);
    r = allocateCurve(d, defaults, 42);
    EXPECT_TRUE(r.full);
    EXPECT_EQ(r.index, 42);
    EXPECT_EQ(d.curveCount(), MaxCurves);
}

TEST(CompactCurves, RemovesEmptyCurvesKeepingOrder) {
    Diagram d = newDiagram();
    for (const char* t : {"a", "", "b", "", "c"}) {
        d.curves.push_back(*t ? curveWith({{1, 1}}) : Curve{});
        d.curves.back().title = t;
    }
    compactCurves(d);
    ASSERT_EQ(d.curveCount(), 3);
    EXPECT_EQ(d.curves[0].title, "a");
    EXPECT_EQ(d.curves[1].title, "b");
    EXPECT_EQ(d.curves[2].title, "c");
}

TEST(LabelLineCounts, CountTextsLegendsAndTagLines) {
    Diagram d = newDiagram();
    d.labels[0].text = "Titre";
    d.labels[0].placement = 3;
    d.labels[2].placement = 4;  // no text: emptied
    d.labels[7].text = "un\ndeux\ntrois";
    d.labels[7].placement = 1;
    d.labels[8].placement = 2;  // empty tag: position zeroed
    d.tagPosition[1] = {500, -700};
    d.labels[6].placement = 5;
    for (const char* legend : {"A", "", "B"}) {
        d.curves.emplace_back();
        d.curves.back().legend = legend;
    }
    updateLabelLineCounts(d);
    EXPECT_EQ(d.labels[0].lineCount, 1);
    EXPECT_EQ(d.labels[0].placement, 3);
    EXPECT_EQ(d.labels[2].lineCount, 0);
    EXPECT_EQ(d.labels[2].placement, -1);
    EXPECT_EQ(d.labels[6].lineCount, 2);
    EXPECT_EQ(d.labels[6].placement, 5);
    EXPECT_EQ(d.labels[7].lineCount, 3);
    EXPECT_EQ(d.labels[8].placement, -1);
    EXPECT_EQ(d.tagPosition[1], (std::array<double, 2>{0, 0}));

    for (Curve& c : d.curves) c.legend.clear();
    updateLabelLineCounts(d);
    EXPECT_EQ(d.labels[6].lineCount, 0);
    EXPECT_EQ(d.labels[6].placement, -1);
}

TEST(SymbolNumber, IsBroughtBackBySteps) {
    // Worked by hand: subtract 22 while above 23.
    const std::pair<int, int> cases[] = {{47, 3}, {23, 23}, {24, 2}, {45, 23}, {46, 2}, {1, 1}, {-4, -4}, {0, 0}};
    for (auto [in, out] : cases) EXPECT_EQ(reduceSymbolNumber(in), out) << in;
    EXPECT_EQ(reduceSymbolNumber(2147483647), 23);  // 2147483647 = 22 * 97612892 + 23
}

TEST(PointBuffer, CopiesShareUntilOneSideWrites) {
    Diagram d = newDiagram();
    d.curves.push_back(curveWith({{1, 2}, {3, 4}}));
    const Diagram before = d;  // the undo before-image
    EXPECT_TRUE(before.curves[0].points.sharesWith(d.curves[0].points));
    EXPECT_EQ(before, d);

    d.curves[0].points.edit()[1].y = 40;
    EXPECT_FALSE(before.curves[0].points.sharesWith(d.curves[0].points));
    EXPECT_EQ(before.curves[0].points[1].y, 4);
    EXPECT_EQ(d.curves[0].points[1].y, 40);
    EXPECT_NE(before, d);

    d.curves[0].points.resize(3);
    EXPECT_EQ(d.curves[0].pointCount(), 3);
    EXPECT_EQ(d.curves[0].points[2], (Point{0, 0}));
    d.curves[0].points.resize(2);
    d.curves[0].points.edit()[1].y = 4;
    // Equal content in distinct storage compares equal.
    EXPECT_EQ(before, d);
}

}  // namespace
}  // namespace ordinax::document
