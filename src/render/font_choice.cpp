// Fonts chosen in a dialog as logical-font records.
#include "render/font_choice.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/format.h"
#include "richtext/markup_codes.h"

namespace ordinax::render {

namespace {

struct Substitute {
    std::string_view family;
    std::string_view face;
};

// The reverse of the face substitution of the drawing devices.
constexpr Substitute Substitutes[] = {
    {"Liberation Sans", "Arial"},
    {"Liberation Sans Narrow", "Arial Narrow"},
    {"Liberation Serif", "Times New Roman"},
    {"Liberation Mono", "Courier New"},
    {"Standard Symbols PS", "Symbol"},
    {"Symbola", "Wingdings"},
};

// Sizes refer to the 96 pixels-per-inch screen of the stored records.
constexpr double PixelsPerPoint = 96.0 / 72.0;

std::string_view faceOf(const base::LogFont& font) {
    return {font.faceName, strnlen(font.faceName, sizeof font.faceName)};
}

}  // namespace

std::string windowsFaceForFamily(std::string_view family) {
    // Fontconfig names may carry the foundry: "Standard Symbols PS [urw]".
    const std::string_view plain = family.substr(0, std::min(family.find(" ["), family.size()));
    for (const Substitute& s : Substitutes)
        if (plain == s.family) return std::string(s.face);
    return std::string(plain);
}

double fontPoints(const base::LogFont& font) {
    if (font.height == 0) return 12.0;
    return std::round(std::abs(font.height) / PixelsPerPoint * 2.0) / 2.0;
}

base::LogFont chosenFont(const base::LogFont& previous, const ChosenFont& chosen) {
    base::LogFont font = previous;
    const std::string face = windowsFaceForFamily(chosen.family);
    const bool faceChanged = face != faceOf(previous);
    std::memset(font.faceName, 0, sizeof font.faceName);
    std::memcpy(font.faceName, face.data(), std::min(face.size(), sizeof font.faceName - 1));
    const double points = std::clamp(chosen.points, 1.0, 1638.0);
    font.height = -std::max(1, static_cast<int>(std::lround(points * PixelsPerPoint)));
    font.weight = chosen.bold ? 700 : 400;
    font.italic = chosen.italic ? 1 : 0;
    font.underline = chosen.underline ? 1 : 0;
    font.strikeOut = chosen.strikeOut ? 1 : 0;
    if (faceChanged) {
        const bool symbolic = face == "Symbol" || face == "Wingdings";
        font.charSet = symbolic ? 2 : 0;
        const std::uint8_t family = richtext::familyBitsOfWord(richtext::familyWordOfFace(face));
        // Variable pitch unless the face is one of the fixed-pitch families.
        font.pitchAndFamily = static_cast<std::uint8_t>(family | (family == 48 ? 1 : 2));
    }
    return font;
}

std::string fontDescription(const base::LogFont& font) {
    std::string text(faceOf(font));
    if (text.empty()) text = "Arial";
    text += ", " + base::trimmedNumberText(fontPoints(font)) + " pt";
    if (font.weight >= 600) text += ", gras";
    if (font.italic) text += ", italique";
    return text;
}

}  // namespace ordinax::render
