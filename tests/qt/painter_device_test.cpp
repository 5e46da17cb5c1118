// The QPainter device drawn onto QImages and checked pixel by pixel: lines
// on whole pixels, fills, clip areas, styled wide pens, pictures, text and
// its measures, symbol fonts.
#include "qt/painter_device.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QSvgGenerator>
#include <array>
#include <cstdlib>
#include <vector>

#include "qt/font_mapping.h"
#include "qt_test_support.h"

namespace ordinax::qt {
namespace {

using namespace test;

// --- Lines and fills ------------------------------------------------------------

TEST(PainterDeviceLines, OnePixelPolylineLeavesOutItsLastPixel) {
    // By hand: each segment lights its start up to, not including, its end;
    // the corner pixel is lit by the second segment.
    Canvas canvas(16, 16);
    const std::array<DevPoint, 3> points{DevPoint{2, 2}, DevPoint{9, 2}, DevPoint{9, 7}};
    canvas.device().setPen({PenStyle::Solid, 1, kBlack});
    canvas.device().polyline(points);
    PixelSet expected;
    for (int x = 2; x <= 8; ++x) expected.insert({x, 2});
    for (int y = 2; y <= 6; ++y) expected.insert({9, y});
    EXPECT_EQ(canvas.lit(), expected);
}

TEST(PainterDeviceLines, DiagonalLineIsOnePixelPerStep) {
    Canvas canvas(8, 8);
    canvas.device().setPen({PenStyle::Solid, 1, kBlack});
    canvas.device().line({0, 0}, {5, 5});
    EXPECT_EQ(canvas.lit(), (PixelSet{{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}}));
}

TEST(PainterDeviceLines, NullPenDrawsNothing) {
    Canvas canvas(8, 8);
    canvas.device().setPen({PenStyle::None, 1, kBlack});
    canvas.device().line({0, 3}, {7, 3});
    EXPECT_TRUE(canvas.lit().empty());
}

TEST(PainterDeviceFill, PolygonFillCoversItsInteriorWithoutRightAndBottomEdges) {
    // An 8 x 6 rectangle of vertices fills columns 2..9 and rows 2..7.
    Canvas canvas(16, 16);
    const std::array<DevPoint, 4> corners{DevPoint{2, 2}, DevPoint{10, 2}, DevPoint{10, 8}, DevPoint{2, 8}};
    canvas.device().setPen({PenStyle::None, 1, kBlack});
    canvas.device().setBrush(render::solidBrush(kRed));
    canvas.device().polygon(corners);
    const PixelSet lit = canvas.lit();
    EXPECT_EQ(lit.size(), 48u);
    EXPECT_EQ(boundsOf(lit), QRect(QPoint(2, 2), QPoint(9, 7)));
    EXPECT_EQ(canvas.image().pixel(5, 5), qRgb(255, 0, 0));
}

TEST(PainterDeviceFill, OutlinedTriangleHasPenOnEdgesAndBrushInside) {
    Canvas canvas(24, 24);
    const std::array<DevPoint, 3> triangle{DevPoint{2, 20}, DevPoint{20, 20}, DevPoint{11, 2}};
    canvas.device().setPen({PenStyle::Solid, 1, kBlack});
    canvas.device().setBrush(render::solidBrush(kRed));
    canvas.device().polygon(triangle);
    const QImage& image = canvas.image();
    // The pen on the middle of each edge and on the vertices it starts from.
    for (auto [x, y] : {std::pair{11, 20}, std::pair{2, 20}, std::pair{11, 2}, std::pair{6, 11}, std::pair{15, 11}})
        EXPECT_EQ(image.pixel(x, y), qRgb(0, 0, 0)) << x << "," << y;
    EXPECT_EQ(image.pixel(11, 15), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(3, 3), kWhite);
}

TEST(PainterDeviceFill, NativeShapesStayInsideTheirExclusiveBox) {
    // Box (l, t, r, b) with r and b exclusive: a 1-pixel outline touches
    // columns l and r - 1 and rows t and b - 1, never beyond.
    struct Case {
        const char* name;
        void (*draw)(PainterDevice&, const DevRect&);
    };
    const Case cases[] = {
        {"rectangle", [](PainterDevice& d, const DevRect& b) { d.rectangle(b); }},
        {"ellipse", [](PainterDevice& d, const DevRect& b) { d.ellipse(b); }},
        {"roundRect", [](PainterDevice& d, const DevRect& b) { d.roundRect(b, 8, 6); }},
        {"fillRect", [](PainterDevice& d, const DevRect& b) { d.fillRect(b, kBlack); }},
    };
    const DevRect box{5, 4, 26, 19};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Canvas canvas(32, 24);
        canvas.device().setPen({PenStyle::Solid, 1, kBlack});
        c.draw(canvas.device(), box);
        EXPECT_EQ(boundsOf(canvas.lit()), QRect(QPoint(5, 4), QPoint(25, 18)));
    }
}

TEST(PainterDeviceFill, ArcAndChordGoAnticlockwiseFromStartToEnd) {
    // From the ray pointing right to the ray pointing up: the upper right
    // quarter of the circle inscribed in (0, 0, 41, 41), centre (20, 20).
    const DevRect box{0, 0, 41, 41};
    {
        Canvas canvas(41, 41);
        canvas.device().setPen({PenStyle::Solid, 1, kBlack});
        canvas.device().arc(box, {40, 20}, {20, 0});
        const QRect bounds = boundsOf(canvas.lit());
        EXPECT_GE(bounds.left(), 19);
        EXPECT_LE(bounds.bottom(), 21);
        EXPECT_GE(bounds.right(), 39);
        EXPECT_EQ(bounds.top(), 0);
    }
    {
        // Swapped rays: the other three quarters.
        Canvas canvas(41, 41);
        canvas.device().setPen({PenStyle::Solid, 1, kBlack});
        canvas.device().setBrush(render::solidBrush(kRed));
        canvas.device().chord(box, {20, 0}, {40, 20});
        const QImage& image = canvas.image();
        EXPECT_EQ(image.pixel(10, 30), qRgb(255, 0, 0));  // lower left: inside
        EXPECT_EQ(image.pixel(33, 7), kWhite);            // upper right: cut off
    }
}

// --- Wide and styled pens ---------------------------------------------------

// Lengths of the lit and unlit runs along one row, from its first lit pixel.
std::vector<int> runs(const QImage& image, int row) {
    std::vector<int> lengths;
    int x = 0;
    while (x < image.width() && image.pixel(x, row) == kWhite) ++x;
    while (x < image.width()) {
        const bool lit = image.pixel(x, row) != kWhite;
        int length = 0;
        while (x < image.width() && (image.pixel(x, row) != kWhite) == lit) ++x, ++length;
        lengths.push_back(length);
    }
    return lengths;
}

TEST(PainterDevicePens, StyledPensRepeatThePlatformPatterns) {
    // Cosmetic patterns in pixels, geometric ones in widths (3 px wide here):
    // dash 18/6 and 9/3, dot 3/3 and 3/3, dash-dot 9/6/3/6 and 9/3/3/3.
    struct Case {
        PenStyle style;
        int width;
        std::vector<int> expected;  // leading runs: lit, unlit, lit, ...
    };
    const Case cases[] = {
        {PenStyle::Dash, 1, {18, 6, 18, 6, 18}}, {PenStyle::Dot, 1, {3, 3, 3, 3, 3}},
        {PenStyle::DashDot, 1, {9, 6, 3, 6, 9}}, {PenStyle::Dash, 3, {9, 3, 9, 3, 9}},
        {PenStyle::DashDot, 3, {9, 3, 3, 3, 9}}, {PenStyle::DashDotDot, 3, {9, 3, 3, 3, 3, 3, 9}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << static_cast<int>(c.style) << " width " << c.width);
        Canvas canvas(120, 20);
        canvas.device().setPen({c.style, c.width, kBlack});
        canvas.device().line({0, 10}, {119, 10});
        const QImage& image = canvas.image();
        std::vector<int> found = runs(image, 10);
        ASSERT_GE(found.size(), c.expected.size());
        found.resize(c.expected.size());
        EXPECT_EQ(found, c.expected);
        // The stroke is exactly `width` rows thick.
        int rows = 0;
        for (int y = 0; y < image.height(); ++y) rows += image.pixel(2, y) != kWhite;
        EXPECT_EQ(rows, c.width);
    }
}

TEST(PainterDevicePens, WideDashesEndFlat) {
    // A 4-pixel dash pattern along x ends exactly where the line ends: flat
    // caps add nothing beyond the end point.
    Canvas canvas(40, 20);
    canvas.device().setPen({PenStyle::Dash, 4, kBlack});
    canvas.device().line({2, 10}, {14, 10});  // one dash of 3 x 4 = 12 pixels
    const QRect bounds = boundsOf(canvas.lit());
    EXPECT_EQ(bounds.left(), 2);
    EXPECT_EQ(bounds.right(), 13);
    EXPECT_EQ(bounds.height(), 4);
}

TEST(PainterDevicePens, FarAwayEndsStillDrawTheVisiblePart) {
    // Ends a billion pixels off the picture: the visible piece is drawn, for
    // every pen kind, without dashing the whole length first.
    for (const render::Pen pen : {render::Pen{PenStyle::Solid, 1, kBlack}, render::Pen{PenStyle::Dash, 1, kBlack},
                                  render::Pen{PenStyle::Dot, 5, kBlack}, render::Pen{PenStyle::Solid, 5, kBlack}}) {
        SCOPED_TRACE(testing::Message() << "style " << static_cast<int>(pen.style) << " width " << pen.width);
        Canvas canvas(64, 20);
        canvas.device().setPen(pen);
        canvas.device().line({-1000000000, 10}, {1000000000, 10});
        const PixelSet lit = canvas.lit();
        EXPECT_FALSE(lit.empty());
        for (auto [x, y] : lit) EXPECT_LE(std::abs(y - 10), 3);
    }
}

TEST(PainterDevicePens, WideSolidPenHasRoundEnds) {
    // Round caps stick out half the width beyond both ends.
    Canvas canvas(40, 20);
    canvas.device().setPen({PenStyle::Solid, 6, kBlack});
    canvas.device().line({10, 10}, {30, 10});
    const QRect bounds = boundsOf(canvas.lit());
    EXPECT_NEAR(bounds.left(), 7, 1);
    EXPECT_NEAR(bounds.right(), 32, 1);
}

// --- Clipping and pixels ----------------------------------------------------------

TEST(PainterDeviceClip, RectangleEllipseAndHoles) {
    struct Case {
        const char* name;
        render::ClipArea area;
        std::vector<std::pair<int, int>> inside;
        std::vector<std::pair<int, int>> outside;
    };
    const Case cases[] = {
        {"rect", clipArea({4, 4, 12, 12}), {{4, 4}, {11, 11}}, {{3, 4}, {12, 11}, {11, 12}}},
        {"ellipse", clipArea({0, 0, 20, 20}, true), {{10, 10}, {10, 1}, {1, 10}}, {{0, 0}, {19, 19}, {1, 18}}},
        {"rect hole",
         clipArea({0, 0, 20, 20}, false, DevRect{5, 5, 15, 15}),
         {{2, 2}, {4, 10}, {15, 10}},
         {{5, 10}, {10, 10}, {14, 14}}},
        {"ring", clipArea({0, 0, 20, 20}, true, DevRect{5, 5, 15, 15}, true), {{10, 2}, {3, 10}}, {{10, 10}, {0, 0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Canvas canvas(20, 20);
        canvas.device().setClip(c.area);
        canvas.device().fillRect({0, 0, 20, 20}, kRed);
        canvas.device().clearClip();
        canvas.device().fillRect({0, 19, 1, 20}, kBlack);  // no clip any more
        const QImage& image = canvas.image();
        for (auto [x, y] : c.inside) EXPECT_EQ(image.pixel(x, y), qRgb(255, 0, 0)) << x << "," << y;
        for (auto [x, y] : c.outside)
            EXPECT_EQ(image.pixel(x, y), x == 0 && y == 19 ? qRgb(0, 0, 0) : kWhite) << x << "," << y;
        EXPECT_EQ(image.pixel(0, 19), qRgb(0, 0, 0));
    }
}

TEST(PainterDevicePixels, ReadAndWriteOnImagesHonourTheClip) {
    Canvas canvas(10, 10);
    PainterDevice& device = canvas.device();
    ASSERT_TRUE(device.hasPixels());
    device.setPixel(3, 4, render::rgb(10, 20, 30));
    EXPECT_EQ(device.pixel(3, 4), render::rgb(10, 20, 30));
    EXPECT_EQ(device.pixel(0, 0), render::rgb(255, 255, 255));
    device.setClip(clipArea({5, 5, 10, 10}));
    device.setPixel(1, 1, kBlack);  // outside the clip: ignored
    device.setPixel(6, 6, kBlack);
    device.setPixel(-1, 50, kBlack);  // off the image: ignored
    EXPECT_EQ(device.pixel(1, 1), render::rgb(255, 255, 255));
    EXPECT_EQ(device.pixel(6, 6), kBlack);
    EXPECT_EQ(device.pixel(-1, 50), 0u);
    EXPECT_EQ(canvas.lit(), (PixelSet{{3, 4}, {6, 6}}));
}

TEST(PainterDevicePixels, VectorTargetsHaveNone) {
    QByteArray svg;
    QBuffer buffer(&svg);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(10, 10));
    QPainter painter(&generator);
    PainterDevice device(painter);
    EXPECT_FALSE(device.hasPixels());
    EXPECT_FALSE(device.isPrinter());
    PainterDevice printed(painter, true, 600, 300);
    EXPECT_TRUE(printed.isPrinter());
    EXPECT_EQ(printed.dpiX(), 600);
    EXPECT_EQ(printed.dpiY(), 300);
}

TEST(PainterDeviceImage, PictureIsScaledIntoItsDestination) {
    render::RasterImage picture{2, 2, {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFF000000u}};
    Canvas canvas(30, 30);
    canvas.device().image({10, 10, 30, 30}, picture);
    canvas.device().image({0, 0, 5, 5}, {3, 3, {0xFF000000u}});  // too few pixels: ignored
    const QImage& image = canvas.image();
    EXPECT_EQ(image.pixel(12, 12), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(27, 12), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(12, 27), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(27, 27), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(9, 9), kWhite);
    EXPECT_EQ(image.pixel(2, 2), kWhite);
}

// --- Text ---------------------------------------------------------------------------

QImage drawnText(const base::LogFont& font, std::string_view text, int x = 10, int y = 60) {
    Canvas canvas(200, 120);
    canvas.device().setFont(font);
    canvas.device().setTextColour(kBlack);
    canvas.device().text(x, y, text);
    return canvas.image().copy();
}

TEST(PainterDeviceText, ExtentAndMetricsMatchTheDrawnPixels) {
    Canvas canvas(200, 80);
    PainterDevice& device = canvas.device();
    device.setFont(makeFont(-20, "Arial"));
    device.setTextColour(kBlack);
    const render::TextExtent extent = device.textExtent("Ordinax Hg");
    const render::FontMetrics metrics = device.fontMetrics();
    EXPECT_EQ(extent.height, metrics.ascent + metrics.descent);
    device.text(10, 50, "Ordinax Hg");
    const QRect ink = boundsOf(canvas.lit());
    ASSERT_FALSE(ink.isEmpty());
    // Ink lies between the baseline's ascent and descent and within the advance.
    EXPECT_GE(ink.top(), 50 - metrics.ascent);
    EXPECT_LE(ink.bottom(), 50 + metrics.descent);
    EXPECT_GE(ink.left(), 10);
    EXPECT_LE(ink.right(), 10 + extent.width);
    EXPECT_GT(ink.width(), extent.width * 8 / 10);
    // Capitals reach about 0.72 em above the baseline (Liberation Sans cap height 1409/2048).
    EXPECT_NEAR(50 - ink.top(), 14.4, 1.5);
    // "g" descends below the baseline.
    EXPECT_GT(ink.bottom(), 50);
}

TEST(PainterDeviceText, AccentedWindows1252BytesAreDrawnAsTheirCharacters) {
    // "é" and "€" as Windows-1252 bytes against the same text drawn by Qt.
    const base::LogFont font = makeFont(-24, "Arial");
    const QImage ours = drawnText(font, "\xE9t\xE9 \x80");
    QImage expected(200, 120, QImage::Format_RGB32);
    expected.fill(Qt::white);
    {
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        painter.setFont(mapFont(font).font);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(10, 60), QString::fromUtf8("été €"));
    }
    EXPECT_EQ(ours, expected);
}

TEST(PainterDeviceText, SymbolFaceDrawsGreekAndWingdingsDrawsDingbats) {
    // The Symbol face turns 'q' into theta: the same picture as theta drawn
    // directly, and not the picture of a Latin q in a text face.
    const base::LogFont symbol = makeFont(-30, "Symbol");
    const QImage q = drawnText(symbol, "q");
    QImage theta(200, 120, QImage::Format_RGB32);
    QImage latin(200, 120, QImage::Format_RGB32);
    for (auto [picture, text] : {std::pair{&theta, QString::fromUtf8("θ")}, std::pair{&latin, QString("q")}}) {
        picture->fill(Qt::white);
        QPainter painter(picture);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        painter.setFont(mapFont(picture == &theta ? symbol : makeFont(-30, "Times New Roman")).font);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(10, 60), text);
    }
    EXPECT_EQ(q, theta);
    EXPECT_NE(q, latin);

    // Wingdings 'n' is a black square: its middle is solid ink.
    Canvas canvas(80, 80);
    canvas.device().setFont(makeFont(-40, "Wingdings"));
    canvas.device().setTextColour(kBlack);
    const int width = canvas.device().textExtent("n").width;
    canvas.device().text(20, 60, "n");
    const QRect ink = boundsOf(canvas.lit());
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GT(width, 15);
    EXPECT_EQ(canvas.image().pixel(ink.center()), qRgb(0, 0, 0));
    EXPECT_NEAR(ink.width(), ink.height(), 2);
}

TEST(PainterDeviceText, QuarterTurnReadsUpwardsFromTheReferencePoint) {
    const base::LogFont turned = makeFont(-16, "Arial", 900);
    Canvas canvas(100, 200);
    canvas.device().setFont(turned);
    canvas.device().setTextColour(kBlack);
    const render::TextExtent extent = canvas.device().textExtent("Ordinax Ordinax");
    const render::FontMetrics metrics = canvas.device().fontMetrics();
    canvas.device().text(50, 180, "Ordinax Ordinax");
    const QRect ink = boundsOf(canvas.lit());
    EXPECT_GT(ink.height(), 3 * ink.width());
    // The text runs up from y = 180; its tops face left, its descenders right.
    EXPECT_LE(ink.bottom(), 180);
    EXPECT_GE(ink.top(), 180 - extent.width);
    EXPECT_GE(ink.left(), 50 - metrics.ascent);
    EXPECT_LE(ink.right(), 50 + metrics.descent);
    // The measured extent stays unturned.
    EXPECT_GT(extent.width, extent.height);
}

}  // namespace
}  // namespace ordinax::qt
