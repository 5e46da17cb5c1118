// Hand-off to the readers of the older diagram generations.
//
// A file whose 24-byte header holds neither "ASB_02" nor "ASB_01" comes here.
// The header is taken as text: carriage returns are removed, the text is cut at
// its first space and at its first line feed (when these are not at position
// 0), and the result is compared exactly with the first words of the older
// generations: "ASB_00" (binary, kind 2), "ASB_97" (binary, kind 3), "ASB_96"
// (binary with 16-bit integers, kind 4), "ASB_91" (text, kind 5),
// "ASSEMBLAGE_91" (text, kind 6) and "ASSEMBLAGE_89" (text in a fixed line
// order, kind 7). The text generations find their points in companion ".LIS"
// files beside `path`. Anything else gets the format message.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "document/orx_file.h"

namespace ordinax::document {

// Returns the generation (2 to 7) named by the first word of a 24-byte
// header, or 0 when it names none. The header is cut at its first zero byte
// as well, since the binary generations pad their first word with zeros.
int recogniseLegacyHeader(std::span<const std::uint8_t> header);

// Returns the first word of generation `kind` (2 to 7), empty for any other.
std::string legacyFormatName(int kind);

// Reads a diagram of an older generation into `out` (already reset from
// `defaults`); `header` is the first 24 bytes of `bytes`. On success `format`
// names the generation's first word; otherwise the format message is returned.
ReadResult readLegacyDiagram(std::span<const std::uint8_t> header, std::span<const std::uint8_t> bytes,
                             const std::string& path, const DiagramDefaults& defaults, Diagram& out);

}  // namespace ordinax::document
