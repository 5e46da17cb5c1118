// Creating the derivative curve of a curve.
#include "numerics/derivative.h"

#include <algorithm>
#include <cmath>

#include "base/strings.h"
#include "base/strings_analysis_calculus.h"
#include "document/diagram_ops.h"
#include "numerics/fit_kind.h"

namespace ordinax::numerics {

using document::Point;

std::string derivativeTitle(std::string_view sourceTitle) {
    // "Dérivée de %s" in Windows-1252, the encoding of the curve titles.
    return "D\xE9riv\xE9" "e de " + std::string(sourceTitle);
}

base::Message derivativeCheck(const document::Curve& curve) {
    if (curve.pointCount() < 3) return base::makeMessage(base::MsgDerivativeTooFewPoints, base::Heading::Error);
    return {};
}

std::vector<Point> derivativePoints(std::span<const Point> sorted, expression::MathErrorFlag& flag) {
    std::vector<Point> out;
    if (sorted.size() < 2) return out;
    out.reserve(sorted.size() - 1);
    for (std::size_t i = 0; i + 1 < sorted.size(); ++i) {
        const Point& p = sorted[i];
        const Point& q = sorted[i + 1];
        double x = (p.x + q.x) / 2.0;
        double y = 0.0;
        if (q.x == p.x)
            y = q.y > p.y ? expression::ValueLimit : (q.y < p.y ? -expression::ValueLimit : 0.0);
        else
            y = (q.y - p.y) / (q.x - p.x);
        // Values beyond the range are limited, not refused; only a value that is
        // no number at all (a point holding one) is an error.
        if (std::isnan(x) || std::isnan(y)) {
            flag.raise();
            return {};
        }
        expression::clampResult(x);
        expression::clampResult(y);
        out.push_back({x, y});
    }
    return out;
}

DerivativeOutcome derivativeCurve(document::Diagram& diagram, int source, std::string_view title,
                                  const document::DiagramDefaults& defaults) {
    DerivativeOutcome outcome;
    outcome.message = derivativeCheck(diagram.curves[static_cast<std::size_t>(source)]);
    if (!outcome.message.empty()) return outcome;

    const auto allocated = document::allocateCurve(diagram, defaults, source);
    if (allocated.full) {
        outcome.full = true;
        return outcome;
    }
    const int index = allocated.index;
    document::Curve derived = diagram.curves[static_cast<std::size_t>(source)];
    derived.title = std::string(title.substr(0, DerivativeTitleLimit));
    derived.function = document::FunctionDef{};

    std::vector<Point> sorted(derived.points.view().begin(), derived.points.view().end());
    std::stable_sort(sorted.begin(), sorted.end(), [](const Point& a, const Point& b) { return a.x < b.x; });
    expression::MathErrorFlag flag;
    const std::vector<Point> slopes = derivativePoints(sorted, flag);
    if (flag.isRaised()) {
        diagram.curves.erase(diagram.curves.begin() + index);
        outcome.message = base::makeMessage(base::MsgDerivativeMathError, base::Heading::Error);
        return outcome;
    }
    derived.points = document::PointBuffer(slopes);
    derived.treatment = KindJPP;
    diagram.curves[static_cast<std::size_t>(index)] = std::move(derived);
    document::curveExtent(diagram, index, -1);
    outcome.index = index;
    return outcome;
}

}  // namespace ordinax::numerics
