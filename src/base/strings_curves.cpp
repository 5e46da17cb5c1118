// String table: the curve menu, the coordinates grid and its tools, the
// symbol and line dialogs and the curve export.
#include "base/strings_curves.h"

#include "base/string_tables.h"

namespace ordinax::base {

namespace {

constexpr StringEntry Table[] = {
    {MsgExportFilterCsv, "CSV (*.csv)|*.csv||"},
    {MsgExportFilterBlank, "Texte (sép. esp.) (*.txt)|*.txt||"},
    {MsgExportFilterTab, "Texte (sép. tab) (*.txt)|*.txt||"},
    {MsgExportFilterDos, "Texte (DOS) (*.txt)|*.txt||"},

    {MsgGridCopyImpossible, "Copier impossible :\n\n\"Sélectionner un groupe de cellule\"."},
    {MsgGridCutImpossible, "Couper impossible :\n\n\"Sélectionner un groupe de coordonnées X et Y\"."},
    {MsgGridDeleteConfirm, "Toutes les coordonnées sélectionnées\nvont être supprimées.\n\nConfirmation ?"},
    {MsgGridDeleteImpossible, "Suppression impossible :\n\n\"Sélectionner des lignes de cellules X et Y\"."},
    {MsgGridInsertFull, "Insertion impossible.\n\nLe nombre maximum de points a été atteint !"},
    {MsgGridInsertSelectRow, "Sélectionner tout d'abord la ligne\navant laquelle se fera l'insertion."},
    {MsgGridPasteImpossible, "Opération impossible :\n\n< %s > !"},
    {MsgGridPasteLayout, "Disposition anormale des cellules copiées"},
    {MsgGridPasteMismatch, "Les zones sélectionnées ne correspondent pas"},
    {MsgGridPasteShape, "Les cellules copiées doivent comporter\ndeux lignes ou deux colonnes"},
    {MsgGridPasteTooMany, "Le nombre total des cellules copiées dépasse\nles capacités de OrdinaX"},
    {MsgGridPasteEmptyCell, "Une ou plusieurs des cellules copiées sont vides"},
    {MsgGridPasteNotNumeric, "Une ou plusieurs des cellules copiées comportent\ndes valeurs non-numériques"},
    {MsgGridValueNotFound, "La valeur %s n'a pas été trouvée !"},
    {MsgGridCellNotNumber,
     "« %s » n'est pas une valeur numérique !\n\nTapez un nombre (le point ou la virgule comme séparateur "
     "décimal) ;\nla valeur précédente est conservée."},
    {MsgGridRowHeaderNew, "Nouveau"},
    {MsgFieldNotNumber, "« %s » n'est pas une valeur numérique !"},
    {MsgGridDiscardConfirm, "Les modifications des coordonnées de cette courbe\nvont être abandonnées.\n\nConfirmation ?"},
    {MsgGridStatusPoints, "%s point{|s}"},

    {MsgNewCurveNoCurveInFile, "Le diagramme %s ne comporte aucune courbe !"},
    {MsgDuplicateTitle, "%s (copie)"},
    {MsgConcatenateTitle, "Concaténation"},
    {MsgInfoNoPoint, "aucun point"},
    {MsgCurveExported, "La courbe a été exportée dans le fichier %s."},
    {MsgCurveAllCurves, "<Toutes les courbes>"},
    {MsgLineNeedsTreatment,
     "Cette courbe n'est pas lissée : sa ligne sera tracée dès qu'un lissage\nlui sera appliqué (Courbe > Lissage...)."},
};

}  // namespace

std::span<const StringEntry> curveStrings() {
    return Table;
}

}  // namespace ordinax::base
