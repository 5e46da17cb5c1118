// "&Rubriques d'aide" (F1), "&Utilisation de l'aide" and the F1 key of the
// dialogs: the pages of the manual in the manual's window.
#pragma once

#include <QString>

namespace ordinax::shell {

class CMainFrame;
class HelpWindow;

// Installs the two help commands and the opener the dialogs use for F1.
void installHelpCommands(CMainFrame& frame);

// The manual's folder: "help" in the program's folder.
QString helpFolder(CMainFrame& frame);

// Shows the page of `topic` (the contents for an empty one); the window
// opens beside the dialog that asked, if any. Null when the manual is missing.
HelpWindow* openHelp(CMainFrame& frame, const QString& topic);

}  // namespace ordinax::shell
