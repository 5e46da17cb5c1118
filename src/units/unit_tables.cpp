// The SI multiples and the exponents of unit factors.
#include "units/unit_tables.h"

#include <array>

namespace ordinax::units {

namespace {

// "\xB5" is the micro sign and "\xE9" the e acute in Windows-1252.
constexpr std::array<SiMultiple, 21> Multiples = {{
    {-10, "y", "yocto", 1e-24}, {-9, "z", "zepto", 1e-21}, {-8, "a", "atto", 1e-18},
    {-7, "f", "femto", 1e-15},  {-6, "p", "pico", 1e-12},  {-5, "n", "nano", 1e-9},
    {-4, "\xB5", "micro", 1e-6}, {-3, "m", "milli", 1e-3}, {-2, "c", "centi", 1e-2},
    {-1, "d", "d\xE9" "ci", 1e-1}, {0, "1", "(aucun)", 1.0}, {1, "da", "d\xE9" "ca", 1e1},
    {2, "h", "hecto", 1e2},     {3, "k", "kilo", 1e3},     {4, "M", "m\xE9ga", 1e6},
    {5, "G", "giga", 1e9},      {6, "T", "t\xE9ra", 1e12}, {7, "P", "peta", 1e15},
    {8, "E", "exa", 1e18},      {9, "Z", "zetta", 1e21},   {10, "Y", "yotta", 1e24},
}};

constexpr std::array<UnitExponent, 12> Exponents = {{
    {-1, "1/2", 0.5}, {0, "1", 1.0}, {1, "3/2", 1.5}, {2, "2", 2.0}, {3, "5/2", 2.5}, {4, "3", 3.0},
    {5, "4", 4.0},    {6, "5", 5.0}, {7, "6", 6.0},   {8, "7", 7.0}, {9, "8", 8.0},   {10, "9", 9.0},
}};

}  // namespace

std::span<const SiMultiple> siMultiples() { return Multiples; }

std::span<const UnitExponent> unitExponents() { return Exponents; }

int multipleIndex(std::string_view symbol) {
    for (const SiMultiple& m : Multiples)
        if (m.symbol == symbol) return m.index;
    return 0;
}

double multipleFactor(int index) {
    for (const SiMultiple& m : Multiples)
        if (m.index == index) return m.factor;
    return 1.0;
}

int exponentIndex(std::string_view text) {
    for (const UnitExponent& e : Exponents)
        if (e.text == text) return e.index;
    return 0;
}

double exponentValue(int index) {
    for (const UnitExponent& e : Exponents)
        if (e.index == index) return e.value;
    return 1.0;
}

}  // namespace ordinax::units
