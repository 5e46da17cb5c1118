// "E&xplorateur de fichiers Ordinax...": the explorer, then the diagram chosen in it opened.
#pragma once

namespace ordinax::shell {

class CMainFrame;

// Installs the handler of the explorer command.
void installExplorerCommands(CMainFrame& frame);

// Runs the explorer; true when a diagram was opened from it.
bool runExplorer(CMainFrame& frame);

}  // namespace ordinax::shell
