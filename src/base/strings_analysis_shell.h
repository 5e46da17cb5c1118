// Message ids: the analysis dialogs of the desktop application (function,
// smoothing and fitting, report export, model comparison, calculus tools).
// Numbers come from this group's own range.
#pragma once

namespace ordinax::base {

enum : int {
    MsgAnalysisNoCurve = 10200,          // the diagram has no curve with points
    MsgAnalysisNoModelCurve = 10201,     // no curve has a fitted model or a Fourier series
    MsgAnalysisNoFourierCurve = 10202,   // no curve has a Fourier series
    MsgCalculusErrorValue = 10203,       // "Erreur": a result that could not be computed
    MsgCurveExtentText = 10204,          // "Etendue de la courbe : %s"
    MsgReportExported = 10205,           // "La note de calcul a été exportée dans le fichier %s."
    MsgRankingStopped = 10207,           // the comparison was stopped: the list holds the models compared so far
    MsgRankingDone = 10208,              // "Test multi-régression terminé : %s"
    MsgRankingNothing = 10209,           // no model suits the curve
    MsgSolveClosedForm = 10211,          // the solutions come from the model's equation
    MsgSolveScan = 10212,                // the solutions come from a scan of the x axis "%s"
    MsgSolveNone = 10213,                // no solution
    MsgReportPrintFailed = 10214,        // "Impossible d'imprimer la note de calcul !"
    MsgReportPrintNothing = 10215,       // no report to print or export yet
    MsgRankingCount = 10219,             // "%s modèle{|s} retenu{|s}"
    MsgRankingProgress = 10221,          // "Modèles essayés : %s"
};

}  // namespace ordinax::base
