// The recording device: operations kept in order, text measured with fixed metrics.
#include "render/recording_device.h"

#include <algorithm>
#include <cstdlib>

namespace ordinax::render {

int RecordingDevice::pixelHeight(const base::LogFont& font) {
    return font.height == 0 ? 16 : std::abs(font.height);
}

RecordedOp RecordingDevice::current(OpKind kind) const {
    RecordedOp op;
    op.kind = kind;
    op.pen = pen_;
    op.brush = brush_;
    op.font = font_;
    op.textColour = textColour_;
    return op;
}

void RecordingDevice::polyline(std::span<const DevPoint> points) {
    RecordedOp op = current(OpKind::Polyline);
    op.points.assign(points.begin(), points.end());
    ops_.push_back(std::move(op));
}

void RecordingDevice::polygon(std::span<const DevPoint> points) {
    RecordedOp op = current(OpKind::Polygon);
    op.points.assign(points.begin(), points.end());
    ops_.push_back(std::move(op));
}

void RecordingDevice::text(int x, int y, std::string_view text) {
    RecordedOp op = current(OpKind::Text);
    op.points.push_back({x, y});
    op.text.assign(text);
    ops_.push_back(std::move(op));
}

TextExtent RecordingDevice::textExtent(std::string_view text) {
    const int h = pixelHeight(font_);
    return {static_cast<int>(text.size()) * std::max(1, h / 2), h};
}

FontMetrics RecordingDevice::fontMetrics() {
    const int h = pixelHeight(font_);
    return {h - h / 5, h / 5};
}

void RecordingDevice::setClip(const ClipArea& area) {
    RecordedOp op = current(OpKind::Clip);
    op.clip = area;
    ops_.push_back(std::move(op));
}

void RecordingDevice::clearClip() { ops_.push_back(current(OpKind::ClearClip)); }

void RecordingDevice::image(const DevRect& destination, const RasterImage&) {
    RecordedOp op = current(OpKind::Image);
    op.rect = destination;
    ops_.push_back(std::move(op));
}

std::vector<std::string> RecordingDevice::texts() const {
    std::vector<std::string> result;
    for (const RecordedOp& op : ops_)
        if (op.kind == OpKind::Text) result.push_back(op.text);
    return result;
}

}  // namespace ordinax::render
