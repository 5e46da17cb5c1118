// Printing of the diagram page through Qt's print support: the printer takes
// the page settings of the diagram (A4, orientation), then one page is drawn
// by the renderer as a printed page. Used by print, print preview and setup.
#pragma once

#include "document/diagram.h"

class QPrinter;

namespace ordinax::shell {

// Gives the printer the sheet and orientation of the diagram page.
void applyPageSettings(QPrinter& printer, const document::Diagram& diagram);

// Draws the diagram page on the printer (or preview); false when the printer could not start.
bool printDiagram(QPrinter& printer, const document::Diagram& diagram, int curveFilter = -1);

}  // namespace ordinax::shell
