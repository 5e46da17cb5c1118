// Whole-text rewrites of label markup.
#include <gtest/gtest.h>

#include <string>

#include "richtext/markup_edit.h"

namespace ordinax::richtext {
namespace {

TEST(MarkupEdit, RemovesOnlyTheChosenCodesOnEveryLine) {
    // Twelve lines: a rewrite must not stop at the ten lines laid out.
    std::string text;
    for (int i = 0; i < 12; ++i) text += "\xB6RL\xB6Z[1,2,3]" + std::to_string(i) + "\n";
    std::string expected;
    for (int i = 0; i < 12; ++i) expected += "L" + std::to_string(i) + "\n";
    EXPECT_EQ(withoutColours(text), expected);
    // Unknown letters and unclosed brackets are text, not codes: kept.
    EXPECT_EQ(withoutColours("\xB6K\xB6Z[1,2\tx"), "\xB6K\xB6Z[1,2\tx");
    EXPECT_EQ(withoutCodes("a\xB6" "bb\xB6" "b\xB6" "ec", "b"), "ab\xB6" "e" "c");
}

TEST(MarkupEdit, FontAndColourPutInFront) {
    base::LogFont bold = base::fontFromTextOrDefault("-20,0,0,0,700,1,0,0,0,0,0,0,34,Arial");
    // -20 px at 96 ppi = 15 pt = ¶S[30]; variable pitch (34 & 3 = 2).
    EXPECT_EQ(withFont("\xB6S[10]x\xB6ux", bold), "\xB6" "F[fswiss;0;2;Arial]\xB6S[30]\xB6" "b\xB6ixx");
    EXPECT_EQ(withColour("\xB6Wa\xB6" "0b", rgbColour(1, 2, 3)), "\xB6Z[1,2,3]ab");
    EXPECT_EQ(withFont("", bold), "");
    EXPECT_EQ(withColour("", 0), "");
}

}  // namespace
}  // namespace ordinax::richtext
