// Builds unit definitions factor by factor for the tests of the units.
#pragma once

#include <initializer_list>
#include <string>

#include "units/unit_algebra.h"

namespace ordinax::units::test {

// One factor as the tests write it.
struct Factor {
    std::string prefix = "1";
    std::string symbol;
    std::string exponent = "1";
    bool denominator = false;
    double coefficient = 1.0;
    DimensionVector dimension = {};
    double offset = 0.0;
    int prefixAllowed = 1;
    int reference = 1;
    int quantity = 0;
};

// Dimension vectors by letter, in the order L M T I K Q C R S.
inline DimensionVector dims(double l, double m = 0, double t = 0, double i = 0, double k = 0, double q = 0,
                            double c = 0, double r = 0, double s = 0) {
    return {l, m, t, i, k, q, c, r, s};
}

inline UnitDef makeUnit(std::initializer_list<Factor> factors) {
    UnitDef unit;
    int i = 0;
    for (const Factor& f : factors) {
        const auto k = static_cast<std::size_t>(i++);
        setFieldText(unit.prefix[k], f.prefix);
        setFieldText(unit.symbol[k], f.symbol);
        setFieldText(unit.exponent[k], f.exponent);
        unit.denominator[k] = f.denominator ? 1 : 0;
        unit.coefficient[k] = f.coefficient;
        unit.offset[k] = f.offset;
        unit.dimension[k] = f.dimension;
        unit.prefixAllowed[k] = f.prefixAllowed;
        unit.exponentAllowed[k] = 1;
        unit.reference[k] = f.reference;
        unit.quantity[k] = f.quantity;
    }
    unit.factorCount = i;
    return unit;
}

inline const DimensionVector Length = dims(1);
inline const DimensionVector Mass = dims(0, 1);
inline const DimensionVector Time = dims(0, 0, 1);
inline const DimensionVector Temperature = dims(0, 0, 0, 0, 1);

}  // namespace ordinax::units::test
