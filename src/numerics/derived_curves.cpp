// The curves made from another curve by the tools menu.
#include "numerics/derived_curves.h"

#include "base/strings.h"
#include "numerics/derivative.h"
#include "numerics/residuals.h"
#include "numerics/spectrum.h"

namespace ordinax::numerics {

namespace {

// The confirmations put the title after a blank line: the announcement is what comes before.
std::string firstParagraph(const std::string& text) { return text.substr(0, text.find("\n\n")); }

DerivedCurve fromOutcome(int index, bool full, base::Message message) {
    if (full) return {-1, base::makeMessage(base::MsgDiagramFull, base::Heading::Error)};
    if (!message.empty()) return {-1, std::move(message)};
    return {index, {}};
}

}  // namespace

std::string derivedCurveTitle(AnalysisTool tool, std::string_view sourceTitle) {
    switch (tool) {
        case AnalysisTool::Residuals:
            return residualsTitle(sourceTitle);
        case AnalysisTool::IntensitySpectrum:
            return spectrumTitle(sourceTitle, false);
        case AnalysisTool::PhaseSpectrum:
            return spectrumTitle(sourceTitle, true);
        default:
            return derivativeTitle(sourceTitle);
    }
}

std::string derivedCurveAnnouncement(AnalysisTool tool) {
    switch (tool) {
        case AnalysisTool::Residuals:
            return firstParagraph(residualsConfirmation({}).text);
        case AnalysisTool::IntensitySpectrum:
            return firstParagraph(spectrumConfirmation({}, false).text);
        case AnalysisTool::PhaseSpectrum:
            return firstParagraph(spectrumConfirmation({}, true).text);
        default:
            return {};
    }
}

DerivedCurve makeDerivedCurve(document::Diagram& diagram, AnalysisTool tool, int source, std::string_view title,
                              const document::DiagramDefaults& defaults) {
    if (source < 0 || source >= diagram.curveCount() ||
        !curveSuits(diagram.curves[static_cast<std::size_t>(source)], tool))
        return {-1, noSuitableCurve(tool)};
    switch (tool) {
        case AnalysisTool::Residuals: {
            ResidualsOutcome made = createResiduals(diagram, source, title, defaults);
            return fromOutcome(made.index, made.full, std::move(made.message));
        }
        case AnalysisTool::IntensitySpectrum:
        case AnalysisTool::PhaseSpectrum: {
            SpectrumOutcome made =
                createSpectrum(diagram, source, tool == AnalysisTool::PhaseSpectrum, title, defaults);
            return fromOutcome(made.index, made.full, std::move(made.message));
        }
        default: {
            DerivativeOutcome made = derivativeCurve(diagram, source, title, defaults);
            return fromOutcome(made.index, made.full, std::move(made.message));
        }
    }
}

}  // namespace ordinax::numerics
