// Export of reports: the proposed file name, CSV cells and the RTF document.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "base/logfont.h"
#include "reports/report_export.h"
#include "richtext/rtf_writer.h"

namespace ordinax::reports {
namespace {

TEST(ExportFileName, ExtensionByModeAndCurveNumber) {
    struct Case {
        const char* document;
        int curve;
        int mode;
        const char* expected;
    };
    const Case cases[] = {
        {"essai.orx", 2, ExportRtf, "essai_03.RTF"},
        {"essai.orx", 2, ExportCsv, "essai_03.CSV"},
        {"essai", 0, ExportRtf, "essai_01.RTF"},
        {"mesure.v2.orx", 11, ExportCsv, "mesure_12.v2_12.CSV"},  // every "." of the name
        {"x.orx", 99, ExportRtf, "x_100.RTF"},
        {"", 0, ExportRtf, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(exportFileName(c.document, c.curve, c.mode), c.expected) << c.document;
}

TEST(ReportToCsv, OneValuePerCellWithoutRules) {
    const std::string report =
        "\xB6" "bTitre\xB6" "b\n"
        "   a\xB6s0\xB6s = 1.5\n"
        "&&&&&&&&&&&&\n"
        "&  a0 & 0.5 &  -1.2E+3 &\n"
        "&&&&&&&&&&&&\n"
        "x;\"y\"\n"
        "\n";
    EXPECT_EQ(reportToCsv(report),
              "Titre\r\n"
              "a0 = 1.5\r\n"
              "a0;0.5;-1.2E+3\r\n"
              "\"x;\"\"y\"\"\"\r\n"
              "\r\n");
    EXPECT_EQ(reportToCsv(report).find('&'), std::string::npos);
}

TEST(ReportToCsv, EmptyCellsInsideARowStay) {
    EXPECT_EQ(reportToCsv("&a&&b&\n"), "a;;b\r\n");
}

// The words of the row definitions (from \trowd to the first \pard) in order.
std::vector<std::string> rowDefinitions(const std::string& rtf) {
    std::vector<std::string> rows;
    for (std::size_t at = rtf.find("\\trowd"); at != std::string::npos; at = rtf.find("\\trowd", at + 1))
        rows.push_back(rtf.substr(at, rtf.find("\\pard", at) - at));
    return rows;
}

std::size_t occurrences(const std::string& text, std::string_view word) {
    std::size_t count = 0;
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++count;
    return count;
}

TEST(ReportToRtf, RuledLinesBecomeATableWithBorders) {
    // A header row between two rules, a row whose cell holds a subscript
    // code, a plain row and a closing rule.
    const std::string report =
        "Titre\n"
        "&&&&&&&&&&&&&&\n"
        "&  ab  &  c  &\n"
        "&&&&&&&&&&&&&&\n"
        "& a\xB6s0\xB6s  &  1  &\n"
        "&  x   &  2  &\n"
        "&&&&&&&&&&&&&&\n";
    const std::string rtf = reportToRtf(report, base::LogFont{}, richtext::BuiltInRtfTemplate);
    EXPECT_EQ(rtf.find('&'), std::string::npos);
    EXPECT_NE(rtf.find("Titre\\par"), std::string::npos);
    EXPECT_NE(rtf.find("{\\sub 0}"), std::string::npos);
    EXPECT_EQ(occurrences(rtf, "\\row "), 3u);
    EXPECT_EQ(occurrences(rtf, "\\cell "), 6u);
    const std::vector<std::string> rows = rowDefinitions(rtf);
    ASSERT_EQ(rows.size(), 3u);
    // 12-point fixed pitch: 144 twips per column; the rules after "  ab  "
    // and "  c  " stand at columns 7 and 13 from the first rule.
    EXPECT_NE(rows[0].find("\\cellx1008 "), std::string::npos);
    EXPECT_NE(rows[0].find("\\cellx1872 "), std::string::npos);
    // The subscript row is longer in the text than on the page: it keeps the header's columns.
    EXPECT_NE(rows[1].find("\\cellx1008 "), std::string::npos);
    EXPECT_NE(rows[1].find("\\cellx1872 "), std::string::npos);
    // Rules above the header and the first row, below the header and the last row.
    EXPECT_NE(rows[0].find("\\clbrdrt"), std::string::npos);
    EXPECT_NE(rows[0].find("\\clbrdrb"), std::string::npos);
    EXPECT_NE(rows[1].find("\\clbrdrt"), std::string::npos);
    EXPECT_EQ(rows[1].find("\\clbrdrb"), std::string::npos);
    EXPECT_EQ(rows[2].find("\\clbrdrt"), std::string::npos);
    EXPECT_NE(rows[2].find("\\clbrdrb"), std::string::npos);
}

TEST(ReportToRtf, SheetMarginsAndWideTablesFitTheText) {
    // A4 portrait, margins 2.5 and 1.5 cm: 11906 - 1417 - 850 = 9639 twips of text.
    const std::string wide = "&" + std::string(100, 'x') + "&\n";
    const std::string rtf = reportToRtf(wide, base::LogFont{}, richtext::BuiltInRtfTemplate);
    EXPECT_NE(rtf.find("\\paperw11906\\paperh16838\\margl1417\\margr850\\margt1417\\margb1134"),
              std::string::npos);
    EXPECT_NE(rtf.find("\\cellx9639 "), std::string::npos);

    RtfPage turned;
    turned.landscape = true;
    const std::string landscape = reportToRtf("a\n", base::LogFont{}, richtext::BuiltInRtfTemplate, turned);
    EXPECT_NE(landscape.find("\\paperw16838\\paperh11906"), std::string::npos);
    EXPECT_NE(landscape.find("\\landscape"), std::string::npos);
}

}  // namespace
}  // namespace ordinax::reports
