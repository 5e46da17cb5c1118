// Copy-on-write storage of a curve's points: copying a curve (undo image,
// duplicate, reference copy) shares the points until one side writes them.
#pragma once

#include <cstddef>
#include <memory>
#include <span>

namespace ordinax::document {

struct Point {
    double x = 0.0;
    double y = 0.0;
    bool operator==(const Point&) const = default;
};
static_assert(sizeof(Point) == 16, "points are stored as x then y, 16 bytes each");

class PointBuffer {
public:
    PointBuffer() = default;
    explicit PointBuffer(std::span<const Point> points);

    std::size_t size() const { return storage_ ? storage_->size : 0; }
    bool empty() const { return size() == 0; }

    // Read access never copies.
    std::span<const Point> view() const;
    const Point& operator[](std::size_t i) const { return storage_->data[i]; }

    // Write access: detaches from any other holder first (one copy of the
    // points at most), then returns the points for editing.
    std::span<Point> edit();

    // Sets the number of points; new points are (0, 0). Detaches first.
    void resize(std::size_t count);
    // Replaces the content with `count` uninitialised points and returns them
    // for the caller to fill (readers use it to avoid a second pass).
    std::span<Point> assignUninitialised(std::size_t count);
    void clear() { storage_.reset(); }

    // True when both buffers hold the same storage (no comparison of points).
    bool sharesWith(const PointBuffer& other) const { return storage_ == other.storage_; }

    // Identity first, then the points themselves.
    bool operator==(const PointBuffer& other) const;

private:
    struct Storage {
        Point* data = nullptr;
        std::size_t size = 0;
        std::size_t capacity = 0;
        Storage() = default;
        Storage(const Storage&) = delete;
        Storage& operator=(const Storage&) = delete;
        ~Storage();
    };
    static std::shared_ptr<Storage> allocate(std::size_t capacity);
    void detach(std::size_t newSize);

    std::shared_ptr<Storage> storage_;
};

}  // namespace ordinax::document
