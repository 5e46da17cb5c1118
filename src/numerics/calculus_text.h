// What the calculus dialogs show of their results: the text of a result
// field, the caption of the length box, the extent of a curve and how the
// x = f(y) solutions were found. Texts are UTF-8 for display.
#pragma once

#include <string>

#include "numerics/integration.h"
#include "numerics/solve.h"

namespace ordinax::numerics {

// Significant digits of the result fields: a user copies these values.
inline constexpr int ResultDigits = 10;

// A value as a result field shows it ("%.10g").
std::string resultText(double value);

// An available result as its value, a failed one as "Erreur", nothing for a
// result that is not available or does not apply to the curve.
std::string calculusValueText(const CalculusValue& value);

// The caption of the length result: "Distance totale point à point " along
// the points, "Longueur à partir de l'équation de la courbe " along a model.
std::string lengthCaption(bool pointToPoint);

// "Etendue de la courbe : a à b", the smallest and largest x beside the bounds.
std::string extentText(const Bounds& extent);

// How the solutions of x = f(y) were found, or that there is none.
std::string solveStatusText(const SolveResult& result, const ScanRange& range);

}  // namespace ordinax::numerics
