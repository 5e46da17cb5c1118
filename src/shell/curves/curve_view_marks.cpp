// The curves in the view.
#include "shell/curves/curve_view_marks.h"

#include <QPainter>
#include <QPalette>

#include "render/curve_drawing.h"
#include "render/plot_mapping.h"
#include "render/recording_device.h"

namespace ordinax::shell {

int curveAt(const render::DiagramLayout& layout, const document::Diagram& diagram, int curveFilter,
            render::DevPoint at, int tolerance) {
    if (layout.plotRect.empty()) return -1;
    // The walk places points without drawing: the device is never drawn on.
    render::RecordingDevice unused;
    render::CurveContext context(unused, diagram, layout.mapping);
    context.curveFilter = curveFilter;
    const auto hit = render::nearestPoint(context, at);
    if (!hit || hit->distance2 > static_cast<long long>(tolerance) * tolerance) return -1;
    return hit->curve;
}

CommandId curveDoubleClickCommand(const document::Curve& curve, bool fittingAvailable) {
    // Treatments from the Fourier series on are fits of a model.
    constexpr int FirstFittedTreatment = 5;
    return curve.treatment >= FirstFittedTreatment && fittingAvailable ? CommandId::CurveSmoothing
                                                                        : CommandId::CurveSymbol;
}

void drawCurveMarks(QPainter& painter, const QPalette& palette, const render::DiagramLayout& layout,
                    const document::Diagram& diagram, int curve, int curveFilter) {
    if (curve < 0 || curve >= diagram.curveCount()) return;
    const document::Curve& c = diagram.curves[static_cast<std::size_t>(curve)];
    if (c.hidden != 0 || (curveFilter >= 0 && curveFilter != curve)) return;
    const QColor accent = palette.color(QPalette::Highlight);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const render::LegendLineRect& line : layout.legendLines) {
        if (line.curve != curve) continue;
        const QRect box(line.rect.left, line.rect.top, line.rect.width() - 1, line.rect.height() - 1);
        QColor wash = accent;
        wash.setAlpha(50);
        painter.fillRect(box, wash);
        painter.setPen(QPen(accent, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box);
    }
    const auto points = c.points.view();
    if (!points.empty() && !layout.plotRect.empty()) {
        const std::size_t n = points.size();
        const std::size_t step = std::max<std::size_t>(1, n / CurveHandleCount);
        const QRect plot(layout.plotRect.left, layout.plotRect.top, layout.plotRect.width(), layout.plotRect.height());
        // Filled in the selection colour with a light rim: seen over any symbol and any background.
        painter.setPen(QPen(Qt::white, 1));
        painter.setBrush(accent);
        for (std::size_t i = 0; i < n; i += step) {
            const auto at = render::pointToDevice(layout.mapping, points[i].x, points[i].y);
            if (!at || !plot.contains(at->x, at->y)) continue;
            painter.drawRect(QRect(at->x - 3, at->y - 3, 6, 6));
        }
    }
    painter.restore();
}

}  // namespace ordinax::shell
