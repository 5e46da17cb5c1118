// Pictures of symbols and lines.
#include "shell/curves/style/style_pictures.h"

#include <QImage>
#include <QPainter>

#include "qt/painter_device.h"
#include "render/curve_drawing.h"
#include "render/pens.h"
#include "render/symbol_drawing.h"

namespace ordinax::shell {

namespace {

// Screen sizes of the curve's style at the widget's resolution.
render::DeviceScale screenScale(int dpiX, int dpiY) {
    render::OutputKind output;
    output.deviceDpiX = output.screenDpiX = dpiX;
    output.deviceDpiY = output.screenDpiY = dpiY;
    return render::DeviceScale(output);
}

}  // namespace

QIcon symbolIcon(const document::SymbolStyle& symbol, int side, int sizeOverride) {
    constexpr qreal Ratio = 2.0;  // drawn at twice the size: sharp at 200 %
    QImage image(QSize(side, side) * Ratio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(Ratio);
    QPainter painter(&image);
    qt::PainterDevice device(painter, false, 96, 96);
    document::SymbolStyle style = symbol;
    if (sizeOverride > 0) style.size = sizeOverride;
    if (style.type != render::SymbolNone) {
        render::SymbolSetup setup = render::makeSymbolSetup(style, screenScale(96, 96), 96, device);
        if (render::isTextSymbol(style.type))
            render::drawSymbol(device, side / 2, side / 2, setup, render::SymbolPass::Measure, 0, {1.0, 1.0});
        render::drawSymbol(device, side / 2, side / 2, setup, render::SymbolPass::Draw, 0, {1.0, 1.0});
    }
    painter.end();
    return QIcon(QPixmap::fromImage(image));
}

CurveSample::CurveSample(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);  // the diagram's page behind the sample
    setPalette(p);
}

void CurveSample::setCurve(const document::Curve& curve, bool lineOnly, int lineIndex) {
    // The sample needs the style only: the points stay with the curve.
    curve_ = curve;
    curve_.points.clear();
    lineOnly_ = lineOnly;
    lineIndex_ = lineIndex;
    update();
}

QSize CurveSample::sizeHint() const { return {160, std::max(48, fontMetrics().height() * 3)}; }

void CurveSample::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    qt::PainterDevice device(painter, false, logicalDpiX(), logicalDpiY());
    const render::DeviceScale scale = screenScale(logicalDpiX(), logicalDpiY());
    const int margin = height() / 2;
    const render::DevPoint start{margin, height() / 2};
    const int length = std::max(width() - 2 * margin, 0);
    if (lineOnly_) {
        if (curve_.line.type[static_cast<std::size_t>(lineIndex_)] == 0) return;
        device.setPen(render::linePen(curve_.line, lineIndex_, scale));
        device.setBrush(render::HollowBrush);
        device.line(start, {start.x + length, start.y});
        return;
    }
    render::drawLegendSample(device, curve_, scale, logicalDpiY(), start, length);
}

}  // namespace ordinax::shell
