// The regression catalogue: one record per kind 0..42 read from the text file
// ORX_LISS.MSK (six lines a record), with display names and equation texts.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "base/message.h"
#include "numerics/fit_kind.h"

namespace ordinax::numerics {

inline constexpr std::string_view CatalogueFileName = "ORX_LISS.MSK";

// One catalogue record. Texts are Windows-1252 bytes; the equation is label markup.
struct FitModel {
    std::string code;
    int coefficientCount = 0;
    int fixedCount = 0;
    int flag = 0;  // statistics switch: F value, Student's t, variances and intervals
    std::string name;
    std::string equation;
    bool operator==(const FitModel&) const = default;
};

// The loaded catalogue: a value the caller keeps.
struct Catalogue {
    std::array<FitModel, KindCount> model;

    // The record of a kind; kinds outside 0..42 give the empty record of kind 0.
    const FitModel& operator[](int kind) const;
    // True when the model's statistics switch is set.
    bool statistics(int kind) const { return (*this)[kind].flag != 0; }
};

// Reads a catalogue from the file's text: six lines per record in kind order;
// missing lines read as empty texts or 0, counts are brought into their
// valid ranges so that a damaged file cannot drive an index out of bounds.
Catalogue parseCatalogue(std::string_view text);

struct CatalogueLoad {
    std::optional<Catalogue> catalogue;
    base::Message message;  // set when the file could not be read; names the file
};

// Reads the catalogue file at `path`; a file that cannot be opened gives the
// "cannot open" message naming it (the application does not start then).
CatalogueLoad loadCatalogue(const std::string& path);

// The text of label markup without its codes (display names in lists).
std::string stripMarkup(std::string_view markup);

}  // namespace ordinax::numerics
