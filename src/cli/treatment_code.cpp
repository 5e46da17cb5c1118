// Code names of the treatments. Only the smoothing kinds and the Fourier
// series are named so far; the regression models keep their number until the
// catalogue's names are wired in (this table is the one place to change).
#include "cli/treatment_code.h"

#include <array>

namespace ordinax::cli {

namespace {

struct NamedTreatment {
    int treatment;
    std::string_view code;
};

constexpr std::array<NamedTreatment, 5> NamedTreatments = {{
    {1, "JPP"},
    {2, "BSP"},
    {3, "SPC"},
    {4, "BEZ"},
    {5, "FOU"},
}};

}  // namespace

nlohmann::ordered_json treatmentCode(int treatment) {
    if (treatment == 0) return nullptr;
    for (const NamedTreatment& named : NamedTreatments) {
        if (named.treatment == treatment) return std::string(named.code);
    }
    return treatment;
}

std::optional<int> treatmentFromCode(std::string_view code) {
    for (const NamedTreatment& named : NamedTreatments) {
        if (named.code == code) return named.treatment;
    }
    return std::nullopt;
}

}  // namespace ordinax::cli
