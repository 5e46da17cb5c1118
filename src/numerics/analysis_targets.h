// Which curves each analysis command works on: the curves it accepts, the
// one it starts with (the selected curve when it suits), and the message
// when no curve of the diagram suits it.
#pragma once

#include <vector>

#include "base/message.h"
#include "document/diagram.h"

namespace ordinax::numerics {

enum class AnalysisTool {
    Smoothing,          // "Lissage": any curve with points
    Derivative,         // any curve with points (fewer than 3 is refused when creating)
    Surface,            // any curve with points
    ValueAt,            // y = f(x): a fitted model or a Fourier series
    SolveFor,           // x = f(y): the same
    Residuals,          // the same
    IntensitySpectrum,  // a Fourier series
    PhaseSpectrum,      // a Fourier series
};

// True when the curve has a model to evaluate: a regression or a Fourier series.
bool hasFittedModel(const document::Curve& curve);

// True when the tool can work on the curve.
bool curveSuits(const document::Curve& curve, AnalysisTool tool);

// The curves of the diagram the tool can work on, in order.
std::vector<int> suitableCurves(const document::Diagram& diagram, AnalysisTool tool);

// The curve a tool starts with: the selected curve when it suits, else the
// first that suits; -1 when none does.
int startingCurve(const document::Diagram& diagram, int selectedCurve, AnalysisTool tool);

// Why the tool cannot start: no curve with points, no fitted curve, or no
// Fourier series (heading REMARQUE).
base::Message noSuitableCurve(AnalysisTool tool);

}  // namespace ordinax::numerics
