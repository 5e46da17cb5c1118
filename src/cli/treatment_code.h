// The JSON form of a curve's treatment (FitKind): the upper-case code name of
// the kind, null for "no treatment", the plain number for a kind out of range.
#pragma once

#include <optional>
#include <string_view>

#include <nlohmann/json.hpp>

namespace ordinax::cli {

inline constexpr int MaxTreatment = 42;

// Returns the code name of a treatment, null for 0, the number itself when
// the kind has no code name.
nlohmann::ordered_json treatmentCode(int treatment);

// Returns the treatment of a code name (exact, upper case; POW is PUI),
// nullopt when unknown.
std::optional<int> treatmentFromCode(std::string_view code);

}  // namespace ordinax::cli
