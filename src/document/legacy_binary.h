// Reader of the binary older generations ("ASB_00" kind 2, "ASB_97" kind 3,
// "ASB_96" kind 4 with 16-bit integers). All values are little-endian.
//
// Header, 18 bytes: the first word as text, zero-padded to 16 bytes, then a
// 16-bit count of the present curve records (checked against the markers).
//
// 254 curve records, each behind a 16-bit presence marker (0 absent,
// 1 present, anything else is damage). A present record holds
//   kinds 2, 3 (48 bytes): int32 symbol number, int32 colour (palette index of
//     the symbol and the line), int32 point count (its absolute value is
//     taken), byte line code (0 none, 1 solid, 2 dashes, 3 dots, 4 dash-dot),
//     byte flags (bit 0 hidden, bit 1 filled symbol), char[32] title, 2 bytes
//     unused;
//   kind 4 (40 bytes): the same three integers as 16 bits, the two bytes, the
//     32-byte title.
//
// Diagram block:
//   kinds 2, 3 (one record of 6736 bytes): double width, height (cm); double
//     left, right, top, bottom margins (cm); for X then Y: int32 scale kind
//     (0 linear, 1 logarithmic), int32 value format (0..5, 0 values not
//     shown), int32 decimals, int32 sub-division index, int32 grid (1 on),
//     int32 colour (palette index), double origin, extremity, step, the
//     60-byte font; int32 legend corner (0 top right, 1 top left, 2 bottom
//     left, 3 bottom right, other no legend); char[129] X label, char[129] Y
//     label; the rest of the 6736 bytes is unused;
//   kind 4 (480 bytes, field by field): the same fields with every int32 as
//     16 bits and each font as the 50-byte 16-bit record (widened on reading).
//
// Points: for each present record in order, its point count of (x, y) double
// pairs. The file ends with the last point; only the padding a file transfer
// or a DOS program may add is accepted after it: fewer than 128 bytes, all of
// them the DOS end-of-file mark 0x1A. Anything else there (a file shifted by
// stray bytes, a second file appended) refuses the file.
#pragma once

#include <cstdint>
#include <span>

#include "document/diagram.h"

namespace ordinax::document::legacy {

inline constexpr std::size_t BinaryHeaderSize = 18;
inline constexpr int BinaryRecordCount = 254;
inline constexpr std::size_t WideRecordSize = 48;
inline constexpr std::size_t NarrowRecordSize = 40;
inline constexpr std::size_t WideDiagramBlockSize = 6736;
inline constexpr std::size_t NarrowDiagramBlockSize = 480;
inline constexpr std::size_t LegacyTextSize = 129;

inline constexpr std::uint8_t DosEndOfFile = 0x1A;
inline constexpr std::size_t MaxTrailingPadding = 128;

// True when `tail`, the bytes after the last point, is padding a real file
// may carry (see above); an empty tail is.
bool isTrailingPadding(std::span<const std::uint8_t> tail);

// Reads a binary older-generation file of `kind` (2, 3 or 4) into `out`, which
// holds the defaults. Curves beyond MaxCurves and points beyond MaxPoints are
// skipped, as the current reader does. Returns false on damage (truncation,
// bad markers, a record count that disagrees, a length that does not match
// the point counts).
// `pointsDropped`, when given, is set when a curve lost points beyond MaxPoints.
bool readLegacyBinary(int kind, std::span<const std::uint8_t> bytes, Diagram& out, bool* pointsDropped = nullptr);

}  // namespace ordinax::document::legacy
