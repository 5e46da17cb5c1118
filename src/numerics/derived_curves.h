// The curves made from another curve by the tools menu: derivative,
// residuals, intensity and phase spectra, behind one call each for the
// dialog that names the new curve.
#pragma once

#include <string>
#include <string_view>

#include "base/message.h"
#include "document/diagram.h"
#include "document/diagram_defaults.h"
#include "numerics/analysis_targets.h"

namespace ordinax::numerics {

// The curve-making tools.
inline bool makesCurve(AnalysisTool tool) {
    return tool == AnalysisTool::Derivative || tool == AnalysisTool::Residuals ||
           tool == AnalysisTool::IntensitySpectrum || tool == AnalysisTool::PhaseSpectrum;
}

// The proposed title of the new curve made from a curve titled `sourceTitle`
// (Windows-1252).
std::string derivedCurveTitle(AnalysisTool tool, std::string_view sourceTitle);

// The sentence announcing the new curve ("Une courbe des résiduels va être
// créée."); empty for the derivative, whose dialog says it in its caption.
std::string derivedCurveAnnouncement(AnalysisTool tool);

struct DerivedCurve {
    int index = -1;         // the new curve, which becomes the current one
    base::Message message;  // why nothing was made (full diagram, too few points, math error)
};

// Makes the new curve from curve `source`, titled `title` (cut to 512
// characters); on failure the diagram is left without it.
DerivedCurve makeDerivedCurve(document::Diagram& diagram, AnalysisTool tool, int source, std::string_view title,
                              const document::DiagramDefaults& defaults);

}  // namespace ordinax::numerics
