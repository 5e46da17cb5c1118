// Copy-on-write point storage. Large buffers are aligned on 2 MiB and asked
// for transparent huge pages: touching fresh 4 KiB pages is what costs most
// when a million-point curve is read.
#include "document/point_buffer.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace ordinax::document {

namespace {

constexpr std::size_t HugePage = std::size_t{2} << 20;
constexpr std::size_t HugeThreshold = std::size_t{4} << 20;

Point* allocatePoints(std::size_t capacity) {
    const std::size_t bytes = capacity * sizeof(Point);
    if (bytes >= HugeThreshold) {
        const std::size_t rounded = (bytes + HugePage - 1) / HugePage * HugePage;
        void* p = std::aligned_alloc(HugePage, rounded);
        if (!p) throw std::bad_alloc();
        madvise(p, rounded, MADV_HUGEPAGE);
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
