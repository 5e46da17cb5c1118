// Symbols drawn once and copied pixel by pixel onto a 32-bit picture; a
// dense curve of one-colour symbols is painted as the union of its copies.
#include "qt/symbol_stamp.h"

#include <QPainter>
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <span>

#include "qt/painter_device.h"

namespace ordinax::qt {
namespace {

// Transparent pixels around the reach: a symbol that paints there may have
// been cut by the picture's edge, so its stamp would not be exact.
constexpr int StampMargin = 2;

// Bits [first, first + count) of `bits`, starting at bit 0 of `out` (count
// rounded up to whole words, the bits past `count` cleared).
void extractBits(std::span<const std::uint64_t> bits, std::size_t first, std::size_t count, std::uint64_t* out) {
    const std::size_t words = (count + 63) / 64;
    const std::size_t shift = first % 64;
    std::size_t from = first / 64;
    for (std::size_t w = 0; w < words; ++w, ++from) {
        std::uint64_t value = from < bits.size() ? bits[from] >> shift : 0;
        if (shift != 0 && from + 1 < bits.size()) value |= bits[from + 1] << (64 - shift);
        out[w] = value;
    }
    if (count % 64 != 0) out[words - 1] &= (std::uint64_t{1} << (count % 64)) - 1;
}

// out bit j |= row bit (j + offset) for the bits of `row` (words of them),
// counting the bits outside the row as clear.
void orShifted(std::uint64_t* out, std::size_t outWords, const std::uint64_t* row, std::size_t rowWords,
               long long offset) {
    const long long words = static_cast<long long>(rowWords);
    auto wordAt = [&](long long q) { return q >= 0 && q < words ? row[q] : std::uint64_t{0}; };
    // Floor division: offset = 64 q + r with 0 <= r < 64.
    long long q = offset >= 0 ? offset / 64 : -((-offset + 63) / 64);
    const int r = static_cast<int>(offset - q * 64);
    for (std::size_t w = 0; w < outWords; ++w, ++q) {
        if (q + 1 < 0 || q >= words) continue;
        const std::uint64_t low = wordAt(q);
        out[w] |= r == 0 ? low : (low >> r) | (wordAt(q + 1) << (64 - r));
    }
}

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

bool ImageSymbolStamp::oneColour() const {
    return std::all_of(colours_.begin(), colours_.end(), [this](QRgb c) { return c == colours_.front(); });
}

void ImageSymbolStamp::paintOccupied(const render::OccupiedPixels& occupied) {
    const render::DevRect& area = occupied.area;
    if (runs_.empty() || area.empty()) return;
    if (!oneColour()) {
        render::SymbolStamp::paintOccupied(occupied);
        return;
    }
    // Where the copies may land: the occupied area grown by the stamp, within the clip.
    const int left = std::max(area.left + minDx_, clip_.left());
    const int right = std::min(area.right - 1 + maxDx_, clip_.right());
    const int top = std::max(area.top + minDy_, clip_.top());
    const int bottom = std::min(area.bottom - 1 + maxDy_, clip_.bottom());
    if (left > right || top > bottom) return;

    // The occupied rows, each starting on a word of its own.
    const auto width = static_cast<std::size_t>(area.width());
    const auto height = static_cast<std::size_t>(area.height());
    const std::size_t rowWords = (width + 63) / 64;
    std::vector<std::uint64_t> rows(rowWords * height);
    std::vector<bool> rowUsed(height);
    for (std::size_t y = 0; y < height; ++y) {
        extractBits(occupied.bits, y * width, width, rows.data() + y * rowWords);
        rowUsed[y] = std::any_of(rows.begin() + static_cast<std::ptrdiff_t>(y * rowWords),
                                 rows.begin() + static_cast<std::ptrdiff_t>((y + 1) * rowWords),
                                 [](std::uint64_t w) { return w != 0; });
    }

    const auto span = static_cast<std::size_t>(right - left + 1);
    const std::size_t outWords = (span + 63) / 64;
    std::vector<std::uint64_t> out(outWords);
    const QRgb colour = colours_.front();
    for (int y = top; y <= bottom; ++y) {
        std::fill(out.begin(), out.end(), 0);
        bool any = false;
        for (const Run& run : runs_) {
            const long long source = static_cast<long long>(y) - run.dy - area.top;
            if (source < 0 || source >= static_cast<long long>(height) || !rowUsed[static_cast<std::size_t>(source)])
                continue;
            const std::uint64_t* row = rows.data() + static_cast<std::size_t>(source) * rowWords;
            // Column c gets the stamp's pixel (dx + k) from the symbol at c - dx - k.
            for (int k = 0; k < run.count; ++k)
                orShifted(out.data(), outWords, row, rowWords,
                          static_cast<long long>(left) - run.dx - k - area.left);
            any = true;
        }
        if (!any) continue;
        auto* line = reinterpret_cast<QRgb*>(bits_ + static_cast<qsizetype>(y) * bytesPerLine_) + left;
        for (std::size_t w = 0; w < outWords; ++w) {
            std::uint64_t word = out[w];
            if (w == outWords - 1 && span % 64 != 0) word &= (std::uint64_t{1} << (span % 64)) - 1;
            for (; word != 0; word &= word - 1) line[w * 64 + static_cast<std::size_t>(std::countr_zero(word))] = colour;
        }
    }
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
