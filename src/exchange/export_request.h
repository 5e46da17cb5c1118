// The file request of a curve export: the filter and extension of each
// format, the name and folder the save dialog starts from.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "exchange/curve_export.h"

namespace ordinax::exchange {

// The filter of the save dialog for a format, as the string table holds it
// ("CSV (*.csv)|*.csv||"), and its first part alone ("CSV (*.csv)").
std::string exportFilter(ExportFormat format);
std::string exportFilterLabel(ExportFormat format);

// The path the save dialog starts from: the last export file name with the
// format's extension, in the folder of the last export when that folder
// still exists, else in `exportFolder`. Without a last export, the name is
// `documentName` (the diagram's file name, may be empty: "Courbe") with
// "_NN" (the curve's number from 1) and the format's extension.
std::filesystem::path exportStartPath(const std::filesystem::path& lastExport, ExportFormat format,
                                      const std::filesystem::path& exportFolder, const std::string& documentName,
                                      int curveIndex,
                                      const std::function<bool(const std::filesystem::path&)>& folderExists);

// The chosen name with the format's extension added when it has none.
std::filesystem::path withExportExtension(const std::filesystem::path& chosen, ExportFormat format);

}  // namespace ordinax::exchange
