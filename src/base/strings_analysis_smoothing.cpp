// String table: smoothing, Fourier series and spectra.
#include "base/string_tables.h"
#include "base/strings_analysis_smoothing.h"

namespace ordinax::base {

namespace {

constexpr StringEntry Table[] = {
    {MsgIntensitySpectrumConfirm,
     "Une courbe du spectre d'intensité va être créée.\n\nSon titre est :\n\n\"%s\"\n\nContinuer ?"},
    {MsgPhaseSpectrumConfirm, "Une courbe du spectre de phase va être créée.\n\nSon titre est :\n\n\"%s\"\n\nContinuer ?"},
    {MsgFourierTooFewPoints,
     "Le calcul de la transformée de Fourier est impossible !\n\n\"Nombre insuffisant de points\"."},
    {MsgIntensitySpectrumTitle, "Spectre d'intensité de %s"},
    {MsgPhaseSpectrumTitle, "Spectre de phase de %s"},
    {MsgIntensitySpectrumMathError, "Impossible de créer la courbe du spectre d'intensité !\n\nErreur mathématique."},
    {MsgPhaseSpectrumMathError, "Impossible de créer la courbe du spectre de phase !\n\nErreur mathématique."},
    {MsgFourierMathError, "Le calcul de la transformée de Fourier est impossible !\n\n\"Erreur mathématique\"."},
};

}  // namespace

std::span<const StringEntry> smoothingStrings() { return Table; }

}  // namespace ordinax::base
