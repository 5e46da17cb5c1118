// Small disks, closed folders and limited children for the write tests.
#include "document/constrained_disk.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace ordinax::document::test {

namespace fs = std::filesystem;

std::string makeScratchFolder(const std::string& prefix) {
    std::string pattern = (fs::temp_directory_path() / (prefix + "-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a scratch folder");
    return pattern;
}

SmallDisk::SmallDisk(std::size_t bytes) : path_(makeScratchFolder("ordinax-small-disk")) {
    const std::string options = "size=" + std::to_string(bytes) + ",mode=0777";
    mounted_ = ::mount("ordinax-test", path_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) == 0;
}

SmallDisk::~SmallDisk() {
    if (mounted_) ::umount2(path_.c_str(), MNT_DETACH);
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

bool SmallDisk::fill() {
    if (!mounted_) return false;
    const std::string filler = path_ + "/.remplissage";
    const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    if (fd < 0) return false;
    const std::vector<char> block(4096, 'x');
    // Whole pages first, then single bytes into the last partial page.
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    while (::write(fd, block.data(), 1) > 0) {
    }
    ::close(fd);
    return true;
}

bool runningAsRoot() { return ::geteuid() == 0; }

void openToEveryone(const std::string& path) {
    fs::path at(path);
    std::error_code ignored;
    while (!at.empty() && at != at.root_path() && at != fs::temp_directory_path()) {
        fs::permissions(at, fs::perms::others_read | fs::perms::others_exec | fs::perms::group_read |
                                fs::perms::group_exec,
                        fs::perm_options::add, ignored);
        at = at.parent_path();
    }
}

void applyChildLimits(const ChildLimits& limits) {
    if (limits.fileSizeLimit >= 0) {
        // The write fails with EFBIG instead of the signal ending the child.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{static_cast<rlim_t>(limits.fileSizeLimit), static_cast<rlim_t>(limits.fileSizeLimit)};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    if (limits.asNobody && ::geteuid() == 0) {
        constexpr uid_t Nobody = 65534;
        if (::setgroups(0, nullptr) != 0 || ::setgid(Nobody) != 0 || ::setuid(Nobody) != 0) ::_exit(125);
    }
}

int runInChild(const ChildLimits& limits, const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child < 0) throw std::runtime_error("fork failed");
    if (child == 0) {
        applyChildLimits(limits);
        ::_exit(body());
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace ordinax::document::test
