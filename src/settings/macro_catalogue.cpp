// The table of macro identifiers and captions.
#include "settings/macro_catalogue.h"

#include <array>

namespace ordinax::settings {

namespace {

constexpr std::array<MacroEntry, 65> Catalogue = {{
    {10000, "PRÉSENTATION GÉNÉRALE DU DIAGRAMME"},
    {10001, "Copier la présentation d'un autre diagramme"},
    {10002, "Présentation simplifiée"},
    {10003, "Ensemble en monochrome sur fond blanc"},
    {10004, "Inverser toutes les couleurs"},
    {10100, "LIBELLÉS"},
    {10101, "Même fond pour tous les libellés"},
    {10102, "Encadrer tous les libellés"},
    {10103, "Ajouter une ombre aux libellés"},
    {10104, "Supprimer tous les fonds"},
    {10105, "Supprimer tous les encadrements"},
    {10106, "Supprimer toutes les ombres"},
    {10107, "Même police pour le texte de tous les libellés"},
    {10108, "Même couleur pour le texte de tous les libellés"},
    {10109, "Supprimer tous les libellés du diagramme"},
    {10200, "ÉTIQUETTES"},
    {10201, "Même fond pour toutes les étiquettes"},
    {10202, "Encadrer toutes les étiquettes"},
    {10203, "Ajouter une ombre aux étiquettes"},
    {10204, "Supprimer tous les fonds"},
    {10205, "Supprimer tous les encadrements"},
    {10206, "Supprimer toutes les ombres"},
    {10207, "Même police pour le texte de toutes les étiquettes"},
    {10208, "Même couleur pour le texte de toutes les étiquettes"},
    {10209, "Supprimer toutes les étiquettes du diagramme"},
    {10300, "LÉGENDES ASSOCIÉES AUX COURBES"},
    {10301, "Insérer les légendes de toutes les courbes"},
    {10302, "Même police pour le texte de toutes les légendes"},
    {10303, "Même couleur pour le texte de toutes les légendes"},
    {10304, "Supprimer toutes les légendes"},
    {10400, "LISSAGE POUR L'ENSEMBLE DES COURBES"},
    {10401, "Jonction point-à-point"},
    {10402, "Lissage par B-Splines"},
    {10403, "Lissage par Cubiques-Splines"},
    {10404, "Lissage par fonctions de Bézier"},
    {10405, "Délimiter tous les tracés suivant X et Y"},
    {10406, "Supprimer toutes les délimitations des tracés"},
    {10407, "Supprimer tous les lissages"},
    {10500, "COURBES"},
    {10501, "Attribuer automatiquement la couleur de chaque courbe"},
    {10502, "Même couleur pour toutes les courbes"},
    {10503, "Même couleurs pour les courbes que les symboles"},
    {10504, "Attribuer automatiquement le type de trait de chaque courbe"},
    {10505, "Même type de trait pour toutes les courbes"},
    {10506, "Même épaisseur de trait pour toutes les courbes"},
    {10507, "Placer toutes les courbes en dessous des points"},
    {10508, "Placer toutes les courbes au-dessus des points"},
    {10600, "SYMBOLES"},
    {10601, "Attribuer automatiquement un symbole à chaque courbe"},
    {10602, "Même symbole pour toutes les courbes"},
    {10603, "Même taille de symbole pour toutes les courbes"},
    {10604, "Attribuer automatiquement la couleur du symbole de chaque courbe"},
    {10605, "Même couleur de contour des symboles pour toutes les courbes"},
    {10606, "Même couleurs pour les symboles que les courbes"},
    {10607, "Même couleur de remplissage des symboles pour toutes les courbes"},
    {10608, "Même couleur de remplissage des symboles que son contour"},
    {10609, "Couleur de remplissage des symboles inverse du contour"},
    {10610, "Activer le remplissage des symboles de toutes les courbes"},
    {10611, "Supprimer le remplissage des symboles de toutes les courbes"},
    {10612, "Supprimer les symboles de toutes les courbes"},
    {10613, "Placer tous les symboles au-dessus des courbes"},
    {10614, "Placer tous les symboles en-dessous des courbes"},
    {10700, "DIVERS"},
    {10701, "Supprimer du fichier toutes les courbes ne contenant pas de point"},
    {10702, "Visualiser toutes les courbes"},
}};

}  // namespace

std::span<const MacroEntry> macroCatalogue() { return Catalogue; }

std::string_view macroCaption(int id) {
    for (const MacroEntry& entry : Catalogue)
        if (entry.id == id) return entry.caption;
    return {};
}

bool isMacroCommand(int id) { return !isMacroHeading(id) && !macroCaption(id).empty(); }

}  // namespace ordinax::settings
