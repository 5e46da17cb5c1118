// The French string table.
#include "base/strings.h"

#include <string>

namespace ordinax::base {

namespace {

struct Entry {
    int id;
    std::string_view text;
};

constexpr Entry Table[] = {
    {MsgFormatIncompatible, "Le format de ce fichier n'est pas compatible avec Ordinax !"},
    {MsgFormatConvertFirst,
     "Le format de ce fichier n'est pas compatible avec Ordinax !\n\nSi le fichier est issu d'une ancienne "
     "version de Ordinax, il faut\nle convertir au préalable (ouvrir, puis enregistrer)."},
    {MsgCannotCreateFolder, "Impossible de créer le dossier %s."},
    {MsgFileWriteFailed, "Impossible d'enregistrer le fichier %s !"},
    {MsgFileOpenFailed, "Impossible d'ouvrir le fichier %s !"},
    {MsgFileNotFound, "Le fichier \"%s\" est introuvable !"},
    {MsgHeaderReadError, "Erreur dans la lecture de l'en-tête du fichier."},
    {MsgHeaderTooLong, "L'en-tête du fichier est plus longue que prévu !"},
    {MsgMaxPointsExceeded, "Le nombre maxi de points autorisé (%s) est dépassé !"},
    {MsgEmptyRecords,
     "Le fichier de données comporte un\nou plusieurs enregistrements vides !\n\n Chacun de ces enregistrements est\n"
     "remplacé par un 0."},
    {MsgInvalidRecords,
     "Le fichier de données comporte un\nou plusieurs enregistrements invalides !\n\n Chacun de ces enregistrements "
     "est remplacé par un 0."},
    {MsgClipboardUnusable, "Le contenu du presse-papiers est inutilisable !"},
    {MsgClipboardEmpty, "Le presse-papiers est vide"},
    {MsgTableTooBig, "Le tableau de valeurs est trop grand !"},
    {MsgFitSumsImpossible, "Le calcul de la régression a été interrompu !\n\n\"Calcul des sommes impossible\"."},
    {MsgFitNegativeValue, "Le calcul de la régression a été interrompu !\n\n\"Valeur négative\"."},
    {MsgFitZeroValue, "Le calcul de la régression a été interrompu !\n\n\"Valeur nulle\"."},
    {MsgFitValueAtLeastOne, "Le calcul de la régression a été interrompu !\n\n\"Valeur supérieure ou égale à 1\"."},
    {MsgFitMatrixNotInvertible, "Le calcul de la régression a été interrompu !\n\n\"Inversion de matrice impossible\"."},
    {MsgFitUnsuitableModel, "Le calcul de la régression a été interrompu !\n\n\"Modèle de régression inadapté\"."},
    {MsgResidualsConfirm,
     "Une courbe des résiduels va être créée.\n\nSon titre est :\n\n\"%s\"\n\nContinuer ?"},
    {MsgFitTooFewPoints, "Le calcul de la régression est impossible !\n\n\"Nombre insuffisant de points\"."},
    {MsgComparisonRunning, "Calcul en cours ..."},
    {MsgResidualsTitle, "Résiduels de %s"},
    {MsgResidualsMathError, "Impossible de créer la courbe des résiduels !\n\nErreur mathématique."},
};

}  // namespace

std::string_view messageText(int id) {
    for (const Entry& e : Table)
        if (e.id == id) return e.text;
    return {};
}

Message makeMessage(int id, Heading heading, std::string_view argument) {
    std::string text(messageText(id));
    if (const auto at = text.find("%s"); at != std::string::npos) text.replace(at, 2, argument);
    return Message{id, heading, std::move(text)};
}

}  // namespace ordinax::base
