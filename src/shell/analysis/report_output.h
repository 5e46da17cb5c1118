// Where a report goes from the smoothing dialog: an exported file (RTF, CSV,
// or the printed pages as PDF) or the printer.
#pragma once

#include <QString>
#include <string>

#include "base/message.h"
#include "document/diagram.h"
#include "shell/print_support.h"

namespace ordinax::shell {

// Writes the report (Windows-1252 label markup) to `path` in `mode`
// (reports::ExportRtf, ExportCsv, ExportPdf) on the report page settings of
// `diagram`; the file replaces an earlier one only once completely written.
// An empty message on success.
base::Message exportReport(const QString& path, int mode, const document::Diagram& diagram, const std::string& text,
                           const PrintContext& context);

}  // namespace ordinax::shell
