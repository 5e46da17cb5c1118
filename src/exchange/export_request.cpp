// The file request of a curve export.
#include "exchange/export_request.h"

#include <cstdio>

#include "base/strings.h"
#include "base/strings_curves.h"

namespace ordinax::exchange {

std::string exportFilter(ExportFormat format) {
    return std::string(base::messageText(base::MsgExportFilterCsv + static_cast<int>(format)));
}

std::string exportFilterLabel(ExportFormat format) {
    const std::string filter = exportFilter(format);
    return filter.substr(0, filter.find('|'));
}

std::filesystem::path exportStartPath(const std::filesystem::path& lastExport, ExportFormat format,
                                      const std::filesystem::path& exportFolder, const std::string& documentName,
                                      int curveIndex,
                                      const std::function<bool(const std::filesystem::path&)>& folderExists) {
    const std::string extension = "." + std::string(exportExtension(format));
    std::filesystem::path name;
    std::filesystem::path folder = exportFolder;
    if (!lastExport.filename().empty()) {
        name = lastExport.filename();
        name.replace_extension(extension);
        const std::filesystem::path lastFolder = lastExport.parent_path();
        if (!lastFolder.empty() && folderExists(lastFolder)) folder = lastFolder;
    } else {
        std::string stem = std::filesystem::path(documentName).stem().string();
        if (stem.empty()) stem = "Courbe";
        char number[16];
        std::snprintf(number, sizeof number, "_%02d", curveIndex + 1);
        name = stem + number + extension;
    }
    return folder / name;
}

std::filesystem::path withExportExtension(const std::filesystem::path& chosen, ExportFormat format) {
    if (chosen.empty() || chosen.has_extension()) return chosen;
    std::filesystem::path named = chosen;
    named += "." + std::string(exportExtension(format));
    return named;
}

}  // namespace ordinax::exchange
