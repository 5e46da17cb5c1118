// The explorer command.
#include "shell/explorer/explorer_commands.h"

#include "shell/explorer/explorer_dialog.h"
#include "shell/main_frame.h"
#include "shell/startup.h"

namespace ordinax::shell {

bool runExplorer(CMainFrame& frame) {
    // The diagram open now, else the last one opened.
    QString last = QString::fromStdString(frame.document().path());
    if (last.isEmpty()) {
        const std::vector<std::string> recent = recentFiles(frame.preferences());
        if (!recent.empty()) last = QString::fromStdString(recent.front());
    }
    ExplorerDialog dialog(frame.prompts(), frame.preferences(), frame.store(), last, &frame);
    if (dialog.exec() != QDialog::Accepted || dialog.chosenFile().isEmpty()) return false;
    return frame.openFile(dialog.chosenFile());
}

void installExplorerCommands(CMainFrame& frame) {
    frame.setCommandHandler(CommandId::ToolExplorer, [&frame] { runExplorer(frame); });
}

}  // namespace ordinax::shell
