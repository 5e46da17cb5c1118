// The PNG encoder, checked by decoding its files with Qt's reader (libpng):
// every pixel must come back for each kind of row (palettes of 1 to 8 bits,
// widths that do not fill the last byte, RGB rows with their filters).
#include "qt/png_encoder.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <cstring>
#include <string>
#include <vector>

namespace ordinax::qt {
// Named: the tests of this folder share a unity build.
namespace png_encoding {

std::vector<std::uint8_t> encode(const QImage& image, int level = -1, int dotsPerMetre = 0) {
    std::vector<std::uint8_t> bytes;
    PngPixels pixels;
    pixels.pixels = reinterpret_cast<const std::uint32_t*>(image.constBits());
    pixels.width = image.width();
    pixels.height = image.height();
    pixels.stride = static_cast<std::size_t>(image.bytesPerLine()) / 4;
    pixels.dotsPerMetre = dotsPerMetre;
    const bool ok = encodePng(pixels, level, [&bytes](const std::uint8_t* data, std::size_t size) {
        bytes.insert(bytes.end(), data, data + size);
        return true;
    });
    EXPECT_TRUE(ok);
    return bytes;
}

QImage decode(const std::vector<std::uint8_t>& bytes) {
    QByteArray data(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    QImageReader reader(&buffer, "png");
    return reader.read();
}

// A picture of `colours` colours: diagonal bands, so that every colour
// appears and neighbouring rows differ.
QImage bands(int width, int height, int colours) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int k = (x + 3 * y) % colours;
            image.setPixel(x, y, qRgb(k * 37 % 256, k * 91 % 256, (k * 13 + k / 256 * 7) % 256));
        }
    return image;
}

void expectSamePixels(const QImage& expected, const QImage& actual) {
    ASSERT_FALSE(actual.isNull());
    ASSERT_EQ(actual.size(), expected.size());
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            ASSERT_EQ(actual.pixel(x, y), expected.pixel(x, y)) << "pixel " << x << "," << y;
}

struct Case {
    int width;
    int height;
    int colours;  // distinct colours of the picture
    int depth;    // bits per pixel expected in IHDR
    int type;     // colour type expected in IHDR (3 palette, 2 RGB)
};

TEST(PngEncoder, EveryPixelReadsBack) {
    // Bit depths from the PNG rules: 2 colours fit 1 bit, 4 in 2, 16 in 4, 256 in 8.
    const Case cases[] = {
        {1, 1, 1, 1, 3},     {7, 3, 2, 1, 3},       {9, 5, 3, 2, 3},     {5, 4, 4, 2, 3},
        {13, 7, 16, 4, 3},   {17, 9, 17, 8, 3},    {260, 2, 256, 8, 3}, {300, 4, 257, 8, 2},
        {3, 200, 300, 8, 2}, {801, 61, 5000, 8, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << ", " << c.colours << " colours");
        const QImage image = bands(c.width, c.height, c.colours);
        const std::vector<std::uint8_t> bytes = encode(image);
        ASSERT_GT(bytes.size(), 33u);
        EXPECT_EQ(bytes[24], c.depth);
        EXPECT_EQ(bytes[25], c.type);
        expectSamePixels(image, decode(bytes));
    }
}

TEST(PngEncoder, LevelsAndResolution) {
    const QImage image = bands(120, 80, 300);
    for (int level : {-3, 0, 1, 9, 42}) {
        SCOPED_TRACE(level);
        expectSamePixels(image, decode(encode(image, level)));
    }
    // 150 dpi = 5906 pixels per metre, kept in pHYs.
    const QImage read = decode(encode(image, 1, 5906));
    EXPECT_EQ(read.dotsPerMeterX(), 5906);
    EXPECT_EQ(read.dotsPerMeterY(), 5906);
}

TEST(PngEncoder, FlatPictureIsSmallAndAStrideIsHonoured) {
    // A white page with a frame and one line: a palette of 2 colours at 1 bit.
    QImage page(1600, 1200, QImage::Format_RGB32);
    page.fill(Qt::white);
    for (int x = 0; x < 1600; ++x) page.setPixel(x, 600, qRgb(0, 0, 0));
    const std::vector<std::uint8_t> bytes = encode(page);
    EXPECT_LT(bytes.size(), 4000u);  // 240 000 bytes of rows, nearly all equal
    expectSamePixels(page, decode(bytes));

    // The left half of a wider picture, read through its stride.
    const QImage wide = bands(50, 10, 40);
    PngPixels half{reinterpret_cast<const std::uint32_t*>(wide.constBits()), 25, 10,
                   static_cast<std::size_t>(wide.bytesPerLine()) / 4, 0};
    std::vector<std::uint8_t> out;
    ASSERT_TRUE(encodePng(half, 6, [&out](const std::uint8_t* d, std::size_t n) {
        out.insert(out.end(), d, d + n);
        return true;
    }));
    expectSamePixels(wide.copy(0, 0, 25, 10), decode(out));
}

TEST(PngEncoder, RefusesBadSizesAndStopsWhenTheSinkFails) {
    const QImage image = bands(10, 10, 5);
    PngPixels pixels{reinterpret_cast<const std::uint32_t*>(image.constBits()), 10, 10, 10, 0};
    const PngSink keep = [](const std::uint8_t*, std::size_t) { return true; };
    PngPixels none = pixels;
    none.width = 0;
    EXPECT_FALSE(encodePng(none, 6, keep));
    PngPixels narrow = pixels;
    narrow.stride = 9;
    EXPECT_FALSE(encodePng(narrow, 6, keep));
    int calls = 0;
    EXPECT_FALSE(encodePng(pixels, 6, [&calls](const std::uint8_t*, std::size_t) { return ++calls < 5; }));
    EXPECT_EQ(calls, 5);
}

}  // namespace png_encoding
}  // namespace ordinax::qt
