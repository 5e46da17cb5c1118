// Layout of label markup on the recording device. Positions are worked by
// hand from the device's fixed metrics: a font of pixel height h has bytes
// max(1, h/2) wide, ascent h - h/5 and descent h/5. With the base font of
// height -16: 8 pixels a byte, ascent 13, descent 3; its 3/4 size (-12):
// 6 pixels a byte, ascent 10, descent 2, extent height 12.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "render/markup_layout.h"
#include "render/recording_device.h"

namespace ordinax::render {
namespace {

// The tests write "¶" in UTF-8; markup holds the single byte 0xB6.
std::string m(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\xC2' && i + 1 < utf8.size() && utf8[i + 1] == '\xB6') {
            out += '\xB6';
            ++i;
        } else {
            out += utf8[i];
        }
    }
    return out;
}

base::LogFont baseFont(const char* face = "Arial") {
    base::LogFont f;
    f.height = -16;
    f.weight = 400;
    f.pitchAndFamily = 34;
    std::strncpy(f.faceName, face, sizeof f.faceName - 1);
    return f;
}

constexpr Colour Blue = rgb(0, 0, 255);

class MarkupLayoutTest : public ::testing::Test {
protected:
    // Draws the markup at the left of the rectangle and keeps the texts drawn.
    MarkupSize draw(std::string_view utf8, DevRect rect = {10, 20, 210, 220}, int alignment = AlignLeft,
                    int angle = 0, double pixelsPerPoint = 0.0) {
        device_.clear();
        size_ = layoutMarkup(device_, m(utf8), font_, colour_, rect, alignment, angle, MarkupMode::Draw,
                             pixelsPerPoint);
        texts_.clear();
        for (const RecordedOp& op : device_.ops())
            if (op.kind == OpKind::Text) texts_.push_back(op);
        return size_;
    }

    const RecordedOp& text(std::size_t i) const { return texts_.at(i); }

    RecordingDevice device_;
    base::LogFont font_ = baseFont();
    Colour colour_ = Blue;
    MarkupSize size_;
    std::vector<RecordedOp> texts_;
};

TEST_F(MarkupLayoutTest, PlainTextSitsOnTheBaselineOfItsLine) {
    EXPECT_EQ(draw("abc"), (MarkupSize{24, 16}));
    ASSERT_EQ(texts_.size(), 1u);
    EXPECT_EQ(text(0).text, "abc");
    EXPECT_EQ(text(0).points[0], (DevPoint{10, 20 + 13}));
    EXPECT_EQ(text(0).font, font_);
    EXPECT_EQ(text(0).textColour, Blue);
}

TEST_F(MarkupLayoutTest, SuperscriptIsReducedAndRaisedByHalfItsHeight) {
    // x: ascent 13, descent 3. 2: 3/4 size, raised by 12/2 = 6: ascent 16, descent -4.
    // Line: ascent 16, descent 3, height 19; width 8 + 6.
    EXPECT_EQ(draw("x¶e2¶e"), (MarkupSize{14, 19}));
    ASSERT_EQ(texts_.size(), 2u);
    EXPECT_EQ(text(0).points[0], (DevPoint{10, 36}));
    EXPECT_EQ(text(1).text, "2");
    EXPECT_EQ(text(1).points[0], (DevPoint{18, 30}));
    EXPECT_EQ(text(1).font.height, -12);
}

TEST_F(MarkupLayoutTest, SubscriptIsLoweredAndEnlargesTheDescent) {
    // 1 lowered by 6: ascent 4, descent 8. Line: ascent 13, descent 8; then "b" back at the baseline.
    EXPECT_EQ(draw("a¶s1¶sb"), (MarkupSize{8 + 6 + 8, 21}));
    EXPECT_EQ(text(1).points[0], (DevPoint{18, 20 + 13 + 6}));
    EXPECT_EQ(text(2).points[0], (DevPoint{24, 33}));
    EXPECT_EQ(text(2).font.height, -16);
}

TEST_F(MarkupLayoutTest, BaselineShiftsKeepTheSize) {
    // At 2 pixels a point: ¶e[8] raises by 4 points = 8 pixels, ¶s[3] lowers by 3 pixels.
    // Line ascent 13 + 8 = 21, descent 3 + 3 = 6.
    EXPECT_EQ(draw("a¶e[8]b¶e[0]c¶s[3]d", {0, 0, 100, 100}, AlignLeft, 0, 2.0), (MarkupSize{32, 27}));
    const int baseline = 21;
    EXPECT_EQ(text(0).points[0].y, baseline);
    EXPECT_EQ(text(1).points[0].y, baseline - 8);
    EXPECT_EQ(text(2).points[0].y, baseline);
    EXPECT_EQ(text(3).points[0].y, baseline + 3);
    for (const RecordedOp& op : texts_) EXPECT_EQ(op.font.height, -16);
}

TEST_F(MarkupLayoutTest, NamedColoursToggleAndExplicitColoursSet) {
    draw("¶Ra¶Rb¶Z[255,0,0]c¶0d¶Re");
    ASSERT_EQ(texts_.size(), 5u);
    EXPECT_EQ(text(0).textColour, rgb(128, 0, 0));
    EXPECT_EQ(text(1).textColour, rgb(0, 0, 0));  // ¶R twice returns to black
    EXPECT_EQ(text(2).textColour, rgb(255, 0, 0));
    EXPECT_EQ(text(3).textColour, rgb(0, 0, 0));  // ¶0 is black, not the base colour
    EXPECT_EQ(text(4).textColour, rgb(128, 0, 0));

    // Naming the base colour already in force also switches to black.
    colour_ = rgb(0, 128, 0);
    draw("¶Ga");
    EXPECT_EQ(text(0).textColour, rgb(0, 0, 0));
}

TEST_F(MarkupLayoutTest, RedThenBlackText) {
    draw("¶Z[255,0,0]abc¶0def");
    ASSERT_EQ(texts_.size(), 2u);
    EXPECT_EQ(text(0).text, "abc");
    EXPECT_EQ(text(0).textColour, rgb(255, 0, 0));
    EXPECT_EQ(text(1).text, "def");
    EXPECT_EQ(text(1).textColour, rgb(0, 0, 0));
    EXPECT_EQ(text(1).points[0].x, 10 + 24);
}

TEST_F(MarkupLayoutTest, SizeAndFontCodes) {
    font_.height = -10;
    font_.weight = 700;
    // ¶S[24] is 12 points: 16 pixels at 96 per inch; at 2 pixels a point, 24.
    draw("¶S[24]A");
    EXPECT_EQ(text(0).font.height, -16);
    draw("¶S[24]A", {0, 0, 100, 100}, AlignLeft, 0, 2.0);
    EXPECT_EQ(text(0).font.height, -24);

    font_ = baseFont("Times New Roman");
    font_.pitchAndFamily = 18;
    font_.weight = 700;
    draw("a¶F[fswiss;0;2;Arial]b");
    EXPECT_STREQ(text(0).font.faceName, "Times New Roman");
    const base::LogFont& arial = text(1).font;
    EXPECT_STREQ(arial.faceName, "Arial");
    EXPECT_EQ(arial.pitchAndFamily, 34);
    EXPECT_EQ(arial.charSet, 0);
    EXPECT_EQ(arial.height, -16);  // size and weight are not part of the code
    EXPECT_EQ(arial.weight, 700);
}

TEST_F(MarkupLayoutTest, StyleTogglesAndGreek) {
    draw("¶ba¶b¶ib¶i¶uc¶u¶gq¶gd");
    ASSERT_EQ(texts_.size(), 5u);
    EXPECT_EQ(text(0).font.weight, 700);
    EXPECT_EQ(text(1).font.weight, 400);
    EXPECT_EQ(text(1).font.italic, 1);
    EXPECT_EQ(text(2).font.italic, 0);
    EXPECT_EQ(text(2).font.underline, 1);
    EXPECT_STREQ(text(3).font.faceName, "Symbol");
    EXPECT_EQ(text(3).font.pitchAndFamily, 82);
    EXPECT_EQ(text(3).text, "q");
    EXPECT_EQ(text(4).font, font_);

    // Bold text turns normal.
    font_.weight = 700;
    draw("¶ba");
    EXPECT_EQ(text(0).font.weight, 400);
}

TEST_F(MarkupLayoutTest, UnknownLettersAndOpenBracketsAreText) {
    EXPECT_EQ(draw("a¶Kb").width, 4 * 8);
    ASSERT_EQ(texts_.size(), 1u);
    EXPECT_EQ(text(0).text, m("a¶Kb"));
    draw("¶Z[255,0,0abc");
    ASSERT_EQ(texts_.size(), 1u);
    EXPECT_EQ(text(0).text, m("¶Z[255,0,0abc"));
    EXPECT_EQ(text(0).textColour, Blue);
}

TEST_F(MarkupLayoutTest, ElevenLinesShowTen) {
    EXPECT_EQ(draw("1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11"), (MarkupSize{16, 160}));
    ASSERT_EQ(texts_.size(), 10u);
    EXPECT_EQ(text(9).text, "10");
    EXPECT_EQ(text(9).points[0], (DevPoint{10, 20 + 9 * 16 + 13}));
}

TEST_F(MarkupLayoutTest, LinesStackWithTheirOwnHeights) {
    // Line 1 holds a superscript (height 19), line 2 plain (16), line 3 empty (16).
    EXPECT_EQ(draw("x¶e2¶e\nabc\n"), (MarkupSize{24, 19 + 16 + 16}));
    EXPECT_EQ(text(2).points[0], (DevPoint{10, 20 + 19 + 13}));
}

TEST_F(MarkupLayoutTest, AlignsEachLineInTheRectangle) {
    const DevRect r{0, 0, 101, 50};
    // Widths 32 and 16. Right: 101 - w. Centred: (0 + 101 - w) / 2 + 1.
    draw("abcd\nab", r, AlignLeft);
    EXPECT_EQ(text(1).points[0], (DevPoint{0, 16 + 13}));
    draw("abcd\nab", r, AlignRight);
    EXPECT_EQ(text(0).points[0].x, 69);
    EXPECT_EQ(text(1).points[0].x, 85);
    draw("abcd\nab", r, AlignCentre);
    EXPECT_EQ(text(0).points[0].x, 35);
    EXPECT_EQ(text(1).points[0].x, 43);
    // Runs of a line follow each other from the aligned start.
    draw("ab¶bcd", r, AlignRight);
    EXPECT_EQ(text(1).points[0].x, 85);
}

TEST_F(MarkupLayoutTest, TurnedTextReadsUpwardsAndStacksLinesAcross) {
    const DevRect r{100, 200, 150, 300};
    // The block is 2 lines x 16 across and 16 along: 32 wide, 16 high once turned.
    EXPECT_EQ(draw("ab\ncd", r, AlignLeft, 90), (MarkupSize{32, 16}));
    ASSERT_EQ(texts_.size(), 2u);
    EXPECT_EQ(text(0).font.escapement, 900);
    // Baseline 13 (the ascent) from the left edge; the text starts at the bottom.
    EXPECT_EQ(text(0).points[0], (DevPoint{113, 300}));
    EXPECT_EQ(text(1).points[0], (DevPoint{129, 300}));
    draw("ab\ncd", r, AlignRight, 90);
    EXPECT_EQ(text(0).points[0], (DevPoint{113, 216}));  // ends at the top: 216 - 16 = 200
    draw("ab\ncd", r, AlignCentre, 90);
    EXPECT_EQ(text(0).points[0], (DevPoint{113, 300 - (84 / 2 + 1)}));
    // A raised run moves towards the top of the letters, to the left.
    draw("x¶e2¶e", r, AlignLeft, 90);
    EXPECT_EQ(text(0).points[0], (DevPoint{116, 300}));
    EXPECT_EQ(text(1).points[0], (DevPoint{110, 292}));
    EXPECT_EQ(text(1).font.escapement, 900);
}

TEST_F(MarkupLayoutTest, TabsStartAtMultiplesOfTheReferenceWidth) {
    // Reference width: four widths of "0" in the base font = 32.
    EXPECT_EQ(draw("a\tb").width, 40);
    EXPECT_EQ(text(1).points[0].x, 10 + 32);
    EXPECT_EQ(draw("abcd\tb").width, 72);  // exactly on a tab position: the next one
    EXPECT_EQ(draw("ab\t").width, 32);
    // Counted from the line's start, whatever its alignment.
    draw("a\tb", {0, 0, 100, 40}, AlignRight);
    EXPECT_EQ(text(1).points[0].x, 100 - 40 + 32);
}

TEST_F(MarkupLayoutTest, RuledRunsGetALineInTheirColour) {
    draw("¶R¶oab¶oc");
    std::vector<RecordedOp> lines;
    for (const RecordedOp& op : device_.ops())
        if (op.kind == OpKind::Polyline) lines.push_back(op);
    ASSERT_EQ(lines.size(), 1u);
    // A third of the ascent (13 / 3 = 4) above the baseline 33, from the run's start to its end.
    EXPECT_EQ(lines[0].points, (std::vector<DevPoint>{{10, 29}, {26, 29}}));
    EXPECT_EQ(lines[0].pen, (Pen{PenStyle::Solid, 1, rgb(128, 0, 0)}));
}

TEST_F(MarkupLayoutTest, MeasuringDrawsNothingAndGivesTheSameSize) {
    const std::string markup = m("a¶e2¶e\n¶S[30]bc\td");
    const MarkupSize measured =
        layoutMarkup(device_, markup, font_, colour_, {0, 0, 10, 10}, AlignLeft, 0, MarkupMode::Measure);
    for (const RecordedOp& op : device_.ops()) EXPECT_NE(op.kind, OpKind::Text);
    EXPECT_EQ(measured, layoutMarkup(device_, markup, font_, colour_, {0, 0, 10, 10}, AlignLeft, 0, MarkupMode::Draw));
    // ¶S[30] is 15 points = 20 pixels: 10 a byte, line 2 of height 20 is 2 * 10 then the tab to 32, d.
    EXPECT_EQ(measured, (MarkupSize{42, 19 + 20}));
}

TEST_F(MarkupLayoutTest, EmptyBlocksHaveNoSize) {
    EXPECT_EQ(draw(""), (MarkupSize{0, 0}));
    EXPECT_EQ(draw("¶b¶R"), (MarkupSize{0, 0}));
    EXPECT_TRUE(texts_.empty());
}

TEST_F(MarkupLayoutTest, ManyRunsAreDrawnWhereTheyWereMeasured) {
    // More runs than the layout keeps measured between its passes.
    std::string markup;
    for (int i = 0; i < 50; ++i) markup += "a¶b";
    EXPECT_EQ(draw(markup).width, 50 * 8);
    ASSERT_EQ(texts_.size(), 50u);
    for (std::size_t i = 0; i < texts_.size(); ++i) EXPECT_EQ(text(i).points[0].x, 10 + 8 * static_cast<int>(i));
}

}  // namespace
}  // namespace ordinax::render
