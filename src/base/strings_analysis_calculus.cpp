// String table: derivative, integrals, length, y = f(x) and x = f(y).
#include "base/string_tables.h"
#include "base/strings_analysis_calculus.h"

namespace ordinax::base {

namespace {

constexpr StringEntry Table[] = {
    {MsgCalculusBoundsIncorrect, "Les bornes de calcul sont incorrectes !"},
    {MsgDerivativeTooFewPoints, "Dérivation impossible !\n\nLe nombre de points de la courbe doit être > 2."},
    {MsgDerivativeTitle, "Dérivée de %s"},
    {MsgDerivativeMathError, "Impossible de créer la courbe dérivée !\n\nErreur mathématique."},
    {MsgDerivativeCommand, "Dérivée de la courbe sélectionnée"},
    {MsgSurfaceCommand, "Surface (intégrale) et longueur de la courbe"},
    {MsgValueAtCommand, "y = f(x)"},
    {MsgSolveForCommand, "x = f(y)"},
    {MsgSurfaceCompute, "&Calculer"},
    {MsgSurfaceWidestBounds, "&Etendue maximale"},
    {MsgSurfaceForward, "Somme des rectangles avants"},
    {MsgSurfaceBackward, "Somme des rectangles arrières"},
    {MsgSurfaceTrapezoid, "Somme des trapèzes"},
    {MsgSurfaceSimpson, "Méthode de Simpson"},
    {MsgSurfaceModel, "Aire calculée à partir de la régression"},
    {MsgSurfaceLength, "Longueur entre les bornes"},
    {MsgLengthFromEquation, "Longueur à partir de l'équation de la courbe "},
    {MsgLengthPointToPoint, "Distance totale point à point "},
};

}  // namespace

std::span<const StringEntry> calculusStrings() { return Table; }

}  // namespace ordinax::base
