// The explorer's scan.
#include "explorer/folder_scan.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>


namespace ordinax::explorer {

namespace {

namespace fs = std::filesystem;

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool endsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

std::string withoutTrailingSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

class Walker {
public:
    Walker(const ScanOptions& options, const std::atomic<bool>& stop, const ScanProgress& progress, dev_t device)
        : stop_(stop), progress_(progress), device_(device), maxDepth_(options.maxDepth) {
        for (const std::string& s : options.skippedFolders) skipped_.push_back(lower(withoutTrailingSlash(s)));
        for (const std::string& r : options.otherRoots) otherRoots_.push_back(withoutTrailingSlash(r));
    }

    // Visits the entries of `node`'s folder; sub-folders are walked while the
    // depth allows it. Returns false once stopped.
    bool walk(FolderNode& node, int depth) {
        if (progress_) progress_(node.path, ++walked_);
        std::error_code ec;
        fs::directory_iterator it(node.path, fs::directory_options::skip_permission_denied, ec);
        // A folder that cannot be listed is taken as empty.
        for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
            if (stop_.load(std::memory_order_relaxed)) {
                stopped_ = true;
                break;
            }
            const fs::directory_entry& entry = *it;
            const std::string name = entry.path().filename().string();
            std::error_code typeError;
            // Links are not followed: a link to a parent would loop.
            const fs::file_status status = entry.symlink_status(typeError);
            if (typeError) continue;
            if (fs::is_regular_file(status)) {
                if (isDiagramFile(name)) ++node.files;
                continue;
            }
            if (!fs::is_directory(status) || skipped(entry.path().string(), name)) continue;
            FolderNode child;
            child.name = name;
            child.path = entry.path().string();
            if (depth + 1 <= maxDepth_ && !walk(child, depth + 1)) {
                keep(node, std::move(child));
                break;
            }
            keep(node, std::move(child));
        }
        node.total += node.files;
        return !stopped_;
    }

    bool stopped() const { return stopped_; }

private:
    bool skipped(const std::string& path, const std::string& name) const {
        if (name == "." || name == ".." || isRecycleBin(name)) return true;
        const std::string folded = lower(path);
        if (std::find(skipped_.begin(), skipped_.end(), folded) != skipped_.end()) return true;
        if (std::find(otherRoots_.begin(), otherRoots_.end(), path) != otherRoots_.end()) return true;
        // Another volume is a drive of its own (or no drive at all: /proc, /sys).
        struct stat st {};
        return ::lstat(path.c_str(), &st) != 0 || st.st_dev != device_;
    }

    // A sub-folder stays when its subtree holds a diagram file.
    static void keep(FolderNode& parent, FolderNode child) {
        if (child.total == 0) return;
        parent.total += child.total;
        parent.children.push_back(std::move(child));
    }

    const std::atomic<bool>& stop_;
    const ScanProgress& progress_;
    dev_t device_;
    int maxDepth_;
    std::vector<std::string> skipped_;
    std::vector<std::string> otherRoots_;
    long long walked_ = 0;
    bool stopped_ = false;
};

}  // namespace

bool isRecycleBin(std::string_view name) {
    const std::string folded = lower(name);
    return endsWith(folded, "recycler") || endsWith(folded, "recycled") || folded == "trash" ||
           folded.starts_with(".trash-") || folded == ".trash";
}

bool isDiagramFile(std::string_view name) {
    return name.size() > 4 && lower(name.substr(name.size() - 4)) == ".orx";
}

FolderNode scanDrive(const Drive& drive, const ScanOptions& options, const std::atomic<bool>& stop,
                     const ScanProgress& progress) {
    FolderNode root;
    root.path = withoutTrailingSlash(drive.root);
    root.name = root.path;
    struct stat st {};
    if (::stat(root.path.c_str(), &st) != 0) return root;
    Walker walker(options, stop, progress, st.st_dev);
    walker.walk(root, 0);
    return root;
}

std::vector<std::string> diagramFilesIn(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec);
         !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code typeError;
        const std::string name = it->path().filename().string();
        if (isDiagramFile(name) && it->is_regular_file(typeError)) files.push_back(name);
    }
    std::sort(files.begin(), files.end(), [](const std::string& a, const std::string& b) {
        const std::string la = lower(a), lb = lower(b);
        return la != lb ? la < lb : a < b;
    });
    return files;
}

std::optional<std::vector<int>> pathToFolder(const FolderNode& root, const std::string& path) {
    const std::string wanted = withoutTrailingSlash(path);
    if (wanted == root.path) return std::vector<int>{};
    for (std::size_t i = 0; i < root.children.size(); ++i) {
        const FolderNode& child = root.children[i];
        if (wanted != child.path && !wanted.starts_with(child.path + "/")) continue;
        std::optional<std::vector<int>> rest = pathToFolder(child, wanted);
        if (!rest) return std::nullopt;
        rest->insert(rest->begin(), static_cast<int>(i));
        return rest;
    }
    return std::nullopt;
}

}  // namespace ordinax::explorer
