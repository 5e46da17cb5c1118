// What a unit definition means: its SI coefficient and offset, its dimension
// over the nine base quantities, and its texts in label markup (expression,
// dimension, coefficient line). Also the removal of a neutral factor.
#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

#include "document/unit_def.h"

namespace ordinax::units {

using document::UnitDef;

// Exponents of L, M, T, I, K, Q, C, R, S.
using DimensionVector = std::array<double, document::DimensionCount>;

// value_SI = value x coefficient + offset.
struct SiPair {
    double coefficient = 0.0;
    double offset = 0.0;
    bool operator==(const SiPair&) const = default;
};

inline constexpr char ExpressionSeparator = '\x82';  // brackets every factor of an expression
inline constexpr std::string_view SuperscriptCode = "\xB6" "e";

// The text of a fixed-size field, up to its first zero byte (or its whole size).
template <std::size_t N>
std::string_view fieldText(const std::array<char, N>& field) {
    const void* end = std::memchr(field.data(), 0, N);
    return {field.data(), end ? static_cast<std::size_t>(static_cast<const char*>(end) - field.data()) : N};
}

// Writes `text` into a fixed-size field, zero-filled; false (field untouched)
// when it does not fit with its terminating zero.
template <std::size_t N>
bool setFieldText(std::array<char, N>& field, std::string_view text) {
    if (text.size() >= N) return false;
    field = {};
    std::memcpy(field.data(), text.data(), text.size());
    return true;
}

// The factors that count: factorCount limited to 0 .. 10 (records come from files).
int usedFactors(const UnitDef& unit);

// Copies every field of factor `from` of `source` into factor `to` of `target`.
void copyFactor(UnitDef& target, int to, const UnitDef& source, int from);

// Sets every field of factor i to zero.
void clearFactor(UnitDef& unit, int i);

// The multiple index of factor i (0 unless the factor accepts a multiple).
int factorMultipleIndex(const UnitDef& unit, int i);

// The exponent index of factor i (0 when its text is not a known exponent).
int factorExponentIndex(const UnitDef& unit, int i);

// The SI coefficient and offset of the unit; (0, 0) for a unit without factor.
SiPair coefficientSI(const UnitDef& unit);

// The dimension exponents of the unit.
DimensionVector dimensionVector(const UnitDef& unit);

// The dimension as markup ("LT¶e-2¶e"), "sans dimension" when every exponent is 0.
std::string dimensionText(const DimensionVector& dimension);

// True when no exponent of the two vectors differs.
bool sameDimension(const DimensionVector& a, const DimensionVector& b);

// The expression of the unit as markup, each factor closed by 0x82.
std::string unitExpression(const UnitDef& unit);

// The line "x 1000 (L)" of the definition page; empty for a unit without coefficient and offset.
std::string coefficientLine(const UnitDef& unit);

// Removes the first factor written "1" among the numerator factors, when there
// are at least two of them; returns whether a factor was removed.
bool removeNeutralFactor(UnitDef& unit);

// Converts a value between two units: (c1 x v + o1 - o2) / c2.
double convertValue(double value, const SiPair& from, const SiPair& to);

}  // namespace ordinax::units
