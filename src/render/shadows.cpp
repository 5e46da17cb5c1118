// Hard and soft drop shadows.
#include "render/shadows.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace ordinax::render {

namespace {

// Soft shadow depths beyond this many device pixels are cut to it: the
// corner tables grow with the square of the depth, and a damaged diagram
// could otherwise ask for hundreds of megabytes on a printed page.
constexpr int MaxSoftDepth = 1000;

// The parts of `band` outside `hole`: at most four rectangles (above, below,
// left and right of the hole).
std::vector<DevRect> bandPieces(const DevRect& band, const DevRect& hole) {
    std::vector<DevRect> pieces;
    const DevRect overlap = intersect(band, hole);
    if (overlap.empty()) {
        pieces.push_back(band);
        return pieces;
    }
    if (band.top < overlap.top) pieces.push_back({band.left, band.top, band.right, overlap.top});
    if (overlap.bottom < band.bottom) pieces.push_back({band.left, overlap.bottom, band.right, band.bottom});
    if (band.left < overlap.left) pieces.push_back({band.left, overlap.top, overlap.left, overlap.bottom});
    if (overlap.right < band.right) pieces.push_back({overlap.right, overlap.top, band.right, overlap.bottom});
    return pieces;
}

// Distance in pixels from the dark core along one axis (0 inside the core).
int bandIndex(int v, int coreLow, int coreHigh) {
    if (v < coreLow) return coreLow - v;
    if (v >= coreHigh) return v - coreHigh + 1;
    return 0;
}

}  // namespace

int limitedDepth(int depth, int side) { return std::clamp(depth, 0, std::max(0, side / 2)); }

void hardShadow(DrawDevice& device, const DevRect& rect, int depthX, int depthY, Colour colour) {
    if (rect.empty()) return;
    const int dx = limitedDepth(depthX, rect.width());
    const int dy = limitedDepth(depthY, rect.height());
    if (dx > 0) device.fillRect({rect.right, rect.top + dy, rect.right + dx, rect.bottom + dy}, colour);
    if (dy > 0) device.fillRect({rect.left + dx, rect.bottom, rect.right + dx, rect.bottom + dy}, colour);
}

std::vector<double> shadowFalloff(int depthX, int depthY, int hardness) {
    const int dx = std::max(0, depthX);
    const int dy = std::max(0, depthY);
    const double h = std::clamp(hardness, 0, 100);
    double radius = (dx + dy) / 2.0;
    if (h > 49) radius = std::min(radius * (1.0 + (std::numbers::sqrt2 - 1.0) * (h - 50.0) * 0.02), std::hypot(dx, dy));
    std::vector<double> table(static_cast<std::size_t>(dx + 1) * static_cast<std::size_t>(dy + 1));
    // The shaping constants do not depend on the entry.
    const double kSoft = std::exp(h * 0.001);
    const double lSoft = h * 0.02;
    const double kHard = std::exp((h - 50.0) * 0.04);
    for (int j = 0; j <= dy; ++j) {
        for (int i = 0; i <= dx; ++i) {
            const double r = std::hypot(i, j);
            double f = radius > 0.0 ? r / radius : (r > 0.0 ? 1.0 : 0.0);
            if (h < 50)
                f = lSoft * f * kSoft / (f * (kSoft - 1.0) + 1.0) + (1.0 - lSoft);
            else if (h > 50)
                f = 1.0 - (1.0 - f) * kHard / ((1.0 - f) * (kHard - 1.0) + 1.0);
            table[static_cast<std::size_t>(j) * static_cast<std::size_t>(dx + 1) + static_cast<std::size_t>(i)] =
                std::clamp(f, 0.0, 1.0);
        }
    }
    return table;
}

int shadowEntry(int channel, double falloff) {
    const int c = std::clamp(channel, 0, 255);
    return std::clamp(static_cast<int>(std::lround(c + falloff * (255 - c))), 0, 255);
}

DevRect softShadowRect(const DevRect& rect, int depthX, int depthY, int borderX, int borderY, int hardness) {
    const double grow = 1.0 + std::clamp(hardness, 0, 100) / 100.0;
    const int moveX = static_cast<int>(std::lround(depthX * grow));
    const int moveY = static_cast<int>(std::lround(depthY * grow));
    return rect.inflated(std::max(0, borderX) / 2, std::max(0, borderY) / 2).offset(moveX, moveY);
}

void softShadow(DrawDevice& device, const DevRect& rect, int depthX, int depthY, int borderX, int borderY,
                Colour colour, int hardness, bool simpleShadow) {
    if (rect.empty()) return;
    if (simpleShadow || hardness >= 100) {
        hardShadow(device, rect, depthX, depthY, colour);
        return;
    }
    const int dx = std::min(limitedDepth(depthX, rect.width()), MaxSoftDepth);
    const int dy = std::min(limitedDepth(depthY, rect.height()), MaxSoftDepth);
    const DevRect band = softShadowRect(rect, dx, dy, borderX, borderY, hardness);
    const int coreLeft = band.left + dx;
    const int coreRight = band.right - dx;
    const int coreTop = band.top + dy;
    const int coreBottom = band.bottom - dy;
    const std::vector<double> falloff = shadowFalloff(dx, dy, hardness);
    const std::size_t stride = static_cast<std::size_t>(dx + 1);
    auto falloffAt = [&](int x, int y) {
        const int i = bandIndex(x, coreLeft, coreRight);
        const int j = bandIndex(y, coreTop, coreBottom);
        return falloff[static_cast<std::size_t>(j) * stride + static_cast<std::size_t>(i)];
    };
    const std::vector<DevRect> pieces = bandPieces(band, rect);

    if (device.hasPixels()) {
        // The corner tables of the three channels, built once per shadow.
        const std::size_t count = falloff.size();
        std::array<std::vector<std::uint8_t>, 3> entries;
        const std::array<int, 3> channel{redOf(colour), greenOf(colour), blueOf(colour)};
        for (int c = 0; c < 3; ++c) {
            entries[static_cast<std::size_t>(c)].resize(count);
            for (std::size_t k = 0; k < count; ++k)
                entries[static_cast<std::size_t>(c)][k] = static_cast<std::uint8_t>(shadowEntry(channel[static_cast<std::size_t>(c)], falloff[k]));
        }
        for (const DevRect& piece : pieces) {
            for (int y = piece.top; y < piece.bottom; ++y) {
                const std::size_t row = static_cast<std::size_t>(bandIndex(y, coreTop, coreBottom)) * stride;
                for (int x = piece.left; x < piece.right; ++x) {
                    const std::size_t k = row + static_cast<std::size_t>(bandIndex(x, coreLeft, coreRight));
                    const int er = entries[0][k];
                    const int eg = entries[1][k];
                    const int eb = entries[2][k];
                    // 255 means no darkening: leave the pixel exactly as it is.
                    if (er == 255 && eg == 255 && eb == 255) continue;
                    const Colour old = device.pixel(x, y);
                    device.setPixel(x, y, rgb(redOf(old) * er / 256, greenOf(old) * eg / 256, blueOf(old) * eb / 256));
                }
            }
        }
        return;
    }

    // Without pixel access the shadow colour is laid over the background with
    // alpha 1 − fall-off, which gives the same pixels on a white background.
    const std::uint32_t rgbPart = (static_cast<std::uint32_t>(redOf(colour)) << 16) |
                                  (static_cast<std::uint32_t>(greenOf(colour)) << 8) |
                                  static_cast<std::uint32_t>(blueOf(colour));
    for (const DevRect& piece : pieces) {
        RasterImage image;
        image.width = piece.width();
        image.height = piece.height();
        image.pixels.resize(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height));
        std::size_t k = 0;
        for (int y = piece.top; y < piece.bottom; ++y) {
            for (int x = piece.left; x < piece.right; ++x) {
                const auto alpha = static_cast<std::uint32_t>(std::lround(255.0 * (1.0 - falloffAt(x, y))));
                image.pixels[k++] = (alpha << 24) | rgbPart;
            }
        }
        device.image(piece, image);
    }
}

}  // namespace ordinax::render
