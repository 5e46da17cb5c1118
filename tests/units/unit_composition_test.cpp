// The buttons of the definition page: composing, removing, inverting factors.
#include <gtest/gtest.h>

#include "unit_builder.h"
#include "units/unit_composition.h"

namespace ordinax::units::test {
namespace {

const Factor Metre{.symbol = "m", .dimension = Length, .quantity = 1};
const Factor Kilogram{.prefix = "k", .symbol = "g", .coefficient = 1e-3, .dimension = Mass, .quantity = 2};
const Factor PerSecond{.symbol = "s", .denominator = true, .dimension = Time, .quantity = 3};
const Factor Second{.symbol = "s", .dimension = Time, .quantity = 3};

class Composition : public ::testing::Test {
protected:
    UnitDef gram = makeUnit({{.symbol = "g", .coefficient = 1e-3, .dimension = Mass, .quantity = 2}});
};

TEST_F(Composition, PrependMakesTheDefinedUnitFirst) {
    UnitDef axis = makeUnit({Metre, PerSecond});
    ASSERT_TRUE(prependDefinedUnit(axis, gram, false));
    EXPECT_EQ(unitExpression(axis), "\x82g\x82*m\x82/s\x82");
    UnitDef divided = makeUnit({Metre});
    ASSERT_TRUE(prependDefinedUnit(divided, gram, true));
    EXPECT_EQ(unitExpression(divided), "\x82g\x82/m\x82");
    UnitDef empty;
    ASSERT_TRUE(prependDefinedUnit(empty, gram, true));  // no factor to push: just the defined unit
    EXPECT_EQ(unitExpression(empty), "\x82g\x82");
}

TEST_F(Composition, InsertAtTheSelectedPlace) {
    UnitDef axis = makeUnit({Metre, PerSecond});
    ASSERT_TRUE(insertDefinedUnit(axis, gram, 1, true));
    EXPECT_EQ(unitExpression(axis), "\x82m\x82*g\x82/s\x82");
    EXPECT_EQ(axis.factorCount, 3);
    UnitDef second = makeUnit({Metre, PerSecond});
    ASSERT_TRUE(insertDefinedUnit(second, gram, 1, false));
    EXPECT_EQ(unitExpression(second), "\x82m\x82*g\x82*s\x82");
    EXPECT_FALSE(insertDefinedUnit(second, gram, 3, false));  // the end is the place of ".{-----}"
    EXPECT_FALSE(insertDefinedUnit(second, gram, -1, false));
}

TEST_F(Composition, AppendAsNumeratorOrDenominator) {
    UnitDef axis = makeUnit({Metre});
    ASSERT_TRUE(appendDefinedUnit(axis, gram, true));
    ASSERT_TRUE(appendDefinedUnit(axis, makeUnit({Second}), false));
    EXPECT_EQ(unitExpression(axis), "\x82m\x82/g\x82*s\x82");
    // m / (g s): 1 / (1e-3 x 1).
    EXPECT_DOUBLE_EQ(coefficientSI(axis).coefficient, 1000.0);
}

TEST_F(Composition, AFullUnitRefusesAnotherFactor) {
    UnitDef axis;
    for (int i = 0; i < 10; ++i) ASSERT_TRUE(appendDefinedUnit(axis, gram, false));
    const UnitDef before = axis;
    EXPECT_FALSE(appendDefinedUnit(axis, gram, false));
    EXPECT_FALSE(prependDefinedUnit(axis, gram, false));
    EXPECT_FALSE(insertDefinedUnit(axis, gram, 4, false));
    EXPECT_EQ(axis, before);
}

TEST_F(Composition, RemoveMovesTheDenominatorStart) {
    UnitDef axis = makeUnit({Metre, PerSecond, Kilogram});
    ASSERT_TRUE(removeUnitFactor(axis, 1));
    EXPECT_EQ(unitExpression(axis), "\x82m\x82/kg\x82");
    EXPECT_EQ(axis.symbol[2][0], '\0');  // the freed place is cleared
    ASSERT_TRUE(removeUnitFactor(axis, 0));
    EXPECT_EQ(unitExpression(axis), "\x82/kg\x82");
    EXPECT_FALSE(removeUnitFactor(axis, 1));
}

TEST_F(Composition, ClearKeepFirstAndRepeatedQuantity) {
    UnitDef axis = makeUnit({Metre, PerSecond, Kilogram});
    EXPECT_FALSE(hasRepeatedQuantity(axis));
    ASSERT_TRUE(appendDefinedUnit(axis, makeUnit({Metre}), false));
    EXPECT_TRUE(hasRepeatedQuantity(axis));
    keepFirstFactor(axis);
    EXPECT_EQ(unitExpression(axis), "\x82m\x82");
    EXPECT_EQ(axis, makeUnit({Metre}));
    clearUnit(axis);
    EXPECT_EQ(axis, UnitDef{});
    keepFirstFactor(axis);
    EXPECT_EQ(axis.factorCount, 0);
}

TEST_F(Composition, InvertWithoutDenominator) {
    UnitDef axis = makeUnit({Kilogram, Metre});
    ASSERT_TRUE(invertUnit(axis));
    EXPECT_EQ(unitExpression(axis), "\x82" "1\x82/kg\x82*m\x82");
    EXPECT_EQ(dimensionVector(axis), dims(-1, -1));
    EXPECT_DOUBLE_EQ(coefficientSI(axis).coefficient, 1.0);
}

TEST_F(Composition, InvertWithDenominatorSwapsBothSides) {
    // (km / s)^-1 = s / km: coefficient 1e-3, dimension L-1 T.
    UnitDef axis = makeUnit({{.prefix = "k", .symbol = "m", .dimension = Length}, PerSecond});
    ASSERT_TRUE(invertUnit(axis));
    EXPECT_EQ(unitExpression(axis), "\x82s\x82/km\x82");
    EXPECT_DOUBLE_EQ(coefficientSI(axis).coefficient, 1e-3);
    EXPECT_EQ(dimensionVector(axis), dims(-1, 0, 1));
    ASSERT_TRUE(invertUnit(axis));
    EXPECT_EQ(unitExpression(axis), "\x82km\x82/s\x82");
    UnitDef none;
    EXPECT_FALSE(invertUnit(none));
}

}  // namespace
}  // namespace ordinax::units::test
