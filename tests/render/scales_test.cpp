// Automatic scales, the settlement of main sides, the scale dialog's buttons
// and checks, and the probability walk of the HENRY scale.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "base/strings.h"
#include "base/strings_drawing.h"
#include "document/diagram.h"
#include "numerics/probability.h"
#include "render/plot_mapping.h"
#include "render/scale_auto.h"
#include "render/scale_checks.h"

namespace ordinax::render {
namespace {

using document::AxisScale;
using document::Diagram;

AxisScale scaleOfKind(int kind) {
    AxisScale scale;
    scale.kind = kind;
    return scale;
}

struct AutoCase {
    int kind;
    double min, max;
    double origin, extremity, step;
};

// Bounds worked by hand from the rules: LIN tries 1, 2, 5 x 10^l from
// l = trunc(log10(span)) - 1 until at most 10 steps cover the data; LOG takes
// the surrounding powers of ten; HENRY walks the probability rows from 3.
TEST(AutoScale, BoundsAndStepByKind) {
    const std::vector<AutoCase> cases = {
        {ScaleLin, 3, 3, -7, 13, 2},            // a single point
        {ScaleLin, 0.13, 9.7, 0, 10, 1},        // l = -1: 0.1, 0.2, 0.5 give 96, 48, 19 steps
        {ScaleLin, 9.7, 0.13, 0, 10, 1},        // the range is put in order first
        {ScaleLin, 0, 1000, 0, 1000, 100},      // l = 2: exactly 10 steps of 100
        {ScaleLin, -45, 72, -60, 80, 20},       // 10 gives 11.7 steps, 20 gives 5.85
        {ScaleLog, -5, 450, 0.1, 1000, 1},      // min <= 0 gives 0.1
        {ScaleLog, 0.02, 7, 0.01, 10, 1},
        {ScaleLog, -5, -1, 0.1, 10, 1},         // nothing positive at all
        {ScaleHenry, 0.2, 0.85, 1 - 0.9, 0.9, 0.01},
        {ScaleHenry, 0.4, 0.6, 1 - 0.8, 0.8, 0.01},  // row 3 already encloses the data
        {ScaleHenry, 0.0001, 0.9999, 1 - 0.999, 0.999, 0.01},
    };
    for (const AutoCase& c : cases) {
        AxisScale scale = scaleOfKind(c.kind);
        int henry = 0;
        autoScale(scale, c.min, c.max, henry);
        SCOPED_TRACE("kind " + std::to_string(c.kind) + " data " + std::to_string(c.min) + " .. " + std::to_string(c.max));
        EXPECT_DOUBLE_EQ(scale.origin, c.origin);
        EXPECT_DOUBLE_EQ(scale.extremity, c.extremity);
        EXPECT_DOUBLE_EQ(scale.step, c.step);
    }
}

TEST(AutoScale, HenryReportsTheRowOfItsBounds) {
    AxisScale scale = scaleOfKind(ScaleHenry);
    int henry = 0;
    autoScale(scale, 0.2, 0.85, henry);
    EXPECT_EQ(henry, 5);  // rows 3 (0.8) and 4 (0.85) do not strictly enclose 0.85
    autoScale(scale, 0.0001, 0.9999, henry);
    EXPECT_EQ(henry, 13);  // stops at the last row
}

// Deviation: one power of ten for both ends would give a scale without extent.
TEST(AutoScale, LogOfASinglePowerOfTenSpansOneDecade) {
    AxisScale scale = scaleOfKind(ScaleLog);
    int henry = 0;
    autoScale(scale, 100, 100, henry);
    EXPECT_DOUBLE_EQ(scale.origin, 100);
    EXPECT_DOUBLE_EQ(scale.extremity, 1000);
}

TEST(AutoScale, EmptyDiagramGetsAnOrdinaryExtent) {
    // Without points the data range stays (+max, -max); the scale must not
    // become -1e35 .. 1e35. Expected values worked by hand from the rules on
    // the range 0 .. 10: LIN l = 0, step 1 gives 10 steps; LOG 0 -> 0.1, 10
    // -> 10; HENRY min 0 pushes the row to 13.
    Diagram diagram;
    diagram.scales.axis[0][0].active = 1;
    autoScale(diagram, 0, 0);
    const AxisScale& lin = diagram.scales.axis[0][0];
    EXPECT_DOUBLE_EQ(lin.origin, 0.0);
    EXPECT_DOUBLE_EQ(lin.extremity, 10.0);
    EXPECT_DOUBLE_EQ(lin.step, 1.0);

    diagram.scales.axis[1][0].kind = ScaleLog;
    autoScale(diagram, 1, 0);
    EXPECT_DOUBLE_EQ(diagram.scales.axis[1][0].origin, 0.1);
    EXPECT_DOUBLE_EQ(diagram.scales.axis[1][0].extremity, 10.0);

    diagram.scales.axis[1][1].kind = ScaleHenry;
    autoScale(diagram, 1, 1);
    EXPECT_DOUBLE_EQ(diagram.scales.axis[1][1].origin, 1.0 - 0.999);
    EXPECT_EQ(diagram.henryExtentIndex, 13);

    // A single point is not an empty range: the rule of min = max holds.
    diagram.dataRange[0] = {3.0, 3.0};
    autoScale(diagram, 0, 0);
    EXPECT_DOUBLE_EQ(lin.origin, -7.0);
    EXPECT_DOUBLE_EQ(lin.extremity, 13.0);
}

TEST(AutoScale, DiagramLevelWritesHenryIndexOnlyForY) {
    Diagram diagram;
    diagram.henryExtentIndex = 9;
    diagram.dataRange = {{{0.2, 0.85}, {0.2, 0.85}}};
    diagram.scales.axis[1][0].kind = ScaleHenry;
    autoScale(diagram, 1, 0);
    EXPECT_EQ(diagram.henryExtentIndex, 5);
    diagram.henryExtentIndex = 9;
    diagram.scales.axis[0][0].kind = ScaleHenry;
    autoScale(diagram, 0, 0);
    EXPECT_EQ(diagram.henryExtentIndex, 9);
}

struct FormatCase {
    int kind;
    double step;
    int format, decimals;
};

// The step's trimmed "%g" text decides: no point -> integer, a point -> its
// decimals (at most 5, else scientific with 3), an exponent -> scientific
// with the mantissa's decimals (at most 3).
TEST(AutoFormat, FromKindAndStepText) {
    const std::vector<FormatCase> cases = {
        {ScaleLin, 1, 2, 0},          {ScaleLin, 100, 2, 0},      {ScaleLin, 0, 2, 0},
        {ScaleLin, 0.5, 3, 1},        {ScaleLin, 0.25, 3, 2},     {ScaleLin, 0.00025, 3, 5},
        {ScaleLin, 0.000125, 4, 3},   {ScaleLin, 2e-5, 4, 0},     {ScaleLin, 2.5e-5, 4, 1},
        {ScaleLin, 1.25e10, 4, 2},    {ScaleLin, 1.2345e20, 4, 3}, {ScaleLin, 1e6, 4, 0},
        {ScaleLog, 1, 4, 2},          {ScaleHenry, 0.01, 5, 2},
    };
    for (const FormatCase& c : cases) {
        AxisScale scale = scaleOfKind(c.kind);
        scale.step = c.step;
        autoFormat(scale);
        SCOPED_TRACE("step " + std::to_string(c.step));
        EXPECT_EQ(scale.format, c.format);
        EXPECT_EQ(scale.decimals, c.decimals);
    }
}

TEST(SettleScales, MainSideFollowsActivity) {
    document::Scales scales;
    scales.axis[0][0].active = 0;
    scales.axis[0][1].active = 1;
    scales.mainSide[0] = 0;
    scales.axis[1][0].active = 1;
    scales.axis[1][1].active = 1;
    scales.mainSide[1] = 7;  // damaged
    settleScales(scales);
    EXPECT_EQ(scales.mainSide[0], 1);
    EXPECT_EQ(scales.mainSide[1], 0);

    scales.mainSide[1] = 1;
    scales.axis[0][1].active = 0;
    settleScales(scales);
    EXPECT_EQ(scales.mainSide[1], 1);  // both active: the stored side stays
    EXPECT_EQ(scales.axis[0][0].active, 1);  // neither active: side 0 made active and main
    EXPECT_EQ(scales.mainSide[0], 0);
}

TEST(SettleScales, FacingModeAndSubGrid) {
    document::Scales scales;
    for (auto& pair : scales.axis) pair[0].active = 1;
    scales.axis[0][0].mainGraduate = 2;
    scales.axis[0][1].mainGraduate = 3;
    scales.axis[0][0].subGraduate = 1;  // LIN without sub-divisions
    scales.axis[1][0].mainGraduate = 3;
    scales.axis[1][0].subdivisionIndex = 4;
    scales.axis[1][0].subGraduate = 1;
    scales.axis[1][1].mainGraduate = 1;
    settleScales(scales);
    EXPECT_EQ(scales.axis[0][1].mainGraduate, 2);  // ticks are copied
    EXPECT_EQ(scales.axis[0][0].subGraduate, 0);
    EXPECT_EQ(scales.axis[1][1].mainGraduate, 0);  // a grid gives inner ticks
    EXPECT_EQ(scales.axis[1][0].subGraduate, 1);
}

// A diagram with one curve whose points span x 1..4 and y -2..30.
Diagram diagramWithPoints() {
    Diagram diagram;
    document::Curve curve;
    const std::vector<document::Point> points = {{1, -2}, {4, 30}, {2, 5}};
    curve.points = document::PointBuffer(points);
    diagram.curves.push_back(curve);
    diagram.scales.axis[0][0].active = 1;
    diagram.scales.axis[1][0].active = 1;
    return diagram;
}

TEST(ScaleCommands, AutomaticScalesOnAllCurves) {
    Diagram diagram = diagramWithPoints();
    diagram.scales.axis[1][1].kind = ScaleLog;
    autoScalesAllCurves(diagram);
    // x 1..4: l = -1, 0.1 and 0.2 give 30 and 15 steps, 0.5 gives 6.
    const AxisScale& x = diagram.scales.axis[0][0];
    EXPECT_DOUBLE_EQ(x.origin, 1);
    EXPECT_DOUBLE_EQ(x.extremity, 4);
    EXPECT_DOUBLE_EQ(x.step, 0.5);
    EXPECT_EQ(x.format, 3);
    EXPECT_EQ(x.decimals, 1);
    // y -2..30: l = 0, 1 and 2 give 32 and 16 steps, 5 gives 6.4.
    const AxisScale& y = diagram.scales.axis[1][0];
    EXPECT_DOUBLE_EQ(y.origin, -5);
    EXPECT_DOUBLE_EQ(y.extremity, 30);
    EXPECT_DOUBLE_EQ(y.step, 5);
    EXPECT_EQ(y.format, 2);
    // Inactive scales are set too; the LOG one from the same range.
    EXPECT_DOUBLE_EQ(diagram.scales.axis[1][1].origin, 0.1);
    EXPECT_DOUBLE_EQ(diagram.scales.axis[1][1].extremity, 100);
    EXPECT_EQ(diagram.scales.axis[1][1].format, 4);
}

TEST(ScaleCommands, DialogButtons) {
    Diagram diagram = diagramWithPoints();
    diagram.dataRange = {{{1, 4}, {0.2, 0.85}}};
    AxisScale& y = diagram.scales.axis[1][0];
    y.kind = ScaleLog;
    y.subdivisionIndex = 3;
    y.symbol = 6;
    y.orientation = 1;
    y.customSymbol = {'k', 'g'};
    y.thousands = 1;
    defaultScale(diagram, 1, 0);
    EXPECT_EQ(y.kind, ScaleLin);
    EXPECT_EQ(y.subdivisionIndex, 0);
    EXPECT_EQ(y.symbol, 0);
    EXPECT_EQ(y.orientation, 0);
    EXPECT_EQ(y.customSymbol[0], '\0');
    EXPECT_EQ(y.thousands, 0);
    EXPECT_DOUBLE_EQ(y.step, 0.1);  // 0.2..0.85: l = -1 -> 0.1 gives 6.5 steps
    EXPECT_EQ(y.format, 3);

    EXPECT_TRUE(changeKind(diagram, 1, 0, ScaleHenry));
    EXPECT_DOUBLE_EQ(y.extremity, 0.9);
    EXPECT_EQ(y.format, 5);
    EXPECT_EQ(diagram.henryExtentIndex, 5);
    extendedScale(diagram, 1, 0);
    EXPECT_DOUBLE_EQ(y.origin, 0.001);
    EXPECT_DOUBLE_EQ(y.extremity, 0.999);
    EXPECT_DOUBLE_EQ(y.step, 0.01);
    EXPECT_EQ(diagram.henryExtentIndex, 13);

    // HENRY is offered on the Y scales only.
    EXPECT_FALSE(changeKind(diagram, 0, 0, ScaleHenry));
    EXPECT_EQ(diagram.scales.axis[0][0].kind, ScaleLin);

    changeFormat(y, 3);
    EXPECT_EQ(y.format, 3);
    EXPECT_EQ(y.decimals, 2);

    duplicateFacingScale(diagram, 1, 1);
    const AxisScale& right = diagram.scales.axis[1][1];
    EXPECT_EQ(right.kind, ScaleHenry);
    EXPECT_DOUBLE_EQ(right.origin, 0.001);
    EXPECT_EQ(right.format, 3);
    EXPECT_EQ(right.active, 0);  // activity is not part of the copy

    AxisScale& top = diagram.scales.axis[0][1];
    top.kind = ScaleLog;
    top.step = 0;
    prepareShownScale(diagram, 0, 1);
    EXPECT_EQ(top.kind, ScaleLin);
    EXPECT_DOUBLE_EQ(top.step, 0.5);
}

struct FieldCase {
    std::string text;
    ScaleField field;
    int kind;
    ScaleFieldCheck::Outcome outcome;
    int messageId;
    double value;
};

TEST(ScaleChecks, FieldOnFocusLoss) {
    using O = ScaleFieldCheck::Outcome;
    const std::vector<FieldCase> cases = {
        {"", ScaleField::Origin, ScaleLin, O::Refused, base::MsgFieldEmpty, 0},
        {"  ", ScaleField::Step, ScaleLin, O::Refused, base::MsgFieldEmpty, 0},
        {"abc", ScaleField::Origin, ScaleLin, O::Restore, 0, 0},
        {"-2e35", ScaleField::Origin, ScaleLin, O::Refused, base::MsgValueMinimumReal, 0},
        {"2e35", ScaleField::Extremity, ScaleLin, O::Refused, base::MsgValueMaximumReal, 0},
        {"2,5", ScaleField::Origin, ScaleLin, O::Accepted, 0, 2.5},
        {"1", ScaleField::Origin, ScaleLog, O::Accepted, 0, 1},
        {"2", ScaleField::Origin, ScaleLog, O::Accepted, 0, 2},
        {"0.05", ScaleField::Origin, ScaleLog, O::Accepted, 0, 0.05},
        {"3e-07", ScaleField::Extremity, ScaleLog, O::Accepted, 0, 3e-7},
        {"1000", ScaleField::Extremity, ScaleLog, O::Accepted, 0, 1000},
        {"0", ScaleField::Origin, ScaleLog, O::Refused, base::MsgScaleIncorrect, 0},
        {"15", ScaleField::Extremity, ScaleLog, O::Refused, base::MsgScaleIncorrect, 0},
        {"2.5", ScaleField::Origin, ScaleLog, O::Refused, base::MsgScaleIncorrect, 0},
        {"-1", ScaleField::Origin, ScaleLog, O::Refused, base::MsgScaleIncorrect, 0},  // no logarithm
        {"15", ScaleField::Step, ScaleLog, O::Accepted, 0, 15},
    };
    for (const FieldCase& c : cases) {
        SCOPED_TRACE("text '" + c.text + "'");
        const ScaleFieldCheck check = checkScaleField(c.text, c.field, c.kind);
        EXPECT_EQ(check.outcome, c.outcome);
        EXPECT_EQ(check.message.id, c.messageId);
        if (c.outcome == O::Accepted) {
            EXPECT_DOUBLE_EQ(check.value, c.value);
        }
    }
    EXPECT_EQ(checkScaleField("-2e35", ScaleField::Origin, ScaleLin).message.text, "Valeur minimale = -1e+035 !");
    EXPECT_EQ(checkScaleField("25", ScaleField::Origin, ScaleLog).message.text, "Échelle incorrecte !");
}

document::Scales linScales(double origin, double extremity, double step) {
    document::Scales scales;
    for (auto& pair : scales.axis)
        for (AxisScale& scale : pair) {
            scale.origin = 0;
            scale.extremity = 10;
            scale.step = 1;
        }
    scales.axis[1][0].active = 1;
    scales.axis[1][0].origin = origin;
    scales.axis[1][0].extremity = extremity;
    scales.axis[1][0].step = step;
    return scales;
}

TEST(ScaleChecks, OkSwapsTheShownScale) {
    document::Scales scales = linScales(10, 0, 2);
    const ScaleOkCheck check = checkScalesOnOk(scales, 1, 0);
    EXPECT_TRUE(check.message.empty());
    EXPECT_DOUBLE_EQ(scales.axis[1][0].origin, 0);
    EXPECT_DOUBLE_EQ(scales.axis[1][0].extremity, 10);
}

TEST(ScaleChecks, OkStepLimits) {
    // Span 10: the step must lie within 0.2 .. 10.
    document::Scales small = linScales(0, 10, 0.1);
    const ScaleOkCheck tooSmall = checkScalesOnOk(small, 0, 0);
    EXPECT_EQ(tooSmall.message.id, base::MsgScaleStepTooSmall);
    EXPECT_EQ(tooSmall.message.text, "Pas de l'échelle trop petit !\n\nIl doit être supérieur ou égal à 0.2 !");
    EXPECT_EQ(tooSmall.direction, 1);
    EXPECT_EQ(tooSmall.side, 0);

    document::Scales large = linScales(0, 10, 20);
    const ScaleOkCheck tooLarge = checkScalesOnOk(large, 0, 0);
    EXPECT_EQ(tooLarge.message.text, "Pas de l'échelle trop grand !\n\nIl doit être inférieur ou égal à 10 !");

    // A LOG scale is not held to the step rule.
    document::Scales log = linScales(1, 1000, 1);
    log.axis[1][0].kind = ScaleLog;
    EXPECT_TRUE(checkScalesOnOk(log, 1, 0).message.empty());
}

// Deviation: equal bounds with a zero step pass both step rules but leave a
// scale on which nothing can be placed.
TEST(ScaleChecks, OkRefusesAnActiveScaleWithoutExtent) {
    document::Scales scales = linScales(5, 5, 0);
    EXPECT_EQ(checkScalesOnOk(scales, 1, 0).message.id, base::MsgScaleIncorrect);
    scales.axis[1][0].active = 0;
    EXPECT_TRUE(checkScalesOnOk(scales, 1, 0).message.empty());
}

TEST(ProbabilityTable, RowsAndOutside) {
    EXPECT_DOUBLE_EQ(ProbabilityTable::probability(1), 0.6);
    EXPECT_DOUBLE_EQ(ProbabilityTable::quantile(5), 1.29);
    EXPECT_DOUBLE_EQ(ProbabilityTable::tabulated(12), 0.998);
    EXPECT_DOUBLE_EQ(ProbabilityTable::probability(13), 0.999);
    EXPECT_DOUBLE_EQ(ProbabilityTable::probability(0), 0.5);
    EXPECT_DOUBLE_EQ(ProbabilityTable::probability(14), 0.5);
}

// The quantile walk against the normal quantiles of the table's
// probabilities (standard normal table values to four decimals); the walk
// integrates in steps of 0.001 from tabulated Φ rounded to four decimals.
TEST(ProbabilityTable, QuantileWalkMatchesTheNormalLaw) {
    const double exact[] = {0.2533, 0.5244, 0.8416, 1.0364, 1.2816, 1.6449, 1.7507,
                            1.8808, 2.0537, 2.3263, 2.5758, 2.8782, 3.0902};
    for (int r = 1; r <= 13; ++r) {
        const double p = ProbabilityTable::probability(r);
        const auto z = numerics::normalQuantile(p);
        ASSERT_TRUE(z.has_value());
        EXPECT_NEAR(*z, exact[r - 1], 0.004) << "row " << r;
        EXPECT_NEAR(*numerics::normalQuantile(1 - p), -*z, 1e-9) << "row " << r;
        EXPECT_NEAR(*numerics::normalProbability(*z), p, 0.0005) << "row " << r;
        // The table's Φ column is the probability of its z column.
        EXPECT_NEAR(*numerics::normalProbability(ProbabilityTable::quantile(r)), ProbabilityTable::tabulated(r), 1e-4)
            << "row " << r;
    }
    EXPECT_DOUBLE_EQ(*numerics::normalQuantile(0.5), 0.0);
    EXPECT_DOUBLE_EQ(*numerics::normalProbability(0.0), 0.5);
}

}  // namespace
}  // namespace ordinax::render
