// Reader of the text older generations: "ASB_91" (kind 5) and "ASSEMBLAGE_91"
// (kind 6) with "key: value" lines, "ASSEMBLAGE_89" (kind 7) in a fixed line
// order. Texts are in the DOS code page (CP850) and converted on reading.
//
// Kinds 5 and 6: after the first line, the diagram keys up to a line
// beginning with ".END"; then curve sections, each opened by "NF: name" and
// closed by a line beginning with ".". The points of a curve are in the
// companion file name + ".LIS" beside the diagram.
//
// Kind 7: after the first line, one item per line: the grid flags ("G" in
// the first column for X, in the second for Y), the legend corner ("HG",
// "HD", "BG", "BD", anything else no legend), for X then Y the logarithmic
// flag ("LOG", "O" or "1"), the value-format letter and the axis label (at
// most 51 characters), then six numbers, one per line: X origin, extremity,
// step, Y origin, extremity, step. Every following non-blank line names a
// curve whose points are in that name + ".LIS"; the name is its title, and
// its legend when the legend corner is set.
//
// ".LIS" point files: one point per line, x then y separated by blanks, tabs
// or a semicolon; a comma is taken as a decimal mark; blank lines are skipped.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "document/diagram.h"

namespace ordinax::document::legacy {

inline constexpr std::size_t Kind7LabelLength = 51;

// Returns the bytes of a companion point file named `name` + ".LIS", or
// nullopt when it cannot be read.
using CompanionReader = std::function<std::optional<std::string>(const std::string& name)>;

// Parses a decimal number of an older text file (blanks around it allowed, a
// comma taken as the decimal mark); false when the text is not one number.
bool parseLegacyNumber(std::string_view text, double& value);

// Reads the points of a ".LIS" file into `curve`; points beyond MaxPoints are
// left out, and `pointsDropped`, when given, is then set. False when a
// non-blank line does not hold two numbers.
bool readPointList(std::string_view text, Curve& curve, bool* pointsDropped = nullptr);

// Reads a text older-generation file of `kind` (5, 6 or 7) into `out`, which
// holds the defaults. False when the file is damaged, a number cannot be
// read, a curve name is not a plain file name or its point file is missing.
// `pointsDropped`, when given, is set when a point file held more than
// MaxPoints points.
bool readLegacyText(int kind, std::string_view text, const CompanionReader& companion, Diagram& out,
                    bool* pointsDropped = nullptr);

}  // namespace ordinax::document::legacy
