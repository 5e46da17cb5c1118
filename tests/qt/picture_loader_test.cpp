// Picture files decoded and drawn by the Qt picture source: the raster
// formats written by QImageWriter (GIF, which Qt only reads, by hand), an EMF and a WMF built byte by byte,
// damaged and hostile files, the cache, and a seeded mutation loop over
// every format (the fuzzing of this path: it must never crash).
#include "qt/picture_loader.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "qt/metafile_svg.h"
#include "qt_test_support.h"
#include "render/picture_placement.h"
#include "render/recording_device.h"

namespace ordinax::qt {
namespace {

using namespace test;

// --- Byte builders --------------------------------------------------------------------

class Bytes {
public:
    Bytes& u16(unsigned v) {
        data_.append(static_cast<char>(v & 0xFF));
        data_.append(static_cast<char>((v >> 8) & 0xFF));
        return *this;
    }
    Bytes& u32(std::uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
    Bytes& i32(std::int32_t v) { return u32(static_cast<std::uint32_t>(v)); }
    Bytes& raw(const QByteArray& b) {
        data_.append(b);
        return *this;
    }
    qsizetype size() const { return data_.size(); }
    QByteArray& data() { return data_; }

private:
    QByteArray data_;
};

void putU32(QByteArray& b, qsizetype at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

constexpr std::uint32_t kRedRef = 0x000000FF;  // COLORREF 0x00BBGGRR

// An EMF of 100 × 50 device pixels filled by one red rectangle without outline:
//   EMR_HEADER (type 1, 88 bytes): bounds 0,0,99,49 (inclusive pixels), frame
//     0,0,2645,1322 in 0.01 mm (100 px at 96 dpi = 26.46 mm), " EMF" signature,
//     version 0x10000, total bytes, 5 records, 2 handles, no description or
//     palette, reference device 1024 × 768 px for 270 × 203 mm (≈ 96 dpi);
//   EMR_CREATEBRUSHINDIRECT (39, 24 bytes): handle 1, solid, red;
//   EMR_SELECTOBJECT (37, 12 bytes): handle 1, then the stock NULL_PEN 0x80000008;
//   EMR_RECTANGLE (43, 24 bytes): 0,0,100,50;
//   EMR_EOF (14, 20 bytes): no palette, offset 16, size 20.
QByteArray smallEmf() {
    Bytes b;
    b.u32(1).u32(88).i32(0).i32(0).i32(99).i32(49).i32(0).i32(0).i32(2645).i32(1322);
    b.u32(0x464D4520).u32(0x10000).u32(0).u32(6).u16(2).u16(0).u32(0).u32(0).u32(0);
    b.u32(1024).u32(768).u32(270).u32(203);
    b.u32(39).u32(24).u32(1).u32(0).u32(kRedRef).u32(0);
    b.u32(37).u32(12).u32(1);
    b.u32(37).u32(12).u32(0x80000008);
    b.u32(43).u32(24).i32(0).i32(0).i32(100).i32(50);
    b.u32(14).u32(20).u32(0).u32(16).u32(20);
    putU32(b.data(), 48, static_cast<std::uint32_t>(b.size()));  // nBytes
    return b.data();
}

// A placeable WMF of 100 × 50 units at 96 units per inch, filled by one red
// rectangle without outline:
//   placeable header (22 bytes): key 0x9AC6CDD7, handle 0, box 0,0,100,50, 96 per
//     inch, reserved 0, checksum = XOR of the ten preceding 16-bit words;
//   META header (9 words): type 1, header size 9, version 0x0300, total words,
//     2 objects, largest record, no parameters;
//   SETWINDOWORG (0x020B) 0,0; SETWINDOWEXT (0x020C) 50 high, 100 wide;
//   CREATEBRUSHINDIRECT (0x02FC): solid red → object 0; SELECTOBJECT 0;
//   CREATEPENINDIRECT (0x02FA): PS_NULL → object 1; SELECTOBJECT 1;
//   RECTANGLE (0x041B): bottom 50, right 100, top 0, left 0; EOF (0x0000).
QByteArray smallWmf() {
    Bytes records;
    records.u32(5).u16(0x020B).u16(0).u16(0);
    records.u32(5).u16(0x020C).u16(50).u16(100);
    records.u32(7).u16(0x02FC).u16(0).u32(kRedRef).u16(0);
    records.u32(4).u16(0x012D).u16(0);
    records.u32(8).u16(0x02FA).u16(5).u16(0).u16(0).u32(0);
    records.u32(4).u16(0x012D).u16(1);
    records.u32(7).u16(0x041B).u16(50).u16(100).u16(0).u16(0);
    records.u32(3).u16(0x0000);
    const auto totalWords = static_cast<std::uint32_t>((18 + records.size()) / 2);
    Bytes b;
    const std::array<unsigned, 10> placeable{0xCDD7, 0x9AC6, 0, 0, 0, 100, 50, 96, 0, 0};
    unsigned checksum = 0;
    for (unsigned word : placeable) {
        b.u16(word);
        checksum ^= word;
    }
    b.u16(checksum);
    b.u16(1).u16(9).u16(0x0300).u32(totalWords).u16(2).u32(8).u16(0);
    b.raw(records.data());
    return b.data();
}

// A 40 × 20 picture: left half red, right half blue.
QImage twoColourImage() {
    QImage image(40, 20, QImage::Format_RGB32);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) image.setPixel(x, y, x < 20 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
    return image;
}

// Qt reads GIF but cannot write it: the GIF of `image` (at most 4 colours,
// red, blue, green, white) is built by hand. GIF89a, 4-entry global colour
// table, one image; LZW with minimum code size 2 (clear 4, end 5) kept at
// 3-bit codes by a clear code before every pair of pixels, so the code table
// never grows to 8 entries; bits are packed from the low end, in sub-blocks
// of at most 255 bytes.
QByteArray gifOf(const QImage& image) {
    const std::array<QRgb, 4> palette{qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(0, 255, 0), qRgb(255, 255, 255)};
    QByteArray packed;
    std::uint32_t buffer = 0;
    int bits = 0;
    const auto putCode = [&](unsigned code) {
        buffer |= code << bits;
        bits += 3;
        while (bits >= 8) {
            packed.append(static_cast<char>(buffer & 0xFF));
            buffer >>= 8;
            bits -= 8;
        }
    };
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (count++ % 2 == 0) putCode(4);
            const auto it = std::find(palette.begin(), palette.end(), image.pixel(x, y) | 0xFF000000u);
            putCode(static_cast<unsigned>(it == palette.end() ? 3 : it - palette.begin()));
        }
    putCode(5);
    if (bits > 0) packed.append(static_cast<char>(buffer & 0xFF));
    QByteArray gif("GIF89a");
    const auto le16 = [&](int v) {
        gif.append(static_cast<char>(v & 0xFF));
        gif.append(static_cast<char>((v >> 8) & 0xFF));
    };
    le16(image.width());
    le16(image.height());
    gif.append("\x81\x00\x00", 3);  // global table of 2^(1+1) entries
    for (QRgb c : palette) {
        gif.append(static_cast<char>(qRed(c)));
        gif.append(static_cast<char>(qGreen(c)));
        gif.append(static_cast<char>(qBlue(c)));
    }
    gif.append(',');
    le16(0);
    le16(0);
    le16(image.width());
    le16(image.height());
    gif.append("\x00\x02", 2);  // no local table; LZW minimum code size 2
    for (qsizetype at = 0; at < packed.size(); at += 255) {
        const QByteArray block = packed.mid(at, 255);
        gif.append(static_cast<char>(block.size()));
        gif.append(block);
    }
    gif.append("\x00;", 2);
    return gif;
}

QByteArray encoded(const QImage& image, const char* format) {
    if (std::string(format) == "gif") return gifOf(image);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (std::string(format) == "jpg") writer.setQuality(95);
    EXPECT_TRUE(writer.write(image)) << format << ": " << writer.errorString().toStdString();
    return bytes;
}

bool near(QRgb pixel, QRgb expected, int tolerance) {
    return std::abs(qRed(pixel) - qRed(expected)) <= tolerance &&
           std::abs(qGreen(pixel) - qGreen(expected)) <= tolerance &&
           std::abs(qBlue(pixel) - qBlue(expected)) <= tolerance;
}

bool allWhite(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != kWhite) return false;
    return true;
}

class PictureLoading : public ::testing::Test {
protected:
    std::string write(const QString& name, const QByteArray& bytes) {
        QFile file(dir_.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return dir_.filePath(name).toStdString();
    }
    QTemporaryDir dir_;
    QtPictureSource source_;
};

// --- Raster formats ---------------------------------------------------------------------

TEST_F(PictureLoading, RasterFormatsDrawStretchedIntoTheArea) {
    // JPEG is lossy: colours are compared within a tolerance.
    const std::array<std::pair<const char*, int>, 5> formats{
        {{"png", 0}, {"jpg", 40}, {"gif", 0}, {"bmp", 0}, {"tiff", 0}}};
    for (const auto& [format, tolerance] : formats) {
        SCOPED_TRACE(format);
        const std::string path = write(QString("picture.") + format, encoded(twoColourImage(), format));
        const auto info = source_.info(path);
        ASSERT_TRUE(info.has_value());
        EXPECT_EQ(info->width, 40);
        EXPECT_EQ(info->height, 20);
        Canvas canvas(100, 60);
        // 40 × 20 stretched into 80 × 40 at (10, 10): red up to x = 50, blue after.
        ASSERT_TRUE(render::drawAreaPicture(canvas.device(), source_, path, {10, 10, 90, 50},
                                            render::PictureStretched));
        const QImage& image = canvas.image();
        EXPECT_TRUE(near(image.pixel(12, 12), qRgb(255, 0, 0), tolerance));
        EXPECT_TRUE(near(image.pixel(30, 48), qRgb(255, 0, 0), tolerance));
        EXPECT_TRUE(near(image.pixel(70, 30), qRgb(0, 0, 255), tolerance));
        EXPECT_TRUE(near(image.pixel(88, 48), qRgb(0, 0, 255), tolerance));
        // Nothing outside the area.
        EXPECT_EQ(image.pixel(9, 30), kWhite);
        EXPECT_EQ(image.pixel(90, 30), kWhite);
        EXPECT_EQ(image.pixel(50, 9), kWhite);
        EXPECT_EQ(image.pixel(50, 50), kWhite);
    }
}

TEST_F(PictureLoading, TiledPictureIsCutAtTheArea) {
    const std::string path = write("tile.png", encoded(twoColourImage(), "png"));
    Canvas canvas(120, 60);
    // Tiles of 40 × 20 from (0, 0) over 100 × 50: columns 0, 40, 80 (the last cut at 100).
    ASSERT_TRUE(render::drawAreaPicture(canvas.device(), source_, path, {0, 0, 100, 50}, render::PictureTiled));
    const QImage& image = canvas.image();
    for (int x : {5, 45, 85}) EXPECT_EQ(image.pixel(x, 45), qRgb(255, 0, 0)) << x;
    for (int x : {25, 65}) EXPECT_EQ(image.pixel(x, 45), qRgb(0, 0, 255)) << x;
    EXPECT_EQ(image.pixel(99, 10), qRgb(255, 0, 0));  // the third tile's red half, cut
    EXPECT_EQ(image.pixel(100, 10), kWhite);
    EXPECT_EQ(image.pixel(10, 50), kWhite);
}

TEST_F(PictureLoading, RepaintsUseTheCacheUntilTheFileChanges) {
    const std::string path = write("cached.png", encoded(twoColourImage(), "png"));
    Canvas canvas(50, 50);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(render::drawAreaPicture(canvas.device(), source_, path, {0, 0, 50, 50}, render::PictureStretched));
    EXPECT_EQ(source_.decodeCount(), 1);
    // Another picture of another size under the same name is decoded again.
    write("cached.png", encoded(QImage(7, 3, QImage::Format_RGB32), "png"));
    const auto info = source_.info(path);
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->width, 7);
    EXPECT_EQ(source_.decodeCount(), 2);
}

// --- Vector formats ---------------------------------------------------------------------

TEST_F(PictureLoading, MetafilesDecodeAsVectorPictures) {
    const std::array<std::pair<const char*, QByteArray>, 2> files{{{"emf", smallEmf()}, {"wmf", smallWmf()}}};
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        const auto decoded = decodePicture(bytes);
        ASSERT_NE(decoded, nullptr);
        EXPECT_TRUE(decoded->isVector());
        // 100 × 50 at 96 dpi, within a pixel of rounding of the converters.
        EXPECT_NEAR(decoded->info().width, 100, 1);
        EXPECT_NEAR(decoded->info().height, 50, 1);
        const std::string path = write(QString("picture.") + name, bytes);
        Canvas canvas(240, 120);
        // Drawn at 2× into (20, 10)-(220, 110): the red rectangle fills it.
        ASSERT_TRUE(render::drawAreaPicture(canvas.device(), source_, path, {20, 10, 220, 110},
                                            render::PictureStretched));
        const QImage& image = canvas.image();
        for (const auto& [x, y] : std::array<std::pair<int, int>, 5>{{{120, 60}, {25, 15}, {215, 15}, {25, 105}, {215, 105}}})
            EXPECT_TRUE(near(image.pixel(x, y), qRgb(255, 0, 0), 8)) << x << "," << y;
        EXPECT_EQ(image.pixel(10, 60), kWhite);
        EXPECT_EQ(image.pixel(230, 60), kWhite);
        EXPECT_EQ(image.pixel(120, 5), kWhite);
        EXPECT_EQ(image.pixel(120, 115), kWhite);
    }
}

TEST(MetafileStructure, RecordsMustStayInsideTheFile) {
    EXPECT_TRUE(emfStructureValid(smallEmf()));
    EXPECT_TRUE(wmfStructureValid(smallWmf()));
    QByteArray emf = smallEmf();
    putU32(emf, 88 + 4, 0x7FFFFFF0);  // the brush record claims 2 GB
    EXPECT_FALSE(emfStructureValid(emf));
    QByteArray wmf = smallWmf();
    putU32(wmf, 22 + 18, 0x40000000);  // the first record claims 2 GB
    EXPECT_FALSE(wmfStructureValid(wmf));
    // A description of 1000 UTF-16 characters at offset 80 would run far past
    // the 88-byte header (the converter once read it out of bounds).
    emf = smallEmf();
    putU32(emf, 64, 1000);
    putU32(emf, 68, 80);
    EXPECT_FALSE(emfStructureValid(emf));
    // Without their end-of-file record.
    EXPECT_FALSE(emfStructureValid(smallEmf().chopped(20)));
    EXPECT_FALSE(wmfStructureValid(smallWmf().chopped(6)));
}

// --- Damaged and hostile files ---------------------------------------------------------------

// CRC-32 of PNG chunks (polynomial 0xEDB88320), computed bit by bit.
std::uint32_t crc32(const QByteArray& bytes) {
    std::uint32_t crc = 0xFFFFFFFF;
    for (char c : bytes) {
        crc ^= static_cast<unsigned char>(c);
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return crc ^ 0xFFFFFFFF;
}

// A PNG whose header announces 100000 × 100000 pixels (40 GB), with a correct CRC.
QByteArray hugePng() {
    QByteArray ihdr("IHDR");
    auto be32 = [](QByteArray& b, std::uint32_t v) {
        for (int s = 24; s >= 0; s -= 8) b.append(static_cast<char>((v >> s) & 0xFF));
    };
    be32(ihdr, 100000);
    be32(ihdr, 100000);
    ihdr.append("\x08\x06\x00\x00\x00", 5);
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    be32(png, 13);
    png.append(ihdr);
    be32(png, crc32(ihdr));
    return png;
}

// A BMP header announcing 60000 × 60000 pixels of 32 bits and no pixel data.
QByteArray hugeBmp() {
    Bytes b;
    b.u16(0x4D42).u32(54).u32(0).u32(54);
    b.u32(40).i32(60000).i32(60000).u16(1).u16(32).u32(0).u32(0).u32(2835).u32(2835).u32(0).u32(0);
    return b.data();
}

// A GIF whose screen and image are 65535 × 65535 pixels, with no image data.
QByteArray hugeGif() {
    Bytes b;
    b.raw("GIF89a").u16(65535).u16(65535).raw(QByteArray("\x00\x00\x00", 3));
    b.raw(QByteArray(",", 1)).u16(0).u16(0).u16(65535).u16(65535).raw(QByteArray("\x00\x08", 2));
    return b.data();
}

QByteArray randomBytes(std::size_t count, unsigned seed) {
    std::mt19937 random(seed);
    QByteArray bytes;
    for (std::size_t i = 0; i < count; ++i) bytes.append(static_cast<char>(random() & 0xFF));
    return bytes;
}

TEST_F(PictureLoading, DamagedFilesLeaveTheAreaWhite) {
    const QByteArray jpeg = encoded(twoColourImage(), "jpg");
    const QByteArray gif = encoded(twoColourImage(), "gif");
    const std::vector<std::pair<QString, QByteArray>> damaged{
        {"truncated.jpg", jpeg.left(jpeg.size() / 3)},
        {"truncated.gif", gif.left(20)},
        {"truncated.emf", smallEmf().left(100)},
        {"truncated.wmf", smallWmf().left(50)},
        {"random.png", randomBytes(500, 1)},
        {"random.emf", QByteArray("\x01\x00\x00\x00", 4) + randomBytes(36, 2) + QByteArray(" EMF") + randomBytes(200, 3)},
        {"random.wmf", QByteArray("\xD7\xCD\xC6\x9A", 4) + randomBytes(300, 4)},
        {"huge.png", hugePng()},
        {"huge.bmp", hugeBmp()},
        {"huge.gif", hugeGif()},
        {"empty.png", QByteArray()},
    };
    for (const auto& [name, bytes] : damaged) {
        SCOPED_TRACE(name.toStdString());
        const std::string path = write(name, bytes);
        EXPECT_FALSE(source_.info(path).has_value());
        Canvas canvas(40, 40);
        EXPECT_FALSE(render::drawAreaPicture(canvas.device(), source_, path, {0, 0, 40, 40}, render::PictureTiled));
        EXPECT_FALSE(source_.draw(canvas.device(), path, {0, 0, 40, 40}, {0, 0, 40, 40}));
        EXPECT_TRUE(allWhite(canvas.image()));
    }
    Canvas canvas(40, 40);
    EXPECT_FALSE(render::drawAreaPicture(canvas.device(), source_, dir_.filePath("missing.png").toStdString(),
                                         {0, 0, 40, 40}, render::PictureStretched));
    EXPECT_FALSE(render::drawAreaPicture(canvas.device(), source_, dir_.path().toStdString(), {0, 0, 40, 40},
                                         render::PictureStretched));
    EXPECT_TRUE(allWhite(canvas.image()));
}

TEST_F(PictureLoading, OnlyPainterDevicesAreDrawnOn) {
    const std::string path = write("picture.png", encoded(twoColourImage(), "png"));
    render::RecordingDevice recording;
    EXPECT_FALSE(source_.draw(recording, path, {0, 0, 10, 10}, {0, 0, 10, 10}));
    EXPECT_TRUE(recording.ops().empty());
}

// --- Mutation loop -----------------------------------------------------------------------------

// One corrupted variant: a few bytes changed, a 32-bit field set to an
// extreme value, a cut, or bytes inserted, as the seeded generator chooses.
QByteArray mutated(const QByteArray& original, std::mt19937& random) {
    QByteArray bytes = original;
    const auto pick = [&](qsizetype n) { return static_cast<qsizetype>(random() % static_cast<std::uint32_t>(n)); };
    switch (random() % 4) {
        case 0: {
            const int count = 1 + static_cast<int>(random() % 8);
            for (int i = 0; i < count; ++i) bytes[pick(bytes.size())] = static_cast<char>(random() & 0xFF);
            break;
        }
        case 1: {
            if (bytes.size() < 4) break;
            static constexpr std::array<std::uint32_t, 6> extremes{0, 1, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0xFFFF};
            putU32(bytes, pick(bytes.size() - 3), extremes[random() % extremes.size()]);
            break;
        }
        case 2: bytes.truncate(pick(bytes.size())); break;
        default: {
            QByteArray extra;
            const int count = 1 + static_cast<int>(random() % 16);
            for (int i = 0; i < count; ++i) extra.append(static_cast<char>(random() & 0xFF));
            bytes.insert(pick(bytes.size()), extra);
        }
    }
    return bytes;
}

TEST(PictureMutations, CorruptedVariantsNeverCrash) {
    const QImage image = twoColourImage();
    const std::vector<std::pair<const char*, QByteArray>> originals{
        {"png", encoded(image, "png")}, {"jpg", encoded(image, "jpg")}, {"gif", encoded(image, "gif")},
        {"bmp", encoded(image, "bmp")}, {"tiff", encoded(image, "tiff")}, {"emf", smallEmf()},
        {"wmf", smallWmf()},
    };
    constexpr int kVariants = 3000;
    // The decoders complain about every damaged variant; thousands of warnings say nothing here.
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    for (const auto& [name, original] : originals) {
        SCOPED_TRACE(name);
        std::mt19937 random(20261210u + static_cast<unsigned>(original.size()));
        int decoded = 0;
        for (int i = 0; i < kVariants; ++i) {
            const QByteArray bytes = mutated(original, random);
            const auto picture = decodePicture(bytes);
            if (!picture) continue;
            ++decoded;
            // Whatever decodes is drawn too: the drawing path sees the damage as well.
            QImage target(32, 32, QImage::Format_RGB32);
            target.fill(Qt::white);
            QPainter painter(&target);
            picture->draw(painter, QRectF(0, 0, 32, 32));
        }
        // Most variants of a sound file still decode or are refused; the loop only
        // proves that neither crashes, and that some variants reach the drawing.
        RecordProperty(std::string("decoded_") + name, decoded);
    }
    qInstallMessageHandler(previous);
}

// --- Declared sizes and the converter's memory ---------------------------------------

// smallEmf() with an EMR_STRETCHDIBITS record (type 81) before its end: the
// fixed fields (80 bytes: bounds, destination and source, then the offsets
// and sizes of the bitmap header and pixels at 48..64, usage, raster
// operation, destination size), a BITMAPINFOHEADER of `width` x `height` at
// 24 bits per pixel, and `bits` bytes of pixels.
QByteArray emfWithBitmap(std::int32_t width, std::int32_t height, std::uint32_t bits, std::uint32_t declaredBits) {
    Bytes record;
    const std::uint32_t size = 80 + 40 + bits;
    record.u32(81).u32(size).i32(0).i32(0).i32(9).i32(9);
    record.i32(0).i32(0).i32(0).i32(0).i32(width).i32(height);
    record.u32(80).u32(40).u32(120).u32(declaredBits).u32(0).u32(0x00CC0020).i32(10).i32(10);
    record.u32(40).i32(width).i32(height).u16(1).u16(24).u32(0).u32(bits).u32(0).u32(0).u32(0).u32(0);
    record.raw(QByteArray(static_cast<qsizetype>(bits), '\x40'));
    QByteArray emf = smallEmf();
    emf.insert(emf.size() - 20, record.data());
    putU32(emf, 48, static_cast<std::uint32_t>(emf.size()));
    return emf;
}

TEST(MetafileBitmaps, DeclaredSizesMustFitTheLimitAndTheRecord) {
    const struct {
        const char* what;
        QByteArray emf;
        bool valid;
    } cases[] = {
        {"2 x 2 pixels, rows of 8 bytes", emfWithBitmap(2, 2, 16, 16), true},
        {"bottom-up rows (negative height)", emfWithBitmap(2, -2, 16, 16), true},
        {"100000 x 100000 pixels", emfWithBitmap(100000, 100000, 16, 16), false},
        {"30000 x 3000 pixels, past the limit", emfWithBitmap(30000, 3000, 16, 16), false},
        {"rows missing from the pixels", emfWithBitmap(2, 2, 8, 8), false},
        {"pixels said to reach past the record", emfWithBitmap(2, 2, 16, 4096), false},
    };
    for (const auto& c : cases) EXPECT_EQ(emfStructureValid(c.emf), c.valid) << c.what;
}

TEST(MetafileBitmaps, ForgedLargestRecordIsRefusedAndAShortOneMended) {
    // The largest record of the header sizes the converter's record buffer:
    // 0x66666666 words asked it for 3.4 GB.
    QByteArray forged = smallWmf();
    putU32(forged, 22 + 12, 0x66666666);
    EXPECT_FALSE(wmfStructureValid(forged));
    EXPECT_FALSE(wmfToSvg(forged));
    EXPECT_EQ(decodePicture(forged), nullptr);

    QByteArray understated = smallWmf();
    putU32(understated, 22 + 12, 3);
    const QByteArray mended = wmfWithTrueHeader(understated);
    ASSERT_FALSE(mended.isEmpty());
    EXPECT_EQ(mended, smallWmf());  // the builder writes the true counts
    EXPECT_NE(decodePicture(understated), nullptr);
}

TEST(MetafileBitmaps, WmfBitmapPastTheLimitIsRefused) {
    // A STRETCHDIB (0x0F43) record: raster operation, usage, source and
    // destination rectangles (28 bytes with the record head), then the bitmap.
    auto withStretchDib = [](std::int32_t width, std::int32_t height) {
        Bytes dib;
        dib.u32(40).i32(width).i32(height).u16(1).u16(24).u32(0).u32(16).u32(0).u32(0).u32(0).u32(0);
        dib.raw(QByteArray(16, '\x20'));
        Bytes record;
        const auto words = static_cast<std::uint32_t>((28 + dib.size()) / 2);
        record.u32(words).u16(0x0F43).u32(0x00CC0020).u16(0);
        record.u16(2).u16(2).u16(0).u16(0).u16(10).u16(10).u16(0).u16(0);
        record.raw(dib.data());
        QByteArray wmf = smallWmf();
        wmf.insert(wmf.size() - 6, record.data());
        putU32(wmf, 22 + 6, static_cast<std::uint32_t>((wmf.size() - 22) / 2));
        putU32(wmf, 22 + 12, words);
        return wmf;
    };
    EXPECT_TRUE(wmfStructureValid(withStretchDib(2, 2)));
    EXPECT_FALSE(wmfStructureValid(withStretchDib(100000, 100000)));
}

TEST(MetafileBudget, BlocksPastTheLimitsAreRefusedAndTheCountFollows) {
    MetafileBudget budget;
    EXPECT_EQ(MetafileBudget::allocate(&budget, kMaxWmfAllocation + 1), nullptr);
    EXPECT_EQ(budget.refused(), 1u);
    EXPECT_EQ(budget.inUse(), 0u);

    auto* block = static_cast<char*>(MetafileBudget::allocate(&budget, 1000));
    ASSERT_NE(block, nullptr);
    std::memset(block, 'a', 1000);
    block = static_cast<char*>(MetafileBudget::reallocate(&budget, block, 5000));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block[999], 'a');
    EXPECT_EQ(budget.inUse(), 5000u);
    // A growth refused leaves the block as it was, as realloc does.
    EXPECT_EQ(MetafileBudget::reallocate(&budget, block, kMaxWmfAllocation + 1), nullptr);
    EXPECT_EQ(budget.inUse(), 5000u);
    EXPECT_EQ(block[0], 'a');
    MetafileBudget::release(&budget, block);
    EXPECT_EQ(budget.inUse(), 0u);

    // The sum of the blocks held is capped too (untouched blocks cost no memory).
    void* first = MetafileBudget::allocate(&budget, kMaxWmfAllocation);
    void* second = MetafileBudget::allocate(&budget, kMaxWmfAllocation);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(MetafileBudget::allocate(&budget, 1), nullptr);
    MetafileBudget::release(&budget, first);
    MetafileBudget::release(&budget, second);
    EXPECT_EQ(budget.inUse(), 0u);
}

}  // namespace
}  // namespace ordinax::qt
