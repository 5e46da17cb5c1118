// Message ids: coordinate tools of the points grid.
// Documented numbers keep their value; others come from this group's own range.
#pragma once

namespace ordinax::base {

enum : int {
    MsgPolarFromCartesian = 30,          // "Cartésiennes x,y ¶g®¶g Polaires ¶gq¶g,r"
    MsgCartesianFromPolar = 31,          // "Polaires ¶gq¶g,r ¶g®¶g Cartésiennes x,y"
    MsgAnglesInRadians = 32,             // "Angles ¶gq¶g en radians"
    MsgAnglesInDegrees = 33,             // "Angles ¶gq¶g en degrés"
    MsgSelectColumnFirst = 38,           // "Sélectionner tout d'abord la coordonnée X ou Y ..."
    MsgAverageXConfirm = 46,             // "... en moyennant\nles valeurs x ayant la même valeur y. ... Continuer ?"
    MsgCumulativeFrequencyConfirm = 50,  // "Le calcul des fréquences cumulées s'applique ... Continuer ?"
    MsgSumIsZero = 52,                   // "Calcul impossible :\n\n\"La somme des valeurs est nulle\""
    MsgPositiveValuesOnly = 54,          // "Le calcul ne peut s'effectuer que\nsur des valeurs positives de %s !"
    MsgPolarCoordinatesNote = 74,        // "en coordonnées polaires : x correspond à ¶gq¶g et y correspond à r"
    MsgInvertSelectRows = 97,            // "Pour effectuer l'inversion sur une partie des coordonnées, ..."
    MsgValuesClipped = 231,              // "Un certain nombre de valeurs ont été écrêtées ..."
    MsgSingleColumnOnly = 233,  // "Cette opération ne peut s'appliquer que sur\nune seule des deux coordonnées ..."
    MsgAverageYConfirm = 234,   // "... en moyennant\nles valeurs y ayant la même valeur x. ... Continuer ?"
    MsgCumulativeFrequencyTooFewPoints = 9300,  // at least 2 points are needed
    MsgSequenceRowTooLow = 9301,                // the first row of a numeric sequence is below 1
};

}  // namespace ordinax::base
