// EMF and WMF into SVG text. Both converters are C libraries that trust the
// lengths written in the file, so the record structure is walked first and
// any record reaching past the end refuses the whole file.
#include "qt/metafile_svg.h"

#include <emf2svg.h>
#include <libwmf/api.h>
#include <libwmf/svg.h>

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
        at += size;
    }
    return false;
}

bool wmfStructureValid(const QByteArray& bytes) {
    if (!looksLikeWmf(bytes) || bytes.size() > kMaxMetafileBytes) return false;
    const qsizetype start = wmfHeaderStart(bytes);
    if (start > 0) {
        // Placeable header: a non-empty bounding box and a usable unit count.
        const int width = static_cast<std::int16_t>(u16At(bytes, 10)) - static_cast<std::int16_t>(u16At(bytes, 6));
        const int height = static_cast<std::int16_t>(u16At(bytes, 12)) - static_cast<std::int16_t>(u16At(bytes, 8));
        if (width == 0 || height == 0 || u16At(bytes, 14) == 0) return false;
    }
    qsizetype at = start + kWmfHeaderSize;
    for (long count = 0; count < kMaxRecords && at + 6 <= bytes.size(); ++count) {
        const std::uint64_t words = u32At(bytes, at);
        const std::uint16_t function = u16At(bytes, at + 4);
        if (words < 3 || words * 2 > static_cast<std::uint64_t>(bytes.size() - at)) return false;
        if (function == kMetaEof) return true;
        at += static_cast<qsizetype>(words * 2);
    }
    return false;
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
    if (!wmfStructureValid(bytes)) return std::nullopt;
    std::vector<unsigned char> contents(bytes.begin(), bytes.end());
    const std::lock_guard lock(converterMutex());
    wmfAPI_Options options;
    std::memset(&options, 0, sizeof options);
    options.function = wmf_svg_function;
    const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
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
