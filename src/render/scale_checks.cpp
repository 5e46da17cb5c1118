// Focus-loss and OK checks of the scale dialog.
#include "render/scale_checks.h"

#include <cmath>
#include <string>
#include <utility>

#include "base/format.h"
#include "base/strings.h"
#include "base/strings_drawing.h"
#include "render/plot_mapping.h"

namespace ordinax::render {

namespace {

constexpr double ValueLimit = 1.0e35;

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// The message of an id whose "%g" receives the number, as "%g" writes it.
base::Message messageWithNumber(int id, double number) {
    std::string text(base::messageText(id));
    if (const auto at = text.find("%g"); at != std::string::npos) text.replace(at, 2, base::numberText(number));
    return base::Message{id, base::Heading::None, std::move(text)};
}

ScaleFieldCheck refused(base::Message message) {
    return ScaleFieldCheck{ScaleFieldCheck::Outcome::Refused, 0.0, std::move(message)};
}

}  // namespace

bool isLogBound(double value) {
    if (!(value > 0.0)) return false;
    const std::string text = base::numberText(value);
    int nonZero = 0;
    for (char c : text) {
        if (c == 'e' || c == 'E') break;
        if (c >= '1' && c <= '9') ++nonZero;
    }
    return nonZero == 1;
}

ScaleFieldCheck checkScaleField(std::string_view text, ScaleField field, int kind) {
    std::string value(trimmed(text));
    if (value.empty()) return refused(base::makeMessage(base::MsgFieldEmpty, base::Heading::None));
    for (char& c : value)
        if (c == ',') c = '.';
    const auto number = base::parseNumber(value);
    if (!number) return ScaleFieldCheck{ScaleFieldCheck::Outcome::Restore, 0.0, {}};
    if (*number < -ValueLimit) return refused(messageWithNumber(base::MsgValueMinimumReal, -ValueLimit));
    if (*number > ValueLimit) return refused(messageWithNumber(base::MsgValueMaximumReal, ValueLimit));
    if (kind == ScaleLog && field != ScaleField::Step && !isLogBound(*number))
        return refused(base::makeMessage(base::MsgScaleIncorrect, base::Heading::None));
    return ScaleFieldCheck{ScaleFieldCheck::Outcome::Accepted, *number, {}};
}

ScaleOkCheck checkScalesOnOk(document::Scales& scales, int shownDirection, int shownSide) {
    document::AxisScale& shown =
        scales.axis[static_cast<std::size_t>(shownDirection & 1)][static_cast<std::size_t>(shownSide & 1)];
    if (shown.origin > shown.extremity) std::swap(shown.origin, shown.extremity);
    for (int d = 0; d < 2; ++d)
        for (int s = 0; s < 2; ++s) {
            const document::AxisScale& scale = scales.axis[static_cast<std::size_t>(d)][static_cast<std::size_t>(s)];
            if (scale.kind != ScaleLin) continue;
            const double span = std::fabs(scale.extremity - scale.origin);
            if (!(scale.step >= 0.02 * span))
                return {messageWithNumber(base::MsgScaleStepTooSmall, 0.02 * span), d, s};
            if (!(scale.step <= span)) return {messageWithNumber(base::MsgScaleStepTooLarge, span), d, s};
            // Equal bounds pass both step rules with a zero step, and such a
            // scale maps every value to a division by zero: refused when drawn.
            if (scale.active != 0 && span == 0.0)
                return {base::makeMessage(base::MsgScaleIncorrect, base::Heading::None), d, s};
        }
    return {};
}

}  // namespace ordinax::render
