// Tests of the text form of the logical font record.
#include "base/logfont.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace ordinax::base {
namespace {

TEST(LogFontText, ReadsAndWritesTheFourteenFields) {
    LogFont font;
    ASSERT_TRUE(fontFromText("-16,0,0,0,400,0,0,0,0,0,0,0,48,Arial", font));
    EXPECT_EQ(font.height, -16);
    EXPECT_EQ(font.weight, 400);
    EXPECT_EQ(font.pitchAndFamily, 48);
    EXPECT_STREQ(font.faceName, "Arial");
    EXPECT_EQ(fontToText(font), "-16,0,0,0,400,0,0,0,0,0,0,0,48,Arial");
}

TEST(LogFontText, EveryFieldKeepsItsPlace) {
    const std::string text = "-21,7,900,450,700,1,1,1,2,3,2,1,34,Times New Roman";
    LogFont font;
    ASSERT_TRUE(fontFromText(text, font));
    LogFont expected;
    expected.height = -21;
    expected.width = 7;
    expected.escapement = 900;
    expected.orientation = 450;
    expected.weight = 700;
    expected.italic = 1;
    expected.underline = 1;
    expected.strikeOut = 1;
    expected.charSet = 2;
    expected.outPrecision = 3;
    expected.clipPrecision = 2;
    expected.quality = 1;
    expected.pitchAndFamily = 34;
    std::strcpy(expected.faceName, "Times New Roman");
    EXPECT_EQ(font, expected);
    EXPECT_EQ(fontToText(font), text);
}

TEST(LogFontText, BytesAreWrittenUnsigned) {
    LogFont font;
    font.charSet = 0xB1;
    font.pitchAndFamily = 0xFF;
    std::strcpy(font.faceName, "Symbol");
    EXPECT_EQ(fontToText(font), "0,0,0,0,0,0,0,0,177,0,0,0,255,Symbol");

    // A byte written signed by an older writer reads as the same byte.
    LogFont read;
    ASSERT_TRUE(fontFromText("0,0,0,0,0,0,0,0,-79,0,0,0,-1,Symbol", read));
    EXPECT_EQ(read, font);
}

TEST(LogFontText, FaceNameIsTheRestOfTheText) {
    LogFont font;
    ASSERT_TRUE(fontFromText("1,2,3,4,5,0,0,0,0,0,0,0,0,Odd, Name", font));
    EXPECT_STREQ(font.faceName, "Odd, Name");
    ASSERT_TRUE(fontFromText("1,2,3,4,5,0,0,0,0,0,0,0,0,", font));
    EXPECT_STREQ(font.faceName, "");

    // Cut to 31 bytes so that the terminator fits.
    const std::string longName(40, 'x');
    ASSERT_TRUE(fontFromText("1,2,3,4,5,0,0,0,0,0,0,0,0," + longName, font));
    EXPECT_EQ(std::string(font.faceName), std::string(31, 'x'));
}

TEST(LogFontText, FullFaceNameIsNeverReadPastTheRecord) {
    LogFont font;
    std::memset(font.faceName, 'y', sizeof font.faceName);  // no terminator at all
    const std::string text = fontToText(font);
    EXPECT_EQ(text.substr(text.rfind(',') + 1), std::string(32, 'y'));
}

TEST(LogFontText, RefusesMalformedTextAndLeavesTheFontUnchanged) {
    LogFont font = fontFromTextOrDefault("-16,0,0,0,400,0,0,0,0,0,0,0,48,Arial");
    const LogFont before = font;
    for (const char* text : {
             "",
             "Arial",
             "-16,0,0,0,400,0,0,0,0,0,0,48,Arial",     // 12 integers
             "-16,0,0,0,400,0,0,0,0,0,0,0,48",         // no comma before the name
             "-16,0,x,0,400,0,0,0,0,0,0,0,48,Arial",   // not an integer
             "-16,0,0,0,400,0,0,0,256,0,0,0,48,Arial", // byte out of range
             "-16,0,0,0,400,0,0,0,0,0,0,0,-129,Arial",
             "99999999999,0,0,0,400,0,0,0,0,0,0,0,48,Arial",
             "-16,,0,0,400,0,0,0,0,0,0,0,48,Arial",
         }) {
        EXPECT_FALSE(fontFromText(text, font)) << text;
        EXPECT_EQ(font, before) << text;
    }
    EXPECT_EQ(fontFromTextOrDefault("broken"), LogFont{});
}

TEST(LogFontText, BlanksAroundNumbersAreAccepted) {
    LogFont font;
    ASSERT_TRUE(fontFromText(" -16, 0,0,0, 400,0,0,0,0,0,0,0,48,Arial", font));
    EXPECT_EQ(font.height, -16);
    EXPECT_EQ(font.weight, 400);
}

}  // namespace
}  // namespace ordinax::base
