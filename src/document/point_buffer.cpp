// Copy-on-write point storage. Large buffers are kept on ordinary 4 KiB
// pages: a huge page first touched after the machine has been idle costs
// far more to fill (10 curves of a million points read in 450-510 ms on huge
// pages against 100-160 ms on small ones, measured on a 2-core virtual machine).
#include "document/point_buffer.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace ordinax::document {

namespace {

constexpr std::size_t PageSize = 4096;
constexpr std::size_t LargeBytes = std::size_t{4} << 20;

Point* allocatePoints(std::size_t capacity) {
    const std::size_t bytes = capacity * sizeof(Point);
    if (bytes >= LargeBytes) {
        const std::size_t rounded = (bytes + PageSize - 1) / PageSize * PageSize;
        void* p = std::aligned_alloc(PageSize, rounded);
        if (!p) throw std::bad_alloc();
        // Where huge pages are given without asking, refuse them for the points.
        madvise(p, rounded, MADV_NOHUGEPAGE);
        return static_cast<Point*>(p);
    }
    void* p = std::malloc(std::max<std::size_t>(bytes, sizeof(Point)));
    if (!p) throw std::bad_alloc();
    return static_cast<Point*>(p);
}

}  // namespace

PointBuffer::Storage::~Storage() { std::free(data); }

std::shared_ptr<PointBuffer::Storage> PointBuffer::allocate(std::size_t capacity) {
    auto s = std::make_shared<Storage>();
    s->data = allocatePoints(capacity);
    s->capacity = capacity;
    return s;
}

PointBuffer::PointBuffer(std::span<const Point> points) {
    if (points.empty()) return;
    storage_ = allocate(points.size());
    std::memcpy(storage_->data, points.data(), points.size_bytes());
    storage_->size = points.size();
}

std::span<const Point> PointBuffer::view() const {
    if (!storage_) return {};
    return {storage_->data, storage_->size};
}

void PointBuffer::detach(std::size_t newSize) {
    const std::size_t old = size();
    if (storage_ && storage_.use_count() == 1 && newSize <= storage_->capacity) {
        if (newSize > old) std::fill_n(storage_->data + old, newSize - old, Point{});
        storage_->size = newSize;
        return;
    }
    if (newSize == 0) {
        storage_.reset();
        return;
    }
    auto fresh = allocate(newSize);
    const std::size_t kept = std::min(old, newSize);
    if (kept) std::memcpy(fresh->data, storage_->data, kept * sizeof(Point));
    if (newSize > kept) std::fill_n(fresh->data + kept, newSize - kept, Point{});
    fresh->size = newSize;
    storage_ = std::move(fresh);
}

std::span<Point> PointBuffer::edit() {
    if (!storage_) return {};
    detach(size());
    return {storage_->data, storage_->size};
}

void PointBuffer::resize(std::size_t count) { detach(count); }

std::span<Point> PointBuffer::assignUninitialised(std::size_t count) {
    if (count == 0) {
        storage_.reset();
        return {};
    }
    if (!storage_ || storage_.use_count() != 1 || storage_->capacity < count) storage_ = allocate(count);
    storage_->size = count;
    return {storage_->data, count};
}

bool PointBuffer::operator==(const PointBuffer& other) const {
    if (storage_ == other.storage_) return true;
    if (size() != other.size()) return false;
    if (size() == 0) return true;
    // Bitwise: two buffers holding the same bytes are the same data, NaN included.
    return std::memcmp(storage_->data, other.storage_->data, size() * sizeof(Point)) == 0;
}

}  // namespace ordinax::document
