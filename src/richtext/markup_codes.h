// The codes of the label markup: the escape byte and code letters, the named
// colours, the size, colour and font codes with their readers, the family
// words of fonts, date and time texts, colour inversion, and the reader that
// splits a markup text into runs, codes, tabs and line feeds (shared by the
// layout on the drawing device and the RTF conversion).
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "base/date_time.h"
#include "base/logfont.h"

namespace ordinax::richtext {

// Colour as stored in diagrams: 0x00BBGGRR (the renderer's colour type).
using Colour = std::uint32_t;

inline constexpr Colour rgbColour(int r, int g, int b) {
    return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// The byte that starts a code ("¶" in Windows-1252).
inline constexpr char MarkupEscape = '\xB6';

// The letters that make a code after the escape byte.
inline constexpr std::string_view MarkupCodeLetters = "0DWRGBCYMZFSbiuosegt";

// At most this many lines of a markup text are laid out.
inline constexpr int MaxMarkupLines = 10;

// Half-point sizes (¶S[n]) and baseline shifts (¶e[n], ¶s[n]) beyond this are
// not codes: 1638 points is the largest size a font size list offers.
inline constexpr int MaxHalfPoints = 3276;

// True when `letter` after the escape byte makes a code.
bool isCodeLetter(char letter);

// The colour a named colour code stands for (¶0 black, ¶D, ¶W, ¶R, ¶G, ¶B,
// ¶C, ¶Y, ¶M); nullopt for any other letter.
std::optional<Colour> namedColour(char letter);

// The named colour letters and their colours, in code-letter order.
struct NamedColour {
    char letter;
    Colour colour;
};
inline constexpr NamedColour NamedColours[] = {
    {'0', rgbColour(0, 0, 0)},     {'D', rgbColour(128, 128, 128)}, {'W', rgbColour(255, 255, 255)},
    {'R', rgbColour(128, 0, 0)},   {'G', rgbColour(0, 128, 0)},     {'B', rgbColour(0, 0, 128)},
    {'C', rgbColour(0, 128, 128)}, {'Y', rgbColour(255, 255, 0)},   {'M', rgbColour(128, 0, 128)},
};

// "¶S[n]" with n = 2 × |points| rounded to the nearest half point.
std::string sizeCode(double points);

// The font height of a "¶S[n]" code in points, negative (−n/2) like the
// character heights of font records; nullopt when the text is not such a code.
std::optional<double> parseSizeCode(std::string_view text);

// "¶Z[r,g,b]" of the colour, decimal components.
std::string colourCode(Colour colour);

// The colour of a "¶Z[r,g,b]" code (components clamped to 0..255); nullopt
// when the text is not such a code.
std::optional<Colour> parseColourCode(std::string_view text);

// Family word of a face name ("Arial" → "fswiss"); "fnil" for unknown faces.
std::string_view familyWordOfFace(std::string_view face);

// Family word of the high nibble of a pitch-and-family byte (32 → "fswiss").
std::string_view familyWordOfPitchAndFamily(std::uint8_t pitchAndFamily);

// High nibble of the pitch-and-family byte a family word stands for (0 for
// "ftech", "fbidi", "fnil" and unknown words).
std::uint8_t familyBitsOfWord(std::string_view word);

// The pitch written into a font code: 2 for a variable-pitch font, else the
// fixed-pitch bit.
int pitchOfFont(const base::LogFont& font);

// "¶F[family;charset;pitch;face]" of the font, the family word chosen from the face.
std::string fontCode(const base::LogFont& font);

// The font record of a "¶F[...]" code: face, character set and
// pitch-and-family (family bits + pitch), the other fields zero; nullopt
// when the text is not such a code.
std::optional<base::LogFont> parseFontCode(std::string_view text);

// The date (kind 0, "%x"), the time (1, "%H:%M") or both (2, "%x (%H:%M)")
// of `time` in the conventions of the language; empty for another kind.
std::string dateTimeText(int kind, const std::tm& time, base::Language language);

// dateTimeText of the current local time.
std::string dateTimeText(int kind, base::Language language);

// The text with every ¶Z colour replaced by its inverse; a text that does not
// start with a ¶Z code gets a leading "¶Z[0,0,0]" first, so that its text in
// the base colour turns white.
std::string invertColours(std::string_view text);

// ---- Reading a markup text -------------------------------------------------

enum class MarkupTokenKind {
    Text,      // bytes shown as they stand (ends at a code, tab, line feed or the end)
    Code,      // a recognised code; `letter` and the values below tell which
    Tab,       // a tab: the next text starts at the next tab position
    LineFeed,  // the end of a line
    End,       // the end of the text, or of the last line laid out
};

// One piece of a markup text. Views point into the text read.
struct MarkupToken {
    MarkupTokenKind kind = MarkupTokenKind::End;
    std::string_view raw;         // the bytes of the piece in the text
    char letter = 0;              // Code: the code letter
    bool bracketed = false;       // Code: the code carries a [...] argument
    Colour colour = 0;            // ¶Z[...] and named colours: the colour
    int number = 0;               // ¶S[n], ¶e[n], ¶s[n]: n
    std::uint8_t charSet = 0;     // ¶F[...]
    std::uint8_t pitchAndFamily = 0;
    std::string_view face;        // ¶F[...]: the face name (at most 31 bytes)
};

// Splits a markup text into tokens, without allocating: a "¶" before a letter
// outside the list, a code whose bracket is not closed by "]" on its line and
// a bracket whose contents do not read are all ordinary text. Carriage
// returns are skipped. Reading ends after `maxLines` lines (0: no limit).
class MarkupReader {
public:
    explicit MarkupReader(std::string_view text, int maxLines = MaxMarkupLines) : text_(text), maxLines_(maxLines) {}

    // The next token; End once the text or the last line is over.
    MarkupToken next();

    // Offset in the text of the next byte to read.
    std::size_t position() const { return pos_; }

private:
    // Length of the code at pos_ (escape byte included) filled into `token`,
    // or 0 when the bytes there are ordinary text.
    std::size_t readCode(MarkupToken& token) const;

    std::string_view text_;
    int maxLines_;
    int lines_ = 1;
    std::size_t pos_ = 0;
};

}  // namespace ordinax::richtext
