// A drawing device that records every operation with the pen, brush, font
// and clip in force, and measures text with fixed metrics: layout can be
// checked exactly without fonts or a display (tests, hit-testing).
#pragma once

#include <string>
#include <vector>

#include "render/draw_device.h"

namespace ordinax::render {

enum class OpKind { Polyline, Polygon, Text, Image, Clip, ClearClip };

// One recorded operation and the state it was drawn with.
struct RecordedOp {
    OpKind kind = OpKind::Polyline;
    std::vector<DevPoint> points;  // polyline and polygon vertices; text origin
    std::string text;              // text bytes
    DevRect rect;                  // image destination
    ClipArea clip;                 // Clip
    Pen pen;
    Brush brush;
    base::LogFont font;
    Colour textColour = 0;
};

// Fixed metrics: with h the font's pixel height (|height|, 16 when 0), every
// byte is max(1, h/2) pixels wide, the ascent is h - h/5 and the descent h/5.
class RecordingDevice : public DrawDevice {
public:
    explicit RecordingDevice(int dpiX = 96, int dpiY = 96, bool printer = false)
        : dpiX_(dpiX), dpiY_(dpiY), printer_(printer) {}

    void setPen(const Pen& pen) override { pen_ = pen; }
    void setBrush(const Brush& brush) override { brush_ = brush; }
    void setTextColour(Colour colour) override { textColour_ = colour; }
    void setFont(const base::LogFont& font) override { font_ = font; }
    void polyline(std::span<const DevPoint> points) override;
    void polygon(std::span<const DevPoint> points) override;
    void text(int x, int y, std::string_view text) override;
    TextExtent textExtent(std::string_view text) override;
    FontMetrics fontMetrics() override;
    void setClip(const ClipArea& area) override;
    void clearClip() override;
    void image(const DevRect& destination, const RasterImage& picture) override;
    int dpiX() const override { return dpiX_; }
    int dpiY() const override { return dpiY_; }
    bool isPrinter() const override { return printer_; }

    // Pixel height of a font under the fixed metrics.
    static int pixelHeight(const base::LogFont& font);

    const std::vector<RecordedOp>& ops() const { return ops_; }
    void clear() { ops_.clear(); }

    // The recorded texts, in drawing order.
    std::vector<std::string> texts() const;

private:
    RecordedOp current(OpKind kind) const;

    int dpiX_;
    int dpiY_;
    bool printer_;
    Pen pen_;
    Brush brush_ = HollowBrush;
    base::LogFont font_;
    Colour textColour_ = 0;
    std::vector<RecordedOp> ops_;
};

}  // namespace ordinax::render
