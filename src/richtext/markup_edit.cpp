// Whole-text rewrites of label markup.
#include "richtext/markup_edit.h"

#include <cstdlib>

namespace ordinax::richtext {

namespace {
constexpr std::string_view ColourLetters = "0DWRGBCYMZ";
constexpr std::string_view FontLetters = "FSbiu";
}  // namespace

std::string withoutCodes(std::string_view text, std::string_view letters) {
    std::string result;
    result.reserve(text.size());
    MarkupReader reader(text, 0);
    for (MarkupToken token = reader.next(); token.kind != MarkupTokenKind::End; token = reader.next()) {
        if (token.kind == MarkupTokenKind::Code && letters.find(token.letter) != std::string_view::npos) continue;
        result.append(token.raw);
    }
    return result;
}

std::string withFont(std::string_view text, const base::LogFont& font) {
    if (text.empty()) return {};
    std::string prefix = fontCode(font);
    if (font.height != 0) prefix += sizeCode(std::abs(font.height) * 72.0 / 96.0);
    const auto code = [](char letter) { return std::string{MarkupEscape, letter}; };
    if (font.weight >= 600) prefix += code('b');
    if (font.italic) prefix += code('i');
    if (font.underline) prefix += code('u');
    return prefix + withoutCodes(text, FontLetters);
}

std::string withColour(std::string_view text, Colour colour) {
    if (text.empty()) return {};
    return colourCode(colour) + withoutCodes(text, ColourLetters);
}

std::string withoutColours(std::string_view text) { return withoutCodes(text, ColourLetters); }

}  // namespace ordinax::richtext
