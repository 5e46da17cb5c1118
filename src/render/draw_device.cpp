// Default shapes of the drawing device, built on polylines and polygons.
#include "render/draw_device.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <numbers>

namespace ordinax::render {

DevRect intersect(const DevRect& a, const DevRect& b) {
    DevRect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
              std::min(a.bottom, b.bottom)};
    if (r.empty()) return {r.left, r.top, r.left, r.top};
    return r;
}

void SymbolStamp::paintOccupied(const OccupiedPixels& occupied) {
    const auto width = static_cast<std::size_t>(std::max(occupied.area.width(), 0));
    if (width == 0) return;
    for (std::size_t w = 0; w < occupied.bits.size(); ++w) {
        for (std::uint64_t bits = occupied.bits[w]; bits != 0; bits &= bits - 1) {
            const std::size_t bit = w * 64 + static_cast<std::size_t>(std::countr_zero(bits));
            paintAt(occupied.area.left + static_cast<int>(bit % width), occupied.area.top + static_cast<int>(bit / width));
        }
    }
}

std::vector<DevPoint> ellipsePoints(const DevRect& box, double a0, double a1) {
    const double cx = (box.left + box.right - 1) / 2.0;
    const double cy = (box.top + box.bottom - 1) / 2.0;
    const double rx = (box.right - box.left - 1) / 2.0;
    const double ry = (box.bottom - box.top - 1) / 2.0;
    while (a1 <= a0) a1 += 2 * std::numbers::pi;
    // About one vertex every two pixels of perimeter: smooth at any size
    // without flooding small symbols with points.
    const double perimeter = std::numbers::pi * (std::abs(rx) + std::abs(ry));
    const int steps = std::clamp(static_cast<int>(perimeter * (a1 - a0) / (2 * std::numbers::pi) / 2.0), 8, 720);
    std::vector<DevPoint> points;
    points.reserve(static_cast<std::size_t>(steps) + 1);
    for (int i = 0; i <= steps; ++i) {
        const double a = a0 + (a1 - a0) * i / steps;
        points.push_back({static_cast<int>(std::lround(cx + rx * std::cos(a))),
                          static_cast<int>(std::lround(cy - ry * std::sin(a)))});
    }
    return points;
}

namespace {

// Angle of the ray from the centre of the box through p (y up).
double rayAngle(const DevRect& box, DevPoint p) {
    const double cx = (box.left + box.right - 1) / 2.0;
    const double cy = (box.top + box.bottom - 1) / 2.0;
    return std::atan2(cy - p.y, p.x - cx);
}

}  // namespace

void DrawDevice::line(DevPoint from, DevPoint to) {
    const std::array<DevPoint, 2> points{from, to};
    polyline(points);
}

void DrawDevice::rectangle(const DevRect& box) {
    const std::array<DevPoint, 4> corners{DevPoint{box.left, box.top}, DevPoint{box.right - 1, box.top},
                                          DevPoint{box.right - 1, box.bottom - 1}, DevPoint{box.left, box.bottom - 1}};
    polygon(corners);
}

void DrawDevice::fillRect(const DevRect& box, Colour colour) {
    if (box.empty()) return;
    setPen({PenStyle::None, 1, colour});
    setBrush(solidBrush(colour));
    rectangle(box);
}

void DrawDevice::ellipse(const DevRect& box) {
    auto points = ellipsePoints(box, 0.0, 2 * std::numbers::pi);
    points.pop_back();
    polygon(points);
}

void DrawDevice::arc(const DevRect& box, DevPoint start, DevPoint end) {
    polyline(ellipsePoints(box, rayAngle(box, start), rayAngle(box, end)));
}

void DrawDevice::chord(const DevRect& box, DevPoint start, DevPoint end) {
    polygon(ellipsePoints(box, rayAngle(box, start), rayAngle(box, end)));
}

void DrawDevice::roundRect(const DevRect& box, int cornerWidth, int cornerHeight) {
    const int rw = std::min(cornerWidth, box.width()) / 2;
    const int rh = std::min(cornerHeight, box.height()) / 2;
    if (rw <= 0 || rh <= 0) {
        rectangle(box);
        return;
    }
    const double pi = std::numbers::pi;
    std::vector<DevPoint> outline;
    auto corner = [&](int left, int top, double a0) {
        const auto arcPoints = ellipsePoints({left, top, left + 2 * rw, top + 2 * rh}, a0, a0 + pi / 2);
        outline.insert(outline.end(), arcPoints.begin(), arcPoints.end());
    };
    corner(box.right - 2 * rw, box.top, 0.0);
    corner(box.left, box.top, pi / 2);
    corner(box.left, box.bottom - 2 * rh, pi);
    corner(box.right - 2 * rw, box.bottom - 2 * rh, 3 * pi / 2);
    polygon(outline);
}

}  // namespace ordinax::render
