// Bounds-checked reading of little-endian values from a byte span. A read
// past the end sets a sticky failure and yields zeros: callers check `ok()`
// at the points where a value decides what happens next.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>

namespace ordinax::document {

static_assert(std::endian::native == std::endian::little, "diagram files are read by copying little-endian bytes");

class ByteCursor {
public:
    explicit ByteCursor(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool ok() const { return ok_; }
    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return ok_ ? bytes_.size() - pos_ : 0; }
    void fail() { ok_ = false; }

    // True when `count` more bytes are available; fails the cursor otherwise.
    bool need(std::uint64_t count) {
        if (!ok_ || count > bytes_.size() - pos_) {
            ok_ = false;
            return false;
        }
        return true;
    }

    // Copies `size` bytes into `out`; zeros when they are not there.
    void raw(void* out, std::size_t size) {
        if (!need(size)) {
            std::memset(out, 0, size);
            return;
        }
        std::memcpy(out, bytes_.data() + pos_, size);
        pos_ += size;
    }

    // The next `size` bytes without copying them (empty after a failure).
    std::span<const std::uint8_t> take(std::size_t size) {
        if (!need(size)) return {};
        const auto part = bytes_.subspan(pos_, size);
        pos_ += size;
        return part;
    }

    void skip(std::uint64_t size) {
        if (need(size)) pos_ += static_cast<std::size_t>(size);
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
        const char* start = reinterpret_cast<const char*>(bytes_.data() + pos_);
        pos_ += static_cast<std::size_t>(length) + 1;
        const void* zero = std::memchr(start, 0, static_cast<std::size_t>(length));
        const std::size_t kept = zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - start)
                                      : static_cast<std::size_t>(length);
        return std::string(start, kept);
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

}  // namespace ordinax::document
