// What the smoothing dialog's "Calculer" computes: the treatment with its
// report from the shipped templates; a missing template undoes it all.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "numerics/catalogue.h"
#include "numerics/fit_kind.h"
#include "reports/report_file.h"
#include "reports/report_export.h"
#include "reports/treatment_report.h"

namespace ordinax::reports {
namespace {

namespace fs = std::filesystem;

fs::path templateFolder() { return fs::path(ORDINAX_SOURCE_DIR) / "data"; }

numerics::Catalogue shippedCatalogue() {
    const numerics::CatalogueLoad load = numerics::loadCatalogue((templateFolder() / numerics::CatalogueFileName).string());
    return load.catalogue ? *load.catalogue : numerics::Catalogue{};
}

document::Curve lineCurve() {
    document::Curve curve;
    // y = 1 + 2x exactly.
    const std::vector<document::Point> points = {{0, 1}, {1, 3}, {2, 5}, {3, 7}};
    curve.points = document::PointBuffer(points);
    curve.treatment = numerics::KindJPP;
    return curve;
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(TreatmentReport, ARegressionGivesItsReportAndKeepsItsFit) {
    document::Curve curve = lineCurve();
    numerics::TreatmentChoice choice;
    choice.kind = numerics::KindLIN;
    const TreatmentRun run = runTreatment(curve, choice, shippedCatalogue(), false, templateFolder(), 0);
    ASSERT_TRUE(run.ok) << run.message.text;
    EXPECT_EQ(curve.treatment, numerics::KindLIN);
    // The coefficient rows of the template, then the exact fit's determination.
    EXPECT_TRUE(contains(run.report, "a\xB6s0\xB6s = 1\n")) << run.report;
    EXPECT_TRUE(contains(run.report, "a\xB6s1\xB6s = 2\n"));
    EXPECT_TRUE(contains(run.report, "1.00000"));
    EXPECT_EQ(run.lastFit.n, 4);
}

TEST(TreatmentReport, DrawingKindsHaveNoReportAndRefusalsChangeNothing) {
    document::Curve curve = lineCurve();
    numerics::TreatmentChoice choice;
    choice.kind = numerics::KindSPC;
    const TreatmentRun drawn = runTreatment(curve, choice, shippedCatalogue(), false, templateFolder(), 0);
    EXPECT_TRUE(drawn.ok);
    EXPECT_TRUE(drawn.report.empty());
    EXPECT_EQ(curve.treatment, numerics::KindSPC);

    const document::Curve before = curve;
    choice.kind = numerics::KindPUI;  // x = 0 has no logarithm
    const TreatmentRun refused = runTreatment(curve, choice, shippedCatalogue(), false, templateFolder(), 0);
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.message.id, 117);
    EXPECT_EQ(refused.message.heading, base::Heading::Error);
    EXPECT_TRUE(curve == before);
}

TEST(TreatmentReport, AMissingTemplateUndoesTheComputation) {
    const fs::path empty = fs::temp_directory_path() / ("ordinax-no-templates-" + std::to_string(::getpid()));
    fs::create_directories(empty);
    document::Curve curve = lineCurve();
    const document::Curve before = curve;
    numerics::TreatmentChoice choice;
    choice.kind = numerics::KindLIN;
    const TreatmentRun run = runTreatment(curve, choice, shippedCatalogue(), false, empty, 0);
    EXPECT_FALSE(run.ok);
    EXPECT_TRUE(contains(run.message.text, "Impossible d'ouvrir le fichier")) << run.message.text;
    EXPECT_TRUE(curve == before) << "the curve gets back its treatment and fit";
    fs::remove_all(empty);
}

TEST(ReportFile, NamesAndSafeWriting) {
    EXPECT_EQ(suggestedExportName("essai.orx", 2, ExportRtf), "essai_03.RTF");
    EXPECT_EQ(suggestedExportName("essai.orx", 0, ExportCsv), "essai_01.CSV");
    EXPECT_EQ(suggestedExportName("essai.orx", 9, ExportPdf), "essai_10.PDF");
    EXPECT_EQ(suggestedExportName("", 0, ExportRtf), "Note_01.RTF");

    const fs::path folder = fs::temp_directory_path() / ("ordinax-report-file-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    document::Diagram diagram;
    const std::string report = "Titre\n&&&&&\n& a &\n&&&&&\n";
    const fs::path csv = folder / "note.csv";
    ASSERT_TRUE(writeReportExport(csv.string(), report, ExportCsv, diagram, {}).empty());
    EXPECT_EQ(fs::file_size(csv), reportToCsv(report).size());
    const fs::path rtf = folder / "note.rtf";
    ASSERT_TRUE(writeReportExport(rtf.string(), report, ExportRtf, diagram, {}).empty());
    EXPECT_GT(fs::file_size(rtf), 0u);

    const base::Message failed =
        writeReportExport((folder / "absent" / "note.csv").string(), report, ExportCsv, diagram, {});
    EXPECT_TRUE(contains(failed.text, "Impossible d'écrire la note de calcul dans le fichier")) << failed.text;
    EXPECT_FALSE(fs::exists(folder / "absent"));
    fs::remove_all(folder);
}

}  // namespace
}  // namespace ordinax::reports
