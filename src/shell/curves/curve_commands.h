// The commands of the "Courbe" menu: each opens its dialog on a working copy
// of the diagram and commits it as one undo step on OK.
#pragma once

namespace ordinax::shell {

class CMainFrame;

// Gives the frame the handlers of the curve menu and installs the new-curve
// modes of this menu (the manual entry and the curve of another diagram file).
void installCurveCommands(CMainFrame& frame);

// The curve a command on "the selected curve" works on: the selection, the
// only curve, or the one the user chooses (which becomes the selection);
// -1 when the user gives up.
int curveForCommand(CMainFrame& frame);

// Opens the coordinates grid of a curve of the diagram (Ctrl+T).
void editCurvePoints(CMainFrame& frame, int curve);

}  // namespace ordinax::shell
