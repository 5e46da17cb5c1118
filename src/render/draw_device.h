// The drawing surface of the renderer: the few operations a diagram needs
// (pens, brushes, fonts, polylines, polygons, text, clipping, images), in
// device pixels with the origin at the top left and y growing downwards.
// The Qt adapter implements it over QPainter for the screen, printers, PNG,
// SVG and PDF; tests use RecordingDevice with fixed font metrics.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "base/logfont.h"

namespace ordinax::render {

// Colour as stored in diagrams: 0x00BBGGRR.
using Colour = std::uint32_t;

inline constexpr Colour rgb(int r, int g, int b) {
    return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
inline constexpr int redOf(Colour c) { return static_cast<int>(c & 0xFF); }
inline constexpr int greenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
inline constexpr int blueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

struct DevPoint {
    int x = 0;
    int y = 0;
    bool operator==(const DevPoint&) const = default;
};

// Rectangle in device pixels; right and bottom are exclusive.
struct DevRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    bool contains(DevPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    DevRect inflated(int dx, int dy) const { return {left - dx, top - dy, right + dx, bottom + dy}; }
    DevRect offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    bool operator==(const DevRect&) const = default;
};

// The intersection of two rectangles (empty when they do not overlap).
DevRect intersect(const DevRect& a, const DevRect& b);

// Line styles of pens, in the order of the curve line types minus one.
enum class PenStyle : int { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4, None = 5 };

// A pen: `width` in device pixels (at least 1 when drawn). A styled pen wider
// than one pixel is drawn as a geometric pen (its dashes scale with it).
struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 1;
    Colour colour = 0;
    bool operator==(const Pen&) const = default;
};

// A brush: solid colour, or hollow (polygons are outlined only).
struct Brush {
    bool hollow = true;
    Colour colour = 0;
    bool operator==(const Brush&) const = default;
};

inline Brush solidBrush(Colour c) { return {false, c}; }
inline constexpr Brush HollowBrush{true, 0};

// Text measurements of the current font, in device pixels.
struct TextExtent {
    int width = 0;   // advance width of the text
    int height = 0;  // ascent + descent of the font
};
struct FontMetrics {
    int ascent = 0;
    int descent = 0;
};

// A raster picture in 0xAARRGGBB pixels (premultiplied alpha not required),
// row by row from the top: the soft shadows and decoded pictures.
struct RasterImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// A clip area: a rectangle, optionally restricted further to an ellipse and
// with a rectangle or ellipse cut out of it (the ring and frame symbols).
struct ClipArea {
    DevRect rect;
    bool ellipse = false;          // keep only the ellipse inscribed in rect
    bool hasHole = false;          // cut `hole` out of the area
    bool holeIsEllipse = false;
    DevRect hole;
};

class DrawDevice;

// A symbol drawn once off-screen by a raster device and then repeated at
// many points: painting it at a point gives exactly the pixels that drawing
// the symbol there would give, within the clip in force when it was made.
// The pixels where a symbol stands, one bit each, row by row over `area`:
// pixel (x, y) is bit (y - area.top) * area.width() + (x - area.left).
struct OccupiedPixels {
    std::span<const std::uint64_t> bits;
    DevRect area;
};

class SymbolStamp {
public:
    virtual ~SymbolStamp() = default;
    // Paints the stamp with its anchor on the device point (x, y).
    virtual void paintAt(int x, int y) = 0;
    // Paints the stamp on every occupied pixel, row by row. A stamp of one
    // colour may paint the union of its copies at once: the same pixels.
    virtual void paintOccupied(const OccupiedPixels& occupied);
};

// Draws one symbol through `device` with its centre on `anchor`.
using StampDrawing = std::function<void(DrawDevice& device, DevPoint anchor)>;

class DrawDevice {
public:
    virtual ~DrawDevice() = default;

    // Pen, brush and text colour for the following operations.
    virtual void setPen(const Pen& pen) = 0;
    virtual void setBrush(const Brush& brush) = 0;
    virtual void setTextColour(Colour colour) = 0;

    // Logical font: a negative height is the character height in pixels,
    // a positive one the cell height; escapement in tenths of a degree,
    // anticlockwise (900 turns text a quarter turn, reading upwards).
    virtual void setFont(const base::LogFont& font) = 0;

    // Open polyline through the points with the current pen.
    virtual void polyline(std::span<const DevPoint> points) = 0;

    // Closed polygon, filled with the current brush and outlined with the pen.
    virtual void polygon(std::span<const DevPoint> points) = 0;

    // Text (Windows-1252 bytes) with its baseline starting at (x, y), drawn
    // in the text colour on a transparent background, turned by the font's
    // escapement about (x, y).
    virtual void text(int x, int y, std::string_view text) = 0;

    // Size of the text in the current font, unturned.
    virtual TextExtent textExtent(std::string_view text) = 0;

    // Ascent and descent of the current font.
    virtual FontMetrics fontMetrics() = 0;

    // Restricts drawing to the area until the next setClip or clearClip.
    virtual void setClip(const ClipArea& area) = 0;
    virtual void clearClip() = 0;

    // Draws the image scaled into the destination rectangle.
    virtual void image(const DevRect& destination, const RasterImage& picture) = 0;

    // Pixels per inch of the device, horizontally and vertically.
    virtual int dpiX() const = 0;
    virtual int dpiY() const = 0;

    // True for a printer (and a printed PDF page).
    virtual bool isPrinter() const { return false; }

    // Shapes built on polygons; a device may draw them natively. Arcs and
    // chords go anticlockwise from the ray through `start` to the ray through
    // `end`, on the ellipse inscribed in `box`.
    virtual void line(DevPoint from, DevPoint to);
    virtual void rectangle(const DevRect& box);
    virtual void fillRect(const DevRect& box, Colour colour);
    virtual void ellipse(const DevRect& box);
    virtual void arc(const DevRect& box, DevPoint start, DevPoint end);
    virtual void chord(const DevRect& box, DevPoint start, DevPoint end);
    virtual void roundRect(const DevRect& box, int cornerWidth, int cornerHeight);

    // Pixel access, only on raster devices.
    virtual bool hasPixels() const { return false; }
    virtual Colour pixel(int /*x*/, int /*y*/) const { return 0; }
    virtual void setPixel(int /*x*/, int /*y*/, Colour /*colour*/) {}

    // A stamp of the symbol that `draw` paints within `reach` pixels of its
    // anchor; nullptr when the device cannot repeat it exactly (vector
    // devices, recorders, translucent pixels), and the caller then draws
    // every symbol itself.
    virtual std::unique_ptr<SymbolStamp> makeStamp(int /*reach*/, const StampDrawing& /*draw*/) { return nullptr; }
};

// Points of the ellipse inscribed in the box, anticlockwise from angle a0 to
// a1 (radians, 0 pointing right, y up on screen); used by the default shapes.
std::vector<DevPoint> ellipsePoints(const DevRect& box, double a0, double a1);

}  // namespace ordinax::render
