// Legend box: line heights, box size, the ten positions and the drawing.
#include "render/legend_box.h"

#include <algorithm>

#include "render/curve_drawing.h"
#include "render/paint_area.h"
#include "render/pens.h"
#include "render/symbol_drawing.h"

namespace ordinax::render {

namespace {

bool listed(const LegendContext& context, int index) {
    const document::Curve& curve = context.diagram.curves[static_cast<std::size_t>(index)];
    return curve.hidden == 0 && (context.curveFilter == -1 || context.curveFilter == index) && !curve.legend.empty();
}

SymbolExtent curveSymbolSize(const document::Curve& curve, const LegendContext& context, const DrawDevice& device) {
    if (curve.symbol.type == SymbolNone) return {};
    return symbolSize(curve.symbol.size, context.scale, context.screenDpiY, device.dpiX(), device.dpiY());
}

int linePenWidth(const document::Curve& curve, const LegendContext& context) {
    if (curve.line.type[0] == 0) return 0;
    return linePen(curve.line, 0, context.scale).width;
}

}  // namespace

LegendBox measureLegend(DrawDevice& device, MarkupBlockPainter& painter, const LegendContext& context,
                        const DevRect& diagramRect) {
    LegendBox box;
    const document::LabelSlot& slot = context.diagram.labels[document::LegendSlot];
    if (slot.placement < 0) return box;
    int widest = 0;
    for (int i = 0; i < context.diagram.curveCount(); ++i) {
        if (!listed(context, i)) continue;
        const document::Curve& curve = context.diagram.curves[static_cast<std::size_t>(i)];
        LegendLine line;
        line.curve = i;
        line.text = painter.measureBlock(device, curve.legend, false);
        const SymbolExtent symbol = curveSymbolSize(curve, context, device);
        line.height = std::max({line.text.height, symbol.height * 110 / 100, linePenWidth(curve, context) * 110 / 100});
        box.symbolWidth = std::max(box.symbolWidth, symbol.width);
        widest = std::max(widest, line.text.width);
        box.height += line.height;
        box.lines.push_back(line);
    }
    if (box.lines.empty()) return box;
    const DevPoint margins = innerMargins(slot.paint, context.scale);
    box.marginX = margins.x;
    box.marginY = margins.y;
    box.frame = frameWidth(slot.paint, context.scale);
    box.spaceX = context.scale.x(context.diagram.drawSpace[0]);
    box.sampleLength = diagramRect.width() / 24;
    box.width = box.sampleLength + widest + box.spaceX + 2 * box.symbolWidth + 4 * box.marginX;
    box.height += 2 * box.marginY;
    return box;
}

DevRect placeLegend(const LegendBox& box, int code, const DevRect& plotRect, int plotPen, const DevRect& diagramRect,
                    int w, int h) {
    const int half = plotPen / 2;
    const DevRect inner{plotRect.left + half, plotRect.top + half, plotRect.right - half, plotRect.bottom - half};
    int left = 0;
    int top = 0;
    switch (code) {
    case 1: case 2: left = inner.left + 4 * w; break;
    case 0: case 3: left = inner.right - 4 * w - box.width; break;
    case 4: case 5: case 6: left = diagramRect.left; break;
    default: left = diagramRect.right - box.width; break;
    }
    switch (code) {
    case 0: case 1: top = inner.top + 3 * h; break;
    case 2: case 3: top = inner.bottom - 3 * h - box.height; break;
    case 4: case 7: top = inner.top; break;
    case 5: case 8: top = inner.top + (inner.height() - box.height) / 2; break;
    default: top = inner.bottom - box.height; break;
    }
    // A box taller than the plot starts at the diagram's top.
    if (box.height > inner.height()) top = diagramRect.top;
    return clampInto({left, top, left + box.width, top + box.height}, diagramRect);
}

std::vector<LegendLineRect> legendLineRects(const LegendBox& box, const DevRect& rect) {
    std::vector<LegendLineRect> lines;
    if (!box.shown() || rect.empty()) return lines;
    int top = rect.top + box.marginY;
    for (const LegendLine& line : box.lines) {
        lines.push_back({line.curve, {rect.left, top, rect.right, top + line.height}});
        top += line.height;
    }
    return lines;
}

void drawLegend(DrawDevice& device, MarkupBlockPainter& painter, const LegendContext& context, const LegendBox& box,
                const DevRect& rect, bool simpleShadow, const std::optional<ClipArea>& clip) {
    if (!box.shown() || rect.empty()) return;
    const document::LabelSlot& slot = context.diagram.labels[document::LegendSlot];
    paintArea(device, rect, slot.paint, context.scale, simpleShadow);
    const int sampleLeft = rect.left + 2 * box.marginX + box.symbolWidth;
    const int textLeft = sampleLeft + box.sampleLength + box.symbolWidth + box.spaceX;
    int top = rect.top + box.marginY;
    for (const LegendLine& line : box.lines) {
        const document::Curve& curve = context.diagram.curves[static_cast<std::size_t>(line.curve)];
        drawLegendSample(device, curve, context.scale, context.screenDpiY, {sampleLeft, top + line.height / 2},
                         box.sampleLength, clip);
        // The text is centred on the line's height.
        const int textTop = top + (line.height - line.text.height) / 2;
        painter.drawBlock(device, {textLeft, textTop, textLeft + line.text.width, textTop + line.text.height},
                          curve.legend, AlignLeft, false);
        top += line.height;
    }
}

}  // namespace ordinax::render
