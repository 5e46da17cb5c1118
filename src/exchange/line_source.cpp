// Line splitting over memory or a file read in 1 MiB chunks.
#include "exchange/line_source.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace ordinax::exchange {

namespace {
constexpr std::size_t ChunkSize = std::size_t{1} << 20;
constexpr std::size_t SmallChunk = 4096;

// A file of known size smaller than a chunk is read into a buffer of its
// size (one byte more to see its end): short files cost no 1 MiB buffer.
std::size_t firstBufferSize(std::size_t sizeHint) {
    if (sizeHint == 0 || sizeHint >= ChunkSize) return ChunkSize;
    return std::max(SmallChunk, sizeHint + 1);
}
}  // namespace

LineSource::LineSource(std::string_view text) : text_(text), total_(text.size()) {}

LineSource::LineSource(int fd, std::size_t sizeHint, std::size_t maxLineLength)
    : fd_(fd), total_(sizeHint), maxLineLength_(maxLineLength) {
    buffer_.resize(firstBufferSize(sizeHint));
}

LineSource::~LineSource() {
    if (fd_ >= 0) ::close(fd_);
}

bool LineSource::refill() {
    // Keep the unfinished line at the start of the buffer, growing it only for
    // a line longer than the buffer.
    const std::size_t pending = end_ - begin_;
    if (pending && begin_) std::memmove(buffer_.data(), buffer_.data() + begin_, pending);
    begin_ = 0;
    end_ = pending;
    if (end_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
    for (;;) {
        const ssize_t n = ::read(fd_, buffer_.data() + end_, buffer_.size() - end_);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            failed_ = true;
            error_ = errno;
        }
        if (n <= 0) {
            eof_ = true;
            return false;
        }
        end_ += static_cast<std::size_t>(n);
        return true;
    }
}

bool LineSource::next(std::string_view& line) {
    if (fd_ < 0) {
        if (text_.empty()) return false;
        const void* lf = std::memchr(text_.data(), '\n', text_.size());
        const std::size_t length = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - text_.data()) : text_.size();
        line = text_.substr(0, length);
        const std::size_t step = lf ? length + 1 : length;
        text_.remove_prefix(step);
        consumed_ += step;
        return true;
    }
    if (tooLongLine_ != 0) return false;
    std::size_t searched = begin_;
    for (;;) {
        const void* lf = std::memchr(buffer_.data() + searched, '\n', end_ - searched);
        const std::size_t at = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - buffer_.data()) : end_;
        if (at - begin_ > maxLineLength_) {
            // An endless line (a device, a stream without line ends) stops here.
            tooLongLine_ = lines_ + 1;
            return false;
        }
        if (lf) {
            line = std::string_view(buffer_.data() + begin_, at - begin_);
            consumed_ += at + 1 - begin_;
            begin_ = at + 1;
            ++lines_;
            return true;
        }
        // The bytes of the unfinished line were searched already; after the
        // refill they start the buffer.
        const std::size_t searchedBytes = end_ - begin_;
        if (eof_ || !refill()) {
            if (begin_ == end_) return false;
            line = std::string_view(buffer_.data() + begin_, end_ - begin_);
            consumed_ += end_ - begin_;
            begin_ = end_;
            ++lines_;
            return true;
        }
        searched = begin_ + searchedBytes;
    }
}

}  // namespace ordinax::exchange
