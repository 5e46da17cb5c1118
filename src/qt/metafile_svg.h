// Vector pictures of the Windows metafile formats: EMF and WMF bytes are
// checked record by record, then converted into SVG text (EMF through
// libemf2svg, WMF through libwmf's SVG layer) for QSvgRenderer to draw.
#pragma once

#include <QByteArray>
#include <optional>

namespace ordinax::qt {

// Largest metafile converted, in bytes; larger files are refused.
inline constexpr qsizetype kMaxMetafileBytes = 32 * 1024 * 1024;

// True when the bytes start like an enhanced metafile (header record with its signature).
bool looksLikeEmf(const QByteArray& bytes);

// True when the bytes start like a Windows metafile, placeable or not.
bool looksLikeWmf(const QByteArray& bytes);

// True when every record of the EMF lies inside the bytes, the first is the
// header and the last the end-of-file record.
bool emfStructureValid(const QByteArray& bytes);

// True when the WMF header and every record lie inside the bytes, ending
// with the end-of-file record.
bool wmfStructureValid(const QByteArray& bytes);

// SVG text of the picture; nullopt when the bytes are not a sound metafile
// or the conversion fails.
std::optional<QByteArray> emfToSvg(const QByteArray& bytes);
std::optional<QByteArray> wmfToSvg(const QByteArray& bytes);

}  // namespace ordinax::qt
