// Rectangles of the page and plot pictures and of the logo, and the two
// drawing helpers the diagram pass calls.
#include "render/picture_placement.h"

#include <algorithm>
#include <cmath>

namespace ordinax::render {
namespace {

// Largest side of a placed picture, in device pixels: far past any printed
// page, small enough that sums of coordinates stay inside int.
constexpr double kMaxSide = 1'000'000.0;

constexpr double kCmPerInch = 2.54;

// A resolution of the file that can be divided by (96 when it says nothing usable).
double usableDpi(double dpi) { return std::isfinite(dpi) && dpi > 0.0 ? dpi : 96.0; }

// A length in pixels, rounded and kept within 1 .. kMaxSide.
int pixelLength(double length) {
    if (!std::isfinite(length) || length < 1.0) return 1;
    return static_cast<int>(std::lround(std::min(length, kMaxSide)));
}

// Rounds towards minus infinity, so that centring an odd surplus always
// leaves the extra pixel on the same (right or bottom) side.
int floorHalf(int value) { return value >= 0 ? value / 2 : -((-value + 1) / 2); }

DevRect sized(int left, int top, DevPoint size) { return {left, top, left + size.x, top + size.y}; }

DevRect centredIn(const DevRect& area, DevPoint size) {
    return sized(area.left + floorHalf(area.width() - size.x), area.top + floorHalf(area.height() - size.y), size);
}

// The natural size scaled by the smaller (fit) or the larger (cover) of the
// two ratios to the area, centred.
DevRect proportional(const DevRect& area, DevPoint natural, bool cover) {
    const double sx = static_cast<double>(area.width()) / natural.x;
    const double sy = static_cast<double>(area.height()) / natural.y;
    const double s = cover ? std::max(sx, sy) : std::min(sx, sy);
    return centredIn(area, {pixelLength(natural.x * s), pixelLength(natural.y * s)});
}

long long tileCount(const DevRect& area, DevPoint tile) {
    const long long nx = (area.width() + tile.x - 1) / tile.x;
    const long long ny = (area.height() + tile.y - 1) / tile.y;
    return nx * ny;
}

std::vector<DevRect> tiles(const DevRect& area, DevPoint natural) {
    DevPoint tile = natural;
    if (tileCount(area, tile) > kMaxTiles) {
        // Start near the factor that brings the count under the limit, then step up.
        int factor = std::max(1, static_cast<int>(std::sqrt(static_cast<double>(tileCount(area, tile)) / kMaxTiles)));
        while (tileCount(area, {natural.x * factor, natural.y * factor}) > kMaxTiles) ++factor;
        tile = {natural.x * factor, natural.y * factor};
    }
    std::vector<DevRect> rects;
    rects.reserve(static_cast<std::size_t>(tileCount(area, tile)));
    for (int y = area.top; y < area.bottom; y += tile.y)
        for (int x = area.left; x < area.right; x += tile.x) rects.push_back(sized(x, y, tile));
    return rects;
}

}  // namespace

LogoSizeMode logoSizeMode(const document::LogoSettings& logo) {
    if (logo.dimension != 0) return LogoSizeMode::Manual;
    return logo.zoom == 100 ? LogoSizeMode::Natural : LogoSizeMode::Zoom;
}

DevPoint naturalPictureSize(const PictureInfo& info, double deviceDpiX, double deviceDpiY) {
    if (info.width <= 0 || info.height <= 0) return {0, 0};
    return {pixelLength(info.width * usableDpi(deviceDpiX) / usableDpi(info.dpiX)),
            pixelLength(info.height * usableDpi(deviceDpiY) / usableDpi(info.dpiY))};
}

std::vector<DevRect> pictureRects(const DevRect& area, const PictureInfo& info, int mode, int deviceDpiX,
                                  int deviceDpiY) {
    const DevPoint natural = naturalPictureSize(info, deviceDpiX, deviceDpiY);
    if (area.empty() || natural.x <= 0 || natural.y <= 0) return {};
    switch (mode) {
        case PictureCentred: return {centredIn(area, natural)};
        case PictureTiled: return tiles(area, natural);
        case PictureProportional: return {proportional(area, natural, false)};
        case PictureProportionalFill: return {proportional(area, natural, true)};
        default: return {area};
    }
}

DevRect logoRect(const DevRect& page, const document::LogoSettings& logo, const PictureInfo& info,
                 double pixelsPerCmX, double pixelsPerCmY) {
    if (info.width <= 0 || info.height <= 0) return {};
    double width = 0.0;
    double height = 0.0;
    if (logoSizeMode(logo) == LogoSizeMode::Manual) {
        width = logo.logoSize[0] * pixelsPerCmX;
        height = logo.logoSize[1] * pixelsPerCmY;
    } else {
        // A zoom of 0 or less cannot have been meant: the natural size then.
        const double zoom = logo.zoom > 0 ? logo.zoom / 100.0 : 1.0;
        width = info.width / usableDpi(info.dpiX) * kCmPerInch * pixelsPerCmX * zoom;
        height = info.height / usableDpi(info.dpiY) * kCmPerInch * pixelsPerCmY * zoom;
    }
    // NaN fails both comparisons: a size that is not a positive number draws nothing.
    if (!(width >= 0.5) || !(height >= 0.5)) return {};
    const DevPoint size{pixelLength(width), pixelLength(height)};
    switch (logo.location) {
        case LogoTopRight: return sized(page.right - size.x, page.top, size);
        case LogoBottomLeft: return sized(page.left, page.bottom - size.y, size);
        case LogoBottomRight: return sized(page.right - size.x, page.bottom - size.y, size);
        case LogoCentre: return centredIn(page, size);
        case LogoExact: {
            const auto offset = [](double cm, double perCm) {
                const double v = cm * perCm;
                return std::isfinite(v) ? static_cast<int>(std::lround(std::clamp(v, -kMaxSide, kMaxSide))) : 0;
            };
            return sized(page.left + offset(logo.position[0], pixelsPerCmX),
                         page.top + offset(logo.position[1], pixelsPerCmY), size);
        }
        default: return sized(page.left, page.top, size);
    }
}

bool drawAreaPicture(DrawDevice& device, PictureSource& source, std::string_view path, const DevRect& area,
                     int mode) {
    if (path.empty() || area.empty()) return false;
    const auto info = source.info(path);
    if (!info) return false;
    const std::vector<DevRect> rects = pictureRects(area, *info, mode, device.dpiX(), device.dpiY());
    if (rects.empty()) return false;
    for (const DevRect& rect : rects)
        if (!source.draw(device, path, rect, area)) return false;
    return true;
}

bool drawLogo(DrawDevice& device, PictureSource& source, const DevRect& page, const document::LogoSettings& logo,
              double pixelsPerCmX, double pixelsPerCmY) {
    if (logo.file.empty()) return false;
    const auto info = source.info(logo.file);
    if (!info) return false;
    const DevRect rect = logoRect(page, logo, *info, pixelsPerCmX, pixelsPerCmY);
    if (rect.empty()) return false;
    return source.draw(device, logo.file, rect, page);
}

}  // namespace ordinax::render
