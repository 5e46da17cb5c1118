// String table: coordinate tools of the points grid.
#include "base/strings_analysis_coordinates.h"

#include "base/string_tables.h"

namespace ordinax::base {

namespace {

constexpr StringEntry Table[] = {
    {MsgPolarFromCartesian, "Cartésiennes x,y ¶g®¶g Polaires ¶gq¶g,r"},
    {MsgCartesianFromPolar, "Polaires ¶gq¶g,r ¶g®¶g Cartésiennes x,y"},
    {MsgAnglesInRadians, "Angles ¶gq¶g en radians"},
    {MsgAnglesInDegrees, "Angles ¶gq¶g en degrés"},
    {MsgSelectColumnFirst, "Sélectionner tout d'abord la coordonnée X ou Y\nsur laquelle se fera le traitement."},
    {MsgAverageXConfirm,
     "Les coordonnées vont être réduites en nombre en moyennant\nles valeurs x ayant la même valeur y.\n\nContinuer ?"},
    {MsgCumulativeFrequencyConfirm,
     "Le calcul des fréquences cumulées s'applique\nsur l'ensemble des effectifs de y !\n\nContinuer ?"},
    {MsgSumIsZero, "Calcul impossible :\n\n\"La somme des valeurs est nulle\""},
    {MsgPositiveValuesOnly, "Le calcul ne peut s'effectuer que\nsur des valeurs positives de %s !"},
    {MsgPolarCoordinatesNote, "en coordonnées polaires : x correspond à ¶gq¶g et y correspond à r"},
    {MsgInvertSelectRows,
     "Pour effectuer l'inversion sur une partie des coordonnées,\nsélectionnez les lignes de coordonnées X et Y à "
     "inverser.\n\nSinon, désélectionnez tout."},
    {MsgValuesClipped, "Un certain nombre de valeurs ont été écrêtées\nlorsque  |valeur| > 1.00E+035 !"},
    {MsgSingleColumnOnly,
     "Cette opération ne peut s'appliquer que sur\nune seule des deux coordonnées (X ou Y) !\n\nSélectionnez une des "
     "deux colonnes x ou y."},
    {MsgAverageYConfirm,
     "Les coordonnées vont être réduites en nombre en moyennant\nles valeurs y ayant la même valeur x.\n\nContinuer ?"},
    {MsgCumulativeFrequencyTooFewPoints, "Le calcul des fréquences cumulées nécessite au moins 2 points !"},
    {MsgSequenceRowTooLow, "Le premier n° de la séquence doit être au moins égal à 1 !"},
};

}  // namespace

std::span<const StringEntry> coordinateStrings() {
    return Table;
}

}  // namespace ordinax::base
