// Files dropped on the main window.
#include "shell/data/dropped_files.h"

#include <algorithm>
#include <array>

namespace ordinax::shell {

namespace {

std::string extensionOf(std::string_view path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return {};
    std::string ext(path.substr(dot + 1));
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return ext;
}

}  // namespace

DroppedKind droppedFileKind(std::string_view path) {
    static constexpr std::array Data = {"txt", "csv", "dat", "prn", "asc"};
    static constexpr std::array Pictures = {"bmp", "gif", "jpg", "jpeg", "png", "tif", "tiff", "wmf", "emf"};
    const std::string ext = extensionOf(path);
    if (ext == "orx") return DroppedKind::Diagram;
    if (std::find(Data.begin(), Data.end(), ext) != Data.end()) return DroppedKind::Data;
    if (std::find(Pictures.begin(), Pictures.end(), ext) != Pictures.end()) return DroppedKind::Picture;
    return DroppedKind::Unknown;
}

std::optional<DroppedChoice> chooseDroppedFile(const std::vector<std::string>& paths) {
    if (paths.empty()) return std::nullopt;
    for (DroppedKind wanted : {DroppedKind::Diagram, DroppedKind::Data, DroppedKind::Picture})
        for (const std::string& path : paths)
            if (droppedFileKind(path) == wanted) return DroppedChoice{path, wanted};
    return DroppedChoice{paths.front(), DroppedKind::Unknown};
}

}  // namespace ordinax::shell
