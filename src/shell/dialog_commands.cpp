// The commands of the menus that open dialogs.
#include "shell/dialog_commands.h"

#include "shell/data/data_commands.h"
#include "shell/explorer/explorer_commands.h"
#include "shell/help/help_commands.h"
#include "shell/main_frame.h"

namespace ordinax::shell {

void installDialogCommands(CMainFrame& frame) {
    // One line per menu group, each installing the handlers of its folder.
    installDataCommands(frame);
    installExplorerCommands(frame);
    installHelpCommands(frame);
}

}  // namespace ordinax::shell
