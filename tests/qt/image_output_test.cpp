// PNG, SVG and PDF files drawn through the device: sizes, resolution,
// content read back, and failures that leave no file behind.
#include "qt/image_output.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <array>
#include <cmath>
#include <cstdlib>

#include "base/strings.h"
#include "qt_test_support.h"

namespace ordinax::qt {
namespace {

using namespace test;

// Shapes and texts of every kind, for the picture files.
void drawShowcase(render::DrawDevice& device, const DevRect& page) {
    device.fillRect(page, render::rgb(255, 255, 255));
    device.setPen({PenStyle::Solid, 1, kBlack});
    device.setBrush(render::HollowBrush);
    device.rectangle(page.inflated(-4, -4));
    device.setPen({PenStyle::Dash, 3, render::rgb(0, 0, 160)});
    device.line({20, 30}, {page.right - 20, 30});
    device.setPen({PenStyle::Solid, 1, kBlack});
    device.setBrush(render::solidBrush(render::rgb(230, 60, 60)));
    const std::array<DevPoint, 3> triangle{DevPoint{30, 150}, DevPoint{90, 150}, DevPoint{60, 90}};
    device.polygon(triangle);
    device.setBrush(render::solidBrush(render::rgb(60, 160, 60)));
    device.ellipse({110, 90, 170, 150});
    device.setClip(clipArea({190, 90, 250, 150}, true, DevRect{205, 105, 235, 135}, true));
    device.fillRect({190, 90, 250, 150}, render::rgb(240, 180, 0));
    device.clearClip();
    device.setTextColour(kBlack);
    device.setFont(makeFont(-20, "Arial"));
    device.text(20, 70, "Ordinax \xE9t\xE9 \x80");
    device.setFont(makeFont(-20, "Symbol"));
    device.text(230, 70, "qabp");
    device.setFont(makeFont(-22, "Wingdings"));
    device.text(300, 70, "ln\xAB\xFC");
    device.setFont(makeFont(-16, "Times New Roman", 900));
    device.text(page.right - 20, 170, "Vertical");
}

class PictureFiles : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    std::string path(const char* name) const { return dir_.filePath(QString::fromUtf8(name)).toStdString(); }
    QTemporaryDir dir_;
};

TEST_F(PictureFiles, PngKeepsSizeDpiAndDrawing) {
    const std::string file = path("picture.png");
    DevRect seen;
    const auto message = writePng(file, {400, 200, 150, 1}, [&](render::DrawDevice& device, const DevRect& page) {
        seen = page;
        EXPECT_EQ(device.dpiX(), 150);
        EXPECT_TRUE(device.hasPixels());
        drawShowcase(device, page);
    });
    EXPECT_TRUE(message.empty()) << message.text;
    EXPECT_EQ(seen, (DevRect{0, 0, 400, 200}));
    QImageReader reader(QString::fromStdString(file));
    EXPECT_EQ(reader.format(), "png");
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(400, 200));
    // 150 pixels per inch = 5905.5 per metre in the pHYs chunk.
    EXPECT_NEAR(image.dotsPerMeterX(), 5906, 1);
    EXPECT_EQ(std::lround(image.dotsPerMeterY() * 0.0254), 150);
    EXPECT_EQ(image.pixel(60, 140), qRgb(230, 60, 60));  // inside the triangle
    EXPECT_EQ(image.pixel(4, 100), qRgb(0, 0, 0));       // the frame
    // Compressed: far below the 240 000 bytes of raw pixels.
    EXPECT_LT(QFileInfo(QString::fromStdString(file)).size(), 60000);

    // Kept for a look at the drawing when asked for.
    if (const char* keep = std::getenv("ORDINAX_KEEP_PICTURES"))
        QFile::copy(QString::fromStdString(file), QString::fromUtf8(keep) + "/painter_device_showcase.png");
}

TEST_F(PictureFiles, SvgAndPdfAreWritten) {
    const std::string svg = path("picture.svg");
    EXPECT_TRUE(writeSvg(svg, {400, 200, 96, "Essai"}, drawShowcase).empty());
    QFile svgFile(QString::fromStdString(svg));
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    const QByteArray svgText = svgFile.readAll();
    EXPECT_TRUE(svgText.startsWith("<?xml"));
    EXPECT_TRUE(svgText.contains("<svg"));
    EXPECT_TRUE(svgText.contains("<title>Essai</title>"));
    // Read back: the triangle's fill is where it was drawn.
    QSvgRenderer renderer(svgText);
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.viewBox(), QRect(0, 0, 400, 200));
    QImage back(400, 200, QImage::Format_RGB32);
    back.fill(Qt::white);
    {
        QPainter painter(&back);
        renderer.render(&painter);
    }
    EXPECT_EQ(back.pixel(60, 140), qRgb(230, 60, 60));
    EXPECT_EQ(back.pixel(140, 120), qRgb(60, 160, 60));  // inside the ellipse

    // A4 at 600 pixels per inch: 21 / 2.54 x 600 = 4960.6 by 29.7 / 2.54 x 600 = 7015.7.
    const std::string pdf = path("picture.pdf");
    DevRect page;
    bool printer = false;
    PdfOptions options;
    options.landscape = true;
    EXPECT_TRUE(writePdf(pdf, options, [&](render::DrawDevice& device, const DevRect& rect) {
                    page = rect;
                    printer = device.isPrinter();
                    drawShowcase(device, rect);
                }).empty());
    // Qt keeps page sizes in whole points: 595 pt instead of 595.28, which
    // is up to 4 pixels at 600 per inch.
    EXPECT_NEAR(page.width(), 7016, 5);
    EXPECT_NEAR(page.height(), 4961, 5);
    EXPECT_TRUE(printer);
    QFile pdfFile(QString::fromStdString(pdf));
    ASSERT_TRUE(pdfFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdfFile.readAll().startsWith("%PDF"));
}

TEST_F(PictureFiles, FailuresAreReportedAndLeaveNoFile) {
    const auto draw = [](render::DrawDevice&, const DevRect&) {};
    const std::string missingFolder = path("no/such/folder/picture.png");
    PdfOptions noSheet;
    noSheet.pageWidthCm = 0.0;
    const std::pair<const char*, base::Message> failures[] = {
        {"unwritable png", writePng(missingFolder, {}, draw)},
        {"unwritable svg", writeSvg(path("no/such/picture.svg"), {}, draw)},
        {"unwritable pdf", writePdf(path("no/such/picture.pdf"), {}, draw)},
        {"empty png", writePng(path("empty.png"), {0, 100}, draw)},
        {"huge png", writePng(path("huge.png"), {kMaxPictureSide + 1, 10}, draw)},
        {"bad page", writePdf(path("bad.pdf"), noSheet, draw)},
    };
    for (const auto& [name, message] : failures) {
        SCOPED_TRACE(name);
        EXPECT_EQ(message.id, base::MsgFileWriteFailed);
        EXPECT_EQ(message.heading, base::Heading::Error);
    }
    EXPECT_NE(failures[0].second.text.find(missingFolder), std::string::npos);
    EXPECT_TRUE(QDir(dir_.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(PictureFiles, RewritingReplacesThePreviousPicture) {
    const std::string file = path("again.png");
    const auto fill = [](render::Colour colour) {
        return [colour](render::DrawDevice& device, const DevRect& page) { device.fillRect(page, colour); };
    };
    ASSERT_TRUE(writePng(file, {20, 10}, fill(kRed)).empty());
    ASSERT_TRUE(writePng(file, {30, 10}, fill(kBlack)).empty());
    const QImage image(QString::fromStdString(file));
    EXPECT_EQ(image.size(), QSize(30, 10));
    EXPECT_EQ(image.pixel(5, 5), qRgb(0, 0, 0));
}

}  // namespace
}  // namespace ordinax::qt
