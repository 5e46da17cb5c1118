// ordinax-cli render through the built binary: PNG pictures of the right size
// with the plot frame where the layout puts it, SVG and PDF files written,
// and the refusals (unknown format, a window too small for the plot).
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <algorithm>
#include <string>
#include <vector>

#include "cli/cli_process.h"
#include "document/diagram.h"
#include "document/orx_file.h"

namespace ordinax::cli::test {
namespace {

using document::PaintStyle;

// Scales 0..10 on the lower X and left Y sides with inner ticks and no
// values, no page frame, a black 1-pixel plot frame, no labels; one curve of
// symbols on the diagonal.
document::Diagram frameDiagram() {
    document::Diagram diagram;
    diagram.displayMode = 1;
    diagram.backPaint[PaintStyle::Border] = 0;
    diagram.diagramPaint[PaintStyle::Border] = 1;
    diagram.diagramPaint[PaintStyle::BorderColour] = 0;
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
    std::vector<document::Point> points;
    for (int i = 1; i < 10; ++i) points.push_back({static_cast<double>(i), static_cast<double>(i)});
    curve.points = document::PointBuffer(points);
    curve.symbol.type = 1;
    curve.symbol.number = 5;  // filled square
    curve.symbol.fill = 1;
    curve.symbol.innerColour = 0xFF;  // red
    diagram.curves.push_back(curve);
    return diagram;
}

class RenderCommand : public ::testing::Test {
protected:
    void SetUp() override {
        document::Diagram diagram = frameDiagram();
        const document::SaveResult saved = document::saveDiagram(diagram, folder_.file("frame.orx"), "01/01/2026");
        ASSERT_TRUE(saved.ok);
    }

    RunResult run(std::vector<std::string> args) {
        args.push_back("--factory");
        return runCli(args, folder_.path());
    }

    QImage picture(const std::string& name) {
        QImage image;
        image.load(QString::fromStdString(folder_.file(name)));
        return image;
    }

    TempFolder folder_;
};

bool black(const QImage& image, int x, int y) { return (image.pixel(x, y) & 0xFFFFFF) == 0; }
bool white(const QImage& image, int x, int y) { return (image.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF; }

TEST_F(RenderCommand, PngInNormalModeHasThePlotFrameWhereTheLayoutPutsIt) {
    const RunResult r = run({"render", "frame.orx", "-o", "frame.png", "--width", "400", "--height", "300"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    const QImage image = picture("frame.png");
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 400);
    EXPECT_EQ(image.height(), 300);
    // Normal screen mode at 96 pixels per inch: stored sizes × 72 / 96, so
    // drawSpace 4 → 3. Diagram rectangle: page − 3 × 3 = (9, 9, 391, 291);
    // plot: − 2 × 3 = (15, 15, 385, 285), frame lines on those rows and columns.
    EXPECT_TRUE(black(image, 15, 150));
    EXPECT_TRUE(black(image, 385, 150));
    EXPECT_TRUE(black(image, 200, 15));
    EXPECT_TRUE(black(image, 200, 285));
    EXPECT_TRUE(white(image, 14, 150));
    EXPECT_TRUE(white(image, 386, 150));
    EXPECT_TRUE(white(image, 5, 5));
    // The symbols make red pixels inside the plot.
    int red = 0;
    for (int y = 16; y < 285; ++y)
        for (int x = 16; x < 385; ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == 0xFF0000) ++red;
    EXPECT_GT(red, 9 * 20);
}

TEST_F(RenderCommand, PngInPageModeFollowsTheSheet) {
    // A4 upright at 96 pixels per inch: 21 / 2.54 × 96 = 793.7, 29.7 / 2.54 × 96 = 1122.5.
    RunResult r = run({"render", "frame.orx", "-o", "page.png", "--mode", "page"});
    ASSERT_EQ(r.status, 0) << r.err;
    QImage image = picture("page.png");
    EXPECT_EQ(image.width(), 794);
    EXPECT_EQ(image.height(), 1123);
    // One side given: the other keeps the sheet's proportions (210 × 297).
    r = run({"render", "frame.orx", "-o", "page2.png", "--mode", "page", "--width", "210"});
    ASSERT_EQ(r.status, 0) << r.err;
    image = picture("page2.png");
    EXPECT_EQ(image.width(), 210);
    EXPECT_EQ(image.height(), 297);
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!white(image, x, y)) ++dark;
    EXPECT_GT(dark, 100);
}

// The plot fill takes the diagram picture, stretched over the plot; a
// picture that cannot be read leaves the plot white.
TEST_F(RenderCommand, PlotPictureFillsThePlotAndAMissingOneLeavesWhite) {
    QImage green(8, 8, QImage::Format_RGB32);
    green.fill(QColor(0, 200, 0));
    ASSERT_TRUE(green.save(QString::fromStdString(folder_.file("green.png"))));
    for (const char* name : {"green.png", "absent.png"}) {
        document::Diagram diagram = frameDiagram();
        diagram.diagramPaint[PaintStyle::Picture] = 1;
        diagram.diagramPaint[PaintStyle::PicturePlacement] = 0;
        const std::string path = folder_.file(name);
        ASSERT_LT(path.size(), diagram.diagramPicture.size());
        std::copy(path.begin(), path.end(), diagram.diagramPicture.begin());
        ASSERT_TRUE(document::saveDiagram(diagram, folder_.file("picture.orx"), "01/01/2026").ok);
        const RunResult r = run({"render", "picture.orx", "-o", "picture.png", "--width", "400", "--height", "300"});
        ASSERT_EQ(r.status, 0) << r.err;
        const QImage image = picture("picture.png");
        // (100, 100) lies inside the plot (15..385 × 15..285), away from the diagonal of symbols.
        const QRgb expected = std::string(name) == "green.png" ? qRgb(0, 200, 0) : qRgb(255, 255, 255);
        EXPECT_EQ(image.pixel(100, 100) & 0xFFFFFF, expected & 0xFFFFFF) << name;
        EXPECT_TRUE(white(image, 5, 5)) << name;
    }
}

TEST_F(RenderCommand, SvgAndPdfAreWritten) {
    RunResult r = run({"render", "frame.orx", "-o", "frame.svg"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string svg = readFile(folder_.file("frame.svg"));
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("</svg>"), std::string::npos);

    r = run({"render", "frame.orx", "-o", "frame.PDF", "--dpi", "300"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string pdf = readFile(folder_.file("frame.PDF"));
    EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
    EXPECT_NE(pdf.find("%%EOF"), std::string::npos);
}

TEST_F(RenderCommand, RefusesUnknownFormatsAndTooSmallPictures) {
    RunResult r = run({"render", "frame.orx", "-o", "frame.bmp"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("png, svg ou pdf"), std::string::npos);

    // 20 pixels: 20 − 2 × 9 − 2 × 6 leaves no plot. Nothing is written, and
    // an existing picture is kept.
    writeFile(folder_.file("small.png"), "previous");
    r = run({"render", "frame.orx", "-o", "small.png", "--width", "20", "--height", "200"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("ERREUR"), std::string::npos);
    EXPECT_NE(r.err.find("La taille de la fenêtre est trop petite."), std::string::npos);
    EXPECT_EQ(readFile(folder_.file("small.png")), "previous");

    r = run({"render", "missing.orx", "-o", "out.png"});
    EXPECT_EQ(r.status, 1);
    r = run({"render", "frame.orx", "-o", "out.png", "--mode", "large"});
    EXPECT_EQ(r.status, 2);
}

}  // namespace
}  // namespace ordinax::cli::test
