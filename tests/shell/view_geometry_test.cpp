// Placement of the diagram in the display modes and the read-out texts.
#include "shell/view_geometry.h"

#include <gtest/gtest.h>

namespace ordinax::shell {
namespace {

using render::DevRect;

// Worked by hand: 800 × 600 viewport, gap 16, A4 upright (21 × 29.7 cm).
TEST(ViewGeometry, ModesPlaceThePageAsExpected) {
    const SheetSize a4 = sheetSize(0);
    // Normal: the whole window.
    EXPECT_EQ(viewGeometry(1, 800, 600, a4, 0).pageRect, (DevRect{0, 0, 800, 600}));
    // Page width: 768 wide, 768 × 29.7 / 21 = 1086.17 → 1086 high, scrollable.
    const ViewGeometry width = viewGeometry(2, 800, 600, a4, 0);
    EXPECT_EQ(width.pageRect, (DevRect{16, 16, 784, 1102}));
    EXPECT_EQ(width.contentHeight, 1118);
    EXPECT_EQ(maxScroll(width.contentHeight, 600), 518);
    EXPECT_EQ(viewGeometry(2, 800, 600, a4, 100).pageRect, (DevRect{16, -84, 784, 1002}));
    EXPECT_EQ(width.sheetSurround, (DevRect{0, 0, 800, 600}));
    // Full page: the height limits, 568 high and 568 × 21 / 29.7 = 401.6 → 402 wide, centred.
    const ViewGeometry full = viewGeometry(3, 800, 600, a4, 0);
    EXPECT_EQ(full.pageRect, (DevRect{199, 16, 601, 584}));
    EXPECT_EQ(maxScroll(full.contentHeight, 600), 0);
}

TEST(ViewGeometry, LandscapeTurnsTheSheetAndTinyViewportsStayValid) {
    const SheetSize landscape = sheetSize(1);
    EXPECT_DOUBLE_EQ(landscape.widthCm, 29.7);
    // 768 × 21 / 29.7 = 543.03 → 543.
    EXPECT_EQ(viewGeometry(2, 800, 600, landscape, 0).pageRect, (DevRect{16, 16, 784, 559}));
    for (int mode = 1; mode <= 3; ++mode) {
        const ViewGeometry g = viewGeometry(mode, 0, 0, sheetSize(0), 0);
        EXPECT_FALSE(g.pageRect.empty()) << mode;
    }
}

TEST(ViewGeometry, ReadoutTexts) {
    EXPECT_EQ(readoutText(1.5, 2, false), "  x=1.5 - y=2");
    // Exponents are written with three digits.
    EXPECT_EQ(readoutText(1e-7, -250000000, false), "  x=1e-007 - y=-2.5e+008");
    // At the reference point a relative read-out shows zeros.
    EXPECT_EQ(readoutText(0, 0, true, "Essai"), "  R (x=0 - y=0)  [ Essai ]");
}

TEST(ViewGeometry, CursorKeysPlaceTheCursorInsideThePlot) {
    // Plot of 100 × 200 pixels at (10, 20); right and bottom exclusive, so the last pixels are 109 and 219.
    const DevRect plot{10, 20, 110, 220};
    using P = render::DevPoint;
    struct Case {
        CursorKey key;
        bool shiftOrCtrl;
        P from;
        std::optional<P> origin;
        std::optional<P> expected;
    };
    const Case cases[] = {
        {CursorKey::Home, false, {50, 50}, {}, P{10, 219}},
        {CursorKey::Home, true, {50, 50}, {}, P{10, 20}},
        {CursorKey::End, false, {50, 50}, {}, P{109, 20}},
        {CursorKey::End, true, {50, 50}, {}, P{109, 219}},
        {CursorKey::Space, false, {0, 0}, {}, P{60, 120}},
        {CursorKey::Space, true, {50, 50}, P{30, 200}, P{30, 200}},
        {CursorKey::Space, true, {50, 50}, {}, std::nullopt},
        {CursorKey::Left, false, {50, 50}, {}, P{49, 50}},
        {CursorKey::Right, true, {50, 50}, {}, P{60, 50}},
        {CursorKey::Right, true, {105, 50}, {}, P{109, 50}},
        {CursorKey::Up, true, {50, 25}, {}, P{50, 20}},
        {CursorKey::Down, false, {50, 219}, {}, P{50, 219}},
    };
    for (const Case& c : cases) {
        const auto placed = placedCursor(c.key, c.shiftOrCtrl, plot, c.from, c.origin);
        EXPECT_EQ(placed, c.expected) << static_cast<int>(c.key) << " " << c.shiftOrCtrl;
    }
    EXPECT_FALSE(placedCursor(CursorKey::Home, false, DevRect{}, {0, 0}, {}));
}

}  // namespace
}  // namespace ordinax::shell
