// The named constants of a function.
#include "expression/constants.h"

#include <algorithm>

#include "base/format.h"
#include "base/strings.h"
#include "expression/expression_messages.h"

namespace ordinax::expression {

namespace {

bool isLowerLetter(char c) { return c >= 'a' && c <= 'z'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// 0 when the definition is acceptable, otherwise the error id.
int definitionError(const std::string& item) {
    if (std::count(item.begin(), item.end(), '=') != 1) return base::MsgConstantDefinition;
    const auto equal = item.find('=');
    const std::string_view name = std::string_view(item).substr(0, equal);
    const std::string_view value = std::string_view(item).substr(equal + 1);
    if (name == "x") return base::MsgConstantXForbidden;
    if (name == "y") return base::MsgConstantYForbidden;
    if (name.empty() || name.size() > 2 || !isLowerLetter(name[0]) || (name.size() == 2 && !isDigit(name[1])))
        return base::MsgConstantDefinition;
    if (value.size() > MaxConstantValueLength) return base::MsgNumericValue;
    if (value != "?" && !base::parseNumber(value)) return base::MsgNumericValue;
    return 0;
}

}  // namespace

std::vector<std::string> constantItems(const document::FunctionDef& def) {
    std::string text;
    for (char c : def.constants) {
        if (c == ' ' || c == '\r') continue;
        text += c == '\n' ? ';' : c;
    }
    if (def.parametric && !def.parameter.empty()) {
        if (!text.empty()) text += ';';
        text += def.parameter + "=?";
    }
    const auto first = text.find_first_not_of(';');
    if (first == std::string::npos) return {};
    text = text.substr(first, text.find_last_not_of(';') - first + 1);

    std::vector<std::string> items;
    std::size_t start = 0;
    while (true) {
        const auto end = text.find(';', start);
        items.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return items;
}

base::Message checkConstants(const document::FunctionDef& def) {
    const std::vector<std::string> items = constantItems(def);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const int rank = static_cast<int>(i) + 1;
        if (i >= static_cast<std::size_t>(MaxConstants))
            return expressionError(base::MsgTooManyConstants, ErrorContext::Constant, rank);
        if (const int error = definitionError(items[i]))
            return expressionError(error, ErrorContext::Constant, rank);
    }
    return {};
}

void readConstants(const document::FunctionDef& def, CompiledFunction& compiled) {
    compiled.constantCount = 0;
    for (const std::string& item : constantItems(def)) {
        if (compiled.constantCount >= MaxConstants) break;
        const auto equal = item.find('=');
        ConstantDef& constant = compiled.constants[static_cast<std::size_t>(compiled.constantCount++)];
        constant.name = item.substr(0, equal);
        const std::string_view value =
            equal == std::string::npos ? std::string_view() : std::string_view(item).substr(equal + 1);
        constant.isParameter = value == "?";
        constant.value = constant.isParameter ? 0.0 : base::parseNumber(value).value_or(0.0);
    }
}

}  // namespace ordinax::expression
