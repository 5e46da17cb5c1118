// Whole-file reading and crash-safe replacement of files through a temporary
// file beside the target.
#include "document/safe_file.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <vector>

namespace ordinax::document {

namespace {

constexpr std::size_t HugePage = std::size_t{2} << 20;
constexpr std::size_t HugeThreshold = std::size_t{4} << 20;

std::uint8_t* allocateBytes(std::size_t size) {
    if (size >= HugeThreshold) {
        // Fresh 4 KiB pages are what reading a large file costs most here.
        const std::size_t rounded = (size + HugePage - 1) / HugePage * HugePage;
        void* p = std::aligned_alloc(HugePage, rounded);
        if (p) madvise(p, rounded, MADV_HUGEPAGE);
        return static_cast<std::uint8_t*>(p);
    }
    return static_cast<std::uint8_t*>(std::malloc(std::max<std::size_t>(size, 1)));
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now and reports the error a delayed write may surface at close.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, std::span<const std::span<const std::uint8_t>> pieces) {
    std::vector<iovec> vec;
    vec.reserve(pieces.size());
    for (const auto& p : pieces)
        if (!p.empty()) vec.push_back({const_cast<std::uint8_t*>(p.data()), p.size()});
    std::size_t first = 0;
    while (first < vec.size()) {
        const int count = static_cast<int>(std::min<std::size_t>(vec.size() - first, IOV_MAX));
        const ssize_t written = ::writev(fd, vec.data() + first, count);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (written == 0) return false;
        // Drop what went out; a partial write leaves the rest of one piece.
        std::size_t done = static_cast<std::size_t>(written);
        while (first < vec.size() && done >= vec[first].iov_len) done -= vec[first++].iov_len;
        if (first < vec.size()) {
            vec[first].iov_base = static_cast<std::uint8_t*>(vec[first].iov_base) + done;
            vec[first].iov_len -= done;
        }
    }
    return true;
}

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// The file a save really replaces: the target of a symbolic link, so that
// the link itself survives.
std::string resolvedTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            std::string r(real);
            std::free(real);
            return r;
        }
    }
    return path;
}

mode_t defaultFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

void FileBytes::Free::operator()(std::uint8_t* p) const { std::free(p); }

ReadableFile::~ReadableFile() {
    if (fd_ >= 0) ::close(fd_);
}

bool openReadableFile(const std::string& path, ReadableFile& out) {
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) return false;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0) return false;
    if (out.fd_ >= 0) ::close(out.fd_);
    out.size_ = static_cast<std::uint64_t>(st.st_size);
    out.fd_ = ::dup(fd.get());
    return out.fd_ >= 0;
}

bool readWholeFile(const std::string& path, FileBytes& out) {
    // Non-blocking open: a pipe given as a diagram must not hang the program.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) return false;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0) return false;
    const std::size_t size = static_cast<std::size_t>(st.st_size);
    std::unique_ptr<std::uint8_t, FileBytes::Free> data(allocateBytes(size));
    if (!data) return false;
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd.get(), data.get() + done, size - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) break;  // the file shrank meanwhile: take what is there
        done += static_cast<std::size_t>(n);
    }
    out.data_ = std::move(data);
    out.size_ = done;
    return true;
}

bool replaceFile(const std::string& path, std::span<const std::span<const std::uint8_t>> pieces) {
    const std::string target = resolvedTarget(path);
    const std::string folder = folderOf(target);
    const auto slash = target.rfind('/');
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    if (name.empty()) return false;

    std::string temp = folder + "/." + name + ".XXXXXX";
    Descriptor fd(::mkstemp(temp.data()));
    if (fd.get() < 0) return false;

    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0;
    bool ok = writeAll(fd.get(), pieces);
    if (ok && existed) {
        ok = ::fchmod(fd.get(), old.st_mode & 07777) == 0;
        // Keeps the owner when an administrator saves someone's file; an
        // ordinary user is refused, which changes nothing.
        [[maybe_unused]] const int owner = ::fchown(fd.get(), old.st_uid, old.st_gid);
    } else if (ok) {
        ok = ::fchmod(fd.get(), defaultFileMode()) == 0;
    }
    ok = ok && ::fsync(fd.get()) == 0;
    ok = fd.close() && ok;
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    // The rename itself reaches the disk with the folder's entry.
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get());
    return true;
}

}  // namespace ordinax::document
