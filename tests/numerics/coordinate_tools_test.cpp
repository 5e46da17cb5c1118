// The coordinate tools of the points grid: selection rules and their
// messages, sort, inversion, average, cumulate, cumulative frequencies, limit,
// numeric sequence, polar/cartesian and the correction functions. Expected
// values are worked out by hand from the rules unless a comment says otherwise.
#include "numerics/coordinate_tools.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "base/message.h"
#include "document/diagram.h"
#include "numerics/correction_functions.h"

namespace ordinax::numerics {
namespace {

using document::Curve;
using document::Point;
using Column = Selection::Column;

constexpr double Tight = 1e-12;

Curve pointsCurve(const std::vector<Point>& points) {
    Curve curve;
    curve.points = document::PointBuffer(points);
    return curve;
}

void expectPoints(const Curve& curve, const std::vector<Point>& expected, double tolerance = Tight) {
    ASSERT_EQ(curve.pointCount(), static_cast<int>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(curve.points[i].x, expected[i].x, tolerance) << "x of point " << i;
        EXPECT_NEAR(curve.points[i].y, expected[i].y, tolerance) << "y of point " << i;
    }
}

// The selection-rule texts, typed from the product's message list.
const std::string SelectColumnText =
    "Sélectionner tout d'abord la coordonnée X ou Y\nsur laquelle se fera le traitement.";
const std::string SingleColumnText =
    "Cette opération ne peut s'appliquer que sur\nune seule des deux coordonnées (X ou Y) !\n\nSélectionnez une des "
    "deux colonnes x ou y.";
const std::string InvertRowsText =
    "Pour effectuer l'inversion sur une partie des coordonnées,\nsélectionnez les lignes de coordonnées X et Y à "
    "inverser.\n\nSinon, désélectionnez tout.";
const std::string ClippedText = "Un certain nombre de valeurs ont été écrêtées\nlorsque  |valeur| > 1.00E+035 !";

// ---------------------------------------------------------------- selection rules

TEST(CoordinateSelection, KindFollowsTheGrid) {
    EXPECT_EQ(Selection::none().kind(), -1);
    EXPECT_EQ(Selection::all(Column::X, 4).kind(), 0);
    EXPECT_EQ(Selection::rows(Column::Y, 2, 1).kind(), 1);
    EXPECT_EQ(Selection::rows(Column::Both, 0, 0).kind(), 2);
    // A curve without points has no row to select.
    EXPECT_EQ(Selection::all(Column::X, 0).kind(), -1);
    EXPECT_EQ(Selection::rows(Column::Y, 3, 1).top(), 1);
    EXPECT_EQ(Selection::rows(Column::Y, 3, 1).bottom(), 3);
}

TEST(CoordinateSelection, EachToolRefusesTheSelectionsItCannotUse) {
    constexpr int N = 5;
    const Selection none = Selection::none();
    const Selection wholeX = Selection::all(Column::X, N);
    const Selection wholeY = Selection::all(Column::Y, N);
    const Selection partX = Selection::rows(Column::X, 1, 3);
    const Selection rows = Selection::rows(Column::Both, 1, 3);
    const Selection allRows = Selection::all(Column::Both, N);
    struct Case {
        CoordinateTool tool;
        Selection selection;
        int expected;  // message id, 0 accepted
    };
    const Case cases[] = {
        {CoordinateTool::Limit, wholeX, 0},
        {CoordinateTool::Limit, wholeY, 0},
        {CoordinateTool::Limit, partX, 38},
        {CoordinateTool::Limit, none, 38},
        {CoordinateTool::Limit, allRows, 38},
        {CoordinateTool::Average, wholeY, 0},
        {CoordinateTool::Average, rows, 38},
        {CoordinateTool::Cumulate, wholeX, 0},
        {CoordinateTool::Cumulate, partX, 38},
        {CoordinateTool::Sort, partX, 0},
        {CoordinateTool::Sort, wholeY, 0},
        {CoordinateTool::Sort, rows, 233},
        {CoordinateTool::Sort, none, 233},
        {CoordinateTool::Correction, partX, 0},
        {CoordinateTool::Correction, allRows, 233},
        {CoordinateTool::Correction, none, 233},
        {CoordinateTool::Invert, none, 0},
        {CoordinateTool::Invert, rows, 0},
        {CoordinateTool::Invert, partX, 97},
        {CoordinateTool::Invert, wholeY, 97},
        {CoordinateTool::PolarCartesian, partX, 0},
        {CoordinateTool::Sequence, rows, 0},
        {CoordinateTool::CumulativeFrequency, none, 0},
    };
    for (const Case& c : cases) {
        const base::Message m = checkSelection(c.tool, c.selection, N);
        EXPECT_EQ(m.id, c.expected) << "tool " << static_cast<int>(c.tool) << ", kind " << c.selection.kind();
        if (c.expected != 0) {
            EXPECT_EQ(m.heading, base::Heading::Warning);
        }
    }
    EXPECT_EQ(checkSelection(CoordinateTool::Limit, partX, N).text, SelectColumnText);
    EXPECT_EQ(checkSelection(CoordinateTool::Sort, rows, N).text, SingleColumnText);
    EXPECT_EQ(checkSelection(CoordinateTool::Invert, partX, N).text, InvertRowsText);
}

TEST(CoordinateSelection, RefusedToolsLeaveThePointsShared) {
    // A refusal must not even detach the points from an undo image.
    const Curve original = pointsCurve({{1, 2}, {3, 4}, {5, 6}});
    Curve curve = original;
    const Selection rows = Selection::rows(Column::Both, 0, 1);
    const Selection partX = Selection::rows(Column::X, 0, 1);
    EXPECT_EQ(sortPoints(curve, rows, false).message.id, 233);
    EXPECT_EQ(applyCorrection(curve, rows, CorrectionOperation::YOfY, {}).message.id, 233);
    EXPECT_EQ(invertCoordinates(curve, partX).message.id, 97);
    EXPECT_EQ(averageCoordinates(curve, partX).message.id, 38);
    EXPECT_EQ(cumulateCoordinates(curve, rows).message.id, 38);
    EXPECT_EQ(limitCoordinates(curve, partX, 0, 10, false).message.id, 38);
    EXPECT_TRUE(curve.points.sharesWith(original.points));
}

TEST(CoordinateSelection, ConfirmationsDependOnTheColumn) {
    const std::string averageStart = "Les coordonnées vont être réduites en nombre en moyennant\n";
    EXPECT_EQ(averageConfirmation(Selection::all(Column::X, 3)).text,
              averageStart + "les valeurs x ayant la même valeur y.\n\nContinuer ?");
    EXPECT_EQ(averageConfirmation(Selection::all(Column::Y, 3)).text,
              averageStart + "les valeurs y ayant la même valeur x.\n\nContinuer ?");
    EXPECT_EQ(averageConfirmation(Selection::all(Column::X, 3)).id, 46);
    EXPECT_EQ(averageConfirmation(Selection::all(Column::Y, 3)).id, 234);

    // Cumulative frequencies ask unless exactly the whole y column is selected.
    EXPECT_TRUE(cumulativeFrequencyConfirmation(Selection::all(Column::Y, 3), 3).empty());
    for (const Selection& s : {Selection::none(), Selection::all(Column::X, 3), Selection::rows(Column::Y, 0, 1),
                               Selection::all(Column::Both, 3)}) {
        const base::Message m = cumulativeFrequencyConfirmation(s, 3);
        EXPECT_EQ(m.id, 50);
        EXPECT_EQ(m.text,
                  "Le calcul des fréquences cumulées s'applique\nsur l'ensemble des effectifs de y !\n\nContinuer ?");
    }
}

// ---------------------------------------------------------------- sort and inversion

TEST(CoordinateSort, SortsPairsByTheSelectedColumnWithinTheSelection) {
    Curve curve = pointsCurve({{9, 0}, {1, 30}, {2, 10}, {3, 20}, {0, -5}});
    // Rows 1..3 by y ascending: the first and the last point stay where they are.
    EXPECT_TRUE(sortPoints(curve, Selection::rows(Column::Y, 3, 1), false).changed);
    expectPoints(curve, {{9, 0}, {2, 10}, {3, 20}, {1, 30}, {0, -5}});

    // The whole x column descending.
    EXPECT_TRUE(sortPoints(curve, Selection::all(Column::X, 5), true).message.empty());
    expectPoints(curve, {{9, 0}, {3, 20}, {2, 10}, {1, 30}, {0, -5}});
}

TEST(CoordinateSort, EqualValuesKeepTheirOrder) {
    Curve curve = pointsCurve({{2, 1}, {1, 2}, {2, 3}, {1, 4}});
    sortPoints(curve, Selection::all(Column::X, 4), false);
    expectPoints(curve, {{1, 2}, {1, 4}, {2, 1}, {2, 3}});
}

TEST(CoordinateInvert, ExchangesAllPointsOrTheSelectedRows) {
    Curve curve = pointsCurve({{1, 2}, {3, 4}, {5, 6}, {7, 8}});
    invertCoordinates(curve, Selection::rows(Column::Both, 2, 1));
    expectPoints(curve, {{1, 2}, {4, 3}, {6, 5}, {7, 8}});
    invertCoordinates(curve, Selection::none());
    expectPoints(curve, {{2, 1}, {3, 4}, {5, 6}, {8, 7}});
}

// ---------------------------------------------------------------- average and cumulate

TEST(CoordinateAverage, YColumnAveragesConsecutiveRunsOfEqualX) {
    Curve curve = pointsCurve({{1, 2}, {1, 4}, {2, 5}, {1, 6}});
    const ToolResult r = averageCoordinates(curve, Selection::all(Column::Y, 4));
    EXPECT_TRUE(r.changed);
    EXPECT_TRUE(r.message.empty());
    // (2 + 4) / 2 = 3; the later x = 1 is not next to the first run.
    expectPoints(curve, {{1, 3}, {2, 5}, {1, 6}});
}

TEST(CoordinateAverage, XColumnAveragesRunsOfEqualY) {
    Curve curve = pointsCurve({{2, 1}, {4, 1}, {9, 1}, {6, 3}, {1, 7}, {2, 7}});
    averageCoordinates(curve, Selection::all(Column::X, 6));
    // (2 + 4 + 9) / 3 = 5, (1 + 2) / 2 = 1.5.
    expectPoints(curve, {{5, 1}, {6, 3}, {1.5, 7}});
}

TEST(CoordinateCumulate, RunningSumOfTheSelectedColumnOnly) {
    Curve curve = pointsCurve({{1, 10}, {2, 20}, {3, -5}});
    EXPECT_TRUE(cumulateCoordinates(curve, Selection::all(Column::Y, 3)).message.empty());
    expectPoints(curve, {{1, 10}, {2, 30}, {3, 25}});
    cumulateCoordinates(curve, Selection::all(Column::X, 3));
    expectPoints(curve, {{1, 10}, {3, 30}, {6, 25}});
}

TEST(CoordinateCumulate, PartialSumsAreLimitedAndReported) {
    Curve curve = pointsCurve({{0, 9e34}, {0, 9e34}, {0, -9e34}});
    const ToolResult r = cumulateCoordinates(curve, Selection::all(Column::Y, 3));
    // 9e34 + 9e34 = 1.8e35 is limited to 1e35, and the sum goes on from there.
    expectPoints(curve, {{0, 9e34}, {0, 1e35}, {0, 1e34}}, 1e20);
    EXPECT_EQ(r.message.id, 231);
    EXPECT_EQ(r.message.text, ClippedText);
}

// ---------------------------------------------------------------- cumulative frequencies

TEST(CoordinateCumulativeFrequencies, RunningShareOfTheTotalAfterSortingByX) {
    // y = 1, 1, 2 (total 4) once sorted by x: 1/4, 2/4, 4/4.
    Curve curve = pointsCurve({{3, 2}, {1, 1}, {2, 1}});
    const ToolResult r = cumulativeFrequencies(curve);
    EXPECT_TRUE(r.changed);
    EXPECT_TRUE(r.message.empty());
    expectPoints(curve, {{1, 0.25}, {2, 0.5}, {3, 1}}, 0.0);
}

TEST(CoordinateCumulativeFrequencies, LastFrequencyIsExactlyOne) {
    // Tenths do not add up exactly in binary; the last share must still be 1.
    Curve curve = pointsCurve({{1, 0.1}, {2, 0.2}, {3, 0.3}, {4, 0.7}, {5, 0.1}});
    cumulativeFrequencies(curve);
    EXPECT_EQ(curve.points[4].y, 1.0);
    EXPECT_NEAR(curve.points[0].y, 0.1 / 1.4, Tight);
}

TEST(CoordinateCumulativeFrequencies, RefusalsChangeNothing) {
    const Curve negative = pointsCurve({{3, 1}, {1, -1}, {2, 2}});
    Curve curve = negative;
    ToolResult r = cumulativeFrequencies(curve);
    EXPECT_FALSE(r.changed);
    EXPECT_EQ(r.message.id, 54);
    EXPECT_EQ(r.message.heading, base::Heading::Error);
    EXPECT_EQ(r.message.text, "Le calcul ne peut s'effectuer que\nsur des valeurs positives de y !");
    EXPECT_TRUE(curve.points.sharesWith(negative.points));  // not even sorted

    Curve zero = pointsCurve({{2, 0}, {1, 0}});
    r = cumulativeFrequencies(zero);
    EXPECT_EQ(r.message.id, 52);
    EXPECT_EQ(r.message.text, "Calcul impossible :\n\n\"La somme des valeurs est nulle\"");
    expectPoints(zero, {{2, 0}, {1, 0}}, 0.0);

    Curve single = pointsCurve({{1, 5}});
    r = cumulativeFrequencies(single);
    EXPECT_FALSE(r.changed);
    EXPECT_FALSE(r.message.empty());
    expectPoints(single, {{1, 5}}, 0.0);
}

// ---------------------------------------------------------------- limit

TEST(CoordinateLimit, KeepsOrRemovesTheClosedInterval) {
    const std::vector<Point> points = {{1, 5}, {2, -1}, {3, 2}, {4, 9}, {5, 3}};
    struct Case {
        Column column;
        double mini, maxi;
        bool removeInside;
        std::vector<Point> expected;
    };
    const Case cases[] = {
        // Bounds are inclusive; reversed bounds are swapped.
        {Column::Y, 2, 5, false, {{1, 5}, {3, 2}, {5, 3}}},
        {Column::Y, 5, 2, false, {{1, 5}, {3, 2}, {5, 3}}},
        {Column::Y, 2, 5, true, {{2, -1}, {4, 9}}},
        {Column::X, 2, 4, true, {{1, 5}, {5, 3}}},
        {Column::X, 10, 20, false, {}},
    };
    for (const Case& c : cases) {
        Curve curve = pointsCurve(points);
        limitCoordinates(curve, Selection::all(c.column, 5), c.mini, c.maxi, c.removeInside);
        SCOPED_TRACE(testing::Message() << "mini " << c.mini << " maxi " << c.maxi << " remove " << c.removeInside);
        expectPoints(curve, c.expected, 0.0);
    }
}

// ---------------------------------------------------------------- numeric sequence

TEST(CoordinateSequence, WritesTheChosenColumnAndGrowsTheCurve) {
    Curve curve = pointsCurve({{1, 10}, {2, 20}, {3, 30}});
    SequenceParameters p;
    p.fromRow = 5;  // given reversed
    p.toRow = 2;
    p.first = 100;
    p.step = 0.5;
    p.abscissas = true;
    const ToolResult r = numericSequence(curve, p);
    EXPECT_TRUE(r.changed);
    // Rows 2..5 get 100, 100.5, 101, 101.5; rows 4 and 5 are new, their y is 0.
    expectPoints(curve, {{1, 10}, {100, 20}, {100.5, 30}, {101, 0}, {101.5, 0}}, 0.0);

    p.fromRow = 1;
    p.toRow = 2;
    p.first = -1;
    p.step = -1;
    p.ordinates = true;
    numericSequence(curve, p);
    expectPoints(curve, {{-1, -1}, {-2, -2}, {100.5, 30}, {101, 0}, {101.5, 0}}, 0.0);
}

TEST(CoordinateSequence, RefusesImpossibleRowsAndReportsClipping) {
    Curve curve = pointsCurve({{1, 1}});
    SequenceParameters p;
    p.ordinates = true;
    p.fromRow = 0;
    p.toRow = 2;
    EXPECT_FALSE(numericSequence(curve, p).message.empty());
    p.fromRow = 1;
    p.toRow = document::MaxPoints + 1;
    EXPECT_FALSE(numericSequence(curve, p).message.empty());
    EXPECT_EQ(curve.pointCount(), 1);

    p.toRow = 2;
    p.first = 8e34;
    p.step = 5e34;
    const ToolResult r = numericSequence(curve, p);
    EXPECT_EQ(r.message.id, 231);
    expectPoints(curve, {{1, 8e34}, {0, 1e35}}, 1e20);
}

// ---------------------------------------------------------------- polar / cartesian

TEST(CoordinatePolar, AngleFollowsTheQuadrantRule) {
    const double pi = 3.141592653589793;
    Curve curve = pointsCurve({{1, 1}, {-1, 1}, {-1, -1}, {-1, 0}, {0, 2}, {0, -3}, {0, 0}, {3, -4}});
    cartesianToPolar(curve, false);
    // atan(1) = π/4; x < 0 adds π when y > 0 and subtracts π otherwise (y = 0 too);
    // x = 0 gives ±π/2, the origin -π/2. atan(-4/3) = -0.9272952180016122 (hand table).
    expectPoints(curve, {{pi / 4, std::sqrt(2.0)},
                         {3 * pi / 4, std::sqrt(2.0)},
                         {-3 * pi / 4, std::sqrt(2.0)},
                         {-pi, 1},
                         {pi / 2, 2},
                         {-pi / 2, 3},
                         {-pi / 2, 0},
                         {-0.9272952180016122, 5}});
}

TEST(CoordinatePolar, DegreesBothWays) {
    Curve curve = pointsCurve({{1, 1}, {-1, std::sqrt(3.0)}});
    cartesianToPolar(curve, true);
    expectPoints(curve, {{45, std::sqrt(2.0)}, {120, 2}}, 1e-11);

    Curve polar = pointsCurve({{90, 2}, {180, 1}, {-60, 4}});
    polarToCartesian(polar, true);
    // cos 90° = 0, sin 180° = 0 and (cos -60°, sin -60°) = (1/2, -√3/2).
    expectPoints(polar, {{0, 2}, {-1, 0}, {2, -2 * std::sqrt(3.0)}}, 1e-12);

    Curve radians = pointsCurve({{3.141592653589793 / 2, 3}});
    polarToCartesian(radians, false);
    expectPoints(radians, {{0, 3}}, 1e-12);
}

// ---------------------------------------------------------------- correction functions

CorrectionParameters correction(int function, std::array<double, 5> coefficient, bool degrees = false) {
    CorrectionParameters p;
    p.function = function;
    p.coefficient = coefficient;
    p.degrees = degrees;
    return p;
}

TEST(CorrectionFunctions, EveryFormulaByHand) {
    struct Case {
        CorrectionParameters parameters;
        double v;
        double expected;
    };
    const Case cases[] = {
        {correction(0, {2.5, 0, 0, 0, 0}), 4, 6.5},
        {correction(1, {-3, 0, 0, 0, 0}), 4, -12},
        {correction(2, {8, 0, 0, 0, 0}), 4, 0.5},
        {correction(3, {1, 2, 3, 4, 5}), 2, 129},                 // 1 + 4 + 12 + 32 + 80
        {correction(4, {2, 10, 1, 0, 0}), 10, 5},                 // 2·log10(100) + 1
        {correction(5, {3, 1, 0, 0, 0}), 2, 301},                 // 3·10² + 1
        {correction(6, {2, 0.5, 1, 0, 0}), 2, 1},                 // 2·ln(1) + 1
        {correction(7, {2, 0.5, 1, 0, 0}), 2, 6.43656365691809},  // 2e + 1, e = 2.718281828459045
        {correction(8, {0, 0, 0, 0, 0}), 4, 0.25},
        {correction(9, {2, 3, 1, 0, 0}), 2, 17},         // 2·2³ + 1
        {correction(9, {1, 0.5, 0, 0, 0}), 9, 3},        // √9
        {correction(10, {2, 3, 1, 0, 0}, true), 10, 2},  // 2·sin 30° + 1
        {correction(10, {1, 1, 0, 0, 0}), 0, 0},
        {correction(11, {3, 2, -1, 0, 0}, true), 30, 0.5},  // 3·cos 60° - 1
        {correction(11, {1, 1, 0, 0, 0}), 0, 1},
        {correction(12, {1, 1, 0, 0, 0}, true), 45, 1},
        {correction(13, {1, 1, 0, 0, 0}, true), 1, 45},            // the result, not the argument, in degrees
        {correction(13, {2, 1, 0, 0, 0}), 1, 1.5707963267948966},  // 2·π/4
        {correction(14, {0, 0, 0, 0, 0}), -3, 3},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(correctionValue(c.parameters, c.v), c.expected, 1e-12)
            << "function " << c.parameters.function << " at " << c.v;
}

TEST(CorrectionFunctions, RoundingToDecimalsOrToAStep) {
    struct Case {
        bool byStep;
        int decimals;
        double step;
        double v;
        double expected;
    };
    const Case cases[] = {
        {true, 0, 0.25, 1.3, 1.25},                                 // nearest multiple of 0.25
        {true, 0, 0.25, 1.4, 1.5},  {true, 0, 0.25, -1.375, -1.5},  // 5.5 steps: halves away from zero
        {true, 0, 5, 12.5, 15},     {true, 0, 0.1, 0.15, 0.2},      // a power of ten agrees with 1 decimal
        {true, 0, 100, 149, 100},   {false, 1, 0, 1.25, 1.3},       // halves away from zero
        {false, 1, 0, -1.25, -1.3}, {false, 0, 0, 2.5, 3},         {false, 2, 0, 3.14159, 3.14}, {false, -1, 0, 15, 20},
    };
    for (const Case& c : cases) {
        CorrectionParameters p;
        p.function = CorrectionRound;
        p.byStep = c.byStep;
        p.decimals = c.decimals;
        p.step = c.step;
        EXPECT_NEAR(correctionValue(p, c.v), c.expected, 1e-12)
            << (c.byStep ? "step " : "decimals ") << (c.byStep ? c.step : c.decimals) << " on " << c.v;
    }
}

TEST(CorrectionTool, ReciprocalOfZeroIsLimitedAndReported) {
    Curve curve = pointsCurve({{0, 4}, {2, 0}});
    const ToolResult r = applyCorrection(curve, Selection::all(Column::Y, 2), CorrectionOperation::YOfY,
                                         correction(CorrectionReciprocal, {0, 0, 0, 0, 0}));
    EXPECT_TRUE(r.changed);
    expectPoints(curve, {{0, 0.25}, {2, 1e35}}, 0.0);
    EXPECT_EQ(r.message.id, 231);
    EXPECT_EQ(r.message.heading, base::Heading::Warning);
    EXPECT_EQ(r.message.text, ClippedText);
}

TEST(CorrectionTool, ImpossibleOperationsAreLimitedToo) {
    // ln of a negative number and 0/0 are non-numbers: limited to +1e35.
    Curve curve = pointsCurve({{-1, 0}, {0, 0}});
    const ToolResult r = applyCorrection(curve, Selection::rows(Column::X, 0, 0), CorrectionOperation::XOfX,
                                         correction(CorrectionLn, {1, 1, 0, 0, 0}));
    EXPECT_EQ(r.message.id, 231);
    expectPoints(curve, {{1e35, 0}, {0, 0}}, 0.0);

    Curve divide = pointsCurve({{0, 0}});
    EXPECT_EQ(applyCorrection(divide, Selection::all(Column::X, 1), CorrectionOperation::XOfX,
                              correction(CorrectionDivide, {0, 0, 0, 0, 0}))
                  .message.id,
              231);
    EXPECT_EQ(divide.points[0].x, 1e35);
}

TEST(CorrectionTool, SourceAndTargetColumnsOverTheSelectedRows) {
    const std::vector<Point> points = {{1, 10}, {2, 20}, {3, 30}, {4, 40}};
    const CorrectionParameters addHundred = correction(CorrectionAdd, {100, 0, 0, 0, 0});
    const Selection middle = Selection::rows(Column::X, 1, 2);
    struct Case {
        CorrectionOperation operation;
        std::vector<Point> expected;
    };
    const Case cases[] = {
        {CorrectionOperation::XOfX, {{1, 10}, {102, 20}, {103, 30}, {4, 40}}},
        {CorrectionOperation::YOfY, {{1, 10}, {2, 120}, {3, 130}, {4, 40}}},
        {CorrectionOperation::XOfY, {{1, 10}, {120, 20}, {130, 30}, {4, 40}}},
        {CorrectionOperation::YOfX, {{1, 10}, {2, 102}, {3, 103}, {4, 40}}},
    };
    for (const Case& c : cases) {
        Curve curve = pointsCurve(points);
        const ToolResult r = applyCorrection(curve, middle, c.operation, addHundred);
        EXPECT_TRUE(r.message.empty());
        SCOPED_TRACE(static_cast<int>(c.operation));
        expectPoints(curve, c.expected, 0.0);
    }
}

TEST(CorrectionTool, TinyResultsBecomeZeroWithoutAWarning) {
    Curve curve = pointsCurve({{0, 1e-20}});
    const ToolResult r = applyCorrection(curve, Selection::all(Column::Y, 1), CorrectionOperation::YOfY,
                                         correction(CorrectionMultiply, {1e-20, 0, 0, 0, 0}));
    EXPECT_TRUE(r.message.empty());
    EXPECT_EQ(curve.points[0].y, 0.0);
}

}  // namespace
}  // namespace ordinax::numerics
