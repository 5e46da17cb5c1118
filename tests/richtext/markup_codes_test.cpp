// The markup codes: the token reader, size, colour and font codes, family
// words, date texts and colour inversion. Expected texts are written by hand
// from the code formats ("¶S[%d]", "¶Z[%d,%d,%d]", "¶F[%s;%d;%d;%s]").
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "richtext/markup_codes.h"
#include "richtext/markup_text.h"

namespace ordinax::richtext {
namespace {

using fixtures::m;

// The tokens of a text, written compactly: T(text) C(letter[n]) Tab LF.
std::string tokens(std::string_view text, int maxLines = MaxMarkupLines) {
    MarkupReader reader(text, maxLines);
    std::string out;
    for (MarkupToken t = reader.next(); t.kind != MarkupTokenKind::End; t = reader.next()) {
        if (!out.empty()) out += ' ';
        switch (t.kind) {
            case MarkupTokenKind::Text: {
                std::string shown(t.raw);
                for (char& c : shown)
                    if (c == MarkupEscape) c = '~';
                out += "T(" + shown + ")";
                break;
            }
            case MarkupTokenKind::Code:
                out += std::string("C(") + t.letter;
                if (t.bracketed && (t.letter == 'S' || t.letter == 'e' || t.letter == 's'))
                    out += "[" + std::to_string(t.number) + "]";
                out += ")";
                break;
            case MarkupTokenKind::Tab: out += "Tab"; break;
            case MarkupTokenKind::LineFeed: out += "LF"; break;
            case MarkupTokenKind::End: break;
        }
    }
    return out;
}

TEST(MarkupReader, SplitsRunsCodesTabsAndLines) {
    // "~" stands for the escape byte inside text tokens.
    const struct {
        const char* markup;
        const char* expected;
    } cases[] = {
        {"x¶e2¶e", "T(x) C(e) T(2) C(e)"},
        {"¶K", "T(~K)"},                                   // unknown letter: both bytes are text
        {"a¶Kb¶bc", "T(a~Kb) C(b) T(c)"},
        {"¶", "T(~)"},                                     // escape at the very end
        {"ab¶", "T(ab~)"},
        {"¶Z[255,0,0]abc¶0def", "C(Z) T(abc) C(0) T(def)"},
        {"¶Z[255,0,0abc", "T(~Z[255,0,0abc)"},             // bracket never closed
        {"¶Z[1,2\n3]x", "T(~Z[1,2) LF T(3]x)"},            // the bracket must close on its line
        {"¶Zx", "T(~Zx)"},                                 // ¶Z needs its bracket
        {"¶Z[a,b,c]x", "T(~Z[a,b,c]x)"},                   // unreadable colour
        {"¶Z[1,2]x", "T(~Z[1,2]x)"},
        {"¶Z[1,2,3,4]x", "T(~Z[1,2,3,4]x)"},
        {"¶S[24]A", "C(S[24]) T(A)"},
        {"¶S[0]A", "T(~S[0]A)"},                           // no size 0
        {"¶S[]A", "T(~S[]A)"},
        {"¶e[4]a¶e[0]", "C(e[4]) T(a) C(e[0])"},
        {"¶s[-3]a", "C(s[-3]) T(a)"},
        {"¶e[x]¶e", "C(e) T([x]) C(e)"},                   // an exponent that starts with "["
        {"¶e[2", "C(e) T([2)"},
        {"¶t¶g¶o¶u¶i", "C(t) C(g) C(o) C(u) C(i)"},
        {"a\tb\t", "T(a) Tab T(b) Tab"},
        {"a\r\nb\r", "T(a) LF T(b)"},                      // carriage returns are skipped
        {"\n\n", "LF LF"},
        {"¶F[fswiss;0;2;Arial]x", "C(F) T(x)"},
        {"¶F[fswiss;0;2]x", "T(~F[fswiss;0;2]x)"},         // face field missing
        {"¶F[fswiss;300;2;Arial]x", "T(~F[fswiss;300;2;Arial]x)"},
    };
    for (const auto& c : cases) EXPECT_EQ(tokens(m(c.markup)), c.expected) << c.markup;
}

TEST(MarkupReader, StopsAfterTheTenthLine) {
    const std::string eleven = "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11";
    EXPECT_EQ(tokens(eleven), "T(1) LF T(2) LF T(3) LF T(4) LF T(5) LF T(6) LF T(7) LF T(8) LF T(9) LF T(10)");
    // Without a limit every line is read (colour inversion needs the whole text).
    const std::string all = tokens(eleven, 0);
    EXPECT_EQ(all.substr(all.rfind("T(10)")), "T(10) LF T(11)");
}

TEST(MarkupReader, ReadsTheArgumentsOfCodes) {
    const std::string text = m("¶Z[ 10, 20 ,300]¶F[fmodern;161;1;Courier New]¶S[21]¶W");
    MarkupReader reader(text);
    MarkupToken t = reader.next();
    EXPECT_EQ(t.colour, rgbColour(10, 20, 255));  // spaces allowed, 300 clamped
    t = reader.next();
    EXPECT_EQ(t.letter, 'F');
    EXPECT_EQ(t.charSet, 161);
    EXPECT_EQ(t.pitchAndFamily, 48 + 1);
    EXPECT_EQ(t.face, "Courier New");
    EXPECT_EQ(reader.next().number, 21);
    t = reader.next();
    EXPECT_EQ(t.letter, 'W');
    EXPECT_EQ(t.colour, rgbColour(255, 255, 255));
    EXPECT_EQ(reader.next().kind, MarkupTokenKind::End);
    EXPECT_EQ(reader.position(), text.size());
}

TEST(MarkupReader, CutsLongFaceNamesToTheFontRecord) {
    const std::string face(40, 'x');
    const std::string text = m("¶F[fnil;0;0;") + face + "]";
    MarkupReader reader(text);
    EXPECT_EQ(reader.next().face, std::string(31, 'x'));
}

TEST(MarkupCodes, NamedColoursAndLetters) {
    // Colours of the table of codes, by hand.
    EXPECT_EQ(namedColour('0'), rgbColour(0, 0, 0));
    EXPECT_EQ(namedColour('D'), rgbColour(128, 128, 128));
    EXPECT_EQ(namedColour('R'), rgbColour(128, 0, 0));
    EXPECT_EQ(namedColour('Y'), rgbColour(255, 255, 0));
    EXPECT_EQ(namedColour('M'), rgbColour(128, 0, 128));
    EXPECT_FALSE(namedColour('Z'));
    EXPECT_FALSE(namedColour('K'));
    EXPECT_TRUE(isCodeLetter('t'));
    EXPECT_FALSE(isCodeLetter('K'));
    EXPECT_FALSE(isCodeLetter('\0'));
}

TEST(MarkupCodes, SizeCodes) {
    EXPECT_EQ(sizeCode(12), m("¶S[24]"));
    EXPECT_EQ(sizeCode(-10.5), m("¶S[21]"));
    EXPECT_EQ(parseSizeCode(m("¶S[24]")), -12.0);
    EXPECT_EQ(parseSizeCode(m("¶S[21]")), -10.5);
    EXPECT_FALSE(parseSizeCode(m("¶S[24")));
    EXPECT_FALSE(parseSizeCode(m("¶S[24]x")));
    EXPECT_FALSE(parseSizeCode(m("¶Z[24,0,0]")));
    EXPECT_FALSE(parseSizeCode(""));
}

TEST(MarkupCodes, ColourCodes) {
    EXPECT_EQ(colourCode(rgbColour(255, 0, 0)), m("¶Z[255,0,0]"));
    EXPECT_EQ(colourCode(rgbColour(1, 2, 3)), m("¶Z[1,2,3]"));
    EXPECT_EQ(parseColourCode(m("¶Z[1,2,3]")), rgbColour(1, 2, 3));
    EXPECT_EQ(parseColourCode(m("¶Z[300,-5,7]")), rgbColour(255, 0, 7));
    EXPECT_FALSE(parseColourCode(m("¶Z[1,2,3")));
    EXPECT_FALSE(parseColourCode(m("¶R")));
}

TEST(MarkupCodes, FamilyWordsBothWays) {
    const struct {
        const char* face;
        const char* word;
        int bits;
    } cases[] = {
        {"Times New Roman", "froman", 16}, {"Palatino", "froman", 16},   {"Arial", "fswiss", 32},
        {"Helvetica", "fswiss", 32},       {"arial narrow", "fswiss", 32}, {"Courier New", "fmodern", 48},
        {"Elite", "fmodern", 48},          {"Cursive", "fscript", 64},   {"Old English", "fdecor", 80},
        {"Symbol", "ftech", 0},            {"Miriam", "fbidi", 0},       {"Verdana", "fnil", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(familyWordOfFace(c.face), c.word) << c.face;
        EXPECT_EQ(familyBitsOfWord(c.word), c.bits) << c.word;
    }
    EXPECT_EQ(familyWordOfPitchAndFamily(34), "fswiss");
    EXPECT_EQ(familyWordOfPitchAndFamily(82), "fdecor");
    EXPECT_EQ(familyWordOfPitchAndFamily(0x92), "fnil");
    EXPECT_EQ(familyBitsOfWord("fwhatever"), 0);
}

base::LogFont font(const char* face, int charSet, int pitchAndFamily) {
    base::LogFont f;
    f.height = -16;
    f.weight = 700;
    std::strncpy(f.faceName, face, sizeof f.faceName - 1);
    f.charSet = static_cast<std::uint8_t>(charSet);
    f.pitchAndFamily = static_cast<std::uint8_t>(pitchAndFamily);
    return f;
}

TEST(MarkupCodes, FontCodes) {
    EXPECT_EQ(fontCode(font("Arial", 0, 34)), m("¶F[fswiss;0;2;Arial]"));
    EXPECT_EQ(fontCode(font("Courier New", 0, 49)), m("¶F[fmodern;0;1;Courier New]"));
    EXPECT_EQ(fontCode(font("Symbol", 2, 82)), m("¶F[ftech;2;2;Symbol]"));
    EXPECT_EQ(fontCode(font("Verdana", 238, 0)), m("¶F[fnil;238;0;Verdana]"));
    // Pitch 3 is not "variable": only the fixed-pitch bit is written.
    EXPECT_EQ(fontCode(font("Arial", 0, 35)), m("¶F[fswiss;0;1;Arial]"));

    // ¶F[fswiss;0;2;Arial]: Arial, variable pitch, family byte 32 + 2; every other field zero.
    const auto read = parseFontCode(m("¶F[fswiss;0;2;Arial]"));
    ASSERT_TRUE(read);
    base::LogFont expected;
    std::strcpy(expected.faceName, "Arial");
    expected.pitchAndFamily = 34;
    EXPECT_EQ(*read, expected);
    EXPECT_STREQ(read->faceName, "Arial");

    const auto symbol = parseFontCode(fontCode(font("Symbol", 2, 82)));
    ASSERT_TRUE(symbol);
    EXPECT_EQ(symbol->pitchAndFamily, 2);  // ftech has no family bits
    EXPECT_EQ(symbol->charSet, 2);
    EXPECT_FALSE(parseFontCode(m("¶F[fswiss;0;2;Arial")));
}

TEST(MarkupCodes, DateAndTimeTexts) {
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 11;
    t.tm_mday = 10;
    t.tm_hour = 14;
    t.tm_min = 5;
    EXPECT_EQ(dateTimeText(0, t, base::Language::French), "10/12/2026");
    EXPECT_EQ(dateTimeText(1, t, base::Language::French), "14:05");
    EXPECT_EQ(dateTimeText(2, t, base::Language::French), "10/12/2026 (14:05)");
    EXPECT_EQ(dateTimeText(2, t, base::Language::German), "10.12.2026 (14:05)");
    EXPECT_EQ(dateTimeText(3, t, base::Language::French), "");
    EXPECT_EQ(dateTimeText(1, base::Language::English).size(), 5u);  // "HH:MM" of now
}

TEST(MarkupCodes, InvertsEveryColourCode) {
    const struct {
        const char* markup;
        const char* expected;
    } cases[] = {
        // A leading ¶Z needs no black before it.
        {"¶Z[255,0,0]abc¶0def", "¶Z[0,255,255]abc¶0def"},
        // Black put first and inverted: the base-coloured text turns white.
        {"abc", "¶Z[255,255,255]abc"},
        {"x¶Z[1,2,3]y\n¶Z[0,0,0]z", "¶Z[255,255,255]x¶Z[254,253,252]y\n¶Z[255,255,255]z"},
        // Codes that are text stay as they are.
        {"¶Z[1,2,3 abc ¶K", "¶Z[255,255,255]¶Z[1,2,3 abc ¶K"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(invertColours(m(c.markup)), m(c.expected)) << c.markup;

    // Beyond the tenth line too.
    const std::string many = std::string(12, '\n') + m("¶Z[0,0,255]");
    EXPECT_EQ(invertColours(many), m("¶Z[255,255,255]") + std::string(12, '\n') + m("¶Z[255,255,0]"));

    // Twice gives the text back, up to the leading colour.
    const std::string text = m("¶Z[10,20,30]a¶Z[200,100,0]b");
    EXPECT_EQ(invertColours(invertColours(text)), text);
}

}  // namespace
}  // namespace ordinax::richtext
