// Header and footer bands, and the printed diagram page with its bands.
#include "render/page_bands.h"

#include <algorithm>
#include <cmath>
#include <ctime>

#include "base/encoding.h"
#include "render/pens.h"

namespace ordinax::render {

namespace {

int toPixels(double cm, double pixelsPerCm) {
    const double v = cm * pixelsPerCm;
    return std::isfinite(v) ? static_cast<int>(std::lround(v)) : 0;
}

// The band's font at the device's size (a zero height keeps the device default).
base::LogFont deviceFont(const base::LogFont& font, const DeviceScale& scale) {
    base::LogFont f = font;
    if (f.height != 0) f.height = scale.fontHeight(f.height);
    f.escapement = 0;
    f.orientation = 0;
    return f;
}

// Draws the three parts on the line whose top is `top`.
void drawBandLine(DrawDevice& device, const BandParts& parts, int left, int right, int top, int ascent) {
    const int baseline = top + ascent;
    if (!parts.left.empty()) device.text(left, baseline, parts.left);
    if (!parts.centre.empty()) {
        const int w = device.textExtent(parts.centre).width;
        device.text(left + (right - left - w) / 2, baseline, parts.centre);
    }
    if (!parts.right.empty()) {
        const int w = device.textExtent(parts.right).width;
        device.text(right - w, baseline, parts.right);
    }
}

}  // namespace

BandMargins bandMargins(const std::array<double, 6>& marginsCm, double pixelsPerCmX, double pixelsPerCmY) {
    return {toPixels(marginsCm[MarginLeft], pixelsPerCmX), toPixels(marginsCm[MarginRight], pixelsPerCmX),
            toPixels(marginsCm[MarginHeader], pixelsPerCmY), toPixels(marginsCm[MarginFooter], pixelsPerCmY)};
}

DevRect diagramOnSheet(const DevRect& sheet, const document::Diagram& diagram, double pixelsPerCmX,
                       double pixelsPerCmY) {
    const DevRect body = pageBody(sheet, diagram.margins[0], pixelsPerCmX, pixelsPerCmY);
    const int width = std::clamp(toPixels(diagram.size[0], pixelsPerCmX), 1, std::max(1, body.width()));
    const int height = std::clamp(toPixels(diagram.size[1], pixelsPerCmY), 1, std::max(1, body.height()));
    const int left = diagram.centre[0] != 0 ? body.left + (body.width() - width) / 2 : body.left;
    const int top = diagram.centre[1] != 0 ? body.top + (body.height() - height) / 2 : body.top;
    return {left, top, left + width, top + height};
}

DevRect pageBody(const DevRect& sheet, const std::array<double, 6>& marginsCm, double pixelsPerCmX,
                 double pixelsPerCmY) {
    return {sheet.left + toPixels(marginsCm[MarginLeft], pixelsPerCmX),
            sheet.top + toPixels(marginsCm[MarginTop], pixelsPerCmY),
            sheet.right - toPixels(marginsCm[MarginRight], pixelsPerCmX),
            sheet.bottom - toPixels(marginsCm[MarginBottom], pixelsPerCmY)};
}

void drawPageBands(DrawDevice& device, const DeviceScale& scale, const std::array<document::HeaderFooter, 2>& bands,
                   const DevRect& page, const BandMargins& margins, const PageCodeContext& context, int pageKind) {
    const int left = page.left + margins.left;
    const int right = page.right - margins.right;
    for (int i = 0; i < 2; ++i) {
        const document::HeaderFooter& band = bands[static_cast<std::size_t>(i)];
        if (band.print == 0) continue;
        const bool header = i == 0;
        const int rule = header ? page.top + margins.header : page.bottom - margins.footer;
        const auto colour = static_cast<Colour>(band.colour);
        if (band.separator != 0 && right > left) {
            // A rule of one nominal pixel, as thick as the frames of the same page.
            device.setPen({PenStyle::Solid, scale.y(1), colour});
            device.line({left, rule}, {right - 1, rule});
        }
        if (band.text.empty()) continue;
        const BandParts parts = splitBandText(expandPageCodes(band.text, pageKind, context));
        if (parts.left.empty() && parts.centre.empty() && parts.right.empty()) continue;
        device.setFont(deviceFont(band.font, scale));
        device.setTextColour(colour);
        const FontMetrics metrics = device.fontMetrics();
        const int h = metrics.ascent + metrics.descent;
        // The header line spans [rule - 1.5 h, rule - 0.5 h), the footer line
        // [rule + 0.5 h, rule + 1.5 h): half a line clear of the rule.
        const int top = header ? rule - h / 2 - h : rule + h / 2;
        drawBandLine(device, parts, left, right, top, metrics.ascent);
    }
}

PageCodeContext pageCodeContextNow(const std::string& documentPath, int language) {
    PageCodeContext context;
    const std::time_t now = std::time(nullptr);
    localtime_r(&now, &context.now);
    context.language = language >= 0 && language <= 4 ? static_cast<base::Language>(language) : base::Language::French;
    // Bands print Windows-1252 text; paths come as UTF-8.
    context.documentPath = base::utf8ToWindows1252Lossy(documentPath);
    return context;
}

void drawDiagramPageBands(DrawDevice& device, const document::Diagram& diagram, const DevRect& sheet,
                          double sheetWidthCm, double sheetHeightCm, const DeviceScale& scale,
                          const PageCodeContext& context) {
    if (sheetWidthCm <= 0 || sheetHeightCm <= 0 || sheet.empty()) return;
    const BandMargins margins =
        bandMargins(diagram.margins[0], sheet.width() / sheetWidthCm, sheet.height() / sheetHeightCm);
    drawPageBands(device, scale, diagram.band, sheet, margins, context, PageDiagram);
}

RenderResult drawPrintedDiagramPage(DrawDevice& device, const document::Diagram& diagram, const RenderRequest& request,
                                    const PageCodeContext& context) {
    // The paper's origin may lie outside the printable area: the sheet moves
    // with the layout by the print offset.
    const DevRect sheet = request.pageRect.offset(-request.printOffset.x, -request.printOffset.y);
    const double widthCm = request.output.pageWidthCm;
    const double heightCm = request.output.pageHeightCm;
    RenderRequest body = request;
    body.output.pageRect = request.pageRect;
    if (widthCm > 0 && heightCm > 0 && !request.pageRect.empty())
        body.pageRect = diagramOnSheet(request.pageRect, diagram, request.pageRect.width() / widthCm,
                                 request.pageRect.height() / heightCm);

    ThinPenDevice thin(device);
    DrawDevice& target = request.thinFrame && request.output.printing ? static_cast<DrawDevice&>(thin) : device;
    RenderResult result = drawDiagram(target, diagram, body);
    if (!result.error)
        drawDiagramPageBands(target, diagram, sheet, widthCm, heightCm, DeviceScale(body.output), context);
    return result;
}

}  // namespace ordinax::render
