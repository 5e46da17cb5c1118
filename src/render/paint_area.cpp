// Shadow, fill and border of painted areas.
#include "render/paint_area.h"

#include <algorithm>
#include <cmath>

#include "render/gradient.h"
#include "render/shadows.h"

namespace ordinax::render {

using document::PaintStyle;

namespace {

bool softShadowWanted(const PaintStyle& style, bool simpleShadow) {
    return !simpleShadow && style[PaintStyle::ShadowHardness] < 100;
}

}  // namespace

void paintShadow(DrawDevice& device, const DevRect& rect, const PaintStyle& style, const DeviceScale& scale,
                 bool simpleShadow) {
    if (rect.empty() || style[PaintStyle::Shadow] == 0) return;
    const int depthX = scale.x(style[PaintStyle::ShadowDepthX]);
    const int depthY = scale.y(style[PaintStyle::ShadowDepthY]);
    const auto colour = static_cast<Colour>(style[PaintStyle::ShadowColour]);
    if (!softShadowWanted(style, simpleShadow)) {
        hardShadow(device, rect, depthX, depthY, colour);
        return;
    }
    softShadow(device, rect, depthX, depthY, scale.x(style[PaintStyle::BorderWidthX]),
               scale.y(style[PaintStyle::BorderWidthY]), colour, style[PaintStyle::ShadowHardness]);
}

void paintFill(DrawDevice& device, const DevRect& rect, const PaintStyle& style) {
    if (rect.empty() || style[PaintStyle::Fill] == 0) return;
    gradientFill(device, rect, static_cast<Colour>(style[PaintStyle::FillColour1]),
                 static_cast<Colour>(style[PaintStyle::FillColour2]), style[PaintStyle::Gradient]);
}

int borderPenWidth(const PaintStyle& style, const DeviceScale& scale) {
    return std::max(1, (scale.x(style[PaintStyle::BorderWidthX]) + scale.y(style[PaintStyle::BorderWidthY])) / 2);
}

void paintBorder(DrawDevice& device, const DevRect& rect, const PaintStyle& style, const DeviceScale& scale) {
    if (rect.empty() || style[PaintStyle::Border] == 0) return;
    device.setPen({PenStyle::Solid, borderPenWidth(style, scale), static_cast<Colour>(style[PaintStyle::BorderColour])});
    device.setBrush(HollowBrush);
    device.rectangle(rect);
}

void paintArea(DrawDevice& device, const DevRect& rect, const PaintStyle& style, const DeviceScale& scale,
               bool simpleShadow) {
    if (rect.empty()) return;
    paintShadow(device, rect, style, scale, simpleShadow);
    paintFill(device, rect, style);
    paintBorder(device, rect, style, scale);
}

DevPoint shadowExtent(const PaintStyle& style, const DeviceScale& scale, bool simpleShadow) {
    if (style[PaintStyle::Shadow] == 0) return {0, 0};
    const int depthX = scale.x(style[PaintStyle::ShadowDepthX]);
    const int depthY = scale.y(style[PaintStyle::ShadowDepthY]);
    if (!softShadowWanted(style, simpleShadow)) return {depthX, depthY};
    // The soft band ends at half the border beyond the edge plus the offset.
    const double grow = 1.0 + std::clamp(style[PaintStyle::ShadowHardness], 0, 100) / 100.0;
    return {scale.x(style[PaintStyle::BorderWidthX]) / 2 + static_cast<int>(std::lround(depthX * grow)),
            scale.y(style[PaintStyle::BorderWidthY]) / 2 + static_cast<int>(std::lround(depthY * grow))};
}

}  // namespace ordinax::render
