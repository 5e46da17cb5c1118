// The PNG encoder of the pictures: chunks, palette or RGB rows, deflate.
#include "qt/png_encoder.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace ordinax::qt {
namespace {

constexpr std::size_t MaxPaletteSize = 256;
constexpr std::size_t IdatBufferSize = 64 * 1024;

void putU32(std::uint8_t* at, std::uint32_t value) {
    at[0] = static_cast<std::uint8_t>(value >> 24);
    at[1] = static_cast<std::uint8_t>(value >> 16);
    at[2] = static_cast<std::uint8_t>(value >> 8);
    at[3] = static_cast<std::uint8_t>(value);
}

bool writeChunk(const PngSink& sink, const char (&type)[5], const std::uint8_t* data, std::size_t size) {
    std::uint8_t head[8];
    putU32(head, static_cast<std::uint32_t>(size));
    std::memcpy(head + 4, type, 4);
    uLong crc = crc32(0L, head + 4, 4);
    if (size) crc = crc32(crc, data, static_cast<uInt>(size));
    std::uint8_t tail[4];
    putU32(tail, static_cast<std::uint32_t>(crc));
    return sink(head, sizeof head) && (size == 0 || sink(data, size)) && sink(tail, sizeof tail);
}

// The colours of the picture when there are at most 256 of them, in order of
// appearance; with `indexOf` giving each colour's place.
class Palette {
public:
    // Scans the picture; false once it holds more colours than a palette.
    bool collect(const PngPixels& picture) {
        slots_.fill(Empty);
        std::uint32_t last = 0;
        bool haveLast = false;
        for (int y = 0; y < picture.height; ++y) {
            const std::uint32_t* row = picture.pixels + static_cast<std::size_t>(y) * picture.stride;
            for (int x = 0; x < picture.width; ++x) {
                const std::uint32_t colour = row[x] & 0xFFFFFFu;
                // Diagrams are runs of one colour: most pixels repeat the last.
                if (haveLast && colour == last) continue;
                last = colour;
                haveLast = true;
                if (indexOf(colour) < 0) {
                    if (colours_.size() == MaxPaletteSize) return false;
                    insert(colour);
                }
            }
        }
        return true;
    }

    int indexOf(std::uint32_t colour) const {
        for (std::size_t slot = hash(colour);; slot = (slot + 1) % SlotCount) {
            if (slots_[slot] == Empty) return -1;
            if (colours_[slots_[slot]] == colour) return slots_[slot];
        }
    }

    const std::vector<std::uint32_t>& colours() const { return colours_; }

    // Bits per index: the fewest of 1, 2, 4, 8 that number every colour.
    int bitDepth() const {
        const std::size_t n = colours_.size();
        return n <= 2 ? 1 : n <= 4 ? 2 : n <= 16 ? 4 : 8;
    }

private:
    static constexpr std::size_t SlotCount = 1024;  // at most a quarter full
    static constexpr std::int16_t Empty = -1;

    static std::size_t hash(std::uint32_t colour) { return (colour * 2654435761u >> 22) % SlotCount; }

    void insert(std::uint32_t colour) {
        std::size_t slot = hash(colour);
        while (slots_[slot] != Empty) slot = (slot + 1) % SlotCount;
        slots_[slot] = static_cast<std::int16_t>(colours_.size());
        colours_.push_back(colour);
    }

    std::array<std::int16_t, SlotCount> slots_{};
    std::vector<std::uint32_t> colours_;
};

// Deflates the filtered rows and hands the stream to the sink in IDAT chunks.
class IdatWriter {
public:
    IdatWriter(const PngSink& sink, int level, int strategy) : sink_(sink), buffer_(IdatBufferSize) {
        ok_ = deflateInit2(&stream_, level, Z_DEFLATED, 15, 9, strategy) == Z_OK;
        open_ = ok_;
        stream_.next_out = buffer_.data();
        stream_.avail_out = static_cast<uInt>(buffer_.size());
    }
    ~IdatWriter() {
        if (open_) deflateEnd(&stream_);
    }
    IdatWriter(const IdatWriter&) = delete;
    IdatWriter& operator=(const IdatWriter&) = delete;

    bool add(const std::uint8_t* data, std::size_t size) { return pump(data, size, Z_NO_FLUSH); }
    bool finish() { return pump(nullptr, 0, Z_FINISH) && flushBuffer(); }

private:
    bool pump(const std::uint8_t* data, std::size_t size, int flush) {
        if (!ok_) return false;
        stream_.next_in = const_cast<Bytef*>(data);
        stream_.avail_in = static_cast<uInt>(size);
        for (;;) {
            if (stream_.avail_out == 0) {
                if (!flushBuffer()) return false;
            }
            const int status = deflate(&stream_, flush);
            if (status == Z_STREAM_END) return true;
            if (status != Z_OK && status != Z_BUF_ERROR) return ok_ = false;
            if (flush == Z_NO_FLUSH && stream_.avail_in == 0) return true;
        }
    }

    bool flushBuffer() {
        const std::size_t used = buffer_.size() - stream_.avail_out;
        if (used > 0 && !writeChunk(sink_, "IDAT", buffer_.data(), used)) return ok_ = false;
        stream_.next_out = buffer_.data();
        stream_.avail_out = static_cast<uInt>(buffer_.size());
        return true;
    }

    const PngSink& sink_;
    std::vector<std::uint8_t> buffer_;
    z_stream stream_{};
    bool ok_ = false;
    bool open_ = false;
};

bool writeIndexedRows(const PngPixels& picture, const Palette& palette, IdatWriter& idat) {
    const int depth = palette.bitDepth();
    const int perByte = 8 / depth;
    const std::size_t rowBytes = (static_cast<std::size_t>(picture.width) + perByte - 1) / perByte;
    // Filter "up": a diagram's rows mostly repeat the one above (background,
    // vertical lines), which leaves runs of zeros that run-length deflate
    // takes at a fraction of the time of a full search.
    std::vector<std::uint8_t> previous(rowBytes, 0);
    std::vector<std::uint8_t> current(rowBytes);
    std::vector<std::uint8_t> row(1 + rowBytes);
    row[0] = 2;
    for (int y = 0; y < picture.height; ++y) {
        std::fill(current.begin(), current.end(), 0);
        const std::uint32_t* pixels = picture.pixels + static_cast<std::size_t>(y) * picture.stride;
        std::uint32_t last = 0;
        int lastIndex = -1;
        for (int x = 0; x < picture.width; ++x) {
            const std::uint32_t colour = pixels[x] & 0xFFFFFFu;
            if (lastIndex < 0 || colour != last) {
                last = colour;
                lastIndex = palette.indexOf(colour);
            }
            const int shift = 8 - depth * (x % perByte + 1);
            current[static_cast<std::size_t>(x / perByte)] |= static_cast<std::uint8_t>(lastIndex << shift);
        }
        for (std::size_t i = 0; i < rowBytes; ++i) row[1 + i] = static_cast<std::uint8_t>(current[i] - previous[i]);
        if (!idat.add(row.data(), row.size())) return false;
        previous.swap(current);
    }
    return true;
}

// Sum of the filtered bytes taken as signed: the usual guess of which filter compresses best.
long cost(const std::uint8_t* bytes, std::size_t size) {
    long sum = 0;
    for (std::size_t i = 0; i < size; ++i) sum += std::abs(static_cast<std::int8_t>(bytes[i]));
    return sum;
}

bool writeRgbRows(const PngPixels& picture, IdatWriter& idat) {
    const std::size_t rowBytes = static_cast<std::size_t>(picture.width) * 3;
    std::vector<std::uint8_t> previous(rowBytes, 0);
    std::vector<std::uint8_t> current(rowBytes);
    std::vector<std::uint8_t> sub(1 + rowBytes);
    std::vector<std::uint8_t> up(1 + rowBytes);
    std::vector<std::uint8_t> none(1 + rowBytes);
    sub[0] = 1;
    up[0] = 2;
    none[0] = 0;
    for (int y = 0; y < picture.height; ++y) {
        const std::uint32_t* pixels = picture.pixels + static_cast<std::size_t>(y) * picture.stride;
        for (int x = 0; x < picture.width; ++x) {
            const std::uint32_t p = pixels[x];
            current[3 * static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(p >> 16);
            current[3 * static_cast<std::size_t>(x) + 1] = static_cast<std::uint8_t>(p >> 8);
            current[3 * static_cast<std::size_t>(x) + 2] = static_cast<std::uint8_t>(p);
        }
        std::memcpy(none.data() + 1, current.data(), rowBytes);
        for (std::size_t i = 0; i < rowBytes; ++i) {
            sub[1 + i] = static_cast<std::uint8_t>(current[i] - (i >= 3 ? current[i - 3] : 0));
            up[1 + i] = static_cast<std::uint8_t>(current[i] - previous[i]);
        }
        const long costs[3] = {cost(none.data() + 1, rowBytes), cost(sub.data() + 1, rowBytes),
                               cost(up.data() + 1, rowBytes)};
        const std::vector<std::uint8_t>& best =
            costs[1] <= costs[2] ? (costs[1] <= costs[0] ? sub : none) : (costs[2] <= costs[0] ? up : none);
        if (!idat.add(best.data(), best.size())) return false;
        previous.swap(current);
    }
    return true;
}

}  // namespace

bool encodePng(const PngPixels& picture, int level, const PngSink& sink) {
    if (picture.width <= 0 || picture.height <= 0 || !picture.pixels ||
        picture.stride < static_cast<std::size_t>(picture.width))
        return false;
    static constexpr std::uint8_t Signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (!sink(Signature, sizeof Signature)) return false;

    Palette palette;
    const bool indexed = palette.collect(picture);
    std::uint8_t header[13] = {};
    putU32(header, static_cast<std::uint32_t>(picture.width));
    putU32(header + 4, static_cast<std::uint32_t>(picture.height));
    header[8] = static_cast<std::uint8_t>(indexed ? palette.bitDepth() : 8);
    header[9] = indexed ? 3 : 2;  // colour type: palette or RGB
    if (!writeChunk(sink, "IHDR", header, sizeof header)) return false;
    if (indexed) {
        std::vector<std::uint8_t> entries;
        for (std::uint32_t colour : palette.colours()) {
            entries.push_back(static_cast<std::uint8_t>(colour >> 16));
            entries.push_back(static_cast<std::uint8_t>(colour >> 8));
            entries.push_back(static_cast<std::uint8_t>(colour));
        }
        if (!writeChunk(sink, "PLTE", entries.data(), entries.size())) return false;
    }
    if (picture.dotsPerMetre > 0) {
        std::uint8_t physical[9] = {};
        putU32(physical, static_cast<std::uint32_t>(picture.dotsPerMetre));
        putU32(physical + 4, static_cast<std::uint32_t>(picture.dotsPerMetre));
        physical[8] = 1;  // per metre
        if (!writeChunk(sink, "pHYs", physical, sizeof physical)) return false;
    }
    const bool chosen = level < 0;
    IdatWriter idat(sink, chosen ? 1 : std::clamp(level, 0, 9),
                    chosen && indexed ? Z_RLE : Z_DEFAULT_STRATEGY);
    const bool rows = indexed ? writeIndexedRows(picture, palette, idat) : writeRgbRows(picture, idat);
    if (!rows || !idat.finish()) return false;
    return writeChunk(sink, "IEND", nullptr, 0);
}

}  // namespace ordinax::qt
