// Rewriting label markup as a whole: removing kinds of codes, and giving a
// text one font or one colour throughout (the presentation macros).
#pragma once

#include <string>
#include <string_view>

#include "base/logfont.h"
#include "richtext/markup_codes.h"

namespace ordinax::richtext {

// The text without the codes whose letter is in `letters`; everything else
// (ordinary text, other codes, tabs, line feeds, every line) kept byte for byte.
std::string withoutCodes(std::string_view text, std::string_view letters);

// The text in one font: its font, size and bold/italic/underline codes are
// removed and the codes of `font` put in front (face, size in points from the
// font's pixel height at 96 pixels per inch, bold, italic, underline). An
// empty text stays empty.
std::string withFont(std::string_view text, const base::LogFont& font);

// The text in one colour: its colour codes are removed and "¶Z[r,g,b]" of
// `colour` put in front. An empty text stays empty.
std::string withColour(std::string_view text, Colour colour);

// The text without any colour code: drawn in the colour of its block.
std::string withoutColours(std::string_view text);

}  // namespace ordinax::richtext
