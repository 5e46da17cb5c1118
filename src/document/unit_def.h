// The unit of one axis: a product of up to ten factors, stored byte for byte
// (1480 bytes) in diagram files and in the recent-units file.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace ordinax::document {

inline constexpr int MaxUnitFactors = 10;
inline constexpr int DimensionCount = 9;  // L M T I K Q C R S

struct UnitDef {
    std::int32_t factorCount = 0;  // 0 = no unit
    std::array<std::int32_t, MaxUnitFactors> reference = {};
    std::array<std::int32_t, MaxUnitFactors> system = {};
    std::array<std::int32_t, MaxUnitFactors> category = {};
    std::array<std::int32_t, MaxUnitFactors> quantity = {};
    std::array<std::int32_t, MaxUnitFactors> denominator = {};
    std::array<std::array<char, 3>, MaxUnitFactors> prefix = {};
    std::array<std::array<char, 24>, MaxUnitFactors> symbol = {};
    std::array<std::array<char, 4>, MaxUnitFactors> exponent = {};
    std::array<char, 2> padding1 = {};
    std::array<std::int32_t, MaxUnitFactors> prefixAllowed = {};
    std::array<std::int32_t, MaxUnitFactors> exponentAllowed = {};
    std::array<char, 4> padding2 = {};
    std::array<double, MaxUnitFactors> coefficient = {};
    std::array<double, MaxUnitFactors> offset = {};
    std::array<std::array<double, DimensionCount>, MaxUnitFactors> dimension = {};

    bool operator==(const UnitDef&) const = default;
};

static_assert(sizeof(UnitDef) == 1480);
static_assert(offsetof(UnitDef, reference) == 4);
static_assert(offsetof(UnitDef, system) == 44);
static_assert(offsetof(UnitDef, category) == 84);
static_assert(offsetof(UnitDef, quantity) == 124);
static_assert(offsetof(UnitDef, denominator) == 164);
static_assert(offsetof(UnitDef, prefix) == 204);
static_assert(offsetof(UnitDef, symbol) == 234);
static_assert(offsetof(UnitDef, exponent) == 474);
static_assert(offsetof(UnitDef, prefixAllowed) == 516);
static_assert(offsetof(UnitDef, exponentAllowed) == 556);
static_assert(offsetof(UnitDef, coefficient) == 600);
static_assert(offsetof(UnitDef, offset) == 680);
static_assert(offsetof(UnitDef, dimension) == 760);

}  // namespace ordinax::document
