// Curve symbols stamped onto a 32-bit picture: the symbol is drawn once
// through a QPainter device on a small transparent picture, and its opaque
// pixels are then copied at every point, which gives the same pixels as
// drawing each symbol (shapes are drawn on whole pixels without smoothing).
#pragma once

#include <QImage>
#include <QRect>
#include <memory>
#include <vector>

#include "render/draw_device.h"

namespace ordinax::qt {

// The largest reach a stamp is made for: bigger symbols are few on a plot.
inline constexpr int MaxStampReach = 128;

// The opaque pixels of one symbol, copied into a picture at each point.
class ImageSymbolStamp : public render::SymbolStamp {
public:
    // Draws the symbol once (anchored in the middle of a transparent picture
    // of 2 reach + 1 pixels and a margin) at the target's resolution; nullptr
    // when it leaves a translucent pixel or reaches the margin, or when the
    // target is not a 32-bit RGB picture. Pixels land only inside `clip`.
    static std::unique_ptr<ImageSymbolStamp> make(QImage& target, const QRect& clip, int reach, int dpiX, int dpiY,
                                                  const render::StampDrawing& draw);

    void paintAt(int x, int y) override;
    // A stamp of one colour paints the union of its copies row by row, by
    // shifting the rows of occupied pixels (a few word operations per pixel
    // of the stamp and row) instead of copying the stamp at every pixel.
    void paintOccupied(const render::OccupiedPixels& occupied) override;

private:
    // Consecutive opaque pixels of one row, relative to the anchor; their
    // colours start at colours_[first]. `offset` is the same displacement
    // counted in pixels of the target picture (dy rows, dx columns).
    struct Run {
        int dy = 0;
        int dx = 0;
        int count = 0;
        int first = 0;
        qsizetype offset = 0;
    };

    ImageSymbolStamp(QImage& target, const QRect& clip);
    void paintClipped(int x, int y);
    bool oneColour() const;

    uchar* bits_ = nullptr;
    qsizetype bytesPerLine_ = 0;
    qsizetype pixelsPerLine_ = 0;
    QRect clip_;  // the clip within the picture
    std::vector<Run> runs_;
    std::vector<QRgb> colours_;
    // Extent of the pixels relative to the anchor, inclusive.
    int minDx_ = 0, maxDx_ = -1, minDy_ = 0, maxDy_ = -1;
};

}  // namespace ordinax::qt
