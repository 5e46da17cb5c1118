// String table: calculation reports and the page codes of header and footer texts.
#include "base/string_tables.h"
#include "base/strings_reports.h"

namespace ordinax::base {

namespace {

constexpr StringEntry Table[] = {
    {MsgPageCodeBracesHint, "Un texte entre crochets {..} n'est imprimé que dans les notes de calcul."},
    {MsgReportNoTreatment,
     "La courbe %s n'est ni ajustée par un modèle de régression ni analysée en série de Fourier :\naucune note de "
     "calcul ne peut être établie."},
    {MsgReportExportFailed, "Impossible d'écrire la note de calcul dans le fichier %s !"},
    {MsgReportExportTitle, "Exportation de la note de calcul"},
    {MsgReportExportRtf, "Fichier RTF (traitement de texte)"},
    {MsgReportExportCsv, "Fichier CSV (tableur)"},
    {MsgReportPageSetupTitle, "Mise en page d'une note de calcul"},
    {MsgReportUnknownFormat, "Format de note de calcul inconnu : %s\n\nExtensions reconnues : .txt, .rtf et .csv."},
    {MsgReportUnknownOutput,
     "Format de note de calcul inconnu : %s\n\nExtensions reconnues : .txt, .rtf, .csv et .pdf (note imprimée)."},
};

}  // namespace

std::span<const StringEntry> reportStrings() { return Table; }

}  // namespace ordinax::base
