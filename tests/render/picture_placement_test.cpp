// Placement of the page and plot pictures by mode and of the logo by
// location and size, and the drawing helpers over a scripted picture source.
// Every expected rectangle is worked by hand from the placement rules; the
// arithmetic is written beside the case.
#include "render/picture_placement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "render/recording_device.h"

namespace ordinax::render {
namespace {

PictureInfo picture(int width, int height, double dpi = 96.0) { return {width, height, dpi, dpi}; }

const DevRect kArea{10, 20, 110, 70};  // 100 × 50

struct ModeCase {
    const char* name;
    PictureInfo info;
    int mode;
    DevRect expected;
};

TEST(PicturePlacement, SingleRectangleModes) {
    const ModeCase cases[] = {
        {"stretched", picture(40, 20), PictureStretched, {10, 20, 110, 70}},
        {"unknown code is stretched", picture(40, 20), 9, {10, 20, 110, 70}},
        {"negative code is stretched", picture(40, 20), -1, {10, 20, 110, 70}},
        // left 10 + (100 − 40)/2 = 40, top 20 + (50 − 20)/2 = 35.
        {"centred", picture(40, 20), PictureCentred, {40, 35, 80, 55}},
        // surplus 59 and 29: left 10 + 29, top 20 + 14; the odd pixel goes right and down.
        {"centred odd surplus", picture(41, 21), PictureCentred, {39, 34, 80, 55}},
        // surplus −41 and −21 rounded down: left 10 − 21, top 20 − 11.
        {"centred larger than the area", picture(141, 71), PictureCentred, {-11, 9, 130, 80}},
        // 40 × 40: ratios 2.5 and 1.25, the smaller gives 50 × 50; left 10 + 25.
        {"proportional", picture(40, 40), PictureProportional, {35, 20, 85, 70}},
        // 200 × 20: ratios 0.5 and 2.5 → 100 × 10; top 20 + 20.
        {"proportional wide", picture(200, 20), PictureProportional, {10, 40, 110, 50}},
        // 40 × 40 with the larger ratio 2.5: 100 × 100; top 20 + (50 − 100)/2 = −5.
        {"proportional fill", picture(40, 40), PictureProportionalFill, {10, -5, 110, 95}},
        // 96 × 48 made for 192 dpi is 48 × 24 on 96 dpi: left 10 + 26, top 20 + 13.
        {"centred through the file's resolution", picture(96, 48, 192.0), PictureCentred, {36, 33, 84, 57}},
    };
    for (const ModeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto rects = pictureRects(kArea, c.info, c.mode, 96, 96);
        ASSERT_EQ(rects.size(), 1u);
        EXPECT_EQ(rects[0], c.expected);
    }
}

TEST(PicturePlacement, NaturalSizeFollowsBothResolutions) {
    // 10 px at 96 dpi on a 600 dpi printer: 62.5 → 63; a 0 or NaN resolution counts as 96.
    EXPECT_EQ(naturalPictureSize(picture(10, 10), 600, 300), (DevPoint{63, 31}));
    EXPECT_EQ(naturalPictureSize({10, 20, 0.0, -5.0}, 96, 96), (DevPoint{10, 20}));
    // A tiny picture on a coarse device is still one pixel.
    EXPECT_EQ(naturalPictureSize(picture(1, 1, 1000.0), 96, 96), (DevPoint{1, 1}));
    EXPECT_EQ(naturalPictureSize(picture(0, 5), 96, 96), (DevPoint{0, 0}));
}

TEST(PicturePlacement, TilesCoverTheAreaFromItsTopLeft) {
    // 40 × 20 tiles over 100 × 50: columns at 10, 50, 90 and rows at 20, 40, 60.
    const auto rects = pictureRects(kArea, picture(40, 20), PictureTiled, 96, 96);
    std::vector<DevRect> expected;
    for (int y : {20, 40, 60})
        for (int x : {10, 50, 90}) expected.push_back({x, y, x + 40, y + 20});
    EXPECT_EQ(rects, expected);
}

TEST(PicturePlacement, TinyTilesAreEnlargedToBoundTheCount) {
    // 1 × 1 over 1000 × 1000 would be 10^6 tiles. Factor 15: 67² = 4489 > 4096;
    // factor 16: 63² = 3969 ≤ 4096, so 16 × 16 tiles, the last one at 992.
    const auto rects = pictureRects({0, 0, 1000, 1000}, picture(1, 1), PictureTiled, 96, 96);
    ASSERT_EQ(rects.size(), 3969u);
    EXPECT_EQ(rects.front(), (DevRect{0, 0, 16, 16}));
    EXPECT_EQ(rects.back(), (DevRect{992, 992, 1008, 1008}));
}

TEST(PicturePlacement, NothingForAnEmptyAreaOrPicture) {
    EXPECT_TRUE(pictureRects({10, 10, 10, 50}, picture(4, 4), PictureStretched, 96, 96).empty());
    EXPECT_TRUE(pictureRects(kArea, picture(0, 4), PictureTiled, 96, 96).empty());
    EXPECT_TRUE(pictureRects(kArea, picture(4, -1), PictureCentred, 96, 96).empty());
}

// --- Logo ---------------------------------------------------------------------------

document::LogoSettings logoAt(int location, int dimension = 0, int zoom = 100) {
    document::LogoSettings logo;
    logo.file = "logo.png";
    logo.location = location;
    logo.dimension = dimension;
    logo.zoom = zoom;
    return logo;
}

const DevRect kPage{0, 0, 800, 1100};
constexpr double kPerCm = 40.0;

TEST(LogoPlacement, SixLocationsAtNaturalSize) {
    // 96 × 48 px at 96 dpi = 2.54 × 1.27 cm = 101.6 × 50.8 px at 40 px/cm → 102 × 51.
    struct Case {
        int location;
        DevRect expected;
    };
    const Case cases[] = {
        {LogoTopLeft, {0, 0, 102, 51}},
        {LogoTopRight, {698, 0, 800, 51}},
        {LogoBottomLeft, {0, 1049, 102, 1100}},
        {LogoBottomRight, {698, 1049, 800, 1100}},
        // (800 − 102)/2 = 349, (1100 − 51)/2 = 524.5 → 524.
        {LogoCentre, {349, 524, 451, 575}},
        // position 2.5 and 1.0 cm (the defaults) → 100 and 40 px.
        {LogoExact, {100, 40, 202, 91}},
        {7, {0, 0, 102, 51}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.location);
        EXPECT_EQ(logoRect(kPage, logoAt(c.location), picture(96, 48), kPerCm, kPerCm), c.expected);
    }
}

TEST(LogoPlacement, SizeModes) {
    EXPECT_EQ(logoSizeMode(logoAt(0)), LogoSizeMode::Natural);
    EXPECT_EQ(logoSizeMode(logoAt(0, 0, 150)), LogoSizeMode::Zoom);
    EXPECT_EQ(logoSizeMode(logoAt(0, 1, 150)), LogoSizeMode::Manual);
    // Zoom 150: 101.6 × 1.5 = 152.4 → 152, 50.8 × 1.5 = 76.2 → 76.
    EXPECT_EQ(logoRect(kPage, logoAt(LogoTopLeft, 0, 150), picture(96, 48), kPerCm, kPerCm),
              (DevRect{0, 0, 152, 76}));
    // A zoom of 0 is taken as the natural size.
    EXPECT_EQ(logoRect(kPage, logoAt(LogoTopLeft, 0, 0), picture(96, 48), kPerCm, kPerCm),
              (DevRect{0, 0, 102, 51}));
    // Manual 3 × 2 cm at 40 and 30 px/cm: 120 × 60 whatever the picture, bottom-right.
    document::LogoSettings manual = logoAt(LogoBottomRight, 1);
    manual.logoSize = {3.0, 2.0};
    EXPECT_EQ(logoRect(kPage, manual, picture(5, 500), kPerCm, 30.0), (DevRect{680, 1040, 800, 1100}));
    // A picture made for 192 dpi is half as large: 96 px = 0.5 in = 1.27 cm = 50.8 → 51.
    EXPECT_EQ(logoRect(kPage, logoAt(LogoTopLeft), picture(96, 96, 192.0), kPerCm, kPerCm),
              (DevRect{0, 0, 51, 51}));
}

TEST(LogoPlacement, FollowsAShiftedPageAndRefusesNonsense) {
    const DevRect page{50, 60, 850, 1160};
    EXPECT_EQ(logoRect(page, logoAt(LogoExact), picture(96, 48), kPerCm, kPerCm), (DevRect{150, 100, 252, 151}));
    document::LogoSettings manual = logoAt(LogoTopLeft, 1);
    manual.logoSize = {-3.0, 2.0};
    EXPECT_TRUE(logoRect(kPage, manual, picture(96, 48), kPerCm, kPerCm).empty());
    manual.logoSize = {std::nan(""), 2.0};
    EXPECT_TRUE(logoRect(kPage, manual, picture(96, 48), kPerCm, kPerCm).empty());
    EXPECT_TRUE(logoRect(kPage, logoAt(LogoTopLeft), picture(0, 48), kPerCm, kPerCm).empty());
    document::LogoSettings far = logoAt(LogoExact);
    far.position = {std::nan(""), 1e300};
    const DevRect r = logoRect(kPage, far, picture(96, 48), kPerCm, kPerCm);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.width(), 102);
}

// --- Drawing through a source --------------------------------------------------------

// A picture source that knows a few paths and records what it was asked to draw.
class ScriptedSource : public PictureSource {
public:
    std::map<std::string, PictureInfo> known;
    bool drawSucceeds = true;
    int infoCalls = 0;
    std::vector<std::pair<DevRect, DevRect>> drawn;  // destination, clip

    std::optional<PictureInfo> info(std::string_view path) override {
        ++infoCalls;
        const auto it = known.find(std::string(path));
        if (it == known.end()) return std::nullopt;
        return it->second;
    }
    bool draw(DrawDevice&, std::string_view, const DevRect& destination, const DevRect& clip) override {
        if (!drawSucceeds) return false;
        drawn.push_back({destination, clip});
        return true;
    }
};

TEST(DrawAreaPicture, DrawsEveryTileClippedToTheArea) {
    RecordingDevice device;
    ScriptedSource source;
    source.known["a.png"] = picture(40, 20);
    EXPECT_TRUE(drawAreaPicture(device, source, "a.png", kArea, PictureTiled));
    ASSERT_EQ(source.drawn.size(), 9u);
    for (const auto& [destination, clip] : source.drawn) EXPECT_EQ(clip, kArea);
    EXPECT_EQ(source.drawn[4].first, (DevRect{50, 40, 90, 60}));
}

TEST(DrawAreaPicture, UsesTheDeviceResolution) {
    RecordingDevice printer(600, 600, true);
    ScriptedSource source;
    source.known["a.png"] = picture(8, 8);  // 8 px at 96 dpi = 50 px at 600 dpi
    EXPECT_TRUE(drawAreaPicture(printer, source, "a.png", {0, 0, 100, 100}, PictureCentred));
    ASSERT_EQ(source.drawn.size(), 1u);
    EXPECT_EQ(source.drawn[0].first, (DevRect{25, 25, 75, 75}));
}

TEST(DrawAreaPicture, FailuresDrawNothingAndSayFalse) {
    RecordingDevice device;
    ScriptedSource source;
    source.known["a.png"] = picture(40, 20);
    EXPECT_FALSE(drawAreaPicture(device, source, "", kArea, PictureStretched));
    EXPECT_EQ(source.infoCalls, 0);
    EXPECT_FALSE(drawAreaPicture(device, source, "missing.png", kArea, PictureStretched));
    EXPECT_FALSE(drawAreaPicture(device, source, "a.png", {5, 5, 5, 9}, PictureStretched));
    source.drawSucceeds = false;
    EXPECT_FALSE(drawAreaPicture(device, source, "a.png", kArea, PictureStretched));
    EXPECT_TRUE(source.drawn.empty());
}

TEST(DrawLogo, PlacesThePictureOnThePage) {
    RecordingDevice device;
    ScriptedSource source;
    source.known["logo.png"] = picture(96, 48);
    EXPECT_TRUE(drawLogo(device, source, kPage, logoAt(LogoBottomRight), kPerCm, kPerCm));
    ASSERT_EQ(source.drawn.size(), 1u);
    EXPECT_EQ(source.drawn[0].first, (DevRect{698, 1049, 800, 1100}));
    EXPECT_EQ(source.drawn[0].second, kPage);
    document::LogoSettings none = logoAt(LogoTopLeft);
    none.file.clear();
    EXPECT_FALSE(drawLogo(device, source, kPage, none, kPerCm, kPerCm));
    source.known.clear();
    EXPECT_FALSE(drawLogo(device, source, kPage, logoAt(LogoTopLeft), kPerCm, kPerCm));
    EXPECT_EQ(source.drawn.size(), 1u);
}

}  // namespace
}  // namespace ordinax::render
