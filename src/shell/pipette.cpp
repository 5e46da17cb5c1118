// The colour-picking mode and its history.
#include "shell/pipette.h"

namespace ordinax::shell {

bool pushPipetteHistory(std::vector<PipetteColour>& history, PipetteColour colour) {
    colour &= 0xFFFFFF;
    if (colour == PipetteWhite) return false;
    if (!history.empty() && history.front() == colour) return false;
    history.insert(history.begin(), colour);
    if (history.size() > PipetteHistorySize) history.resize(PipetteHistorySize);
    return true;
}

std::string pipetteColourText(PipetteColour colour) {
    return "R=" + std::to_string(colour & 0xFF) + " V=" + std::to_string((colour >> 8) & 0xFF) +
           " B=" + std::to_string((colour >> 16) & 0xFF);
}

void Pipette::start(PipetteColour current) {
    active_ = true;
    current_ = current & 0xFFFFFF;
    previous_ = current_;
    hovered_ = current_;
}

PipetteColour Pipette::take(PipetteColour colour) {
    current_ = colour & 0xFFFFFF;
    pushPipetteHistory(history_, current_);
    active_ = false;
    return current_;
}

PipetteColour Pipette::cancel() {
    current_ = previous_;
    active_ = false;
    return current_;
}

}  // namespace ordinax::shell
