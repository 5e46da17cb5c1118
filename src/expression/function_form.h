// The function dialog's fields as texts and values: what the dialog shows of a
// curve's definition and how the edited fields go back into it, with the
// clean-up each field gets when it loses the focus.
#pragma once

#include <string>

#include "document/diagram.h"

namespace ordinax::expression {

// The fields of the "Fonction analytique" dialog (texts in Windows-1252).
struct FunctionForm {
    std::string title;
    std::string expression;
    std::string constants;  // one definition per line, CR LF line ends as the edit field shows them
    bool anglesInDegrees = true;
    double from = -10.0;
    double to = 10.0;
    int pointNumber = 100;
    bool parametric = false;
    std::string parameter;
    std::string domain;
    bool operator==(const FunctionForm&) const = default;
};

// The fields showing a curve's definition; a range given from the larger
// bound is shown from the smaller one.
FunctionForm functionForm(const document::Curve& curve);

// Writes the fields into the curve's title and definition, each text cleaned
// as its field does when it loses the focus (expression, constants, domain);
// the functionId is kept.
void storeFunctionForm(const FunctionForm& form, document::Curve& curve);

// True when the parametric variable and its domain can be edited.
inline bool parametricFieldsEnabled(const FunctionForm& form) { return form.parametric; }

}  // namespace ordinax::expression
