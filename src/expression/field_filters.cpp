// The typing filters and focus-loss checks of the function dialog's fields.
#include "expression/field_filters.h"

#include <cmath>

#include "base/format.h"
#include "base/strings.h"
#include "document/diagram.h"
#include "expression/expression_messages.h"
#include "expression/primitives.h"

namespace ordinax::expression {

namespace {

bool isLetterOrDigit(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool onlyFrom(std::string_view text, std::string_view extra) {
    for (char c : text)
        if (!isLetterOrDigit(c) && extra.find(c) == std::string_view::npos) return false;
    return true;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

FieldCheck refused(base::Message message) {
    return FieldCheck{FieldCheck::Outcome::Refused, 0.0, std::move(message)};
}

}  // namespace

bool isExpressionTextAllowed(std::string_view text) { return onlyFrom(text, " =.+-*/^()"); }

bool isConstantsTextAllowed(std::string_view text) { return onlyFrom(text, " =.+-\r\n;"); }

bool isRangeTextAllowed(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    while (i < text.size() && isDigit(text[i])) ++i;
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        ++i;
        while (i < text.size() && isDigit(text[i])) ++i;
    }
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        while (i < text.size() && isDigit(text[i])) ++i;
    }
    return i == text.size();
}

bool isPointCountTextAllowed(std::string_view text) {
    for (char c : text)
        if (!isDigit(c)) return false;
    return true;
}

bool isParameterTextAllowed(std::string_view text) { return text.size() <= 1; }

std::string cleanDomain(std::string_view text) {
    static constexpr std::string_view Kept = "-+0123456789.E;/";
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == ',') c = '.';
        if (c == 'e') c = 'E';
        if (Kept.find(c) != std::string_view::npos) out += c;
    }
    return out;
}

base::Message checkRangeValue(double value) {
    if (value < -ValueLimit)
        return base::Message{base::MsgValueMinimumReal, base::Heading::None,
                             messageWithNumber(base::MsgValueMinimumReal, base::numberText(-ValueLimit))};
    if (value > ValueLimit || std::isnan(value))
        return base::Message{base::MsgValueMaximumReal, base::Heading::None,
                             messageWithNumber(base::MsgValueMaximumReal, base::numberText(ValueLimit))};
    return {};
}

base::Message checkPointNumber(long long pointNumber) {
    if (pointNumber < 2)
        return base::Message{base::MsgValueMinimumInteger, base::Heading::None,
                             messageWithNumber(base::MsgValueMinimumInteger, "2")};
    if (pointNumber > document::MaxPoints)
        return base::Message{base::MsgValueMaximumInteger, base::Heading::None,
                             messageWithNumber(base::MsgValueMaximumInteger, std::to_string(document::MaxPoints))};
    return {};
}

FieldCheck checkRangeField(std::string_view text) {
    std::string value(trimmed(text));
    if (value.empty()) return refused(base::makeMessage(base::MsgFieldEmpty, base::Heading::None));
    for (char& c : value)
        if (c == ',') c = '.';
    const auto number = base::parseNumber(value);
    if (!number) return FieldCheck{FieldCheck::Outcome::Restore, 0.0, {}};
    if (base::Message error = checkRangeValue(*number); !error.empty()) return refused(std::move(error));
    const double stored = std::fabs(*number) < ValueEpsilon ? 0.0 : *number;
    return FieldCheck{FieldCheck::Outcome::Accepted, stored, {}};
}

FieldCheck checkPointCountField(std::string_view text) {
    const std::string_view value = trimmed(text);
    if (value.empty()) return refused(base::makeMessage(base::MsgFieldEmpty, base::Heading::None));
    if (!isPointCountTextAllowed(value)) return FieldCheck{FieldCheck::Outcome::Restore, 0.0, {}};
    // Digits only: a number too long for an integer is simply too large.
    const auto number = base::parseInteger(value);
    const long long count = number ? *number : static_cast<long long>(document::MaxPoints) + 1;
    if (base::Message error = checkPointNumber(count); !error.empty()) return refused(std::move(error));
    return FieldCheck{FieldCheck::Outcome::Accepted, static_cast<double>(count), {}};
}

}  // namespace ordinax::expression
