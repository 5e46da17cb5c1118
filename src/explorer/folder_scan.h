// The explorer's scan: the folders of a drive walked for diagram files
// (".orx"), with the skip rules (recycle bins, the temporary and system
// folders, other volumes, folders deeper than the limit), the count of
// diagram files of each folder and of everything below it, and a stop asked
// from another thread. Folders whose subtree holds no diagram are dropped.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "explorer/drives.h"

namespace ordinax::explorer {

// Folders below this depth from the drive's root are not walked.
inline constexpr int MaxScanDepth = 11;

struct FolderNode {
    std::string name;   // the folder's own name (the drive's root for a drive)
    std::string path;
    int files = 0;      // diagram files in this folder
    int total = 0;      // in this folder and below
    std::vector<FolderNode> children;
};

struct ScanOptions {
    std::vector<std::string> skippedFolders;  // compared without case (the temporary folder, ...)
    std::vector<std::string> otherRoots;      // roots of the other drives, scanned on their own
    int maxDepth = MaxScanDepth;
};

// Told the folder being walked and how many folders were walked so far.
using ScanProgress = std::function<void(const std::string& folder, long long walked)>;

// True when the name of a sub-folder is a recycle bin's ("...recycler",
// "...recycled", "Trash", ".Trash-1000"), compared without case.
bool isRecycleBin(std::string_view name);

// True for a file name ending with ".orx" in any case.
bool isDiagramFile(std::string_view name);

// Walks the drive. `stop` is looked at between entries: once set, the walk
// ends and keeps what it found. The result is the drive's node (kept even
// when it holds no diagram, so that the caller can tell what was scanned).
FolderNode scanDrive(const Drive& drive, const ScanOptions& options, const std::atomic<bool>& stop,
                     const ScanProgress& progress = {});

// The diagram files of one folder, sorted without case.
std::vector<std::string> diagramFilesIn(const std::string& folder);

// Where `path` is in the tree below `root`: the index into the children at
// each level (empty for the root itself); nullopt when it was not kept.
std::optional<std::vector<int>> pathToFolder(const FolderNode& root, const std::string& path);

}  // namespace ordinax::explorer
