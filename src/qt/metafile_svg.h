// Vector pictures of the Windows metafile formats: EMF and WMF bytes are
// checked record by record, then converted into SVG text (EMF through
// libemf2svg, WMF through libwmf's SVG layer) for QSvgRenderer to draw.
#pragma once

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace ordinax::qt {

// Largest metafile converted, in bytes; larger files are refused.
inline constexpr qsizetype kMaxMetafileBytes = 32 * 1024 * 1024;

// Largest bitmap a metafile may carry, in pixels (as for raster pictures).
inline constexpr std::int64_t kMaxMetafileBitmapPixels = 64LL * 1024 * 1024;

// What the WMF converter may hold at once, and in one block: a hostile
// header cannot make it ask for more (the conversion fails instead).
inline constexpr std::size_t kMaxWmfAllocation = std::size_t{256} << 20;
inline constexpr std::size_t kMaxWmfTotalAllocation = std::size_t{512} << 20;

// The allocator handed to the WMF converter: blocks counted against the
// limits above; a request beyond them gets nothing.
class MetafileBudget {
public:
    static void* allocate(void* budget, std::size_t size);
    static void* reallocate(void* budget, void* block, std::size_t size);
    static void release(void* budget, void* block);

    std::size_t inUse() const { return inUse_; }
    std::size_t refused() const { return refused_; }

private:
    std::size_t inUse_ = 0;
    std::size_t refused_ = 0;
};

// True when the bytes start like an enhanced metafile (header record with its signature).
bool looksLikeEmf(const QByteArray& bytes);

// True when the bytes start like a Windows metafile, placeable or not.
bool looksLikeWmf(const QByteArray& bytes);

// True when every record of the EMF lies inside the bytes, the first is the
// header and the last the end-of-file record, and every bitmap a record
// carries declares at most kMaxMetafileBitmapPixels pixels and fits in its record.
bool emfStructureValid(const QByteArray& bytes);

// True when the WMF header and every record lie inside the bytes, ending
// with the end-of-file record, the largest record the header declares fits
// in the file, and every bitmap a record carries declares at most
// kMaxMetafileBitmapPixels pixels and fits in its record.
bool wmfStructureValid(const QByteArray& bytes);

// The bytes handed to the WMF converter: the header's counts (size of the
// file, largest record), which the converter trusts to size its buffers,
// set to what the records really hold. Empty when the structure is not valid.
QByteArray wmfWithTrueHeader(const QByteArray& bytes);

// SVG text of the picture; nullopt when the bytes are not a sound metafile
// or the conversion fails.
std::optional<QByteArray> emfToSvg(const QByteArray& bytes);
std::optional<QByteArray> wmfToSvg(const QByteArray& bytes);

}  // namespace ordinax::qt
