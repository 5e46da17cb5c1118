// Printing of the diagram page and of calculation reports.
#include "shell/print_support.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include "qt/painter_device.h"
#include "qt/picture_loader.h"
#include "render/diagram_renderer.h"
#include "render/page_bands.h"
#include "reports/report_page.h"
#include "shell/view_geometry.h"

namespace ordinax::shell {

namespace {

void applySheet(QPrinter& printer, int orientation) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(orientation == 1 ? QPageLayout::Landscape : QPageLayout::Portrait);
    // The page's own margins place the drawing on the sheet: the printer's would add to them.
    printer.setFullPage(true);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

// The whole sheet in printer pixels: the paper origin is the device origin
// on a full-page printer.
render::DevRect sheetPixels(const QPrinter& printer) {
    const QRect full = printer.pageLayout().fullRectPixels(printer.resolution());
    return {0, 0, full.width(), full.height()};
}

}  // namespace

void applyPageSettings(QPrinter& printer, const document::Diagram& diagram) {
    applySheet(printer, diagram.orientation[0]);
}

void applyReportPageSettings(QPrinter& printer, const document::Diagram& diagram) {
    applySheet(printer, diagram.orientation[1]);
}

bool printDiagram(QPrinter& printer, const document::Diagram& diagram, int curveFilter, const PrintContext& context) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const int dpiX = printer.logicalDpiX();
    const int dpiY = printer.logicalDpiY();
    qt::PainterDevice device(painter, true, dpiX, dpiY);
    const render::DevRect page = sheetPixels(printer);
    // The printable area's offset is the print offset the layout is shifted by.
    const QRect paint = printer.pageLayout().paintRectPixels(printer.resolution());
    const SheetSize sheet = sheetSize(diagram.orientation[0]);
    render::RenderRequest request;
    request.pageRect = page;
    request.printOffset = {paint.left(), paint.top()};
    request.output.printing = true;
    request.output.displayMode = diagram.displayMode;
    request.output.deviceDpiX = dpiX;
    request.output.deviceDpiY = dpiY;
    request.output.pageRect = page;
    request.output.pageWidthCm = sheet.widthCm;
    request.output.pageHeightCm = sheet.heightCm;
    request.curveFilter = curveFilter;
    request.thinFrame = context.thinFrame;
    request.abortRequested = [] { return false; };
    qt::QtPictureSource pictures;
    request.pictures = &pictures;
    render::drawPrintedDiagramPage(device, diagram, request,
                                   render::pageCodeContextNow(context.documentPath, context.language));
    painter.end();
    return true;
}

bool printReport(QPrinter& printer, const document::Diagram& diagram, std::string_view reportText,
                 const PrintContext& context) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const int dpiX = printer.logicalDpiX();
    const int dpiY = printer.logicalDpiY();
    qt::PainterDevice device(painter, true, dpiX, dpiY);
    const SheetSize sheet = sheetSize(diagram.orientation[1]);
    const reports::ReportPageSetup setup =
        reports::printedReportSetup(sheetPixels(printer), sheet.widthCm, sheet.heightCm, dpiX, dpiY);
    const render::PageCodeContext codes = render::pageCodeContextNow(context.documentPath, context.language);
    qt::QtPictureSource pictures;
    const int pages = reports::reportPageCount(device, setup, diagram, reportText);
    for (int index = 0; index < pages; ++index) {
        if (index > 0 && !printer.newPage()) break;
        reports::drawReportPage(device, setup, diagram, reportText, codes, &pictures, index);
    }
    painter.end();
    return true;
}

}  // namespace ordinax::shell
