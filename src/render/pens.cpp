// Pens of curve lines and symbols, symbol sizes, and the one-pixel pen filter.
#include "render/pens.h"

#include <algorithm>
#include <cmath>

namespace ordinax::render {

Pen makePen(int style, int width, Colour colour) {
    Pen pen;
    pen.style = style >= 0 && style <= static_cast<int>(PenStyle::None) ? static_cast<PenStyle>(style) : PenStyle::Solid;
    pen.width = width <= 0 ? 1 : width;
    pen.colour = colour;
    return pen;
}

Pen linePen(const document::LineStyle& line, int index, const DeviceScale& scale) {
    const auto i = static_cast<std::size_t>(index == 1 ? 1 : 0);
    const int type = line.type[i];
    const int style = type <= 0 ? static_cast<int>(PenStyle::None) : type - 1;
    return makePen(style, scale.x(line.width[i] <= 0 ? 1 : line.width[i]), static_cast<Colour>(line.colour[i]));
}

SymbolExtent symbolSize(int sizePoints, const DeviceScale& scale, int screenDpiY, int deviceDpiX, int deviceDpiY) {
    const double points = sizePoints < 1 ? 12.0 : sizePoints;
    const double screenDpi = screenDpiY > 0 ? screenDpiY : 96;
    // Points become screen pixels, then output pixels as every stored size does.
    const double height = std::round(points * screenDpi / 72.0 * scale.factorY());
    const double ratio = deviceDpiX > 0 && deviceDpiY > 0 ? static_cast<double>(deviceDpiX) / deviceDpiY : 1.0;
    const double width = std::round(height * ratio);
    auto atLeastFour = [](double v) { return v < 4.0 || !std::isfinite(v) ? 4 : static_cast<int>(std::min(v, 1.0e6)); };
    return {atLeastFour(width), atLeastFour(height)};
}

void ThinPenDevice::setPen(const Pen& pen) {
    Pen thin = pen;
    thin.width = 1;
    target_.setPen(thin);
}

}  // namespace ordinax::render
