// Page codes of header and footer texts, the {..} blocks and the band split.
#include <gtest/gtest.h>

#include <string>

#include "render/page_codes.h"

namespace ordinax::render {
namespace {

// A document "essai.orx", page 2 of 3, 10 December 2026 at 07:05, version 6.0.7.1.
class PageCodes : public ::testing::Test {
protected:
    PageCodes() {
        context.version = {true, 6, 0, 7};
        context.now.tm_year = 126;
        context.now.tm_mon = 11;
        context.now.tm_mday = 10;
        context.now.tm_hour = 7;
        context.now.tm_min = 5;
        context.page = 2;
        context.pageCount = 3;
        context.documentPath = "/home/anne/mesures/essai.orx";
    }
    PageCodeContext context;
};

TEST_F(PageCodes, DefaultHeaderText) {
    // Release 7 gives the letter 'a' + 7 - 1 = 'g'.
    EXPECT_EQ(expandPageCodes("&S/&V - &N", PageDiagram, context), "VANTORIS-ORDINAX/6.0g - essai.orx");
}

TEST_F(PageCodes, FooterBlockOnlyOutsideDiagramPages) {
    EXPECT_EQ(expandPageCodes("{Page &P/&Q}", PageDiagram, context), "");
    EXPECT_EQ(expandPageCodes("{Page &P/&Q}", PagePreview, context), "Page 2/3");
    EXPECT_EQ(expandPageCodes("x{Page &P/&Q}y", PageReport, context), "xPage 2/3y");
    EXPECT_EQ(expandPageCodes("a{b}c{d", PageDiagram, context), "ac");  // an unclosed block runs to the end
}

TEST_F(PageCodes, DateTimeAndFolder) {
    EXPECT_EQ(expandPageCodes("&D &T", PageReport, context), "10/12/2026 07:05");
    context.language = base::Language::German;
    EXPECT_EQ(expandPageCodes("&D", PageReport, context), "10.12.2026");
    const std::string folder = expandPageCodes("&F", PageReport, context);
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_EQ(folder.find("essai"), std::string::npos);
}

TEST_F(PageCodes, DocumentWithoutFile) {
    context.documentPath.clear();
    EXPECT_EQ(expandPageCodes("[&F][&N]", PageReport, context), "[?][]");
    // The two characters left around the empty name make a code for the next pass.
    context.page = 4;
    EXPECT_EQ(expandPageCodes("&&NP", PageReport, context), "4");
}

TEST_F(PageCodes, SubstitutedValuesAreNotExpandedAgain) {
    // A file name holding codes and braces is printed as it stands.
    context.documentPath = "/tmp/r&P{x}.orx";
    EXPECT_EQ(expandPageCodes("&N", PageDiagram, context), "r&P{x}.orx");
    EXPECT_EQ(expandPageCodes("{&N}", PageReport, context), "r&P{x}.orx");
    // The original text's codes are still all replaced, whatever their order.
    EXPECT_EQ(expandPageCodes("&Q&P&Q", PageReport, context), "323");
}

TEST_F(PageCodes, EmptyTextAndPageNumbersAtLeastOne) {
    EXPECT_EQ(expandPageCodes("", PageReport, context), "");
    context.page = 0;
    context.pageCount = -4;
    EXPECT_EQ(expandPageCodes("&P/&Q", PageReport, context), "1/1");
}

TEST(VersionText, LetterOfTheRelease) {
    struct Case {
        ProgramVersion version;
        const char* expected;
    };
    const Case cases[] = {
        {{false, 9, 9, 9}, "6.0"}, {{true, 6, 0, 1}, "6.0"},     {{true, 6, 0, 0}, "6.0\xDF"},
        {{true, 6, 2, 2}, "6.2b"}, {{true, 7, 10, 26}, "7.10z"}, {{true, 7, 1, 27}, "7.1"},
    };
    for (const Case& c : cases) EXPECT_EQ(versionText(c.version), c.expected);
}

TEST(SplitBandText, ThreeAlignedParts) {
    EXPECT_EQ(splitBandText("Gauche&cMilieu&rDroite"), (BandParts{"Gauche", "Milieu", "Droite"}));
    EXPECT_EQ(splitBandText("&rDroite&cPas centre"), (BandParts{"", "", "Droite&cPas centre"}));
    EXPECT_EQ(splitBandText("Seul"), (BandParts{"Seul", "", ""}));
    EXPECT_EQ(splitBandText("&cA&cB"), (BandParts{"", "A&cB", ""}));
}

}  // namespace
}  // namespace ordinax::render
