// The checks of a function definition.
#include "expression/checker.h"

#include <algorithm>

#include "base/format.h"
#include "base/strings.h"
#include "expression/compiled_function.h"
#include "expression/constants.h"
#include "expression/expression_messages.h"
#include "expression/normalize.h"
#include "expression/parametric_domain.h"

namespace ordinax::expression {

namespace {

struct OperatorRule {
    char op;
    std::string_view forbiddenBefore;
    std::string_view forbiddenAfter;
};

constexpr OperatorRule OperatorRules[] = {
    {'*', "=^*/+-(", "=^*/)"}, {'/', "=^*/+-(", "=^*/)"},   {'^', "=^*/+-(", "=^*/)"},
    {'=', "=^*/+-()", "=^*/)"}, {'+', "*/+-(", "=^*/+-)"}, {'-', "*/+-", "=^*/+-)"},
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// 0, or the id of the first error among the syntax checks of the text.
int syntaxError(const std::string& text) {
    if (!text.starts_with("y=")) return base::MsgMustStartWithY;
    for (std::size_t i = 2; i < text.size(); ++i)
        if (text[i] == 'y' && (i + 1 == text.size() || !isDigit(text[i + 1]))) return base::MsgYOnRightSide;
    const auto firstOpen = text.find('(');
    const auto firstClose = text.find(')');
    if (firstOpen != std::string::npos && firstClose != std::string::npos && firstClose < firstOpen)
        return base::MsgCloseParenFirst;
    if (std::count(text.begin(), text.end(), '(') != std::count(text.begin(), text.end(), ')'))
        return base::MsgBracketCount;
    if (text.find("()") != std::string::npos) return base::MsgEmptyBrackets;
    if (text.find(")(") != std::string::npos) return base::MsgIncorrectInstruction;
    const std::size_t last = text.size() - 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        for (const OperatorRule& rule : OperatorRules) {
            if (text[i] != rule.op) continue;
            if (i == 0 || i == last) return base::MsgIllegalOperator;
            if (rule.forbiddenBefore.find(text[i - 1]) != std::string_view::npos ||
                rule.forbiddenAfter.find(text[i + 1]) != std::string_view::npos)
                return base::MsgIllegalOperator;
        }
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '.') continue;
        if (i == 0 || (i + 1 < text.size() && text[i + 1] == '.')) return base::MsgDecimalPoint;
    }
    return 0;
}

}  // namespace

std::size_t compiledLength(std::string_view expression) {
    std::size_t length = expression.size();
    for (std::size_t at = expression.find("-("); at != std::string_view::npos; at = expression.find("-(", at + 2))
        length += 2;
    return length;
}

base::Message checkExpression(document::FunctionDef& def) {
    def.expression = withoutBlanks(def.expression);
    if (def.expression.empty() || def.expression == "y" || def.expression == "y=") def.expression = "y=0";
    if (const int error = syntaxError(def.expression)) return expressionError(error, ErrorContext::Function);
    // The compiled form has one token per character: a longer text is refused
    // here rather than truncated or written past the token array.
    if (compiledLength(def.expression) > static_cast<std::size_t>(MaxTokens))
        return expressionError(base::MsgExpressionTooLong, ErrorContext::Function);
    return checkConstants(def);
}

base::Message checkParametricFamily(const document::FunctionDef& def, int curveCount, int previousFamilySize) {
    if (!def.parametric) return {};
    const std::string& variable = def.parameter;
    if (variable.empty()) return expressionError(base::MsgValueUndefined, ErrorContext::Parameter);
    if (variable == "x") return expressionError(base::MsgConstantXForbidden, ErrorContext::Parameter);
    if (variable == "y") return expressionError(base::MsgConstantYForbidden, ErrorContext::Parameter);
    if (!def.constants.empty() && ("\n" + def.constants).find("\n" + variable + "=") != std::string::npos)
        return expressionError(base::MsgVariableInConstants, ErrorContext::Parameter);

    const DomainParse domain = parseDomain(def.domain);
    if (!domain.error.empty()) return domain.error;
    const double newSize = familySize(domain.items);
    const double available = static_cast<double>(document::MaxCurves - curveCount + previousFamilySize);
    if (!(newSize <= available)) {
        return expressionError(base::MsgTooManyFamilyCurves, ErrorContext::Domain, 0, base::formatPrintf("%.15g", newSize),
                               base::formatPrintf("%.15g", available));
    }
    return {};
}

}  // namespace ordinax::expression
