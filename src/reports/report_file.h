// Exported report files: the RTF or CSV bytes of a report and their safe
// writing (a temporary file renamed over the target once complete).
#pragma once

#include <string>
#include <string_view>

#include "base/message.h"
#include "document/diagram.h"

namespace ordinax::reports {

// The file name proposed for an exported report: the document's name with
// the curve number and the extension of the mode ("essai_03.RTF"); a
// document never saved is named "Note".
std::string suggestedExportName(std::string_view documentFileName, int curveIndex, int mode);

// The bytes of the report exported in `mode` (ExportRtf: on the report page
// settings and in the report font of `diagram`, built on the RTF frame
// `rtfFrame`; ExportCsv: one line per report line).
std::string reportExportBytes(std::string_view report, int mode, const document::Diagram& diagram,
                              std::string_view rtfFrame);

// Writes the exported report to `path` (UTF-8); an empty message on success,
// else "Impossible d'écrire la note de calcul dans le fichier %s !" and the
// previous file, if any, untouched.
base::Message writeReportExport(const std::string& path, std::string_view report, int mode,
                                const document::Diagram& diagram, std::string_view rtfFrame);

}  // namespace ordinax::reports
