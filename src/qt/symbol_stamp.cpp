// Symbols drawn once and copied pixel by pixel onto a 32-bit picture.
#include "qt/symbol_stamp.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

#include "qt/painter_device.h"

namespace ordinax::qt {
namespace {

// Transparent pixels around the reach: a symbol that paints there may have
// been cut by the picture's edge, so its stamp would not be exact.
constexpr int StampMargin = 2;

bool takesStamps(const QImage& target) {
    const QImage::Format format = target.format();
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

}  // namespace

ImageSymbolStamp::ImageSymbolStamp(QImage& target, const QRect& clip)
    : bits_(target.bits()),
      bytesPerLine_(target.bytesPerLine()),
      pixelsPerLine_(target.bytesPerLine() / 4),
      clip_(clip & target.rect()) {}

std::unique_ptr<ImageSymbolStamp> ImageSymbolStamp::make(QImage& target, const QRect& clip, int reach, int dpiX,
                                                         int dpiY, const render::StampDrawing& draw) {
    if (reach < 0 || reach > MaxStampReach || !takesStamps(target) || target.devicePixelRatio() != 1.0) return nullptr;
    // A picture sharing its pixels would be copied by bits(), away from the
    // painter drawing into the shared ones (Qt copies pictures being painted
    // on when they are copied, so this is only a safeguard).
    if (!target.isDetached()) return nullptr;
    const int side = 2 * (reach + StampMargin) + 1;
    const int centre = reach + StampMargin;
    // Opaque colours drawn without smoothing come out as 0xFFRRGGBB on every
    // 32-bit RGB format, the premultiplied one included.
    QImage picture(side, side, QImage::Format_ARGB32_Premultiplied);
    picture.fill(0);
    {
        QPainter painter(&picture);
        PainterDevice device(painter, false, dpiX, dpiY);
        draw(device, {centre, centre});
    }
    std::unique_ptr<ImageSymbolStamp> stamp(new ImageSymbolStamp(target, clip));
    for (int y = 0; y < side; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < side;) {
            if (qAlpha(row[x]) == 0) {
                ++x;
                continue;
            }
            Run run{y - centre, x - centre, 0, static_cast<int>(stamp->colours_.size()),
                    (y - centre) * stamp->pixelsPerLine_ + (x - centre)};
            for (; x < side && qAlpha(row[x]) != 0; ++x) {
                // A blended pixel depends on what lies below it: not stampable.
                if (qAlpha(row[x]) != 255) return nullptr;
                if (x < StampMargin || x >= side - StampMargin || y < StampMargin || y >= side - StampMargin)
                    return nullptr;
                stamp->colours_.push_back(row[x]);
                ++run.count;
            }
            stamp->minDx_ = std::min(stamp->minDx_, run.dx);
            stamp->maxDx_ = std::max(stamp->maxDx_, run.dx + run.count - 1);
            stamp->minDy_ = std::min(stamp->minDy_, run.dy);
            stamp->maxDy_ = std::max(stamp->maxDy_, run.dy);
            stamp->runs_.push_back(run);
        }
    }
    return stamp;
}

void ImageSymbolStamp::paintAt(int x, int y) {
    // Far beyond any picture (and out of reach of an overflow below).
    constexpr int Far = 1 << 30;
    if (runs_.empty() || x < -Far || x > Far || y < -Far || y > Far) return;
    // The usual case: the whole symbol lies inside the clip.
    if (x + minDx_ >= clip_.left() && x + maxDx_ <= clip_.right() && y + minDy_ >= clip_.top() &&
        y + maxDy_ <= clip_.bottom()) {
        // Runs are a few pixels long: a plain loop beats a call to memcpy.
        QRgb* anchor = reinterpret_cast<QRgb*>(bits_ + static_cast<qsizetype>(y) * bytesPerLine_) + x;
        const QRgb* colours = colours_.data();
        for (const Run& run : runs_) {
            QRgb* to = anchor + run.offset;
            const QRgb* from = colours + run.first;
            for (int k = 0; k < run.count; ++k) to[k] = from[k];
        }
        return;
    }
    paintClipped(x, y);
}

void ImageSymbolStamp::paintClipped(int x, int y) {
    for (const Run& run : runs_) {
        const int py = y + run.dy;
        if (py < clip_.top() || py > clip_.bottom()) continue;
        const int from = std::max(x + run.dx, clip_.left());
        const int to = std::min(x + run.dx + run.count - 1, clip_.right());
        if (from > to) continue;
        auto* row = reinterpret_cast<QRgb*>(bits_ + static_cast<qsizetype>(py) * bytesPerLine_);
        std::memcpy(row + from, colours_.data() + run.first + (from - x - run.dx),
                    static_cast<std::size_t>(to - from + 1) * sizeof(QRgb));
    }
}

}  // namespace ordinax::qt
