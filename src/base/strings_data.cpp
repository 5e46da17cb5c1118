// String table: getting data in from the desktop application.
#include "base/strings_data.h"

#include "base/string_tables.h"

namespace ordinax::base {

namespace {

constexpr StringEntry Table[] = {
    {MsgPictureFilter,
     "Images (*.bmp *.gif *.jpg *.jpeg *.png *.tif *.tiff *.wmf *.emf);;Tous les fichiers (*)"},
    {MsgPictureOpenTitle, " Ouvrir une image scannérisée"},
    {MsgAcquisitionDeleteAll, "Suppression de tous les pointages.\n\nConfirmation ?"},
    {MsgAcquisitionPointUsed, "Ce point est déjà utilisé !"},
    {MsgExplorerRoot, "Poste de travail"},
    {MsgPictureOpenFailed, "Impossible d'ouvrir le fichier %s !"},
    {MsgImportStopped, "- extraction interrompue : aucune donnée n'a été gardée -"},
    {MsgImportRunning, "Lecture du fichier en cours... (Echap pour arrêter)"},
    {MsgImportFileFilter,
     "Texte (*.txt);;CSV (*.csv);;Données (*.dat);;Autres (*)"},
    {MsgImportOpenTitle, " Ouvrir un fichier à importer"},
    {MsgProcedureFilter, "Procédure (*.pca)"},
    {MsgProcedureOpenTitle, " Ouvrir une procédure de conversion"},
    {MsgProcedureSaveTitle, " Enregistrer une procédure de conversion"},
    {MsgProcedureUnreadable,
     "Le fichier %s n'est pas une procédure de conversion Ordinax.\n\nLa procédure en cours n'a pas été modifiée."},
    {MsgPreviewTruncated, "Aperçu : les %s premières lignes du fichier"},
    {MsgAcquisitionFrameInvalid,
     "Le repère n'est pas défini !\n\nPlacez au moins les points ORG, EXT_X et EXT_Y (à des endroits "
     "distincts, les axes non parallèles).\nLes points saisis sont conservés."},
    {MsgAcquisitionNoPoint, "Aucun point n'a été saisi sur l'image."},
    {MsgAcquisitionNoClipboardPicture, "Le presse-papiers ne contient pas d'image."},
    {MsgAcquisitionFull, "Le nombre maxi de points autorisé (%s) est atteint !"},
    {MsgExplorerDrive, "Disque %s"},
    {MsgExplorerCdrom, "CD-ROM %s"},
    {MsgExplorerRemovable, "Lecteur %s"},
    {MsgExplorerNetwork, "Réseau %s"},
    {MsgExplorerNoDrive, "Impossible de trouver un disque logique actif !"},
    {MsgExplorerScanning, "Analyse du lecteur"},
    {MsgExplorerEscape, "- touche \"Echap\" pour stopper la scrutation -"},
    {MsgExplorerStopped, "Exploration interrompue : les dossiers trouvés jusqu'ici sont affichés."},
    {MsgExplorerDone, "Exploration terminée : %s"},
    {MsgDropUnknown,
     "Ordinax ne sait pas ouvrir ce fichier :\n%s\n\nDéposez un diagramme (.orx), un fichier de données (.txt, "
     ".csv, .dat) ou une image (.bmp, .gif, .jpg, .png, .tif, .wmf, .emf)."},
    {MsgHelpMissing, "Le manuel d'Ordinax est introuvable :\n%s\n\nRéinstallez le programme."},
    {MsgUnitSheetNoCurve, "Sélectionnez d'abord une courbe qui comporte des points."},
    {MsgAcquisitionPictureTooLarge, "L'image %s est trop grande pour être affichée."},
    {MsgRecentUnitsClear, "Toutes les unités récemment utilisées vont être effacées.\n\nConfirmation ?"},
};

}  // namespace

std::span<const StringEntry> dataStrings() { return Table; }

}  // namespace ordinax::base
