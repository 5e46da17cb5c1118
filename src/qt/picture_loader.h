// Picture files of the page and plot fills and of the logo, decoded with Qt:
// bmp, gif, jpg, png and tiff through QImageReader, EMF and WMF as vector
// pictures (SVG text drawn by QSvgRenderer). Decoded pictures are kept in a
// small cache keyed by path, modification time and size.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QString>
#include <cstdint>
#include <list>
#include <memory>
#include <optional>
#include <string>

#include "render/picture_source.h"

class QPainter;
class QSvgRenderer;

namespace ordinax::qt {

// Largest raster picture decoded, in pixels (a hostile header cannot ask for more).
inline constexpr std::int64_t kMaxPicturePixels = 64LL * 1024 * 1024;

// Largest picture file read, in bytes.
inline constexpr std::int64_t kMaxPictureFileBytes = 256LL * 1024 * 1024;

// A decoded picture: a raster image or a vector drawing, with its natural size.
class DecodedPicture {
public:
    DecodedPicture(QImage image, render::PictureInfo info);
    DecodedPicture(std::unique_ptr<QSvgRenderer> vector, render::PictureInfo info);
    ~DecodedPicture();
    DecodedPicture(const DecodedPicture&) = delete;
    DecodedPicture& operator=(const DecodedPicture&) = delete;

    const render::PictureInfo& info() const { return info_; }
    bool isVector() const { return vector_ != nullptr; }

    // Draws the whole picture scaled into the rectangle.
    void draw(QPainter& painter, const QRectF& destination) const;

private:
    QImage image_;
    std::unique_ptr<QSvgRenderer> vector_;
    render::PictureInfo info_;
};

// Decodes the bytes of a picture file, telling the format by its content;
// nullptr when they are damaged, unknown or too large.
std::shared_ptr<const DecodedPicture> decodePicture(const QByteArray& bytes);

// The picture source of the Qt devices. Only a qt::PainterDevice can be drawn
// on; any other device gets nothing drawn and false.
class QtPictureSource : public render::PictureSource {
public:
    explicit QtPictureSource(std::size_t cacheSize = 8);
    ~QtPictureSource() override;

    std::optional<render::PictureInfo> info(std::string_view path) override;
    bool draw(render::DrawDevice& device, std::string_view path, const render::DevRect& destination,
              const render::DevRect& clip) override;

    // Files decoded so far (cache misses), for tests of the cache.
    int decodeCount() const { return decodeCount_; }

private:
    struct Entry {
        std::string path;
        std::int64_t modified = 0;
        std::int64_t size = 0;
        std::shared_ptr<const DecodedPicture> picture;  // null: the file could not be decoded
    };

    std::shared_ptr<const DecodedPicture> load(std::string_view path);

    std::size_t cacheSize_;
    std::list<Entry> cache_;  // most recently used first
    int decodeCount_ = 0;
};

}  // namespace ordinax::qt
