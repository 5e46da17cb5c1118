// Printed calculation reports: the report text cut into pages of the report
// page settings (orientation and margins of index 1, the report font), each
// line drawn with label markup and the ruling of its `&` tables, with the
// header and footer bands and the logo of report pages.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "document/diagram.h"
#include "render/device_scale.h"
#include "render/draw_device.h"
#include "render/page_codes.h"
#include "render/picture_source.h"

namespace ordinax::reports {

// Where report pages are drawn: the whole sheet on the device and its scale.
struct ReportPageSetup {
    render::DevRect sheet;      // the whole sheet in device pixels
    double pixelsPerCmX = 1.0;  // sheet pixels per centimetre
    double pixelsPerCmY = 1.0;
    render::DeviceScale scale;  // stored sizes (font heights, pens) to device pixels
    int screenDpiY = 96;        // the screen the font sizes were chosen on
};

// The setup of a printed sheet of `widthCm` × `heightCm` shown as `sheet` on a
// printer of the given resolution.
ReportPageSetup printedReportSetup(const render::DevRect& sheet, double widthCm, double heightCm, int deviceDpiX,
                                   int deviceDpiY);

// The lines of a report as printed: one per line feed, and a last line
// without its line feed when text follows it; none is dropped.
std::vector<std::string> printedReportLines(std::string_view text);

// The geometry of the report's lines on a page.
struct ReportPageLayout {
    render::DevRect body;  // inside the left, right, top and bottom margins
    int lineHeight = 1;    // height of a line holding a subscript and a superscript
    int cellWidth = 1;     // a tenth of the width of "0000000000"
    int linesPerPage = 1;  // whole lines in the body's height, at least 1
};

// Measures the report font on the device and fits the lines into the body.
ReportPageLayout reportPageLayout(render::DrawDevice& device, const ReportPageSetup& setup,
                                  const document::Diagram& diagram);

// The number of pages of the report text, at least 1.
int reportPageCount(render::DrawDevice& device, const ReportPageSetup& setup, const document::Diagram& diagram,
                    std::string_view text);

// Draws page `pageIndex` (0-based) of the report: the logo when the report
// logo is printed, the page's lines with their ruling, then the bands
// expanded for a report page (&P the page number, &Q the page count).
void drawReportPage(render::DrawDevice& device, const ReportPageSetup& setup, const document::Diagram& diagram,
                    std::string_view text, const render::PageCodeContext& context, render::PictureSource* pictures,
                    int pageIndex);

}  // namespace ordinax::reports
