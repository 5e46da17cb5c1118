// Tests of the plural groups, the character filter, the display form of paths
// and the Windows-1252 letter case. Strings are Windows-1252 bytes.
#include "base/text.h"

#include <gtest/gtest.h>

#include <string>

namespace ordinax::base {
namespace {

TEST(ExpandPlural, ChoosesTheFormByCount) {
    struct Case {
        long long count;
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {0, "courbe{|s}", "courbe"},
        {1, "courbe{|s}", "courbe"},
        {2, "courbe{|s}", "courbes"},
        {3, "{un|des} point{|s}", "des points"},
        {1, "{un|des} point{|s}", "un point"},
        {5, "%d erreur{|s} math\xE9matique{|s}", "%d erreurs math\xE9matiques"},
        {-3, "courbe{|s}", "courbe"},  // not greater than 1
        {2, "sans groupe", "sans groupe"},
        {2, "{|}", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(expandPlural(c.count, c.text), c.expected) << c.text;
}

// Expansion stops at the first malformed group; what follows stays as written.
TEST(ExpandPlural, StopsAtAGroupWithoutBarOrBrace) {
    EXPECT_EQ(expandPlural(2, "a{b}c{|s}"), "a{b}c{|s}");       // no "|" in the first group
    EXPECT_EQ(expandPlural(2, "x{|s} y{z"), "xs y{z");           // no "}" in the second
    EXPECT_EQ(expandPlural(2, "{a}|b} {|s}"), "{a}|b} {|s}");   // the "|" lies after the "}"
    EXPECT_EQ(expandPlural(0, "point{|s} [ {x|y"), "point [ {x|y");
}

TEST(KeepOnly, TrimsUppercasesAndFilters) {
    const std::string numbers = "-+0123456789.E";
    EXPECT_EQ(keepOnly("  1.5e3\r\n ", numbers + "\n"), "1.5E3\n");
    EXPECT_EQ(keepOnly(" x = -2,5e-1 ", numbers), "-25E-1");
    EXPECT_EQ(keepOnly("abc", ""), "");
    EXPECT_EQ(keepOnly("\xE9t\xE9", "\xC9T"), "\xC9T\xC9");  // été -> ÉTÉ
    EXPECT_EQ(keepOnly("a\rb", "AB\r"), "AB");                 // carriage returns always go
}

// A leading tab is an empty first column of a table: it must survive.
TEST(KeepOnly, KeepsLeadingAndTrailingTabs) {
    EXPECT_EQ(keepOnly("\t1\t2\t", "0123456789\t"), "\t1\t2\t");
    EXPECT_EQ(keepOnly(" \t1 ", "0123456789\t"), "\t1");
}

// Worked by hand from the rule: lower case, capital after every separator
// (backslash, slash, dot, blank, underscore), short extension lower case,
// elisions after a blank lower case, WinNT.
TEST(PathDisplayForm, RewritesPathsForDisplay) {
    struct Case {
        const char* path;
        const char* expected;
    };
    const Case cases[] = {
        {"c:\\mes documents\\ordinax\\essai.orx", "C:\\Mes Documents\\Ordinax\\Essai.orx"},
        {"C:\\WINNT\\SYSTEM32\\", "C:\\WinNT\\System32\\"},
        {"c:\\rapports\\rapport d'essai_final.TXT", "C:\\Rapports\\Rapport d'essai_Final.txt"},
        {"D:/DONN\xC9" "ES/\xC9T\xC9/courbe.v2.data", "D:/Donn\xE9" "es/\xC9t\xE9/Courbe.V2.Data"},
        {"\\\\serveur\\partage\\l'atelier\\notes.doc", "\\\\Serveur\\Partage\\L'atelier\\Notes.doc"},
        {"c:\\archive.tar.gz", "C:\\Archive.Tar.gz"},
        {"c:\\winntx\\a.b", "C:\\Winntx\\A.b"},
        {"C:\\LIVRE DE L'ANN\xC9" "E\\TOUR N'IMPORTE\\C'EST T'AS", "C:\\Livre De l'ann\xE9" "e\\Tour n'importe\\C'est t'as"},
        {"c:\\dossier.ancien\\", "C:\\Dossier.Ancien\\"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(pathDisplayForm(c.path), c.expected) << c.path;
}

TEST(LetterCase, AccentedWindows1252Letters) {
    struct Pair {
        unsigned char lower;
        unsigned char upper;
    };
    // Case pairs of the Windows-1252 chart.
    const Pair pairs[] = {
        {'a', 'A'}, {'z', 'Z'}, {0xE9, 0xC9}, {0xE0, 0xC0}, {0xE7, 0xC7}, {0xF1, 0xD1}, {0xF8, 0xD8},
        {0xFE, 0xDE}, {0x9A, 0x8A}, {0x9C, 0x8C}, {0x9E, 0x8E}, {0xFF, 0x9F},
    };
    for (const Pair& p : pairs) {
        EXPECT_EQ(static_cast<unsigned char>(upperCase1252(static_cast<char>(p.lower))), p.upper) << int{p.lower};
        EXPECT_EQ(static_cast<unsigned char>(lowerCase1252(static_cast<char>(p.upper))), p.lower) << int{p.upper};
    }
    // No case partner: ß µ × ÷ digits and signs.
    for (int c : {0xDF, 0xB5, 0xD7, 0xF7, int{'5'}, int{'-'}, 0x80, 0x00})
        EXPECT_EQ(upperCase1252(static_cast<char>(c)), lowerCase1252(static_cast<char>(c))) << c;
}

TEST(LetterCase, EveryChangedByteComesBack) {
    for (int b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        if (upperCase1252(c) != c) {
            EXPECT_EQ(lowerCase1252(upperCase1252(c)), c) << b;
        }
        if (lowerCase1252(c) != c) {
            EXPECT_EQ(upperCase1252(lowerCase1252(c)), c) << b;
        }
        EXPECT_FALSE(upperCase1252(c) != c && lowerCase1252(c) != c) << b;
    }
}

}  // namespace
}  // namespace ordinax::base
