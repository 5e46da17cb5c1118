// The handlers of the analysis commands.
#include "shell/analysis/analysis_commands.h"

#include "shell/analysis/smoothing_dialog.h"
#include "shell/analysis_tools/tool_commands.h"
#include "shell/main_frame.h"

namespace ordinax::shell {

void installAnalysisCommands(CMainFrame& frame) {
    frame.setCommandHandler(CommandId::CurveSmoothing, [&frame] { runSmoothingDialog(frame); });
    installToolCommands(frame);
}

}  // namespace ordinax::shell
