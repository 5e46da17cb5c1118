// Where the view puts the diagram in each display mode.
#include "shell/view_geometry.h"

#include <algorithm>
#include <cmath>

#include "base/format.h"

namespace ordinax::shell {

SheetSize sheetSize(int orientation) {
    SheetSize sheet;
    if (orientation == 1) std::swap(sheet.widthCm, sheet.heightCm);
    return sheet;
}

ViewGeometry viewGeometry(int displayMode, int width, int height, SheetSize sheet, int scrollY, double zoom) {
    ViewGeometry geometry;
    width = std::max(width, 1);
    height = std::max(height, 1);
    geometry.sheetSurround = {0, 0, width, height};
    if (zoom <= 0.0 || !std::isfinite(zoom)) zoom = 1.0;
    const double aspect = sheet.heightCm / sheet.widthCm;
    if (displayMode == 2) {
        // The sheet fills the width; the view scrolls through its height.
        const int sheetWidth = std::max(1, static_cast<int>(std::lround((width - 2 * SheetGap) * zoom)));
        const int sheetHeight = std::max(1, static_cast<int>(std::lround(sheetWidth * aspect)));
        const int left = std::max(SheetGap, (width - sheetWidth) / 2);
        geometry.pageRect = {left, SheetGap - scrollY, left + sheetWidth, SheetGap + sheetHeight - scrollY};
        geometry.contentHeight = sheetHeight + 2 * SheetGap;
    } else if (displayMode == 3) {
        // The whole sheet is visible, centred.
        const double roomW = std::max(1, width - 2 * SheetGap) * zoom;
        const double roomH = std::max(1, height - 2 * SheetGap) * zoom;
        double sheetWidth = roomW;
        double sheetHeight = sheetWidth * aspect;
        if (sheetHeight > roomH) {
            sheetHeight = roomH;
            sheetWidth = sheetHeight / aspect;
        }
        const int w = std::max(1, static_cast<int>(std::lround(sheetWidth)));
        const int h = std::max(1, static_cast<int>(std::lround(sheetHeight)));
        const int left = std::max(SheetGap, (width - w) / 2);
        const int top = std::max(SheetGap, (height - h) / 2);
        geometry.pageRect = {left, top - scrollY, left + w, top + h - scrollY};
        geometry.contentHeight = std::max(height, h + 2 * SheetGap);
    } else {
        // Normal mode: the diagram takes the whole window.
        geometry.pageRect = {0, -scrollY, width, height - scrollY};
        geometry.contentHeight = height;
    }
    return geometry;
}

int maxScroll(int contentHeight, int viewportHeight) {
    return std::max(0, contentHeight - viewportHeight);
}

std::string readoutText(double x, double y, bool relative, const std::string& curveTitle) {
    std::string text =
        relative ? base::formatPrintf("  R (x=%g - y=%g)", x, y) : base::formatPrintf("  x=%g - y=%g", x, y);
    if (!curveTitle.empty()) text += "  [ " + curveTitle + " ]";
    return text;
}

std::optional<render::DevPoint> placedCursor(CursorKey key, bool shiftOrCtrl, const render::DevRect& plot,
                                             render::DevPoint current, std::optional<render::DevPoint> origin) {
    if (plot.empty()) return std::nullopt;
    const int right = plot.right - 1;  // right and bottom are exclusive
    const int bottom = plot.bottom - 1;
    const int step = shiftOrCtrl ? 10 : 1;
    render::DevPoint target = current;
    switch (key) {
        case CursorKey::Home:
            target = shiftOrCtrl ? render::DevPoint{plot.left, plot.top} : render::DevPoint{plot.left, bottom};
            break;
        case CursorKey::End:
            target = shiftOrCtrl ? render::DevPoint{right, bottom} : render::DevPoint{right, plot.top};
            break;
        case CursorKey::Space:
            if (shiftOrCtrl) {
                if (!origin || !plot.contains(*origin)) return std::nullopt;
                target = *origin;
            } else {
                target = {(plot.left + plot.right) / 2, (plot.top + plot.bottom) / 2};
            }
            break;
        case CursorKey::Left:
            target.x -= step;
            break;
        case CursorKey::Right:
            target.x += step;
            break;
        case CursorKey::Up:
            target.y -= step;
            break;
        case CursorKey::Down:
            target.y += step;
            break;
    }
    target.x = std::clamp(target.x, plot.left, right);
    target.y = std::clamp(target.y, plot.top, bottom);
    return target;
}

}  // namespace ordinax::shell
