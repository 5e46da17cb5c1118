// Label markup as runs for the text editor, and back.
#include "richtext/label_runs.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "richtext/rtf_writer.h"

namespace ordinax::richtext {

namespace {

std::string code(char letter) {
    return std::string{MarkupEscape, letter};
}

std::string baseFace(const LabelBase& base) {
    return std::string(base.font.faceName, strnlen(base.font.faceName, sizeof base.font.faceName));
}

void applyToken(RunStyle& s, const MarkupToken& t) {
    switch (t.letter) {
        case '0':
            s.colourSet = true;
            s.colour = 0;
            break;
        case 'Z':
            s.colourSet = true;
            s.colour = t.colour;
            break;
        case 'D':
        case 'W':
        case 'R':
        case 'G':
        case 'B':
        case 'C':
        case 'Y':
        case 'M':
            // Naming the colour in force switches back to black.
            s.colour = effectiveColour(s) == t.colour ? 0 : t.colour;
            s.colourSet = true;
            break;
        case 'S':
            s.halfPoints = t.number;
            break;
        case 'F':
            s.face = std::string(t.face);
            s.charSet = t.charSet;
            s.pitchAndFamily = t.pitchAndFamily;
            break;
        case 'b':
            s.bold = !s.bold;
            break;
        case 'i':
            s.italic = !s.italic;
            break;
        case 'u':
            s.underline = !s.underline;
            break;
        case 'o':
            s.ruled = !s.ruled;
            break;
        case 'g':
            s.greek = !s.greek;
            break;
        case 'e':
            if (t.bracketed)
                s.shift = t.number;
            else
                s.superscript = !s.superscript;
            break;
        case 's':
            if (t.bracketed)
                s.shift = -t.number;
            else
                s.subscript = !s.subscript;
            break;
        default:
            break;  // ¶t: recognised, no effect
    }
}

// A font code of a face with its character set and pitch-and-family byte.
std::string faceCode(std::string_view face, std::uint8_t charSet, std::uint8_t pitchAndFamily) {
    std::string text = code('F') + "[";
    text += familyWordOfPitchAndFamily(pitchAndFamily);
    text += ";" + std::to_string(charSet) + ";" + std::to_string(pitchAndFamily & 0x0F) + ";";
    text += face;
    text += "]";
    return text;
}

// True when the text would be read as the argument of a ¶e or ¶s written
// just before it ("[3]" after ¶e is a shift, not an exponent).
bool startsWithArgument(std::string_view text) {
    if (text.empty() || text.front() != '[') return false;
    const std::size_t close = text.find(']');
    if (close == std::string_view::npos) return false;
    const std::string probe = code('e') + std::string(text.substr(0, close + 1));
    MarkupReader reader(probe, 0);
    const MarkupToken token = reader.next();
    return token.kind == MarkupTokenKind::Code && token.bracketed;
}

// True when a code could start in the last bytes of `text` and take in what
// follows (a code's argument is never longer than this).
bool endsNearEscape(std::string_view text) {
    constexpr std::size_t Reach = 100;
    const std::size_t from = text.size() > Reach ? text.size() - Reach : 0;
    return text.find(MarkupEscape, from) != std::string_view::npos;
}

constexpr unsigned char SymbolChars[] = {
    'a',  'b',  'g',  'd',  'e',  'z',  'h',  'q',  'i',  'k',  'l',  'm',  'n',  'x',  'o',  'p',  'r',  's',
    'V',  't',  'u',  'f',  'c',  'y',  'w',  'j',  'J',  'v',  'G',  'D',  'Q',  'L',  'X',  'P',  'S',  'U',
    'F',  'Y',  'W',  0xB0, 0xB1, 0xB4, 0xB8, 0xA3, 0xB3, 0xB9, 0xBB, 0xA5, 0xB6, 0xD6, 0xD5, 0xE5, 0xF2, 0xD1,
    0xA6, 0xAE, 0xAC, 0xAD, 0xAF, 0xDE, 0xDC, 0xCE, 0xC7, 0xC8, 0xA2, 0xC6, 0xBA, 0xB7, 0xD7, 0x22, 0x24, 0x27,
};

constexpr unsigned char WingdingsChars[] = {
    0x6C, 0x6E, 0x6F, 0x71, 0x73, 0x74, 0x75, 0x76, 0xA1, 0xA2, 0xA4, 0xA6, 0xA8, 0xAB, 0xAC, 0xB5, 0x4A, 0x4B,
    0x4C, 0xD8, 0xE0, 0xE8, 0xE7, 0xEF, 0xF0, 0xF1, 0xF2, 0xFB, 0xFC, 0xFD, 0xFE, 0x21, 0x22, 0x29, 0x2A, 0x3F,
};

}  // namespace

Colour effectiveColour(const RunStyle& style) {
    return style.colourSet ? style.colour : 0;
}

int effectiveHalfPoints(const RunStyle& style, const LabelBase& base) {
    return style.halfPoints > 0 ? style.halfPoints : baseHalfPoints(base.font, base.pixelsPerInch);
}

std::string effectiveFace(const RunStyle& style, const LabelBase& base) {
    return style.face.empty() ? baseFace(base) : style.face;
}

RunStyle initialStyle(const LabelBase& base) {
    RunStyle style;
    style.bold = base.font.weight >= 600;
    style.italic = base.font.italic != 0;
    style.underline = base.font.underline != 0;
    return style;
}

RunStyle applyCodes(RunStyle style, std::string_view codes) {
    MarkupReader reader(codes, 0);
    for (MarkupToken t = reader.next(); t.kind != MarkupTokenKind::End; t = reader.next())
        if (t.kind == MarkupTokenKind::Code) applyToken(style, t);
    return style;
}

std::vector<LabelRun> parseLabel(std::string_view markup, const LabelBase& base) {
    std::vector<LabelRun> runs;
    RunStyle style = initialStyle(base);
    std::string pending;
    // Text goes into the last run unless codes came since it.
    auto appendText = [&](std::string_view bytes) {
        if (runs.empty() || !pending.empty()) {
            runs.push_back({std::move(pending), {}, style});
            pending.clear();
        }
        runs.back().text += bytes;
    };
    MarkupReader reader(markup, 0);
    std::size_t read = 0;
    for (;;) {
        const MarkupToken token = reader.next();
        // The reader skips carriage returns: they are text like any byte.
        const std::size_t start = token.kind == MarkupTokenKind::End
                                      ? markup.size()
                                      : static_cast<std::size_t>(token.raw.data() - markup.data());
        if (start > read) appendText(markup.substr(read, start - read));
        if (token.kind == MarkupTokenKind::End) break;
        read = start + token.raw.size();
        if (token.kind == MarkupTokenKind::Code) {
            pending += token.raw;
            applyToken(style, token);
        } else {
            appendText(token.raw);
        }
    }
    if (!pending.empty()) runs.push_back({std::move(pending), {}, style});
    return runs;
}

bool sameLook(const RunStyle& a, const RunStyle& b, const LabelBase& base) {
    if (a.bold != b.bold || a.italic != b.italic || a.underline != b.underline || a.ruled != b.ruled ||
        a.superscript != b.superscript || a.subscript != b.subscript || a.greek != b.greek || a.shift != b.shift)
        return false;
    if (effectiveColour(a) != effectiveColour(b)) return false;
    if (effectiveHalfPoints(a, base) != effectiveHalfPoints(b, base)) return false;
    if (effectiveFace(a, base) != effectiveFace(b, base)) return false;
    // The character set matters only where a code chose the face.
    const std::uint8_t charSetA = a.face.empty() ? base.font.charSet : a.charSet;
    const std::uint8_t charSetB = b.face.empty() ? base.font.charSet : b.charSet;
    return charSetA == charSetB;
}

std::string transitionCodes(const RunStyle& from, const RunStyle& to, const LabelBase& base) {
    std::string codes;
    if (effectiveFace(from, base) != effectiveFace(to, base) ||
        (from.face.empty() ? base.font.charSet : from.charSet) != (to.face.empty() ? base.font.charSet : to.charSet)) {
        codes += to.face.empty() ? fontCode(base.font) : faceCode(to.face, to.charSet, to.pitchAndFamily);
    }
    if (effectiveHalfPoints(from, base) != effectiveHalfPoints(to, base))
        codes += code('S') + "[" + std::to_string(effectiveHalfPoints(to, base)) + "]";
    if (effectiveColour(from) != effectiveColour(to)) {
        const Colour colour = effectiveColour(to);
        codes += colour == 0 ? code('0') : colourCode(colour);
    }
    if (from.bold != to.bold) codes += code('b');
    if (from.italic != to.italic) codes += code('i');
    if (from.underline != to.underline) codes += code('u');
    if (from.ruled != to.ruled) codes += code('o');
    if (from.greek != to.greek) codes += code('g');
    if (from.shift != to.shift) {
        if (to.shift < 0)
            codes += code('s') + "[" + std::to_string(-to.shift) + "]";
        else
            codes += code('e') + "[" + std::to_string(to.shift) + "]";
    }
    // The toggles last: a bracketed argument after them would be taken as a shift.
    if (from.superscript != to.superscript) codes += code('e');
    if (from.subscript != to.subscript) codes += code('s');
    return codes;
}

std::string writeLabel(std::span<const LabelRun> runs, const LabelBase& base) {
    std::string out;
    RunStyle written = initialStyle(base);
    for (const LabelRun& run : runs) {
        const RunStyle candidate = applyCodes(written, run.codes);
        std::string codes;
        if (sameLook(candidate, run.style, base)) {
            codes = run.codes;
            written = candidate;
        } else {
            codes = transitionCodes(written, run.style, base);
            written = applyCodes(written, codes);
        }
        // A toggle ¶e or ¶s just before "[n]" would read it as a shift: ¶t, which
        // does nothing, keeps them apart.
        if (codes.size() >= 2 && codes[codes.size() - 2] == MarkupEscape &&
            (codes.back() == 'e' || codes.back() == 's') && startsWithArgument(run.text))
            codes += code('t');
        // Two texts joined without a code between them could make a code
        // ("¶" at the end of one, "b" at the start of the next): ¶t keeps
        // them apart. Runs read from markup are never joined so.
        if (codes.empty() && !run.text.empty() && endsNearEscape(out)) codes = code('t');
        out += codes;
        out += run.text;
    }
    return out;
}

std::span<const unsigned char> symbolCharacters() {
    return SymbolChars;
}

std::span<const unsigned char> wingdingsCharacters() {
    return WingdingsChars;
}

RunStyle wingdingsStyle(RunStyle style) {
    style.face = "Wingdings";
    style.charSet = 2;
    style.pitchAndFamily = 2;  // no family word, variable pitch
    style.greek = false;
    return style;
}

}  // namespace ordinax::richtext
