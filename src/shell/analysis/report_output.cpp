// Exported and printed reports.
#include "shell/analysis/report_output.h"

#include <QCoreApplication>

#include "qt/image_output.h"
#include "qt/picture_loader.h"
#include "render/page_bands.h"
#include "reports/report_export.h"
#include "reports/report_file.h"
#include "reports/report_page.h"
#include "richtext/rtf_writer.h"
#include "shell/application.h"

namespace ordinax::shell {

namespace {

base::Message writePdfReport(const std::string& path, const document::Diagram& diagram, const std::string& text,
                             const PrintContext& context) {
    const bool landscape = diagram.orientation[1] == 1;
    qt::PdfOptions options;
    options.landscape = landscape;
    const double widthCm = landscape ? options.pageHeightCm : options.pageWidthCm;
    const double heightCm = landscape ? options.pageWidthCm : options.pageHeightCm;
    const render::PageCodeContext codes = render::pageCodeContextNow(context.documentPath, context.language);
    qt::QtPictureSource pictures;
    return qt::writePdfDocument(
        path, options, [&](render::DrawDevice& device, const render::DevRect& page, int index) {
            const reports::ReportPageSetup setup =
                reports::printedReportSetup(page, widthCm, heightCm, device.dpiX(), device.dpiY());
            reports::drawReportPage(device, setup, diagram, text, codes, &pictures, index);
            return index + 1 < reports::reportPageCount(device, setup, diagram, text);
        });
}

}  // namespace

base::Message exportReport(const QString& path, int mode, const document::Diagram& diagram, const std::string& text,
                           const PrintContext& context) {
    const std::string target = path.toStdString();
    if (mode == reports::ExportPdf) return writePdfReport(target, diagram, text, context);
    const std::string frame =
        richtext::readRtfTemplate(programFolder(QCoreApplication::applicationDirPath().toStdString()));
    return reports::writeReportExport(target, text, mode, diagram, frame);
}

}  // namespace ordinax::shell
