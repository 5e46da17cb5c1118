// The commands of the Scales and Format menus that open dialogs.
#pragma once

namespace ordinax::shell {

class CMainFrame;

// Gives the frame the handlers of the scale, grid, fill, border and shadow
// dialogs and of the label, legend and tag commands.
void installFormatCommands(CMainFrame& frame);

}  // namespace ordinax::shell
