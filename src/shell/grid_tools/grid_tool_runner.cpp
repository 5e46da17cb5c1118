// The coordinate tools of the grid.
#include "shell/grid_tools/grid_tool_runner.h"

#include "numerics/grid_tool_rules.h"
#include "shell/grid/grid_dialog.h"
#include "shell/grid_tools/grid_correction_dialog.h"
#include "shell/grid_tools/grid_tool_dialogs.h"
#include "shell/user_prompts.h"

namespace ordinax::shell {

using numerics::CoordinateTool;
using numerics::Selection;

void runGridTool(GridDialog& grid, CoordinateTool tool) {
    UserPrompts& prompts = grid.prompts();
    const int n = grid.grid().pointCount();
    const Selection selection = numerics::toolSelection(grid.selection(), n);
    if (const base::Message refused = numerics::checkSelection(tool, selection, n); !refused.empty()) {
        prompts.show(refused);
        return;
    }
    auto run = [&grid](auto change) {
        grid.changePoints([&change](document::Curve& curve) { return change(curve).message; });
    };
    switch (tool) {
        case CoordinateTool::Limit: {
            GridLimitDialog dialog(prompts, grid.grid().curve, selection, &grid);
            if (dialog.exec() != QDialog::Accepted || !dialog.bounds().apply) return;
            const numerics::LimitBounds b = dialog.bounds();
            const bool inside = dialog.removeInside();
            run([&](document::Curve& c) { return numerics::limitCoordinates(c, selection, b.mini, b.maxi, inside); });
            break;
        }
        case CoordinateTool::Sort: {
            GridSortDialog dialog(prompts, &grid);
            if (dialog.exec() != QDialog::Accepted) return;
            const Selection rows = numerics::scopeSelection(dialog.scope(), selection, n);
            const bool descending = dialog.descending();
            run([&](document::Curve& c) { return numerics::sortPoints(c, rows, descending); });
            break;
        }
        case CoordinateTool::Invert: {
            GridInvertDialog dialog(prompts, selection.kind() == 2, &grid);
            if (dialog.exec() != QDialog::Accepted) return;
            const Selection rows = dialog.selectionOnly() ? selection : Selection::none();
            run([&](document::Curve& c) { return numerics::invertCoordinates(c, rows); });
            break;
        }
        case CoordinateTool::PolarCartesian: {
            GridPolarDialog dialog(prompts, &grid);
            if (dialog.exec() != QDialog::Accepted) return;
            const bool degrees = dialog.degrees();
            if (dialog.toPolar())
                run([&](document::Curve& c) { return numerics::cartesianToPolar(c, degrees); });
            else
                run([&](document::Curve& c) { return numerics::polarToCartesian(c, degrees); });
            break;
        }
        case CoordinateTool::Correction: {
            GridCorrectionDialog dialog(prompts, selection, &grid);
            if (dialog.exec() != QDialog::Accepted) return;
            const Selection rows = numerics::scopeSelection(dialog.scope(), selection, n);
            const numerics::CorrectionOperation operation = dialog.operation();
            const numerics::CorrectionParameters parameters = dialog.parameters();
            run([&](document::Curve& c) { return numerics::applyCorrection(c, rows, operation, parameters); });
            break;
        }
        case CoordinateTool::Sequence: {
            GridSequenceDialog dialog(prompts, numerics::defaultSequence(selection, n), &grid);
            if (dialog.exec() != QDialog::Accepted) return;
            const numerics::SequenceParameters parameters = dialog.parameters();
            run([&](document::Curve& c) { return numerics::numericSequence(c, parameters); });
            break;
        }
        case CoordinateTool::Average:
            if (!prompts.askYesNo(numerics::averageConfirmation(selection))) return;
            run([&](document::Curve& c) { return numerics::averageCoordinates(c, selection); });
            break;
        case CoordinateTool::Cumulate:
            run([&](document::Curve& c) { return numerics::cumulateCoordinates(c, selection); });
            break;
        case CoordinateTool::CumulativeFrequency: {
            const base::Message question = numerics::cumulativeFrequencyConfirmation(selection, n);
            if (!question.empty() && !prompts.askYesNo(question)) return;
            run([](document::Curve& c) { return numerics::cumulativeFrequencies(c); });
            break;
        }
    }
}

}  // namespace ordinax::shell
