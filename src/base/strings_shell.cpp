// String table: the desktop application.
#include "base/strings_shell.h"

#include "base/string_tables.h"

namespace ordinax::base {

namespace {

constexpr StringEntry Table[] = {
    {MsgShellCatalogueMissing,
     "Le catalogue des modèles de régression est introuvable :\n%s\n\nOrdinax ne peut pas démarrer sans ce fichier. "
     "Réinstallez le programme."},
    {MsgShellCopyNeedsNormal,
     "Commande non-accessible !\n\nPassez dans le mode d'affichage plein écran du diagramme !"},
    {MsgShellBitmapCreate, "Tracé du diagramme :\n\nImpossible de créer un objet bitmap compatible."},
    {MsgShellBitmapMemory, "Tracé du diagramme :\n\nImpossible d'allouer de la mémoire pour l'objet bitmap."},
    {MsgShellBitmapContext,
     "Tracé du diagramme :\n\nImpossible de créer un contexte de périphérique compatible pour l'objet bitmap."},
    {MsgShellSaveChanges, "Le diagramme %s a été modifié.\n\nEnregistrer les modifications ?"},
    {MsgShellRecoveryOffer,
     "Une copie de secours plus récente du diagramme %s a été trouvée\n(le programme s'est sans doute arrêté "
     "sans l'enregistrer).\n\nRestaurer cette copie ?"},
    {MsgShellRecoveryUntitled, "sans nom"},
    {MsgShellRecoveryFailed, "Impossible d'écrire la copie de secours %s !"},
    {MsgShellNotYetAvailable, "Cette commande sera disponible dans une prochaine version."},
    {MsgShellDropRefused, "Seuls les fichiers Ordinax (*.orx) peuvent être déposés ici."},
    {MsgShellExportDone, "Le diagramme a été exporté dans le fichier %s."},
    {MsgShellNothingToPrint, "Aucun diagramme n'est affiché : rien à imprimer."},
    {MsgShellPipetteHover, "Pipette : %s (clic gauche : prendre la couleur, clic droit : abandonner)"},
    {MsgShellPipetteTaken, "Couleur prise : %s"},
    {MsgShellPipetteCancelled, "Pipette abandonnée : la couleur précédente est conservée."},
    {MsgShellDrawingAborted, "Tracé interrompu (Echap) : l'image précédente est conservée."},
};

}  // namespace

std::span<const StringEntry> shellStrings() {
    return Table;
}

}  // namespace ordinax::base
