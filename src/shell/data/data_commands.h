// The commands that bring data into the diagram from the desktop application:
// text files through a conversion procedure and tables from the clipboard
// (menu "Importer un diagramme"), and the unit of a curve axis. Each runs its
// dialog on a working copy and keeps the result as one undo step.
#pragma once

#include <QString>

namespace ordinax::shell {

class CMainFrame;
class DiagramEdit;

// Installs the handlers of "Depuis le presse-papiers..." and "A partir d'un fichier texte...".
void installDataCommands(CMainFrame& frame);

// Text import into the document: `intoCurve` -1 imports a whole diagram, else
// that curve is filled (the file is asked first when `dataFile` is empty).
// True when the import was kept.
bool runTextImport(CMainFrame& frame, int intoCurve, const QString& dataFile = {});

// The same dialog on a caller's working copy (for instance a new curve being
// made): fills curve `curve` of `edit`, with its scales, without committing.
bool runTextImportInto(CMainFrame& frame, DiagramEdit& edit, int curve, const QString& dataFile);

// "Depuis le presse-papiers...": the clipboard table into a new set of curves.
bool runClipboardImport(CMainFrame& frame);

}  // namespace ordinax::shell
