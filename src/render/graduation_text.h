// The text of one graduation value: number format, exponent written as a
// superscript power of ten, thousands grouping, currency or custom symbol.
#pragma once

#include <string>

#include "document/diagram.h"

namespace ordinax::render {

// Windows-1252 markup byte that opens and closes a superscript run ("¶e").
inline constexpr char MarkupEscape = '\xB6';

// Written in place of a value too large for its format or its field.
inline constexpr const char* OverflowText = "**********";

// Longest graduation text (markup bytes included) before it becomes OverflowText.
inline constexpr std::size_t MaxGraduationTextLength = 20;

// The markup text (Windows-1252) of `value` written with the scale's format,
// decimals, thousands flag and symbol; empty for format 0 (no values).
std::string formatGraduationValue(double value, const document::AxisScale& scale);

// The same for the scale (direction, side) of a diagram.
std::string formatGraduationValue(double value, const document::Diagram& diagram, int direction, int side);

}  // namespace ordinax::render
