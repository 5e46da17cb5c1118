// Creating the intensity and phase spectra of a Fourier series.
#include "numerics/spectrum.h"

#include <algorithm>
#include <cmath>

#include "base/encoding.h"
#include "base/strings.h"
#include "base/strings_analysis_smoothing.h"
#include "document/diagram_ops.h"
#include "expression/primitives.h"
#include "numerics/fit_kind.h"
#include "numerics/fourier.h"

namespace ordinax::numerics {

std::string spectrumTitle(std::string_view sourceTitle, bool phase) {
    // "Spectre d'intensité de %s" and "Spectre de phase de %s" in Windows-1252,
    // the encoding of the curve titles.
    return (phase ? std::string("Spectre de phase de ") : std::string("Spectre d'intensit\xE9 de ")) +
           std::string(sourceTitle);
}

base::Message spectrumConfirmation(std::string_view title, bool phase) {
    return base::makeMessage(phase ? base::MsgPhaseSpectrumConfirm : base::MsgIntensitySpectrumConfirm,
                             base::Heading::Warning, base::windows1252ToUtf8(title));
}

SpectrumOutcome createSpectrum(document::Diagram& diagram, int source, bool phase, std::string_view title,
                               const document::DiagramDefaults& defaults) {
    SpectrumOutcome outcome;
    const auto allocated = document::allocateCurve(diagram, defaults, source);
    if (allocated.full) {
        outcome.full = true;
        return outcome;
    }
    const int index = allocated.index;
    const document::Curve& fourier = diagram.curves[static_cast<std::size_t>(source)];
    document::Curve spectrum = fourier;
    spectrum.title = std::string(title);
    spectrum.function = document::FunctionDef{};
    const int harmonics = std::clamp(fourier.fit.harmonicCount, 0, MaxHarmonics);
    try {
        using expression::checkedResult;
        // The copy's points give way to one point per harmonic; sorting them
        // first, as for every derived curve, would change nothing here.
        std::span<document::Point> points = spectrum.points.assignUninitialised(static_cast<std::size_t>(harmonics));
        for (int i = 1; i <= harmonics; ++i) {
            const double a = fourier.fit.coefficient[static_cast<std::size_t>(i)];
            const double b = fourier.fit.linearCoefficient[static_cast<std::size_t>(i)];
            double y = 0.0;
            if (!phase) {
                y = std::hypot(a, b);
            } else if (b != 0.0) {
                y = std::atan(a / b) * expression::RadiansToDegrees;
            } else {
                y = a > 0.0 ? 90.0 : (a < 0.0 ? -90.0 : 0.0);
            }
            points[static_cast<std::size_t>(i - 1)] = {static_cast<double>(i), checkedResult(y)};
        }
    } catch (const expression::CMathError&) {
        diagram.curves.erase(diagram.curves.begin() + index);
        outcome.message = base::makeMessage(
            phase ? base::MsgPhaseSpectrumMathError : base::MsgIntensitySpectrumMathError, base::Heading::Error);
        return outcome;
    }
    spectrum.treatment = KindJPP;
    diagram.curves[static_cast<std::size_t>(index)] = std::move(spectrum);
    document::curveExtent(diagram, index, -1);
    outcome.index = index;
    return outcome;
}

}  // namespace ordinax::numerics
