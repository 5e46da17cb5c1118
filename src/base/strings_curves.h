// Message ids: the curve menu, the coordinates grid and its tools, the symbol
// and line dialogs and the curve export in the desktop application.
// Documented numbers keep their value; others come from this group's own range.
#pragma once

namespace ordinax::base {

enum : int {
    // File filters of the export's save dialog, one per format.
    MsgExportFilterCsv = 102,    // "CSV (*.csv)|*.csv||"
    MsgExportFilterBlank = 103,  // "Texte (sép. esp.) (*.txt)|*.txt||"
    MsgExportFilterTab = 104,    // "Texte (sép. tab) (*.txt)|*.txt||"
    MsgExportFilterDos = 105,    // "Texte (DOS) (*.txt)|*.txt||"

    // The coordinates grid.
    MsgGridCopyImpossible = 10000,     // "Copier impossible : ..."
    MsgGridCutImpossible = 10001,      // "Couper impossible : ..."
    MsgGridDeleteConfirm = 10002,      // "Toutes les coordonnées sélectionnées ... Confirmation ?"
    MsgGridDeleteImpossible = 10003,   // "Suppression impossible : ..."
    MsgGridInsertFull = 10004,         // "Insertion impossible. ... maximum de points ..."
    MsgGridInsertSelectRow = 10005,    // "Sélectionner tout d'abord la ligne ..."
    MsgGridPasteImpossible = 10006,    // "Opération impossible :\n\n< %s > !"
    MsgGridPasteLayout = 10007,        // "Disposition anormale des cellules copiées"
    MsgGridPasteMismatch = 10008,      // "Les zones sélectionnées ne correspondent pas"
    MsgGridPasteShape = 10009,         // "Les cellules copiées doivent comporter\ndeux lignes ou deux colonnes"
    MsgGridPasteTooMany = 10010,       // "Le nombre total des cellules copiées dépasse ..."
    MsgGridPasteEmptyCell = 10011,     // "Une ou plusieurs des cellules copiées sont vides"
    MsgGridPasteNotNumeric = 10012,    // "Une ou plusieurs des cellules copiées comportent ..."
    MsgGridValueNotFound = 10013,      // "La valeur %s n'a pas été trouvée !"
    MsgGridCellNotNumber = 10014,      // a typed cell that is not a number
    MsgGridRowHeaderNew = 10015,       // header of the row that appends a point
    MsgFieldNotNumber = 10017,         // a tool's field that is not a number
    MsgGridDiscardConfirm = 10018,     // leaving the grid with "Annuler" after changes
    MsgGridStatusPoints = 10019,       // the grid's status line: number of points

    // The curve menu.
    MsgNewCurveNoCurveInFile = 10025,  // the other diagram file holds no curve
    MsgDuplicateTitle = 10026,         // default title of a copy: "%s (copie)"
    MsgConcatenateTitle = 10027,       // default title of a concatenation
    MsgInfoNoPoint = 10028,            // information: the curve has no point
    MsgCurveExported = 10030,          // "La courbe a été exportée dans le fichier %s."
    MsgCurveAllCurves = 10031,         // delimitation with no curve selected: every curve
    MsgLineNeedsTreatment = 10032,     // the line dialog on a curve without smoothing
};

}  // namespace ordinax::base
