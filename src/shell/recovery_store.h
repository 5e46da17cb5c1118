// Recovery copies: a modified diagram, named or not, is also written to the
// user's data folder at each timer tick and before any risky operation, so
// that a crash or a killed session never loses work. A copy newer than its
// file, or the copy of a never-saved diagram, is offered at the next start;
// a clean save or close removes it. Nothing here needs Qt.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/message.h"
#include "document/diagram.h"

namespace ordinax::shell {

// A recovery copy found at start.
struct RecoveryCandidate {
    std::filesystem::path copy;  // the recovery file (an ordinary diagram file)
    std::string original;        // the diagram's own path, empty when never saved
};

class RecoveryStore {
public:
    // Keeps its copies in `folder` (created on first write); `owner` names the
    // copies of never-saved diagrams so that two running instances never share one.
    explicit RecoveryStore(std::filesystem::path folder, pid_t owner);

    // The recovery file of a diagram saved at `original` (empty: never saved).
    std::filesystem::path copyPath(const std::string& original) const;

    // Writes `diagram` as the recovery copy of `original`; the diagram itself is
    // not touched. Returns the write message on failure.
    base::Message write(const document::Diagram& diagram, const std::string& original, const std::string& now);

    // Removes the recovery copy of `original` (no error when there is none).
    void remove(const std::string& original);

    // Copies worth offering, newest first: never-saved diagrams of instances
    // that no longer run, and copies newer than their file or whose file is
    // gone. Copies older than their file are stale and are deleted.
    std::vector<RecoveryCandidate> candidates();

    // Deletes a recovery copy and its origin note.
    static void discard(const std::filesystem::path& copy);

    const std::filesystem::path& folder() const { return folder_; }

private:
    std::filesystem::path folder_;
    pid_t owner_;
};

}  // namespace ordinax::shell
