// The commands of the menus that open dialogs.
#include "shell/dialog_commands.h"

#include "shell/format/format_commands.h"
#include "shell/main_frame.h"
#include "shell/options/options_commands.h"

namespace ordinax::shell {

void installDialogCommands(CMainFrame& frame) {
    // One line per menu group, each installing the handlers of its folder.
    installFormatCommands(frame);
    installOptionsCommands(frame);
}

}  // namespace ordinax::shell
