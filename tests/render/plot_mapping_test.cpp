// Data-to-device mapping and the conversion of stored sizes.
#include <gtest/gtest.h>

#include "render/device_scale.h"
#include "render/plot_mapping.h"

namespace ordinax::render {
namespace {

document::Scales scales(int kindX, double x0, double x1, int kindY, double y0, double y1) {
    document::Scales s;
    s.axis[0][0].kind = kindX;
    s.axis[0][0].origin = x0;
    s.axis[0][0].extremity = x1;
    s.axis[1][0].kind = kindY;
    s.axis[1][0].origin = y0;
    s.axis[1][0].extremity = y1;
    return s;
}

TEST(PlotMapping, MapsEachKindLinearlyInItsTransform) {
    // Plot 100..300 wide, 0..100 high; by hand: left + 0.5 + f * width, bottom + 0.5 - f * height.
    const PlotMapping m = makePlotMapping(scales(ScaleLin, 0, 10, ScaleLog, 1, 100), {100, 0, 300, 100});
    EXPECT_DOUBLE_EQ(*toDevice(m, 5.0, 0, 0), 200.5);
    EXPECT_DOUBLE_EQ(*toDevice(m, 10.0, 1, 0), 50.5);
    EXPECT_DOUBLE_EQ(*toDevice(m, 1.0, 1, 0), 100.5);
    EXPECT_FALSE(toDevice(m, 0.0, 1, 0));  // log of 0
    EXPECT_FALSE(pointToDevice(m, 5.0, -1.0));
    EXPECT_EQ(*pointToDevice(m, 5.0, 10.0), (DevPoint{200, 50}));
    EXPECT_NEAR(*fromDevice(m, 50.5, 1, 0), 10.0, 1e-12);
    EXPECT_NEAR(*fromDevice(m, 200.5, 0, 0), 5.0, 1e-12);
}

TEST(PlotMapping, HenryIsSymmetricAboutOneHalf) {
    const PlotMapping m = makePlotMapping(scales(ScaleLin, 0, 1, ScaleHenry, 0.1, 0.9), {0, 0, 100, 200});
    EXPECT_NEAR(*toDevice(m, 0.5, 1, 0), 100.5, 1e-9);
    EXPECT_NEAR(*toDevice(m, 0.1, 1, 0) + *toDevice(m, 0.9, 1, 0), 201.0, 1e-9);
    EXPECT_FALSE(toDevice(m, 1.0, 1, 0));
}

TEST(DeviceScale, ConvertsStoredSizesPerOutput) {
    // 600 dpi printer from a 96 dpi screen: 1 pixel -> 6.25 -> 6.
    OutputKind printer;
    printer.printing = true;
    printer.deviceDpiX = printer.deviceDpiY = 600;
    const DeviceScale p(printer);
    EXPECT_EQ(p.x(1), 6);
    EXPECT_EQ(p.y(4), 25);
    // Normal screen mode: 72 / 96; anything below one pixel becomes one.
    const DeviceScale screen{OutputKind{}};
    EXPECT_EQ(screen.x(4), 3);
    EXPECT_EQ(screen.x(0.2), 1);
    EXPECT_EQ(screen.fontHeight(16), -12);
    // Page mode: a 21 cm sheet shown 827 pixels wide is 100 pixels per inch.
    OutputKind page;
    page.displayMode = 2;
    page.pageRect = {0, 0, 827, 1170};
    const DeviceScale pageScale(page);
    EXPECT_NEAR(pageScale.factorX(), 827 / (21.0 * 0.39370078740157477) / 96.0, 1e-12);
    EXPECT_EQ(pageScale.x(96), 100);
}

}  // namespace
}  // namespace ordinax::render
