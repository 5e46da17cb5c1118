// The painted areas of a diagram.
#include "document/paint_targets.h"

#include "base/strings_drawing.h"

namespace ordinax::document {

namespace {

bool slotShown(const Diagram& diagram, int slot) {
    const LabelSlot& label = diagram.labels[static_cast<std::size_t>(slot)];
    if (label.placement < 0) return false;
    if (slot >= FirstTagSlot) return diagram.tagOrder[static_cast<std::size_t>(slot - FirstTagSlot)] >= 0;
    if (slot == LegendSlot) return true;
    return !label.text.empty();
}

}  // namespace

PaintStyle& paintOf(Diagram& diagram, const PaintTarget& target) {
    switch (target.kind) {
        case PaintTarget::Kind::Background:
            return diagram.backPaint;
        case PaintTarget::Kind::Plot:
            return diagram.diagramPaint;
        case PaintTarget::Kind::Slot:
            break;
    }
    const int slot = target.slot >= 0 && target.slot < LabelSlotCount ? target.slot : 0;
    return diagram.labels[static_cast<std::size_t>(slot)].paint;
}

const PaintStyle& paintOf(const Diagram& diagram, const PaintTarget& target) {
    return paintOf(const_cast<Diagram&>(diagram), target);
}

std::vector<PaintTarget> paintTargets(const Diagram& diagram, PaintGroup group) {
    std::vector<PaintTarget> targets;
    auto slots = [&](int first, int last) {
        for (int slot = first; slot <= last; ++slot)
            if (slotShown(diagram, slot)) targets.push_back({PaintTarget::Kind::Slot, slot});
    };
    switch (group) {
        case PaintGroup::Background:
            targets.push_back({PaintTarget::Kind::Background, -1});
            break;
        case PaintGroup::Plot:
            targets.push_back({PaintTarget::Kind::Plot, -1});
            break;
        case PaintGroup::Labels:
            slots(0, LegendSlot - 1);
            break;
        case PaintGroup::Legends:
            slots(LegendSlot, LegendSlot);
            break;
        case PaintGroup::Tags:
            slots(FirstTagSlot, LabelSlotCount - 1);
            break;
    }
    return targets;
}

int preferredTarget(const std::vector<PaintTarget>& targets, int selectedSlot) {
    for (std::size_t i = 0; i < targets.size(); ++i)
        if (targets[i].kind == PaintTarget::Kind::Slot && targets[i].slot == selectedSlot) return static_cast<int>(i);
    return 0;
}

bool takesPicture(const PaintTarget& target) {
    return target.kind != PaintTarget::Kind::Slot;
}

int paintTargetNameId(const PaintTarget& target) {
    switch (target.kind) {
        case PaintTarget::Kind::Background:
            return base::MsgBackgroundName;
        case PaintTarget::Kind::Plot:
            return base::MsgDiagramAreaName;
        case PaintTarget::Kind::Slot:
            break;
    }
    return base::MsgSlotNameFirst + target.slot;
}

}  // namespace ordinax::document
