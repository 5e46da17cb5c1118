// The rule of every numeric entry field of the dialogs: the text is read when
// the field loses the focus; a text that is not a number is forgotten (the
// warning sound, the previous value back); a number outside the field's
// bounds is refused with "Valeur minimale = ... !" or "Valeur maximale = ... !".
#pragma once

#include <string>
#include <string_view>

#include "base/message.h"

namespace ordinax::base {

// The widest bounds a real field accepts.
inline constexpr double FieldLimit = 1.0e35;

struct NumberFieldCheck {
    enum class Outcome {
        Accepted,  // `value` is stored
        Restore,   // not a number: warning sound, the previous value is shown again
        Refused,   // `message` is shown, the field keeps the focus and its previous value
    };
    Outcome outcome = Outcome::Accepted;
    double value = 0.0;
    Message message;
};

// A real field: blanks around the text are ignored, "," reads as the decimal
// point; below `minimum` gives "Valeur minimale = %g !", above `maximum`
// "Valeur maximale = %g !"; an accepted magnitude below 1e-35 is stored as 0.
// An empty text is not a number unless `emptyMessage` is set, in which case
// it is refused with "Introduire une valeur dans ce champ !".
NumberFieldCheck checkRealField(std::string_view text, double minimum = -FieldLimit, double maximum = FieldLimit,
                                bool emptyMessage = false);

// An integer field: the same with "%d" in the messages; a number with a
// fraction is not an integer.
NumberFieldCheck checkIntegerField(std::string_view text, long long minimum, long long maximum,
                                   bool emptyMessage = false);

// The text a field shows for a stored real value ("%g" trimmed).
std::string realFieldText(double value);

}  // namespace ordinax::base
