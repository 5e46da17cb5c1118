// EMF and WMF into SVG text. Both converters are C libraries that trust the
// lengths written in the file, so the record structure is walked first and
// any record reaching past the end refuses the whole file.
#include "qt/metafile_svg.h"

#include <emf2svg.h>
#include <libwmf/api.h>
#include <libwmf/svg.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <vector>

namespace ordinax::qt {
namespace {

constexpr std::uint32_t kEmrHeader = 1;
constexpr std::uint32_t kEmrEof = 14;
constexpr std::uint32_t kEmfSignature = 0x464D4520;  // " EMF"
constexpr std::uint32_t kEmfHeaderMinimum = 88;
constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr qsizetype kPlaceableSize = 22;
constexpr qsizetype kWmfHeaderSize = 18;
constexpr std::uint16_t kMetaEof = 0x0000;
// Far beyond what any drawing holds; bounds the walk over a hostile file.
constexpr long kMaxRecords = 4'000'000;

std::uint32_t u32At(const QByteArray& b, qsizetype at) {
    const auto* p = reinterpret_cast<const unsigned char*>(b.constData()) + at;
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::uint16_t u16At(const QByteArray& b, qsizetype at) {
    const auto* p = reinterpret_cast<const unsigned char*>(b.constData()) + at;
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::int32_t i32At(const QByteArray& b, qsizetype at) { return static_cast<std::int32_t>(u32At(b, at)); }

// True when a block of `length` bytes at `offset` within a record lies
// between `first` and the record's `size` (an empty block always does).
bool blockInside(std::uint64_t offset, std::uint64_t length, std::uint64_t first, std::uint64_t size) {
    return length == 0 || (offset >= first && offset <= size && length <= size - offset);
}

// A device-independent bitmap declared inside a record: its header
// (BITMAPCOREHEADER or BITMAPINFOHEADER and later) in `header` bytes, its
// pixels in `bits` bytes. It must declare at most kMaxMetafileBitmapPixels
// pixels, and an uncompressed one must have all its rows in `bits`: the
// converters size their pixel buffers from the header and read the rows
// without checking.
bool bitmapFits(const unsigned char* header, std::uint64_t headerBytes, std::uint64_t bits) {
    if (headerBytes < 12) return false;
    auto u16 = [&](std::size_t at) { return static_cast<std::uint32_t>(header[at] | (header[at + 1] << 8)); };
    auto u32 = [&](std::size_t at) { return u16(at) | (u16(at + 2) << 16); };
    const std::uint32_t size = u32(0);
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t bitCount = 0;
    std::uint32_t compression = 0;
    if (size == 12) {
        width = u16(4);
        height = u16(6);
        bitCount = u16(10);
    } else if (size >= 40 && size <= headerBytes) {
        width = static_cast<std::int32_t>(u32(4));
        height = static_cast<std::int32_t>(u32(8));
        bitCount = u16(14);
        compression = u32(16);
    } else {
        return false;
    }
    width = width < 0 ? -width : width;
    height = height < 0 ? -height : height;
    if (width > kMaxMetafileBitmapPixels || height > kMaxMetafileBitmapPixels) return false;
    if (width * height > kMaxMetafileBitmapPixels) return false;
    constexpr std::uint32_t Rgb = 0;
    constexpr std::uint32_t BitFields = 3;
    if (compression != Rgb && compression != BitFields) return true;  // run lengths, JPEG, PNG: the pixel count bounds them
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
        return false;
    const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bitCount + 31) / 32 * 4;
    return stride * static_cast<std::uint64_t>(height) <= bits;
}

// EMF records that carry bitmaps, with where their bitmap fields (offset and
// size of the header, offset and size of the pixels) start in the record.
struct EmfBitmapField {
    std::uint32_t type;
    std::uint32_t at;
};
constexpr EmfBitmapField kEmfBitmaps[] = {
    {76, 84},   // EMR_BITBLT
    {77, 84},   // EMR_STRETCHBLT
    {78, 84},   // EMR_MASKBLT, source
    {78, 112},  // EMR_MASKBLT, mask
    {79, 96},   // EMR_PLGBLT, source
    {79, 124},  // EMR_PLGBLT, mask
    {80, 48},   // EMR_SETDIBITSTODEVICE
    {81, 48},   // EMR_STRETCHDIBITS
    {93, 16},   // EMR_CREATEMONOBRUSH
    {94, 16},   // EMR_CREATEDIBPATTERNBRUSHPT
    {114, 84},  // EMR_ALPHABLEND
    {116, 84},  // EMR_TRANSPARENTBLT
};

bool emfBitmapsFit(const QByteArray& bytes, qsizetype record, std::uint32_t type, std::uint32_t size) {
    for (const EmfBitmapField& field : kEmfBitmaps) {
        if (field.type != type) continue;
        if (size < field.at + 16) return false;  // too short to hold its own fields
        const std::uint32_t headerAt = u32At(bytes, record + field.at);
        const std::uint32_t headerBytes = u32At(bytes, record + field.at + 4);
        const std::uint32_t bitsAt = u32At(bytes, record + field.at + 8);
        const std::uint32_t bits = u32At(bytes, record + field.at + 12);
        if (headerBytes == 0) continue;  // no bitmap (a pattern copy)
        if (!blockInside(headerAt, headerBytes, 8, size) || !blockInside(bitsAt, bits, 8, size)) return false;
        const auto* start = reinterpret_cast<const unsigned char*>(bytes.constData()) + record + headerAt;
        if (!bitmapFits(start, headerBytes, bits)) return false;
    }
    return true;
}

// WMF records that carry a bitmap, with where it starts in the record; the
// two blit records carry none when they hold only their fixed fields.
struct WmfBitmap {
    std::uint16_t function;
    std::uint32_t at;
    std::uint64_t withoutBitmapWords;  // 0: always a bitmap
};
constexpr WmfBitmap kWmfBitmaps[] = {
    {0x0D33, 24, 0},   // META_SETDIBTODEV
    {0x0F43, 28, 0},   // META_STRETCHDIB
    {0x0B41, 26, 14},  // META_DIBSTRETCHBLT
    {0x0940, 22, 12},  // META_DIBBITBLT
    {0x0142, 10, 0},   // META_DIBCREATEPATTERNBRUSH
};

bool wmfBitmapFits(const QByteArray& bytes, qsizetype record, std::uint16_t function, std::uint64_t words) {
    for (const WmfBitmap& b : kWmfBitmaps) {
        if (b.function != function || words == b.withoutBitmapWords) continue;
        const std::uint64_t size = words * 2;
        if (size < b.at + 12) return false;
        const auto* start = reinterpret_cast<const unsigned char*>(bytes.constData()) + record + b.at;
        const std::uint64_t available = size - b.at;
        const std::uint64_t headerBytes = std::min<std::uint64_t>(available, u32At(bytes, record + b.at));
        return bitmapFits(start, available, available - headerBytes);
    }
    return true;
}

// The records of a WMF walked from its header: where the end-of-file record
// ends and the largest record, in 16-bit words; `ok` false when a record
// reaches past the bytes, a bitmap does not fit, or no end-of-file record comes.
struct WmfWalk {
    bool ok = false;
    qsizetype end = 0;
    std::uint64_t largest = 0;
};

qsizetype wmfHeaderStart(const QByteArray& bytes) {
    return bytes.size() >= kPlaceableSize && u32At(bytes, 0) == kPlaceableKey ? kPlaceableSize : 0;
}

// libwmf keeps state in globals of its own; one conversion at a time.
std::mutex& converterMutex() {
    static std::mutex mutex;
    return mutex;
}

}  // namespace

bool looksLikeEmf(const QByteArray& bytes) {
    return bytes.size() >= kEmfHeaderMinimum && u32At(bytes, 0) == kEmrHeader && u32At(bytes, 40) == kEmfSignature;
}

bool looksLikeWmf(const QByteArray& bytes) {
    const qsizetype start = wmfHeaderStart(bytes);
    if (bytes.size() < start + kWmfHeaderSize) return false;
    const std::uint16_t type = u16At(bytes, start);
    return (type == 1 || type == 2) && u16At(bytes, start + 2) == 9;
}

bool emfStructureValid(const QByteArray& bytes) {
    if (!looksLikeEmf(bytes) || bytes.size() > kMaxMetafileBytes) return false;
    const std::uint32_t headerSize = u32At(bytes, 4);
    if (headerSize < kEmfHeaderMinimum || headerSize % 4 != 0 || headerSize > static_cast<std::uint64_t>(bytes.size()))
        return false;
    // The frame (in 0.01 mm) gives the picture's size: it must not be empty.
    const std::int64_t frameWidth = static_cast<std::int64_t>(i32At(bytes, 32)) - i32At(bytes, 24);
    const std::int64_t frameHeight = static_cast<std::int64_t>(i32At(bytes, 36)) - i32At(bytes, 28);
    const std::int64_t boundsWidth = static_cast<std::int64_t>(i32At(bytes, 16)) - i32At(bytes, 8);
    const std::int64_t boundsHeight = static_cast<std::int64_t>(i32At(bytes, 20)) - i32At(bytes, 12);
    if ((frameWidth <= 0 || frameHeight <= 0) && (boundsWidth <= 0 || boundsHeight <= 0)) return false;
    // The description (UTF-16) and the pixel format the header points to lie
    // inside the header record: the converter reads them without checking.
    if (!blockInside(u32At(bytes, 68), std::uint64_t{u32At(bytes, 64)} * 2, kEmfHeaderMinimum, headerSize))
        return false;
    if (headerSize >= 100 && !blockInside(u32At(bytes, 92), u32At(bytes, 88), 100, headerSize)) return false;
    qsizetype at = 0;
    for (long count = 0; count < kMaxRecords && at + 8 <= bytes.size(); ++count) {
        const std::uint32_t type = u32At(bytes, at);
        const std::uint32_t size = u32At(bytes, at + 4);
        if (size < 8 || size % 4 != 0 || size > static_cast<std::uint64_t>(bytes.size() - at)) return false;
        if (type == kEmrEof)
            return size >= 20 && blockInside(u32At(bytes, at + 12), std::uint64_t{u32At(bytes, at + 8)} * 4, 16, size);
        if (count > 0 && type == kEmrHeader) return false;
        if (!emfBitmapsFit(bytes, at, type, size)) return false;
        at += size;
    }
    return false;
}

namespace {

WmfWalk walkWmf(const QByteArray& bytes) {
    WmfWalk walk;
    if (!looksLikeWmf(bytes) || bytes.size() > kMaxMetafileBytes) return walk;
    const qsizetype start = wmfHeaderStart(bytes);
    if (start > 0) {
        // Placeable header: a non-empty bounding box and a usable unit count.
        const int width = static_cast<std::int16_t>(u16At(bytes, 10)) - static_cast<std::int16_t>(u16At(bytes, 6));
        const int height = static_cast<std::int16_t>(u16At(bytes, 12)) - static_cast<std::int16_t>(u16At(bytes, 8));
        if (width == 0 || height == 0 || u16At(bytes, 14) == 0) return walk;
    }
    qsizetype at = start + kWmfHeaderSize;
    for (long count = 0; count < kMaxRecords && at + 6 <= bytes.size(); ++count) {
        const std::uint64_t words = u32At(bytes, at);
        const std::uint16_t function = u16At(bytes, at + 4);
        if (words < 3 || words * 2 > static_cast<std::uint64_t>(bytes.size() - at)) return walk;
        if (!wmfBitmapFits(bytes, at, function, words)) return walk;
        walk.largest = std::max(walk.largest, words);
        at += static_cast<qsizetype>(words * 2);
        if (function == kMetaEof) {
            // A largest record the file could not even hold is a forged
            // header (one asked the converter for gigabytes): refused. One
            // smaller than the records is mended in wmfWithTrueHeader.
            const std::uint64_t declared = u32At(bytes, start + 12);
            walk.ok = declared <= static_cast<std::uint64_t>(at - start) / 2;
            walk.end = at;
            return walk;
        }
    }
    return walk;
}

}  // namespace

bool wmfStructureValid(const QByteArray& bytes) { return walkWmf(bytes).ok; }

QByteArray wmfWithTrueHeader(const QByteArray& bytes) {
    const WmfWalk walk = walkWmf(bytes);
    if (!walk.ok) return {};
    QByteArray fixed = bytes;
    const qsizetype start = wmfHeaderStart(bytes);
    auto putU32 = [&](qsizetype at, std::uint64_t value) {
        for (int i = 0; i < 4; ++i) fixed[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    // mtSize and mtMaxRecord, in words: the converter sizes its record
    // buffer from the second one (a forged one asked it for gigabytes).
    putU32(start + 6, static_cast<std::uint64_t>(walk.end - start) / 2);
    putU32(start + 12, walk.largest);
    return fixed;
}

namespace {

// libwmf's allocator hook: every block carries its size in front, so that
// the budget follows reallocations and releases.
constexpr std::size_t kBlockHeader = 16;

}  // namespace

void* MetafileBudget::allocate(void* budget, std::size_t size) {
    return reallocate(budget, nullptr, size);
}

void* MetafileBudget::reallocate(void* budget, void* block, std::size_t size) {
    auto* b = static_cast<MetafileBudget*>(budget);
    unsigned char* old = block ? static_cast<unsigned char*>(block) - kBlockHeader : nullptr;
    std::size_t oldSize = 0;
    if (old) std::memcpy(&oldSize, old, sizeof oldSize);
    if (size > kMaxWmfAllocation || b->inUse_ - oldSize + size > kMaxWmfTotalAllocation) {
        ++b->refused_;
        return nullptr;  // the block stays as it was, as realloc leaves it
    }
    auto* grown = static_cast<unsigned char*>(std::realloc(old, size + kBlockHeader));
    if (grown == nullptr) {
        ++b->refused_;
        return nullptr;
    }
    std::memcpy(grown, &size, sizeof size);
    b->inUse_ = b->inUse_ - oldSize + size;
    return grown + kBlockHeader;
}

void MetafileBudget::release(void* budget, void* block) {
    if (block == nullptr) return;
    auto* b = static_cast<MetafileBudget*>(budget);
    unsigned char* start = static_cast<unsigned char*>(block) - kBlockHeader;
    std::size_t size = 0;
    std::memcpy(&size, start, sizeof size);
    b->inUse_ -= size;
    std::free(start);
}

std::optional<QByteArray> emfToSvg(const QByteArray& bytes) {
    if (!emfStructureValid(bytes)) return std::nullopt;
    std::vector<char> contents(bytes.begin(), bytes.end());
    char nameSpace[] = "svg";
    generatorOptions options{};
    options.nameSpace = nameSpace;
    options.verbose = false;
    // EMF+ comments are left aside: dual files carry the same drawing in plain
    // EMF records, and the EMF+ reader is the less hardened part of the converter.
    options.emfplus = false;
    options.svgDelimiter = true;
    char* out = nullptr;
    std::size_t length = 0;
    {
        const std::lock_guard lock(converterMutex());
        emf2svg(contents.data(), contents.size(), &out, &length, &options);
    }
    if (out == nullptr) return std::nullopt;
    QByteArray svg(out, static_cast<qsizetype>(length));
    std::free(out);
    if (svg.isEmpty()) return std::nullopt;
    return svg;
}

std::optional<QByteArray> wmfToSvg(const QByteArray& bytes) {
    const QByteArray fixed = wmfWithTrueHeader(bytes);
    if (fixed.isEmpty()) return std::nullopt;
    std::vector<unsigned char> contents(fixed.begin(), fixed.end());
    const std::lock_guard lock(converterMutex());
    // Every block of the converter is counted against the budget, which
    // outlives the converter's objects.
    MetafileBudget budget;
    wmfAPI_Options options;
    std::memset(&options, 0, sizeof options);
    options.function = wmf_svg_function;
    options.context = &budget;
    options.malloc = MetafileBudget::allocate;
    options.realloc = MetafileBudget::reallocate;
    options.free = MetafileBudget::release;
    const unsigned long flags =
        WMF_OPT_ALLOC | WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    wmfAPI* api = nullptr;
    if (wmf_api_create(&api, flags, &options) != wmf_E_None) {
        if (api != nullptr) wmf_api_destroy(api);
        return std::nullopt;
    }
    std::optional<QByteArray> svg;
    wmfD_Rect bbox;
    std::memset(&bbox, 0, sizeof bbox);
    unsigned int width = 0;
    unsigned int height = 0;
    wmf_svg_t* data = WMF_SVG_GetData(api);
    if (wmf_mem_open(api, contents.data(), static_cast<long>(contents.size())) == wmf_E_None &&
        wmf_scan(api, 0, &bbox) == wmf_E_None && wmf_display_size(api, &width, &height, 96, 96) == wmf_E_None &&
        width > 0 && height > 0 && width <= 100000 && height <= 100000) {
        data->out = wmf_stream_create(api, nullptr);
        char description[] = "Ordinax";
        data->Description = description;
        data->bbox = bbox;
        data->width = width;
        data->height = height;
        // Pictures inside the metafile go into the SVG text, never into files.
        data->flags |= WMF_SVG_INLINE_IMAGES;
        const bool played = data->out != nullptr && wmf_play(api, 0, &bbox) == wmf_E_None;
        char* text = nullptr;
        unsigned long length = 0;
        if (data->out != nullptr) wmf_stream_destroy(api, data->out, &text, &length);
        data->out = nullptr;
        // The stream's memory belongs to the library: copied before it is released.
        if (played && text != nullptr && length > 0) svg = QByteArray(text, static_cast<qsizetype>(length));
    }
    wmf_api_destroy(api);
    return svg;
}

}  // namespace ordinax::qt
