// The intensity and phase spectra of a curve with a Fourier series: derived
// curves with one point per harmonic.
#pragma once

#include <string>
#include <string_view>

#include "base/message.h"
#include "document/diagram.h"
#include "document/diagram_defaults.h"

namespace ordinax::numerics {

// Default title of the intensity (phase false) or phase spectrum of a curve
// titled `sourceTitle` (Windows-1252 texts).
std::string spectrumTitle(std::string_view sourceTitle, bool phase);

// The confirmation asked before the spectrum curve titled `title` is created.
base::Message spectrumConfirmation(std::string_view title, bool phase);

struct SpectrumOutcome {
    int index = -1;          // the new curve, which becomes the current one
    bool full = false;       // the diagram has no free curve slot: nothing created
    base::Message message;   // a math error: the new curve was removed
};

// Adds the spectrum of curve `source` (its stored Fourier series): a copy
// titled `title`, function definition reset, drawn point to point, whose point
// i (1..N) is (i, amplitude) or (i, phase in degrees) of harmonic i.
SpectrumOutcome createSpectrum(document::Diagram& diagram, int source, bool phase, std::string_view title,
                               const document::DiagramDefaults& defaults);

}  // namespace ordinax::numerics
