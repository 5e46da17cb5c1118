// Dialog placements: text form, tolerance to damaged texts, and where a
// dialog reopens on the current monitors.
#include <gtest/gtest.h>

#include <vector>

#include "settings/window_position.h"

namespace ordinax::settings {
namespace {

TEST(WindowPlacement, TextHoldsTheTenNumbersInOrder) {
    WindowPlacement p;
    p.flags = 2;
    p.showCommand = 1;
    p.minPosition = {-1, -2};
    p.maxPosition = {-8, -31};
    p.normal = {100, 120, 540, 460};
    EXPECT_EQ(windowPlacementText(p), "2,1,-1,-2,-8,-31,100,120,540,460");
    EXPECT_EQ(parseWindowPlacement("2,1,-1,-2,-8,-31,100,120,540,460"), p);
    EXPECT_EQ(parseWindowPlacement(" 2, 1,-1 ,-2,-8,-31,100,120,540, 460 "), p);

    p.flags = 4294967295u;  // %u reaches the whole unsigned range
    p.normal.left = -2147483647 - 1;
    EXPECT_EQ(windowPlacementText(p), "4294967295,1,-1,-2,-8,-31,-2147483648,120,540,460");
    EXPECT_EQ(parseWindowPlacement(windowPlacementText(p)), p);
}

TEST(WindowPlacement, AnythingButTenNumbersIsRefused) {
    const char* bad[] = {
        "",
        "0,1,-1,-1,-1,-1,10,10,200",          // nine
        "0,1,-1,-1,-1,-1,10,10,200,200,5",    // eleven
        "0,1,-1,-1,-1,-1,10,10,200,200,",     // trailing comma
        "0,1,-1,-1,-1,-1,10,,200,200",        // empty field
        "0,1,-1,-1,-1,-1,10,10,200,2x0",
        "-1,1,-1,-1,-1,-1,10,10,200,200",     // flags are unsigned
        "0,1,-1,-1,-1,-1,10,10,200,3000000000",  // beyond 32 bits
        "0 1 -1 -1 -1 -1 10 10 200 200",
    };
    for (const char* text : bad) EXPECT_FALSE(parseWindowPlacement(text).has_value()) << text;
}

TEST(WindowPlacement, StoredByDialogName) {
    MemoryStore store;
    WindowPlacement p;
    p.normal = {10, 20, 310, 220};
    writeWindowPlacement(store, "FittingDlg", p);
    EXPECT_EQ(store.readString("WindowPos", "FittingDlg"), "0,0,0,0,0,0,10,20,310,220");
    EXPECT_EQ(readWindowPlacement(store, "FittingDlg"), p);
    EXPECT_FALSE(readWindowPlacement(store, "GridDlg").has_value());
    store.writeString("WindowPos", "GridDlg", "10,20");
    EXPECT_FALSE(readWindowPlacement(store, "GridDlg").has_value());
}

TEST(WindowPlacement, RestoredOnlyWhenVisibleOnAMonitor) {
    // Two monitors side by side: 1920x1080 and 1280x1024 to its right.
    const std::vector<Rect> monitors = {{0, 0, 1920, 1080}, {1920, 0, 3200, 1024}};
    const struct {
        Rect normal;
        bool restored;
    } cases[] = {
        {{100, 100, 500, 400}, true},       // on the first monitor
        {{2000, 50, 2400, 350}, true},      // on the second
        {{-300, 200, 100, 500}, true},      // partly off the left edge, still visible
        {{3100, 1000, 3500, 1300}, true},   // a corner on the second monitor
        {{3200, 100, 3600, 400}, false},    // just right of the second: touches, not visible
        {{2000, 1024, 2400, 1300}, false},  // below the shorter second monitor
        {{-900, -700, -100, -100}, false},  // monitor that was unplugged
    };
    for (const auto& c : cases) {
        WindowPlacement p;
        p.normal = c.normal;
        const auto topLeft = restoredTopLeft(p, monitors);
        EXPECT_EQ(topLeft.has_value(), c.restored) << c.normal.left << "," << c.normal.top;
        if (topLeft) {
            EXPECT_EQ(*topLeft, (Point{c.normal.left, c.normal.top}));
        }
    }
    WindowPlacement p;
    p.normal = {100, 100, 500, 400};
    EXPECT_FALSE(restoredTopLeft(p, {}).has_value());
}

}  // namespace
}  // namespace ordinax::settings
