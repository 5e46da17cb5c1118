// Recovery copies of modified diagrams.
#include "shell/recovery_store.h"

#include <signal.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <functional>
#include <system_error>

#include "base/format.h"
#include "base/strings.h"
#include "document/orx_file.h"
#include "document/safe_file.h"

namespace ordinax::shell {

namespace fs = std::filesystem;

namespace {

constexpr const char* UntitledPrefix = "sans-nom-";
constexpr const char* OriginSuffix = ".origin";

fs::path originNote(const fs::path& copy) {
    return fs::path(copy.string() + OriginSuffix);
}

std::string readOrigin(const fs::path& copy) {
    std::ifstream in(originNote(copy), std::ios::binary);
    std::string text;
    std::getline(in, text);
    return text;
}

// The process of an untitled copy is still running: its copy is its own business.
bool processRuns(pid_t pid) {
    return pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM);
}

}  // namespace

RecoveryStore::RecoveryStore(fs::path folder, pid_t owner) : folder_(std::move(folder)), owner_(owner) {}

fs::path RecoveryStore::copyPath(const std::string& original) const {
    if (original.empty()) return folder_ / (UntitledPrefix + std::to_string(owner_) + ".orx");
    // One copy per file path; the hash keeps any path a plain file name.
    const std::size_t hash = std::hash<std::string>{}(original);
    return folder_ / base::formatPrintf("copie-%016llx.orx", static_cast<unsigned long long>(hash));
}

base::Message RecoveryStore::write(const document::Diagram& diagram, const std::string& original,
                                   const std::string& now) {
    const fs::path target = copyPath(original);
    std::error_code ec;
    fs::create_directories(folder_, ec);
    // Saving compacts curves and fills dates: work on a copy so the open diagram stays as the user left it.
    document::Diagram copy = diagram;
    const document::SaveResult saved = document::saveDiagram(copy, target.string(), now);
    if (!saved.ok) return saved.message;
    const std::string notePath = originNote(target).string();
    const document::WriteStatus written = document::replaceFile(notePath, original + '\n');
    if (!written.ok()) return document::writeFailureMessage(notePath, written.error);
    return {};
}

void RecoveryStore::remove(const std::string& original) {
    discard(copyPath(original));
}

void RecoveryStore::discard(const fs::path& copy) {
    std::error_code ec;
    fs::remove(copy, ec);
    fs::remove(originNote(copy), ec);
}

std::vector<RecoveryCandidate> RecoveryStore::candidates() {
    std::vector<std::pair<fs::file_time_type, RecoveryCandidate>> found;
    std::error_code ec;
    fs::directory_iterator it(folder_, ec);
    if (ec) return {};
    for (const fs::directory_entry& entry : it) {
        const fs::path copy = entry.path();
        if (copy.extension() != ".orx" || !entry.is_regular_file(ec)) continue;
        const std::string name = copy.filename().string();
        const fs::file_time_type copyTime = fs::last_write_time(copy, ec);
        if (ec) continue;
        if (name.rfind(UntitledPrefix, 0) == 0) {
            const std::string digits = name.substr(std::string(UntitledPrefix).size());
            const auto pid = base::parseInteger(digits.substr(0, digits.size() - 4));
            if (pid && (*pid == owner_ || processRuns(*pid))) continue;
            found.push_back({copyTime, {copy, {}}});
            continue;
        }
        const std::string original = readOrigin(copy);
        if (original.empty()) continue;  // not one of ours, or its note is lost: leave it alone
        std::error_code missing;
        const fs::file_time_type originalTime = fs::last_write_time(original, missing);
        if (!missing && originalTime >= copyTime) {
            discard(copy);  // the file was saved after the copy: nothing to recover
            continue;
        }
        found.push_back({copyTime, {copy, original}});
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<RecoveryCandidate> result;
    for (auto& [time, candidate] : found) result.push_back(std::move(candidate));
    return result;
}

}  // namespace ordinax::shell
