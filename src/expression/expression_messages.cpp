// The messages of the function checks.
#include "expression/expression_messages.h"

#include "base/strings.h"

namespace ordinax::expression {

namespace {

void replaceFirst(std::string& text, std::string_view what, const std::string& with) {
    if (const auto at = text.find(what); at != std::string::npos) text.replace(at, what.size(), with);
}

std::string contextLine(ErrorContext context, int constantNumber) {
    switch (context) {
        case ErrorContext::Function: return std::string(base::messageText(base::MsgContextFunction));
        case ErrorContext::Constant: {
            // The "@" names the faulty definition by its rank in the list, so that
            // the user finds it among the lines of the constants field.
            std::string line(base::messageText(base::MsgContextConstant));
            replaceFirst(line, "@", std::to_string(constantNumber));
            return line;
        }
        case ErrorContext::Parameter: return std::string(base::messageText(base::MsgContextParameter));
        case ErrorContext::Domain: return std::string(base::messageText(base::MsgContextDomain));
    }
    return {};
}

}  // namespace

base::Message expressionError(int id, ErrorContext context, int constantNumber, const std::string& arg0,
                              const std::string& arg1) {
    std::string text(base::messageText(id));
    replaceFirst(text, "@0", arg0);
    replaceFirst(text, "@1", arg1);
    return base::Message{id, base::Heading::Error, "-> " + contextLine(context, constantNumber) + "\n\n" + text};
}

std::string messageWithNumber(int id, const std::string& number) {
    std::string text(base::messageText(id));
    if (const auto at = text.find('%'); at != std::string::npos && at + 1 < text.size()) text.replace(at, 2, number);
    return text;
}

}  // namespace ordinax::expression
