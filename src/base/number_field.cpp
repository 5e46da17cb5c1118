// The rule of the numeric entry fields.
#include "base/number_field.h"

#include <cmath>
#include <string>

#include "base/format.h"
#include "base/strings.h"

namespace ordinax::base {

namespace {

constexpr double SmallestMagnitude = 1.0e-35;

NumberFieldCheck restore() {
    return {NumberFieldCheck::Outcome::Restore, 0.0, {}};
}

NumberFieldCheck refused(Message message) {
    return {NumberFieldCheck::Outcome::Refused, 0.0, std::move(message)};
}

// The bound message with its number in place of the "%g" or "%d".
NumberFieldCheck outOfBounds(int id, const std::string& number) {
    std::string text(messageText(id));
    if (const auto at = text.find('%'); at != std::string::npos) text.replace(at, 2, number);
    return refused(Message{id, Heading::None, std::move(text)});
}

// The text with blanks trimmed and the decimal comma read as a point; false when empty.
bool normalised(std::string_view text, std::string& out) {
    out.clear();
    for (char c : text) out += c == ',' ? '.' : c;
    const auto first = out.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return false;
    out = out.substr(first, out.find_last_not_of(" \t\r\n") - first + 1);
    return true;
}

}  // namespace

NumberFieldCheck checkRealField(std::string_view text, double minimum, double maximum, bool emptyMessage) {
    std::string value;
    if (!normalised(text, value))
        return emptyMessage ? refused(makeMessage(MsgFieldEmpty, Heading::None)) : restore();
    const auto number = parseNumber(value);
    if (!number || !std::isfinite(*number)) return restore();
    if (*number < minimum)
        return outOfBounds(MsgValueMinimumReal, numberText(minimum));
    if (*number > maximum)
        return outOfBounds(MsgValueMaximumReal, numberText(maximum));
    const double stored = std::fabs(*number) < SmallestMagnitude ? 0.0 : *number;
    return {NumberFieldCheck::Outcome::Accepted, stored, {}};
}

NumberFieldCheck checkIntegerField(std::string_view text, long long minimum, long long maximum, bool emptyMessage) {
    std::string value;
    if (!normalised(text, value))
        return emptyMessage ? refused(makeMessage(MsgFieldEmpty, Heading::None)) : restore();
    const auto number = parseNumber(value);
    if (!number || !std::isfinite(*number) || std::floor(*number) != *number) return restore();
    if (*number < static_cast<double>(minimum))
        return outOfBounds(MsgValueMinimumInteger, std::to_string(minimum));
    if (*number > static_cast<double>(maximum))
        return outOfBounds(MsgValueMaximumInteger, std::to_string(maximum));
    return {NumberFieldCheck::Outcome::Accepted, *number, {}};
}

std::string realFieldText(double value) {
    return trimmedNumberText(value);
}

}  // namespace ordinax::base
