// Filling report templates: coefficient and statistics rows, conditional
// blocks, Fourier harmonics, template files and the shipped templates.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "numerics/catalogue.h"
#include "numerics/fit_curve.h"
#include "numerics/fit_kind.h"
#include "numerics/fourier.h"
#include "reports/report_builder.h"
#include "reports/report_format.h"
#include "reports/report_template.h"

namespace ordinax::reports {
namespace {

namespace fs = std::filesystem;
using document::Curve;

Curve curveWithPoints(const std::vector<document::Point>& points, int treatment) {
    Curve curve;
    curve.treatment = treatment;
    curve.points = document::PointBuffer(std::span<const document::Point>(points));
    return curve;
}

// A model record as the catalogue gives it.
numerics::FitModel model(const char* name, int coefficients, int flag) {
    numerics::FitModel m;
    m.name = name;
    m.coefficientCount = coefficients;
    m.flag = flag;
    m.equation = "y=a0+a1.x+a2.x\xB6" "e2\xB6" "e";
    return m;
}

// A regression curve whose coefficients are 1.5, -2 and 0.25 (a second-degree polynomial).
class RegressionReport : public ::testing::Test {
protected:
    RegressionReport() : curve(curveWithPoints({{0, 1}, {1, 2}, {2, 4}, {3, 5}}, numerics::KindPOL2)) {
        curve.fit.coefficient[0] = 1.5;
        curve.fit.coefficient[1] = -2.0;
        curve.fit.coefficient[2] = 0.25;
        last.determination = 0.987654321;
        last.correlation = -0.5;
        last.dof = 1;
        last.intervals = {{0.5, 2.5}, {-3.0, -1.0}, {0.125, 123456789.0}};
        curve.fit.detail = {0.1, 0.2, 0.3};
    }
    std::string fill(const std::string& text, int flag = 1, const char* name = "polyn\xF4me") {
        polynomial = model(name, 3, flag);
        return fillReport(text, ReportRegression, {&curve, &polynomial, &last, 0});
    }
    Curve curve;
    numerics::FitReport last;
    numerics::FitModel polynomial;
};

TEST_F(RegressionReport, CoefficientRowsRepeatWithSubscripts) {
    // The row "a¶s0¶s = @AN@" becomes one line per coefficient, in order.
    EXPECT_EQ(fill("Coefficients\n a\xB6s0\xB6s = @AN@\nfin\n"),
              "Coefficients\n a\xB6s0\xB6s = 1.5\n a\xB6s1\xB6s = -2\n a\xB6s2\xB6s = 0.25\nfin\n");
}

TEST_F(RegressionReport, RowAloneOnTheFirstLine) {
    EXPECT_EQ(fill("@AN@\n"), "1.5\n-2\n0.25\n");
}

TEST_F(RegressionReport, NameAndExpression) {
    // The first letter of the name becomes upper case, accented letters included.
    EXPECT_EQ(fill("@FUNCTION@ : @EXPRESSION@\n", 1, "\xE9tonnant"),
              "\xC9tonnant : y=a0+a1.x+a2.x\xB6" "e2\xB6" "e\n");
}

TEST_F(RegressionReport, StatisticsBlockDroppedWithoutStatistics) {
    const std::string text = "titre\n:IF[STAT]\nt = @T_STUDENT@\n:END[STAT]\nfin @DDL@\n";
    // Without statistics the block goes with its two marker lines, and the
    // placeholders outside it stay verbatim.
    EXPECT_EQ(fill(text, 0), "titre\nfin @DDL@\n");
    // With statistics the content stays, the marker lines go.
    curve.fit.studentT = 4.30265;
    EXPECT_EQ(fill(text, 1), "titre\nt = 4.30265\nfin 1\n");
}

TEST_F(RegressionReport, CorrelationBlockOfModelsThroughFixedPoints) {
    const std::string text = "x\n:IF[CCOR]\nr2 = @C_DET@\n:END[CCOR]\nr = @C_COR@\n";
    EXPECT_EQ(fill(text), "x\nr2 = 0.98765\nr = -0.50000\n");
    for (int kind : {numerics::KindHYPTP, numerics::KindLINTO, numerics::KindLINTP, numerics::KindPOL2TO,
                     numerics::KindPOL2TP, numerics::KindRECLINTP}) {
        curve.treatment = kind;
        const std::string filled = fill(text, 0);
        EXPECT_EQ(filled.substr(0, 2), "x\n") << kind;
        EXPECT_NE(filled.find("r = @C_COR@"), std::string::npos) << kind;  // not filled
        EXPECT_EQ(filled.find("r2"), std::string::npos) << kind;
    }
}

TEST_F(RegressionReport, MarkersKeepTheTextBeforeThemAndTheFirstCharacterIsNoMarker) {
    EXPECT_EQ(fill("a\nkeep:IF[OTHER] gone\nb\n:END[OTHER]\n"), "a\nkeepb\n");
    // Blocks and markers at the very first character are not taken.
    EXPECT_EQ(fill(":IF[STAT]\nx\n:END[STAT]\n", 0), ":IF[STAT]\nx\n");
}

TEST_F(RegressionReport, StatisticsTable) {
    const std::string text =
        "&&&&&&&&&&&&&&&&&&&&&&&&\n"
        "&   @N@   &  @AMIN@  &  @TXTMIN@  &\n"
        "&&&&&&&&&&&&&&&&&&&&&&&&\n";
    const std::string filled = fill(text);
    // Worked by hand: " a¶si¶s" (3 shown) in 9 columns; bounds by format list R
    // in 10 columns; "mini" in the 12 columns of "  @TXTMIN@  ", filled over the
    // whole text before the rows are copied.
    EXPECT_EQ(filled,
              "&&&&&&&&&&&&&&&&&&&&&&&&\n"
              "&    a\xB6s0\xB6s   &   0.5    &    mini    &\n"
              "&    a\xB6s1\xB6s   &    -3    &    mini    &\n"
              "&    a\xB6s2\xB6s   &  0.125   &    mini    &\n"
              "&&&&&&&&&&&&&&&&&&&&&&&&\n");
    const std::string titles = fill("&  @TXTMIN@  &@TXTET@&\n");
    EXPECT_EQ(titles, "&    mini    &\xE9" "cart-type&\n");
}

TEST_F(RegressionReport, FieldsOfEveryColumn) {
    const std::string filled = fill("&@N@&@AMIN@&@AMOY@&@AMAX@&@AET@&\n");
    // Worked by hand: fields of 3, 6, 6, 6 and 5 columns; (W - V) / 2 blanks
    // before, the rest after; a wider value unpadded.
    EXPECT_EQ(filled,
              "& a\xB6s0\xB6s& 0.5  & 1.5  & 2.5  & 0.1 &\n"
              "& a\xB6s1\xB6s&  -3  &  -2  &  -1  & 0.2 &\n"
              "& a\xB6s2\xB6s&0.125 & 0.25 &+1.235E+8& 0.3 &\n");
}

TEST_F(RegressionReport, PlainStatisticsValues) {
    curve.confidence = 99.0;
    curve.fit.meanX = 1.5;
    curve.fit.varY = 1e-9;
    EXPECT_EQ(fill("@NB_POINTS@ @DDL@ @IC_REG@ @X_MOYEN@ @VAR_Y@\n"), "4 1 99 1.5 1e-009\n");
}

// A curve of two harmonics over x from 0 to 4.
class FourierReport : public ::testing::Test {
protected:
    FourierReport() : curve(curveWithPoints({{0, 1}, {1, 2}, {2, 0}, {4, 1}}, numerics::KindFOU)) {
        curve.fit.harmonicCount = 2;
        curve.fit.omega = 1.5707963267948966;  // 2π / 4
        curve.fit.fourierA0 = 1.25;
        curve.fit.coefficient[1] = 0.5;
        curve.fit.linearCoefficient[1] = -0.125;
        curve.fit.coefficient[2] = 123456789.0;
        curve.fit.linearCoefficient[2] = 0.0;
    }
    std::string fill(const std::string& text) { return fillReport(text, ReportFourier, {&curve, nullptr, nullptr, 0}); }
    Curve curve;
};

TEST_F(FourierReport, HarmonicRowsAndValues) {
    const std::string text =
        "n=@NB_POINTS@ h=@NHARM@ T=@PERIODE@ w=@PULSATION@ f=@FREQUENCE@ a0=@A0@\n"
        "&@N@&@AN_HARM@&@BN_HARM@&@FR_HARM@&\n"
        "end\n";
    // Worked by hand: period 2π/ω = 4, frequency ω/2π = 0.25; the harmonic
    // frequencies are i / (4 - 0); for 123456789 "%g" and "%+.4e" both give
    // 12 characters, so the first ("1.23457e+008") is kept. Fields of 9 columns.
    EXPECT_EQ(fill(text),
              "n=4 h=2 T=4 w=1.5708 f=0.25 a0=1.25\n"
              "& 01&   0.5   & -0.125  &  0.25   &\n"
              "& 02&1.23457E+8&    0    &   0.5   &\n"
              "end\n");
}

TEST_F(FourierReport, NoHarmonicDropsEveryHarmonicBlock) {
    curve.fit.harmonicCount = 0;
    const std::string text =
        "titre\n:IF[HARMONIC]\nT=@PERIODE@\n:END[HARMONIC]\na0=@A0@ n=@NB_POINTS@\n"
        ":IF[HARMONIC]\n&@N@&\n:END[HARMONIC]\nfin\n";
    EXPECT_EQ(fill(text), "titre\na0=1.25 n=4\nfin\n");
}

TEST_F(FourierReport, UnclosedHarmonicBlockStays) {
    curve.fit.harmonicCount = 0;
    // Without its closing marker the block is not dropped; its opening marker line goes.
    EXPECT_EQ(fill("t\n:IF[HARMONIC]\nT=@PERIODE@\n"), "t\nT=@PERIODE@\n");
}

TEST_F(FourierReport, TemplateWithoutHarmonicRow) { EXPECT_EQ(fill("a0=@A0@\n"), "a0=1.25\n"); }

// Template files in a folder of their own.
class TemplateFiles : public ::testing::Test {
protected:
    TemplateFiles() : folder(fs::temp_directory_path() / ("ordinax_reports_" + std::to_string(::getpid()))) {
        fs::create_directories(folder);
    }
    ~TemplateFiles() override { fs::remove_all(folder); }
    void write(const std::string& name, const std::string& bytes) {
        std::ofstream(folder / name, std::ios::binary) << bytes;
    }
    fs::path folder;
};

TEST(TemplateNames, ByKindAndLanguage) {
    EXPECT_EQ(templateFileName(ReportRegression, 0), "MSKF_REG.TXT");
    EXPECT_EQ(templateFileName(ReportRegression, 2), "MSKD_REG.TXT");
    EXPECT_EQ(templateFileName(ReportFourier, 1), "MSKG_FOU.TXT");
    EXPECT_EQ(templateFileName(ReportFourier, 4), "MSKS_FOU.TXT");
    EXPECT_EQ(templateFileName(ReportFourier, 7), "MSKF_FOU.TXT");
}

TEST(NormalizeTemplate, EndsWithExactlyOneLineFeed) {
    EXPECT_EQ(normalizeTemplate("a\r\nb  \r\n\r\n  \n"), "a\nb\n");
    EXPECT_EQ(normalizeTemplate("a"), "a\n");
    EXPECT_EQ(normalizeTemplate("\r\n"), "\n");
}

TEST_F(TemplateFiles, MissingOrShortTemplateFails) {
    Curve curve = curveWithPoints({{0, 1}, {1, 2}}, numerics::KindLIN);
    const numerics::FitModel lin = model("lin\xE9" "aire", 2, 1);
    const ReportInputs inputs{&curve, &lin, nullptr, 0};
    ReportBuild build = buildReport(folder, inputs);
    EXPECT_FALSE(build.ok);
    EXPECT_EQ(build.text, "");
    EXPECT_EQ(build.message.heading, base::Heading::Error);
    EXPECT_EQ(build.message.text,
              "Impossible d'ouvrir le fichier " + (folder / "MSKF_REG.TXT").string() + " !\n\nLe fichier n'existe pas.");

    write("MSKF_REG.TXT", "123456789");  // 9 bytes: too short
    EXPECT_FALSE(buildReport(folder, inputs).ok);
    write("MSKF_REG.TXT", "@AN@ test\r\n\r\n");
    build = buildReport(folder, inputs);
    EXPECT_TRUE(build.ok);
    EXPECT_EQ(build.text, "0 test\n0 test\n");
}

// The shipped templates, filled for real fits: every placeholder is filled,
// every marker removed and every table row as wide as its rules.
class ShippedTemplates : public ::testing::Test {
protected:
    static fs::path dataFolder() { return fs::path(ORDINAX_SOURCE_DIR) / "data"; }
};

void expectCompleteReport(const std::string& text, const std::string& what) {
    EXPECT_EQ(text.find('@'), std::string::npos) << what << "\n" << text;
    EXPECT_EQ(text.find(":IF["), std::string::npos) << what;
    EXPECT_EQ(text.find(":END["), std::string::npos) << what;
    std::size_t tableWidth = 0;
    std::size_t from = 0;
    for (std::size_t feed = text.find('\n'); feed != std::string::npos; feed = text.find('\n', from)) {
        const std::string line = text.substr(from, feed - from);
        from = feed + 1;
        if (line.empty() || line.front() != RuleChar) continue;
        const auto shown = static_cast<std::size_t>(visibleLength(line));
        if (line.find_first_not_of(RuleChar) == std::string::npos) tableWidth = line.size();
        EXPECT_EQ(shown, tableWidth) << what << ": " << line;
    }
}

TEST_F(ShippedTemplates, RegressionReportsInEveryLanguage) {
    const numerics::CatalogueLoad load = numerics::loadCatalogue((dataFolder() / "ORX_LISS.MSK").string());
    ASSERT_TRUE(load.catalogue);
    for (int kind : {numerics::KindLIN, numerics::KindPOL3, numerics::KindLINTO, numerics::KindEXP}) {
        Curve curve = curveWithPoints({{1, 2.1}, {2, 3.9}, {3, 6.2}, {4, 7.8}, {5, 10.1}, {6, 12.2}}, kind);
        numerics::FitReport report;
        ASSERT_EQ(numerics::fitCurve(curve, *load.catalogue, false, &report), 0) << kind;
        for (int language = 0; language < 5; ++language) {
            const ReportBuild build = buildReport(dataFolder(), {&curve, &(*load.catalogue)[kind], &report, language});
            ASSERT_TRUE(build.ok) << build.message.text;
            expectCompleteReport(build.text, std::string(numerics::codeName(kind)) + " " + std::to_string(language));
        }
    }
}

TEST_F(ShippedTemplates, FourierReportsInEveryLanguage) {
    for (int harmonics : {0, 3}) {
        Curve curve = curveWithPoints({{0, 0}, {1, 1}, {2, 0}, {3, -1}, {4, 0}, {5, 1}, {6, 0}}, numerics::KindFOU);
        curve.fit.harmonicCount = harmonics;
        ASSERT_EQ(numerics::fourierFit(curve), 0);
        for (int language = 0; language < 5; ++language) {
            const ReportBuild build = buildReport(dataFolder(), {&curve, nullptr, nullptr, language});
            ASSERT_TRUE(build.ok) << build.message.text;
            expectCompleteReport(build.text, "FOU " + std::to_string(harmonics) + " " + std::to_string(language));
        }
    }
}

}  // namespace
}  // namespace ordinax::reports
