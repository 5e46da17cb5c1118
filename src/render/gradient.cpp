// Gradient colours and the gradient fills of rectangles.
#include "render/gradient.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <vector>

#include "render/line_clipping.h"

namespace ordinax::render {

namespace {

// Radial kinds are drawn as at most this many filled ellipses: channels have
// 256 levels, and more steps would only add drawing time on large pages.
constexpr int MaxRadialSteps = 64;

// One channel from c1 at s to c2 at e; positions outside the range take the
// nearer end's value.
int channelBetween(double s, double e, double p, int c1, int c2, int profile) {
    const double length = e - s;
    if (length == 0.0) return c2;
    const double f = std::clamp((p - s) / length, 0.0, 1.0);
    double g = f;
    if (profile == 1)
        g = std::sin(f * std::numbers::pi / 2.0);
    else if (profile == 2)
        g = 1.0 - std::sin((1.0 - f) * std::numbers::pi / 2.0);
    return static_cast<int>(std::lround(c1 + (c2 - c1) * g));
}

void setLineColour(DrawDevice& device, Colour colour) {
    device.setPen({PenStyle::Solid, 1, colour});
}

// Vertical (kind 1) or horizontal (kind 2) lines, one per pixel column or row.
void straightLines(DrawDevice& device, const DevRect& r, Colour c1, Colour c2, int profile, bool symmetric,
                   bool vertical) {
    if (vertical) {
        for (int x = r.left; x < r.right; ++x) {
            setLineColour(device, gradientColourAt(r.left, r.right - 1, x, c1, c2, profile, symmetric));
            device.line({x, r.top}, {x, r.bottom - 1});
        }
    } else {
        for (int y = r.top; y < r.bottom; ++y) {
            setLineColour(device, gradientColourAt(r.top, r.bottom - 1, y, c1, c2, profile, symmetric));
            device.line({r.left, y}, {r.right - 1, y});
        }
    }
}

// Slanted lines across the rectangle, cut to it: kind 3 leans to the right
// at the top, kind 4 to the left.
void slantedLines(DrawDevice& device, const DevRect& r, Colour c1, Colour c2, int profile, bool symmetric,
                  bool leanRight) {
    const double w = r.width();
    const double h = r.height();
    const int e = static_cast<int>(std::lround((w * h / std::sqrt(w * w + h * h) + 5.0) * std::sin(std::atan2(h, w))));
    const ClipBox box{static_cast<double>(r.left), static_cast<double>(r.right - 1), static_cast<double>(r.top),
                      static_cast<double>(r.bottom - 1)};
    const int first = r.left - e;
    const int last = r.right - 1 + e;
    for (int x = first; x <= last; ++x) {
        const int dx = leanRight ? e : -e;
        TPoint a{static_cast<double>(x + dx), static_cast<double>(r.top)};
        TPoint b{static_cast<double>(x - dx), static_cast<double>(r.bottom - 1)};
        if (!clipSegment(a, b, box)) continue;
        setLineColour(device, gradientColourAt(first, last, x, c1, c2, profile, symmetric));
        device.line({static_cast<int>(std::lround(a.x)), static_cast<int>(std::lround(a.y))},
                    {static_cast<int>(std::lround(b.x)), static_cast<int>(std::lround(b.y))});
    }
}

// Concentric rectangle outlines from the border inwards.
void rectangleOutlines(DrawDevice& device, const DevRect& r, Colour c1, Colour c2, int profile) {
    const int steps = (std::min(r.width(), r.height()) + 1) / 2;
    device.setBrush(HollowBrush);
    for (int i = 0; i < steps; ++i) {
        setLineColour(device, gradientColourAt(0, steps - 1, i, c1, c2, profile, false));
        device.rectangle({r.left + i, r.top + i, r.right - i, r.bottom - i});
    }
}

struct PointD {
    double x;
    double y;
};

// Keeps the part of a convex polygon on the inner side of one edge of the box.
template <typename Inside, typename Cut>
std::vector<PointD> clipEdge(const std::vector<PointD>& in, Inside inside, Cut cut) {
    std::vector<PointD> out;
    out.reserve(in.size() + 4);
    for (std::size_t i = 0; i < in.size(); ++i) {
        const PointD& p = in[i];
        const PointD& q = in[(i + 1) % in.size()];
        const bool pin = inside(p);
        const bool qin = inside(q);
        if (pin) out.push_back(p);
        if (pin != qin) out.push_back(cut(p, q));
    }
    return out;
}

// The convex polygon cut to the box [x0, x1] × [y0, y1].
std::vector<PointD> clipToBox(std::vector<PointD> poly, double x0, double y0, double x1, double y1) {
    auto atX = [](const PointD& p, const PointD& q, double x) {
        return PointD{x, p.y + (q.y - p.y) * (x - p.x) / (q.x - p.x)};
    };
    auto atY = [](const PointD& p, const PointD& q, double y) {
        return PointD{p.x + (q.x - p.x) * (y - p.y) / (q.y - p.y), y};
    };
    poly = clipEdge(poly, [&](const PointD& p) { return p.x >= x0; }, [&](const PointD& p, const PointD& q) { return atX(p, q, x0); });
    if (poly.empty()) return poly;
    poly = clipEdge(poly, [&](const PointD& p) { return p.x <= x1; }, [&](const PointD& p, const PointD& q) { return atX(p, q, x1); });
    if (poly.empty()) return poly;
    poly = clipEdge(poly, [&](const PointD& p) { return p.y >= y0; }, [&](const PointD& p, const PointD& q) { return atY(p, q, y0); });
    if (poly.empty()) return poly;
    return clipEdge(poly, [&](const PointD& p) { return p.y <= y1; }, [&](const PointD& p, const PointD& q) { return atY(p, q, y1); });
}

// Filled ellipses shrinking towards an anchor point (the centre or a corner),
// each cut to the rectangle and painted over the previous one; the outermost
// step covers the whole rectangle.
void radialFill(DrawDevice& device, const DevRect& r, Colour c1, Colour c2, int profile, bool symmetric,
                int anchor) {
    const double w = r.width();
    const double h = r.height();
    double ax = (r.left + r.right) / 2.0;
    double ay = (r.top + r.bottom) / 2.0;
    double rx = w / 2.0 * std::numbers::sqrt2;
    double ry = h / 2.0 * std::numbers::sqrt2;
    if (anchor != 0) {
        // Corners: 1 top-left, 2 top-right, 3 bottom-left, 4 bottom-right; the
        // ellipse through the opposite corner spans the rectangle.
        ax = (anchor == 1 || anchor == 3) ? r.left : r.right;
        ay = (anchor == 1 || anchor == 2) ? r.top : r.bottom;
        rx = w * std::numbers::sqrt2;
        ry = h * std::numbers::sqrt2;
    }
    const int steps = std::clamp(static_cast<int>(std::ceil(std::max(rx, ry))), 1, MaxRadialSteps);
    device.fillRect(r, gradientColourAt(0, steps - 1, 0, c1, c2, profile, symmetric));
    for (int i = 1; i < steps; ++i) {
        const double t = static_cast<double>(steps - i) / steps;
        const double ex = rx * t;
        const double ey = ry * t;
        const int vertices = std::clamp(static_cast<int>(std::numbers::pi * (ex + ey) / 3.0), 16, 360);
        std::vector<PointD> poly;
        poly.reserve(static_cast<std::size_t>(vertices));
        for (int v = 0; v < vertices; ++v) {
            const double a = 2.0 * std::numbers::pi * v / vertices;
            poly.push_back({ax + ex * std::cos(a), ay + ey * std::sin(a)});
        }
        poly = clipToBox(std::move(poly), r.left, r.top, r.right, r.bottom);
        if (poly.size() < 3) continue;
        std::vector<DevPoint> points;
        points.reserve(poly.size());
        for (const PointD& p : poly)
            points.push_back({static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y))});
        const Colour colour = gradientColourAt(0, steps - 1, i, c1, c2, profile, symmetric);
        device.setPen({PenStyle::None, 1, colour});
        device.setBrush(solidBrush(colour));
        device.polygon(points);
    }
}

}  // namespace

DecodedGradient decodeGradient(int value) {
    DecodedGradient decoded;
    decoded.inverted = value < 0;
    const long long magnitude = value < 0 ? -static_cast<long long>(value) : value;
    if (magnitude >= 300) return decoded;
    decoded.kind = static_cast<int>(magnitude % 100);
    decoded.profile = static_cast<int>(magnitude / 100);
    if (decoded.kind >= GradientKindCount) decoded.kind = 0;
    return decoded;
}

int colourAt(int start, int end, int position, int channel1, int channel2, int profile, bool symmetric) {
    if (!symmetric) return channelBetween(start, end, position, channel1, channel2, profile);
    const double middle = (static_cast<double>(start) + end) / 2.0;
    if (position <= middle) return channelBetween(start, middle, position, channel1, channel2, profile);
    return channelBetween(middle, end, position, channel2, channel1, profile);
}

Colour gradientColourAt(int start, int end, int position, Colour colour1, Colour colour2, int profile,
                        bool symmetric) {
    return rgb(colourAt(start, end, position, redOf(colour1), redOf(colour2), profile, symmetric),
               colourAt(start, end, position, greenOf(colour1), greenOf(colour2), profile, symmetric),
               colourAt(start, end, position, blueOf(colour1), blueOf(colour2), profile, symmetric));
}

void gradientFill(DrawDevice& device, const DevRect& rect, Colour colour1, Colour colour2, int gradient) {
    if (rect.empty()) return;
    const DecodedGradient decoded = decodeGradient(gradient);
    if (decoded.kind == 0) {
        // A plain fill is the plain colour whatever the inversion.
        device.fillRect(rect, colour1);
        return;
    }
    const Colour c1 = decoded.inverted ? colour2 : colour1;
    const Colour c2 = decoded.inverted ? colour1 : colour2;
    const int p = decoded.profile;
    switch (decoded.kind) {
        case 1: straightLines(device, rect, c1, c2, p, false, true); break;
        case 2: straightLines(device, rect, c1, c2, p, false, false); break;
        case 3: slantedLines(device, rect, c1, c2, p, false, true); break;
        case 4: slantedLines(device, rect, c1, c2, p, false, false); break;
        case 5: straightLines(device, rect, c1, c2, p, true, true); break;
        case 6: straightLines(device, rect, c1, c2, p, true, false); break;
        case 7: slantedLines(device, rect, c1, c2, p, true, true); break;
        case 8: slantedLines(device, rect, c1, c2, p, true, false); break;
        case 9: rectangleOutlines(device, rect, c1, c2, p); break;
        default: radialFill(device, rect, c1, c2, p, decoded.kind >= 15, (decoded.kind - 10) % 5); break;
    }
}

}  // namespace ordinax::render
