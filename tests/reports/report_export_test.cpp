// Export of reports: the proposed file name, CSV cells and the RTF document.
#include <gtest/gtest.h>

#include <string>

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

TEST(ReportToRtf, TablesAreDrawnWithCharacters) {
    base::LogFont font;
    const std::string rtf = reportToRtf("&&&\n& &\n&&&\n", font, richtext::BuiltInRtfTemplate);
    EXPECT_EQ(rtf.find('&'), std::string::npos);
    EXPECT_NE(rtf.find("+-+"), std::string::npos);
    EXPECT_NE(rtf.find("| |"), std::string::npos);
}

}  // namespace
}  // namespace ordinax::reports
