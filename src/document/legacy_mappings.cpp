// Value mappings shared by the readers of the older diagram generations.
#include "document/legacy_mappings.h"

#include <algorithm>
#include <cstring>

namespace ordinax::document::legacy {

namespace {

// The 16 colours of the old palette in their index order (black, blue, green,
// cyan, red, magenta, brown, light grey, then the bright versions), 0x00BBGGRR.
constexpr std::int32_t Palette[PaletteSize] = {
    0x000000, 0xAA0000, 0x00AA00, 0xAAAA00, 0x0000AA, 0xAA00AA, 0x0055AA, 0xAAAAAA,
    0x555555, 0xFF5555, 0x55FF55, 0xFFFF55, 0x5555FF, 0xFF55FF, 0x55FFFF, 0xFFFFFF,
};

char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool sameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (upper(a[i]) != upper(b[i])) return false;
    return true;
}

std::int32_t decimalsAfter(std::string_view value) {
    if (value.size() < 2 || value[1] < '0' || value[1] > '9') return 0;
    return std::min(value[1] - '0', 5);
}

std::int16_t i16At(const std::uint8_t* p) { return static_cast<std::int16_t>(p[0] | (p[1] << 8)); }

}  // namespace

std::int32_t paletteColour(int index) {
    if (index < 0 || index >= PaletteSize) return 0;
    return Palette[index];
}

std::int32_t lineKindFromLetter(std::string_view value) {
    if (value.empty()) return 1;
    switch (upper(value[0])) {
        case 'T': return 2;
        case 'P': return 3;
        case 'M': return 4;
        default: return 1;
    }
}

std::int32_t lineWidthFromCode(int code) { return (code >= 1 && code <= 5) ? code : 1; }

std::int32_t lineKindFromCode(int code) { return (code >= 0 && code <= 4) ? code : 1; }

std::int32_t legendCornerCode(std::string_view corner) {
    if (sameLetters(corner, "HG")) return 1;
    if (sameLetters(corner, "HD")) return 0;
    if (sameLetters(corner, "BG")) return 2;
    if (sameLetters(corner, "BD")) return 3;
    return -1;
}

std::int32_t legendFromPosition(int plx, int ply) {
    std::int32_t code = -1;
    if (plx == 1) code = 1;
    else if (plx == 2) code = 0;
    else return -1;
    if (ply == 2) code = (code == 1) ? 2 : 3;
    return code;
}

ValueFormat valueFormatFromLetter(std::string_view value) {
    ValueFormat f;
    if (value.empty()) return f;
    switch (upper(value[0])) {
        case 'I': f.format = 2; break;
        case 'D': f.format = 3; f.decimals = decimalsAfter(value); break;
        case 'E': f.format = 4; f.decimals = decimalsAfter(value); break;
        case 'S': f.shown = false; break;
        default: break;  // "L" and unknown letters: free format
    }
    return f;
}

ValueFormat valueFormatFromCode(int code) {
    ValueFormat f;
    if (code >= 1 && code <= 4) f.format = code;
    else if (code == 5) f.shown = false;
    return f;
}

std::string alignedLabel(std::string_view prefix, std::string_view text) {
    if (text.empty()) return {};
    std::string out(prefix);
    out.append(text);
    return out;
}

base::LogFont widenFont16(const std::uint8_t* record) {
    base::LogFont font;
    font.height = i16At(record + 0);
    font.width = i16At(record + 2);
    font.escapement = i16At(record + 4);
    font.orientation = i16At(record + 6);
    font.weight = i16At(record + 8);
    font.italic = record[10];
    font.underline = record[11];
    font.strikeOut = record[12];
    font.charSet = record[13];
    font.outPrecision = record[14];
    font.clipPrecision = record[15];
    font.quality = record[16];
    font.pitchAndFamily = record[17];
    std::memcpy(font.faceName, record + 18, sizeof font.faceName);
    font.faceName[sizeof font.faceName - 1] = '\0';
    return font;
}

}  // namespace ordinax::document::legacy
