// The clean-up of the function texts.
#include "expression/normalize.h"

namespace ordinax::expression {

std::string withoutBlanks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != ' ') out += c;
    return out;
}

std::string normalizeExpression(std::string_view expression) {
    std::string text = withoutBlanks(expression);
    if (text == "y" || text == "y=" || text == "=" || text == "0") text = "y=0";
    if (text.size() > 1 && !text.starts_with("y=")) text.insert(0, "y=");
    if (const auto equal = text.find('='); equal != std::string::npos) {
        std::string right;
        for (char c : std::string_view(text).substr(equal + 1))
            if (c != '=' && c != 'y') right += c;
        const auto first = right.find_first_not_of(".*/^");
        right.erase(0, first == std::string::npos ? right.size() : first);
        const auto last = right.find_last_not_of("+-*/^");
        right.erase(last == std::string::npos ? 0 : last + 1);
        text = std::move(right);
    }
    return "y=" + text;
}

std::string cleanConstants(std::string_view constants) {
    std::string out;
    out.reserve(constants.size());
    for (char c : constants) {
        if (c == ' ' || c == '\r') continue;
        if (c == ';') c = '\n';
        // An empty line would be an empty definition, which the check refuses.
        if (c == '\n' && !out.empty() && out.back() == '\n') continue;
        out += c;
    }
    while (!out.empty() && out.back() == '\n') out.pop_back();
    return out;
}

std::string constantsForDisplay(std::string_view constants) {
    std::string out;
    out.reserve(constants.size() + 8);
    for (char c : constants) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

}  // namespace ordinax::expression
