// Bounds-checked reading of little-endian values from bytes in memory or from
// a file. A read past the end sets a sticky failure and yields zeros: callers
// check `ok()` at the points where a value decides what happens next.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

namespace ordinax::document {

static_assert(std::endian::native == std::endian::little, "diagram files are read by copying little-endian bytes");

class ByteCursor {
public:
    // Reads from bytes in memory.
    explicit ByteCursor(std::span<const std::uint8_t> bytes)
        : size_(bytes.size()), window_(bytes.data()), windowLength_(bytes.size()) {}

    // Reads from an open file of `size` bytes through a small window; large
    // blocks (the points) go straight from the file to their destination, so
    // a big diagram is never held twice in memory. A file that shrinks while
    // it is read fails the cursor like a truncated one.
    ByteCursor(int fd, std::uint64_t size) : fd_(fd), size_(size), buffer_(WindowSize) {}

    bool ok() const { return ok_; }
    std::uint64_t position() const { return pos_; }
    std::uint64_t remaining() const { return ok_ ? size_ - pos_ : 0; }
    void fail() { ok_ = false; }

    // True when `count` more bytes are available; fails the cursor otherwise.
    bool need(std::uint64_t count) {
        if (!ok_ || count > size_ - pos_) {
            ok_ = false;
            return false;
        }
        return true;
    }

    // Copies `size` bytes into `out`; zeros when they are not there.
    void raw(void* out, std::size_t size) {
        if (!need(size) || !copyOut(static_cast<std::uint8_t*>(out), size)) {
            ok_ = false;
            std::memset(out, 0, size);
        }
    }

    void skip(std::uint64_t size) {
        if (need(size)) pos_ += size;
    }

    // Large blocks of a file (the points) may be read after the records:
    // once allowed, blockLater() notes where a block goes and moves past it,
    // and readBlocks() reads the noted blocks, split between two threads
    // when they are large (fresh memory is filled faster from two cores).
    // Until readBlocks() succeeds their destinations hold nothing meaningful.
    void allowLaterBlocks() { laterAllowed_ = fd_ >= 0; }

    void blockLater(void* out, std::size_t size) {
        if (!laterAllowed_ || size < WindowSize) {
            raw(out, size);
            return;
        }
        if (!need(size)) return;
        later_.push_back({static_cast<std::uint8_t*>(out), pos_, size});
        pos_ += size;
    }

    // Reads the blocks noted by blockLater(); false (and the cursor failed)
    // when one of them cannot be read whole (the file shrank meanwhile).
    bool readBlocks() {
        std::vector<Block> blocks = std::move(later_);
        later_.clear();
        if (!ok_) return false;
        std::uint64_t total = 0;
        for (const Block& b : blocks) total += b.size;
        bool read = true;
        if (total < TwoThreadBytes) {
            read = readEach(blocks);
        } else {
            // The first half of the bytes on this thread, the second half beside it.
            std::vector<Block> first, second;
            const std::uint64_t half = total / 2;
            std::uint64_t before = 0;
            for (const Block& b : blocks) {
                if (before >= half) {
                    second.push_back(b);
                } else if (before + b.size <= half) {
                    first.push_back(b);
                } else {
                    const std::size_t cut = static_cast<std::size_t>(half - before);
                    first.push_back({b.out, b.offset, cut});
                    second.push_back({b.out + cut, b.offset + cut, b.size - cut});
                }
                before += b.size;
            }
            bool secondRead = true;
            try {
                std::jthread helper([this, &second, &secondRead] { secondRead = readEach(second); });
                read = readEach(first);
            } catch (const std::system_error&) {
                // No second thread to be had: one reads both halves.
                read = readEach(first);
                secondRead = readEach(second);
            }
            read = read && secondRead;
        }
        if (!read) ok_ = false;
        return read;
    }

    std::int32_t i32() {
        std::int32_t v = 0;
        raw(&v, sizeof v);
        return v;
    }

    double f64() {
        double v = 0.0;
        raw(&v, sizeof v);
        return v;
    }

    // A string: int32 length L, then L characters and a zero byte. The text
    // ends at its first zero byte, as a C string would. A negative length or
    // one longer than the rest of the file fails before anything is allocated.
    std::string text() {
        const std::int32_t length = i32();
        if (length < 0 || !need(static_cast<std::uint64_t>(length) + 1)) {
            ok_ = false;
            return {};
        }
        std::string s(static_cast<std::size_t>(length) + 1, '\0');
        raw(s.data(), s.size());
        s.resize(std::strlen(s.c_str()));
        return s;
    }

private:
    static constexpr std::size_t WindowSize = 64 * 1024;
    static constexpr std::uint64_t TwoThreadBytes = std::uint64_t{8} << 20;

    struct Block {
        std::uint8_t* out = nullptr;
        std::uint64_t offset = 0;
        std::size_t size = 0;
    };

    bool readEach(const std::vector<Block>& blocks) const {
        for (const Block& b : blocks)
            if (!readAt(b.out, b.size, b.offset)) return false;
        return true;
    }

    // Copies bytes from position pos_ on; the caller has checked they exist.
    bool copyOut(std::uint8_t* out, std::size_t size) {
        while (size > 0) {
            if (pos_ >= windowStart_ && pos_ < windowStart_ + windowLength_) {
                const std::size_t at = static_cast<std::size_t>(pos_ - windowStart_);
                const std::size_t n = std::min(size, windowLength_ - at);
                std::memcpy(out, window_ + at, n);
                out += n;
                size -= n;
                pos_ += n;
            } else if (fd_ < 0) {
                return false;
            } else if (size >= WindowSize) {
                if (!readAt(out, size, pos_)) return false;
                pos_ += size;
                return true;
            } else {
                const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(WindowSize, size_ - pos_));
                if (!readAt(buffer_.data(), n, pos_)) return false;
                window_ = buffer_.data();
                windowStart_ = pos_;
                windowLength_ = n;
            }
        }
        return true;
    }

    bool readAt(std::uint8_t* out, std::size_t size, std::uint64_t offset) const {
        while (size > 0) {
            const ssize_t n = ::pread(fd_, out, size, static_cast<off_t>(offset));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return false;
            out += n;
            size -= static_cast<std::size_t>(n);
            offset += static_cast<std::uint64_t>(n);
        }
        return true;
    }

    int fd_ = -1;
    std::uint64_t size_ = 0;
    std::uint64_t pos_ = 0;
    bool ok_ = true;
    std::vector<std::uint8_t> buffer_;
    const std::uint8_t* window_ = nullptr;
    std::uint64_t windowStart_ = 0;
    std::size_t windowLength_ = 0;
    bool laterAllowed_ = false;
    std::vector<Block> later_;
};

}  // namespace ordinax::document
