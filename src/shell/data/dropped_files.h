// Files dropped on the main window: what each one is by its extension, and
// which one of several the window acts on (a diagram first, then a data
// file, then a picture). Nothing here needs Qt.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ordinax::shell {

enum class DroppedKind { Diagram, Data, Picture, Unknown };

// The kind of a file by its extension, without case: .orx; .txt .csv .dat
// .prn .asc; .bmp .gif .jpg .jpeg .png .tif .tiff .wmf .emf.
DroppedKind droppedFileKind(std::string_view path);

struct DroppedChoice {
    std::string path;
    DroppedKind kind = DroppedKind::Unknown;
};

// The file to act on among those dropped; nullopt for none. When none is of
// a known kind, the first one is given with the Unknown kind.
std::optional<DroppedChoice> chooseDroppedFile(const std::vector<std::string>& paths);

}  // namespace ordinax::shell
