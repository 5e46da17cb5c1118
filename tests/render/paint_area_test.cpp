// Gradient colours and fills, hard and soft shadows, and whole painted areas,
// on the recording device and on a small in-memory raster. Reference values
// are worked by hand (or with a pocket calculator) from the gradient and
// shadow rules; the provenance is noted beside each table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "render/gradient.h"
#include "render/paint_area.h"
#include "render/recording_device.h"
#include "render/shadows.h"

namespace ordinax::render {
namespace {

// A recording device that also keeps the pictures it is given.
class PictureDevice : public RecordingDevice {
public:
    void image(const DevRect& destination, const RasterImage& picture) override {
        RecordingDevice::image(destination, picture);
        pictures.push_back(picture);
    }
    std::vector<RasterImage> pictures;
};

// A white raster with pixel access; drawing operations are only recorded.
class RasterDevice : public RecordingDevice {
public:
    RasterDevice(int width, int height, Colour background)
        : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), background) {}
    bool hasPixels() const override { return true; }
    Colour pixel(int x, int y) const override { return inside(x, y) ? pixels_[index(x, y)] : 0; }
    void setPixel(int x, int y, Colour colour) override {
        if (inside(x, y)) pixels_[index(x, y)] = colour;
    }

private:
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y * width_ + x); }
    int width_;
    int height_;
    std::vector<Colour> pixels_;
};

std::vector<RecordedOp> shapes(const RecordingDevice& device) {
    std::vector<RecordedOp> ops;
    for (const RecordedOp& op : device.ops())
        if (op.kind == OpKind::Polyline || op.kind == OpKind::Polygon) ops.push_back(op);
    return ops;
}

// The colour an operation was drawn in: the pen of lines and outlines, the
// brush of filled shapes.
Colour colourOf(const RecordedOp& op) { return op.brush.hollow || op.kind == OpKind::Polyline ? op.pen.colour : op.brush.colour; }

// ---------------------------------------------------------------- colourAt

TEST(ColourAt, ProfilesAndSymmetricForm) {
    struct Case {
        int start, end, position, c1, c2, profile;
        bool symmetric;
        int expected;
    };
    // By hand: linear c1 + (c2 - c1) d / L; sine uses sin(d π/2 / L); cosine
    // 1 - sin((1 - d/L) π/2); symmetric splits at (start + end) / 2.
    const Case cases[] = {
        {0, 10, 0, 0, 200, 0, false, 0},
        {0, 10, 3, 0, 200, 0, false, 60},
        {0, 10, 10, 0, 200, 0, false, 200},
        {0, 10, 4, 255, 0, 0, false, 153},      // falling channel: 255 - 102
        {0, 10, 5, 0, 200, 1, false, 141},      // 200 sin(π/4) = 141.42
        {0, 10, 2, 0, 200, 1, false, 62},       // 200 sin(0.1 π) = 61.80
        {0, 10, 5, 0, 200, 2, false, 59},       // 200 (1 - 0.70711) = 58.58
        {0, 10, 2, 0, 200, 2, false, 10},       // 200 (1 - sin(0.4 π)) = 9.79
        {20, 30, 25, 0, 200, 0, false, 100},    // offsets do not matter
        {4, 4, 4, 10, 90, 0, false, 90},        // start = end gives channel 2
        {4, 4, 4, 10, 90, 1, true, 90},
        {0, 10, 0, 0, 200, 0, true, 0},
        {0, 10, 2, 0, 200, 0, true, 80},
        {0, 10, 5, 0, 200, 0, true, 200},
        {0, 10, 7, 0, 200, 0, true, 120},       // second half 200 → 0 over 5..10
        {0, 10, 10, 0, 200, 0, true, 0},
        {0, 9, 4, 0, 200, 0, true, 178},        // middle 4.5: 200 × 4/4.5 = 177.8
        {0, 9, 5, 0, 200, 0, true, 178},        // mirror image of position 4
        {0, 10, 2, 0, 200, 1, true, 118},       // 200 sin(0.4 × π/2) = 117.56
    };
    for (const Case& c : cases)
        EXPECT_EQ(colourAt(c.start, c.end, c.position, c.c1, c.c2, c.profile, c.symmetric), c.expected)
            << c.start << ".." << c.end << " at " << c.position << " profile " << c.profile << " sym " << c.symmetric;
}

TEST(ColourAt, DecodesGradientValues) {
    struct Case {
        int value;
        DecodedGradient expected;
    };
    // value = kind + 100 × profile; a negative value exchanges the colours;
    // kinds above 19 and profiles above 2 are plain fills.
    const Case cases[] = {{0, {0, 0, false}},   {5, {5, 0, false}},    {102, {2, 1, false}}, {219, {19, 2, false}},
                          {20, {0, 0, false}},  {199, {0, 1, false}},  {300, {0, 0, false}}, {-102, {2, 1, true}},
                          {-3, {3, 0, true}},   {-2147483647 - 1, {0, 0, true}}};
    for (const Case& c : cases) {
        const DecodedGradient decoded = decodeGradient(c.value);
        EXPECT_EQ(decoded.kind, c.expected.kind) << c.value;
        EXPECT_EQ(decoded.profile, c.expected.profile) << c.value;
        EXPECT_EQ(decoded.inverted, c.expected.inverted) << c.value;
    }
}

// ---------------------------------------------------------------- gradient kinds

class GradientFill : public ::testing::Test {
protected:
    // 10 × 5 pixels; channel values chosen so the middle steps are whole numbers.
    const DevRect rect{10, 20, 20, 25};
    const Colour c1 = rgb(0, 0, 0);
    const Colour c2 = rgb(90, 180, 45);

    std::vector<RecordedOp> fill(int gradient) {
        RecordingDevice device;
        gradientFill(device, rect, c1, c2, gradient);
        return shapes(device);
    }
};

TEST_F(GradientFill, StraightLinesFirstMiddleLast) {
    struct Case {
        int gradient;
        std::size_t lines;
        std::size_t middle;
        Colour first, mid, last;
    };
    // By hand: kind 1 colours x over 10..19 (middle x = 14: 4/9 of the way),
    // kind 2 y over 20..24 (middle y = 22: half way, 22.5 rounds up), kind
    // 102 the same with sin(π/4) = 0.70711; kind 5 is symmetric about 14.5
    // (x = 14: 4/4.5 of the way to colour 2), kind 6 about y = 22.
    const Case cases[] = {
        {1, 10, 4, c1, rgb(40, 80, 20), c2},
        {2, 5, 2, c1, rgb(45, 90, 23), c2},
        {102, 5, 2, c1, rgb(64, 127, 32), c2},
        {202, 5, 2, c1, rgb(26, 53, 13), c2},  // 1 - 0.70711 = 0.29289
        {5, 10, 4, c1, rgb(80, 160, 40), c1},
        {6, 5, 2, c1, c2, c1},
        {-1, 10, 5, c2, rgb(40, 80, 20), c1},  // exchanged: x = 15 is 5/9 of the way from colour 2
    };
    for (const Case& c : cases) {
        const auto ops = fill(c.gradient);
        ASSERT_EQ(ops.size(), c.lines) << c.gradient;
        EXPECT_EQ(colourOf(ops.front()), c.first) << c.gradient;
        EXPECT_EQ(colourOf(ops[c.middle]), c.mid) << c.gradient;
        EXPECT_EQ(colourOf(ops.back()), c.last) << c.gradient;
    }
}

TEST_F(GradientFill, VerticalLinesCoverTheColumns) {
    const auto ops = fill(1);
    for (std::size_t i = 0; i < ops.size(); ++i) {
        const int x = 10 + static_cast<int>(i);
        EXPECT_EQ(ops[i].points, (std::vector<DevPoint>{{x, 20}, {x, 24}}));
        EXPECT_EQ(ops[i].pen.width, 1);
    }
}

TEST_F(GradientFill, SlantedLinesAreCutToTheRectangle) {
    // By hand: e = round((50/√125 + 5) × 5/√125) = round(4.236) = 4, so x
    // runs 6 .. 23 (18 lines); x = 14 is 8/17 of the way: (42.4, 84.7, 21.2).
    for (int kind : {3, 4}) {
        const auto ops = fill(kind);
        ASSERT_EQ(ops.size(), 18u) << kind;
        EXPECT_EQ(colourOf(ops.front()), c1);
        EXPECT_EQ(colourOf(ops[8]), rgb(42, 85, 21));
        EXPECT_EQ(colourOf(ops.back()), c2);
        for (const RecordedOp& op : ops)
            for (DevPoint p : op.points) EXPECT_TRUE(rect.contains(p)) << kind << " " << p.x << "," << p.y;
        // The line of x = 14 leans from (18, 20) to (10, 24) for kind 3, the other way for kind 4.
        const std::vector<DevPoint> expected =
            kind == 3 ? std::vector<DevPoint>{{18, 20}, {10, 24}} : std::vector<DevPoint>{{10, 20}, {18, 24}};
        EXPECT_EQ(ops[8].points, expected);
        // The first line only touches the corner the gradient starts from.
        EXPECT_EQ(ops.front().points.front(), (kind == 3 ? DevPoint{10, 20} : DevPoint{10, 24}));
    }
    // Kind 7 is kind 3 symmetric: both ends in colour 1.
    const auto symmetric = fill(7);
    ASSERT_EQ(symmetric.size(), 18u);
    EXPECT_EQ(colourOf(symmetric.back()), c1);
}

TEST_F(GradientFill, ConcentricRectangles) {
    // By hand: (5 + 1) / 2 = 3 outlines, colour 1, half way, colour 2.
    const auto ops = fill(9);
    ASSERT_EQ(ops.size(), 3u);
    EXPECT_EQ(colourOf(ops[0]), c1);
    EXPECT_EQ(colourOf(ops[1]), rgb(45, 90, 23));
    EXPECT_EQ(colourOf(ops[2]), c2);
    EXPECT_TRUE(ops[0].brush.hollow);
    EXPECT_EQ(ops[1].points, (std::vector<DevPoint>{{11, 21}, {18, 21}, {18, 23}, {11, 23}}));
}

TEST_F(GradientFill, RadialKindsStayInsideAndEndAtTheirColours) {
    // Centre kind: semi-axes 5√2 and 2.5√2, so ceil(7.07) = 8 steps; the
    // whole rectangle first in colour 1, the innermost ellipse in colour 2.
    // Symmetric kinds end in colour 1 again; step 3 of 0..7 is 3/3.5 of the
    // way: 90 × 0.857 = 77.1.
    for (int kind = 10; kind <= 19; ++kind) {
        const auto ops = fill(kind);
        ASSERT_GE(ops.size(), 2u) << kind;
        EXPECT_EQ(ops.front().points,
                  (std::vector<DevPoint>{{10, 20}, {19, 20}, {19, 24}, {10, 24}}))
            << kind;
        EXPECT_EQ(colourOf(ops.front()), c1) << kind;
        EXPECT_EQ(colourOf(ops.back()), kind < 15 ? c2 : c1) << kind;
        for (const RecordedOp& op : ops)
            for (DevPoint p : op.points) {
                EXPECT_GE(p.x, 10) << kind;
                EXPECT_LE(p.x, 20) << kind;
                EXPECT_GE(p.y, 20) << kind;
                EXPECT_LE(p.y, 25) << kind;
            }
    }
    EXPECT_EQ(fill(10).size(), 8u);
    EXPECT_EQ(colourOf(fill(15)[3]), rgb(77, 154, 39));
}

TEST_F(GradientFill, RadialKindsShrinkTowardsTheirAnchor) {
    // The innermost ellipse of each kind lies next to its anchor point.
    struct Case {
        int kind;
        double ax, ay;
    };
    const Case cases[] = {{10, 15, 22.5}, {11, 10, 20}, {12, 20, 20}, {13, 10, 25}, {14, 20, 25}};
    for (const Case& c : cases) {
        const auto ops = fill(c.kind);
        for (DevPoint p : ops.back().points) {
            EXPECT_LE(std::abs(p.x - c.ax), 2.5) << c.kind;
            EXPECT_LE(std::abs(p.y - c.ay), 2.5) << c.kind;
        }
    }
}

TEST_F(GradientFill, PlainFillsAndEmptyRectangles) {
    for (int gradient : {0, 20, 99, 300, -100}) {
        const auto ops = fill(gradient);
        ASSERT_EQ(ops.size(), 1u) << gradient;
        EXPECT_EQ(ops[0].kind, OpKind::Polygon);
        EXPECT_EQ(ops[0].brush, solidBrush(c1)) << gradient;
    }
    RecordingDevice device;
    gradientFill(device, {10, 10, 10, 30}, c1, c2, 1);
    gradientFill(device, {10, 30, 40, 20}, c1, c2, 12);
    EXPECT_TRUE(device.ops().empty());
}

TEST_F(GradientFill, SinglePixelRectangleTakesTheSecondColour) {
    RecordingDevice device;
    gradientFill(device, {5, 5, 6, 6}, c1, c2, 1);
    const auto ops = shapes(device);
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(colourOf(ops[0]), c2);
}

// ---------------------------------------------------------------- shadows

std::vector<DevRect> filledRects(const RecordingDevice& device) {
    std::vector<DevRect> rects;
    for (const RecordedOp& op : shapes(device)) {
        DevRect r{op.points[0].x, op.points[0].y, op.points[0].x, op.points[0].y};
        for (DevPoint p : op.points) {
            r.left = std::min(r.left, p.x);
            r.top = std::min(r.top, p.y);
            r.right = std::max(r.right, p.x + 1);
            r.bottom = std::max(r.bottom, p.y + 1);
        }
        rects.push_back(r);
    }
    return rects;
}

TEST(HardShadow, TwoStripsWithTheDepthCutToHalfTheBox) {
    const Colour grey = rgb(64, 64, 64);
    RecordingDevice device;
    // Depth 30 on a 40 × 20 box: cut to 20 and 10.
    hardShadow(device, {0, 0, 40, 20}, 30, 30, grey);
    EXPECT_EQ(filledRects(device), (std::vector<DevRect>{{40, 10, 60, 30}, {20, 20, 60, 30}}));
    for (const RecordedOp& op : shapes(device)) EXPECT_EQ(op.brush, solidBrush(grey));
    device.clear();
    // The page sheet: depth 3, black.
    hardShadow(device, {0, 0, 40, 20}, 3, 3, 0);
    EXPECT_EQ(filledRects(device), (std::vector<DevRect>{{40, 3, 43, 23}, {3, 20, 43, 23}}));
}

TEST(HardShadow, HardnessHundredOrSimpleShadowDrawsTheStrips) {
    const std::vector<DevRect> strips{{40, 4, 44, 24}, {4, 20, 44, 24}};
    RecordingDevice hard;
    softShadow(hard, {0, 0, 40, 20}, 4, 4, 6, 6, 0, 100);
    EXPECT_EQ(filledRects(hard), strips);
    RecordingDevice simple;
    softShadow(simple, {0, 0, 40, 20}, 4, 4, 6, 6, 0, 10, true);
    EXPECT_EQ(filledRects(simple), strips);
    RecordingDevice empty;
    hardShadow(empty, {0, 0, 0, 20}, 4, 4, 0);
    softShadow(empty, {0, 0, 40, 0}, 4, 4, 1, 1, 0, 50);
    EXPECT_TRUE(empty.ops().empty());
}

TEST(SoftShadow, FalloffTable) {
    struct Case {
        int dx, dy, hardness, i, j;
        double expected;
    };
    // By hand (calculator): hardness 50 leaves r / R with R = (dx + dy)/2;
    // hardness 25: K = e^0.025, L = 0.5, I = L I K / (I (K-1) + 1) + 1 - L;
    // hardness 75: R = 4 (1 + 0.41421 × 0.5) = 4.8284, K = e, I = 1 - (1-I) K / ((1-I)(K-1) + 1).
    const Case cases[] = {
        {4, 4, 50, 0, 0, 0.0},   {4, 4, 50, 2, 0, 0.5},        {4, 4, 50, 4, 0, 1.0},
        {4, 4, 50, 3, 4, 1.0},   {4, 4, 50, 1, 2, 0.5590170},  {4, 4, 25, 0, 0, 0.5},
        {4, 4, 25, 2, 0, 0.7531248}, {4, 4, 0, 1, 1, 1.0},     {4, 4, 75, 2, 0, 0.2064311},
        {4, 4, 75, 0, 0, 0.0},   {2, 6, 50, 0, 4, 1.0},        {2, 6, 50, 2, 0, 0.5},
    };
    for (const Case& c : cases) {
        const auto table = shadowFalloff(c.dx, c.dy, c.hardness);
        ASSERT_EQ(table.size(), static_cast<std::size_t>((c.dx + 1) * (c.dy + 1)));
        EXPECT_NEAR(table[static_cast<std::size_t>(c.j * (c.dx + 1) + c.i)], c.expected, 1e-6)
            << c.hardness << " (" << c.i << "," << c.j << ")";
    }
    // By hand: c + I (255 - c), rounded.
    EXPECT_EQ(shadowEntry(51, 0.5), 153);
    EXPECT_EQ(shadowEntry(0, 0.3), 77);
    EXPECT_EQ(shadowEntry(255, 0.0), 255);
    EXPECT_EQ(shadowEntry(0, 0.0), 0);
}

TEST(SoftShadow, ShadowRectangle) {
    // Half borders 1 and 1, moved by round(4 × 1.5) = 6.
    EXPECT_EQ(softShadowRect({0, 0, 40, 20}, 4, 4, 2, 3, 50), (DevRect{5, 5, 47, 27}));
    // Hardness 0: moved by the depth itself.
    EXPECT_EQ(softShadowRect({0, 0, 40, 20}, 3, 5, 0, 0, 0), (DevRect{3, 5, 43, 25}));
}

TEST(SoftShadow, DarkensTheBandOnRasterDevices) {
    // Box (10,10)-(50,30), depth 4, no border, hardness 50, black: the band
    // is (16,16)-(56,36) and its dark core (20,20)-(52,32). Pixel values by
    // hand: 255 × entry / 256 with entry = round(255 I).
    RasterDevice device(80, 60, rgb(255, 255, 255));
    softShadow(device, {10, 10, 50, 30}, 4, 4, 0, 0, 0, 50);
    struct Case {
        int x, y, value;
    };
    const Case cases[] = {
        {51, 31, 0},    // core
        {53, 25, 127},  // i = 2: I = 0.5, entry 128
        {52, 33, 142},  // i = 1, j = 2: I = √5/4, entry 143
        {17, 33, 229},  // i = 3, j = 2: I = √13/4, entry 230
        {55, 25, 255},  // i = 4: no darkening at all
        {56, 25, 255},  // outside the band
        {30, 20, 255},  // inside the box itself
        {49, 29, 255},
    };
    for (const Case& c : cases) EXPECT_EQ(device.pixel(c.x, c.y), rgb(c.value, c.value, c.value)) << c.x << "," << c.y;
    EXPECT_TRUE(shapes(device).empty());
}

TEST(SoftShadow, MultipliesEachChannelByItsEntry) {
    // Background (200, 100, 50), shadow colour (51, 0, 255), I = 0.5 at
    // (53, 25): entries 153, 128, 255 → 200×153/256, 100×128/256, 50×255/256.
    RasterDevice device(80, 60, rgb(200, 100, 50));
    softShadow(device, {10, 10, 50, 30}, 4, 4, 0, 0, rgb(51, 0, 255), 50);
    EXPECT_EQ(device.pixel(53, 25), rgb(119, 50, 49));
}

TEST(SoftShadow, HardnessZeroLeavesThePixels) {
    RasterDevice device(80, 60, rgb(255, 255, 255));
    softShadow(device, {10, 10, 50, 30}, 4, 4, 0, 0, 0, 0);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 80; ++x) ASSERT_EQ(device.pixel(x, y), rgb(255, 255, 255)) << x << "," << y;
}

TEST(SoftShadow, VectorDevicesGetImagesWithAlpha) {
    PictureDevice device;
    softShadow(device, {10, 10, 50, 30}, 4, 4, 0, 0, rgb(0, 0, 255), 50);
    // The band minus the box: the strip below it and the strip on its right.
    std::vector<DevRect> rects;
    for (const RecordedOp& op : device.ops())
        if (op.kind == OpKind::Image) rects.push_back(op.rect);
    EXPECT_EQ(rects, (std::vector<DevRect>{{16, 30, 56, 36}, {50, 16, 56, 30}}));
    ASSERT_EQ(device.pictures.size(), 2u);
    const RasterImage& right = device.pictures[1];
    ASSERT_EQ(right.width, 6);
    ASSERT_EQ(right.height, 14);
    // (53, 25) is (3, 9) in the right strip: alpha 255 × (1 - 0.5) = 127.5 → 128, colour blue.
    EXPECT_EQ(right.pixels[static_cast<std::size_t>(9 * 6 + 3)], 0x800000FFu);
    // (55, 25): nothing left of the shadow.
    EXPECT_EQ(right.pixels[static_cast<std::size_t>(9 * 6 + 5)] >> 24, 0u);
    // (51, 31) is in the core: opaque.
    EXPECT_EQ(device.pictures[0].pixels[static_cast<std::size_t>(1 * 40 + 35)], 0xFF0000FFu);
}

TEST(SoftShadow, DepthIsCutToHalfTheBox) {
    // Depth 100 on 40 × 20: 20 and 10, moved by 30 and 15 at hardness 50.
    PictureDevice device;
    softShadow(device, {0, 0, 40, 20}, 100, 100, 0, 0, 0, 50);
    std::vector<DevRect> rects;
    for (const RecordedOp& op : device.ops()) rects.push_back(op.rect);
    EXPECT_EQ(rects, (std::vector<DevRect>{{30, 20, 70, 35}, {40, 15, 70, 20}}));
}

// ---------------------------------------------------------------- painted areas

document::PaintStyle boxStyle() {
    document::PaintStyle style;
    style[document::PaintStyle::Fill] = 1;
    style[document::PaintStyle::FillColour1] = static_cast<std::int32_t>(rgb(255, 255, 200));
    style[document::PaintStyle::Border] = 1;
    style[document::PaintStyle::BorderColour] = static_cast<std::int32_t>(rgb(0, 0, 128));
    style[document::PaintStyle::BorderWidthX] = 2;
    style[document::PaintStyle::BorderWidthY] = 2;
    style[document::PaintStyle::Shadow] = 1;
    style[document::PaintStyle::ShadowColour] = static_cast<std::int32_t>(rgb(96, 96, 96));
    style[document::PaintStyle::ShadowHardness] = 100;
    return style;
}

TEST(PaintArea, ShadowThenFillThenBorder) {
    RecordingDevice device;
    paintArea(device, {0, 0, 60, 40}, boxStyle(), DeviceScale{}, false);
    const auto ops = shapes(device);
    ASSERT_EQ(ops.size(), 4u);
    EXPECT_EQ(ops[0].brush, solidBrush(rgb(96, 96, 96)));
    EXPECT_EQ(ops[1].brush, solidBrush(rgb(96, 96, 96)));
    EXPECT_EQ(ops[2].brush, solidBrush(rgb(255, 255, 200)));
    EXPECT_TRUE(ops[3].brush.hollow);
    EXPECT_EQ(ops[3].pen, (Pen{PenStyle::Solid, 2, rgb(0, 0, 128)}));
    EXPECT_EQ(filledRects(device)[0], (DevRect{60, 10, 70, 50}));  // depth 10 from the factory default
}

TEST(PaintArea, SizesFollowTheDeviceScale) {
    // Printing at 600 ppi from 96: × 6.25; border 1 → 6, depth 2 → 12.5 → 13.
    OutputKind printer;
    printer.printing = true;
    printer.deviceDpiX = printer.deviceDpiY = 600;
    document::PaintStyle style = boxStyle();
    style[document::PaintStyle::BorderWidthX] = 1;
    style[document::PaintStyle::BorderWidthY] = 1;
    style[document::PaintStyle::ShadowDepthX] = 2;
    style[document::PaintStyle::ShadowDepthY] = 2;
    RecordingDevice device(600, 600, true);
    paintArea(device, {0, 0, 200, 100}, style, DeviceScale{printer}, false);
    EXPECT_EQ(filledRects(device)[0], (DevRect{200, 13, 213, 113}));
    EXPECT_EQ(shapes(device).back().pen.width, 6);
    EXPECT_EQ(shadowExtent(style, DeviceScale{printer}, false), (DevPoint{13, 13}));
}

TEST(PaintArea, InactivePartsAndEmptyRectanglesDrawNothing) {
    document::PaintStyle style;  // factory default: border only
    style[document::PaintStyle::Border] = 0;
    RecordingDevice device;
    paintArea(device, {0, 0, 60, 40}, style, DeviceScale{}, false);
    paintArea(device, {0, 0, 0, 40}, boxStyle(), DeviceScale{}, false);
    EXPECT_TRUE(device.ops().empty());
}

TEST(PaintArea, SoftShadowOfABoxAndItsExtent) {
    document::PaintStyle style = boxStyle();
    style[document::PaintStyle::ShadowHardness] = 50;
    style[document::PaintStyle::ShadowDepthX] = 4;
    style[document::PaintStyle::ShadowDepthY] = 4;
    // Half border 1 plus round(4 × 1.5) = 7 beyond the right and bottom edges.
    EXPECT_EQ(shadowExtent(style, DeviceScale{}, false), (DevPoint{7, 7}));
    // The preference turns it into the hard strips of depth 4.
    EXPECT_EQ(shadowExtent(style, DeviceScale{}, true), (DevPoint{4, 4}));
    style[document::PaintStyle::Shadow] = 0;
    EXPECT_EQ(shadowExtent(style, DeviceScale{}, false), (DevPoint{0, 0}));

    style[document::PaintStyle::Shadow] = 1;
    PictureDevice device;
    paintArea(device, {10, 10, 50, 30}, style, DeviceScale{}, false);
    ASSERT_FALSE(device.ops().empty());
    EXPECT_EQ(device.ops().front().kind, OpKind::Image);
    EXPECT_EQ(device.ops().front().rect, (DevRect{15, 30, 57, 37}));  // half border 1, moved by 6
}

}  // namespace
}  // namespace ordinax::render
