// Bounded reads and atomic writes of the exchange files.
#include "exchange/file_io.h"

#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "document/orx_file.h"
#include "document/safe_file.h"

namespace ordinax::exchange {

std::optional<std::string> readFileBytes(const std::string& path, const base::TextLimits& limits,
                                         base::Message& error) {
    base::InputError failure;
    std::optional<std::string> bytes = base::readTextInput(path, limits, failure);
    if (!bytes) error = base::inputFailureMessage(path, failure);
    return bytes;
}

std::optional<std::string> readFileHead(const std::string& path, std::size_t maxBytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    std::string bytes(std::min<std::size_t>(maxBytes, static_cast<std::size_t>(st.st_size)), '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        filled += static_cast<std::size_t>(n);
    }
    ::close(fd);
    bytes.resize(filled);
    return bytes;
}

bool writeFileAtomically(const std::string& path, std::string_view bytes, base::Message& error) {
    const document::WriteStatus written = document::replaceFile(path, bytes);
    if (written.ok()) return true;
    error = document::writeFailureMessage(path, written.error);
    return false;
}

}  // namespace ordinax::exchange
