// The commands of the menus that open dialogs, installed on the main window
// group by group (curves, analysis, format, data, options, tools).
#pragma once

namespace ordinax::shell {

class CMainFrame;

// Gives the frame the handlers of every dialog command.
void installDialogCommands(CMainFrame& frame);

}  // namespace ordinax::shell
