// Message ids: scales, graduations, drawing of diagrams, curves and labels.
// Documented numbers keep their value; others come from this group's own range.
#pragma once

namespace ordinax::base {

enum : int {
    // Scales and their dialog.
    MsgScaleIncorrect = 9400,      // "Échelle incorrecte !"
    MsgScaleStepTooSmall = 9401,   // "Pas de l'échelle trop petit ! ... supérieur ou égal à %g !"
    MsgScaleStepTooLarge = 9402,   // "Pas de l'échelle trop grand ! ... inférieur ou égal à %g !"
    // Drawing of a diagram.
    MsgDrawingTooSmall = 9450,     // "Tracé du diagramme impossible ! ... trop petite."
    MsgBitmapCreateFailed = 9451,  // "Tracé du diagramme : ... objet bitmap compatible."
    MsgBitmapMemoryFailed = 9452,  // "Tracé du diagramme : ... mémoire pour l'objet bitmap."
    MsgBitmapContextFailed = 9453, // "Tracé du diagramme : ... contexte de périphérique compatible ..."
    // Labels, legends, tags, fills and shadows.
    MsgSoftShadowWarning = 9500,   // "L'utilisation d'ombres portées adoucies ne fonctionne ..."
    MsgNoTitle = 9501,             // "pas de titre/pour le diagramme"
    MsgNoXLabel = 9502,            // "pas de libellé/pour l'axe des x"
    MsgNoYLabel = 9503,            // "pas de libellé/pour l'axe des y"
    MsgNoLegend = 9504,            // "pas de légende/pour les courbes"
    MsgNoTag = 9505,               // "pas d'étiquette/pour le diagramme"
    MsgNoXValues = 9506,           // "pas de valeurs d'échelle/pour l'axe des x"
    MsgNoYValues = 9507,           // "pas de valeurs d'échelle/pour l'axe des y"
    MsgInsertLabelCaption = 9508,  // "Insérer un libellé| supplémentaire"
    MsgInsertLegendCaption = 9509, // "Insérer une légende| de courbe supplémentaire"
    MsgInsertTagCaption = 9510,    // "Insérer une étiquette| supplémentaire"
    MsgSlotNameFirst = 9511,       // 9511 .. 9527: names of label slots 0 .. 16
    MsgBackgroundName = 9528,      // "Arrière-plan"
    MsgDiagramAreaName = 9529,     // "Diagramme"
    MsgLegendPositionFirst = 9530, // 9530 .. 9539: legend positions in list order
};

}  // namespace ordinax::base
