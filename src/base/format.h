// Number formatting and parsing independent of the global C locale. printf-style
// exponents have at least three digits ("1E-007", "2.5e+003"), as in the files
// and texts of earlier program generations.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ordinax::base {

// printf-style formatting under the "C" locale, with exponents of %e %E %g %G
// widened to at least three digits. Accepts the usual conversions and flags.
std::string formatPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));

// "%g" of the value, three-digit exponent ("1e+035").
std::string numberText(double value);

// "%g" text with trailing zeros and a trailing decimal point removed, "0" for zero.
std::string trimmedNumberText(double value);

// Shortest text that reads back to the same double ("0.1", "1e+35" style of
// std::to_chars); for JSON and exchange files.
std::string shortestNumberText(double value);

// Parses a whole decimal number ("." as decimal point, optional exponent,
// surrounding blanks allowed); nullopt when the text is not a number.
std::optional<double> parseNumber(std::string_view text);

// Parses a whole decimal integer; nullopt when the text is not one or overflows int32.
std::optional<int> parseInteger(std::string_view text);

}  // namespace ordinax::base
