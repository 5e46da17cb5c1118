// Logical font -> QFont, and the character tables of text and symbol fonts.
#include "qt/font_mapping.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "base/encoding.h"

namespace ordinax::qt {
namespace {

// Windows-1252 0x80..0x9F; 0 marks the five unassigned bytes.
constexpr std::array<char16_t, 32> kWindows1252High{0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                                    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The Symbol font's encoding from 0x20 to 0xFF (Greek letters, mathematical
// signs, arrows); 0 where the font has no character. The pieces of tall
// brackets and integrals, the arrow and radical extenders and the TM signs
// take the private-use codes under which the installed symbol face holds
// them, as it has no glyph at their standard Unicode characters.
constexpr std::array<char16_t, 224> kSymbol{
    // 0x20
    0x0020, 0x0021, 0x2200, 0x0023, 0x2203, 0x0025, 0x0026, 0x220B, 0x0028, 0x0029, 0x2217, 0x002B, 0x002C, 0x2212,
    0x002E, 0x002F,
    // 0x30
    0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037, 0x0038, 0x0039, 0x003A, 0x003B, 0x003C, 0x003D,
    0x003E, 0x003F,
    // 0x40
    0x2245, 0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393, 0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C,
    0x039D, 0x039F,
    // 0x50
    0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396, 0x005B, 0x2234, 0x005D,
    0x22A5, 0x005F,
    // 0x60
    0xF8E5, 0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3, 0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC,
    0x03BD, 0x03BF,
    // 0x70
    0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6, 0x007B, 0x007C, 0x007D,
    0x223C, 0,
    // 0x80, 0x90: unassigned
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    // 0xA0
    0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663, 0x2666, 0x2665, 0x2660, 0x2194, 0x2190, 0x2191,
    0x2192, 0x2193,
    // 0xB0
    0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D, 0x2202, 0x2022, 0x00F7, 0x2260, 0x2261, 0x2248, 0x2026, 0xF8E6,
    0xF8E7, 0x21B5,
    // 0xC0
    0x2135, 0x2111, 0x211C, 0x2118, 0x2297, 0x2295, 0x2205, 0x2229, 0x222A, 0x2283, 0x2287, 0x2284, 0x2282, 0x2286,
    0x2208, 0x2209,
    // 0xD0
    0x2220, 0x2207, 0x00AE, 0x00A9, 0xF6DB, 0x220F, 0x221A, 0x22C5, 0x00AC, 0x2227, 0x2228, 0x21D4, 0x21D0, 0x21D1,
    0x21D2, 0x21D3,
    // 0xE0
    0x25CA, 0x2329, 0x00AE, 0x00A9, 0xF8EA, 0x2211, 0xF8EB, 0xF8EC, 0xF8ED, 0xF8EE, 0xF8EF, 0xF8F0, 0xF8F1, 0xF8F2,
    0xF8F3, 0xF8F4,
    // 0xF0
    0, 0x232A, 0x222B, 0x2320, 0xF8F5, 0x2321, 0xF8F6, 0xF8F7, 0xF8F8, 0xF8F9, 0xF8FA, 0xF8FB, 0xF8FC, 0xF8FD, 0xF8FE,
    0};

// Wingdings from 0x20 to 0xFF in Unicode dingbats, pictographs and arrows;
// 0x7F has no character, 0xFF (a flag of four panes) takes the squared plus.
constexpr std::array<char32_t, 224> kWingdings{// 0x20
                                               0x0020, 0x1F589, 0x2702, 0x2701, 0x1F453, 0x1F56D, 0x1F56E, 0x1F56F,
                                               0x1F57F, 0x2706, 0x1F582, 0x1F583, 0x1F4EA, 0x1F4EB, 0x1F4EC, 0x1F4ED,
                                               // 0x30
                                               0x1F4C1, 0x1F4C2, 0x1F4C4, 0x1F5CF, 0x1F5D0, 0x1F5C4, 0x231B, 0x1F5AE,
                                               0x1F5B0, 0x1F5B2, 0x1F5B3, 0x1F5B4, 0x1F5AB, 0x1F5AC, 0x2707, 0x270D,
                                               // 0x40
                                               0x1F58E, 0x270C, 0x1F44C, 0x1F44D, 0x1F44E, 0x261C, 0x261E, 0x261D,
                                               0x261F, 0x1F590, 0x263A, 0x1F610, 0x2639, 0x1F4A3, 0x2620, 0x1F3F3,
                                               // 0x50
                                               0x1F3F1, 0x2708, 0x263C, 0x1F4A7, 0x2744, 0x1F546, 0x271E, 0x1F548,
                                               0x2720, 0x2721, 0x262A, 0x262F, 0x0950, 0x2638, 0x2648, 0x2649,
                                               // 0x60
                                               0x264A, 0x264B, 0x264C, 0x264D, 0x264E, 0x264F, 0x2650, 0x2651, 0x2652,
                                               0x2653, 0x1F670, 0x1F675, 0x25CF, 0x1F53E, 0x25A0, 0x25A1,
                                               // 0x70
                                               0x1F790, 0x2751, 0x2752, 0x2B27, 0x29EB, 0x25C6, 0x2756, 0x2B25, 0x2327,
                                               0x2BB9, 0x2318, 0x1F3F5, 0x1F3F6, 0x1F676, 0x1F677, 0,
                                               // 0x80
                                               0x24EA, 0x2460, 0x2461, 0x2462, 0x2463, 0x2464, 0x2465, 0x2466, 0x2467,
                                               0x2468, 0x2469, 0x24FF, 0x2776, 0x2777, 0x2778, 0x2779,
                                               // 0x90
                                               0x277A, 0x277B, 0x277C, 0x277D, 0x277E, 0x277F, 0x1F662, 0x1F660,
                                               0x1F661, 0x1F663, 0x1F65E, 0x1F65C, 0x1F65D, 0x1F65F, 0x00B7, 0x2022,
                                               // 0xA0
                                               0x25AA, 0x26AA, 0x1F786, 0x1F788, 0x25C9, 0x25CE, 0x1F53F, 0x25AA,
                                               0x25FB, 0x1F7C2, 0x2726, 0x2605, 0x2736, 0x2734, 0x2739, 0x2735,
                                               // 0xB0
                                               0x2BD0, 0x2316, 0x27E1, 0x2311, 0x2BD1, 0x272A, 0x2730, 0x1F550, 0x1F551,
                                               0x1F552, 0x1F553, 0x1F554, 0x1F555, 0x1F556, 0x1F557, 0x1F558,
                                               // 0xC0
                                               0x1F559, 0x1F55A, 0x1F55B, 0x2BB0, 0x2BB1, 0x2BB2, 0x2BB3, 0x2BB4,
                                               0x2BB5, 0x2BB6, 0x2BB7, 0x1F66A, 0x1F66B, 0x1F655, 0x1F654, 0x1F657,
                                               // 0xD0
                                               0x1F656, 0x1F650, 0x1F651, 0x1F652, 0x1F653, 0x232B, 0x2326, 0x2B98,
                                               0x2B9A, 0x2B99, 0x2B9B, 0x2B88, 0x2B8A, 0x2B89, 0x2B8B, 0x1F868,
                                               // 0xE0
                                               0x1F86A, 0x1F869, 0x1F86B, 0x1F86C, 0x1F86D, 0x1F86F, 0x1F86E, 0x1F878,
                                               0x1F87A, 0x1F879, 0x1F87B, 0x1F87C, 0x1F87D, 0x1F87F, 0x1F87E, 0x21E6,
                                               // 0xF0
                                               0x21E8, 0x21E7, 0x21E9, 0x2B04, 0x21F3, 0x2B00, 0x2B01, 0x2B03, 0x2B02,
                                               0x1F8AC, 0x1F8AD, 0x1F5F6, 0x2714, 0x1F5F7, 0x1F5F9, 0x229E};

// Case-insensitive comparison of ASCII face names.
bool sameFace(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

struct FaceSubstitute {
    std::string_view windowsFace;
    const char* family;
};

// The faces of diagram files and their installed stand-ins, which keep the
// same advance widths so that layouts measure alike.
constexpr std::array<FaceSubstitute, 9> kSubstitutes{{
    {"Arial", "Liberation Sans"},
    {"Arial Narrow", "Liberation Sans Narrow"},
    {"Helvetica", "Liberation Sans"},
    {"MS Sans Serif", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Times", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
    // The OpenType file of this face has a symbol-encoded character map;
    // its Type 1 files (foundry urw) map Unicode, which our text carries.
    {"Symbol", "Standard Symbols PS [urw]"},
    {"Wingdings", "Symbola"},
}};

// The face name up to its terminating zero (the record may lack one).
std::string_view faceOf(const base::LogFont& font) {
    const char* face = font.faceName;
    return {face, strnlen(face, sizeof font.faceName)};
}

QFont::StyleHint hintForFamily(std::uint8_t pitchAndFamily) {
    switch (pitchAndFamily & 0xF0) {
        case 16:
            return QFont::Serif;
        case 32:
            return QFont::SansSerif;
        case 48:
            return QFont::TypeWriter;
        case 64:
            return QFont::Cursive;
        case 80:
            return QFont::Decorative;
        default:
            return QFont::AnyStyle;
    }
}

}  // namespace

QString familyForFace(std::string_view face) {
    for (const auto& substitute : kSubstitutes)
        if (sameFace(face, substitute.windowsFace)) return QString::fromLatin1(substitute.family);
    if (face.empty()) return QStringLiteral("Liberation Sans");
    return QString::fromStdString(base::windows1252ToUtf8(face));
}

FontEncoding encodingForFace(std::string_view face) {
    if (sameFace(face, "Symbol")) return FontEncoding::Symbol;
    if (sameFace(face, "Wingdings")) return FontEncoding::Wingdings;
    return FontEncoding::Windows1252;
}

MappedFont mapFont(const base::LogFont& font, const QPaintDevice* device) {
    const std::string_view face = faceOf(font);
    MappedFont mapped;
    mapped.encoding = encodingForFace(face);
    QFont& qfont = mapped.font;
    qfont.setFamily(familyForFace(face));
    qfont.setStyleHint(hintForFamily(font.pitchAndFamily), QFont::PreferOutline);
    // Hinting would move glyph edges by up to a pixel per character and make
    // measured widths depend on the size; diagrams are laid out by advances.
    qfont.setHintingPreference(QFont::PreferNoHinting);
    qfont.setKerning(false);
    const int weight = font.weight <= 0 ? 400 : std::clamp(static_cast<int>(font.weight), 1, 1000);
    qfont.setWeight(static_cast<QFont::Weight>(weight));
    qfont.setItalic(font.italic != 0);
    qfont.setUnderline(font.underline != 0);
    qfont.setStrikeOut(font.strikeOut != 0);

    // The record's height can be any 32-bit value; a font larger than any
    // page or a zero size would only waste time or draw nothing.
    constexpr int kMaxPixels = 16000;
    if (font.height < 0) {
        qfont.setPixelSize(std::clamp(-static_cast<long long>(font.height), 1LL, static_cast<long long>(kMaxPixels)));
    } else if (font.height == 0) {
        qfont.setPixelSize(12);
    } else {
        // A cell height: choose the em size whose ascent + descent fills it.
        const int cell = std::min(static_cast<int>(font.height), kMaxPixels);
        qfont.setPixelSize(cell);
        const qreal measured = QFontMetricsF(qfont, device).height();
        if (measured > 0) qfont.setPixelSize(std::max(1, static_cast<int>(std::lround(cell * cell / measured))));
    }
    if (font.width > 0) {
        // An average character width: stretch the face horizontally to it.
        const qreal average = QFontMetricsF(qfont, device).averageCharWidth();
        if (average > 0)
            qfont.setStretch(std::clamp(static_cast<int>(std::lround(100.0 * font.width / average)), 1, 4000));
    }
    return mapped;
}

char32_t windows1252ToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return kWindows1252High[byte - 0x80];
    return byte;
}

char32_t symbolToUnicode(unsigned char byte) {
    if (byte < 0x20) return byte;
    return kSymbol[byte - 0x20];
}

char32_t wingdingsToUnicode(unsigned char byte) {
    if (byte < 0x20) return byte;
    return kWingdings[byte - 0x20];
}

QString decodeText(std::string_view bytes, FontEncoding encoding) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        char32_t code = 0;
        switch (encoding) {
            case FontEncoding::Windows1252:
                code = windows1252ToUnicode(byte);
                break;
            case FontEncoding::Symbol:
                code = symbolToUnicode(byte);
                break;
            case FontEncoding::Wingdings:
                code = wingdingsToUnicode(byte);
                break;
        }
        if (code == 0) continue;
        if (code > 0xFFFF) {
            text.append(QChar::highSurrogate(code));
            text.append(QChar::lowSurrogate(code));
        } else {
            text.append(QChar(static_cast<char16_t>(code)));
        }
    }
    return text;
}

}  // namespace ordinax::qt
