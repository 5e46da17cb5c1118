// Message ids: calculation reports and the page codes of header and footer texts.
// Documented numbers keep their value; others come from this group's own range.
#pragma once

namespace ordinax::base {

enum : int {
    MsgPageCodeBracesHint = 172,     // "Un texte entre crochets {..} n'est imprimé que dans les notes de calcul."
    MsgReportNoTreatment = 9550,     // the curve is neither fitted nor analysed by a Fourier series
    MsgReportExportFailed = 9551,    // "Impossible d'écrire la note de calcul dans le fichier %s !"
    MsgReportExportTitle = 9552,     // "Exportation de la note de calcul"
    MsgReportExportRtf = 9553,       // "Fichier RTF (traitement de texte)"
    MsgReportExportCsv = 9554,       // "Fichier CSV (tableur)"
    MsgReportPageSetupTitle = 9555,  // "Mise en page d'une note de calcul"
    MsgReportUnknownFormat = 9556,   // the report file name has no known extension
    MsgReportUnknownOutput = 9557,   // the same for `report`, which also prints to PDF
};

}  // namespace ordinax::base
