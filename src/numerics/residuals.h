// The residuals curve of a fitted curve: its points keep x and get y minus
// the value of the fitted model.
#pragma once

#include <string>
#include <string_view>

#include "base/message.h"
#include "document/diagram.h"
#include "document/diagram_defaults.h"

namespace ordinax::numerics {

inline constexpr int ResidualsTitleLimit = 512;

// Default title of the residuals curve of a curve titled `sourceTitle`
// (Windows-1252 texts).
std::string residualsTitle(std::string_view sourceTitle);

// The confirmation asked before the residuals curve is created (its title in it).
base::Message residualsConfirmation(std::string_view title);

struct ResidualsOutcome {
    int index = -1;       // the new curve, which becomes the current one
    bool full = false;    // the diagram has no free curve slot: nothing created
    base::Message message;  // a math error: the new curve was removed
};

// Adds the residuals curve of curve `source`: a copy titled `title` (cut to
// 512 characters), function definition reset, points sorted by x, drawn
// point to point.
ResidualsOutcome createResiduals(document::Diagram& diagram, int source, std::string_view title,
                                 const document::DiagramDefaults& defaults);

}  // namespace ordinax::numerics
