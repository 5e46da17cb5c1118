// Logical fonts as Qt fonts: the installed faces standing for the Windows
// ones, heights and styles, and the Symbol and Wingdings character tables.
#include "qt/font_mapping.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <cstring>
#include <vector>

#include "qt_test_support.h"

namespace ordinax::qt {
namespace {

using namespace test;

TEST(FontMapping, WindowsFacesResolveToTheirInstalledStandIns) {
    const std::pair<const char*, const char*> faces[] = {
        {"Arial", "Liberation Sans"},       {"Times New Roman", "Liberation Serif"},
        {"Courier New", "Liberation Mono"}, {"Symbol", "Standard Symbols PS [urw]"},
        {"Wingdings", "Symbola"},           {"ARIAL", "Liberation Sans"},
    };
    for (auto [face, family] : faces) {
        SCOPED_TRACE(face);
        EXPECT_EQ(QFontInfo(mapFont(makeFont(-16, face)).font).family(), QString::fromLatin1(family));
    }
}

TEST(FontMapping, HeightsWeightAndStyles) {
    // Liberation Sans: ascent 1854 and descent 434 of 2048 units per em
    // (its OS/2 table), so a 20-pixel character height gives a cell of
    // 20 x 2288 / 2048 = 22.3 pixels.
    const QFont character = mapFont(makeFont(-20, "Arial")).font;
    EXPECT_EQ(character.pixelSize(), 20);
    const QFontMetrics m(character);
    EXPECT_NEAR(m.ascent(), 18.1, 1.0);
    EXPECT_NEAR(m.descent(), 4.2, 1.0);

    // A positive height is the cell: ascent + descent.
    const QFont cell = mapFont(makeFont(45, "Arial")).font;
    const QFontMetrics cm(cell);
    EXPECT_NEAR(cm.ascent() + cm.descent(), 45, 1);
    EXPECT_NEAR(cell.pixelSize(), 45 * 2048 / 2288.0, 1.0);

    base::LogFont styled = makeFont(-12, "Times New Roman");
    styled.weight = 700;
    styled.italic = 1;
    styled.underline = 1;
    styled.strikeOut = 1;
    const QFont q = mapFont(styled).font;
    EXPECT_EQ(q.weight(), QFont::Bold);
    EXPECT_TRUE(q.italic());
    EXPECT_TRUE(q.underline());
    EXPECT_TRUE(q.strikeOut());

    // Absurd heights stay drawable.
    EXPECT_EQ(mapFont(makeFont(-2147483647 - 1, "Arial")).font.pixelSize(), 16000);
    EXPECT_EQ(mapFont(makeFont(0, "Arial")).font.pixelSize(), 12);
}

TEST(FontMapping, FaceNameWithoutTerminatorIsCut) {
    base::LogFont font = makeFont(-12, "Arial");
    std::memset(font.faceName, 'A', sizeof font.faceName);  // no zero at all
    EXPECT_EQ(familyForFace(std::string_view(font.faceName, 32)), QString(32, QChar('A')));
    EXPECT_NO_FATAL_FAILURE(mapFont(font));
}

TEST(CharacterTables, SymbolAndWingdingsCodes) {
    // Adobe's Symbol encoding and the common Wingdings -> Unicode table.
    const std::pair<unsigned char, char32_t> symbol[] = {
        {'q', U'\u03B8'},  {'a', U'\u03B1'},  {'D', U'\u0394'},  {'W', U'\u03A9'},  {'p', U'\u03C0'},
        {0xB0, U'\u00B0'}, {0xB1, U'\u00B1'}, {0xA5, U'\u221E'}, {0xD6, U'\u221A'}, {0xF2, U'\u222B'},
        {0xE5, U'\u2211'}, {0xB9, U'\u2260'}, {'1', U'1'},       {0x80, 0},         {0xFF, 0},
    };
    for (auto [byte, code] : symbol) EXPECT_EQ(symbolToUnicode(byte), code) << int(byte);
    const std::pair<unsigned char, char32_t> wingdings[] = {
        {'l', U'\u25CF'},  {'n', U'\u25A0'},  {'o', U'\u25A1'}, {'u', U'\u25C6'}, {0xAB, U'\u2605'},
        {0xFC, U'\u2714'}, {0x81, U'\u2460'}, {'J', U'\u263A'}, {'"', U'\u2702'}, {'(', U'\U0001F57F'},
    };
    for (auto [byte, code] : wingdings) EXPECT_EQ(wingdingsToUnicode(byte), code) << int(byte);
    // Windows-1252 specials and the unassigned bytes.
    EXPECT_EQ(windows1252ToUnicode(0x80), U'\u20AC');
    EXPECT_EQ(windows1252ToUnicode(0x9C), U'\u0153');
    EXPECT_EQ(windows1252ToUnicode(0xE9), U'\u00E9');
    EXPECT_EQ(windows1252ToUnicode(0x81), 0u);
    EXPECT_EQ(decodeText("\x80 \xE9\x81", FontEncoding::Windows1252), QString::fromUtf8("€ é"));
    EXPECT_EQ(decodeText("(", FontEncoding::Wingdings), QString::fromUcs4(U"\U0001F57F", 1));
}

TEST(CharacterTables, EveryMappedCodeHasAGlyphInItsFont) {
    struct Table {
        const char* face;
        char32_t (*map)(unsigned char);
    };
    for (const Table& table : {Table{"Symbol", symbolToUnicode}, Table{"Wingdings", wingdingsToUnicode}}) {
        const QFontMetrics m(mapFont(makeFont(-16, table.face)).font);
        std::vector<int> missing;
        for (int byte = 0x21; byte <= 0xFF; ++byte) {
            const char32_t code = table.map(static_cast<unsigned char>(byte));
            // Wingdings 0x5C is the Om sign, which no installed face draws.
            const bool knownAbsent = table.map == wingdingsToUnicode && byte == 0x5C;
            if (code != 0 && !knownAbsent && !m.inFontUcs4(code)) missing.push_back(byte);
        }
        EXPECT_TRUE(missing.empty()) << table.face << ": " << testing::PrintToString(missing);
    }
}

// Draws `text` with the device in the given font; returns the picture.

}  // namespace
}  // namespace ordinax::qt
