// Exported report files.
#include "reports/report_file.h"

#include <cstdint>
#include <span>

#include "base/strings.h"
#include "base/strings_reports.h"
#include "base/system_reason.h"
#include "document/safe_file.h"
#include "reports/report_export.h"

namespace ordinax::reports {

std::string suggestedExportName(std::string_view documentFileName, int curveIndex, int mode) {
    return exportFileName(documentFileName.empty() ? std::string_view("Note.orx") : documentFileName, curveIndex, mode);
}

std::string reportExportBytes(std::string_view report, int mode, const document::Diagram& diagram,
                              std::string_view rtfFrame) {
    if (mode == ExportCsv) return reportToCsv(report);
    RtfPage page;
    page.landscape = diagram.orientation[1] == 1;
    for (std::size_t k = 0; k < page.marginsCm.size(); ++k) page.marginsCm[k] = diagram.margins[1][k];
    return reportToRtf(report, diagram.reportFont, rtfFrame, page);
}

base::Message writeReportExport(const std::string& path, std::string_view report, int mode,
                                const document::Diagram& diagram, std::string_view rtfFrame) {
    const std::string bytes = reportExportBytes(report, mode, diagram, rtfFrame);
    const std::span<const std::uint8_t> whole(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    const std::span<const std::uint8_t> pieces[] = {whole};
    const document::WriteStatus written = document::replaceFile(path, pieces);
    if (!written.ok())
        return base::withReason(base::makeMessage(base::MsgReportExportFailed, base::Heading::Error, path),
                                base::systemReason(written.error, base::FileAccess::Write));
    return {};
}

}  // namespace ordinax::reports
