// Rules of the grid's coordinate tool dialogs.
#include "numerics/grid_tool_rules.h"

#include <algorithm>

#include "base/format.h"
#include "base/number_field.h"
#include "base/strings.h"
#include "base/strings_curves.h"

namespace ordinax::numerics {

namespace {

using Column = Selection::Column;

struct CorrectionText {
    std::string_view name;
    std::string_view formula;  // label markup, "@" for the source value
    std::array<bool, 5> coefficients;
};

// "¶e" raises a run: the exponents of the formulas.
constexpr std::array<CorrectionText, CorrectionFunctionCount> Corrections = {{
    {"Addition", "@ + a", {true, false, false, false, false}},
    {"Multiplication", "@.a", {true, false, false, false, false}},
    {"Division", "@ / a", {true, false, false, false, false}},
    {"Polynôme", "a + b.@ + c.@¶e2¶e + d.@¶e3¶e + e.@¶e4¶e", {true, true, true, true, true}},
    {"Logarithme décimal", "a.log(b.@) + c", {true, true, true, false, false}},
    {"Puissance de 10", "a.10¶e@¶e + b", {true, true, false, false, false}},
    {"Logarithme népérien", "a.ln(b.@) + c", {true, true, true, false, false}},
    {"Exponentielle", "a.e¶eb.@¶e + c", {true, true, true, false, false}},
    {"Inverse", "1 / @", {false, false, false, false, false}},
    {"Puissance", "a.@¶eb¶e + c", {true, true, true, false, false}},
    {"Sinus", "a.sin(b.@) + c", {true, true, true, false, false}},
    {"Cosinus", "a.cos(b.@) + c", {true, true, true, false, false}},
    {"Tangente", "a.tan(b.@) + c", {true, true, true, false, false}},
    {"Arc tangente", "a.atan(b.@) + c", {true, true, true, false, false}},
    {"Valeur absolue", "|@|", {false, false, false, false, false}},
    {"Arrondi", "__round(@,n", {false, false, false, false, false}},
}};

constexpr std::string_view RoundByStep = "__round(@,pas)";

const CorrectionText& correction(int function) {
    return Corrections[static_cast<std::size_t>(std::clamp(function, 0, CorrectionFunctionCount - 1))];
}

std::string fieldText(double value) { return base::realFieldText(value); }

}  // namespace

Selection toolSelection(const document::GridSelection& selection, int pointCount) {
    const document::GridSelection cells = document::clipSelection(selection, pointCount);
    switch (cells.kind()) {
        case 0:
            return Selection::rows(Column::X, cells.firstRow(), cells.lastRow());
        case 1:
            return Selection::rows(Column::Y, cells.firstRow(), cells.lastRow());
        case 2:
            return Selection::rows(Column::Both, cells.firstRow(), cells.lastRow());
        default:
            break;
    }
    return Selection::none();
}

std::string_view correctionName(int function) { return correction(function).name; }

std::string_view correctionFormula(int function, bool byStep) {
    if (function == CorrectionRound && byStep) return RoundByStep;
    return correction(function).formula;
}

std::string correctionDisplay(CorrectionOperation operation, int function, bool byStep) {
    const bool sourceX = operation == CorrectionOperation::XOfX || operation == CorrectionOperation::YOfX;
    const bool targetX = operation == CorrectionOperation::XOfX || operation == CorrectionOperation::XOfY;
    std::string text = targetX ? "x = " : "y = ";
    for (char c : correctionFormula(function, byStep)) text += c == '@' ? (sourceX ? 'x' : 'y') : c;
    return text;
}

std::array<bool, 5> correctionCoefficients(int function) { return correction(function).coefficients; }

bool correctionUsesAngles(int function) { return function >= CorrectionSin && function <= CorrectionAtan; }

CorrectionOperation defaultOperation(const Selection& selection) {
    return selection.kind() == 0 ? CorrectionOperation::XOfX : CorrectionOperation::YOfY;
}

CorrectionParameters defaultCorrection() {
    CorrectionParameters p;
    p.coefficient = {1.0, 1.0, 0.0, 0.0, 0.0};
    p.decimals = 2;
    p.step = 0.5;
    return p;
}

Selection scopeSelection(ToolScope scope, const Selection& current, int pointCount) {
    switch (scope) {
        case ToolScope::AllAbscissas:
            return Selection::all(Column::X, pointCount);
        case ToolScope::AllOrdinates:
            return Selection::all(Column::Y, pointCount);
        case ToolScope::AllPoints:
            // Every row, in the column of the current selection.
            return Selection::all(current.column, pointCount);
        case ToolScope::CurrentSelection:
            break;
    }
    return current;
}

SequenceParameters defaultSequence(const Selection& selection, int pointCount) {
    SequenceParameters p;
    p.fromRow = selection.empty() ? 1 : selection.top() + 1;
    p.toRow = selection.empty() ? std::max(pointCount, 1) : selection.bottom() + 1;
    p.first = 0.0;
    p.step = 1.0;
    p.abscissas = selection.kind() != 1;
    p.ordinates = selection.kind() == 1;
    return p;
}

LimitFields defaultLimitFields(const document::Curve& curve, const Selection& selection) {
    const auto extent = document::pointExtent(curve);
    if (!extent) return {};
    const bool x = selection.kind() != 1;
    return {fieldText(x ? extent->xMin : extent->yMin), fieldText(x ? extent->xMax : extent->yMax)};
}

LimitBounds readLimitFields(std::string_view mini, std::string_view maxi) {
    auto blank = [](std::string_view t) {
        return std::all_of(t.begin(), t.end(), [](char c) { return c == ' ' || c == '\t'; });
    };
    if (blank(mini) || blank(maxi)) return {};
    LimitBounds bounds;
    const base::NumberFieldCheck low = base::checkRealField(mini);
    const base::NumberFieldCheck high = base::checkRealField(maxi);
    for (const base::NumberFieldCheck* check : {&low, &high}) {
        if (check->outcome == base::NumberFieldCheck::Outcome::Refused) {
            bounds.message = check->message;
            return bounds;
        }
        if (check->outcome == base::NumberFieldCheck::Outcome::Restore) {
            const std::string_view typed = check == &low ? mini : maxi;
            bounds.message = base::makeMessage(base::MsgFieldNotNumber, base::Heading::Warning, typed);
            return bounds;
        }
    }
    bounds.apply = true;
    bounds.mini = low.value;
    bounds.maxi = high.value;
    return bounds;
}

}  // namespace ordinax::numerics
