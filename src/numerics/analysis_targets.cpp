// Which curves each analysis command works on.
#include "numerics/analysis_targets.h"

#include "base/strings.h"
#include "base/strings_analysis_shell.h"
#include "numerics/fit_kind.h"

namespace ordinax::numerics {

bool hasFittedModel(const document::Curve& curve) {
    return isRegressionKind(curve.treatment) || curve.treatment == KindFOU;
}

bool curveSuits(const document::Curve& curve, AnalysisTool tool) {
    if (curve.pointCount() == 0) return false;
    switch (tool) {
        case AnalysisTool::Smoothing:
        case AnalysisTool::Derivative:
        case AnalysisTool::Surface:
            return true;
        case AnalysisTool::ValueAt:
        case AnalysisTool::SolveFor:
        case AnalysisTool::Residuals:
            return hasFittedModel(curve);
        case AnalysisTool::IntensitySpectrum:
        case AnalysisTool::PhaseSpectrum:
            return curve.treatment == KindFOU;
    }
    return false;
}

std::vector<int> suitableCurves(const document::Diagram& diagram, AnalysisTool tool) {
    std::vector<int> curves;
    for (int i = 0; i < diagram.curveCount(); ++i)
        if (curveSuits(diagram.curves[static_cast<std::size_t>(i)], tool)) curves.push_back(i);
    return curves;
}

int startingCurve(const document::Diagram& diagram, int selectedCurve, AnalysisTool tool) {
    if (selectedCurve >= 0 && selectedCurve < diagram.curveCount() &&
        curveSuits(diagram.curves[static_cast<std::size_t>(selectedCurve)], tool))
        return selectedCurve;
    const std::vector<int> curves = suitableCurves(diagram, tool);
    return curves.empty() ? -1 : curves.front();
}

base::Message noSuitableCurve(AnalysisTool tool) {
    switch (tool) {
        case AnalysisTool::Smoothing:
        case AnalysisTool::Derivative:
        case AnalysisTool::Surface:
            return base::makeMessage(base::MsgAnalysisNoCurve, base::Heading::Remark);
        case AnalysisTool::ValueAt:
        case AnalysisTool::SolveFor:
        case AnalysisTool::Residuals:
            return base::makeMessage(base::MsgAnalysisNoModelCurve, base::Heading::Remark);
        case AnalysisTool::IntensitySpectrum:
        case AnalysisTool::PhaseSpectrum:
            return base::makeMessage(base::MsgAnalysisNoFourierCurve, base::Heading::Remark);
    }
    return {};
}

}  // namespace ordinax::numerics
