// The drawing pass of a whole diagram: scales settled, layout, then the
// drawing in its fixed order (page, frames, graduations, curves, legend,
// text blocks, tags).
#include "render/diagram_renderer.h"

#include <optional>

#include "base/strings.h"
#include "base/strings_drawing.h"
#include "render/curve_drawing.h"
#include "render/graduation.h"
#include "render/page_layout.h"
#include "render/paint_area.h"
#include "render/picture_placement.h"
#include "render/scale_auto.h"
#include "render/shadows.h"
#include "render/tags.h"

namespace ordinax::render {

namespace {

using document::PaintStyle;

constexpr Colour White = rgb(255, 255, 255);
constexpr Colour SurroundGrey = 0x808080;  // behind the sheet in the page modes
constexpr int SheetShadowDepth = 3;
constexpr int SurroundExtension = 32;      // the grey area reaches this far below the view

struct Pass {
    DrawDevice& device;
    const document::Diagram& diagram;
    const RenderRequest& request;
    PageLayout& page;
    MarkupBlockPainter& painter;

    const DeviceScale& scale() const { return page.layout.scale; }
    bool abort() const { return request.abortRequested && request.abortRequested(); }
};

// The frame of the plot lies on the pixel rows and columns of PlotRect's
// four edges (where the scales' origin and extremity map), one more than
// the exclusive right and bottom of the rectangle.
DevRect frameRect(const DevRect& plot) { return {plot.left, plot.top, plot.right + 1, plot.bottom + 1}; }

// The whole sheet of paper: the output's page when the caller gave one (the
// diagram may then stand inside the sheet's margins), else the page
// rectangle; moved like the layout when printing.
DevRect sheetRect(const RenderRequest& request) {
    const DevRect sheet = request.output.pageRect.empty() ? request.pageRect : request.output.pageRect;
    return request.output.printing ? sheet.offset(-request.printOffset.x, -request.printOffset.y) : sheet;
}

void drawSheet(Pass& pass) {
    if (screenPageMode(pass.request)) {
        DevRect surround = pass.request.sheetSurround;
        if (!surround.empty()) {
            surround.bottom += SurroundExtension;
            pass.device.fillRect(surround, SurroundGrey);
        }
        const DevRect sheet = sheetRect(pass.request);
        hardShadow(pass.device, sheet, SheetShadowDepth, SheetShadowDepth, 0);
        pass.device.fillRect(sheet, White);
    }
    pass.device.fillRect(pass.request.pageRect, White);
}

// A picture file name held in a fixed buffer of the record.
std::string_view pictureName(const std::array<char, document::PictureBufferSize>& buffer) {
    std::size_t length = 0;
    while (length < buffer.size() && buffer[length] != 0) ++length;
    return {buffer.data(), length};
}

// The fill of the page or the plot: the picture when it is active (one that
// cannot be drawn leaves the area white), else the gradient.
void fillArea(Pass& pass, const DevRect& area, const PaintStyle& paint,
              const std::array<char, document::PictureBufferSize>& picture) {
    if (paint[PaintStyle::Picture] != 0) {
        const std::string_view name = pictureName(picture);
        if (pass.request.pictures && !name.empty())
            drawAreaPicture(pass.device, *pass.request.pictures, name, area, paint[PaintStyle::PicturePlacement]);
        return;
    }
    paintFill(pass.device, area, paint);
}

void drawPageArea(Pass& pass) {
    const PaintStyle& paint = pass.diagram.backPaint;
    const bool normalScreen = !pass.request.output.printing && !screenPageMode(pass.request);
    const DevRect& page = pass.request.pageRect;
    // The logo stands on the sheet, measured from the paper's edges.
    const DevRect sheet = sheetRect(pass.request);
    if (!normalScreen && pass.diagram.logo.print[0] != 0 && pass.request.pictures && pass.request.output.pageWidthCm > 0 &&
        pass.request.output.pageHeightCm > 0)
        drawLogo(pass.device, *pass.request.pictures, sheet, pass.diagram.logo,
                 sheet.width() / pass.request.output.pageWidthCm, sheet.height() / pass.request.output.pageHeightCm);
    if (!normalScreen) paintShadow(pass.device, pass.page.layout.diagramRect, paint, pass.scale(), pass.request.simpleShadow);
    fillArea(pass, normalScreen ? page : pass.page.layout.diagramRect, paint, pass.diagram.backPicture);
    if (pass.page.pageFrame) paintBorder(pass.device, pass.page.layout.diagramRect, paint, pass.scale());
}

void drawPlotArea(Pass& pass) {
    const PaintStyle& paint = pass.diagram.diagramPaint;
    const DevRect frame = frameRect(pass.page.layout.plotRect);
    paintShadow(pass.device, frame, paint, pass.scale(), pass.request.simpleShadow);
    fillArea(pass, frame, paint, pass.diagram.diagramPicture);
    if (pass.page.plotFrame) paintBorder(pass.device, frame, paint, pass.scale());
}

// Ticks or grids, then values, of each active scale; false when aborted.
bool drawGraduations(Pass& pass) {
    const GraduationContext context{pass.device, pass.painter, pass.diagram, pass.page.layout.mapping, pass.scale()};
    for (int d = 0; d < 2; ++d) {
        for (int s = 0; s < 2; ++s) {
            const document::AxisScale& scale =
                pass.diagram.scales.axis[static_cast<std::size_t>(d)][static_cast<std::size_t>(s)];
            if (scale.active == 0) continue;
            drawGraduationMarks(context, d, s);
            base::LogFont font = scale.font;
            if (font.height != 0) font.height = pass.scale().valueFontHeight(font.height);
            pass.painter.setBase(font, static_cast<Colour>(scale.colour));
            drawGraduationValues(context, d, s);
            if (pass.abort()) return false;
        }
    }
    return true;
}

bool drawCurves(Pass& pass) {
    CurveContext context(pass.device, pass.diagram, pass.page.layout.mapping);
    context.scale = pass.scale();
    context.screenDpiY = pass.request.output.screenDpiY;
    context.plotFramePen = pass.page.plotPen;
    context.curveFilter = pass.request.curveFilter;
    context.pointPicking = pass.request.pointPicking;
    context.abortRequested = pass.request.abortRequested;
    for (int i = 0; i < pass.diagram.curveCount(); ++i)
        if (!drawCurve(context, i)) return false;
    return true;
}

void drawBlocks(Pass& pass) {
    const DevRect& page = pass.request.pageRect;
    ClipArea clip;
    clip.rect = page;
    pass.device.setClip(clip);

    const LegendContext legend{pass.diagram, pass.scale(), pass.request.output.screenDpiY, pass.request.curveFilter};
    pass.painter.setBase(labelFont(pass.scale()), 0);
    drawLegend(pass.device, pass.painter, legend, pass.page.legend, pass.page.layout.blocks[document::LegendSlot],
               pass.request.simpleShadow, clip);

    auto drawSlot = [&](int slot) {
        const auto index = static_cast<std::size_t>(slot);
        pass.painter.setBase(labelFont(pass.scale()), 0);
        drawTextBlock(pass.device, pass.painter, pass.diagram.labels[index], pass.page.blocks[index],
                      pass.page.layout.blocks[index], pass.scale(), pass.request.simpleShadow);
    };
    for (int slot = 0; slot <= 5; ++slot) drawSlot(slot);
    for (int slot : tagDrawingOrder(pass.diagram)) drawSlot(slot);
    pass.device.clearClip();
}

}  // namespace

RenderResult drawDiagram(DrawDevice& device, const document::Diagram& diagram, const RenderRequest& request) {
    RenderResult result;
    // The main sides and the facing graduation modes are settled on a copy of
    // the scales; the diagram itself is copied only when that changed something
    // (its points are shared, never copied).
    document::Scales settled = diagram.scales;
    settleScales(settled);
    std::optional<document::Diagram> adjusted;
    if (!(settled == diagram.scales)) {
        adjusted.emplace(diagram);
        adjusted->scales = settled;
    }
    const document::Diagram& source = adjusted ? *adjusted : diagram;

    MarkupBlockPainter painter(markupPixelsPerPoint(requestScale(request), request.output.screenDpiY));
    PageLayout page = layoutPage(device, painter, source, request);
    result.layout = page.layout;
    if (page.tooSmall) {
        result.error = base::makeMessage(base::MsgDrawingTooSmall, base::Heading::Error);
        return result;
    }

    Pass pass{device, source, request, page, painter};
    drawSheet(pass);
    drawPageArea(pass);
    drawPlotArea(pass);
    if (!drawGraduations(pass) || !drawCurves(pass)) {
        device.clearClip();
        result.aborted = true;
        return result;
    }
    drawBlocks(pass);
    result.complete = true;
    return result;
}

}  // namespace ordinax::render
