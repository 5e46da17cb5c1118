// String table: scales, graduations, drawing of diagrams, curves and labels.
#include "base/string_tables.h"
#include "base/strings_drawing.h"

namespace ordinax::base {

namespace {

constexpr StringEntry Table[] = {
    {MsgScaleIncorrect, "Échelle incorrecte !"},
    {MsgScaleStepTooSmall, "Pas de l'échelle trop petit !\n\nIl doit être supérieur ou égal à %g !"},
    {MsgScaleStepTooLarge, "Pas de l'échelle trop grand !\n\nIl doit être inférieur ou égal à %g !"},
    {MsgDrawingTooSmall, "Tracé du diagramme impossible !\nLa taille de la fenêtre est trop petite."},
    {MsgBitmapCreateFailed, "Tracé du diagramme :\n\nImpossible de créer un objet bitmap compatible."},
    {MsgBitmapMemoryFailed, "Tracé du diagramme :\n\nImpossible d'allouer de la mémoire pour l'objet bitmap."},
    {MsgBitmapContextFailed,
     "Tracé du diagramme :\n\nImpossible de créer un contexte de périphérique compatible pour l'objet bitmap."},
    {MsgSoftShadowWarning,
     "L'utilisation d'ombres portées adoucies ne fonctionne\nque sur certaines imprimantes !\n\nCette option doit être "
     "testée (voir aide)."},
    {MsgNoTitle, "pas de titre/pour le diagramme"},
    {MsgNoXLabel, "pas de libellé/pour l'axe des x"},
    {MsgNoYLabel, "pas de libellé/pour l'axe des y"},
    {MsgNoLegend, "pas de légende/pour les courbes"},
    {MsgNoTag, "pas d'étiquette/pour le diagramme"},
    {MsgNoXValues, "pas de valeurs d'échelle/pour l'axe des x"},
    {MsgNoYValues, "pas de valeurs d'échelle/pour l'axe des y"},
    {MsgInsertLabelCaption, "Insérer un libellé| supplémentaire"},
    {MsgInsertLegendCaption, "Insérer une légende| de courbe supplémentaire"},
    {MsgInsertTagCaption, "Insérer une étiquette| supplémentaire"},
    {MsgSlotNameFirst + 0, "Titre, côté inférieur"},
    {MsgSlotNameFirst + 1, "Titre, côté supérieur"},
    {MsgSlotNameFirst + 2, "Axe des X, côté inférieur"},
    {MsgSlotNameFirst + 3, "Axe des X, côté supérieur"},
    {MsgSlotNameFirst + 4, "Axe des Y, côté gauche"},
    {MsgSlotNameFirst + 5, "Axe des Y, côté droit"},
    {MsgSlotNameFirst + 6, "Légendes des courbes"},
    {MsgSlotNameFirst + 7, "Étiquette 1"},
    {MsgSlotNameFirst + 8, "Étiquette 2"},
    {MsgSlotNameFirst + 9, "Étiquette 3"},
    {MsgSlotNameFirst + 10, "Étiquette 4"},
    {MsgSlotNameFirst + 11, "Étiquette 5"},
    {MsgSlotNameFirst + 12, "Étiquette 6"},
    {MsgSlotNameFirst + 13, "Étiquette 7"},
    {MsgSlotNameFirst + 14, "Étiquette 8"},
    {MsgSlotNameFirst + 15, "Étiquette 9"},
    {MsgSlotNameFirst + 16, "Étiquette 10"},
    {MsgBackgroundName, "Arrière-plan"},
    {MsgDiagramAreaName, "Diagramme"},
    {MsgLegendPositionFirst + 0, "Intérieur, en haut à gauche"},
    {MsgLegendPositionFirst + 1, "Intérieur, en haut à droite"},
    {MsgLegendPositionFirst + 2, "Intérieur, en bas à gauche"},
    {MsgLegendPositionFirst + 3, "Intérieur, en bas à droite"},
    {MsgLegendPositionFirst + 4, "Extérieur, en haut à gauche"},
    {MsgLegendPositionFirst + 5, "Extérieur, centré à gauche"},
    {MsgLegendPositionFirst + 6, "Extérieur, en bas à gauche"},
    {MsgLegendPositionFirst + 7, "Extérieur, en haut à droite"},
    {MsgLegendPositionFirst + 8, "Extérieur, centré à droite"},
    {MsgLegendPositionFirst + 9, "Extérieur, en bas à droite"},
};

}  // namespace

std::span<const StringEntry> drawingStrings() { return Table; }

}  // namespace ordinax::base
