// Number formats, fields centred between rule characters and column titles of reports.
#include <gtest/gtest.h>

#include <string>

#include "reports/report_format.h"

namespace ordinax::reports {
namespace {

// Expected texts worked by hand from printf's rules, with exponents widened to three digits.
TEST(FormatNumber, PrintfStyleWithOptionalTrimming) {
    struct Case {
        double value;
        const char* format;
        bool trim;
        const char* expected;
    };
    const Case cases[] = {
        {1.5, "", false, "1.5"},
        {-2.0, nullptr, false, "-2"},
        {0.25, "%g", false, "0.25"},
        {1e-7, "", false, "1e-007"},
        {0.987654321, "%.5f", false, "0.98765"},
        {2.5, "%.3f", true, "2.5"},
        {3.0, "%.3f", true, "3"},
        {0.0, "%.3f", true, "0"},
        {-0.0, "%.3f", true, "0"},
        {120.0, "%.0f", true, "120"},  // no "." : the zeros of an integer stay
        {1.0, "%d", false, "1"},       // not a floating conversion: read as %g
        {1.0, "%s", false, "1"},
        {1.0, "%g%g", false, "1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatNumber(c.value, c.format ? c.format : "", c.trim), c.expected) << c.format << " " << c.value;
}

// Shortest of the list, upper case, exponent zeros removed unless the text ends with 0.
// Worked by hand: 123456789 is "1.23457e+008" (%g, 12 chars) against "+1.235e+008"
// (11 chars); 1e10 is "1e+010" (%g, 6 chars) and keeps its zeros since it ends with 0.
TEST(FormatShortest, ChoosesShortestAndCleansExponent) {
    struct Case {
        double value;
        std::string_view list;
        const char* expected;
    };
    const Case cases[] = {
        {123456789.0, RegressionFormats, "+1.235E+8"},
        {0.5, RegressionFormats, "0.5"},
        {1e10, RegressionFormats, "1E+010"},
        {-0.000123456, RegressionFormats, "-1.235E-4"},  // "-1.235e-004" (11) beats "-0.000123456" (12)
        {1.5e-7, RegressionFormats, "1.5E-7"},
        {2.0, HarmonicFormats, "2"},
        {123456.789, HarmonicFormats, "123457"},
        {1.25e-12, HarmonicFormats, "1.25E-12"},
    };
    for (const Case& c : cases) EXPECT_EQ(formatShortest(c.value, c.list), c.expected) << c.value;
}

TEST(FormatShortest, FirstFormatWinsOnEqualLength) {
    // "%.1f" and "%.1e" of 1.5: "1.5" (3) and "1.5e+000" (8); then two equal lengths.
    EXPECT_EQ(formatShortest(1.5, "%.1f|%.1e"), "1.5");
    EXPECT_EQ(formatShortest(1.5, "%.2f|%+.1f"), "1.50");  // "1.50" and "+1.5"
    EXPECT_EQ(formatShortest(1.5, ""), "1.5");  // an empty format reads as %g
}

TEST(VisibleLength, CodesAreNotCounted) {
    EXPECT_EQ(visibleLength(" a\xB6s3\xB6s"), 3);
    EXPECT_EQ(visibleLength("\xB6Z[1,2,3]x\xB6" "b"), 1);
    EXPECT_EQ(visibleLength("\xB6q"), 2);  // not a code: shown as it stands
    EXPECT_EQ(visibleLength(""), 0);
}

TEST(ReplaceInField, CentresValueInItsField) {
    // The field "  @AMIN@  " is 10 wide; "0.5" leaves 7 blanks: 3 before, 4 after.
    std::string text = "&  @AMIN@  &\n";
    replaceInField(text, "@AMIN@", "0.5");
    EXPECT_EQ(text, "&   0.5    &\n");
}

TEST(ReplaceInField, MarkupCountsByWhatIsShown) {
    // " a¶s2¶s" shows 3 characters in a field of 9: 3 blanks on each side.
    std::string text = "&   @N@   &";
    replaceInField(text, "@N@", " a\xB6s2\xB6s");
    EXPECT_EQ(text, "&    a\xB6s2\xB6s   &");
}

TEST(ReplaceInField, EveryOccurrenceOfTheFieldTextIsReplaced) {
    // " @T@ " is 5 wide: (5 - 2) / 2 = 1 blank before "ab", 2 after.
    std::string text = "& @T@ &\n& @T@ &\n&@T@&\n";
    replaceInField(text, "@T@", "ab");
    EXPECT_EQ(text, "& ab  &\n& ab  &\n&@T@&\n");
}

TEST(ReplaceInField, LeavesTextAloneWithoutBothDelimiters) {
    const std::string cases[] = {
        "@X@ alone\n",
        "& @X@ without closing\n",
        "without opening @X@ &\n",
        "& rule on the line above\n@X@ &\n",  // delimiters of another line are not a field
        "no placeholder & here &\n",
    };
    for (const std::string& original : cases) {
        std::string text = original;
        replaceInField(text, "@X@", "1");
        EXPECT_EQ(text, original);
    }
}

TEST(ReplaceInField, WideValueIsInsertedUnpadded) {
    std::string text = "&@AET@&";
    replaceInField(text, "@AET@", "-1.234E+10");
    EXPECT_EQ(text, "&-1.234E+10&");
}

TEST(ReplaceAll, DoesNotRescanInsertedText) {
    std::string text = "@A@-@A@";
    replaceAll(text, "@A@", "@A@@A@");
    EXPECT_EQ(text, "@A@@A@-@A@@A@");
}

TEST(ColumnTitle, ByLanguage) {
    EXPECT_EQ(columnTitle(ColumnTitle::Deviation, 0), "\xE9" "cart-type");
    EXPECT_EQ(columnTitle(ColumnTitle::Mean, 1), "mean");
    EXPECT_EQ(columnTitle(ColumnTitle::Minimum, 2), "Min.");
    EXPECT_EQ(columnTitle(ColumnTitle::Maximum, 3), "?");
    EXPECT_EQ(columnTitle(ColumnTitle::Deviation, 4), "?");
    EXPECT_EQ(columnTitle(ColumnTitle::Mean, 9), "?");
}

}  // namespace
}  // namespace ordinax::reports
