// Message ids: getting data in from the desktop application (text import and
// clipboard dialogs, the unit sheet, the picture acquisition, the file
// explorer, dropped files and the manual). Documented numbers keep their
// value; others come from this group's own range.
#pragma once

namespace ordinax::base {

enum : int {
    MsgPictureFilter = 127,             // file filter of the picture acquisition
    MsgPictureOpenTitle = 287,          // title of its file dialog
    MsgAcquisitionDeleteAll = 83,       // "Suppression de tous les pointages.\n\nConfirmation ?"
    MsgAcquisitionPointUsed = 84,       // "Ce point est déjà utilisé !"
    MsgExplorerRoot = 34,               // "Poste de travail"
    MsgPictureOpenFailed = 30792,       // "Impossible d'ouvrir le fichier %s !"
    MsgImportStopped = 10600,           // the extraction was stopped: nothing is kept from it
    MsgImportRunning = 10601,           // status while the worker reads
    MsgImportFileFilter = 10602,        // file filter of the data file (string 130 written for this platform)
    MsgImportOpenTitle = 10603,         // " Ouvrir un fichier à importer"
    MsgProcedureFilter = 10604,         // "Procédure (*.pca)"
    MsgProcedureOpenTitle = 10605,      // " Ouvrir une procédure de conversion"
    MsgProcedureSaveTitle = 10606,      // " Enregistrer une procédure de conversion"
    MsgProcedureUnreadable = 10607,     // a procedure file of another kind
    MsgPreviewTruncated = 10608,        // the list shows the head of a large file
    MsgAcquisitionFrameInvalid = 10609, // validation without a usable frame: the points are kept
    MsgAcquisitionNoPoint = 10610,      // validation without any clicked point
    MsgAcquisitionNoClipboardPicture = 10611,  // "Coller" without a picture on the clipboard
    MsgAcquisitionFull = 10612,         // a click past MaxPoints
    MsgExplorerDrive = 10613,           // "Disque %s"
    MsgExplorerCdrom = 10614,           // "CD-ROM %s"
    MsgExplorerRemovable = 10615,       // "Lecteur %s"
    MsgExplorerNetwork = 10616,         // network volume
    MsgExplorerNoDrive = 10617,         // "Impossible de trouver un disque logique actif !"
    MsgExplorerScanning = 10618,        // "Analyse du lecteur"
    MsgExplorerEscape = 10619,          // "- touche \"Echap\" pour stopper la scrutation -"
    MsgExplorerStopped = 10620,         // the scan was stopped: the folders found so far stay
    MsgExplorerDone = 10621,            // end of the scan: folders and files found
    MsgDropUnknown = 10622,             // a dropped file of no known kind
    MsgHelpMissing = 10623,             // the manual's page cannot be found
    MsgUnitSheetNoCurve = 10624,        // the unit sheet needs an existing curve
    MsgAcquisitionPictureTooLarge = 10625,  // a picture too large to be shown
    MsgRecentUnitsClear = 10626,        // "&Effacer tout" of the recent units asks first
};

}  // namespace ordinax::base
