// SI coefficient, dimension, expression and coefficient line of unit
// definitions, and the removal of a neutral factor.
#include <gtest/gtest.h>

#include <cmath>

#include "unit_builder.h"
#include "units/unit_algebra.h"

namespace ordinax::units::test {
namespace {

// Expected values below are worked by hand from the definitions of the factors.

TEST(UnitAlgebra, KiloMetreIsAThousandMetres) {
    const UnitDef km = makeUnit({{.prefix = "k", .symbol = "m", .dimension = Length}});
    EXPECT_EQ(coefficientSI(km), (SiPair{1000.0, 0.0}));
    EXPECT_EQ(dimensionText(dimensionVector(km)), "L");
    EXPECT_EQ(coefficientLine(km), "x 1000 (L)");
}

TEST(UnitAlgebra, PrefixCountsOnlyWhenTheUnitAcceptsOne) {
    // The database stores the multiple inside the coefficient of such units.
    const UnitDef km = makeUnit({{.prefix = "k", .symbol = "m", .coefficient = 1000.0, .dimension = Length, .prefixAllowed = 0}});
    EXPECT_EQ(coefficientSI(km).coefficient, 1000.0);
    EXPECT_EQ(unitExpression(km), "\x82km\x82");
}

TEST(UnitAlgebra, MetrePerSecondSquared) {
    const UnitDef a = makeUnit({{.symbol = "m", .dimension = Length},
                                {.symbol = "s", .exponent = "2", .denominator = true, .dimension = Time}});
    EXPECT_EQ(coefficientSI(a), (SiPair{1.0, 0.0}));
    EXPECT_EQ(dimensionVector(a), dims(1, 0, -2));
    EXPECT_EQ(dimensionText(dimensionVector(a)), "LT\xB6" "e-2\xB6" "e");
    EXPECT_EQ(unitExpression(a), "\x82m\x82/s\xB6" "e2\xB6" "e\x82");
}

TEST(UnitAlgebra, EverythingAfterTheFirstSlashDivides) {
    // J / kg * K: the K after the "/" is in the denominator too. 4.1868 / (1e-3 * 1) = 4186.8.
    const UnitDef c = makeUnit({{.symbol = "cal", .coefficient = 4.1868, .dimension = dims(2, 1, -2)},
                                {.prefix = "1", .symbol = "g", .denominator = true, .coefficient = 1e-3, .dimension = Mass},
                                {.symbol = "K", .dimension = Temperature}});
    EXPECT_NEAR(coefficientSI(c).coefficient, 4186.8, 1e-9);
    EXPECT_EQ(dimensionVector(c), dims(2, 0, -2, 0, -1));
    EXPECT_EQ(unitExpression(c), "\x82" "cal\x82/g\x82*K\x82");
}

TEST(UnitAlgebra, ExponentsAndHalfExponents) {
    // (1e-2 m)^3 = 1e-6 m3; (1e4 m2)^(1/2) = 100 m.
    const UnitDef cm3 = makeUnit({{.prefix = "c", .symbol = "m", .exponent = "3", .dimension = Length}});
    EXPECT_NEAR(coefficientSI(cm3).coefficient, 1e-6, 1e-21);
    EXPECT_EQ(dimensionText(dimensionVector(cm3)), "L\xB6" "e3\xB6" "e");
    const UnitDef root = makeUnit({{.symbol = "ha", .exponent = "1/2", .coefficient = 1e4, .dimension = dims(2)}});
    EXPECT_DOUBLE_EQ(coefficientSI(root).coefficient, 100.0);
    EXPECT_EQ(dimensionVector(root), dims(1));
    const UnitDef sqrtHz = makeUnit({{.symbol = "Hz", .exponent = "1/2", .dimension = dims(0, 0, -1)}});
    EXPECT_EQ(dimensionText(dimensionVector(sqrtHz)), "T\xB6" "e-0.5\xB6" "e");
}

TEST(UnitAlgebra, OffsetOnlyForASingleNumeratorFactor) {
    const UnitDef celsius = makeUnit({{.symbol = "\xB0" "C", .dimension = Temperature, .offset = 273.15}});
    EXPECT_EQ(coefficientSI(celsius), (SiPair{1.0, 273.15}));
    EXPECT_EQ(coefficientLine(celsius), "x 1 + 273.15 (K)");
    const UnitDef perCelsius = makeUnit({{.symbol = "\xB0" "C", .denominator = true, .dimension = Temperature, .offset = 273.15}});
    EXPECT_EQ(coefficientSI(perCelsius), (SiPair{1.0, 0.0}));
    const UnitDef twoFactors = makeUnit({{.symbol = "\xB0" "C", .dimension = Temperature, .offset = 273.15},
                                         {.symbol = "s", .dimension = Time}});
    EXPECT_EQ(coefficientSI(twoFactors).offset, 0.0);
}

TEST(UnitAlgebra, CoefficientLineCases) {
    struct Case {
        double coefficient, offset;
        const char* line;
    };
    // Formats of the definition page, worked by hand: "%g" of each number.
    const Case cases[] = {
        {1.0, 0.0, "x 1 (sans dimension)"},     {0.5, -32.0, "x 0.5 - 32 (sans dimension)"},
        {2.0, 3.5, "x 2 + 3.5 (sans dimension)"}, {0.0, 5.0, "+5 (sans dimension)"},
        {0.0, -5.0, "-5 (sans dimension)"},      {0.0, 0.0, ""},
        {1e-40, 0.0, "x 1e-040 (sans dimension)"},
    };
    for (const Case& c : cases) {
        const UnitDef unit = makeUnit({{.symbol = "u", .coefficient = c.coefficient, .offset = c.offset}});
        EXPECT_EQ(coefficientLine(unit), c.line) << c.coefficient << " " << c.offset;
    }
}

TEST(UnitAlgebra, NoFactorMeansNoCoefficient) {
    const UnitDef none;
    EXPECT_EQ(coefficientSI(none), (SiPair{0.0, 0.0}));
    EXPECT_EQ(dimensionText(dimensionVector(none)), "sans dimension");
    EXPECT_EQ(unitExpression(none), "\x82");
    EXPECT_EQ(coefficientLine(none), "");
}

TEST(UnitAlgebra, CorruptFactorCountIsLimited) {
    UnitDef unit = makeUnit({{.symbol = "m", .dimension = Length}});
    unit.factorCount = 5000;  // a damaged record must not read past the ten factors
    EXPECT_EQ(usedFactors(unit), 10);
    unit.factorCount = -3;
    EXPECT_EQ(coefficientSI(unit), (SiPair{0.0, 0.0}));
}

TEST(UnitAlgebra, DetailFactorsAreShownButNotComputed) {
    // km/h from the database (factor 0 holds the whole unit, 1/3.6, L T-1,
    // factor 1 the detail "/h"), then a gram written after it: it divides.
    // 1/3.6 / 1e-3 = 277.777...
    const UnitDef unit = makeUnit({{.prefix = "k", .symbol = "m", .coefficient = 1.0 / 3.6, .dimension = dims(1, 0, -1), .prefixAllowed = 0},
                                   {.symbol = "h", .denominator = true, .coefficient = 3600.0, .dimension = Time, .reference = -1},
                                   {.symbol = "g", .coefficient = 1e-3, .dimension = Mass, .reference = 7}});
    EXPECT_NEAR(coefficientSI(unit).coefficient, 1000.0 / 3.6, 1e-9);
    EXPECT_EQ(dimensionVector(unit), dims(1, -1, -1));
    EXPECT_EQ(unitExpression(unit), "\x82km\x82/h\x82*g\x82");
}

TEST(UnitAlgebra, DimensionExponentsAreRoundedToThreeDecimals) {
    // 3 x 0.3333333 = 0.9999999, rounded to 1: a cube root stored in a database line.
    const UnitDef unit = makeUnit({{.symbol = "m", .exponent = "3", .dimension = dims(1.0 / 3.0, 0, -1.0 / 3.0)}});
    EXPECT_EQ(dimensionVector(unit), dims(1, 0, -1));
    EXPECT_EQ(dimensionText(dims(1e-8, 1.0 + 1e-8)), "M");
}

TEST(UnitAlgebra, NeutralFactorRemoval) {
    struct Case {
        UnitDef unit;
        bool removed;
        const char* expression;
    };
    const Factor one{.symbol = "1"};
    const Factor metre{.symbol = "m", .dimension = Length};
    const Factor perSecond{.symbol = "s", .denominator = true, .dimension = Time};
    const Case cases[] = {
        {makeUnit({one, metre}), true, "\x82m\x82"},
        {makeUnit({metre, one}), true, "\x82m\x82"},
        {makeUnit({one, one, metre}), true, "\x82" "1\x82*m\x82"},
        {makeUnit({metre, one, perSecond}), true, "\x82m\x82/s\x82"},
        {makeUnit({one, perSecond}), false, "\x82" "1\x82/s\x82"},  // one numerator only: 1/s stays
        {makeUnit({one}), false, "\x82" "1\x82"},
        {makeUnit({metre, perSecond, one}), false, "\x82m\x82/s\x82*1\x82"},  // the 1 divides: not a numerator
    };
    for (Case c : cases) {
        EXPECT_EQ(removeNeutralFactor(c.unit), c.removed) << c.expression;
        EXPECT_EQ(unitExpression(c.unit), c.expression);
    }
}

TEST(UnitAlgebra, ConversionBetweenCelsiusAndKelvin) {
    const SiPair celsius{1.0, 273.15};
    const SiPair kelvin{1.0, 0.0};
    EXPECT_DOUBLE_EQ(convertValue(0.0, celsius, kelvin), 273.15);
    EXPECT_DOUBLE_EQ(convertValue(100.0, celsius, kelvin), 373.15);
    EXPECT_DOUBLE_EQ(convertValue(373.15, kelvin, celsius), 100.0);
}

}  // namespace
}  // namespace ordinax::units::test
