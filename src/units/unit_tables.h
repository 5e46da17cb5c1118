// The fixed tables of the units: SI multiples and the exponents a factor may
// carry, with their lookups. Texts are Windows-1252 bytes like the model.
#pragma once

#include <span>
#include <string_view>

namespace ordinax::units {

// One SI multiple: index -10 .. 10, symbol, French name and factor.
struct SiMultiple {
    int index;
    std::string_view symbol;
    std::string_view name;
    double factor;
};

// One exponent a factor may carry: index -1 .. 10, text and value.
struct UnitExponent {
    int index;
    std::string_view text;
    double value;
};

// The SI multiples in list order, index -10 (yocto) to 10 (yotta).
std::span<const SiMultiple> siMultiples();

// The exponents in list order, index -1 ("1/2") to 10 ("9").
std::span<const UnitExponent> unitExponents();

// The index of the multiple written `symbol`; 0 (none) when no symbol matches.
int multipleIndex(std::string_view symbol);

// The factor of a multiple index; 1 outside -10 .. 10.
double multipleFactor(int index);

// The index of the exponent written `text`; 0 (none) when no text matches.
int exponentIndex(std::string_view text);

// The value of an exponent index; 1 outside -1 .. 10.
double exponentValue(int index);

}  // namespace ordinax::units
