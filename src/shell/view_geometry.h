// Where the view puts the diagram in each display mode: the page rectangle
// handed to the renderer, the area behind the sheet, the scrollable height,
// and the status-bar read-out of the mouse position. Nothing here needs Qt.
#pragma once

#include <optional>
#include <string>

#include "render/draw_device.h"

namespace ordinax::shell {

// Gap in pixels kept around the sheet in the page modes.
inline constexpr int SheetGap = 16;

// The printed sheet in centimetres: A4, turned when the diagram page is in landscape.
struct SheetSize {
    double widthCm = 21.0;
    double heightCm = 29.7;
};
SheetSize sheetSize(int orientation);

struct ViewGeometry {
    render::DevRect pageRect;       // the page (modes 2, 3) or diagram area (mode 1), scroll applied
    render::DevRect sheetSurround;  // the area behind the sheet (the visible viewport)
    int contentHeight = 0;          // height of everything the view can scroll through
};

// The geometry of a viewport of `width` × `height` pixels scrolled down by
// `scrollY` pixels; `zoom` scales the sheet of the page modes.
ViewGeometry viewGeometry(int displayMode, int width, int height, SheetSize sheet, int scrollY, double zoom = 1.0);

// The largest scroll offset of a content height in a viewport height (0 when it fits).
int maxScroll(int contentHeight, int viewportHeight);

// The first status-bar pane: "  x=%g - y=%g", or "  R (x=%g - y=%g)" in relative
// mode, followed by "  [ title ]" when a curve title is given.
std::string readoutText(double x, double y, bool relative, const std::string& curveTitle = {});

// Keys that place the mouse cursor inside the plot rectangle for reading coordinates.
enum class CursorKey { Home, End, Space, Left, Right, Up, Down };

// Where a cursor key puts the cursor: Home the lower-left corner (with Shift
// or Ctrl the upper-left), End the upper-right (lower-right), Space the
// centre (the data origin, when given), arrows 1 pixel (10 with Shift or
// Ctrl), always kept inside the plot. nullopt when the key does nothing.
std::optional<render::DevPoint> placedCursor(CursorKey key, bool shiftOrCtrl, const render::DevRect& plot,
                                             render::DevPoint current, std::optional<render::DevPoint> origin);

}  // namespace ordinax::shell
