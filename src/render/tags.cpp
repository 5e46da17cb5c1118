// Tag anchoring, push-back into the diagram and stacking order.
#include "render/tags.h"

#include <algorithm>
#include <cmath>

namespace ordinax::render {

namespace {

constexpr double PixelLimit = 1.0e8;

struct Centre {
    double x;
    double y;
    double halfWidth;
    double halfHeight;
};

Centre centreOf(const DevRect& r) {
    return {(r.left + r.right) / 2.0, (r.top + r.bottom) / 2.0, r.width() / 2.0, r.height() / 2.0};
}

// Shifts [low, high) into [min, max); the low edge wins when it cannot fit.
void pushInside(int& low, int& high, int min, int max) {
    if (high > max) {
        low -= high - max;
        high = max;
    }
    if (low < min) {
        high += min - low;
        low = min;
    }
}

}  // namespace

DevPoint tagCentre(const DevRect& plotRect, const TagPosition& position) {
    const Centre c = centreOf(plotRect);
    const double x = c.x + c.halfWidth * position[0] / TagAnchorUnit;
    const double y = c.y + c.halfHeight * position[1] / TagAnchorUnit;
    // Positions come from files: keep the point well inside the int range.
    auto toPixel = [](double v) {
        return static_cast<int>(std::lround(std::isfinite(v) ? std::clamp(v, -PixelLimit, PixelLimit) : 0.0));
    };
    return {toPixel(x), toPixel(y)};
}

TagPosition tagAnchor(const DevRect& plotRect, const DevRect& tagRect) {
    const Centre plot = centreOf(plotRect);
    const Centre tag = centreOf(tagRect);
    TagPosition anchor{0.0, 0.0};
    if (plot.halfWidth > 0.0) anchor[0] = (tag.x - plot.x) / plot.halfWidth * TagAnchorUnit;
    if (plot.halfHeight > 0.0) anchor[1] = (tag.y - plot.y) / plot.halfHeight * TagAnchorUnit;
    return anchor;
}

TagPlacement placeTag(const DevRect& plotRect, const DevRect& diagramRect, const TagPosition& position, int width,
                      int height) {
    const DevPoint centre = tagCentre(plotRect, position);
    TagPlacement placed;
    DevRect& r = placed.rect;
    r.left = centre.x - width / 2;
    r.top = centre.y - height / 2;
    r.right = r.left + width;
    r.bottom = r.top + height;
    pushInside(r.left, r.right, diagramRect.left, diagramRect.right);
    pushInside(r.top, r.bottom, diagramRect.top, diagramRect.bottom);
    placed.anchor = tagAnchor(plotRect, r);
    return placed;
}

TagPosition tagPositionFromRect(const DevRect& plotRect, const DevRect& rect) {
    const Centre plot = centreOf(plotRect);
    // placeTag puts the left edge at centre − width / 2 (integer halves): the
    // centre it needs is that pixel, not the geometric centre of an odd box.
    const double x = rect.left + rect.width() / 2;
    const double y = rect.top + rect.height() / 2;
    TagPosition position{0.0, 0.0};
    if (plot.halfWidth > 0.0) position[0] = (x - plot.x) / plot.halfWidth * TagAnchorUnit;
    if (plot.halfHeight > 0.0) position[1] = (y - plot.y) / plot.halfHeight * TagAnchorUnit;
    return position;
}

DevRect movedTagRect(const DevRect& start, int dx, int dy, const DevRect& diagramRect) {
    DevRect r = start.offset(dx, dy);
    pushInside(r.left, r.right, diagramRect.left, diagramRect.right);
    pushInside(r.top, r.bottom, diagramRect.top, diagramRect.bottom);
    return r;
}

std::vector<int> tagDrawingOrder(const document::Diagram& diagram) {
    std::vector<int> order;
    for (int level = 0; level < document::TagCount; ++level) {
        for (int tag = 0; tag < document::TagCount; ++tag) {
            const int slot = document::FirstTagSlot + tag;
            if (diagram.tagOrder[static_cast<std::size_t>(tag)] != level) continue;
            const document::LabelSlot& label = diagram.labels[static_cast<std::size_t>(slot)];
            if (label.placement < 0 || label.text.empty()) continue;
            order.push_back(slot);
        }
    }
    return order;
}

}  // namespace ordinax::render
