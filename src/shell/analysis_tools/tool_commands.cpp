// The handlers of the tools menu's analysis commands.
#include "shell/analysis_tools/tool_commands.h"

#include "shell/analysis_tools/calculus_dialogs.h"
#include "shell/analysis_tools/derived_curve_dialog.h"
#include "shell/main_frame.h"

namespace ordinax::shell {

void installToolCommands(CMainFrame& frame) {
    using numerics::AnalysisTool;
    const std::pair<CommandId, AnalysisTool> derived[] = {
        {CommandId::ToolDerivative, AnalysisTool::Derivative},
        {CommandId::ToolResiduals, AnalysisTool::Residuals},
        {CommandId::ToolIntensitySpectrum, AnalysisTool::IntensitySpectrum},
        {CommandId::ToolPhaseSpectrum, AnalysisTool::PhaseSpectrum},
    };
    for (const auto& [id, tool] : derived)
        frame.setCommandHandler(id, [&frame, tool] { runDerivedCurveDialog(frame, tool); });
    const std::pair<CommandId, AnalysisTool> calculus[] = {
        {CommandId::ToolSurface, AnalysisTool::Surface},
        {CommandId::ToolYOfX, AnalysisTool::ValueAt},
        {CommandId::ToolXOfY, AnalysisTool::SolveFor},
    };
    for (const auto& [id, tool] : calculus)
        frame.setCommandHandler(id, [&frame, tool] { runCalculusDialog(frame, tool); });
}

}  // namespace ordinax::shell
