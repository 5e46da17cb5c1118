// How a diagram comes on screen after new data: the step the application
// runs when a dialog that brings data ends (text import, clipboard table,
// analytic function, picture acquisition), and the first display of a
// diagram that was never shown. The desktop application and ordinax-cli
// both call these, so a diagram written in batch opens and renders as the
// application shows it.
#pragma once

#include "document/diagram.h"

namespace ordinax::render {

// The command "Echelles auto": the extents of the curves and the data ranges
// of the active ones are recomputed, then the main scale of X and of Y gets
// its automatic bounds.
void autoScalesOfMainSides(document::Diagram& diagram);

// After new data: the automatic scales above, and a diagram never displayed
// (display mode 0) is shown in "Normal" (mode 1).
void showNewData(document::Diagram& diagram);

// A diagram never displayed (display mode 0) holding curves is shown the
// first time with automatic scales: its stored scales were never chosen by
// anyone. True when the scales were set; the display mode is left to the
// caller (the view or the output it draws for).
bool prepareFirstDisplay(document::Diagram& diagram);

}  // namespace ordinax::render
