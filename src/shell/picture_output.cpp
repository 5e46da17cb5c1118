// Pictures of the diagram for the clipboard and for files.
#include "shell/picture_output.h"

#include <QBuffer>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QSpinBox>
#include <QSvgGenerator>

#include "qt/image_output.h"
#include "qt/painter_device.h"
#include "qt/picture_loader.h"
#include "render/diagram_renderer.h"
#include "shell/view_geometry.h"

namespace ordinax::shell {

namespace {

// One pass as the normal display mode draws it, or as a printed page.
void drawPage(render::DrawDevice& device, const document::Diagram& diagram, const render::DevRect& page, bool printed,
              int curveFilter) {
    const SheetSize sheet = sheetSize(diagram.orientation[0]);
    render::RenderRequest request;
    request.pageRect = page;
    request.output.printing = printed;
    request.output.displayMode = printed ? 3 : 1;
    request.output.deviceDpiX = device.dpiX();
    request.output.deviceDpiY = device.dpiY();
    // Sizes in the diagram were chosen on a 96 pixels-per-inch screen.
    request.output.screenDpiX = 96;
    request.output.screenDpiY = 96;
    request.output.pageRect = page;
    request.output.pageWidthCm = sheet.widthCm;
    request.output.pageHeightCm = sheet.heightCm;
    request.sheetSurround = page;
    request.curveFilter = curveFilter;
    request.abortRequested = [] { return false; };
    qt::QtPictureSource pictures;
    request.pictures = &pictures;
    render::drawDiagram(device, diagram, request);
}

}  // namespace

const char* pictureSuffix(PictureFormat format) {
    switch (format) {
        case PictureFormat::Svg:
            return ".svg";
        case PictureFormat::Pdf:
            return ".pdf";
        case PictureFormat::Png:
            break;
    }
    return ".png";
}

QImage diagramImage(const document::Diagram& diagram, QSize size, int dpi, int curveFilter) {
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    if (image.isNull()) return image;
    image.fill(Qt::white);
    const int dotsPerMetre = static_cast<int>(dpi / 0.0254 + 0.5);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QPainter painter(&image);
    qt::PainterDevice device(painter, false, dpi, dpi);
    drawPage(device, diagram, {0, 0, image.width(), image.height()}, false, curveFilter);
    return image;
}

QByteArray diagramSvg(const document::Diagram& diagram, QSize size, int dpi, int curveFilter) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(dpi);
    generator.setTitle(QStringLiteral("Ordinax"));
    {
        QPainter painter(&generator);
        qt::PainterDevice device(painter, false, dpi, dpi);
        drawPage(device, diagram, {0, 0, size.width(), size.height()}, false, curveFilter);
    }
    return buffer.data();
}

void copyDiagramToClipboard(const document::Diagram& diagram, QSize size, int dpi, int curveFilter) {
    auto* data = new QMimeData;
    data->setImageData(diagramImage(diagram, size, dpi, curveFilter));
    data->setData(QStringLiteral("image/svg+xml"), diagramSvg(diagram, size, dpi, curveFilter));
    QGuiApplication::clipboard()->setMimeData(data);
}

base::Message exportDiagram(const document::Diagram& diagram, const std::string& path, const ExportSettings& settings,
                            int curveFilter) {
    switch (settings.format) {
        case PictureFormat::Png: {
            qt::PngOptions options;
            options.width = settings.width;
            options.height = settings.height;
            options.dpi = settings.dpi;
            return qt::writePng(path, options, [&](render::DrawDevice& device, const render::DevRect& page) {
                drawPage(device, diagram, page, false, curveFilter);
            });
        }
        case PictureFormat::Svg: {
            qt::SvgOptions options;
            options.width = settings.width;
            options.height = settings.height;
            options.dpi = settings.dpi;
            options.title = "Ordinax";
            return qt::writeSvg(path, options, [&](render::DrawDevice& device, const render::DevRect& page) {
                drawPage(device, diagram, page, false, curveFilter);
            });
        }
        case PictureFormat::Pdf: {
            qt::PdfOptions options;
            options.landscape = diagram.orientation[0] == 1;
            options.dpi = settings.dpi;
            options.title = "Ordinax";
            return qt::writePdf(path, options, [&](render::DrawDevice& device, const render::DevRect& page) {
                drawPage(device, diagram, page, true, curveFilter);
            });
        }
    }
    return {};
}

ExportDialog::ExportDialog(const ExportSettings& initial, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Exporter le diagramme"));
    auto* form = new QFormLayout(this);
    format_ = new QComboBox(this);
    format_->addItems({QStringLiteral("Image PNG (*.png)"), QStringLiteral("Dessin SVG (*.svg)"),
                       QStringLiteral("Document PDF (*.pdf)")});
    format_->setCurrentIndex(static_cast<int>(initial.format));
    width_ = new QSpinBox(this);
    height_ = new QSpinBox(this);
    dpi_ = new QSpinBox(this);
    for (QSpinBox* box : {width_, height_}) {
        box->setRange(16, qt::kMaxPictureSide);
        box->setSuffix(QStringLiteral(" pixels"));
    }
    dpi_->setRange(36, 2400);
    dpi_->setSuffix(QStringLiteral(" ppp"));
    width_->setValue(initial.width);
    height_->setValue(initial.height);
    dpi_->setValue(initial.dpi);
    form->addRow(QStringLiteral("&Format :"), format_);
    form->addRow(QStringLiteral("&Largeur :"), width_);
    form->addRow(QStringLiteral("&Hauteur :"), height_);
    form->addRow(QStringLiteral("&Résolution :"), dpi_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // A PDF is a printed page: its size is the sheet's, only the resolution counts.
    auto pageOnly = [this](int index) {
        const bool pixels = index != static_cast<int>(PictureFormat::Pdf);
        width_->setEnabled(pixels);
        height_->setEnabled(pixels);
    };
    connect(format_, &QComboBox::currentIndexChanged, this, pageOnly);
    pageOnly(format_->currentIndex());
}

ExportSettings ExportDialog::settings() const {
    ExportSettings result;
    result.format = static_cast<PictureFormat>(format_->currentIndex());
    result.width = width_->value();
    result.height = height_->value();
    result.dpi = dpi_->value();
    return result;
}

}  // namespace ordinax::shell
