// What the acquisition window's buttons and mouse do to its state, the
// settings kept between uses, and positions written as text.
#include <gtest/gtest.h>

#include "acquisition/acquisition_settings.h"
#include "acquisition/acquisition_state.h"
#include "acquisition/pixel_points.h"
#include "base/strings_data.h"
#include "settings/store.h"

namespace ordinax::acquisition {
namespace {

TEST(AcquisitionState, ClickThenReferenceButtonTakesTheClickOutOfTheCurve) {
    AcquisitionState s;
    EXPECT_EQ(placeReference(s, Origin), PlaceOutcome::NoClick);
    addClickedPoint(s, {10, 10});
    addClickedPoint(s, {50, 400});
    EXPECT_EQ(placeReference(s, Origin), PlaceOutcome::Placed);
    EXPECT_EQ(s.references[Origin], (PixelPoint{50, 400}));
    EXPECT_EQ(s.points, (std::vector<PixelPoint>{{10, 10}}));
    EXPECT_FALSE(s.lastClick);
    // Without a new click the button does nothing.
    EXPECT_EQ(placeReference(s, EndX), PlaceOutcome::NoClick);
    // A second reference point on the same place is refused; the click stays a point.
    addClickedPoint(s, {50, 400});
    EXPECT_EQ(placeReference(s, EndX), PlaceOutcome::AlreadyUsed);
    EXPECT_EQ(s.points.size(), 2u);
    EXPECT_FALSE(s.references[EndX].isSet());
    // The same reference point may be placed again elsewhere.
    addClickedPoint(s, {60, 390});
    EXPECT_EQ(placeReference(s, Origin), PlaceOutcome::Placed);
    EXPECT_EQ(s.references[Origin], (PixelPoint{60, 390}));
}

TEST(AcquisitionState, ReferenceAfterTheClickWasRemovedKeepsTheOtherPoints) {
    AcquisitionState s;
    addClickedPoint(s, {10, 10});
    addClickedPoint(s, {200, 200});
    ASSERT_TRUE(removeNearestPoint(s, {199, 201}));
    EXPECT_EQ(placeReference(s, EndY), PlaceOutcome::Placed);
    EXPECT_EQ(s.points, (std::vector<PixelPoint>{{10, 10}}));
}

TEST(AcquisitionState, RightClickRemovesTheNearestFirstOfEqualDistances) {
    AcquisitionState s;
    EXPECT_FALSE(removeNearestPoint(s, {5, 5}));
    for (PixelPoint p : {PixelPoint{0, 0}, PixelPoint{10, 0}, PixelPoint{20, 0}}) addClickedPoint(s, p);
    ASSERT_TRUE(removeNearestPoint(s, {5, 0}));  // 0,0 and 10,0 are both 5 away
    EXPECT_EQ(s.points, (std::vector<PixelPoint>{{10, 0}, {20, 0}}));
    ASSERT_TRUE(removeNearestPoint(s, {19, 3}));
    EXPECT_EQ(s.points, (std::vector<PixelPoint>{{10, 0}}));
}

TEST(AcquisitionState, ClickPastTheCapacityAddsNothingAndForgetsTheLastClick) {
    AcquisitionState s;
    s.points.assign(static_cast<std::size_t>(document::MaxPoints), PixelPoint{1, 1});
    s.lastClick = PixelPoint{1, 1};
    EXPECT_FALSE(addClickedPoint(s, {7, 7}));
    EXPECT_EQ(s.points.size(), static_cast<std::size_t>(document::MaxPoints));
    EXPECT_FALSE(s.lastClick);
}

TEST(AcquisitionState, DeleteKeepsTheReferencePoints) {
    AcquisitionState s;
    s.references[Origin] = {1, 2};
    addClickedPoint(s, {3, 4});
    deleteClickedPoints(s);
    EXPECT_TRUE(s.points.empty());
    EXPECT_EQ(s.references[Origin], (PixelPoint{1, 2}));
}

TEST(AcquisitionState, ValidationConvertsInClickOrderOrTellsWhatIsMissing) {
    AcquisitionState s;
    s.xAxis = {AxisKind::Linear, 0, 100};
    s.yAxis = {AxisKind::Linear, 0, 10};
    addClickedPoint(s, {300, 300});
    ConversionResult r = convertClickedPoints(s);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message.id, base::MsgAcquisitionFrameInvalid);

    s.references[Origin] = {100, 400};
    s.references[EndX] = {500, 400};
    s.references[EndY] = {100, 200};
    addClickedPoint(s, {140, 380});
    r = convertClickedPoints(s);
    ASSERT_TRUE(r.ok);
    // Worked by hand: 4 pixels = 1 unit on x, 20 pixels = 1 unit on y.
    ASSERT_EQ(r.points.size(), 2u);
    EXPECT_DOUBLE_EQ(r.points[0].x, 50);
    EXPECT_DOUBLE_EQ(r.points[0].y, 5);
    EXPECT_DOUBLE_EQ(r.points[1].x, 10);
    EXPECT_DOUBLE_EQ(r.points[1].y, 1);

    deleteClickedPoints(s);
    r = convertClickedPoints(s);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message.id, base::MsgAcquisitionNoPoint);
    EXPECT_EQ(readoutText({1.5, -2}), "x = +1.5 - y = -2");
    EXPECT_EQ(readoutText({1e-7, 0}), "x = +1e-007 - y = +0");
}

TEST(AcquisitionSettings, KeptOnlyWhenAsked) {
    settings::MemoryStore store;
    AcquisitionSettings read = readAcquisitionSettings(store);
    EXPECT_FALSE(read.save);
    EXPECT_EQ(read.xAxis, (AxisValues{AxisKind::Linear, 0, 10}));

    AcquisitionSettings kept{true, {AxisKind::Logarithmic, 0.1, 1000}, {AxisKind::Linear, -2.5, 7}};
    writeAcquisitionSettings(store, kept);
    EXPECT_EQ(store.readString("Scanning", "OrgX").value_or(""), "0.1");
    EXPECT_EQ(store.readString("Scanning", "ExtY").value_or(""), "7");
    EXPECT_EQ(store.readInt("Scanning", "ScaleX").value_or(-1), 1);
    read = readAcquisitionSettings(store);
    EXPECT_TRUE(read.save);
    EXPECT_EQ(read.xAxis, kept.xAxis);
    EXPECT_EQ(read.yAxis, kept.yAxis);

    // Switched off, the values written before are no longer used.
    writeAcquisitionSettings(store, {false, kept.xAxis, kept.yAxis});
    read = readAcquisitionSettings(store);
    EXPECT_EQ(read.yAxis, (AxisValues{AxisKind::Linear, 0, 10}));
    // A damaged field falls back to its default text.
    store.writeInt("Preference", "SaveScan", 1);
    store.writeString("Scanning", "OrgY", "douze");
    EXPECT_EQ(readAcquisitionSettings(store).yAxis.origin, 0);
}

TEST(AcquisitionSettings, PicturePixelsFromMetricSize) {
    // 2540 hundredths of a millimetre is one inch.
    EXPECT_EQ(picturePixels(2540, 96), 96);
    EXPECT_EQ(picturePixels(5000, 96), 189);   // 188.98
    EXPECT_EQ(picturePixels(3175, 96), 120);   // exactly 120
    EXPECT_EQ(picturePixels(1270, 3), 2);      // 1.5 rounds away from zero
    EXPECT_EQ(picturePixels(0, 96), 0);
    EXPECT_EQ(picturePixels(2540, 0), 0);
}

TEST(PixelPoints, ListsOfPositions) {
    const struct {
        const char* text;
        std::vector<PixelPoint> points;
        int badItem;
    } cases[] = {
        {"10,20;30,40", {{10, 20}, {30, 40}}, 0},
        {" 10 , 20 ;30,40;", {{10, 20}, {30, 40}}, 0},
        {"10 20\n30\t40\r\n\n", {{10, 20}, {30, 40}}, 0},
        {"", {}, 0},
        {"10,20;x,4;5,6", {{10, 20}}, 2},
        {"10,-20", {}, 1},
        {"10,20,30", {}, 1},
        {"1.5,2", {}, 1},
        {"99999999999,1", {}, 1},
    };
    for (const auto& c : cases) {
        const PixelPointList list = parsePixelPoints(c.text, 100);
        EXPECT_EQ(list.points, c.points) << c.text;
        EXPECT_EQ(list.badItem, c.badItem) << c.text;
    }
    const PixelPointList capped = parsePixelPoints("1,1;2,2;3,3", 2);
    EXPECT_TRUE(capped.tooMany);
    EXPECT_EQ(capped.points.size(), 2u);
}

}  // namespace
}  // namespace ordinax::acquisition
