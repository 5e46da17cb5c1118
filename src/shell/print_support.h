// Printing through Qt's print support: the diagram page (the printer takes
// the page settings of the diagram, A4 and orientation, then the page is
// drawn with its header and footer bands) and the calculation report (one
// printer page per report page). Used by print, print preview and setup.
#pragma once

#include <string>
#include <string_view>

#include "document/diagram.h"

class QPrinter;

namespace ordinax::shell {

// What a printed page takes from the document and the preferences.
struct PrintContext {
    std::string documentPath;  // UTF-8; empty while the document has no file (&F, &N)
    int language = 0;          // reportLanguage: the dates and times of the page codes
    bool thinFrame = false;    // the ThinFrame preference: every line one device pixel wide
};

// Gives the printer the sheet and orientation of the diagram page.
void applyPageSettings(QPrinter& printer, const document::Diagram& diagram);

// Gives the printer the sheet and orientation of report pages.
void applyReportPageSettings(QPrinter& printer, const document::Diagram& diagram);

// Draws the diagram page on the printer (or preview); false when the printer could not start.
bool printDiagram(QPrinter& printer, const document::Diagram& diagram, int curveFilter = -1,
                  const PrintContext& context = {});

// Prints every page of the report text (label markup, lines ended by line
// feeds) in the report page settings of the diagram; false when the printer
// could not start.
bool printReport(QPrinter& printer, const document::Diagram& diagram, std::string_view reportText,
                 const PrintContext& context = {});

}  // namespace ordinax::shell
