// What the calculus dialogs show of their results.
#include "numerics/calculus_text.h"

#include "base/format.h"
#include "base/strings.h"
#include "base/strings_analysis_calculus.h"
#include "base/strings_analysis_shell.h"

namespace ordinax::numerics {

std::string resultText(double value) { return base::formatPrintf("%.*g", ResultDigits, value); }

std::string calculusValueText(const CalculusValue& value) {
    switch (value.state) {
        case CalculusState::Available:
            return resultText(value.value);
        case CalculusState::Error:
            return std::string(base::messageText(base::MsgCalculusErrorValue));
        case CalculusState::NotAvailable:
        case CalculusState::NotApplicable:
            break;
    }
    return {};
}

std::string lengthCaption(bool pointToPoint) {
    return std::string(base::messageText(pointToPoint ? base::MsgLengthPointToPoint : base::MsgLengthFromEquation));
}

std::string extentText(const Bounds& extent) {
    return base::makeMessage(base::MsgCurveExtentText, base::Heading::None,
                             base::numberText(extent.lower) + " \xC3\xA0 " + base::numberText(extent.upper))
        .text;
}

std::string solveStatusText(const SolveResult& result, const ScanRange& range) {
    if (result.x.empty()) return std::string(base::messageText(base::MsgSolveNone));
    if (result.method == SolveMethod::Closed) return std::string(base::messageText(base::MsgSolveClosedForm));
    return base::makeMessage(base::MsgSolveScan, base::Heading::None,
                             "de " + base::numberText(range.min) + " \xC3\xA0 " + base::numberText(range.max))
        .text;
}

}  // namespace ordinax::numerics
