// The undo/redo history. A step file holds one side of a change: the state
// before it while it can be undone, the state after it once it has been undone.
// Undo and redo both exchange the file's parts with the working diagram's, so
// redo brings back exactly what its undo took away, whatever later steps hold.
#include "document/change_history.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <utility>

#include "document/byte_cursor.h"
#include "document/orx_parts.h"

namespace ordinax::document {

namespace {

// The scratch file a new side is written to before it replaces a step file:
// a failed write leaves the history as it was.
constexpr int ScratchIndex = ChangeHistory::MaxSteps;

// The presentation fields compared by value; the display mode and the report
// font are view and preference matters that a step never restores.
Diagram presentationOf(const Diagram& d) {
    Diagram p = d;
    p.curves.clear();
    p.displayMode = 0;
    p.reportFont = {};
    return p;
}

class FileCloser {
public:
    explicit FileCloser(int fd) : fd_(fd) {}
    ~FileCloser() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileCloser(const FileCloser&) = delete;
    FileCloser& operator=(const FileCloser&) = delete;

private:
    int fd_;
};

}  // namespace

ChangeHistory::ChangeHistory(std::string tmpFolder, pid_t owner) : steps_(MaxSteps) {
    char name[32];
    std::snprintf(name, sizeof name, "ordinax-%lld", static_cast<long long>(owner));
    folder_ = (std::filesystem::path(std::move(tmpFolder)) / name).string();
}

ChangeHistory::~ChangeHistory() {
    if (!folderReady_) return;
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
}

void ChangeHistory::beginChange(const Diagram& diagram, int selectedCurve) {
    // Copying a curve shares its points, so this costs per curve, not per point.
    before_ = diagram;
    beforeSelection_ = selectedCurve;
    haveBefore_ = true;
}

bool ChangeHistory::commitChange(const Diagram& diagram, bool force) {
    if (!haveBefore_) return false;
    // One before-image serves one command: a second commit would record it twice.
    haveBefore_ = false;

    Step step;
    step.selectedCurve = beforeSelection_;
    step.curveCount = before_.curveCount();
    const int countBefore = before_.curveCount();
    const int countAfter = diagram.curveCount();
    if (!force && countBefore == countAfter) {
        if (countBefore > 0 && presentationOf(before_) != presentationOf(diagram)) step.header = true;
        for (int i = 0; i < countBefore; ++i)
            if (before_.curves[static_cast<std::size_t>(i)] != diagram.curves[static_cast<std::size_t>(i)])
                step.curves.set(static_cast<std::size_t>(i));
    } else {
        // A changed curve count is a header change: undo must bring the count
        // back, which the curve slots alone cannot do.
        step.header = true;
        for (int i = 0; i < std::max(countBefore, countAfter); ++i) step.curves.set(static_cast<std::size_t>(i));
    }
    if (!step.header && step.curves.none()) return false;

    if (!ensureFolder()) return false;
    const std::string scratch = stepPath(ScratchIndex);
    if (!writeState(scratch, before_, step)) {
        ::unlink(scratch.c_str());
        return false;
    }

    int next = position_ + 1;
    if (next >= MaxSteps) {
        // The oldest step goes; the others move down one place, file and flags.
        ::unlink(stepPath(0).c_str());
        bool moved = true;
        for (int i = 1; i < MaxSteps && moved; ++i)
            moved = ::rename(stepPath(i).c_str(), stepPath(i - 1).c_str()) == 0;
        std::rotate(steps_.begin(), steps_.begin() + 1, steps_.end());
        next = MaxSteps - 1;
        if (!moved) {
            // Files and flags no longer match: an empty history is the honest one.
            deleteStepFiles();
            std::fill(steps_.begin(), steps_.end(), Step{});
            next = 0;
        }
    }
    // The redo steps are dropped; a file left behind is replaced before it is read again.
    for (int i = next + 1; i < stepCount_; ++i) {
        steps_[static_cast<std::size_t>(i)] = Step{};
        if (::unlink(stepPath(i).c_str()) != 0 && errno != ENOENT) break;
    }
    if (::rename(scratch.c_str(), stepPath(next).c_str()) != 0) {
        ::unlink(scratch.c_str());
        position_ = next - 1;
        stepCount_ = next;
        return false;
    }
    steps_[static_cast<std::size_t>(next)] = step;
    position_ = next;
    stepCount_ = next + 1;
    return true;
}

bool ChangeHistory::undo(Diagram& diagram, int& selectedCurve) {
    if (position_ < 0 || position_ >= stepCount_) return false;
    if (!swapStep(position_, diagram, selectedCurve)) return false;
    --position_;
    return true;
}

bool ChangeHistory::redo(Diagram& diagram, int& selectedCurve) {
    if (position_ + 1 < 0 || position_ + 1 >= stepCount_) return false;
    if (!swapStep(position_ + 1, diagram, selectedCurve)) return false;
    ++position_;
    return true;
}

void ChangeHistory::clearHistory() {
    deleteStepFiles();
    std::fill(steps_.begin(), steps_.end(), Step{});
    position_ = -1;
    stepCount_ = 0;
}

bool ChangeHistory::canUndo(int displayMode) const {
    return displayMode >= 1 && displayMode <= 3 && position_ >= 0 && position_ < stepCount_;
}

bool ChangeHistory::canRedo(int displayMode) const {
    return displayMode >= 1 && displayMode <= 3 && position_ >= -1 && position_ < stepCount_ - 1;
}

void ChangeHistory::removeStaleFolders(const std::string& tmpFolder) {
    std::error_code ec;
    std::filesystem::directory_iterator it(tmpFolder, ec);
    if (ec) return;
    constexpr std::string_view Prefix = "ordinax-";
    for (const auto& entry : it) {
        const std::string name = entry.path().filename().string();
        if (name.size() <= Prefix.size() || name.compare(0, Prefix.size(), Prefix) != 0) continue;
        long long pid = 0;
        const char* first = name.data() + Prefix.size();
        const char* last = name.data() + name.size();
        const auto [end, err] = std::from_chars(first, last, pid);
        if (err != std::errc{} || end != last || pid <= 0 || pid != static_cast<pid_t>(pid)) continue;
        std::error_code statusError;
        if (!std::filesystem::is_directory(entry.symlink_status(statusError)) || statusError) continue;
        // Only a process known not to exist gives its folder up; a live one,
        // or one we may not signal, keeps it.
        if (::kill(static_cast<pid_t>(pid), 0) == -1 && errno == ESRCH) {
            std::error_code removeError;
            std::filesystem::remove_all(entry.path(), removeError);
        }
    }
}

bool ChangeHistory::ensureFolder() {
    if (folderReady_) return true;
    if (::mkdir(folder_.c_str(), 0700) != 0) {
        if (errno != EEXIST) return false;
        // A folder left by an earlier process with our number: take it only
        // when it is a real folder of ours, never through a link.
        struct stat st {};
        if (::lstat(folder_.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()) return false;
    }
    folderReady_ = true;
    deleteStepFiles();
    return true;
}

std::string ChangeHistory::stepPath(int index) const {
    char name[32];
    std::snprintf(name, sizeof name, "/ORX_U%03d.TMP", index);
    return folder_ + name;
}

bool ChangeHistory::writeState(const std::string& path, const Diagram& state, const Step& step) const {
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    bool ok = true;
    if (step.header) ok = writePresentation(out, state);
    // Slots beyond the state's own count are flagged when the count changes;
    // they are stored blank and never restored.
    const Curve blank;
    for (std::size_t i = 0; i < MaxCurves && ok; ++i)
        if (step.curves.test(i))
            ok = writeCurve(out, i < state.curves.size() ? state.curves[i] : blank);
    ok = std::fflush(out) == 0 && ok;
    ok = std::fclose(out) == 0 && ok;
    return ok;
}

bool ChangeHistory::readState(const std::string& path, const Step& step, Diagram& state) const {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    FileCloser closer(fd);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return false;
    ByteCursor in(fd, static_cast<std::uint64_t>(st.st_size));
    if (step.header && !readPresentation(in, state)) return false;
    std::size_t slots = 0;
    for (std::size_t i = 0; i < MaxCurves; ++i)
        if (step.curves.test(i)) slots = i + 1;
    state.curves.resize(slots);
    for (std::size_t i = 0; i < slots; ++i)
        if (step.curves.test(i) && !readCurve(in, state.curves[i])) return false;
    // A step file is exactly its parts: anything else means it is not ours.
    return in.ok() && in.remaining() == 0;
}

bool ChangeHistory::swapStep(int index, Diagram& diagram, int& selectedCurve) {
    Step& step = steps_[static_cast<std::size_t>(index)];
    Diagram stored;
    if (!readState(stepPath(index), step, stored)) return false;

    // The working diagram's side of the same parts replaces the file, so that
    // the opposite command can bring it back.
    Step other = step;
    other.selectedCurve = selectedCurve;
    other.curveCount = diagram.curveCount();
    const std::string scratch = stepPath(ScratchIndex);
    if (!writeState(scratch, diagram, other) || ::rename(scratch.c_str(), stepPath(index).c_str()) != 0) {
        ::unlink(scratch.c_str());
        return false;
    }

    std::vector<Curve> restored = std::move(stored.curves);
    if (step.header) {
        stored.curves = std::move(diagram.curves);
        stored.displayMode = diagram.displayMode;
        stored.reportFont = diagram.reportFont;
        diagram = std::move(stored);
        diagram.curves.resize(static_cast<std::size_t>(step.curveCount));
    }
    for (std::size_t i = 0; i < restored.size() && i < diagram.curves.size(); ++i)
        if (step.curves.test(i)) diagram.curves[i] = std::move(restored[i]);
    selectedCurve = step.selectedCurve;
    step = other;
    return true;
}

void ChangeHistory::deleteStepFiles() {
    for (int i = 0; i <= ScratchIndex; ++i) ::unlink(stepPath(i).c_str());
}

}  // namespace ordinax::document
