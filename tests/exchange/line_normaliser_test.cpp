// Line normalisation of the text import: separators, decimal comma, code page,
// case and accents, month and day names, the characters kept.
#include <gtest/gtest.h>

#include "exchange/line_normaliser.h"

namespace ordinax::exchange {
namespace {

std::string normalised(std::string_view separator, std::string_view line, bool dos = false) {
    LineNormaliser n(separatorOf(separator), dos);
    std::string out;
    n.normalise(line, out);
    return out;
}

TEST(LineNormaliser, Cases) {
    // Expected texts worked by hand through the steps in order.
    const struct {
        std::string_view separator;
        std::string_view line;
        std::string_view out;
    } cases[] = {
        {";", "12,5;3,75", "12.5\t3.75"},
        {";", "12,5;3,75\r", "12.5\t3.75"},
        {";", "15/mars/2004;1", "15/3/2004\t1"},  // "/" survives: dates can be read
        {";", "15 mars 2004", "1532004"},         // blanks removed, then the month replaced
        {";", "1.5e-3;-2E+4", "1.5E-3\t-2E+4"},
        {";", "5-;+3+", "5-\t+3+"},
        {";", ";5;6", "\t5\t6"},                  // a leading empty value stays in its place
        {";", "Lundi 5 Ao\xFBt", "158"},          // months first ("aout" 8), then days ("lundi" 1)
        {";", "D\xC9" "CEMBRE;1", "12\t1"},       // upper case accented, lowered and unaccented
        {";", "f\xE9vrier;x", "2\t"},
        {";", "1\t2;3", "12\t3"},                 // tabs are removed unless they separate
        {"TAB", "\t5\t6", "\t5\t6"},
        {"TAB", "1,5\t2 000", "1.5\t2000"},
        {"ESPACE", "   1.5    2.5  ", "1.5\t2.5"},  // blanks at the ends are alignment
        {"ESPACE", "1 \t 2", "1\t\t2"},           // the tab splits the run of blanks
        {",", "1,2,3", "1\t2\t3"},                // the separator goes before the decimal comma
        {"CR", "  -4,25 ", "-4.25"},
        {"CR", "1\t2", "12"},
        {";", "abc;def", "\tE"},
        {";", "", ""},
        {";", "temp\xE9rature", "EEE"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(normalised(c.separator, c.line), c.out) << c.separator << " | " << c.line;
}

TEST(LineNormaliser, DosCodePage) {
    // CP850: 0x82 is "é", 0x90 "É", 0x96 "û".
    EXPECT_EQ(normalised(";", "15 f\x82vrier 99;1", true), "15299\t1");
    EXPECT_EQ(normalised(";", "\x90T\x90;ao\x96t", true), "EE\t8");
    // The same bytes read as Windows-1252 are other letters and do not form names.
    EXPECT_EQ(normalised(";", "15 f\x82vrier 99;1", false), "15E99\t1");
}

TEST(LineNormaliser, NamesAreReplacedInOrderEverywhere) {
    LineNormaliser n(separatorOf(";"), false);
    std::string text = "janvier mai mardi mai septembre dimanche";
    n.replaceNames(text);
    EXPECT_EQ(text, "1 5 2 5 9 7");
    // "marsamedi": "mars" goes first and takes the letters "samedi" would need.
    text = "marsamedi";
    n.replaceNames(text);
    EXPECT_EQ(text, "3amedi");
}

}  // namespace
}  // namespace ordinax::exchange
