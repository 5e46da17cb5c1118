// The dialogs of the grid's coordinate tools as rules: the grid's selection
// as the tools take it, the formula texts and coefficients of the correction
// functions, the scopes of the sort, the inversion and the correction, the
// starting values of the sequence and the limitation, and the limitation's
// fields.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "base/message.h"
#include "document/point_grid.h"
#include "numerics/coordinate_tools.h"

namespace ordinax::numerics {

// The grid's selection (clipped to the points) as the tools take it.
Selection toolSelection(const document::GridSelection& selection, int pointCount);

// ---- correction functions ---------------------------------------------------

// The name of a correction function in the dialog's list (UTF-8).
std::string_view correctionName(int function);

// The formula of a function in label markup (UTF-8), "@" standing for the
// source value; for the rounding, by decimals or by step.
std::string_view correctionFormula(int function, bool byStep);

// The formula as the dialog shows it: the target's letter and " = " in front,
// every "@" replaced by the source's letter ("y = a.log(b.x) + c").
std::string correctionDisplay(CorrectionOperation operation, int function, bool byStep);

// Which coefficients a function reads: a, b, c, d, e.
std::array<bool, 5> correctionCoefficients(int function);
// Whether the function takes angles (radians or degrees).
bool correctionUsesAngles(int function);
// Whether the function is the rounding (decimals or step).
inline bool correctionRounds(int function) { return function == CorrectionRound; }

// The operation offered first: "x = f(x)" on the X column, "y = f(y)" else.
CorrectionOperation defaultOperation(const Selection& selection);

// The parameters the dialog starts with.
CorrectionParameters defaultCorrection();

// ---- scopes -----------------------------------------------------------------

// Where the sort, the inversion and the correction act.
enum class ToolScope { AllAbscissas, AllOrdinates, AllPoints, CurrentSelection };

// The rows (and, for the sort, the key column) a scope stands for.
Selection scopeSelection(ToolScope scope, const Selection& current, int pointCount);

// ---- numeric sequence and limitation ----------------------------------------

// The sequence over the selected rows (every row without a selection), in
// the selected column (the abscissas for whole rows), from 0 by 1.
SequenceParameters defaultSequence(const Selection& selection, int pointCount);

// The limitation's bounds: the extent of the selected column.
struct LimitFields {
    std::string mini;
    std::string maxi;
};
LimitFields defaultLimitFields(const document::Curve& curve, const Selection& selection);

// The two typed bounds: nothing when either field is empty (the dialog then
// closes without a change); a field that is not a number gives its message.
struct LimitBounds {
    bool apply = false;
    double mini = 0.0;
    double maxi = 0.0;
    base::Message message;
};
LimitBounds readLimitFields(std::string_view mini, std::string_view maxi);

}  // namespace ordinax::numerics
