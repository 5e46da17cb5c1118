// The label editor's runs: every markup text comes back byte for byte, and
// changed looks are written with the codes that give them. Expected markup
// worked by hand from the code table.
#include "richtext/label_runs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "markup_text.h"
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

namespace ordinax::richtext {
namespace {

using fixtures::m;

LabelBase arial12() {
    return {base::fontFromTextOrDefault("-16,0,0,0,400,0,0,0,0,0,0,0,48,Arial"), 96};
}

TEST(LabelRuns, EveryCodeComesBackByteForByte) {
    const std::vector<std::string> texts = {
        "",
        "plain text",
        m("¶bgras¶b normal ¶iitalique¶i ¶usouligné¶u ¶orayé¶o"),
        m("x¶e2¶e + y¶s0¶s"),
        m("¶e[5]haut¶e[0] ¶s[3]bas¶s[0]"),
        m("¶gabq¶g = θ"),
        m("¶R¶Rnoir ¶Bbleu¶0 ¶Z[255,0,0]rouge¶Z[0,0,0]"),
        m("¶D¶W¶G¶C¶Y¶M¶t"),
        m("¶F[fswiss;0;2;Arial]¶S[24]douze¶F[froman;0;2;Times New Roman]¶S[48]"),
        m("ligne 1\nligne 2\tcolonne\r\n¶b3¶b"),
        m("¶K n'est pas un code, ¶Z[1,2 non plus, ¶"),
        m("¶e[x] et ¶e[99999]"),  // no readable shift: toggles, then text
        m("¶b¶i¶u¶o¶e¶s¶g"),      // codes only
        std::string("\x81\x8D\x8F\x90\x9D\xFF bytes", 12),
        m("1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11 lines"),
    };
    for (const std::string& text : texts) {
        const auto runs = parseLabel(text, arial12());
        EXPECT_EQ(writeLabel(runs, arial12()), text) << text;
    }
}

TEST(LabelRuns, RunsCarryTheirLookAndTheirCodes) {
    const auto runs = parseLabel(m("T¶s1¶s = ¶b¶Z[255,0,0]22¶b °C"), arial12());
    ASSERT_EQ(runs.size(), 5u);
    EXPECT_EQ(runs[0].text, "T");
    EXPECT_TRUE(runs[1].style.subscript);
    EXPECT_EQ(runs[1].codes, m("¶s"));
    EXPECT_EQ(runs[2].text, " = ");
    EXPECT_FALSE(runs[2].style.subscript);
    EXPECT_EQ(runs[3].codes, m("¶b¶Z[255,0,0]"));
    EXPECT_TRUE(runs[3].style.bold);
    EXPECT_EQ(effectiveColour(runs[3].style), rgbColour(255, 0, 0));
    EXPECT_FALSE(runs[4].style.bold);
    EXPECT_EQ(effectiveColour(runs[4].style), rgbColour(255, 0, 0));
    // Naming the colour in force goes back to black.
    const auto red = parseLabel(m("¶Ra¶Rb"), arial12());
    EXPECT_EQ(effectiveColour(red[0].style), rgbColour(128, 0, 0));
    EXPECT_EQ(effectiveColour(red[1].style), 0u);
}

TEST(LabelRuns, ChangedLooksAreWrittenWithTheirCodes) {
    const LabelBase base = arial12();
    // "T1 = 22 °C" typed plainly, then 1 made subscript and 22 bold red.
    RunStyle plain = initialStyle(base);
    RunStyle sub = plain;
    sub.subscript = true;
    RunStyle boldRed = plain;
    boldRed.bold = true;
    boldRed.colourSet = true;
    boldRed.colour = rgbColour(255, 0, 0);
    const std::vector<LabelRun> runs = {{"", "T", plain},
                                        {"", "1", sub},
                                        {"", " = ", plain},
                                        {"", "22", boldRed},
                                        {"",
                                         " \xB0"
                                         "C",
                                         plain}};
    EXPECT_EQ(writeLabel(runs, base), m("T¶s1¶s = ¶Z[255,0,0]¶b22¶0¶b \xB0"
                                        "C"));

    // Sizes and faces go back to the base ones with the base's own codes.
    RunStyle big = plain;
    big.halfPoints = 36;
    big.face = "Courier New";
    big.pitchAndFamily = 49;
    const std::vector<LabelRun> sized = {{"", "a", big}, {"", "b", plain}};
    EXPECT_EQ(writeLabel(sized, base), m("¶F[fmodern;0;1;Courier New]¶S[36]a¶F[fswiss;0;0;Arial]¶S[24]b"));

    // Shifts: raised, lowered, back to the baseline.
    RunStyle up = plain;
    up.shift = 4;
    RunStyle down = plain;
    down.shift = -2;
    const std::vector<LabelRun> shifted = {{"", "u", up}, {"", "d", down}, {"", "0", plain}};
    EXPECT_EQ(writeLabel(shifted, base), m("¶e[4]u¶s[2]d¶e[0]0"));
}

TEST(LabelRuns, KeptCodesAreWrittenOnlyWhereTheyStillGiveTheLook) {
    const LabelBase base = arial12();
    auto runs = parseLabel(m("a¶bbc¶bd"), base);
    ASSERT_EQ(runs.size(), 3u);
    // Unchanged: the kept codes. The bold run turned italic instead: new codes,
    // and the closing ¶b of the next run no longer fits either.
    runs[1].style.bold = false;
    runs[1].style.italic = true;
    EXPECT_EQ(writeLabel(runs, base), m("a¶ibc¶id"));
    // A redundant code that changes nothing stays where it was.
    const std::string same = m("¶Z[0,0,0]noir");
    EXPECT_EQ(writeLabel(parseLabel(same, base), base), same);
}

TEST(LabelRuns, ASuperscriptBeforeABracketIsKeptApartFromIt) {
    const LabelBase base = arial12();
    RunStyle up = initialStyle(base);
    up.superscript = true;
    // "¶e[2]" would be a shift: the no-op ¶t separates the toggle from "[2]".
    const std::vector<LabelRun> runs = {{"", "x", initialStyle(base)}, {"", "[2]", up}};
    const std::string written = writeLabel(runs, base);
    EXPECT_EQ(written, m("x¶e¶t[2]"));
    const auto back = parseLabel(written, base);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_TRUE(back[1].style.superscript);
    EXPECT_EQ(back[1].text, "[2]");
}

TEST(LabelRuns, JoinedTextsNeverMakeACode) {
    const LabelBase base = arial12();
    // "¶" and "Z" came apart in the markup ("¶Z¶b[1,2,3]" shows "¶Z[1,2,3]"
    // in bold); the bold edited away, the texts must not join into a colour code.
    auto runs = parseLabel(m("¶Z¶b[1,2,3]"), base);
    ASSERT_EQ(runs.size(), 2u);
    runs[1].codes.clear();
    runs[1].style.bold = false;
    const std::string written = writeLabel(runs, base);
    EXPECT_EQ(written, m("¶Z¶t[1,2,3]"));
    std::string text;
    for (const LabelRun& run : parseLabel(written, base)) text += run.text;
    EXPECT_EQ(text, m("¶Z[1,2,3]"));
}

TEST(LabelRuns, BaseFontBoldStartsBold) {
    LabelBase bold = arial12();
    bold.font.weight = 700;
    const auto runs = parseLabel(m("a¶bb"), bold);
    EXPECT_TRUE(runs[0].style.bold);
    EXPECT_FALSE(runs[1].style.bold);
}

TEST(LabelRuns, ClipboardRtfOfASelectionReadsBackAsItsMarkup) {
    // Copy: the selected runs written alone, then markup -> RTF; paste: RTF ->
    // markup -> runs. The RTF conversions are the existing ones.
    const LabelBase base = arial12();
    const auto runs = parseLabel(m("T¶s1¶s = ¶b¶Z[255,0,0]22¶b"), base);
    const std::vector<LabelRun> selection(runs.begin() + 1, runs.end());
    const std::string markup = writeLabel(selection, base);
    EXPECT_EQ(markup, m("¶s1¶s = ¶b¶Z[255,0,0]22¶b"));
    const std::string rtf = markupToRtf(markup, base.font, BuiltInRtfTemplate);
    const RtfMarkup pasted = rtfToMarkup(rtf, 7, &base.font);
    ASSERT_EQ(pasted.status, RtfStatus::Ok);
    const auto back = parseLabel(pasted.markup, base);
    std::string text;
    for (const LabelRun& run : back) {
        text += run.text;
        if (run.text == "1") {
            EXPECT_TRUE(run.style.subscript);
        }
        if (run.text == " = ") {
            EXPECT_FALSE(run.style.subscript);
        }
        if (run.text == "22") {
            EXPECT_TRUE(run.style.bold);
            EXPECT_EQ(effectiveColour(run.style), rgbColour(255, 0, 0));
        }
    }
    EXPECT_EQ(text, "1 = 22");
}

}  // namespace
}  // namespace ordinax::richtext
