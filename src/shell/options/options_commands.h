// The commands of the File, Options, Tools and View menus that open the
// page-setup sheet, the preferences, the macros and the default margins.
#pragma once

namespace ordinax::shell {

class CMainFrame;

// Gives the frame the handlers of those dialogs.
void installOptionsCommands(CMainFrame& frame);

}  // namespace ordinax::shell
