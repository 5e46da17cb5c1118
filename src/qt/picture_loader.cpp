// Decoding of picture files for the fills and the logo, and the cache that
// keeps a repaint from decoding them again.
#include "qt/picture_loader.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>

#include "base/encoding.h"
#include "qt/metafile_svg.h"
#include "qt/painter_device.h"

namespace ordinax::qt {
namespace {

// Picture paths come from diagrams in the Windows code page or, typed on
// this system, in UTF-8: valid UTF-8 is taken as such.
QString pathText(std::string_view path) {
    const QByteArray bytes(path.data(), static_cast<qsizetype>(path.size()));
    const QString utf8 = QString::fromUtf8(bytes);
    if (!utf8.contains(QChar::ReplacementCharacter) || bytes.contains("\xEF\xBF\xBD")) return utf8;
    return QString::fromStdString(base::windows1252ToUtf8(path));
}

// The resolution stored in a raster file, 96 when it has none that makes sense.
double imageDpi(int dotsPerMeter) {
    const double dpi = dotsPerMeter * 0.0254;
    return dpi >= 10.0 && dpi <= 10000.0 ? dpi : 96.0;
}

std::shared_ptr<const DecodedPicture> decodeRaster(const QByteArray& bytes) {
    // The decoders' own ceiling, in megabytes: the pixels of the largest picture.
    QImageReader::setAllocationLimit(static_cast<int>(kMaxPicturePixels * 4 / (1024 * 1024)));
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly)) return nullptr;
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    // The header's size is checked before any pixel is allocated.
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty()) return nullptr;
    if (static_cast<std::int64_t>(size.width()) * size.height() > kMaxPicturePixels) return nullptr;
    QImage image;
    if (!reader.read(&image) || image.isNull()) return nullptr;
    if (static_cast<std::int64_t>(image.width()) * image.height() > kMaxPicturePixels) return nullptr;
    render::PictureInfo info{image.width(), image.height(), imageDpi(image.dotsPerMeterX()),
                             imageDpi(image.dotsPerMeterY())};
    return std::make_shared<const DecodedPicture>(std::move(image), info);
}

std::shared_ptr<const DecodedPicture> decodeVector(const std::optional<QByteArray>& svg) {
    if (!svg) return nullptr;
    auto renderer = std::make_unique<QSvgRenderer>(*svg);
    if (!renderer->isValid()) return nullptr;
    const QSize size = renderer->defaultSize();
    if (size.width() <= 0 || size.height() <= 0) return nullptr;
    // The SVG sizes of both converters are in pixels of 96 per inch.
    const render::PictureInfo info{size.width(), size.height(), 96.0, 96.0};
    return std::make_shared<const DecodedPicture>(std::move(renderer), info);
}

std::int64_t modificationTime(const QFileInfo& file) { return file.lastModified().toMSecsSinceEpoch(); }

}  // namespace

DecodedPicture::DecodedPicture(QImage image, render::PictureInfo info) : image_(std::move(image)), info_(info) {}

DecodedPicture::DecodedPicture(std::unique_ptr<QSvgRenderer> vector, render::PictureInfo info)
    : vector_(std::move(vector)), info_(info) {}

DecodedPicture::~DecodedPicture() = default;

void DecodedPicture::draw(QPainter& painter, const QRectF& destination) const {
    if (vector_) {
        vector_->render(&painter, destination);
    } else {
        painter.drawImage(destination, image_);
    }
}

std::shared_ptr<const DecodedPicture> decodePicture(const QByteArray& bytes) {
    if (bytes.isEmpty() || bytes.size() > kMaxPictureFileBytes) return nullptr;
    if (looksLikeEmf(bytes)) return decodeVector(emfToSvg(bytes));
    if (looksLikeWmf(bytes)) return decodeVector(wmfToSvg(bytes));
    return decodeRaster(bytes);
}

QtPictureSource::QtPictureSource(std::size_t cacheSize) : cacheSize_(std::max<std::size_t>(1, cacheSize)) {}

QtPictureSource::~QtPictureSource() = default;

std::shared_ptr<const DecodedPicture> QtPictureSource::load(std::string_view path) {
    if (path.empty()) return nullptr;
    const QFileInfo file(pathText(path));
    if (!file.isFile()) return nullptr;
    const std::int64_t modified = modificationTime(file);
    const std::int64_t size = file.size();
    const auto hit = std::find_if(cache_.begin(), cache_.end(), [&](const Entry& e) { return e.path == path; });
    if (hit != cache_.end()) {
        if (hit->modified == modified && hit->size == size) {
            cache_.splice(cache_.begin(), cache_, hit);
            return cache_.front().picture;
        }
        cache_.erase(hit);  // the file changed: decoded again below
    }
    std::shared_ptr<const DecodedPicture> picture;
    if (size > 0 && size <= kMaxPictureFileBytes) {
        QFile input(file.filePath());
        if (input.open(QIODevice::ReadOnly)) picture = decodePicture(input.readAll());
    }
    ++decodeCount_;
    // Failures are kept too: a damaged file is not read again at every repaint.
    cache_.push_front(Entry{std::string(path), modified, size, picture});
    if (cache_.size() > cacheSize_) cache_.pop_back();
    return picture;
}

std::optional<render::PictureInfo> QtPictureSource::info(std::string_view path) {
    const auto picture = load(path);
    if (!picture) return std::nullopt;
    return picture->info();
}

bool QtPictureSource::draw(render::DrawDevice& device, std::string_view path, const render::DevRect& destination,
                           const render::DevRect& clip) {
    auto* painterDevice = dynamic_cast<PainterDevice*>(&device);
    if (painterDevice == nullptr || destination.empty() || clip.empty()) return false;
    const auto picture = load(path);
    if (!picture) return false;
    QPainter& painter = painterDevice->painter();
    painter.save();
    // Within the device's own clip, when it has one, and the given rectangle.
    painter.setClipRect(QRect(clip.left, clip.top, clip.width(), clip.height()), Qt::IntersectClip);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    picture->draw(painter, QRectF(destination.left, destination.top, destination.width(), destination.height()));
    painter.restore();
    return true;
}

}  // namespace ordinax::qt
