// Printed calculation reports: pagination, lines with their ruling, bands and logo.
#include "reports/report_page.h"

#include <algorithm>
#include <cmath>

#include "render/page_bands.h"
#include "render/picture_placement.h"
#include "reports/report_lines.h"

namespace ordinax::reports {

namespace {

constexpr double CmPerInch = 2.54;
constexpr int ScreenDpi = 96;

base::LogFont deviceReportFont(const document::Diagram& diagram, const render::DeviceScale& scale) {
    base::LogFont font = diagram.reportFont;
    if (font.height != 0) font.height = scale.fontHeight(font.height);
    font.escapement = 0;
    font.orientation = 0;
    return font;
}

double pixelsPerPoint(const ReportPageSetup& setup) {
    const double screen = setup.screenDpiY > 0 ? setup.screenDpiY : ScreenDpi;
    return setup.scale.factorY() * screen / 72.0;
}

}  // namespace

ReportPageSetup printedReportSetup(const render::DevRect& sheet, double widthCm, double heightCm, int deviceDpiX,
                                   int deviceDpiY) {
    ReportPageSetup setup;
    setup.sheet = sheet;
    setup.pixelsPerCmX = widthCm > 0 ? sheet.width() / widthCm : deviceDpiX / CmPerInch;
    setup.pixelsPerCmY = heightCm > 0 ? sheet.height() / heightCm : deviceDpiY / CmPerInch;
    render::OutputKind output;
    output.printing = true;
    output.deviceDpiX = deviceDpiX;
    output.deviceDpiY = deviceDpiY;
    output.screenDpiX = output.screenDpiY = ScreenDpi;
    output.pageRect = sheet;
    output.pageWidthCm = widthCm;
    output.pageHeightCm = heightCm;
    setup.scale = render::DeviceScale(output);
    setup.screenDpiY = ScreenDpi;
    return setup;
}

std::vector<std::string> printedReportLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t feed = text.find('\n', start);
        if (feed == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, feed - start));
        start = feed + 1;
    }
    return lines;
}

ReportPageLayout reportPageLayout(render::DrawDevice& device, const ReportPageSetup& setup,
                                  const document::Diagram& diagram) {
    ReportPageLayout layout;
    layout.body = render::pageBody(setup.sheet, diagram.margins[1], setup.pixelsPerCmX, setup.pixelsPerCmY);
    const ReportMetrics metrics = measureReportFont(device, deviceReportFont(diagram, setup.scale), pixelsPerPoint(setup));
    layout.lineHeight = metrics.lineHeight;
    layout.cellWidth = metrics.cellWidth;
    layout.linesPerPage = std::max(1, layout.body.height() / layout.lineHeight);
    return layout;
}

int reportPageCount(render::DrawDevice& device, const ReportPageSetup& setup, const document::Diagram& diagram,
                    std::string_view text) {
    const int lines = static_cast<int>(printedReportLines(text).size());
    const int perPage = reportPageLayout(device, setup, diagram).linesPerPage;
    return std::max(1, (lines + perPage - 1) / perPage);
}

void drawReportPage(render::DrawDevice& device, const ReportPageSetup& setup, const document::Diagram& diagram,
                    std::string_view text, const render::PageCodeContext& context, render::PictureSource* pictures,
                    int pageIndex) {
    const ReportPageLayout layout = reportPageLayout(device, setup, diagram);
    const std::vector<std::string> lines = printedReportLines(text);
    const int lineCount = static_cast<int>(lines.size());
    const int pageCount = std::max(1, (lineCount + layout.linesPerPage - 1) / layout.linesPerPage);
    if (pageIndex < 0 || pageIndex >= pageCount) return;

    if (diagram.logo.print[1] != 0 && pictures)
        render::drawLogo(device, *pictures, setup.sheet, diagram.logo, setup.pixelsPerCmX, setup.pixelsPerCmY);

    const int first = pageIndex * layout.linesPerPage;
    const int count = std::min(layout.linesPerPage, lineCount - first);
    // The rules are scaled like the report's other strokes: one nominal pixel
    // becomes as many device pixels as the printer's resolution asks.
    drawReportLines(device, lines, first, count, deviceReportFont(diagram, setup.scale), layout.body,
                    {layout.lineHeight, layout.cellWidth}, pixelsPerPoint(setup), setup.scale.y(1));

    render::PageCodeContext pageContext = context;
    pageContext.page = pageIndex + 1;
    pageContext.pageCount = pageCount;
    const render::BandMargins margins = render::bandMargins(diagram.margins[1], setup.pixelsPerCmX, setup.pixelsPerCmY);
    render::drawPageBands(device, setup.scale, diagram.band, setup.sheet, margins, pageContext, render::PageReport);
}

}  // namespace ordinax::reports
