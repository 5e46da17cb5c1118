// The handlers of the tools menu's analysis commands.
#pragma once

namespace ordinax::shell {

class CMainFrame;

// Gives the frame the handlers of "Dérivée numérique...", "Surface (intégrale)
// et longueur...", "y = f(x)...", "x = f(y)...", "Courbe des résiduels...",
// "Spectre d'intensité..." and "Spectre de phase...".
void installToolCommands(CMainFrame& frame);

}  // namespace ordinax::shell
