// Opening and reading outside input within limits.
#include "base/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <algorithm>
#include <cstring>

#include "base/strings.h"
#include "base/strings_files.h"
#include "base/system_reason.h"

namespace ordinax::base {

namespace {

constexpr std::size_t ChunkSize = std::size_t{64} << 10;

// Regular files and pipes end; a terminal ends when its user says so, and
// /dev/null at once. Other devices may never end (/dev/zero, /dev/urandom).
bool readableKind(const struct stat& st, bool terminalAllowed) {
    if (S_ISREG(st.st_mode) || S_ISFIFO(st.st_mode)) return true;
    if (!S_ISCHR(st.st_mode)) return false;
    return terminalAllowed || st.st_rdev == makedev(1, 3);
}

void refuse(const struct stat& st, InputError& error) {
    error.status = InputStatus::NotAFile;
    error.error = S_ISDIR(st.st_mode) ? EISDIR : ENODEV;
}

}  // namespace

std::string InputError::reason() const {
    switch (status) {
        case InputStatus::Ok:
            return {};
        case InputStatus::CannotOpen:
        case InputStatus::ReadFailed:
        case InputStatus::NotAFile:
            return systemReason(error, FileAccess::Read);
        case InputStatus::TooLarge:
            return makeMessage(MsgInputTooLarge, Heading::None, std::to_string(limit)).text;
        case InputStatus::LineTooLong:
            return makeMessageWith(MsgInputLineTooLong, Heading::None, {std::to_string(line), std::to_string(limit)})
                .text;
    }
    return {};
}

int openInput(const std::string& path, InputError& error, std::uint64_t* regularSize) {
    error = {};
    // Without O_NONBLOCK the open of a FIFO waits for a writer that may never come.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        error.status = InputStatus::CannotOpen;
        error.error = errno;
        return -1;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        error.status = InputStatus::CannotOpen;
        error.error = errno;
        ::close(fd);
        return -1;
    }
    if (!readableKind(st, false)) {
        refuse(st, error);
        ::close(fd);
        return -1;
    }
    // Reads block again: a pipe with a writer is read as its data comes, one
    // without writer reads as ended.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        error.status = InputStatus::CannotOpen;
        error.error = errno;
        ::close(fd);
        return -1;
    }
    if (regularSize) *regularSize = S_ISREG(st.st_mode) && st.st_size > 0 ? static_cast<std::uint64_t>(st.st_size) : 0;
    return fd;
}

bool checkInputDescriptor(int fd, InputError& error) {
    error = {};
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        error.status = InputStatus::CannotOpen;
        error.error = errno;
        return false;
    }
    if (readableKind(st, ::isatty(fd) == 1)) return true;
    refuse(st, error);
    return false;
}

std::optional<std::string> readTextDescriptor(int fd, const TextLimits& limits, InputError& error) {
    error = {};
    std::string text;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0)
        text.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(static_cast<std::uint64_t>(st.st_size), limits.maxBytes) + 1));
    std::size_t lineLength = 0;  // bytes of the current line so far
    std::uint64_t line = 1;
    for (;;) {
        const std::size_t room = limits.maxBytes - text.size() + 1;  // one byte more tells the limit is passed
        const std::size_t at = text.size();
        text.resize(at + std::min(room, ChunkSize));
        const ssize_t n = ::read(fd, text.data() + at, text.size() - at);
        if (n < 0 && errno == EINTR) {
            text.resize(at);
            continue;
        }
        if (n < 0) {
            error.status = InputStatus::ReadFailed;
            error.error = errno;
            return std::nullopt;
        }
        text.resize(at + static_cast<std::size_t>(n));
        if (n == 0) return text;
        for (std::size_t i = at; i < text.size(); ++i) {
            if (text[i] == '\n') {
                lineLength = 0;
                ++line;
            } else if (++lineLength > limits.maxLineLength) {
                error.status = InputStatus::LineTooLong;
                error.limit = limits.maxLineLength;
                error.line = line;
                return std::nullopt;
            }
        }
        if (text.size() > limits.maxBytes) {
            error.status = InputStatus::TooLarge;
            error.limit = limits.maxBytes;
            return std::nullopt;
        }
    }
}

std::optional<std::string> readTextInput(const std::string& path, const TextLimits& limits, InputError& error) {
    const int fd = openInput(path, error);
    if (fd < 0) return std::nullopt;
    std::optional<std::string> text = readTextDescriptor(fd, limits, error);
    ::close(fd);
    return text;
}

Message inputFailureMessage(const std::string& path, const InputError& error) {
    const bool limit = error.status == InputStatus::TooLarge || error.status == InputStatus::LineTooLong;
    return withReason(makeMessage(limit ? static_cast<int>(MsgInputStopped) : static_cast<int>(MsgFileOpenFailed), Heading::Error, path), error.reason());
}

}  // namespace ordinax::base
