// SI coefficient, dimension and texts of a unit definition.
#include "units/unit_algebra.h"

#include <algorithm>
#include <cmath>

#include "base/format.h"
#include "units/unit_tables.h"

namespace ordinax::units {

namespace {

constexpr double DimensionEpsilon = 1.1920928955078125e-07;
constexpr std::string_view DimensionLetters = "LMTIKQCRS";

// A factor that only details the generic unit before it: shown, never computed.
bool isDetailFactor(const UnitDef& unit, int i) { return unit.reference[static_cast<std::size_t>(i)] < 0; }

double round3(double x) { return std::round(x * 1000.0) / 1000.0; }

}  // namespace

int usedFactors(const UnitDef& unit) { return std::clamp(unit.factorCount, 0, document::MaxUnitFactors); }

void copyFactor(UnitDef& target, int to, const UnitDef& source, int from) {
    const auto t = static_cast<std::size_t>(to);
    const auto f = static_cast<std::size_t>(from);
    target.reference[t] = source.reference[f];
    target.system[t] = source.system[f];
    target.category[t] = source.category[f];
    target.quantity[t] = source.quantity[f];
    target.denominator[t] = source.denominator[f];
    target.prefix[t] = source.prefix[f];
    target.symbol[t] = source.symbol[f];
    target.exponent[t] = source.exponent[f];
    target.prefixAllowed[t] = source.prefixAllowed[f];
    target.exponentAllowed[t] = source.exponentAllowed[f];
    target.coefficient[t] = source.coefficient[f];
    target.offset[t] = source.offset[f];
    target.dimension[t] = source.dimension[f];
}

void clearFactor(UnitDef& unit, int i) { copyFactor(unit, i, UnitDef{}, 0); }

int factorMultipleIndex(const UnitDef& unit, int i) {
    const auto k = static_cast<std::size_t>(i);
    return unit.prefixAllowed[k] ? multipleIndex(fieldText(unit.prefix[k])) : 0;
}

int factorExponentIndex(const UnitDef& unit, int i) {
    return exponentIndex(fieldText(unit.exponent[static_cast<std::size_t>(i)]));
}

SiPair coefficientSI(const UnitDef& unit) {
    const int n = usedFactors(unit);
    if (n == 0) return {};
    double coefficient = 1.0;
    bool inDenominator = false;
    for (int i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (unit.denominator[k]) inDenominator = true;
        // Detail factors are skipped rather than ending the product, so that a
        // factor composed after a detailed generic unit still counts.
        if (isDetailFactor(unit, i)) continue;
        double t = multipleFactor(factorMultipleIndex(unit, i)) * unit.coefficient[k];
        const double e = exponentValue(factorExponentIndex(unit, i));
        if (e != 1.0) t = std::pow(t, e);
        coefficient = inDenominator ? coefficient / t : coefficient * t;
    }
    const double offset = (n == 1 && !inDenominator) ? unit.offset[0] : 0.0;
    return {coefficient, offset};
}

DimensionVector dimensionVector(const UnitDef& unit) {
    DimensionVector result = {};
    const int n = usedFactors(unit);
    bool inDenominator = false;
    for (int i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (unit.denominator[k]) inDenominator = true;
        if (isDetailFactor(unit, i)) continue;
        const double e = exponentValue(factorExponentIndex(unit, i));
        const double sign = inDenominator ? -1.0 : 1.0;
        for (std::size_t d = 0; d < result.size(); ++d) result[d] += sign * round3(e * unit.dimension[k][d]);
    }
    return result;
}

std::string dimensionText(const DimensionVector& dimension) {
    std::string text;
    for (std::size_t d = 0; d < dimension.size(); ++d) {
        const double x = dimension[d];
        if (!(std::fabs(x) > DimensionEpsilon)) continue;
        text += DimensionLetters[d];
        if (std::fabs(x - 1.0) >= DimensionEpsilon) {
            text += SuperscriptCode;
            text += base::formatPrintf("%g", x);
            text += SuperscriptCode;
        }
    }
    return text.empty() ? std::string("sans dimension") : text;
}

bool sameDimension(const DimensionVector& a, const DimensionVector& b) { return a == b; }

std::string unitExpression(const UnitDef& unit) {
    std::string text(1, ExpressionSeparator);
    const int n = usedFactors(unit);
    for (int i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (unit.denominator[k])
            text += '/';
        else if (i > 0)
            text += '*';
        const std::string_view prefix = fieldText(unit.prefix[k]);
        if (prefix != "1") text += prefix;
        text += fieldText(unit.symbol[k]);
        const std::string_view exponent = fieldText(unit.exponent[k]);
        if (!exponent.empty() && exponent != "1") {
            text += SuperscriptCode;
            text += exponent;
            text += SuperscriptCode;
        }
        text += ExpressionSeparator;
    }
    return text;
}

std::string coefficientLine(const UnitDef& unit) {
    const SiPair si = coefficientSI(unit);
    const double a = si.coefficient;
    const double b = si.offset;
    std::string line;
    if (a != 0.0) {
        if (b == 0.0)
            line = base::formatPrintf("x %g", a);
        else if (b > 0.0)
            line = base::formatPrintf("x %g + %g", a, std::fabs(b));
        else if (b < 0.0)
            line = base::formatPrintf("x %g - %g", a, std::fabs(b));
    } else if (b > 0.0) {
        line = base::formatPrintf("+%g", std::fabs(b));
    } else if (b < 0.0) {
        line = base::formatPrintf("-%g", std::fabs(b));
    }
    if (line.empty()) return line;
    return line + " (" + dimensionText(dimensionVector(unit)) + ")";
}

bool removeNeutralFactor(UnitDef& unit) {
    const int n = usedFactors(unit);
    int numerators = 0;
    while (numerators < n && !unit.denominator[static_cast<std::size_t>(numerators)]) ++numerators;
    if (numerators < 2) return false;
    for (int i = 0; i < numerators; ++i) {
        if (fieldText(unit.symbol[static_cast<std::size_t>(i)]) != "1") continue;
        for (int j = i; j + 1 < n; ++j) copyFactor(unit, j, unit, j + 1);
        clearFactor(unit, n - 1);
        unit.factorCount = n - 1;
        return true;
    }
    return false;
}

double convertValue(double value, const SiPair& from, const SiPair& to) {
    return (from.coefficient * value + from.offset - to.offset) / to.coefficient;
}

}  // namespace ordinax::units
