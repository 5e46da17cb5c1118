// Value mappings shared by the readers of the older diagram generations: the
// 16-colour palette, line kinds and widths, legend corners, graduation value
// formats, label alignment prefixes and the widening of 16-bit fonts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/logfont.h"

namespace ordinax::document::legacy {

inline constexpr int PaletteSize = 16;
inline constexpr std::size_t Font16Size = 50;  // the 16-bit logical-font record

// Returns the colour (0x00BBGGRR) of an index of the old 16-colour palette;
// an index outside 0..15 gives black.
std::int32_t paletteColour(int index);

// Returns the line kind of a "TL" value by its first letter: "T" 2, "P" 3,
// "M" 4, anything else 1 (letters compared without regard to case).
std::int32_t lineKindFromLetter(std::string_view value);

// Returns the line width of an "NL" style code: 1..5 kept, anything else 1.
std::int32_t lineWidthFromCode(int code);

// Returns the line kind of a binary curve record's line code: 0 (no line) to
// 4 kept, anything else 1.
std::int32_t lineKindFromCode(int code);

// Returns the legend placement of a corner name ("HG" 1, "HD" 0, "BG" 2,
// "BD" 3, compared without regard to case), -1 for anything else.
std::int32_t legendCornerCode(std::string_view corner);

// Returns the legend placement of the "PLX" and "PLY" values: PLX 1 the
// left-hand code, 2 the right-hand one, PLY 2 the lower row; -1 for no legend.
std::int32_t legendFromPosition(int plx, int ply);

// The graduation values of one scale as an older file describes them.
struct ValueFormat {
    std::int32_t format = 1;
    std::int32_t decimals = 0;
    bool shown = true;
};

// Reads a value-format letter: "L" free, "I" integer, "D<n>" real and
// "E<n>" scientific with n decimals, "S" values not shown; other letters keep
// the free format. Decimals are held to 0..5.
ValueFormat valueFormatFromLetter(std::string_view value);

// Reads a numbered value format ("FX", "FY"): 1..4 kept, 5 values not shown,
// anything else the free format.
ValueFormat valueFormatFromCode(int code);

// Returns `prefix` followed by `text`, or an empty text when `text` is empty
// (an empty label must stay empty, or its slot would not be freed).
std::string alignedLabel(std::string_view prefix, std::string_view text);

// Widens a 16-bit logical font (five 16-bit integers, eight bytes, a 32-byte
// face name) to the 60-byte record; the face name is always terminated.
base::LogFont widenFont16(const std::uint8_t* record);

}  // namespace ordinax::document::legacy
