// What the "Calculer" and "Appliquer" buttons of the smoothing dialog compute:
// the chosen treatment applied to a curve and, after a regression or a
// Fourier series, its calculation report; a refusal or a missing template
// leaves the curve exactly as it was.
#pragma once

#include <filesystem>
#include <string>

#include "base/message.h"
#include "document/diagram.h"
#include "numerics/catalogue.h"
#include "numerics/fit_curve.h"
#include "numerics/treatment_choice.h"

namespace ordinax::reports {

struct TreatmentRun {
    bool ok = false;
    base::Message message;        // why nothing changed (a refused fit or series, a missing template)
    std::string report;           // the report text; empty for the drawing kinds
    numerics::FitReport lastFit;  // the fit just computed (regression)
    base::Message warning;        // a refinement asked for and not kept
};

// Applies `choice` to `curve` and builds its report from the templates of
// `programFolder` in `language`. On failure the curve is left as it was.
TreatmentRun runTreatment(document::Curve& curve, const numerics::TreatmentChoice& choice,
                          const numerics::Catalogue& catalogue, bool henryY, const std::filesystem::path& programFolder,
                          int language);

}  // namespace ordinax::reports
