// Hit-testing of the laid-out diagram.
#include "render/hit_test.h"

#include <cstddef>

namespace ordinax::render {

namespace {

const DevRect& blockOf(const DiagramLayout& layout, int slot) {
    return layout.blocks[static_cast<std::size_t>(slot)];
}

}  // namespace

HitResult hitTest(const DiagramLayout& layout, const document::Diagram& diagram, DevPoint point) {
    HitResult hit;
    // Tags in slot order, not stacking order: the first tag in use wins.
    for (int tag = 0; tag < document::TagCount; ++tag) {
        const int slot = document::FirstTagSlot + tag;
        if (diagram.tagOrder[static_cast<std::size_t>(tag)] < 0) continue;
        if (diagram.labels[static_cast<std::size_t>(slot)].placement < 0) continue;
        if (!blockOf(layout, slot).contains(point)) continue;
        hit.kind = HitKind::Tag;
        hit.slot = slot;
        hit.tag = tag;
        return hit;
    }
    if (diagram.labels[document::LegendSlot].placement >= 0 && blockOf(layout, document::LegendSlot).contains(point)) {
        hit.kind = HitKind::Legend;
        hit.slot = document::LegendSlot;
        for (const LegendLineRect& line : layout.legendLines) {
            if (line.rect.contains(point)) {
                hit.curve = line.curve;
                break;
            }
        }
        return hit;
    }
    if (layout.plotRect.contains(point)) {
        hit.kind = HitKind::Plot;
        return hit;
    }
    for (int direction = 0; direction < 2; ++direction) {
        for (int side = 0; side < 2; ++side) {
            const document::AxisScale& scale =
                diagram.scales.axis[static_cast<std::size_t>(direction)][static_cast<std::size_t>(side)];
            if (scale.active == 0) continue;
            if (!layout.scaleAreas[static_cast<std::size_t>(direction)][static_cast<std::size_t>(side)].contains(point))
                continue;
            hit.kind = HitKind::Scale;
            hit.direction = direction;
            hit.side = side;
            return hit;
        }
    }
    for (int slot = 0; slot < document::LegendSlot; ++slot) {
        if (diagram.labels[static_cast<std::size_t>(slot)].placement < 0) continue;
        if (!blockOf(layout, slot).contains(point)) continue;
        hit.kind = HitKind::Label;
        hit.slot = slot;
        return hit;
    }
    return hit;
}

}  // namespace ordinax::render
