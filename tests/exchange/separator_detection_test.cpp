// Separator and coordinate-count detection from the first data line.
#include <gtest/gtest.h>

#include "exchange/separator_detection.h"

namespace ordinax::exchange {
namespace {

TEST(DetectSeparator, Cases) {
    const struct {
        std::string_view line;
        std::string_view separator;
    } cases[] = {
        {"1;2;3", ";"},
        {"1 2 3", "ESPACE"},
        {"1   2", "ESPACE"},
        {"   1.5   -2.5", "ESPACE"},  // blanks in front are alignment
        {"1\t2", "TAB"},
        {"12345", "CR"},
        {"-1.5E+3", "CR"},
        {"(a) [b]|c", "ESPACE"},
        {"(a)|[b]", "|"},
        {"12,5;3,75", ";"},  // commas between digits are decimal commas beside another separator
        {"12,5 3,75", "ESPACE"},
        {"1,2,3", ","},      // with no other separator a comma separates
        {"a,b;c", ","},      // a comma between letters separates
        {"12,;3", ","},
        {"\xB0" "C:12", ":"},
        {"\xE9t\xE9/12", "/"},
        {"", "CR"},
    };
    for (const auto& c : cases) EXPECT_EQ(detectSeparator(c.line), c.separator) << c.line;
}

TEST(DetectCoordinateCount, FromTheFirstDataLine) {
    const struct {
        std::vector<std::string> lines;
        int header;
        int xOrder, yOrder;
        int count, x, y;
    } cases[] = {
        {{"1;2;3"}, 0, 1, 2, 3, 1, 2},
        {{"titre", "1;2;3;4"}, 1, 1, 2, 4, 1, 2},
        {{"1.5;-2.5;3"}, 0, 1, 2, 3, 1, 2},  // decimal points and minus signs do not separate
        {{"1;2"}, 0, 3, 5, 2, 2, 2},         // orders brought within the count
        {{"5"}, 0, 1, 2, 1, 0, 1},           // one value: x is the record number
        {{"5"}, 0, 0, 2, 1, 0, 1},
        {{"5"}, 0, 0, 0, 1, 0, 0},
        {{"a"}, 3, 1, 2, 1, 0, 1},            // no data line at all
        {{"12,5;3,75;0,5"}, 0, 1, 2, 3, 1, 2},  // decimal commas beside another separator
    };
    for (const auto& c : cases) {
        ConversionProcedure p;
        p.headerLineCount = c.header;
        p.xOrder = c.xOrder;
        p.yOrder = c.yOrder;
        detectCoordinateCount(p, c.lines);
        EXPECT_EQ(p.coordinateCount, c.count) << c.lines.back();
        EXPECT_EQ(p.xOrder, c.x) << c.lines.back();
        EXPECT_EQ(p.yOrder, c.y) << c.lines.back();
    }
}

TEST(DetectCoordinateCount, SeriesInRowsCountTheNonEmptyLines) {
    ConversionProcedure p;
    p.orientation = 1;
    p.headerLineCount = 1;
    p.xOrder = 1;
    p.yOrder = 5;
    const std::vector<std::string> lines = {"titre", "1;2", "", "3;4", "5;6"};
    detectCoordinateCount(p, lines);
    EXPECT_EQ(p.coordinateCount, 3);
    EXPECT_EQ(p.yOrder, 3);
    EXPECT_EQ(p.xOrder, 1);

    std::vector<std::string> many(1200, "1");
    p.headerLineCount = 0;
    detectCoordinateCount(p, many);
    EXPECT_EQ(p.coordinateCount, 999);
}

TEST(ValuesOnLine, CountsWhatTheSeparatorSplits) {
    struct Case {
        const char* separator;
        const char* line;
        int values;
    };
    const Case cases[] = {
        {";", "1;10;11;12", 4},
        // Decimal commas are not separators when the separator is a semicolon.
        {";", "0,5;1,25", 2},
        {"ESPACE", "  1 2   3 ", 3},
        {"TAB", "1\t2", 2},
        {";", "   ", 0},
        {"CR", "12", 1},
    };
    for (const Case& c : cases) {
        ConversionProcedure p;
        p.separator = c.separator;
        EXPECT_EQ(valuesOnLine(p, c.line), c.values) << c.separator << " " << c.line;
    }
}

TEST(PreviewLines, LineEndsAndDosCodePage) {
    EXPECT_EQ(previewLines("a\r\nb\n\nc", 0), (std::vector<std::string>{"a", "b", "", "c"}));
    EXPECT_EQ(previewLines("\x82t\x82\n", 1), (std::vector<std::string>{"\xE9t\xE9"}));
}

}  // namespace
}  // namespace ordinax::exchange
