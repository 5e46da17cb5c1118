// The colour-picking mode of the view: the colour before the mode started,
// the colour under the cursor, and the history of the last three colours
// taken. Nothing here needs Qt.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ordinax::shell {

// Colour as the settings store keeps it: 0x00BBGGRR.
using PipetteColour = std::uint32_t;

inline constexpr PipetteColour PipetteWhite = 0xFFFFFF;
inline constexpr std::size_t PipetteHistorySize = 3;

// Puts a taken colour in front of the history (newest first, at most three)
// unless it is white or the same as the newest entry; true when it was added.
bool pushPipetteHistory(std::vector<PipetteColour>& history, PipetteColour colour);

// "R=r V=g B=b" for the status bar.
std::string pipetteColourText(PipetteColour colour);

class Pipette {
public:
    // Enters the mode; `current` is the colour to restore when it is left without taking one.
    void start(PipetteColour current);
    bool active() const { return active_; }

    // The colour under the cursor while the mode lasts.
    void hover(PipetteColour colour) { hovered_ = colour; }
    PipetteColour hovered() const { return hovered_; }

    // Takes `colour`: it becomes the current colour, goes on the history and the mode ends.
    PipetteColour take(PipetteColour colour);

    // Leaves the mode without taking a colour; the colour from before the mode is current again.
    PipetteColour cancel();

    PipetteColour current() const { return current_; }
    const std::vector<PipetteColour>& history() const { return history_; }

private:
    bool active_ = false;
    PipetteColour current_ = 0;
    PipetteColour previous_ = 0;
    PipetteColour hovered_ = 0;
    std::vector<PipetteColour> history_;
};

}  // namespace ordinax::shell
