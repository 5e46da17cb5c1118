// Message ids: smoothing, Fourier series and spectra.
// Documented numbers keep their value; others come from this group's own range.
#pragma once

namespace ordinax::base {

enum : int {
    MsgIntensitySpectrumConfirm = 124,    // "Une courbe du spectre d'intensité va être créée. ... Continuer ?"
    MsgPhaseSpectrumConfirm = 126,        // "Une courbe du spectre de phase va être créée. ... Continuer ?"
    MsgFourierTooFewPoints = 148,         // "Le calcul de la transformée de Fourier est impossible ! ..."
    MsgIntensitySpectrumTitle = 457,      // "Spectre d'intensité de %s"
    MsgPhaseSpectrumTitle = 458,          // "Spectre de phase de %s"
    MsgIntensitySpectrumMathError = 461,  // "Impossible de créer la courbe du spectre d'intensité ! ..."
    MsgPhaseSpectrumMathError = 462,      // "Impossible de créer la courbe du spectre de phase ! ..."
    MsgFourierMathError = 9200,           // a series whose values leave the range of the numerics
};

}  // namespace ordinax::base
