// Stored sizes to output pixels: printer resolution, screen zoom and page modes.
#include "render/device_scale.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace ordinax::render {

namespace {
constexpr double InchPerCm = 0.39370078740157477;

int atLeastOne(double v) { return std::max(1, static_cast<int>(std::lround(v))); }
}  // namespace

DeviceScale::DeviceScale(const OutputKind& o) {
    const double sx = o.screenDpiX > 0 ? o.screenDpiX : 96;
    const double sy = o.screenDpiY > 0 ? o.screenDpiY : 96;
    if (o.printing) {
        fx_ = o.deviceDpiX / sx;
        fy_ = o.deviceDpiY / sy;
    } else if (o.displayMode == 2 || o.displayMode == 3) {
        const double pageX = o.pageWidthCm > 0 ? o.pageRect.width() / (o.pageWidthCm * InchPerCm) : sx;
        const double pageY = o.pageHeightCm > 0 ? o.pageRect.height() / (o.pageHeightCm * InchPerCm) : sy;
        fx_ = pageX / sx * o.zoom;
        fy_ = pageY / sy * o.zoom;
    } else {
        fx_ = 72.0 / sx * o.zoom;
        fy_ = 72.0 / sy * o.zoom;
        minValueHeight_ = atLeastOne(LegibleValuePixels * sy / 96.0);
    }
}

int DeviceScale::x(double size) const { return atLeastOne(size * fx_); }

int DeviceScale::y(double size) const { return atLeastOne(size * fy_); }

int DeviceScale::fontHeight(int storedHeight) const { return -atLeastOne(std::abs(storedHeight) * fy_); }

int DeviceScale::valueFontHeight(int storedHeight) const {
    return std::min(fontHeight(storedHeight), -minValueHeight_);
}

}  // namespace ordinax::render
