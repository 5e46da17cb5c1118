// A label's markup as the text editor holds it: runs of characters that share
// one look (bold, italic, underline, ruled line, superscript, subscript,
// Greek, baseline shift, colour, face, size), each with the code bytes that
// stood before it in the markup. Writing the runs back gives the same bytes
// when nothing was changed, and the shortest codes where the look changed.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/logfont.h"
#include "richtext/markup_codes.h"

namespace ordinax::richtext {

// The look the codes read so far give the following characters.
struct RunStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool ruled = false;        // ¶o
    bool superscript = false;  // ¶e ... ¶e
    bool subscript = false;    // ¶s ... ¶s
    bool greek = false;        // ¶g ... ¶g: Symbol-font characters
    int shift = 0;             // half-points: ¶e[n] raises by n (> 0), ¶s[n] lowers (< 0)
    bool colourSet = false;    // a colour code is in force (else the block's own colour)
    Colour colour = 0;
    int halfPoints = 0;  // ¶S[n]; 0 while no size code is in force
    std::string face;    // ¶F[...] face; empty while no font code is in force
    std::uint8_t charSet = 0;
    std::uint8_t pitchAndFamily = 0;
    bool operator==(const RunStyle&) const = default;
};

// Characters that share one style. `text` holds Windows-1252 bytes (or
// Symbol-font codes in a Greek run), tabs and line feeds included.
struct LabelRun {
    std::string codes;  // the codes written just before the text, as they stood
    std::string text;
    RunStyle style;
    bool operator==(const LabelRun&) const = default;
};

// The base of a label: its font (face, size, weight) and the colour its text
// has without colour codes (black for the diagram's labels).
struct LabelBase {
    base::LogFont font;
    int pixelsPerInch = 96;
};

// The style of a text before any code: bold when the base font is bold.
RunStyle initialStyle(const LabelBase& base);

// The style after the codes of `codes` (other bytes are ignored).
RunStyle applyCodes(RunStyle style, std::string_view codes);

// The runs of a markup text: every byte kept (lines beyond the tenth and
// carriage returns included); codes at the very end make a last run without text.
std::vector<LabelRun> parseLabel(std::string_view markup, const LabelBase& base);

// The markup of runs. A run's own codes are written when they give its style
// from the style written so far; otherwise the shortest codes that do.
std::string writeLabel(std::span<const LabelRun> runs, const LabelBase& base);

// The codes that turn `from` into the look of `to` (sizes and faces compared
// with the base's own where no code is in force).
std::string transitionCodes(const RunStyle& from, const RunStyle& to, const LabelBase& base);

// True when two styles draw the same (sizes, faces and colours compared as drawn).
bool sameLook(const RunStyle& a, const RunStyle& b, const LabelBase& base);

// The size in half-points a style draws with.
int effectiveHalfPoints(const RunStyle& style, const LabelBase& base);
// The face a style draws with (Windows-1252).
std::string effectiveFace(const RunStyle& style, const LabelBase& base);
// The colour a style draws with (black without a colour code).
Colour effectiveColour(const RunStyle& style);

// The characters the editor offers from the Symbol font (Greek letters and
// signs) and from Wingdings, as byte codes of those fonts.
std::span<const unsigned char> symbolCharacters();
std::span<const unsigned char> wingdingsCharacters();

// The style of a Wingdings character inserted into text of `style`.
RunStyle wingdingsStyle(RunStyle style);

}  // namespace ordinax::richtext
