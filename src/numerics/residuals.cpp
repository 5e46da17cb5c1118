// Creating the residuals curve of a fitted curve.
#include "numerics/residuals.h"

#include <algorithm>

#include "base/encoding.h"
#include "base/strings.h"
#include "document/diagram_ops.h"
#include "numerics/fit_kind.h"
#include "numerics/model_value.h"

namespace ordinax::numerics {

std::string residualsTitle(std::string_view sourceTitle) {
    // "Résiduels de %s" in Windows-1252, the encoding of the curve titles.
    return "R\xE9siduels de " + std::string(sourceTitle);
}

base::Message residualsConfirmation(std::string_view title) {
    return base::makeMessage(base::MsgResidualsConfirm, base::Heading::Warning, base::windows1252ToUtf8(title));
}

ResidualsOutcome createResiduals(document::Diagram& diagram, int source, std::string_view title,
                                 const document::DiagramDefaults& defaults) {
    ResidualsOutcome outcome;
    const auto allocated = document::allocateCurve(diagram, defaults, source);
    if (allocated.full) {
        outcome.full = true;
        return outcome;
    }
    const int index = allocated.index;
    document::Curve residuals = diagram.curves[static_cast<std::size_t>(source)];
    residuals.title = std::string(title.substr(0, ResidualsTitleLimit));
    residuals.function = document::FunctionDef{};
    std::span<document::Point> points = residuals.points.edit();
    std::stable_sort(points.begin(), points.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
    expression::MathErrorFlag flag;
    const document::Curve& fitted = diagram.curves[static_cast<std::size_t>(source)];
    for (document::Point& p : points) {
        p.y -= modelValue(fitted, p.x, flag);
        if (flag.isRaised()) break;
    }
    if (flag.isRaised()) {
        diagram.curves.erase(diagram.curves.begin() + index);
        outcome.message = base::makeMessage(base::MsgResidualsMathError, base::Heading::Error);
        return outcome;
    }
    residuals.treatment = KindJPP;
    diagram.curves[static_cast<std::size_t>(index)] = std::move(residuals);
    document::curveExtent(diagram, index, -1);
    outcome.index = index;
    return outcome;
}

}  // namespace ordinax::numerics
