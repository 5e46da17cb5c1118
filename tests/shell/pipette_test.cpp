// The pipette's colour history and its mode: what a take, a cancel and a
// repeated colour leave behind.
#include "shell/pipette.h"

#include <gtest/gtest.h>

namespace ordinax::shell {
namespace {

using History = std::vector<PipetteColour>;

TEST(PipetteHistory, PushRules) {
    // Newest first, three entries at most; white and a repeat of the newest are not kept.
    struct Case {
        History before;
        PipetteColour colour;
        History after;
        bool added;
    };
    const Case cases[] = {
        {{}, 0x0000FF, {0x0000FF}, true},
        {{0x0000FF}, 0x00FF00, {0x00FF00, 0x0000FF}, true},
        {{0x00FF00, 0x0000FF}, 0xFF0000, {0xFF0000, 0x00FF00, 0x0000FF}, true},
        {{0xFF0000, 0x00FF00, 0x0000FF}, 0x123456, {0x123456, 0xFF0000, 0x00FF00}, true},  // oldest drops out
        {{0x00FF00, 0x0000FF}, 0x00FF00, {0x00FF00, 0x0000FF}, false},                     // same as the newest
        {{0x00FF00, 0x0000FF}, 0x0000FF, {0x0000FF, 0x00FF00, 0x0000FF}, true},            // only the newest counts
        {{0x0000FF}, 0xFFFFFF, {0x0000FF}, false},                                         // white
        {{}, 0xFFFFFFFF, {}, false},                                                       // white with stray high bits
        {{}, 0x000000, {0x000000}, true},                                                  // black is a colour
    };
    for (const Case& c : cases) {
        History history = c.before;
        EXPECT_EQ(pushPipetteHistory(history, c.colour), c.added) << std::hex << c.colour;
        EXPECT_EQ(history, c.after) << std::hex << c.colour;
    }
}

TEST(PipetteMode, TakeAndCancel) {
    Pipette pipette;
    EXPECT_FALSE(pipette.active());
    pipette.start(0x112233);
    EXPECT_TRUE(pipette.active());
    pipette.hover(0x445566);
    EXPECT_EQ(pipette.cancel(), 0x112233u);  // the colour from before comes back
    EXPECT_FALSE(pipette.active());
    EXPECT_TRUE(pipette.history().empty());

    pipette.start(0x112233);
    EXPECT_EQ(pipette.take(0x445566), 0x445566u);
    EXPECT_FALSE(pipette.active());
    EXPECT_EQ(pipette.current(), 0x445566u);
    // Taking white makes it current but leaves the history alone.
    pipette.start(pipette.current());
    pipette.take(0xFFFFFF);
    EXPECT_EQ(pipette.current(), 0xFFFFFFu);
    EXPECT_EQ(pipette.history(), (History{0x445566}));
    // A cancel after a take restores the taken colour, not the older one.
    pipette.start(0x445566);
    pipette.hover(0x000000);
    EXPECT_EQ(pipette.cancel(), 0x445566u);
}

TEST(PipetteMode, StatusText) {
    EXPECT_EQ(pipetteColourText(0x1EC80A), "R=10 V=200 B=30");  // 0x00BBGGRR
    EXPECT_EQ(pipetteColourText(0), "R=0 V=0 B=0");
}

}  // namespace
}  // namespace ordinax::shell
