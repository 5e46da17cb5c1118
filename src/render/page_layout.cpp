// Layout of a drawing pass, step by step: measure, shrink the plot, place.
#include "render/page_layout.h"

#include <algorithm>

#include "render/graduation.h"
#include "render/paint_area.h"
#include "render/tags.h"

namespace ordinax::render {

namespace {

using document::PaintStyle;

const document::AxisScale& scaleOf(const document::Diagram& diagram, int direction, int side) {
    return diagram.scales.axis[static_cast<std::size_t>(direction)][static_cast<std::size_t>(side)];
}

// The band of graduation values beside a frame side exists.
bool valueBand(const document::Diagram& diagram, int direction, int side) {
    const document::AxisScale& scale = scaleOf(diagram, direction, side);
    return scale.active != 0 && showsValues(scale);
}

base::LogFont valueBaseFont(const document::AxisScale& scale, const DeviceScale& deviceScale) {
    base::LogFont font = scale.font;
    // A zero height asks the platform for its default size.
    if (font.height != 0) font.height = deviceScale.valueFontHeight(font.height);
    return font;
}

DevRect sized(int left, int top, const TextBlock& block) {
    return {left, top, left + block.width(), top + block.height()};
}

// Measures blocks 0..5 and 7..16, then the legend box.
void measureBlocks(DrawDevice& device, MarkupBlockPainter& painter, const document::Diagram& diagram,
                   const RenderRequest& request, PageLayout& page) {
    const DeviceScale& scale = page.layout.scale;
    painter.setBase(labelFont(scale), 0);
    for (int slot = 0; slot < document::LabelSlotCount; ++slot)
        if (slot != document::LegendSlot)
            page.blocks[static_cast<std::size_t>(slot)] = measureTextBlock(device, painter, diagram, slot, scale);
    const LegendContext legend{diagram, scale, request.output.screenDpiY, request.curveFilter};
    page.legend = measureLegend(device, painter, legend, page.layout.diagramRect);
}

// Largest width and height of the values of each active scale that writes them.
void measureValueExtents(DrawDevice& device, MarkupBlockPainter& painter, const document::Diagram& diagram,
                         PageLayout& page) {
    const PlotMapping measuring = makePlotMapping(diagram.scales, page.layout.diagramRect);
    const GraduationContext context{device, painter, diagram, measuring, page.layout.scale};
    for (int d = 0; d < 2; ++d) {
        for (int s = 0; s < 2; ++s) {
            const document::AxisScale& scale = scaleOf(diagram, d, s);
            if (scale.active == 0 || scale.orientation == -1) continue;
            painter.setBase(valueBaseFont(scale, page.layout.scale), static_cast<Colour>(scale.colour));
            page.layout.valueExtents[static_cast<std::size_t>(d)][static_cast<std::size_t>(s)] =
                measureValueExtent(context, d, s);
        }
    }
}

// Shrinks the plot rectangle by everything placed around it.
DevRect shrinkPlot(DrawDevice& device, MarkupBlockPainter& painter, const document::Diagram& diagram,
                   const RenderRequest& request, const PageLayout& page) {
    const DeviceScale& scale = page.layout.scale;
    const int w = page.spaceX;
    const int h = page.spaceY;
    const auto& extents = page.layout.valueExtents;
    DevRect plot = page.layout.diagramRect.inflated(-2 * w, -2 * h);
    plot = plot.inflated(-(page.pagePen / 2), -(page.pagePen / 2));
    plot = plot.inflated(-(page.plotPen / 2), -(page.plotPen / 2));
    if (diagram.diagramPaint[PaintStyle::Shadow] != 0) {
        // The shadow falls right and below the plot.
        const DevPoint shadow = shadowExtent(diagram.diagramPaint, scale, request.simpleShadow);
        plot.right -= shadow.x;
        plot.bottom -= shadow.y;
    }

    // Outer ticks.
    const PlotMapping mapping = makePlotMapping(diagram.scales, plot);
    const GraduationContext context{device, painter, diagram, mapping, scale};
    plot.bottom -= outerTickReach(context, 0, 0);
    plot.top += outerTickReach(context, 0, 1);
    plot.left += outerTickReach(context, 1, 0);
    plot.right -= outerTickReach(context, 1, 1);

    // Legend box outside the plot.
    const int legendCode = diagram.labels[document::LegendSlot].placement;
    if (page.legend.shown()) {
        const int room = page.legend.width + 4 * w + page.legend.frame;
        if (legendCode >= 4 && legendCode <= 6) plot.left += room;
        if (legendCode >= 7 && legendCode <= 9) plot.right -= room;
    }

    // Y labels beside the plot, or above it.
    int aboveNeed = 0;
    for (int slot = 4; slot <= 5; ++slot) {
        const TextBlock& block = page.blocks[static_cast<std::size_t>(slot)];
        if (!block.shown) continue;
        if (block.turned) {
            const int room = block.width() + w + block.frame;
            if (slot == 4) plot.left += room;
            else plot.right -= room;
        } else {
            aboveNeed = std::max(aboveNeed, block.height() + h + block.frame);
        }
    }

    // Graduation values: half the widest X value on both sides, the Y values
    // beside the plot, the X values below or above, each with its gap.
    int halfX = 0;
    for (int s = 0; s < 2; ++s)
        if (valueBand(diagram, 0, s)) halfX = std::max(halfX, extents[0][static_cast<std::size_t>(s)].width / 2);
    plot.left += halfX;
    plot.right -= halfX;
    if (valueBand(diagram, 1, 0)) plot.left += extents[1][0].width + w;
    if (valueBand(diagram, 1, 1)) plot.right -= extents[1][1].width + w;
    if (valueBand(diagram, 0, 0)) plot.bottom -= extents[0][0].height + h;
    if (valueBand(diagram, 0, 1)) plot.top += extents[0][1].height + h;

    // Titles and X labels.
    auto room = [&](int slot) {
        const TextBlock& block = page.blocks[static_cast<std::size_t>(slot)];
        return block.shown ? block.height() + h + block.frame : 0;
    };
    plot.bottom -= room(0) + room(2);
    plot.top += room(1) + std::max(room(3), aboveNeed);
    return plot;
}

// Places the axis labels around O, the plot grown by half the frame pen and the outer ticks.
void placeAxisLabels(DrawDevice& device, MarkupBlockPainter& painter, const document::Diagram& diagram,
                     PageLayout& page) {
    const DevRect& plot = page.layout.plotRect;
    const GraduationContext context{device, painter, diagram, page.layout.mapping, page.layout.scale};
    const int w = page.spaceX;
    const int h = page.spaceY;
    const auto& extents = page.layout.valueExtents;
    const int halfPenX = framePenWidth(context, 0) / 2;
    const int halfPenY = framePenWidth(context, 1) / 2;
    const DevRect o{plot.left - halfPenY - outerTickReach(context, 1, 0), plot.top - halfPenX - outerTickReach(context, 0, 1),
                    plot.right + halfPenY + outerTickReach(context, 1, 1),
                    plot.bottom + halfPenX + outerTickReach(context, 0, 0)};
    const int lowerBand = valueBand(diagram, 0, 0) ? extents[0][0].height + h : 0;
    const int upperBand = valueBand(diagram, 0, 1) ? extents[0][1].height + h : 0;
    const int leftBand = valueBand(diagram, 1, 0) ? extents[1][0].width + w : 0;
    const int rightBand = valueBand(diagram, 1, 1) ? extents[1][1].width + w : 0;
    auto& rects = page.layout.blocks;

    // Scale areas: from the plot edge out to the end of the value band (or of
    // the outer ticks plus one drawSpace when the scale writes no values),
    // along the plot side only so that the corners stay with the page.
    auto& areas = page.layout.scaleAreas;
    if (scaleOf(diagram, 0, 0).active != 0)
        areas[0][0] = {plot.left, plot.bottom, plot.right, o.bottom + h + lowerBand};
    if (scaleOf(diagram, 0, 1).active != 0)
        areas[0][1] = {plot.left, o.top - h - upperBand, plot.right, plot.top};
    if (scaleOf(diagram, 1, 0).active != 0)
        areas[1][0] = {o.left - w - leftBand, plot.top, plot.left, plot.bottom};
    if (scaleOf(diagram, 1, 1).active != 0)
        areas[1][1] = {plot.right, plot.top, o.right + w + rightBand, plot.bottom};

    for (int slot = 2; slot <= 3; ++slot) {
        const TextBlock& block = page.blocks[static_cast<std::size_t>(slot)];
        if (!block.shown) continue;
        const int placement = diagram.labels[static_cast<std::size_t>(slot)].placement;
        int left = (plot.left + plot.right - block.width()) / 2;
        if (placement == 1) left = o.left + w;
        if (placement == 2) left = o.right - w - block.width();
        const int top = slot == 2 ? o.bottom + h + lowerBand
                                  : o.top - h - block.frame - upperBand - block.height();
        rects[static_cast<std::size_t>(slot)] = sized(left, top, block);
    }
    for (int slot = 4; slot <= 5; ++slot) {
        const TextBlock& block = page.blocks[static_cast<std::size_t>(slot)];
        if (!block.shown) continue;
        const int placement = diagram.labels[static_cast<std::size_t>(slot)].placement;
        int left = 0;
        int top = 0;
        if (!block.turned) {
            left = slot == 4 ? o.left + w : o.right - w - block.width();
            top = o.top - h - block.frame - upperBand - block.height();
        } else {
            left = slot == 4 ? o.left - w - block.frame - leftBand - block.width() : o.right + w + rightBand;
            if (placement == 4) top = o.top + h;
            else if (placement == 5) top = o.bottom - h - block.height();
            else top = (plot.top + plot.bottom - block.height()) / 2;
        }
        rects[static_cast<std::size_t>(slot)] = sized(left, top, block);
    }
}

// Titles: centred on the plot when narrower than it, else on the page.
void placeTitles(const DevRect& diagramRect, PageLayout& page) {
    const DevRect& plot = page.layout.plotRect;
    for (int slot = 0; slot <= 1; ++slot) {
        const TextBlock& block = page.blocks[static_cast<std::size_t>(slot)];
        if (!block.shown) continue;
        const int centre = block.width() < plot.width() ? (plot.left + plot.right) / 2
                                                        : (diagramRect.left + diagramRect.right) / 2;
        const int left = centre - block.width() / 2;
        const int edge = 2 * page.spaceY + page.pagePen / 2 + block.frame;
        const int top = slot == 0 ? diagramRect.bottom - edge - block.height() : diagramRect.top + edge;
        page.layout.blocks[static_cast<std::size_t>(slot)] = sized(left, top, block);
    }
}

void placeTags(const document::Diagram& diagram, PageLayout& page) {
    for (int t = 0; t < document::TagCount; ++t) {
        const int slot = document::FirstTagSlot + t;
        const TextBlock& block = page.blocks[static_cast<std::size_t>(slot)];
        if (!block.shown) continue;
        const TagPosition position = diagram.tagPosition[static_cast<std::size_t>(t)];
        const TagPlacement placed = placeTag(page.layout.plotRect, page.layout.diagramRect, position, block.width(),
                                             block.height());
        page.layout.blocks[static_cast<std::size_t>(slot)] = placed.rect;
        page.layout.tagAnchors[static_cast<std::size_t>(t)] = placed.anchor;
    }
}

}  // namespace

bool screenPageMode(const RenderRequest& request) {
    return !request.output.printing && (request.output.displayMode == 2 || request.output.displayMode == 3);
}

DeviceScale requestScale(const RenderRequest& request) {
    OutputKind output = request.output;
    if (output.pageRect.empty()) output.pageRect = request.pageRect;
    return DeviceScale(output);
}

DevRect diagramRectangle(const RenderRequest& request, const DeviceScale& scale, const document::Diagram& diagram) {
    if (request.output.printing) return request.pageRect.offset(-request.printOffset.x, -request.printOffset.y);
    if (screenPageMode(request)) return request.pageRect;
    return request.pageRect.inflated(-3 * scale.x(diagram.drawSpace[0]), -3 * scale.y(diagram.drawSpace[1]));
}

PageLayout layoutPage(DrawDevice& device, MarkupBlockPainter& painter, const document::Diagram& diagram,
                      const RenderRequest& request) {
    PageLayout page;
    DiagramLayout& layout = page.layout;
    layout.scale = requestScale(request);
    const DeviceScale& scale = layout.scale;
    layout.diagramRect = diagramRectangle(request, scale, diagram);
    page.spaceX = scale.x(diagram.drawSpace[0]);
    page.spaceY = scale.y(diagram.drawSpace[1]);
    const bool normalScreen = !request.output.printing && !screenPageMode(request);
    page.pageFrame = diagram.backPaint[PaintStyle::Border] != 0 && !normalScreen;
    page.plotFrame = diagram.diagramPaint[PaintStyle::Border] != 0;
    page.pagePen = page.pageFrame ? borderPenWidth(diagram.backPaint, scale) : 0;
    page.plotPen = page.plotFrame ? borderPenWidth(diagram.diagramPaint, scale) : 0;

    measureBlocks(device, painter, diagram, request, page);
    measureValueExtents(device, painter, diagram, page);
    layout.plotRect = shrinkPlot(device, painter, diagram, request, page);
    layout.mapping = makePlotMapping(diagram.scales, layout.plotRect);
    if (layout.plotRect.width() < 2 || layout.plotRect.height() < 2) {
        page.tooSmall = true;
        return page;
    }

    if (page.legend.shown())
        layout.blocks[document::LegendSlot] =
            placeLegend(page.legend, diagram.labels[document::LegendSlot].placement, layout.plotRect, page.plotPen,
                        layout.diagramRect, page.spaceX, page.spaceY);
    placeAxisLabels(device, painter, diagram, page);
    placeTitles(layout.diagramRect, page);
    placeTags(diagram, page);
    for (int slot = 0; slot < document::LabelSlotCount; ++slot) {
        DevRect& rect = layout.blocks[static_cast<std::size_t>(slot)];
        if (!rect.empty()) rect = clampInto(rect, layout.diagramRect);
    }
    layout.legendLines = legendLineRects(page.legend, layout.blocks[document::LegendSlot]);
    return page;
}

}  // namespace ordinax::render
