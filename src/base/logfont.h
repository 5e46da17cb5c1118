// The 60-byte logical font record of diagram files and preferences, and its
// 14-field text form ("-16,0,0,0,400,0,0,0,0,0,0,0,48,Arial").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ordinax::base {

struct LogFont {
    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    char faceName[32] = {};  // zero-terminated, Windows-1252

    bool operator==(const LogFont&) const = default;
};
static_assert(sizeof(LogFont) == 60, "the font record is stored byte for byte");

// Returns the 14 comma-separated fields of the font, face name last.
std::string fontToText(const LogFont& font);

// Parses the 14-field text: the first 13 fields are integers, the rest of the
// text after the 13th comma is the face name (cut to 31 bytes). Returns false
// and leaves `font` unchanged when the text does not hold 13 integers.
bool fontFromText(std::string_view text, LogFont& font);

// Convenience for defaults written as text; the text must be well formed.
LogFont fontFromTextOrDefault(std::string_view text);

}  // namespace ordinax::base
