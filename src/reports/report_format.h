// Number and field formatting of calculation reports: printf-style numbers,
// the shortest of several formats, values centred in `&`-ruled fields and the
// column titles of the statistics table in the print languages.
#pragma once

#include <string>
#include <string_view>

namespace ordinax::reports {

// The rule character of report tables.
inline constexpr char RuleChar = '&';

// printf-style text of the value with one numeric conversion ("%g" when the
// format is empty). With trimZeros, 0 gives "0" and a text holding "." loses
// its trailing zeros, then a trailing ".". A format that is not a single
// floating conversion is not used: "%g" is used instead.
std::string formatNumber(double value, std::string_view format = {}, bool trimZeros = false);

// The shortest text of the value over a "|"-separated list of printf formats
// (the first on equal length), upper case, exponent zeros removed unless the
// text ends with "0" ("+1.235E+8", "1E+010").
std::string formatShortest(double value, std::string_view formatList);

// The format lists of the regression (R) and harmonic (H) tables.
inline constexpr std::string_view RegressionFormats = "%g|%+.3e";
inline constexpr std::string_view HarmonicFormats = "%g|%+.4e";

// Number of characters of a label markup text that are shown (codes not counted).
int visibleLength(std::string_view markup);

// Centres `value` in the field that holds the first `placeholder` between the
// nearest `delimiter` on each side on its line, and writes the padded value
// over every occurrence of that field's text. Nothing changes when the
// placeholder or one of the delimiters is missing; a value wider than its
// field is written unpadded.
void replaceInField(std::string& text, std::string_view placeholder, std::string_view value,
                    char delimiter = RuleChar);

// Replaces every occurrence of `placeholder` by `value`, never rescanning the inserted text.
void replaceAll(std::string& text, std::string_view placeholder, std::string_view value);

// The column titles of the statistics table.
enum class ColumnTitle { Minimum = 0, Mean = 1, Maximum = 2, Deviation = 3 };

// The title of a column in a program language (0 French .. 4 Spanish), Windows-1252;
// languages without a translation give "?".
std::string_view columnTitle(ColumnTitle column, int language);

}  // namespace ordinax::reports
