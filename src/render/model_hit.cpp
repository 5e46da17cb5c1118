// Which fitted curve passes under a device point.
#include "render/model_hit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "numerics/analysis_targets.h"
#include "numerics/model_value.h"
#include "render/plot_mapping.h"

namespace ordinax::render {

namespace {

double distanceToSegment(double px, double py, double ax, double ay, double bx, double by) {
    const double dx = bx - ax;
    const double dy = by - ay;
    const double length = dx * dx + dy * dy;
    double t = length > 0.0 ? ((px - ax) * dx + (py - ay) * dy) / length : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

// The model line of a curve around the point's column, as device points.
std::vector<std::array<double, 2>> modelLineAround(const PlotMapping& m, const document::Curve& curve, int column,
                                                   int reach) {
    std::vector<std::array<double, 2>> line;
    const int sideX = m.mainSide[0];
    const int sideY = m.mainSide[1];
    for (int offset = -reach; offset <= reach; ++offset) {
        const double deviceX = column + offset + 0.5;
        const std::optional<double> x = fromDevice(m, deviceX, 0, sideX);
        if (!x || *x < curve.bounds[0][0] || *x > curve.bounds[0][1]) continue;
        expression::MathErrorFlag flag;
        const double y = numerics::modelValue(curve, *x, flag);
        if (flag.isRaised()) continue;
        const std::optional<double> deviceY = toDevice(m, y, 1, sideY);
        if (!deviceY || std::fabs(*deviceY) > 1e9) continue;
        line.push_back({deviceX, *deviceY});
    }
    return line;
}

}  // namespace

int fittedCurveAt(const DiagramLayout& layout, const document::Diagram& diagram, DevPoint point, int tolerance,
                  int curveFilter) {
    const DevRect& plot = layout.mapping.plotRect;
    if (point.x < plot.left || point.x >= plot.right || point.y < plot.top || point.y >= plot.bottom) return -1;
    const double px = point.x + 0.5;
    const double py = point.y + 0.5;
    for (int index = diagram.curveCount() - 1; index >= 0; --index) {
        if (curveFilter >= 0 && index != curveFilter) continue;
        const document::Curve& curve = diagram.curves[static_cast<std::size_t>(index)];
        if (curve.hidden != 0 || curve.line.type[0] == 0 || !numerics::hasFittedModel(curve)) continue;
        const auto line = modelLineAround(layout.mapping, curve, point.x, tolerance);
        for (std::size_t i = 0; i + 1 < line.size(); ++i)
            if (distanceToSegment(px, py, line[i][0], line[i][1], line[i + 1][0], line[i + 1][1]) <= tolerance)
                return index;
        if (line.size() == 1 && std::hypot(px - line[0][0], py - line[0][1]) <= tolerance) return index;
    }
    return -1;
}

}  // namespace ordinax::render
