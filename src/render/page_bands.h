// Header and footer bands of printed pages (a rule and one line of text each,
// in the margins of the page), and the printed diagram page that carries them.
#pragma once

#include <array>
#include <string>

#include "document/diagram.h"
#include "render/device_scale.h"
#include "render/diagram_renderer.h"
#include "render/draw_device.h"
#include "render/page_codes.h"

namespace ordinax::render {

// The distances of the bands in device pixels: the band area spans the page
// between `left` and `right`; the header rule lies `header` below the top
// edge, the footer rule `footer` above the bottom edge.
struct BandMargins {
    int left = 0;
    int right = 0;
    int header = 0;
    int footer = 0;
    bool operator==(const BandMargins&) const = default;
};

// Indexes of a page kind's six margins (centimetres, PageLayout order).
enum MarginIndex : int { MarginLeft = 0, MarginRight, MarginTop, MarginBottom, MarginHeader, MarginFooter };

// The band distances of one page kind's margins at the page's resolution.
BandMargins bandMargins(const std::array<double, 6>& marginsCm, double pixelsPerCmX, double pixelsPerCmY);

// The body of a page: the sheet inside its left, right, top and bottom margins.
DevRect pageBody(const DevRect& sheet, const std::array<double, 6>& marginsCm, double pixelsPerCmX,
                 double pixelsPerCmY);

// The diagram on its printed sheet: `size` centimetres wide and high (never
// more than the body inside the margins), centred in the body horizontally
// and vertically when the `centre` flags say so, else against its left and
// top margins.
DevRect diagramOnSheet(const DevRect& sheet, const document::Diagram& diagram, double pixelsPerCmX,
                       double pixelsPerCmY);

// Draws the header (band 0) then the footer (band 1) of a page, each only
// when its print flag is set: its rule in the band colour when its separator
// flag is set, then its text expanded for `pageKind` (0 diagram page, 1
// report page), split into left, centred and right parts, on one line of the
// band font's height h: between 1.5 h and 0.5 h above the header rule,
// between 0.5 h and 1.5 h below the footer rule. Font heights and the rule's
// width go through `scale` like every stored size.
void drawPageBands(DrawDevice& device, const DeviceScale& scale, const std::array<document::HeaderFooter, 2>& bands,
                   const DevRect& page, const BandMargins& margins, const PageCodeContext& context, int pageKind);

// The page-code values of now: the local date and time, the print language,
// the document's UTF-8 path (empty while it has no file), page 1 of 1.
PageCodeContext pageCodeContextNow(const std::string& documentPath, int language);

// The bands of the diagram page on a sheet of `sheetWidthCm` × `sheetHeightCm`
// shown as `sheet` (the view's page modes call this after drawDiagram).
void drawDiagramPageBands(DrawDevice& device, const document::Diagram& diagram, const DevRect& sheet,
                          double sheetWidthCm, double sheetHeightCm, const DeviceScale& scale,
                          const PageCodeContext& context);

// One printed diagram page: `request.pageRect` is the whole sheet and
// `request.output` the printer with the sheet's size in centimetres. The
// diagram is drawn where diagramOnSheet places it, the bands in the margins; with `request.thinFrame` every line is one device pixel wide.
// The bands are left out when the pass reports the plot too small.
RenderResult drawPrintedDiagramPage(DrawDevice& device, const document::Diagram& diagram, const RenderRequest& request,
                                    const PageCodeContext& context);

}  // namespace ordinax::render
