// Printing of the diagram page.
#include "shell/print_support.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include "qt/painter_device.h"
#include "qt/picture_loader.h"
#include "render/diagram_renderer.h"
#include "shell/view_geometry.h"

namespace ordinax::shell {

void applyPageSettings(QPrinter& printer, const document::Diagram& diagram) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(diagram.orientation[0] == 1 ? QPageLayout::Landscape : QPageLayout::Portrait);
    // The diagram's own margins place it on the sheet: the printer's would add to them.
    printer.setFullPage(true);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

bool printDiagram(QPrinter& printer, const document::Diagram& diagram, int curveFilter) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const int dpiX = printer.logicalDpiX();
    const int dpiY = printer.logicalDpiY();
    qt::PainterDevice device(painter, true, dpiX, dpiY);
    const QRect full = printer.pageLayout().fullRectPixels(printer.resolution());
    const render::DevRect page{0, 0, full.width(), full.height()};
    // The paper origin is the device origin on a full-page printer; the
    // printable area's offset is the print offset the layout is shifted by.
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
    request.abortRequested = [] { return false; };
    qt::QtPictureSource pictures;
    request.pictures = &pictures;
    render::drawDiagram(device, diagram, request);
    painter.end();
    return true;
}

}  // namespace ordinax::shell
