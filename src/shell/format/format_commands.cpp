// The commands of the Scales and Format menus.
#include "shell/format/format_commands.h"

#include "base/strings.h"
#include "base/strings_presentation.h"
#include "document/label_choices.h"
#include "render/grid_rules.h"
#include "richtext/rtf_writer.h"
#include "shell/common/colour_choice.h"
#include "shell/common/diagram_edit.h"
#include "shell/format/paint/paint_dialog.h"
#include "shell/format/placement/element_dialog.h"
#include "shell/format/placement/label_insert_dialog.h"
#include "shell/format/placement/legend_insert_dialog.h"
#include "shell/format/placement/tag_place_dialog.h"
#include "shell/format/scales/diagram_grid_dialog.h"
#include "shell/format/scales/scale_dialog.h"
#include "shell/labels/label_editor_dialog.h"
#include "shell/main_frame.h"
#include "units/unit_search.h"

namespace ordinax::shell {

namespace {

ColourButton::Chooser colourChooser(CMainFrame& frame) {
    return [&frame](std::int32_t initial) { return chooseColour(&frame, initial, frame.preferences(), frame.store()); };
}

void editScales(CMainFrame& frame) {
    // The scale the user pointed at, else the main X scale.
    const render::HitResult& hit = frame.view().lastHit();
    const document::Diagram& diagram = frame.document().diagram();
    int direction = 0;
    int side = render::mainSideOf(diagram.scales, 0);
    if (hit.kind == render::HitKind::Scale) {
        direction = hit.direction;
        side = hit.side;
    }
    DiagramEdit edit(frame.document(), &frame.view());
    ScaleDialog dialog(edit, frame.prompts(), direction, side, &frame);
    dialog.setColourChooser(colourChooser(frame));
    if (dialog.exec() == QDialog::Accepted) edit.commit();
}

void editGrid(CMainFrame& frame) {
    DiagramEdit edit(frame.document(), &frame.view());
    DiagramGridDialog dialog(edit, frame.prompts(), &frame);
    dialog.rememberPlacement(frame.store(), "GridDlg");
    if (dialog.exec() == QDialog::Accepted) edit.commit();
}

void editPaint(CMainFrame& frame, PaintAspect aspect, document::PaintGroup group) {
    DiagramEdit edit(frame.document(), &frame.view());
    PaintDialog dialog(aspect, group, edit, frame.prompts(), frame.view().selectedLabel(),
                       frame.preferences().simpleShadow != 0, &frame);
    if (dialog.targets().empty()) return;
    dialog.setColourChooser(colourChooser(frame));
    dialog.rememberPlacement(frame.store(), PaintDialog::placementKey(aspect));
    if (dialog.exec() == QDialog::Accepted) edit.commit();
}

// A message of the presentation group under "REMARQUE".
void remark(CMainFrame& frame, int id) {
    frame.prompts().show(base::makeMessage(id, base::Heading::Remark));
}

// Runs a dialog on a working copy; OK commits it as one step. `after` may
// go on editing the copy (the text of what was inserted) before the commit.
template <typename Dialog, typename After>
void runOnCopy(Dialog& dialog, DiagramEdit& edit, After after) {
    if (dialog.exec() != QDialog::Accepted) return;
    after(dialog);
    edit.commit();
}

std::string rtfFrame(CMainFrame& frame) {
    return richtext::readRtfTemplate(frame.preferences().install);
}

using TextGroup = LabelEditorDialog::Group;

// The editor on the copy of a command that just inserted `slot` (or `curve`'s legend).
void editInserted(CMainFrame& frame, DiagramEdit& edit, TextGroup group, int slot, int curve) {
    LabelEditorDialog editor(group, edit, frame.prompts(), slot, curve, rtfFrame(frame), &frame);
    if (editor.hasElements()) editor.exec();
}

void editText(CMainFrame& frame, TextGroup group) {
    DiagramEdit edit(frame.document(), &frame.view());
    LabelEditorDialog dialog(group, edit, frame.prompts(), frame.view().selectedLabel(),
                             frame.document().selectedCurve(), rtfFrame(frame), &frame);
    if (!dialog.hasElements()) return;
    if (dialog.exec() == QDialog::Accepted) edit.commit();
}

void insertLabel(CMainFrame& frame) {
    const document::Diagram& diagram = frame.document().diagram();
    if (document::insertableLabelSlots(diagram).empty()) return remark(frame, base::MsgAllLabelsInserted);
    std::array<std::string, 6> units;
    for (int slot = 0; slot < 6; ++slot) {
        const int curve = document::unitCurve(diagram, slot, frame.document().selectedCurve());
        if (curve < 0) continue;
        const int axis = document::axisOfLabelSlot(slot);
        units[static_cast<std::size_t>(slot)] =
            "(" +
            units::displayExpression(
                diagram.curves[static_cast<std::size_t>(curve)].unit[static_cast<std::size_t>(axis)]) +
            ")";
    }
    DiagramEdit edit(frame.document(), &frame.view());
    LabelInsertDialog dialog(edit, frame.prompts(), units, &frame);
    runOnCopy(dialog, edit,
              [&](LabelInsertDialog& done) { editInserted(frame, edit, TextGroup::Labels, done.insertedSlot(), -1); });
}

void insertLegend(CMainFrame& frame) {
    if (document::curvesWithoutLegend(frame.document().diagram()).empty())
        return remark(frame, base::MsgAllLegendsInserted);
    DiagramEdit edit(frame.document(), &frame.view());
    LegendInsertDialog dialog(edit, frame.prompts(), frame.document().selectedCurve(), &frame);
    runOnCopy(dialog, edit, [&](LegendInsertDialog& done) {
        // The legends of all curves keep their default texts.
        if (done.insertedCurve() >= 0) editInserted(frame, edit, TextGroup::Legends, -1, done.insertedCurve());
    });
}

void placeTag(CMainFrame& frame, TagPlaceDialog::Mode mode) {
    if (mode == TagPlaceDialog::Mode::Insert &&
        document::tagsShown(frame.document().diagram()).size() >= static_cast<std::size_t>(document::TagCount))
        return remark(frame, base::MsgTagsFull);
    DiagramEdit edit(frame.document(), &frame.view());
    TagPlaceDialog dialog(mode, edit, frame.prompts(), frame.view().selectedTag(), &frame);
    if (mode == TagPlaceDialog::Mode::Reposition) dialog.rememberPlacement(frame.store(), "LocateDlg");
    runOnCopy(dialog, edit, [&](TagPlaceDialog& done) {
        if (mode == TagPlaceDialog::Mode::Insert)
            editInserted(frame, edit, TextGroup::Tags, document::FirstTagSlot + done.tag(), -1);
    });
}

void actOnElement(CMainFrame& frame, ElementDialog::Action action, ElementDialog::Kind kind) {
    DiagramEdit edit(frame.document(), &frame.view());
    ElementDialog dialog(action, kind, edit, frame.prompts(), frame.view().selectedLabel(),
                         frame.document().selectedCurve(), &frame);
    if (!dialog.hasElements()) return;
    if (action == ElementDialog::Action::Reposition) dialog.rememberPlacement(frame.store(), "LocateDlg");
    runOnCopy(dialog, edit, [](ElementDialog&) {});
    // What was selected may be gone.
    if (action == ElementDialog::Action::Delete) frame.view().clearSelection();
}

struct PaintCommand {
    CommandId id;
    PaintAspect aspect;
    document::PaintGroup group;
};

constexpr PaintCommand PaintCommands[] = {
    {CommandId::BackgroundFill, PaintAspect::Fill, document::PaintGroup::Background},
    {CommandId::BackgroundBorder, PaintAspect::Border, document::PaintGroup::Background},
    {CommandId::BackgroundShadow, PaintAspect::Shadow, document::PaintGroup::Background},
    {CommandId::PlotFill, PaintAspect::Fill, document::PaintGroup::Plot},
    {CommandId::PlotBorder, PaintAspect::Border, document::PaintGroup::Plot},
    {CommandId::PlotShadow, PaintAspect::Shadow, document::PaintGroup::Plot},
    {CommandId::LabelFill, PaintAspect::Fill, document::PaintGroup::Labels},
    {CommandId::LabelBorder, PaintAspect::Border, document::PaintGroup::Labels},
    {CommandId::LabelShadow, PaintAspect::Shadow, document::PaintGroup::Labels},
    {CommandId::LegendFill, PaintAspect::Fill, document::PaintGroup::Legends},
    {CommandId::LegendBorder, PaintAspect::Border, document::PaintGroup::Legends},
    {CommandId::LegendShadow, PaintAspect::Shadow, document::PaintGroup::Legends},
    {CommandId::TagFill, PaintAspect::Fill, document::PaintGroup::Tags},
    {CommandId::TagBorder, PaintAspect::Border, document::PaintGroup::Tags},
    {CommandId::TagShadow, PaintAspect::Shadow, document::PaintGroup::Tags},
};

}  // namespace

void installFormatCommands(CMainFrame& frame) {
    for (const PaintCommand& command : PaintCommands)
        frame.setCommandHandler(command.id, [&frame, command] { editPaint(frame, command.aspect, command.group); });
    using A = ElementDialog::Action;
    using K = ElementDialog::Kind;
    frame.setCommandHandler(CommandId::LabelText, [&frame] { editText(frame, TextGroup::Labels); });
    frame.setCommandHandler(CommandId::LegendText, [&frame] { editText(frame, TextGroup::Legends); });
    frame.setCommandHandler(CommandId::TagText, [&frame] { editText(frame, TextGroup::Tags); });
    frame.setCommandHandler(CommandId::LabelInsert, [&frame] { insertLabel(frame); });
    frame.setCommandHandler(CommandId::LegendInsert, [&frame] { insertLegend(frame); });
    frame.setCommandHandler(CommandId::TagInsert, [&frame] { placeTag(frame, TagPlaceDialog::Mode::Insert); });
    frame.setCommandHandler(CommandId::TagReposition, [&frame] { placeTag(frame, TagPlaceDialog::Mode::Reposition); });
    frame.setCommandHandler(CommandId::LabelDelete, [&frame] { actOnElement(frame, A::Delete, K::Labels); });
    frame.setCommandHandler(CommandId::LegendDelete, [&frame] { actOnElement(frame, A::Delete, K::Legends); });
    frame.setCommandHandler(CommandId::TagDelete, [&frame] { actOnElement(frame, A::Delete, K::Tags); });
    frame.setCommandHandler(CommandId::LabelReposition, [&frame] { actOnElement(frame, A::Reposition, K::Labels); });
    frame.setCommandHandler(CommandId::LegendReposition, [&frame] { actOnElement(frame, A::Reposition, K::Legends); });
    frame.setCommandHandler(CommandId::ScaleManual, [&frame] { editScales(frame); });
    frame.setCommandHandler(CommandId::ScaleGrid, [&frame] { editGrid(frame); });
}

}  // namespace ordinax::shell
