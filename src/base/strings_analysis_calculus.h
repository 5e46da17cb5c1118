// Message ids: derivative, integrals, length, y = f(x) and x = f(y).
// Documented numbers keep their value; others come from this group's own range.
#pragma once

namespace ordinax::base {

enum : int {
    MsgCalculusBoundsIncorrect = 107,     // "Les bornes de calcul sont incorrectes !"
    MsgDerivativeTooFewPoints = 252,      // "Dérivation impossible ! ... doit être > 2."
    MsgDerivativeTitle = 455,             // "Dérivée de %s"
    MsgDerivativeMathError = 459,         // "Impossible de créer la courbe dérivée !\n\nErreur mathématique."
    MsgDerivativeCommand = 9250,          // "Dérivée de la courbe sélectionnée"
    MsgSurfaceCommand = 9251,             // "Surface (intégrale) et longueur de la courbe"
    MsgValueAtCommand = 9252,             // "y = f(x)"
    MsgSolveForCommand = 9253,            // "x = f(y)"
    MsgSurfaceCompute = 9254,             // "&Calculer"
    MsgSurfaceWidestBounds = 9255,        // "&Etendue maximale"
    MsgSurfaceForward = 9256,             // "Somme des rectangles avants"
    MsgSurfaceBackward = 9257,            // "Somme des rectangles arrières"
    MsgSurfaceTrapezoid = 9258,           // "Somme des trapèzes"
    MsgSurfaceSimpson = 9259,             // "Méthode de Simpson"
    MsgSurfaceModel = 9260,               // "Aire calculée à partir de la régression"
    MsgSurfaceLength = 9261,              // "Longueur entre les bornes"
    MsgLengthFromEquation = 9262,         // "Longueur à partir de l'équation de la courbe " (trailing blank)
    MsgLengthPointToPoint = 9263,         // "Distance totale point à point " (trailing blank)
};

}  // namespace ordinax::base
