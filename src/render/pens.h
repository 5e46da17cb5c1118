// Pens of curve lines and symbols, the pixel size of a curve symbol, and the
// device filter that prints every line one pixel wide (ThinFrame).
#pragma once

#include "document/diagram.h"
#include "render/device_scale.h"
#include "render/draw_device.h"

namespace ordinax::render {

// A pen of platform style `style` (PenStyle order: 0 solid .. 4 dash-dot-dot,
// 5 none; anything else reads as solid); a width of 0 or less becomes 1.
Pen makePen(int style, int width, Colour colour);

// The pen of a curve's line (index 0) or confidence line (index 1): line
// type minus one as style, the stored width converted for the device.
Pen linePen(const document::LineStyle& line, int index, const DeviceScale& scale);

// Width and height of a symbol in device pixels.
struct SymbolExtent {
    int width = 0;
    int height = 0;
    bool operator==(const SymbolExtent&) const = default;
};

// The pixel size of a symbol of `sizePoints` points: below 1 it is taken as
// 12; the height goes through the vertical device scale (points seen on a
// screen of `screenDpiY`), the width follows the device's aspect ratio; each
// is at least 4 pixels.
SymbolExtent symbolSize(int sizePoints, const DeviceScale& scale, int screenDpiY, int deviceDpiX, int deviceDpiY);

// A device that forwards every operation to another one and narrows every pen
// to one device pixel: the single place where the ThinFrame preference
// ("every line one pixel wide when a diagram is printed") takes effect.
// Filtering the pens as they reach the device catches frames, ticks, grids,
// curve lines, symbol outlines and rules alike, wherever their width was
// computed; the layout (spacings, tick lengths) is left as it was.
class ThinPenDevice : public DrawDevice {
public:
    explicit ThinPenDevice(DrawDevice& target) : target_(target) {}

    void setPen(const Pen& pen) override;
    void setBrush(const Brush& brush) override { target_.setBrush(brush); }
    void setTextColour(Colour colour) override { target_.setTextColour(colour); }
    void setFont(const base::LogFont& font) override { target_.setFont(font); }
    void polyline(std::span<const DevPoint> points) override { target_.polyline(points); }
    void polygon(std::span<const DevPoint> points) override { target_.polygon(points); }
    void text(int x, int y, std::string_view text) override { target_.text(x, y, text); }
    TextExtent textExtent(std::string_view text) override { return target_.textExtent(text); }
    FontMetrics fontMetrics() override { return target_.fontMetrics(); }
    void setClip(const ClipArea& area) override { target_.setClip(area); }
    void clearClip() override { target_.clearClip(); }
    void image(const DevRect& destination, const RasterImage& picture) override { target_.image(destination, picture); }
    int dpiX() const override { return target_.dpiX(); }
    int dpiY() const override { return target_.dpiY(); }
    bool isPrinter() const override { return target_.isPrinter(); }
    void line(DevPoint from, DevPoint to) override { target_.line(from, to); }
    void rectangle(const DevRect& box) override { target_.rectangle(box); }
    void fillRect(const DevRect& box, Colour colour) override { target_.fillRect(box, colour); }
    void ellipse(const DevRect& box) override { target_.ellipse(box); }
    void arc(const DevRect& box, DevPoint start, DevPoint end) override { target_.arc(box, start, end); }
    void chord(const DevRect& box, DevPoint start, DevPoint end) override { target_.chord(box, start, end); }
    void roundRect(const DevRect& box, int cornerWidth, int cornerHeight) override {
        target_.roundRect(box, cornerWidth, cornerHeight);
    }
    bool hasPixels() const override { return target_.hasPixels(); }
    Colour pixel(int x, int y) const override { return target_.pixel(x, y); }
    void setPixel(int x, int y, Colour colour) override { target_.setPixel(x, y, colour); }

private:
    DrawDevice& target_;
};

}  // namespace ordinax::render
