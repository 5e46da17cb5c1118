// The QPainter drawing device: pens, brushes, fonts, clipping and the native
// shapes, with the whole-pixel conventions the diagrams were laid out for.
#include "qt/painter_device.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "qt/symbol_stamp.h"

namespace ordinax::qt {
namespace {

QColor toQColor(render::Colour colour) {
    return QColor(render::redOf(colour), render::greenOf(colour), render::blueOf(colour));
}

QRect toQRect(const render::DevRect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}

QPolygon toQPolygon(std::span<const render::DevPoint> points) {
    QPolygon polygon(static_cast<int>(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i) polygon.setPoint(static_cast<int>(i), points[i].x, points[i].y);
    return polygon;
}

// Dash patterns of the platform in units of the pen width: a 1-pixel pen
// repeats 18/6, 3/3, 9/6/3/6 and 9/3/3/3/3/3 pixels, a wider pen 3/1, 1/1,
// 3/1/1/1 and 3/1/1/1/1/1 widths.
QList<qreal> dashPattern(render::PenStyle style, bool wide) {
    using render::PenStyle;
    switch (style) {
        case PenStyle::Dash:
            return wide ? QList<qreal>{3, 1} : QList<qreal>{18, 6};
        case PenStyle::Dot:
            return wide ? QList<qreal>{1, 1} : QList<qreal>{3, 3};
        case PenStyle::DashDot:
            return wide ? QList<qreal>{3, 1, 1, 1} : QList<qreal>{9, 6, 3, 6};
        case PenStyle::DashDotDot:
            return wide ? QList<qreal>{3, 1, 1, 1, 1, 1} : QList<qreal>{9, 3, 3, 3, 3, 3};
        default:
            return {};
    }
}

// The bounding rectangle of a shape whose box is right/bottom exclusive: the
// outline of a 1-pixel pen then stays inside the box, as the shapes of the
// platform do.
QRect outlineRect(const render::DevRect& box) {
    return QRect(box.left, box.top, std::max(0, box.width() - 1), std::max(0, box.height() - 1));
}

// Angle in 1/16 degree, as QPainter takes it, of the point of the ellipse
// inscribed in `box` that lies on the ray from its centre through p. Qt
// measures arcs by the ellipse's parameter, the platform by that ray.
int arcAngle(const render::DevRect& box, render::DevPoint p) {
    const double cx = (box.left + box.right - 1) / 2.0;
    const double cy = (box.top + box.bottom - 1) / 2.0;
    const double rx = std::max(0.5, (box.width() - 1) / 2.0);
    const double ry = std::max(0.5, (box.height() - 1) / 2.0);
    const double t = std::atan2(rx * (cy - p.y), ry * (p.x - cx));
    return static_cast<int>(std::lround(t * 180.0 / std::numbers::pi * 16.0));
}

// Anticlockwise span from start to end; equal rays give the whole ellipse.
int arcSpan(int start, int end) {
    int span = (end - start) % (360 * 16);
    if (span <= 0) span += 360 * 16;
    return span;
}

}  // namespace

QPen makeQPen(const render::Pen& pen) {
    if (pen.style == render::PenStyle::None) return QPen(Qt::NoPen);
    const int width = std::max(1, pen.width);
    QPen qpen(toQColor(pen.colour));
    qpen.setWidth(width);
    qpen.setJoinStyle(Qt::RoundJoin);
    if (pen.style == render::PenStyle::Solid) {
        // A 1-pixel line leaves out its last pixel; a wide solid pen is the
        // platform's geometric pen with round ends.
        qpen.setCapStyle(width == 1 ? Qt::FlatCap : Qt::RoundCap);
        return qpen;
    }
    qpen.setCapStyle(Qt::FlatCap);
    qpen.setDashPattern(dashPattern(pen.style, width > 1));
    return qpen;
}

PainterDevice::PainterDevice(QPainter& painter, bool printer)
    : PainterDevice(painter, printer, painter.device() ? painter.device()->logicalDpiX() : 96,
                    painter.device() ? painter.device()->logicalDpiY() : 96) {}

PainterDevice::PainterDevice(QPainter& painter, bool printer, int dpiX, int dpiY)
    : painter_(painter), printer_(printer), dpiX_(dpiX > 0 ? dpiX : 96), dpiY_(dpiY > 0 ? dpiY : 96) {
    QPaintDevice* device = painter.device();
    // Pixel access writes 0xRRGGBB values: only 32-bit pictures take them.
    if (device && device->devType() == QInternal::Image && static_cast<QImage*>(device)->depth() == 32)
        image_ = static_cast<QImage*>(device);
    // Shapes on whole pixels as the diagrams were designed; text smoothed.
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setBackgroundMode(Qt::TransparentMode);
    setPen({});
    setBrush(render::HollowBrush);
    setFont(base::LogFont{});
}

void PainterDevice::setPen(const render::Pen& pen) {
    // Symbols set the same pen for every point: building a QPen each time
    // costs more than drawing a small symbol.
    if (penSet_ && pen == lastPen_) return;
    penSet_ = true;
    lastPen_ = pen;
    pen_ = makeQPen(pen);
    outlinePen_ = pen_;
    // A flat-capped 1-pixel pen drops a vertex of a closed outline; the
    // platform outlines every vertex of a polygon.
    if (pen_.style() == Qt::SolidLine && pen_.width() == 1) outlinePen_.setCapStyle(Qt::SquareCap);
    painter_.setPen(pen_);
    outlineActive_ = false;
}

void PainterDevice::useOutlinePen(bool outline) {
    if (outline == outlineActive_) return;
    painter_.setPen(outline ? outlinePen_ : pen_);
    outlineActive_ = outline;
}

void PainterDevice::setBrush(const render::Brush& brush) {
    if (brushSet_ && brush == lastBrush_) return;
    brushSet_ = true;
    lastBrush_ = brush;
    brush_ = brush.hollow ? QBrush(Qt::NoBrush) : QBrush(toQColor(brush.colour));
    painter_.setBrush(brush_);
}

void PainterDevice::setTextColour(render::Colour colour) {
    textColour_ = toQColor(colour);
}

void PainterDevice::setFont(const base::LogFont& font) {
    font_ = mapFont(font, painter_.device());
    escapement_ = font.escapement;
    metrics_.reset();
}

const QFontMetrics& PainterDevice::metrics() {
    if (!metrics_) metrics_.emplace(font_.font, painter_.device());
    return *metrics_;
}

void PainterDevice::polyline(std::span<const render::DevPoint> points) {
    if (points.size() < 2) return;
    useOutlinePen(false);
    painter_.drawPolyline(toQPolygon(points));
}

void PainterDevice::polygon(std::span<const render::DevPoint> points) {
    if (points.size() < 2) return;
    // The platform fills with the alternate (even-odd) rule by default.
    useOutlinePen(true);
    painter_.drawPolygon(toQPolygon(points), Qt::OddEvenFill);
}

void PainterDevice::text(int x, int y, std::string_view text) {
    const QString unicode = decodeText(text, font_.encoding);
    if (unicode.isEmpty()) return;
    painter_.save();
    painter_.setFont(font_.font);
    painter_.setPen(QPen(textColour_));
    painter_.translate(x, y);
    // Escapement turns anticlockwise on a y-down device.
    if (escapement_ % 3600 != 0) painter_.rotate(-escapement_ / 10.0);
    painter_.drawText(QPoint(0, 0), unicode);
    painter_.restore();
}

render::TextExtent PainterDevice::textExtent(std::string_view text) {
    const QFontMetrics& m = metrics();
    return {m.horizontalAdvance(decodeText(text, font_.encoding)), m.ascent() + m.descent()};
}

render::FontMetrics PainterDevice::fontMetrics() {
    const QFontMetrics& m = metrics();
    return {m.ascent(), m.descent()};
}

void PainterDevice::setClip(const render::ClipArea& area) {
    QRegion region(toQRect(area.rect), area.ellipse ? QRegion::Ellipse : QRegion::Rectangle);
    if (area.hasHole && !area.hole.empty())
        region -= QRegion(toQRect(area.hole), area.holeIsEllipse ? QRegion::Ellipse : QRegion::Rectangle);
    clip_ = region;
    painter_.setClipRegion(region, Qt::ReplaceClip);
}

void PainterDevice::clearClip() {
    clip_.reset();
    painter_.setClipping(false);
}

void PainterDevice::image(const render::DevRect& destination, const render::RasterImage& picture) {
    if (picture.width <= 0 || picture.height <= 0 || destination.empty()) return;
    const auto needed = static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height);
    if (picture.pixels.size() < needed) return;  // a damaged picture draws nothing
    // Borrows the pixels without copying them: 0xAARRGGBB is Qt's ARGB32.
    const QImage source(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width, picture.height,
                        static_cast<qsizetype>(picture.width) * 4, QImage::Format_ARGB32);
    painter_.drawImage(toQRect(destination), source);
}

void PainterDevice::line(render::DevPoint from, render::DevPoint to) {
    useOutlinePen(false);
    painter_.drawLine(from.x, from.y, to.x, to.y);
}

void PainterDevice::rectangle(const render::DevRect& box) {
    if (box.empty()) return;
    if (pen_.style() == Qt::NoPen) {
        painter_.fillRect(toQRect(box), brush_);
        return;
    }
    useOutlinePen(true);
    painter_.drawRect(outlineRect(box));
}

void PainterDevice::fillRect(const render::DevRect& box, render::Colour colour) {
    if (box.empty()) return;
    painter_.fillRect(toQRect(box), toQColor(colour));
}

void PainterDevice::ellipse(const render::DevRect& box) {
    if (box.empty()) return;
    useOutlinePen(true);
    painter_.drawEllipse(outlineRect(box));
}

void PainterDevice::arc(const render::DevRect& box, render::DevPoint start, render::DevPoint end) {
    if (box.empty()) return;
    const int a0 = arcAngle(box, start);
    useOutlinePen(false);
    painter_.drawArc(outlineRect(box), a0, arcSpan(a0, arcAngle(box, end)));
}

void PainterDevice::chord(const render::DevRect& box, render::DevPoint start, render::DevPoint end) {
    if (box.empty()) return;
    const int a0 = arcAngle(box, start);
    useOutlinePen(true);
    painter_.drawChord(outlineRect(box), a0, arcSpan(a0, arcAngle(box, end)));
}

void PainterDevice::roundRect(const render::DevRect& box, int cornerWidth, int cornerHeight) {
    if (box.empty()) return;
    const qreal rx = std::clamp(cornerWidth, 0, box.width()) / 2.0;
    const qreal ry = std::clamp(cornerHeight, 0, box.height()) / 2.0;
    useOutlinePen(true);
    painter_.drawRoundedRect(outlineRect(box), rx, ry, Qt::AbsoluteSize);
}

render::Colour PainterDevice::pixel(int x, int y) const {
    if (!image_ || !image_->valid(x, y)) return 0;
    const QRgb value = image_->pixel(x, y);
    return render::rgb(qRed(value), qGreen(value), qBlue(value));
}

void PainterDevice::setPixel(int x, int y, render::Colour colour) {
    if (!image_ || !image_->valid(x, y)) return;
    if (clip_ && !clip_->contains(QPoint(x, y))) return;
    image_->setPixel(x, y, qRgb(render::redOf(colour), render::greenOf(colour), render::blueOf(colour)));
}

std::unique_ptr<render::SymbolStamp> PainterDevice::makeStamp(int reach, const render::StampDrawing& draw) {
    if (!image_) return nullptr;
    // Pixels copied straight into the picture must be where and what the
    // painter would have put: device pixels one to one, plain opaque paint.
    if (!painter_.combinedTransform().isIdentity() || painter_.opacity() != 1.0 ||
        painter_.compositionMode() != QPainter::CompositionMode_SourceOver ||
        painter_.testRenderHint(QPainter::Antialiasing))
        return nullptr;
    QRect area = image_->rect();
    if (painter_.hasClipping()) {
        const QRegion clip = painter_.clipRegion();
        if (clip.rectCount() > 1) return nullptr;
        area &= clip.boundingRect();
    }
    return ImageSymbolStamp::make(*image_, area, reach, dpiX_, dpiY_, draw);
}

}  // namespace ordinax::qt
