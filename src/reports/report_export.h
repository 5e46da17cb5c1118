// Export of a calculation report: the proposed file name and the contents of
// the RTF and CSV files.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "base/logfont.h"

namespace ordinax::reports {

// Modes of the export dialog.
enum ExportMode : int {
    ExportRtf = 0,  // "Fichier RTF (traitement de texte)"
    ExportCsv = 1,  // "Fichier CSV (tableur)"
    ExportPdf = 2,  // the printed report, every page
};

// The proposed file name: the document's file name with its extension
// replaced by "RTF", "CSV" or "PDF", every "." written "_NN." with the curve number
// (index + 1): "essai.orx", third curve, RTF gives "essai_03.RTF". A document
// without a name gives an empty text.
std::string exportFileName(std::string_view documentFileName, int curveIndex, int mode);

// The report as CSV: one line per report line, one value per cell (table
// rows split at their rule characters, other lines one cell), markup codes
// removed, rule-only lines left out; ";" separates cells, "." stays the decimal point.
std::string reportToCsv(std::string_view report);

// The report as plain text with its tables drawn by "-", "|" and "+".
std::string reportToPlainText(std::string_view report);

// The sheet an exported report is laid out on (the report page settings).
struct RtfPage {
    bool landscape = false;                                // A4 turned
    std::array<double, 4> marginsCm = {2.5, 1.5, 2.5, 2.0};  // left, right, top, bottom
};

// The report as an RTF document in the report font, built on the RTF frame
// (the text of MSK_RTF.SRC, or the built-in frame): text lines as
// paragraphs, each run of `&`-ruled lines as an RTF table whose rules are cell
// borders, the sheet and margins of the report page.
std::string reportToRtf(std::string_view report, const base::LogFont& font, std::string_view frame,
                        const RtfPage& page = {});

}  // namespace ordinax::reports
