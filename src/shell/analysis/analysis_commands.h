// The handlers of the analysis commands: "&Lissage..." (Ctrl+L) of the curve
// menu and the analysis tools of the tools menu.
#pragma once

namespace ordinax::shell {

class CMainFrame;

void installAnalysisCommands(CMainFrame& frame);

}  // namespace ordinax::shell
