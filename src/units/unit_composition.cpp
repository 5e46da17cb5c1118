// The buttons of the definition page as functions over the axis unit.
#include "units/unit_composition.h"

#include "units/unit_algebra.h"

namespace ordinax::units {

namespace {

using document::MaxUnitFactors;

// Moves factors first .. n-1 one place up; the caller checked the room.
void shiftUp(UnitDef& unit, int first) {
    for (int i = usedFactors(unit); i > first; --i) copyFactor(unit, i, unit, i - 1);
    ++unit.factorCount;
}

// Writes factor 0 of `defined` at place i as a numerator.
void placeDefined(UnitDef& axis, int i, const UnitDef& defined) {
    copyFactor(axis, i, defined, 0);
    axis.denominator[static_cast<std::size_t>(i)] = 0;
}

bool full(const UnitDef& unit) { return unit.factorCount < 0 || unit.factorCount >= MaxUnitFactors; }

}  // namespace

bool prependDefinedUnit(UnitDef& axis, const UnitDef& defined, bool denominatorAfter) {
    return insertDefinedUnit(axis, defined, 0, denominatorAfter);
}

bool insertDefinedUnit(UnitDef& axis, const UnitDef& defined, int selected, bool denominatorAfter) {
    if (full(axis) || selected < 0 || selected > axis.factorCount) return false;
    if (selected == axis.factorCount && selected > 0) return false;  // nothing to push along
    shiftUp(axis, selected);
    placeDefined(axis, selected, defined);
    if (selected + 1 < axis.factorCount) axis.denominator[static_cast<std::size_t>(selected + 1)] = denominatorAfter ? 1 : 0;
    return true;
}

bool appendDefinedUnit(UnitDef& axis, const UnitDef& defined, bool denominator) {
    if (full(axis)) return false;
    const int i = axis.factorCount;
    placeDefined(axis, i, defined);
    axis.denominator[static_cast<std::size_t>(i)] = denominator ? 1 : 0;
    ++axis.factorCount;
    return true;
}

bool removeUnitFactor(UnitDef& axis, int selected) {
    const int n = usedFactors(axis);
    if (selected < 0 || selected >= n) return false;
    const bool startedDenominator = axis.denominator[static_cast<std::size_t>(selected)] != 0;
    for (int i = selected; i + 1 < n; ++i) copyFactor(axis, i, axis, i + 1);
    clearFactor(axis, n - 1);
    axis.factorCount = n - 1;
    if (startedDenominator && selected < axis.factorCount) axis.denominator[static_cast<std::size_t>(selected)] = 1;
    return true;
}

void clearUnit(UnitDef& axis) { axis = UnitDef{}; }

void keepFirstFactor(UnitDef& axis) {
    const int n = usedFactors(axis);
    if (n == 0) return;  // a unit without factor has no factor 0 to keep
    for (int i = 1; i < n; ++i) clearFactor(axis, i);
    axis.factorCount = 1;
}

UnitDef neutralUnit() {
    UnitDef unit;
    unit.factorCount = 1;
    setFieldText(unit.prefix[0], "1");
    setFieldText(unit.symbol[0], "1");
    setFieldText(unit.exponent[0], "1");
    unit.coefficient[0] = 1.0;
    return unit;
}

bool invertUnit(UnitDef& axis) {
    const int n = usedFactors(axis);
    if (n == 0) return false;
    int numerators = 0;
    while (numerators < n && !axis.denominator[static_cast<std::size_t>(numerators)]) ++numerators;
    if (numerators == n) {
        if (full(axis)) return false;
        shiftUp(axis, 0);
        placeDefined(axis, 0, neutralUnit());
        axis.denominator[1] = 1;
        return true;
    }
    // Factors after the first "/" all divide: putting the denominator first
    // is the inverse, where a "1/" in front would divide by them as well.
    UnitDef inverted = axis;
    int to = 0;
    for (int i = numerators; i < n; ++i, ++to) {
        copyFactor(inverted, to, axis, i);
        inverted.denominator[static_cast<std::size_t>(to)] = 0;
    }
    for (int i = 0; i < numerators; ++i, ++to) {
        copyFactor(inverted, to, axis, i);
        inverted.denominator[static_cast<std::size_t>(to)] = i == 0 ? 1 : 0;
    }
    axis = inverted;
    return true;
}

bool hasRepeatedQuantity(const UnitDef& unit) {
    const int n = usedFactors(unit);
    if (n < 2) return false;
    for (int i = 0; i < n; ++i) {
        const auto a = static_cast<std::size_t>(i);
        if (unit.reference[a] < 0 || unit.quantity[a] <= 0) continue;
        for (int j = i + 1; j < n; ++j) {
            const auto b = static_cast<std::size_t>(j);
            if (unit.reference[b] >= 0 && unit.quantity[b] == unit.quantity[a]) return true;
        }
    }
    return false;
}

}  // namespace ordinax::units
