// Places where writes fail as they do for users: a small disk that fills
// up (a tmpfs when the tests may mount one), a folder the writer may not
// write in, and a child process that runs a write under such conditions.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <string>

namespace ordinax::document::test {

// A folder on a tmpfs of a few pages, mounted for the test when the process
// may mount one (unmounted and removed on destruction); otherwise a plain
// folder, and full() is false: the tests then limit the size of files the
// writer may write (setrlimit RLIMIT_FSIZE) to make the writes fail.
class SmallDisk {
public:
    explicit SmallDisk(std::size_t bytes = std::size_t{256} << 10);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    const std::string& path() const { return path_; }
    bool mounted() const { return mounted_; }
    // Takes every byte left on the disk, so that the next write fails with
    // "disk full"; false (nothing done) when no disk could be mounted.
    bool fill();

private:
    std::string path_;
    bool mounted_ = false;
};

// How a child process runs: the limit of the size of the files it writes
// (-1 none), and whether it gives up the administrator's rights (which pass
// over permissions) to run as the user "nobody".
struct ChildLimits {
    long long fileSizeLimit = -1;
    bool asNobody = false;
};

// True when this process runs as the administrator.
bool runningAsRoot();

// Makes `path` and the folders above it up to /tmp readable by every user,
// so that a child running as "nobody" reaches the files of a test.
void openToEveryone(const std::string& path);

// Runs `body` in a forked child under `limits`; its return value is the exit status.
int runInChild(const ChildLimits& limits, const std::function<int()>& body);

// Applies `limits` in the current process (a child before exec).
void applyChildLimits(const ChildLimits& limits);

// A new folder in the temporary folder, removed by the caller.
std::string makeScratchFolder(const std::string& prefix);

}  // namespace ordinax::document::test
