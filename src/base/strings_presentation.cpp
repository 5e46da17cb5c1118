// String table: the presentation dialogs of the desktop application.
#include "base/strings_presentation.h"

#include "base/string_tables.h"

namespace ordinax::base {

namespace {

constexpr StringEntry Table[] = {
    {MsgAllLabelsInserted, "Les titres et les libellés des axes sont déjà tous présents dans le diagramme."},
    {MsgAllLegendsInserted, "Toutes les courbes ont déjà une légende."},
    {MsgTagsFull, "Le diagramme compte déjà 10 étiquettes !\n\nSupprimez-en une avant d'en insérer une autre."},
    {MsgRtfUnreadable, "Le texte du presse-papiers est illisible (erreur RTF %s)."},
    {MsgMarginsTooWide, "Les marges de gauche et de droite ne laissent plus de place sur la feuille !"},
    {MsgMarginsTooHigh, "Les marges du haut et du bas ne laissent plus de place sur la feuille !"},
    {MsgDiagramTooLarge, "Le diagramme est plus grand que la page entre les marges (%s) !"},
    {MsgFolderMissing, "Le dossier %s n'existe pas et ne peut pas être créé."},
    {MsgMacroModelMissing, "Choisir le diagramme dont la présentation doit être copiée."},
    {MsgMacroApplied, "Macro appliquée : %s"},
    {MsgPreferencesNextStart, "Ces préférences ne seront activées que lors de la prochaine ouverture du logiciel."},
    {MsgLogoFileMissing, "Impossible de lire l'image %s !"},
    {MsgPreviewPageCodes,
     "&S société et produit, &V version, &D date, &T heure, &P page, &Q nombre de pages, &F dossier, &N fichier ; "
     "&c centre, &r droite."},
    {MsgBoundsOrder, "La valeur mini doit être inférieure à la valeur maxi !"},
    {MsgViewName, "Diagramme"},
    {MsgViewPlot, "Zone de tracé"},
    {MsgViewScale, "Échelle %s"},
    {MsgViewCurve, "Courbe %s"},
    {MsgViewLegendLine, "Légende : %s"},
    {MsgViewStatusBar, "Barre d'état"},
    {MsgViewTagText, "%s"},
};

}  // namespace

std::span<const StringEntry> presentationStrings() {
    return Table;
}

}  // namespace ordinax::base
