// RTF conversion of label markup: the writer's tables and body, the reader
// of typed RTF back to markup, the keyword-table plain-text reader and its
// stop statuses, and round trips over texts that use every code. Expected
// RTF and markup texts are written by hand from the word table (\b / \b0,
// {\super ...}, \cfN, \fN, \fsN) and the code formats.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <cstring>
#include <string>

#include <unistd.h>

#include "base/logfont.h"
#include "richtext/markup_codes.h"
#include "richtext/rtf_editor_colours.h"
#include "richtext/rtf_plain_text.h"
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"
#include "richtext/markup_text.h"

namespace ordinax::richtext {
namespace {

using fixtures::m;

// Arial, 16 pixels high: 12 points on a 96 dpi screen, so "\fs24".
base::LogFont arial() {
    base::LogFont font;
    font.height = -16;
    font.weight = 400;
    font.pitchAndFamily = 34;
    std::strcpy(font.faceName, "Arial");
    return font;
}

std::string toRtf(std::string_view markup) { return markupToRtf(markup, arial(), BuiltInRtfTemplate); }

// The body as the built-in frame holds it (after "\pard\plain ").
std::string bodyOf(const std::string& rtf) {
    const std::size_t start = rtf.find("\\plain ") + 7;
    return rtf.substr(start, rtf.rfind('}') - start);
}

std::string back(const std::string& rtf, int slot = 0) {
    const base::LogFont font = arial();
    const RtfMarkup read = rtfToMarkup(rtf, slot, &font);
    EXPECT_EQ(read.status, RtfStatus::Ok) << rtf;
    return read.markup;
}

TEST(MarkupToRtf, ToggledBoldBecomesOnAndOffWordsAndReadsBack) {
    const std::string rtf = toRtf(m("¶bA¶bB"));
    EXPECT_EQ(bodyOf(rtf), "\\fs24 \\f0 \\b A\\b0 B");
    EXPECT_EQ(back(rtf), m("¶bA¶bB"));
}

TEST(MarkupToRtf, ColoursGetTableEntriesInOrderOfAppearance) {
    const std::string rtf = toRtf(m("¶Z[255,0,0]r¶Z[0,0,255]b¶Z[255,0,0]r¶Z[0,0,0]k"));
    EXPECT_NE(rtf.find("{\\colortbl\\red0\\green0\\blue0;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"),
              std::string::npos)
        << rtf;
    EXPECT_EQ(bodyOf(rtf), "\\fs24 \\f0 \\cf1 r\\cf2 b\\cf1 r\\cf0 k");
}

TEST(MarkupToRtf, NamedColoursToggleBackToBlack) {
    // ¶R names (128, 0, 0); the second ¶R finds it in force and gives black.
    const std::string rtf = toRtf(m("¶RA¶RB"));
    EXPECT_NE(rtf.find("{\\colortbl\\red0\\green0\\blue0;\\red128\\green0\\blue0;}"), std::string::npos) << rtf;
    EXPECT_EQ(bodyOf(rtf), "\\fs24 \\f0 \\cf1 A\\cf0 B");
    EXPECT_EQ(back(rtf), m("¶Z[128,0,0]A¶Z[0,0,0]B"));
}

TEST(MarkupToRtf, WithoutFontCodeTheTableHoldsArialAndTheBodyStartsWithF0) {
    const std::string rtf = toRtf("abc");
    EXPECT_NE(rtf.find("{\\fonttbl{\\f0\\fswiss\\fcharset0\\fprq2 Arial;}}"), std::string::npos) << rtf;
    EXPECT_EQ(bodyOf(rtf), "\\fs24 \\f0 abc");
    // A base font without a face gives the same table.
    EXPECT_NE(markupToRtf("abc", base::LogFont{}, BuiltInRtfTemplate).find("{\\f0\\fswiss\\fcharset0\\fprq2 Arial;}"),
              std::string::npos);
}

TEST(MarkupToRtf, FontCodesFollowTheBaseFontInTheTable) {
    const std::string rtf =
        toRtf(m("a¶F[froman;0;2;Times New Roman]b¶F[ftech;2;2;Symbol]q¶F[froman;0;2;Times New Roman]c"));
    EXPECT_NE(rtf.find("{\\fonttbl{\\f0\\fswiss\\fcharset0\\fprq2 Arial;}{\\f1\\froman\\fcharset0\\fprq2 Times New "
                       "Roman;}{\\f2\\ftech\\fcharset2\\fprq2 Symbol;}}"),
              std::string::npos)
        << rtf;
    EXPECT_EQ(bodyOf(rtf), "\\fs24 \\f0 a\\f1 b\\f2 q\\f1 c");
}

TEST(MarkupToRtf, BaseSizeFollowsTheScreenResolution) {
    base::LogFont font = arial();
    font.height = -20;  // 20 px at 120 dpi = 12 pt; at 96 dpi = 15 pt
    EXPECT_EQ(baseHalfPoints(font, 120), 24);
    EXPECT_EQ(baseHalfPoints(font, 96), 30);
    EXPECT_EQ(baseHalfPoints(base::LogFont{}, 96), 24);
    EXPECT_EQ(bodyOf(markupToRtf("x", font, BuiltInRtfTemplate, 96)), "\\fs30 \\f0 x");
}

TEST(MarkupToRtf, TextIsEscaped) {
    // Braces and backslash escaped, 8-bit bytes as \'xx, a stray ¶ kept as text.
    EXPECT_EQ(bodyOf(toRtf(m("{a}\\b \xE9¶K"))), "\\fs24 \\f0 \\{a\\}\\\\b \\'e9\\'b6K");
    EXPECT_EQ(bodyOf(toRtf(m("l1\nl2\tx\r"))), "\\fs24 \\f0 l1\\par l2\\tab x");
}

TEST(MarkupToRtf, SuperscriptAndSubscriptRunsAreGroups) {
    struct Case {
        const char* markup;
        const char* body;
    };
    const Case cases[] = {
        {"x¶e2¶e", "x{\\super 2}"},
        {"a¶s1¶s", "a{\\sub 1}"},
        {"¶e[4]u¶e[0]", "\\up4 u\\up0 "},
        {"¶s[6]d¶s[0]", "\\dn6 d\\dn0 "},
        // An open run is closed at the end.
        {"x¶e2", "x{\\super 2}"},
        // Bold switched on inside a group stays on after it: the word is written again.
        {"¶ea¶bb¶ec¶b", "{\\super a\\b b}\\b c\\b0 "},
        // Overlapping runs: the inner group is closed with the outer and opened again.
        {"¶ea¶sb¶ec¶sd", "{\\super a{\\sub b}}{\\sub c}d"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(bodyOf(toRtf(m(c.markup))), std::string("\\fs24 \\f0 ") + c.body) << c.markup;
}

TEST(MarkupToRtf, EveryCodeRoundTrips) {
    const char* texts[] = {
        "¶bA¶bB",
        "¶uU¶u ¶iI¶i ¶oO¶o",
        "x¶e2¶e y¶s1¶s z",
        "¶e[4]up¶e[0] ¶s[6]dn¶s[0].",
        "¶Z[255,0,0]red¶Z[0,0,0]black",
        "¶F[froman;0;2;Times New Roman]T¶F[fswiss;0;2;Arial]A",
        "¶F[ftech;2;2;Symbol]q",
        "¶S[36]big¶S[24]n",
        "line1\nline2\n\nline4",
        "a\tb",
        "¶gq¶g = ¶tx",
        "braces {a} and \\b0 ",
        "\xE9t\xE9 ¶K ¶Z[1,2",
        "¶ea¶bb¶ec¶b",
        "¶ea¶sb¶ec¶sd",
        "¶b¶Z[0,128,0]¶S[30]¶F[fmodern;0;1;Courier New]all¶u at¶i once",
        "¶bruns closed at the end¶b",
    };
    for (const char* text : texts) {
        const std::string markup = m(text);
        EXPECT_EQ(back(toRtf(markup)), markup) << text;
    }
}

TEST(MarkupToRtf, WritesWellFormedRtf) {
    // The plain text of the document is the markup's text without its codes.
    const struct {
        const char* markup;
        const char* plain;
    } cases[] = {
        {"¶bA¶bB", "AB"},
        {"x¶e2¶e y¶s1¶s{z}", "x2 y1{z}"},
        {"¶ea¶sb¶ec¶sd\nnext", "abcd\nnext"},
        {"¶Z[255,0,0]r¶F[froman;0;2;Times;New]t", "rt"},
        {"\\", "\\"},
    };
    for (const auto& c : cases) {
        const RtfText plain = rtfPlainText(toRtf(m(c.markup)));
        EXPECT_EQ(plain.status, RtfStatus::Ok) << c.markup;
        EXPECT_EQ(plain.text, c.plain) << c.markup;
    }
}

TEST(MarkupToRtf, FaceWithSemicolonStaysOneEntry) {
    // The face "Times;New" (everything after the third ";") must not end its entry early.
    const std::string markup = m("¶F[froman;0;2;Times;New]t");
    const std::string rtf = toRtf(markup);
    EXPECT_NE(rtf.find("{\\f1\\froman\\fcharset0\\fprq2 Times\\'3bNew;}"), std::string::npos) << rtf;
    EXPECT_EQ(back(rtf), markup);
}

TEST(RtfToMarkup, ReadsTheHexEscape) {
    EXPECT_EQ(back("{\\rtf1 caf\\'e9}"), "caf\xE9");
    EXPECT_EQ(rtfPlainText("{\\rtf1 caf\\'E9}").text, "caf\xE9");
}

TEST(RtfToMarkup, EscapedBytesAreTextNotWords) {
    // \'5c is a backslash and \'7b a brace: neither may start a word or a group.
    EXPECT_EQ(back("{\\rtf1 \\'5cb x\\'7b}"), "\\b x{");
}

TEST(RtfToMarkup, TagAlignmentComesFromTheParagraphWords) {
    const struct {
        const char* rtf;
        int slot;
        int alignment;
    } cases[] = {
        {"{\\rtf1\\pard\\qc abc\\par}", RtfFirstTagSlot, 3},
        {"{\\rtf1\\pard\\qr\\b abc\\b0\\par}", RtfLastTagSlot, 2},
        {"{\\rtf1\\pard\\qc\\ql abc}", RtfFirstTagSlot + 3, 1},
        {"{\\rtf1\\pard abc}", RtfFirstTagSlot, 0},
        {"{\\rtf1\\pard\\qc abc}", RtfLegendSlot, 0},
        {"{\\rtf1\\pard\\qc abc}", 0, 0},
    };
    for (const auto& c : cases) {
        const RtfMarkup read = rtfToMarkup(c.rtf, c.slot);
        EXPECT_EQ(read.alignment, c.alignment) << c.rtf;
    }
    EXPECT_EQ(rtfToMarkup("{\\rtf1\\pard\\qr\\b abc\\b0\\par}", RtfFirstTagSlot).markup, m("¶babc¶b\n"));
}

TEST(RtfToMarkup, SkipsTheInfoGroup) {
    EXPECT_EQ(back("{\\rtf1{\\info{\\title x}}abc}"), "abc");
    EXPECT_EQ(rtfPlainText("{\\rtf1{\\info{\\title x}}abc}").text, "abc");
}

TEST(RtfToMarkup, ReadsAnEditorDocument) {
    // Written the way rich-text controls write: an empty (automatic) colour
    // entry 0, a panose destination inside a font entry, glued words.
    const std::string rtf =
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}{\\f1\\froman\\fcharset0\\fprq2{\\*\\panose "
        "02020603050405020304}Times New Roman;}}\r\n{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
        "\\viewkind4\\uc1\\pard\\f0\\fs20 a\\cf1\\b b\\cf0\\b0\\f1 c\\par\r\n}";
    const RtfMarkup read = rtfToMarkup(rtf, 0);  // no base font: every size is written
    EXPECT_EQ(read.status, RtfStatus::Ok);
    EXPECT_EQ(read.markup, m("¶S[20]a¶Z[255,0,0]¶bb¶Z[0,0,0]¶b¶F[froman;0;2;Times New Roman]c\n"));
}

TEST(RtfToMarkup, FollowsGroupsAndRtfStyleWords) {
    const struct {
        const char* rtf;
        const char* markup;
    } cases[] = {
        // Bold ends with its group.
        {"{\\rtf1 {\\b A}B}", "¶bA¶bB"},
        // Redundant words change nothing.
        {"{\\rtf1 \\b A\\b B\\b0 C}", "¶bAB¶bC"},
        {"{\\rtf1 \\ul U\\ul0 u\\ul V\\ulnone v}", "¶uU¶uu¶uV¶uv"},
        {"{\\rtf1 \\i I\\i0 i\\strike S\\strike0 s}", "¶iI¶ii¶oS¶os"},
        {"{\\rtf1 x\\super 2\\nosupersub y\\sub i\\nosupersub}", "x¶e2¶ey¶si¶s"},
        {"{\\rtf1 \\up6 x\\dn4 y\\up0 z}", "¶e[6]x¶s[4]y¶e[0]z"},
        // A colour or size with no text after it shows nothing; a toggle closes its run.
        {"{\\rtf1 \\b a\\cf0\\fs30\\b0 }", "¶ba¶b"},
        {"{\\rtf1 a\\b\\i0{\\super }}", "a"},
        {"{\\rtf1 {\\b a}{\\super b}}", "¶ba¶b¶eb"},
        {"{\\rtf1 \\b\\i x\\plain y}", "¶b¶ix¶b¶iy"},
        // A colour index outside the table and a font the table lacks are ignored.
        {"{\\rtf1{\\colortbl;\\red1\\green2\\blue3;}\\cf7 a\\cf1 b\\f9 c}", "a¶Z[1,2,3]bc"},
        {"{\\rtf1 a\\line b\\tab c\\ldblquote d\\rdblquote e\\rquote }", "a\nb\tc\"d\"e'"},
    };
    for (const auto& c : cases) {
        const RtfMarkup read = rtfToMarkup(c.rtf, 0);
        EXPECT_EQ(read.status, RtfStatus::Ok) << c.rtf;
        EXPECT_EQ(read.markup, m(c.markup)) << c.rtf;
    }
}

TEST(RtfToMarkup, BracketAfterARunToggleIsNotAShift) {
    // "[2]" typed at the start of a superscript run stays text: the toggle
    // and the bracket are kept apart by a bold pair, which changes nothing.
    const std::string markup = back("{\\rtf1 x{\\super [2]}}");
    EXPECT_EQ(markup, m("x¶e¶b¶b[2]"));  // the run closed by the last group shows nothing more
    EXPECT_EQ(bodyOf(toRtf(markup)), "\\fs24 \\f0 x{\\super \\b \\b0 [2]}");
    EXPECT_EQ(back(toRtf(markup)), markup);
    // With another change due, the toggle is written first.
    EXPECT_EQ(back("{\\rtf1 \\b {\\super [4]}}"), m("¶e¶b[4]"));
}

TEST(RtfToMarkup, KeepsWhatWasReadBeforeAStop) {
    const RtfMarkup read = rtfToMarkup("{\\rtf1 \\b ab}}cd", 0);
    EXPECT_EQ(read.status, RtfStatus::StackUnderflow);
    EXPECT_EQ(read.markup, m("¶bab"));
}

TEST(RtfPlainText, KeepsTheCharactersOfTheBody) {
    const struct {
        const char* rtf;
        const char* text;
    } cases[] = {
        {"{\\rtf1 a\\par b\\tab c\\ldblquote d\\rdblquote}", "a\nb\tc\"d\""},
        {"{\\rtf1 a\r\nb\\\nc}", "ab\nc"},
        {"{\\rtf1 r1\\cell x\\row r2}", "r1\tx\nr2"},
        {"{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red9;}{\\stylesheet{x}}a}", "a"},
        {"{\\rtf1{\\*\\unknowndest skipped{inner}}{\\*\\title also}kept}", "kept"},
        {"{\\rtf1 a\\unknownword b}", "ab"},
        {"{\\rtf1 a\\bin3 {}}b}", "ab"},
        {"{\\rtf1{\\pict\\bin2 }}x}y}", "y"},
        {"{\\rtf1 \\b bold\\b0  two\\fs-20 x\\li720 y}", "bold twoxy"},
        // Struck-through text is kept.
        {"{\\rtf1 {\\strike x}y}", "xy"},
        {"{\\rtf1 \\{\\}\\\\}", "{}\\"},
        {"", ""},
    };
    for (const auto& c : cases) {
        const RtfText plain = rtfPlainText(c.rtf);
        EXPECT_EQ(plain.status, RtfStatus::Ok) << c.rtf;
        EXPECT_EQ(plain.text, c.text) << c.rtf;
    }
}

TEST(RtfPlainText, StopsWithItsStatus) {
    const struct {
        std::string rtf;
        RtfStatus status;
    } cases[] = {
        {"{a}}", RtfStatus::StackUnderflow},
        {std::string(MaxRtfDepth + 1, '{'), RtfStatus::StackOverflow},
        {"{\\rtf1 {a}", RtfStatus::UnmatchedBrace},
        {"{\\rtf1 \\'g0}", RtfStatus::InvalidHex},
        {"{\\rtf1 \\'e}", RtfStatus::InvalidHex},
        {"{\\rtf1 a\\", RtfStatus::EndOfFile},
        {"{\\rtf1 a\\'e", RtfStatus::EndOfFile},
    };
    for (const auto& c : cases) EXPECT_EQ(rtfPlainText(c.rtf).status, c.status) << c.rtf.substr(0, 20);
    // Nesting up to the limit is fine.
    EXPECT_EQ(rtfPlainText(std::string(MaxRtfDepth, '{') + std::string(MaxRtfDepth, '}')).status, RtfStatus::Ok);
    // A bad escape inside a skipped destination is skipped with it.
    EXPECT_EQ(rtfPlainText("{\\rtf1{\\info \\'zz}a}").status, RtfStatus::Ok);
}

class RtfTemplateFile : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() / ("ordinax_rtf_" + std::to_string(getpid()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    void write(std::string_view content) {
        std::ofstream(folder_ / "MSK_RTF.SRC", std::ios::binary) << content;
    }
    std::filesystem::path folder_;
};

TEST_F(RtfTemplateFile, TheShippedFrameIsUsable) {
    std::ifstream in(std::filesystem::path(ORDINAX_SOURCE_DIR) / "data" / "MSK_RTF.SRC", std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    ASSERT_TRUE(isUsableRtfTemplate(content.str()));
    const std::string rtf = markupToRtf(m("¶bA¶bB"), arial(), content.str());
    EXPECT_EQ(rtfPlainText(rtf).status, RtfStatus::Ok);
    EXPECT_EQ(back(rtf), m("¶bA¶bB"));
}

TEST_F(RtfTemplateFile, ReadsTheFileElseTheBuiltInFrame) {
    EXPECT_EQ(readRtfTemplate(folder_), BuiltInRtfTemplate);  // no file
    const std::string own = "{\\rtf1{\\fonttbl{\\f0 X;}}{\\colortbl;}{\\info{\\title T}}@@@TEXT@@@}";
    write(own);
    EXPECT_EQ(readRtfTemplate(folder_), own);
    const std::string rtf = markupToRtf(m("¶Z[255,0,0]a"), arial(), own);
    EXPECT_EQ(rtf,
              "{\\rtf1{\\fonttbl{\\f0\\fswiss\\fcharset0\\fprq2 Arial;}}{\\colortbl\\red0\\green0\\blue0;\\red255"
              "\\green0\\blue0;}{\\info{\\title T}}\\fs24 \\f0 \\cf1 a}");
    write("{\\rtf1{\\fonttbl{\\f0 X;}}{\\colortbl;} no placeholder}");
    EXPECT_EQ(readRtfTemplate(folder_), BuiltInRtfTemplate);
    write("{\\rtf1{\\fonttbl{\\f0 X;}{\\colortbl;}@@@TEXT@@@");  // font table never closed
    EXPECT_EQ(readRtfTemplate(folder_), BuiltInRtfTemplate);
}

TEST(EditorColours, SixteenPaletteColours) {
    ASSERT_EQ(std::size(EditorColours), 16u);
    EXPECT_EQ(EditorColours[4].name, "Bleu fonc\xE9");
    EXPECT_EQ(EditorColours[4].colour, 0x800000u);    // (0, 0, 128) as 0x00BBGGRR
    EXPECT_EQ(EditorColours[13].colour, 0xFF00FFu);   // Fuchsia (255, 0, 255)
    EXPECT_EQ(EditorColours[11].colour, 0x00FFFFu);   // Jaune (255, 255, 0)
}

}  // namespace
}  // namespace ordinax::richtext
