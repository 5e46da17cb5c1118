// The commands of the "Courbe" menu.
#include "shell/curves/curve_commands.h"

#include <QStatusBar>

#include "base/strings.h"
#include "base/strings_curves.h"
#include "document/curve_dialog_rules.h"
#include "document/orx_file.h"
#include "render/display_update.h"
#include "shell/common/diagram_edit.h"
#include "shell/curves/curve_new_dialog.h"
#include "shell/curves/curve_ui.h"
#include "shell/curves/export/curve_export_dialog.h"
#include "shell/curves/manage/curve_arrange_dialogs.h"
#include "shell/curves/manage/curve_bounds_dialogs.h"
#include "shell/curves/manage/curve_list_dialogs.h"
#include "shell/curves/new_curve_modes.h"
#include "shell/curves/style/line_dialog.h"
#include "shell/curves/style/symbol_dialog.h"
#include "shell/grid/grid_dialog.h"
#include "shell/main_frame.h"

namespace ordinax::shell {

namespace {

using document::Diagram;

bool diagramFull(CMainFrame& frame) {
    if (frame.document().diagram().curveCount() < document::MaxCurves) return false;
    frame.prompts().show(document::diagramFullMessage());
    return true;
}

// Dialogs with a live preview: the view draws the working copy as it changes.
template <typename Dialog>
void previewChanges(CMainFrame& frame, DiagramEdit& edit, Dialog& dialog) {
    edit.preview();
    QObject::connect(&dialog, &Dialog::workingChanged, &frame.view(), [&frame] { frame.view().refresh(); });
}

// A first curve in a diagram gets scales that show it.
void scalesForFirstCurve(Diagram& diagram) {
    if (diagram.curveCount() == 1) render::showNewData(diagram);
}

void newCurve(CMainFrame& frame) {
    if (diagramFull(frame)) return;
    CurveNewDialog dialog(frame.prompts(), &frame);
    if (dialog.exec() != QDialog::Accepted) return;
    runNewCurveMode(dialog.mode(), frame);
}

void manualCurve(CMainFrame& frame) {
    DiagramEdit edit(frame.document(), &frame.view());
    const settings::Preferences& p = frame.preferences();
    const document::CurveOpResult r = document::newManualCurve(edit.working(), frame.document().defaults(), p.symbol,
                                                               p.line, p.changeSymbol != 0,
                                                               frame.document().selectedCurve());
    if (!r.changed) {
        frame.prompts().show(r.message);
        return;
    }
    edit.preview();
    GridDialog grid(frame.prompts(), edit.working(), r.selected, &frame.view(), &frame);
    if (grid.exec() != QDialog::Accepted) return;
    scalesForFirstCurve(edit.working());
    edit.commit(r.selected);
}

void curveFromOtherFile(CMainFrame& frame) {
    const QString path = frame.prompts().openFileName(
        QString::fromStdString(frame.preferences().folder(settings::Folder::Diagrams)));
    if (path.isEmpty()) return;
    Diagram other;
    const document::ReadResult read = document::readDiagramFile(path.toStdString(), frame.document().defaults(), other);
    if (!read.ok) {
        frame.prompts().show(read.message);
        return;
    }
    if (other.curveCount() == 0) {
        frame.prompts().show(base::makeMessage(base::MsgNewCurveNoCurveInFile, base::Heading::Warning,
                                               path.toStdString()));
        return;
    }
    int chosen = 0;
    if (other.curveCount() > 1) {
        CurveSelectDialog dialog(frame.prompts(), other, 0, &frame);
        if (dialog.exec() != QDialog::Accepted || dialog.chosen() < 0) return;
        chosen = dialog.chosen();
    }
    DiagramEdit edit(frame.document(), &frame.view());
    const document::CurveOpResult r = document::takeCurve(
        edit.working(), other.curves[static_cast<std::size_t>(chosen)], frame.document().selectedCurve());
    if (!r.changed) {
        frame.prompts().show(r.message);
        return;
    }
    scalesForFirstCurve(edit.working());
    edit.commit(r.selected);
}

void duplicate(CMainFrame& frame) {
    if (diagramFull(frame)) return;
    DiagramEdit edit(frame.document(), &frame.view());
    CurveDuplicateDialog dialog(frame.prompts(), edit.working(), frame.document().selectedCurve(), &frame);
    if (dialog.exec() == QDialog::Accepted) edit.commit(dialog.selectedAfter());
}

void concatenate(CMainFrame& frame) {
    if (diagramFull(frame)) return;
    DiagramEdit edit(frame.document(), &frame.view());
    CurveConcatenateDialog dialog(frame.prompts(), edit.working(), frame.document().selectedCurve(),
                                  frame.preferences().symbol, &frame);
    if (dialog.exec() == QDialog::Accepted) edit.commit(dialog.selectedAfter());
}

void remove(CMainFrame& frame) {
    DiagramEdit edit(frame.document(), &frame.view());
    CurveDeleteDialog dialog(frame.prompts(), edit.working(), frame.document().selectedCurve(), &frame);
    previewChanges(frame, edit, dialog);
    if (dialog.exec() == QDialog::Accepted) edit.commit(dialog.selectedAfter());
}

void activate(CMainFrame& frame) {
    DiagramEdit edit(frame.document(), &frame.view());
    CurveActivateDialog dialog(frame.prompts(), edit.working(), &frame);
    previewChanges(frame, edit, dialog);
    if (dialog.exec() == QDialog::Accepted) edit.commit();
}

void order(CMainFrame& frame) {
    DiagramEdit edit(frame.document(), &frame.view());
    CurveOrderDialog dialog(frame.prompts(), edit.working(), frame.document().selectedCurve(), &frame);
    previewChanges(frame, edit, dialog);
    if (dialog.exec() == QDialog::Accepted) edit.commit(dialog.selectedAfter());
}

void delimit(CMainFrame& frame) {
    DiagramEdit edit(frame.document(), &frame.view());
    CurveDelimitDialog dialog(frame.prompts(), edit.working(), frame.document().selectedCurve(), &frame);
    previewChanges(frame, edit, dialog);
    if (dialog.exec() == QDialog::Accepted) edit.commit();
}

void information(CMainFrame& frame) {
    const Diagram& diagram = frame.document().diagram();
    const int curve = document::commandCurve(diagram, frame.document().selectedCurve());
    CurveInfoDialog dialog(frame.prompts(), diagram, curve < 0 ? 0 : curve, &frame);
    dialog.exec();
}

void select(CMainFrame& frame) {
    CurveSelectDialog dialog(frame.prompts(), frame.document().diagram(), frame.document().selectedCurve(), &frame);
    if (dialog.exec() != QDialog::Accepted || dialog.chosen() < 0) return;
    // The selection belongs to the view: no change of the diagram.
    frame.document().setSelectedCurve(
        document::selectCurve(frame.document().diagram(), dialog.chosen(), frame.document().selectedCurve()));
}

void symbol(CMainFrame& frame, int curve) {
    DiagramEdit edit(frame.document(), &frame.view());
    SymbolDialog dialog(frame.prompts(), frame.preferences(), frame.store(), edit.working(), curve, &frame);
    previewChanges(frame, edit, dialog);
    if (dialog.exec() == QDialog::Accepted) edit.commit(curve);
}

void line(CMainFrame& frame, int curve) {
    DiagramEdit edit(frame.document(), &frame.view());
    LineDialog dialog(frame.prompts(), frame.preferences(), frame.store(), edit.working(), curve, &frame);
    previewChanges(frame, edit, dialog);
    if (dialog.exec() == QDialog::Accepted) edit.commit(curve);
}

void exportCurve(CMainFrame& frame, int curve) {
    const document::Curve& c = frame.document().diagram().curves[static_cast<std::size_t>(curve)];
    CurveExportDialog dialog(frame.prompts(), c, curve, frame.document().fileName(),
                             frame.preferences().folder(settings::Folder::Exports), &frame);
    if (dialog.exec() != QDialog::Accepted || dialog.written().isEmpty()) return;
    frame.statusBar()->showMessage(tableText(base::MsgCurveExported, dialog.written()), 10000);
}

// A command on one curve: the curve asked first when none is selected.
std::function<void()> onCurve(CMainFrame& frame, void (*command)(CMainFrame&, int)) {
    return [&frame, command] {
        const int curve = curveForCommand(frame);
        if (curve >= 0) command(frame, curve);
    };
}

}  // namespace

int curveForCommand(CMainFrame& frame) {
    const Diagram& diagram = frame.document().diagram();
    const int curve = document::commandCurve(diagram, frame.document().selectedCurve());
    if (curve >= 0 || diagram.curveCount() == 0) return curve;
    CurveSelectDialog dialog(frame.prompts(), diagram, -1, &frame);
    if (dialog.exec() != QDialog::Accepted || dialog.chosen() < 0) return -1;
    frame.document().setSelectedCurve(dialog.chosen());
    frame.view().refresh();
    return dialog.chosen();
}

void editCurvePoints(CMainFrame& frame, int curve) {
    if (curve < 0 || curve >= frame.document().diagram().curveCount()) return;
    DiagramEdit edit(frame.document(), &frame.view());
    edit.preview();
    GridDialog grid(frame.prompts(), edit.working(), curve, &frame.view(), &frame);
    if (grid.exec() == QDialog::Accepted) edit.commit(curve);
}

void installCurveCommands(CMainFrame& frame) {
    frame.setCommandHandler(CommandId::CurveNew, [&frame] { newCurve(frame); });
    frame.setCommandHandler(CommandId::CurveDuplicate, [&frame] { duplicate(frame); });
    frame.setCommandHandler(CommandId::CurveConcatenate, [&frame] { concatenate(frame); });
    frame.setCommandHandler(CommandId::CurveDelete, [&frame] { remove(frame); });
    frame.setCommandHandler(CommandId::CurveActivate, [&frame] { activate(frame); });
    frame.setCommandHandler(CommandId::CurveOrder, [&frame] { order(frame); });
    frame.setCommandHandler(CommandId::CurveDelimit, [&frame] { delimit(frame); });
    frame.setCommandHandler(CommandId::CurveInfo, [&frame] { information(frame); });
    frame.setCommandHandler(CommandId::CurveSelect, [&frame] { select(frame); });
    frame.setCommandHandler(CommandId::CurveEditPoints, onCurve(frame, editCurvePoints));
    frame.setCommandHandler(CommandId::CurveSymbol, onCurve(frame, symbol));
    frame.setCommandHandler(CommandId::CurveLine, onCurve(frame, line));
    frame.setCommandHandler(CommandId::CurveExport, onCurve(frame, exportCurve));
    setNewCurveModeHandler(document::NewCurveMode::Manual, manualCurve);
    setNewCurveModeHandler(document::NewCurveMode::OtherFile, curveFromOtherFile);
}

}  // namespace ordinax::shell
