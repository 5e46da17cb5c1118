// PNG, SVG and PDF pictures drawn through PainterDevice into a save file
// that replaces its target only after a complete write.
#include "qt/image_output.h"

#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdlib>

#include "base/strings.h"
#include "qt/painter_device.h"

namespace ordinax::qt {
namespace {

base::Message writeFailed(const std::string& path) {
    return base::makeMessage(base::MsgFileWriteFailed, base::Heading::Error, path);
}

bool validSize(int width, int height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide;
}

QString qPath(const std::string& path) {
    return QString::fromStdString(path);
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
    QSaveFile file(qPath(path));
    if (!file.open(QIODevice::WriteOnly)) return writeFailed(path);
    QImageWriter writer(&file, "png");
    // Qt's PNG writer takes 0..100 and hands zlib value * 9 / 91: round up
    // so that the level asked for is the level used.
    const int level = std::clamp(options.compression, 0, 9);
    writer.setCompression((level * 91 + 8) / 9);
    if (!writer.write(picture)) {
        file.cancelWriting();
        return writeFailed(path);
    }
    if (!file.commit()) return writeFailed(path);
    return {};
}

base::Message writeSvg(const std::string& path, const SvgOptions& options, const PageDrawer& draw) {
    if (!validSize(options.width, options.height) || options.dpi <= 0) return writeFailed(path);
    QSaveFile file(qPath(path));
    if (!file.open(QIODevice::WriteOnly)) return writeFailed(path);
    QSvgGenerator generator;
    generator.setOutputDevice(&file);
    generator.setSize(QSize(options.width, options.height));
    generator.setViewBox(QRect(0, 0, options.width, options.height));
    generator.setResolution(options.dpi);
    if (!options.title.empty()) generator.setTitle(QString::fromStdString(options.title));
    {
        QPainter painter;
        if (!painter.begin(&generator)) {
            file.cancelWriting();
            return writeFailed(path);
        }
        PainterDevice device(painter, false, options.dpi, options.dpi);
        draw(device, {0, 0, options.width, options.height});
        painter.end();
    }
    if (!file.commit()) return writeFailed(path);
    return {};
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
    QSaveFile file(qPath(path));
    if (!file.open(QIODevice::WriteOnly)) return writeFailed(path);
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Ordinax"));
        if (!options.title.empty()) writer.setTitle(QString::fromStdString(options.title));
        writer.setResolution(options.dpi);
        const QPageSize sheet(QSizeF(options.pageWidthCm * 10.0, options.pageHeightCm * 10.0), QPageSize::Millimeter,
                              QString(), QPageSize::ExactMatch);
        writer.setPageLayout(QPageLayout(sheet, options.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return writeFailed(path);
        }
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
    if (!file.commit()) return writeFailed(path);
    return {};
}

void ensureGuiApplication() {
    if (QCoreApplication::instance()) return;
    // Without a display (command line, tests) the off-screen platform still
    // has fonts through fontconfig.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
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
