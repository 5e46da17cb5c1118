// The painted sample of the paint dialogs.
#include "shell/format/paint/paint_sample.h"

#include <QImage>
#include <QPainter>

#include "qt/painter_device.h"
#include "render/device_scale.h"
#include "render/paint_area.h"

namespace ordinax::shell {

PaintSample::PaintSample(QWidget* parent) : QWidget(parent) {
    setMinimumSize(120, 90);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize PaintSample::sizeHint() const {
    return {160, 120};
}

void PaintSample::setStyle(const document::PaintStyle& style, bool simpleShadow) {
    style_ = style;
    simpleShadow_ = simpleShadow;
    update();
}

void PaintSample::paintEvent(QPaintEvent*) {
    // Drawn at the screen's pixel density so that it stays sharp when scaled.
    const qreal ratio = devicePixelRatioF();
    QImage image((size() * ratio).expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        qt::PainterDevice device(painter, false, static_cast<int>(96 * ratio), static_cast<int>(96 * ratio));
        render::OutputKind output;
        output.printing = true;  // sizes follow the resolution given above
        output.deviceDpiX = output.deviceDpiY = static_cast<int>(96 * ratio);
        const render::DeviceScale scale(output);
        const int marginX = image.width() / 6;
        const int marginY = image.height() / 5;
        const render::DevRect box{marginX, marginY, image.width() - 2 * marginX, image.height() - 2 * marginY};
        render::paintShadow(device, box, style_, scale, simpleShadow_);
        render::paintFill(device, box, style_);
        render::paintBorder(device, box, style_, scale);
    }
    image.setDevicePixelRatio(ratio);
    QPainter painter(this);
    painter.drawImage(0, 0, image);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace ordinax::shell
