// The drawing device over QPainter: one implementation for the screen,
// printers, print preview, PDF, SVG and PNG pictures. Lines and shapes are
// drawn without antialiasing on whole pixels, text antialiased at its baseline.
#pragma once

#include <QBrush>
#include <QFont>
#include <QFontMetrics>
#include <QPen>
#include <QRegion>
#include <optional>

#include "qt/font_mapping.h"
#include "render/draw_device.h"

class QImage;
class QPainter;

namespace ordinax::qt {

// The QPen of a device pen: 1-pixel pens and styled pens draw with flat
// caps (the end pixel of a line is left out, dashes end square), wide solid
// pens with round caps and joins; dash patterns in units of the width.
QPen makeQPen(const render::Pen& pen);

class PainterDevice : public render::DrawDevice {
public:
    // Draws through an active painter, in the device pixels of its paint
    // device; the resolution is the paint device's unless given.
    explicit PainterDevice(QPainter& painter, bool printer = false);
    PainterDevice(QPainter& painter, bool printer, int dpiX, int dpiY);

    void setPen(const render::Pen& pen) override;
    void setBrush(const render::Brush& brush) override;
    void setTextColour(render::Colour colour) override;
    void setFont(const base::LogFont& font) override;
    void polyline(std::span<const render::DevPoint> points) override;
    void polygon(std::span<const render::DevPoint> points) override;
    void text(int x, int y, std::string_view text) override;
    render::TextExtent textExtent(std::string_view text) override;
    render::FontMetrics fontMetrics() override;
    void setClip(const render::ClipArea& area) override;
    void clearClip() override;
    void image(const render::DevRect& destination, const render::RasterImage& picture) override;
    int dpiX() const override { return dpiX_; }
    int dpiY() const override { return dpiY_; }
    bool isPrinter() const override { return printer_; }

    void line(render::DevPoint from, render::DevPoint to) override;
    void rectangle(const render::DevRect& box) override;
    void fillRect(const render::DevRect& box, render::Colour colour) override;
    void ellipse(const render::DevRect& box) override;
    void arc(const render::DevRect& box, render::DevPoint start, render::DevPoint end) override;
    void chord(const render::DevRect& box, render::DevPoint start, render::DevPoint end) override;
    void roundRect(const render::DevRect& box, int cornerWidth, int cornerHeight) override;

    // Pixels are read and written only when the painter draws on a QImage.
    bool hasPixels() const override { return image_ != nullptr; }
    render::Colour pixel(int x, int y) const override;
    void setPixel(int x, int y, render::Colour colour) override;

    // Stamps only on 32-bit RGB pictures painted without a transform,
    // opacity or blending mode, and within a rectangular clip.
    std::unique_ptr<render::SymbolStamp> makeStamp(int reach, const render::StampDrawing& draw) override;

    // The painter drawn through, for adapters that draw Qt objects directly
    // (pictures); they leave its state as they found it (save / restore).
    QPainter& painter() { return painter_; }

private:
    QPainter& painter_;
    QImage* image_ = nullptr;
    bool printer_ = false;
    int dpiX_ = 96;
    int dpiY_ = 96;
    QPen pen_;
    QPen outlinePen_;  // pen_ for closed outlines
    QBrush brush_;
    // The device pen and brush last set, so that setting them again is free,
    // and which of pen_ / outlinePen_ the painter holds.
    render::Pen lastPen_;
    render::Brush lastBrush_;
    bool penSet_ = false;
    bool brushSet_ = false;
    bool outlineActive_ = false;

    void useOutlinePen(bool outline);
    QColor textColour_;
    MappedFont font_;
    int escapement_ = 0;
    std::optional<QFontMetrics> metrics_;
    std::optional<QRegion> clip_;  // the area of setClip, for pixel writes

    const QFontMetrics& metrics();
};

}  // namespace ordinax::qt
