// Turning a fitted regression into an analytic function definition.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "document/diagram.h"
#include "numerics/catalogue.h"

namespace ordinax::numerics {

// The expression text of a model's equation: the first marker of each pair of
// superscript markers becomes "^", other markup is removed, "." becomes "*".
std::string equationExpression(std::string_view equationMarkup);

// Fills the expression, constants (one "name=value" per line, separated by
// line feeds) and range (smallest and largest x) of `function` from a curve
// fitted with a regression model; the other fields are kept.
void functionFromFit(const document::Curve& curve, const Catalogue& catalogue, document::FunctionDef& function);

// The curves whose fitted equation a function definition can take: every
// curve fitted with a regression model except `editedCurve` itself.
std::vector<int> regressionSources(const document::Diagram& diagram, int editedCurve);

}  // namespace ordinax::numerics
