// Message ids: the desktop application (start-up, files, pictures, printing,
// recovery copies). Documented numbers keep their value; others come from
// this group's own range.
#pragma once

namespace ordinax::base {

enum : int {
    MsgShellCatalogueMissing = 9900,  // the regression catalogue is missing: the program cannot start
    MsgShellCopyNeedsNormal =
        9901,  // "Commande non-accessible !\n\nPassez dans le mode d'affichage plein écran du diagramme !"
    MsgShellBitmapCreate = 9902,  // "Tracé du diagramme :\n\nImpossible de créer un objet bitmap compatible."
    MsgShellBitmapMemory = 9903,  // "Tracé du diagramme :\n\nImpossible d'allouer de la mémoire pour l'objet bitmap."
    MsgShellBitmapContext = 9904,     // "... Impossible de créer un contexte de périphérique compatible ..."
    MsgShellSaveChanges = 9905,       // "Le diagramme %s a été modifié.\n\nEnregistrer les modifications ?"
    MsgShellRecoveryOffer = 9906,     // a recovery copy newer than its file was found: restore it?
    MsgShellRecoveryUntitled = 9907,  // name shown for a diagram that was never saved
    MsgShellRecoveryFailed = 9908,    // the recovery copy could not be written
    MsgShellNotYetAvailable = 9909,   // tooltip of the commands whose dialog comes later
    MsgShellDropRefused = 9910,       // only .orx files are accepted by dropping
    MsgShellExportDone = 9911,        // "Le diagramme a été exporté dans le fichier %s."
    MsgShellNothingToPrint = 9912,    // printing needs a displayed diagram
    MsgShellPipetteHover = 9913,      // pipette mode: the colour under the cursor ("R=.. V=.. B=..")
    MsgShellPipetteTaken = 9914,      // pipette: the colour taken
    MsgShellPipetteCancelled = 9915,  // pipette left with the right button: previous colour kept
    MsgShellDrawingAborted = 9916,    // Escape stopped the drawing: the previous picture stays
};

}  // namespace ordinax::base
