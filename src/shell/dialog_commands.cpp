// The commands of the menus that open dialogs, and the windows of one menu
// group that the dialogs of another open.
#include "shell/dialog_commands.h"

#include "document/curve_dialog_rules.h"
#include "shell/acquisition/acquisition_commands.h"
#include "shell/analysis/analysis_commands.h"
#include "shell/analysis_function/function_dialog.h"
#include "shell/common/diagram_edit.h"
#include "shell/curves/curve_commands.h"
#include "shell/curves/new_curve_modes.h"
#include "shell/data/data_commands.h"
#include "shell/data/units/unit_commands.h"
#include "shell/explorer/explorer_commands.h"
#include "shell/format/format_commands.h"
#include "shell/grid/grid_hooks.h"
#include "shell/help/help_commands.h"
#include "shell/main_frame.h"
#include "shell/options/options_commands.h"

namespace ordinax::shell {

namespace {

// "Nouvelle..." by a window that fills one curve: a new empty curve with the
// style of the preferences, filled by `fill` on the working copy; one undo
// step when the window keeps what it made.
template <typename Fill>
void newCurveFilledBy(CMainFrame& frame, Fill fill) {
    DiagramEdit edit(frame.document(), &frame.view());
    const settings::Preferences& p = frame.preferences();
    const document::CurveOpResult made =
        document::newManualCurve(edit.working(), frame.document().defaults(), p.symbol, p.line,
                                 p.changeSymbol != 0, frame.document().selectedCurve());
    if (!made.changed) {
        frame.prompts().show(made.message);
        return;
    }
    if (fill(edit, made.selected)) edit.commit(made.selected);
}

void connectWindows() {
    setNewCurveModeHandler(document::NewCurveMode::TextImport, [](CMainFrame& frame) {
        newCurveFilledBy(frame, [&frame](DiagramEdit& edit, int curve) {
            return runTextImportInto(frame, edit, curve, {});
        });
    });
    setNewCurveModeHandler(document::NewCurveMode::Function,
                           [](CMainFrame& frame) { runFunctionDialog(frame, -1); });
    setNewCurveModeHandler(document::NewCurveMode::Picture, [](CMainFrame& frame) {
        newCurveFilledBy(frame, [&frame](DiagramEdit& edit, int curve) {
            return runPictureAcquisitionInto(frame, edit, curve);
        });
    });
}

}  // namespace

void installDialogCommands(CMainFrame& frame) {
    // One line per menu group, each installing the handlers of its folder.
    installDataCommands(frame);
    installExplorerCommands(frame);
    installHelpCommands(frame);
    installCurveCommands(frame);
    installAnalysisCommands(frame);
    installFormatCommands(frame);
    installOptionsCommands(frame);

    connectWindows();
    setGridUnitChooser([&frame](QWidget* parent, document::UnitDef& unit, int axis) {
        return chooseAxisUnit(frame, parent, unit, axis);
    });
    setGridFunctionEditor([&frame](QWidget* parent, document::Diagram& working, int curve) {
        return editFunctionOf(working, curve, frame.catalogue(), frame.prompts(), parent) >= 0;
    });
}

}  // namespace ordinax::shell
