// Whole-file reading and the atomic replacement of files through a temporary
// file beside the target.
#include "document/safe_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <signal.h>
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
constexpr std::size_t GatherSize = std::size_t{256} << 10;
constexpr std::string_view TemporaryMark = ".ordinax-";
constexpr std::size_t RandomLength = 6;  // the XXXXXX of mkostemp
constexpr std::size_t HostLength = 32;
constexpr std::size_t NameLength = 160;

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
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

// Writes every piece whole; the error number of the failure, 0 on success.
int writeAll(int fd, std::span<const std::span<const std::uint8_t>> pieces) {
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
            return errno;
        }
        // Nothing written without an error: the disk took no more.
        if (written == 0) return ENOSPC;
        // Drop what went out; a partial write leaves the rest of one piece.
        std::size_t done = static_cast<std::size_t>(written);
        while (first < vec.size() && done >= vec[first].iov_len) done -= vec[first++].iov_len;
        if (first < vec.size()) {
            vec[first].iov_base = static_cast<std::uint8_t*>(vec[first].iov_base) + done;
            vec[first].iov_len -= done;
        }
    }
    return 0;
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

// The host name as it goes into a temporary file name: letters, digits and
// dashes, at most HostLength characters.
std::string hostTag() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0 || name[0] == '\0') return "local";
    std::string tag;
    for (const char* c = name; *c && tag.size() < HostLength; ++c) {
        const bool plain = (*c >= 'a' && *c <= 'z') || (*c >= 'A' && *c <= 'Z') || (*c >= '0' && *c <= '9') || *c == '-';
        tag += plain ? *c : '_';
    }
    return tag;
}

bool processRuns(long pid) {
    if (pid <= 0) return false;
    if (pid == static_cast<long>(::getpid())) return true;
    // EPERM: it runs under another user.
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

}  // namespace

void FileBytes::Free::operator()(std::uint8_t* p) const { std::free(p); }

ReadableFile::~ReadableFile() {
    if (fd_ >= 0) ::close(fd_);
}

namespace {

// Opens a regular file; a folder, a device or a pipe is refused without blocking.
int openRegular(const std::string& path, struct stat& st, base::InputError* error) {
    base::InputError failure;
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.get() < 0) {
        failure.status = base::InputStatus::CannotOpen;
        failure.error = errno;
    } else if (::fstat(fd.get(), &st) != 0) {
        failure.status = base::InputStatus::CannotOpen;
        failure.error = errno;
    } else if (!S_ISREG(st.st_mode) || st.st_size < 0) {
        failure.status = base::InputStatus::NotAFile;
        failure.error = S_ISDIR(st.st_mode) ? EISDIR : S_ISFIFO(st.st_mode) ? ESPIPE : ENODEV;
    } else {
        return fd.release();
    }
    if (error) *error = failure;
    return -1;
}

}  // namespace

bool openReadableFile(const std::string& path, ReadableFile& out, base::InputError* error) {
    struct stat st {};
    const int fd = openRegular(path, st, error);
    if (fd < 0) return false;
    if (out.fd_ >= 0) ::close(out.fd_);
    out.size_ = static_cast<std::uint64_t>(st.st_size);
    out.fd_ = fd;
    return true;
}

bool readWholeFile(const std::string& path, FileBytes& out, base::InputError* error) {
    struct stat st {};
    Descriptor fd(openRegular(path, st, error));
    if (fd.get() < 0) return false;
    auto failed = [&](int code) {
        if (error) *error = base::InputError{base::InputStatus::ReadFailed, code, 0, 0};
        return false;
    };
    const std::size_t size = static_cast<std::size_t>(st.st_size);
    std::unique_ptr<std::uint8_t, FileBytes::Free> data(allocateBytes(size));
    if (!data) return failed(ENOMEM);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd.get(), data.get() + done, size - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return failed(errno);
        }
        if (n == 0) break;  // the file shrank meanwhile: take what is there
        done += static_cast<std::size_t>(n);
    }
    out.data_ = std::move(data);
    out.size_ = done;
    return true;
}

std::string folderOfPath(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

AtomicFile::~AtomicFile() { cancel(); }

bool AtomicFile::fail(int error) {
    if (error_ == 0) error_ = error != 0 ? error : EIO;
    return false;
}

bool AtomicFile::open(const std::string& path) {
    cancel();
    error_ = 0;
    target_ = resolvedTarget(path);
    folder_ = folderOfPath(target_);
    const auto slash = target_.rfind('/');
    const std::string name = slash == std::string::npos ? target_ : target_.substr(slash + 1);
    if (name.empty()) return fail(EISDIR);
    // Killed saves leave their temporary files: they go before this one takes room.
    removeStaleTemporaries(folder_);
    // The target's name only helps a reader of the folder: a long one is cut
    // so that the temporary name stays within the length of a file name.
    std::string temporary = folder_ + "/." + name.substr(0, NameLength) + std::string(TemporaryMark) +
                            std::to_string(::getpid()) + "-" + hostTag() + "." + std::string(RandomLength, 'X');
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return fail(errno);
    fd_ = fd;
    temporary_ = std::move(temporary);
    return true;
}

bool AtomicFile::flushBuffer() {
    if (buffer_.empty()) return error_ == 0;
    const std::span<const std::uint8_t> piece(buffer_);
    const int error = writeAll(fd_, std::span<const std::span<const std::uint8_t>>(&piece, 1));
    buffer_.clear();
    return error == 0 || fail(error);
}

bool AtomicFile::write(const void* data, std::size_t size) {
    if (fd_ < 0) return fail(EBADF);
    if (error_ != 0) return false;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    if (buffer_.size() + size <= GatherSize) {
        buffer_.insert(buffer_.end(), bytes, bytes + size);
        return true;
    }
    if (!flushBuffer()) return false;
    if (size <= GatherSize) {
        buffer_.assign(bytes, bytes + size);
        return true;
    }
    const std::span<const std::uint8_t> piece(bytes, size);
    const int error = writeAll(fd_, std::span<const std::span<const std::uint8_t>>(&piece, 1));
    return error == 0 || fail(error);
}

bool AtomicFile::write(std::span<const std::span<const std::uint8_t>> pieces) {
    if (fd_ < 0) return fail(EBADF);
    if (!flushBuffer()) return false;
    const int error = writeAll(fd_, pieces);
    return error == 0 || fail(error);
}

bool AtomicFile::commit() {
    if (fd_ < 0) return fail(EBADF);
    bool ok = flushBuffer();
    if (ok) {
        struct stat old {};
        if (::stat(target_.c_str(), &old) == 0) {
            if (::fchmod(fd_, old.st_mode & 07777) != 0) ok = fail(errno);
            // Keeps the owner when an administrator saves someone's file; an
            // ordinary user is refused, which changes nothing.
            [[maybe_unused]] const int owner = ::fchown(fd_, old.st_uid, old.st_gid);
        } else if (::fchmod(fd_, defaultFileMode()) != 0) {
            ok = fail(errno);
        }
    }
    if (ok && ::fsync(fd_) != 0) ok = fail(errno);
    // A delayed write error may only show at close.
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 && ok) ok = fail(errno);
    if (ok && ::rename(temporary_.c_str(), target_.c_str()) != 0) ok = fail(errno);
    if (!ok) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
        return false;
    }
    temporary_.clear();
    // The rename itself reaches the disk with the folder's entry.
    Descriptor dir(::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get());
    return true;
}

void AtomicFile::cancel() {
    buffer_.clear();
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
    }
}

WriteStatus replaceFile(const std::string& path, std::span<const std::span<const std::uint8_t>> pieces) {
    AtomicFile file;
    if (file.open(path) && file.write(pieces) && file.commit()) return {};
    return {file.error() != 0 ? file.error() : EIO};
}

WriteStatus replaceFile(const std::string& path, std::string_view bytes) {
    const std::span<const std::uint8_t> piece(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return replaceFile(path, std::span<const std::span<const std::uint8_t>>(&piece, 1));
}

bool temporaryOwner(std::string_view name, TemporaryOwner& owner) {
    // ".NAME.ordinax-PID-HOST.XXXXXX"
    if (name.size() < 2 || name.front() != '.') return false;
    const std::size_t mark = name.rfind(TemporaryMark);
    if (mark == std::string_view::npos || mark < 1) return false;
    std::string_view rest = name.substr(mark + TemporaryMark.size());
    if (rest.size() < RandomLength + 1 || rest[rest.size() - RandomLength - 1] != '.') return false;
    for (char c : rest.substr(rest.size() - RandomLength)) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!plain) return false;
    }
    rest.remove_suffix(RandomLength + 1);
    const std::size_t dash = rest.find('-');
    if (dash == std::string_view::npos || dash == 0 || dash > 9 || dash + 1 >= rest.size()) return false;
    long pid = 0;
    for (char c : rest.substr(0, dash)) {
        if (c < '0' || c > '9') return false;
        pid = pid * 10 + (c - '0');
    }
    owner.pid = pid;
    owner.host = std::string(rest.substr(dash + 1));
    return true;
}

int removeStaleTemporaries(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return 0;
    const std::string host = hostTag();
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        TemporaryOwner owner;
        if (!temporaryOwner(entry->d_name, owner) || owner.host != host || processRuns(owner.pid)) continue;
        // Only files: a folder or a link of that name is nobody's temporary file.
        struct stat st {};
        if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode)) continue;
        if (::unlinkat(::dirfd(dir), entry->d_name, 0) == 0) ++removed;
    }
    ::closedir(dir);
    return removed;
}

int removeStaleTemporaries(const std::vector<std::string>& folders) {
    int removed = 0;
    std::vector<std::string> seen;
    for (const std::string& folder : folders) {
        if (folder.empty() || std::find(seen.begin(), seen.end(), folder) != seen.end()) continue;
        seen.push_back(folder);
        removed += removeStaleTemporaries(folder);
    }
    return removed;
}

}  // namespace ordinax::document
