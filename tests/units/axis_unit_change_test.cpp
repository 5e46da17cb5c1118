// Changing the unit of a curve axis: change detection, coherence, and the
// three outcomes with the conversion of the values.
#include <gtest/gtest.h>

#include "unit_builder.h"
#include "units/axis_unit_change.h"

namespace ordinax::units::test {
namespace {

using document::Curve;
using document::Point;

const UnitDef Celsius = makeUnit({{.symbol = "\xB0" "C", .dimension = Temperature, .offset = 273.15}});
const UnitDef Kelvin = makeUnit({{.symbol = "K", .dimension = Temperature}});
const UnitDef MetreUnit = makeUnit({{.symbol = "m", .dimension = Length}});

class AxisUnitChangeTest : public ::testing::Test {
protected:
    AxisUnitChangeTest() {
        const Point points[] = {{0.0, 0.0}, {1.0, 100.0}};
        before.points = document::PointBuffer(points);
        before.unit[1] = Celsius;
    }
    // The curve as the sheet closes with `unit` on the y axis.
    Curve closing(const UnitDef& unit) const {
        Curve c = before;
        c.unit[1] = unit;
        return c;
    }
    Curve before;
};

TEST_F(AxisUnitChangeTest, ConvertCelsiusToKelvin) {
    const AxisUnitChange change = describeAxisUnitChange(Celsius, Kelvin);
    EXPECT_TRUE(change.changed);
    EXPECT_TRUE(change.coherent);
    Curve curve = closing(Kelvin);
    ASSERT_EQ(finishAxisUnitChange(curve, before, 1, change, UnitChangeAction::ConvertValues), AxisUnitOutcome::Converted);
    EXPECT_DOUBLE_EQ(curve.points[0].y, 273.15);
    EXPECT_DOUBLE_EQ(curve.points[1].y, 373.15);
    EXPECT_EQ(curve.points[1].x, 1.0);  // the other axis is untouched
    EXPECT_EQ(curve.unit[1], Kelvin);
}

TEST_F(AxisUnitChangeTest, KeepAndAbandon) {
    const AxisUnitChange change = describeAxisUnitChange(Celsius, Kelvin);
    Curve kept = closing(Kelvin);
    EXPECT_EQ(finishAxisUnitChange(kept, before, 1, change, UnitChangeAction::KeepValues), AxisUnitOutcome::Kept);
    EXPECT_EQ(kept.points, before.points);
    EXPECT_EQ(kept.unit[1], Kelvin);
    Curve abandoned = closing(Kelvin);
    EXPECT_EQ(finishAxisUnitChange(abandoned, before, 1, change, UnitChangeAction::Abandon), AxisUnitOutcome::Restored);
    EXPECT_EQ(abandoned, before);
}

TEST_F(AxisUnitChangeTest, WhatCountsAsAChange) {
    EXPECT_FALSE(describeAxisUnitChange(UnitDef{}, Kelvin).changed);  // a unit where there was none
    EXPECT_FALSE(describeAxisUnitChange(Kelvin, UnitDef{}).changed);  // a unit removed
    EXPECT_FALSE(describeAxisUnitChange(Kelvin, Kelvin).changed);
    // "1 * m" and "m" are the same unit once the neutral factor is gone.
    const UnitDef oneMetre = makeUnit({{.symbol = "1"}, {.symbol = "m", .dimension = Length}});
    const AxisUnitChange same = describeAxisUnitChange(MetreUnit, oneMetre);
    EXPECT_FALSE(same.changed);
    EXPECT_EQ(same.newUnit, MetreUnit);
    const AxisUnitChange incoherent = describeAxisUnitChange(Kelvin, MetreUnit);
    EXPECT_TRUE(incoherent.changed);
    EXPECT_FALSE(incoherent.coherent);
}

TEST_F(AxisUnitChangeTest, UnchangedUnitStaysWithoutConversion) {
    const AxisUnitChange change = describeAxisUnitChange(Celsius, Celsius);
    Curve curve = closing(Celsius);
    EXPECT_EQ(finishAxisUnitChange(curve, before, 1, change, UnitChangeAction::ConvertValues), AxisUnitOutcome::Kept);
    EXPECT_EQ(curve.points, before.points);
}

TEST_F(AxisUnitChangeTest, CurveWithoutPointsGetsItsStateBack) {
    before.points.clear();
    Curve curve = closing(Kelvin);
    EXPECT_EQ(finishAxisUnitChange(curve, before, 1, describeAxisUnitChange(Celsius, Kelvin),
                                   UnitChangeAction::ConvertValues),
              AxisUnitOutcome::Restored);
    EXPECT_EQ(curve.unit[1], Celsius);
}

TEST_F(AxisUnitChangeTest, ConversionToAZeroCoefficientIsRefused) {
    // A unit typed outside the database may have no coefficient: dividing by
    // it would fill the curve with infinities.
    const UnitDef zero = makeUnit({{.symbol = "z", .coefficient = 0.0, .dimension = Temperature}});
    Curve curve = closing(zero);
    EXPECT_EQ(finishAxisUnitChange(curve, before, 1, describeAxisUnitChange(Celsius, zero),
                                   UnitChangeAction::ConvertValues),
              AxisUnitOutcome::ConversionRefused);
    EXPECT_EQ(curve, before);
    Curve huge = closing(Kelvin);
    const UnitDef tiny = makeUnit({{.symbol = "t", .coefficient = 1e-310, .dimension = Temperature}});
    huge.points.edit()[1].y = 1e300;
    Curve start = huge;
    start.unit[1] = Celsius;
    EXPECT_EQ(finishAxisUnitChange(huge, start, 1, describeAxisUnitChange(Celsius, tiny), UnitChangeAction::ConvertValues),
              AxisUnitOutcome::ConversionRefused);
    EXPECT_EQ(huge, start);
}

}  // namespace
}  // namespace ordinax::units::test
