// PNG, SVG and PDF pictures drawn through PainterDevice into the programs'
// atomic file, which replaces its target only after a complete write.
#include "qt/image_output.h"

#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "base/strings.h"
#include "document/orx_file.h"
#include "document/safe_file.h"
#include "qt/painter_device.h"
#include "qt/png_encoder.h"

namespace ordinax::qt {
namespace {

base::Message writeFailed(const std::string& path, int error = 0) {
    return document::writeFailureMessage(path, error);
}

// The Qt writers' output device over the programs' atomic file: what they
// write goes to the temporary file, and the first failure is kept for the
// commit to report.
class AtomicFileDevice : public QIODevice {
public:
    explicit AtomicFileDevice(document::AtomicFile& file) : file_(file) { QIODevice::open(QIODevice::WriteOnly); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        if (size < 0 || !file_.write(data, static_cast<std::size_t>(size))) return -1;
        return size;
    }

private:
    document::AtomicFile& file_;
};

// Commits the file once the writer is done; the message of a failure, with its reason.
base::Message commitFile(document::AtomicFile& file, const std::string& path) {
    if (file.commit()) return {};
    return writeFailed(path, file.error());
}

bool validSize(int width, int height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide;
}

}  // namespace

base::Message writePng(const std::string& path, const PngOptions& options, const PageDrawer& draw) {
    if (!validSize(options.width, options.height) || options.dpi <= 0) return writeFailed(path);
    QImage picture(options.width, options.height, QImage::Format_RGB32);
    if (picture.isNull()) return writeFailed(path);  // no memory for the pixels
    picture.fill(Qt::white);
    const int dotsPerMetre = static_cast<int>(std::lround(options.dpi / 0.0254));
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
    {
        QPainter painter(&picture);
        PainterDevice device(painter, false, options.dpi, options.dpi);
        draw(device, {0, 0, options.width, options.height});
    }
    document::AtomicFile file;
    if (!file.open(path)) return writeFailed(path, file.error());
    PngPixels pixels;
    pixels.pixels = reinterpret_cast<const std::uint32_t*>(picture.constBits());
    pixels.width = options.width;
    pixels.height = options.height;
    pixels.stride = static_cast<std::size_t>(picture.bytesPerLine()) / sizeof(std::uint32_t);
    pixels.dotsPerMetre = dotsPerMetre;
    const bool encoded = encodePng(pixels, options.compression, [&file](const std::uint8_t* data, std::size_t size) {
        return file.write(data, size);
    });
    if (!encoded) return writeFailed(path, file.error());
    return commitFile(file, path);
}

base::Message writeSvg(const std::string& path, const SvgOptions& options, const PageDrawer& draw) {
    if (!validSize(options.width, options.height) || options.dpi <= 0) return writeFailed(path);
    document::AtomicFile file;
    if (!file.open(path)) return writeFailed(path, file.error());
    AtomicFileDevice output(file);
    QSvgGenerator generator;
    generator.setOutputDevice(&output);
    generator.setSize(QSize(options.width, options.height));
    generator.setViewBox(QRect(0, 0, options.width, options.height));
    generator.setResolution(options.dpi);
    if (!options.title.empty()) generator.setTitle(QString::fromStdString(options.title));
    {
        QPainter painter;
        if (!painter.begin(&generator)) return writeFailed(path, file.error());
        PainterDevice device(painter, false, options.dpi, options.dpi);
        draw(device, {0, 0, options.width, options.height});
        painter.end();
    }
    return commitFile(file, path);
}

base::Message writePdf(const std::string& path, const PdfOptions& options, const PageDrawer& draw) {
    return writePdfDocument(path, options, [&draw](render::DrawDevice& device, const render::DevRect& page, int) {
        draw(device, page);
        return false;
    });
}

base::Message writePdfDocument(const std::string& path, const PdfOptions& options, const DocumentPageDrawer& draw) {
    // A sheet of up to 5 m a side; anything else is a mistaken size.
    auto validCm = [](double cm) { return std::isfinite(cm) && cm >= 0.5 && cm <= 500.0; };
    if (!validCm(options.pageWidthCm) || !validCm(options.pageHeightCm) || options.dpi < 72 || options.dpi > 4800)
        return writeFailed(path);
    document::AtomicFile file;
    if (!file.open(path)) return writeFailed(path, file.error());
    AtomicFileDevice output(file);
    {
        QPdfWriter writer(&output);
        writer.setCreator(QStringLiteral("Ordinax"));
        if (!options.title.empty()) writer.setTitle(QString::fromStdString(options.title));
        writer.setResolution(options.dpi);
        const QPageSize sheet(QSizeF(options.pageWidthCm * 10.0, options.pageHeightCm * 10.0), QPageSize::Millimeter,
                              QString(), QPageSize::ExactMatch);
        writer.setPageLayout(QPageLayout(sheet, options.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (!painter.begin(&writer)) return writeFailed(path, file.error());
        PainterDevice device(painter, options.printer, options.dpi, options.dpi);
        const render::DevRect page{0, 0, writer.width(), writer.height()};
        for (int index = 0; draw(device, page, index) && index + 1 < kMaxPdfPages; ++index) {
            // Each page starts from a fresh painter state, as a new printer page does.
            painter.resetTransform();
            painter.setClipping(false);
            writer.newPage();
        }
        painter.end();
    }
    return commitFile(file, path);
}

void ensureGuiApplication() {
    if (QCoreApplication::instance()) return;
    // Without a display (command line, tests) the off-screen platform still
    // has fonts through fontconfig.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own remarks (a missing runtime folder, a font not found) are in
    // English and for developers: the command line prints only its messages.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    });
    static int argc = 1;
    static char name[] = "ordinax";
    static char* argv[] = {name, nullptr};
    // Lives until the process ends: destroying it among other statics at
    // exit would tear down fonts still referenced.
    new QGuiApplication(argc, argv);
    // Qt adopts the user's locale, which would write numbers as "1,5".
    std::setlocale(LC_NUMERIC, "C");
}

}  // namespace ordinax::qt
