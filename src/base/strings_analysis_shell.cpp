// String table: the analysis dialogs of the desktop application.
#include "base/strings_analysis_shell.h"

#include "base/string_tables.h"

namespace ordinax::base {

namespace {

constexpr StringEntry Table[] = {
    {MsgAnalysisNoCurve, "Le diagramme ne comporte aucune courbe avec des points."},
    {MsgAnalysisNoModelCurve,
     "Aucune courbe du diagramme n'est ajustée par un modèle de régression\nou analysée en série de Fourier.\n\n"
     "Choisissez d'abord un traitement avec Courbe > Lissage... (Ctrl+L)."},
    {MsgAnalysisNoFourierCurve,
     "Aucune courbe du diagramme n'est analysée en série de Fourier.\n\n"
     "Choisissez d'abord « Transformée de Fourier » avec Courbe > Lissage... (Ctrl+L)."},
    {MsgCalculusErrorValue, "Erreur"},
    {MsgCurveExtentText, "Etendue de la courbe : %s"},
    {MsgReportExported, "La note de calcul a été exportée dans le fichier %s."},
    {MsgRankingStopped, "Test multi-régression interrompu : %s."},
    {MsgRankingDone, "Test multi-régression terminé : %s."},
    {MsgRankingNothing, "Aucun modèle de régression ne convient à cette courbe."},
    {MsgSolveClosedForm, "Solutions tirées de l'équation du modèle."},
    {MsgSolveScan, "Solutions cherchées par balayage de l'axe des x %s."},
    {MsgSolveNone, "Aucune solution."},
    {MsgReportPrintFailed, "Impossible d'imprimer la note de calcul !"},
    {MsgReportPrintNothing,
     "Aucune note de calcul : calculez d'abord une régression ou une série de Fourier."},
    {MsgRankingCount, "%s modèle{|s} retenu{|s}"},
    {MsgRankingProgress, "Modèles essayés : %s"},
};

}  // namespace

std::span<const StringEntry> analysisShellStrings() {
    return Table;
}

}  // namespace ordinax::base
