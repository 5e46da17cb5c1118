// The typing filters and focus-loss checks of the function dialog's fields,
// as pure functions: the dialog only calls them and shows what they return.
#pragma once

#include <string>
#include <string_view>

#include "base/message.h"

namespace ordinax::expression {

// True when every character is a letter, a digit or one of " =.+-*/^()".
bool isExpressionTextAllowed(std::string_view text);

// True when every character is a letter, a digit, one of " =.+-;", a carriage
// return or a line feed.
bool isConstantsTextAllowed(std::string_view text);

// True when the text can still become a signed decimal number with at most
// one point (a comma counts as one) and an optional exponent "E" with its own
// sign; the empty text is allowed.
bool isRangeTextAllowed(std::string_view text);

// True when the text is an unsigned integer (or empty).
bool isPointCountTextAllowed(std::string_view text);

// True when the text holds at most one character.
bool isParameterTextAllowed(std::string_view text);

// The domain as stored when its field loses the focus: blanks removed, commas
// made points, a lower-case exponent "e" made "E" (deleting it would turn
// 1e5 into 15), every character outside "-+0123456789.E;/" deleted.
std::string cleanDomain(std::string_view text);

struct FieldCheck {
    enum class Outcome {
        Accepted,  // `value` is stored
        Restore,   // not a number: beep and show the previous value
        Refused,   // show `message`, give the field the focus back, previous value
    };
    Outcome outcome = Outcome::Accepted;
    double value = 0.0;
    base::Message message;
};

// The check of a range field ("Depuis x =", "Jusqu'à x =") when it loses the
// focus: empty (251), not a number, below -1e35 (7) or above 1e35 (6); an
// accepted magnitude below 1e-35 is stored as 0.
FieldCheck checkRangeField(std::string_view text);

// The check of the number of points: empty (251), not an integer, below 2
// (275) or above the maximum number of points of a curve (274).
FieldCheck checkPointCountField(std::string_view text);

// The range rule of a bound already read: message 7 or 6, or an empty message.
base::Message checkRangeValue(double value);

// The bounds of a number of points already read: message 275 or 274, or an
// empty message.
base::Message checkPointNumber(long long pointNumber);

}  // namespace ordinax::expression
