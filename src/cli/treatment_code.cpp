// Code names of the treatments, taken from the regression core's table so
// that the JSON of every command names the 43 kinds as files and reports do.
#include "cli/treatment_code.h"

#include <string>

#include "numerics/fit_kind.h"

namespace ordinax::cli {

nlohmann::ordered_json treatmentCode(int treatment) {
    if (treatment == numerics::KindNone) return nullptr;
    const std::string_view code = numerics::codeName(treatment);
    if (code.empty()) return treatment;
    return std::string(code);
}

std::optional<int> treatmentFromCode(std::string_view code) {
    const int kind = numerics::kindFromCode(code);
    if (kind == numerics::KindNone) return std::nullopt;
    // JSON keys are exact: the lenient reading of the core (blanks, lower case)
    // is for hand-typed files, but the alias POW is a name of its own.
    if (numerics::codeName(kind) != code && code != "POW") return std::nullopt;
    return kind;
}

}  // namespace ordinax::cli
