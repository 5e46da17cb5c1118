// Tests of the Windows-1252, UTF-8 and CP850 conversions.
#include "base/encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace ordinax::base {
namespace {

std::string allBytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
    return bytes;
}

TEST(Windows1252, EveryByteRoundTripsThroughUtf8) {
    const std::string bytes = allBytes();
    const std::string utf8 = windows1252ToUtf8(bytes);
    const auto back = utf8ToWindows1252(utf8);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, bytes);
    EXPECT_EQ(utf8ToWindows1252Lossy(utf8), bytes);
}

// UTF-8 sequences from the Windows-1252 code chart and the Unicode code points
// of its characters, encoded by hand.
TEST(Windows1252, MapsCharactersToTheirCodePoints) {
    struct Case {
        const char* cp1252;
        const char* utf8;
    };
    const Case cases[] = {
        {"abc", "abc"},
        {"\xE9", "\xC3\xA9"},           // é U+00E9
        {"\x80", "\xE2\x82\xAC"},       // € U+20AC
        {"\x9F", "\xC5\xB8"},           // Ÿ U+0178
        {"\x9C", "\xC5\x93"},           // œ U+0153
        {"\x85", "\xE2\x80\xA6"},       // … U+2026
        {"\xA0", "\xC2\xA0"},           // no-break space
        {"\xFF", "\xC3\xBF"},           // ÿ
        {"\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},  // unassigned: C1 controls
        {"d\xE9j\xE0 \x80", "d\xC3\xA9j\xC3\xA0 \xE2\x82\xAC"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(windows1252ToUtf8(c.cp1252), c.utf8) << c.cp1252;
        EXPECT_EQ(utf8ToWindows1252(c.utf8), std::string(c.cp1252)) << c.cp1252;
    }
    const std::string withNul("a\0b", 3);
    EXPECT_EQ(windows1252ToUtf8(withNul), withNul);
}

TEST(Windows1252, StrictConversionRefusesWhatItCannotWrite) {
    for (const char* utf8 : {
             "\xE4\xB8\xAD",      // U+4E2D, no Windows-1252 byte
             "\xC2\x80",          // U+0080: byte 0x80 is the euro sign, not this control
             "\xC3",              // truncated sequence
             "\xC0\xA9",          // overlong encoding
             "\xED\xA0\x80",      // surrogate
             "ok\xFF",            // byte that never starts a sequence
         })
        EXPECT_FALSE(utf8ToWindows1252(utf8).has_value()) << utf8;
}

TEST(Windows1252, LossyConversionReplacesWithQuestionMarks) {
    EXPECT_EQ(utf8ToWindows1252Lossy("a\xE4\xB8\xAD" "b"), "a?b");   // one mark per character
    EXPECT_EQ(utf8ToWindows1252Lossy("a\xFF" "b\xC3\xA9"), "a?b\xE9");  // one mark per bad byte
    EXPECT_EQ(utf8ToWindows1252Lossy("\xF0\x9F\x98\x80 \xC2\x9D"), "? \x9D");
    EXPECT_EQ(utf8ToWindows1252Lossy(""), "");
}

// Pairs read from the code charts of IBM code page 850 and Windows-1252.
TEST(Cp850, AccentedLettersMapBothWays) {
    struct Pair {
        unsigned char cp850;
        unsigned char cp1252;
    };
    const Pair pairs[] = {
        {0x82, 0xE9},  // é
        {0x85, 0xE0},  // à
        {0x87, 0xE7},  // ç
        {0x8A, 0xE8},  // è
        {0x88, 0xEA},  // ê
        {0x90, 0xC9},  // É
        {0x80, 0xC7},  // Ç
        {0x81, 0xFC},  // ü
        {0x98, 0xFF},  // ÿ
        {0xE1, 0xDF},  // ß
        {0xF8, 0xB0},  // °
        {0xE6, 0xB5},  // µ
        {0x9C, 0xA3},  // £
    };
    for (const Pair& p : pairs) {
        const std::string dos(1, static_cast<char>(p.cp850));
        const std::string win(1, static_cast<char>(p.cp1252));
        EXPECT_EQ(cp850ToWindows1252(dos), win) << int{p.cp850};
        EXPECT_EQ(windows1252ToCp850(win), dos) << int{p.cp1252};
    }
    EXPECT_EQ(cp850ToWindows1252("R\x82sultat \x85 10\xF8"), "R\xE9sultat \xE0 10\xB0");
}

TEST(Cp850, MissingCharactersBecomeQuestionMarks) {
    // Box drawing (0xB3, 0xC4) and dotless i (0xD5) have no Windows-1252 byte.
    EXPECT_EQ(cp850ToWindows1252("a\xB3" "b\xC4\xD5" "c"), "a?b??c");
    // The euro sign and the unassigned bytes have no CP850 byte.
    EXPECT_EQ(windows1252ToCp850("1\x80 \x81\x9D" "2"), "1? ??2");
    const std::string controls("\x00\x1F\x7F", 3);
    EXPECT_EQ(cp850ToWindows1252(controls), controls);
    EXPECT_EQ(windows1252ToCp850(controls), controls);
}

TEST(Cp850, EveryCp850ByteGivesExactlyOneByte) {
    const std::string bytes = allBytes();
    EXPECT_EQ(cp850ToWindows1252(bytes).size(), 256u);
    EXPECT_EQ(windows1252ToCp850(bytes).size(), 256u);
}

}  // namespace
}  // namespace ordinax::base
