// Who acquires a new curve in each mode of "Nouvelle...". The manual mode
// (the coordinates grid) and the curve taken from another diagram file are
// installed with the curve commands; the text import, the function and the
// picture acquisition are installed by their own windows. A mode without a
// handler is offered disabled.
#pragma once

#include <functional>

#include "document/curve_dialog_rules.h"

namespace ordinax::shell {

class CMainFrame;

// Runs the acquisition of one mode: it makes its own change of the diagram
// (one undo step), or nothing when the user gives up.
using NewCurveModeHandler = std::function<void(CMainFrame& frame)>;

// Installs the handler of a mode; an empty function removes it.
void setNewCurveModeHandler(document::NewCurveMode mode, NewCurveModeHandler handler);

bool hasNewCurveModeHandler(document::NewCurveMode mode);

// Runs the handler of a mode; false when the mode has none.
bool runNewCurveMode(document::NewCurveMode mode, CMainFrame& frame);

}  // namespace ordinax::shell
