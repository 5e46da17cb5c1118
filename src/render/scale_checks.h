// The checks of the scale dialog's fields, as pure functions: the dialog
// calls them when a field loses the focus or on OK and shows the message.
#pragma once

#include <string_view>

#include "base/message.h"
#include "document/diagram.h"

namespace ordinax::render {

enum class ScaleField { Origin, Extremity, Step };

struct ScaleFieldCheck {
    enum class Outcome {
        Accepted,  // `value` is stored
        Restore,   // not a number: the previous value comes back silently
        Refused,   // show `message`, previous value, focus back to the field
    };
    Outcome outcome = Outcome::Accepted;
    double value = 0.0;
    base::Message message;
};

// The check of the origin, extremity or step field of a scale of `kind` when
// it loses the focus: empty field (251), not a number, below -1e35 (7), above
// 1e35 (6); a LOG bound must be one non-zero digit times a power of ten
// ("Échelle incorrecte !"), and so positive.
ScaleFieldCheck checkScaleField(std::string_view text, ScaleField field, int kind);

// True when a LOG bound is written by "%g" with exactly one non-zero digit
// and is positive (1, 2, 0.05, 3e-07 pass; 0, 15, 2.5, -1 fail).
bool isLogBound(double value);

struct ScaleOkCheck {
    base::Message message;  // empty when the dialog may close
    int direction = 0;      // the scale the message is about
    int side = 0;
};

// The OK button: origin and extremity of the shown scale are put in order,
// then every LIN scale must have 0.02·span <= step <= span, and an active LIN
// scale must not be reduced to a point; the first failure is returned.
ScaleOkCheck checkScalesOnOk(document::Scales& scales, int shownDirection, int shownSide);

}  // namespace ordinax::render
