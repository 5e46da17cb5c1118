// The function dialog's fields.
#include "expression/function_form.h"

#include <utility>

#include "expression/field_filters.h"
#include "expression/normalize.h"

namespace ordinax::expression {

FunctionForm functionForm(const document::Curve& curve) {
    const document::FunctionDef& def = curve.function;
    FunctionForm form;
    form.title = curve.title;
    form.expression = def.expression;
    form.constants = constantsForDisplay(def.constants);
    form.anglesInDegrees = def.anglesInDegrees != 0;
    form.from = def.from;
    form.to = def.to;
    if (form.from > form.to) std::swap(form.from, form.to);
    form.pointNumber = def.pointNumber;
    form.parametric = def.parametric != 0;
    form.parameter = def.parameter;
    form.domain = def.domain;
    return form;
}

void storeFunctionForm(const FunctionForm& form, document::Curve& curve) {
    document::FunctionDef& def = curve.function;
    curve.title = form.title;
    def.expression = normalizeExpression(form.expression);
    def.constants = cleanConstants(form.constants);
    def.anglesInDegrees = form.anglesInDegrees ? 1 : 0;
    def.from = form.from;
    def.to = form.to;
    def.pointNumber = form.pointNumber;
    def.parametric = form.parametric ? 1 : 0;
    def.parameter = form.parameter.substr(0, 1);
    def.domain = cleanDomain(form.domain);
}

}  // namespace ordinax::expression
