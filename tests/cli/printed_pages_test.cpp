// Printed pages through the built ordinax-cli: the header and footer bands
// of `render` pages, and the printed report of `report -o OUT.pdf`, its
// pages counted by poppler's pdfinfo and read back by pdftotext (the checks
// that need them are skipped where the tools are not installed).
#include <gtest/gtest.h>

#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_process.h"
#include "document/diagram.h"
#include "document/orx_file.h"

namespace ordinax::cli::test {
namespace {

bool toolInstalled(const char* name) {
    return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

// Standard output of a shell command, nullopt when it fails.
std::optional<std::string> commandOutput(const std::string& command) {
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return std::nullopt;
    std::string out;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    if (pclose(pipe) != 0) return std::nullopt;
    return out;
}

// "Pages:" of pdfinfo, -1 when it cannot be read.
int pdfPages(const std::string& path) {
    const std::optional<std::string> info = commandOutput("pdfinfo '" + path + "'");
    if (!info) return -1;
    const std::size_t at = info->find("Pages:");
    if (at == std::string::npos) return -1;
    return std::atoi(info->c_str() + at + 6);
}

// The text of each page, as pdftotext separates them by form feeds.
std::vector<std::string> pdfPageTexts(const std::string& path) {
    const std::optional<std::string> text = commandOutput("pdftotext -layout '" + path + "' -");
    std::vector<std::string> pages;
    if (!text) return pages;
    std::size_t start = 0;
    for (std::size_t feed = text->find('\f'); feed != std::string::npos; feed = text->find('\f', start)) {
        pages.push_back(text->substr(start, feed - start));
        start = feed + 1;
    }
    return pages;
}

class PrintedPages : public ::testing::Test {
protected:
    RunResult run(std::vector<std::string> args) {
        args.push_back("--factory");
        return runCli(args, folder_.path());
    }
    std::string file(const std::string& name) const { return folder_.file(name); }

    // Scales 0..10 without values, one curve of symbols; both bands printed
    // in red with their rules: header "Gauche&cEntete&rDroite", footer the
    // page number block that only report pages keep.
    void saveBandedDiagram(const std::string& name) {
        document::Diagram diagram;
        diagram.displayMode = 1;
        for (auto& direction : diagram.scales.axis) {
            for (auto& scale : direction) {
                scale.origin = 0.0;
                scale.extremity = 10.0;
                scale.step = 1.0;
                scale.orientation = -1;
                scale.mainGraduate = 0;
            }
            direction[0].active = 1;
        }
        document::Curve curve;
        curve.points = document::PointBuffer(std::vector<document::Point>{{2, 2}, {5, 5}, {8, 8}});
        diagram.curves.push_back(curve);
        for (int i = 0; i < 2; ++i) {
            auto& band = diagram.band[static_cast<std::size_t>(i)];
            band.print = 1;
            band.separator = 1;
            band.colour = 0x0000FF;  // red as 0x00BBGGRR
            band.font.height = -16;
            std::snprintf(band.font.faceName, sizeof band.font.faceName, "%s", "Arial");
        }
        diagram.band[0].text = "Gauche&cEntete&rDroite";
        diagram.band[1].text = "Pied{ Page &P/&Q}";
        ASSERT_TRUE(document::saveDiagram(diagram, file(name), "01/01/2026").ok);
    }

    TempFolder folder_;
};

TEST_F(PrintedPages, PageModePictureCarriesTheHeaderRule) {
    saveBandedDiagram("bands.orx");
    const RunResult r = run({"render", "bands.orx", "-o", "page.png", "--mode", "page"});
    ASSERT_EQ(r.status, 0) << r.err;
    QImage image;
    ASSERT_TRUE(image.load(QString::fromStdString(file("page.png"))));
    // A4 at 96 pixels per inch (794 × 1123): the header rule 1.5 cm below
    // the top edge, 1.5 / 2.54 × 96 = 56.7 → row 57, from the left margin
    // 2.5 cm (94.5 → 94) to the right margin 1.5 cm before the edge (737).
    auto red = [&](int x, int y) { return (image.pixel(x, y) & 0xFFFFFF) == 0xFF0000; };
    EXPECT_TRUE(red(300, 57));
    EXPECT_TRUE(red(700, 57));
    EXPECT_FALSE(red(300, 60));
    // The footer rule 1.5 cm above the bottom edge: 1123 - 57 = 1066.
    EXPECT_TRUE(red(300, 1066));
}

TEST_F(PrintedPages, PdfPageIsOneSheetWithTheBandTexts) {
    saveBandedDiagram("bands.orx");
    const RunResult r = run({"render", "bands.orx", "-o", "page.pdf", "--mode", "page"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readFile(file("page.pdf")).rfind("%PDF", 0), 0u);
    if (!toolInstalled("pdfinfo") || !toolInstalled("pdftotext")) GTEST_SKIP() << "poppler-utils not installed";
    EXPECT_EQ(pdfPages(file("page.pdf")), 1);
    const std::vector<std::string> pages = pdfPageTexts(file("page.pdf"));
    ASSERT_EQ(pages.size(), 1u);
    for (const char* part : {"Gauche", "Entete", "Droite", "Pied"})
        EXPECT_NE(pages[0].find(part), std::string::npos) << part;
    // The {..} block belongs to report pages only.
    EXPECT_EQ(pages[0].find("Page"), std::string::npos) << pages[0];
}

TEST_F(PrintedPages, ReportPdfHasEveryPageItsFooterCounts) {
    // y = 1 + 2x fitted by a line; report pages of tall top and bottom
    // margins (10 cm each) so that the report runs over several pages.
    writeFile(file("line.json"), R"({"margins": [[2.5, 1.5, 2.5, 2.0, 1.5, 1.5], [2.5, 1.5, 10.0, 10.0, 1.5, 1.5]],
        "band": [{"print": 0}, {"print": 1, "text": "{Page &P/&Q}", "separator": 1}],
        "curves": [{"title": "Mesures", "treatment": "LIN",
                    "points": [[0, 1], [1, 3], [2, 5], [3, 7], [4, 9]]}]})");
    RunResult r = run({"build", "line.json", "-o", "line.orx"});
    ASSERT_EQ(r.status, 0) << r.err;
    r = run({"report", "line.orx", "--curve", "0", "-o", "note.pdf"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(readFile(file("note.pdf")).rfind("%PDF", 0), 0u);
    if (!toolInstalled("pdfinfo") || !toolInstalled("pdftotext")) GTEST_SKIP() << "poppler-utils not installed";
    const int count = pdfPages(file("note.pdf"));
    ASSERT_GE(count, 2);
    const std::vector<std::string> pages = pdfPageTexts(file("note.pdf"));
    ASSERT_EQ(static_cast<int>(pages.size()), count);
    // Every sheet carries "Page k/N" with N the number of sheets written.
    for (int k = 1; k <= count; ++k) {
        const std::string footer = "Page " + std::to_string(k) + "/" + std::to_string(count);
        EXPECT_NE(pages[static_cast<std::size_t>(k - 1)].find(footer), std::string::npos) << footer;
    }
    // The report's first lines are on the first sheet: the model's name.
    EXPECT_NE(pages[0].find("Lin"), std::string::npos) << pages[0];
}

TEST_F(PrintedPages, UnknownReportExtensionNamesPdfAmongTheKnownOnes) {
    writeFile(file("line.json"), R"({"curves": [{"treatment": "LIN", "points": [[0, 1], [1, 3], [2, 5]]}]})");
    ASSERT_EQ(run({"build", "line.json", "-o", "line.orx"}).status, 0);
    const RunResult r = run({"report", "line.orx", "--curve", "0", "-o", "note.doc"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(".pdf"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace ordinax::cli::test
