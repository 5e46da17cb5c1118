// The handlers of the new-curve modes.
#include "shell/curves/new_curve_modes.h"

#include <array>

namespace ordinax::shell {

namespace {

std::array<NewCurveModeHandler, 5>& handlers() {
    static std::array<NewCurveModeHandler, 5> value;
    return value;
}

std::size_t slot(document::NewCurveMode mode) { return static_cast<std::size_t>(mode); }

}  // namespace

void setNewCurveModeHandler(document::NewCurveMode mode, NewCurveModeHandler handler) {
    handlers()[slot(mode)] = std::move(handler);
}

bool hasNewCurveModeHandler(document::NewCurveMode mode) { return static_cast<bool>(handlers()[slot(mode)]); }

bool runNewCurveMode(document::NewCurveMode mode, CMainFrame& frame) {
    // A copy: the handler may replace itself while it runs.
    const NewCurveModeHandler handler = handlers()[slot(mode)];
    if (!handler) return false;
    handler(frame);
    return true;
}

}  // namespace ordinax::shell
