// Conversion procedures: separator normalisation, the two file layouts, refusals.
#include <gtest/gtest.h>

#include "exchange/conversion_procedure.h"
#include "exchange_test_support.h"

namespace ordinax::exchange {
namespace {

TEST(NormaliseSeparator, WordsForInvisibleSeparatorsAndTrimmedText) {
    const struct {
        std::string_view in;
        std::string_view out;
    } cases[] = {
        {" ", "ESPACE"}, {"   ", "ESPACE"}, {"\t", "TAB"}, {"\r", "CR"},     {"\n", "CR"},
        {"\r\n", "CR"},  {"", "CR"},        {";", ";"},    {" ; ", ";"},     {"TAB", "TAB"},
        {"ESPACE", "ESPACE"}, {"CR", "CR"}, {",", ","},    {" ab ", "ab"},
        // Line ends around a character are not part of it; the file keeps one line.
        {";\r\n", ";"},     {"\r;", ";"},       {"a\nb", "a"},  {" ; \r ", ";"},
        {"\r\t\rv", "TAB"}, {"\n \n", "ESPACE"},
    };
    for (const auto& c : cases) EXPECT_EQ(normaliseSeparator(c.in), c.out) << '"' << c.in << '"';
}

TEST(ProcedureFile, WrittenInTheFileOrder) {
    ConversionProcedure p;
    p.charSet = 1;
    p.headerLineCount = 5;
    p.titleLine = 1;
    p.dateLine = 2;
    p.xNameLine = 3;
    p.yNameLine = 4;
    p.recordCountLine = 5;
    p.orientation = 1;
    p.coordinateCount = 4;
    p.xOrder = 2;
    p.yOrder = 3;
    p.separator = "\t";
    p.numericBase = 16;
    p.sampling = 7;
    // Written by hand from the item list: magic, charSet, the six header numbers,
    // orientation + 1, count, orders, separator word, base, sampling.
    EXPECT_EQ(procedureFileText(p), "ORDINAX_6A\n1\n5\n1\n2\n3\n4\n5\n2\n4\n2\n3\nTAB\n16\n7\n");
}

TEST(ProcedureFile, RoundTripKeepsEveryField) {
    ConversionProcedure p;
    p.charSet = 1;
    p.orientation = 1;
    p.headerLineCount = 9;
    p.titleLine = 2;
    p.dateLine = 3;
    p.xNameLine = 4;
    p.yNameLine = 5;
    p.recordCountLine = 6;
    p.coordinateCount = 12;
    p.xOrder = 0;
    p.yOrder = 11;
    p.sampling = 3;
    p.numericBase = 8;
    p.separator = "ESPACE";
    const auto back = parseProcedure(procedureFileText(p));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, p);
}

TEST(ProcedureFile, OlderLayoutHasNoCharSetAndACharacterCode) {
    // 59 is the code of ";", 9 of the tab.
    const auto p = parseProcedure("ORDINAX_PC2\n3\n1\n2\n0\n0\n3\n1\n3\n1\n2\n59\n10\n2\n");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->charSet, 0);
    EXPECT_EQ(p->headerLineCount, 3);
    EXPECT_EQ(p->titleLine, 1);
    EXPECT_EQ(p->dateLine, 2);
    EXPECT_EQ(p->recordCountLine, 3);
    EXPECT_EQ(p->orientation, 0);
    EXPECT_EQ(p->coordinateCount, 3);
    EXPECT_EQ(p->xOrder, 1);
    EXPECT_EQ(p->yOrder, 2);
    EXPECT_EQ(p->separator, ";");
    EXPECT_EQ(p->numericBase, 10);
    EXPECT_EQ(p->sampling, 2);

    const auto tab = parseProcedure("ORDINAX_PC\n0\n0\n0\n0\n0\n0\n2\n2\n1\n2\n9\n10\n1\n");
    ASSERT_TRUE(tab);
    EXPECT_EQ(tab->separator, "TAB");
    EXPECT_EQ(tab->orientation, 1);
}

TEST(ProcedureFile, LenientNumbersMissingLinesAndCrLf) {
    // Blanks around numbers, CR LF line ends, a text that is no number (0), and
    // the file ending early: the rest reads 0, the separator "CR".
    const auto p = parseProcedure("ORDINAX_6A\r\n 1 \r\n  4\r\nabc\r\n\r\n2");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->charSet, 1);
    EXPECT_EQ(p->headerLineCount, 4);
    EXPECT_EQ(p->titleLine, 0);
    EXPECT_EQ(p->dateLine, 0);
    EXPECT_EQ(p->xNameLine, 2);
    EXPECT_EQ(p->yNameLine, 0);
    EXPECT_EQ(p->coordinateCount, 0);
    EXPECT_EQ(p->separator, "CR");
    EXPECT_EQ(p->sampling, 0);
}

TEST(ProcedureFile, SeparatorLineIsNormalised) {
    EXPECT_EQ(parseProcedure("ORDINAX_6A\n0\n0\n0\n0\n0\n0\n0\n1\n2\n1\n2\n \n10\n1\n")->separator, "ESPACE");
    EXPECT_EQ(parseProcedure("ORDINAX_6A\n0\n0\n0\n0\n0\n0\n0\n1\n2\n1\n2\n\t\n10\n1\n")->separator, "TAB");
    EXPECT_EQ(parseProcedure("ORDINAX_6A\n0\n0\n0\n0\n0\n0\n0\n1\n2\n1\n2\n , \n10\n1\n")->separator, ",");
}

TEST(ProcedureFile, OtherMagicsAreRefusedAndLeaveTheProcedure) {
    for (std::string_view text : {"ORDINAX_4A\n0\n", "", "ordinax_6a\n", "ORDINAX_6AB\n", "XORDINAX_PC\n"})
        EXPECT_FALSE(parseProcedure(text)) << text;

    testing::TempFolder folder;
    ConversionProcedure p;
    p.separator = "TAB";
    p.sampling = 4;
    const ConversionProcedure before = p;
    EXPECT_FALSE(loadProcedure(folder.write("old.pca", "ORDINAX_4A\n1\n2\n"), p));
    EXPECT_EQ(p, before);
    EXPECT_FALSE(loadProcedure(folder.file("missing.pca"), p));
    EXPECT_EQ(p, before);
}

TEST(ProcedureFile, SaveAndLoadThroughAFile) {
    testing::TempFolder folder;
    ConversionProcedure p;
    p.separator = " ";
    p.headerLineCount = 2;
    base::Message error;
    ASSERT_TRUE(saveProcedure(folder.file("p.pca"), p, error));
    EXPECT_EQ(testing::readAll(folder.file("p.pca")), "ORDINAX_6A\n0\n2\n0\n0\n0\n0\n0\n1\n2\n1\n2\nESPACE\n10\n1\n");
    ConversionProcedure back;
    ASSERT_TRUE(loadProcedure(folder.file("p.pca"), back));
    p.separator = "ESPACE";
    EXPECT_EQ(back, p);
}

TEST(ProcedureFile, SaveFailureGivesTheMessage) {
    testing::TempFolder folder;
    const std::string path = folder.file("no/such/folder/p.pca");
    base::Message error;
    EXPECT_FALSE(saveProcedure(path, ConversionProcedure{}, error));
    EXPECT_EQ(error.heading, base::Heading::Error);
    EXPECT_EQ(error.text, "Impossible d'enregistrer le fichier " + path + " !\n\nLe dossier n'existe pas.");
}

}  // namespace
}  // namespace ordinax::exchange
