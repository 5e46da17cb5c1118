// String table: the refinement of the regression fits by nonlinear least squares.
#include "base/string_tables.h"
#include "base/strings_refinement.h"

namespace ordinax::base {

namespace {

constexpr StringEntry Table[] = {
    {MsgRefineNotKept,
     "L'affinage par moindres carrés non linéaires n'a pas abouti :\n%s.\n\nL'ajustement linéarisé est conservé."},
    {MsgRefineNotNeeded, "L'affinage par moindres carrés non linéaires est sans objet :\n%s."},
    {MsgRefineReasonNotRefinable,
     "le modèle est linéaire en ses coefficients, son ajustement minimise déjà les écarts en y"},
    {MsgRefineReasonConstantY, "toutes les valeurs de y sont égales, l'ajustement linéarisé est exact"},
    {MsgRefineReasonStartNotFinite, "le modèle de l'ajustement linéarisé n'a pas de valeur en certains points"},
    {MsgRefineReasonNotConverged, "pas de convergence après %s évaluations du modèle"},
    {MsgRefineReasonCancelled, "calcul interrompu"},
    {MsgRefineReasonNumerical, "les dérivées du modèle ne peuvent pas être calculées"},
    {MsgRefineReasonUndetermined, "les points ne déterminent pas les coefficients (dérivées du modèle liées)"},
    {MsgRefineReasonOutOfRange, "un coefficient dépasse 1E35 en valeur absolue"},
    {MsgRefineStopReduction, "la somme des carrés des écarts ne diminue plus"},
    {MsgRefineStopStep, "les coefficients ne varient plus"},
    {MsgRefineStopBoth, "la somme des carrés des écarts et les coefficients ne varient plus"},
    {MsgRefineStopGradient, "les écarts sont orthogonaux aux dérivées du modèle"},
    {MsgRefineStopPrecision, "la précision du calcul est atteinte"},
    {MsgRefineFitLinearised, "moindres carrés sur la forme linéarisée"},
    {MsgRefineFitRefined, "moindres carrés non linéaires sur y"},
    {MsgRefineFitNotKept, "moindres carrés sur la forme linéarisée (affinage non retenu : %s)"},
};

}  // namespace

std::span<const StringEntry> refinementStrings() { return Table; }

}  // namespace ordinax::base
