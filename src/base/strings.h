// The French string table: message texts by id, and the builder of messages.
#pragma once

#include <string_view>

#include "base/message.h"

namespace ordinax::base {

// Ids of the texts. Numbers given by the product's documentation keep their
// value; texts without a documented number are numbered from 9000.
enum MessageId : int {
    MsgFormatIncompatible = 9000,    // "Le format de ce fichier n'est pas compatible avec Ordinax !"
    MsgFormatConvertFirst = 9001,    // the same, with the advice to convert the file first
    MsgCannotCreateFolder = 9002,    // "Impossible de créer le dossier %s."
    MsgFileWriteFailed = 9003,       // writing a file failed
    MsgFileOpenFailed = 9004,        // a file could not be opened for reading
    // Data exchange (text import, clipboard tables, curve export).
    MsgFileNotFound = 48,                // "Le fichier \"%s\" est introuvable !"
    MsgHeaderReadError = 9700,           // "Erreur dans la lecture de l'en-tête du fichier."
    MsgHeaderTooLong = 9701,             // "L'en-tête du fichier est plus longue que prévu !"
    MsgMaxPointsExceeded = 9702,         // "Le nombre maxi de points autorisé (%s) est dépassé !"
    MsgEmptyRecords = 9703,              // "Le fichier de données comporte un\nou plusieurs enregistrements vides ! ..."
    MsgInvalidRecords = 9704,            // "... enregistrements invalides ! ..."
    MsgClipboardUnusable = 9705,         // "Le contenu du presse-papiers est inutilisable !"
    MsgClipboardEmpty = 9706,            // "Le presse-papiers est vide"
    MsgTableTooBig = 9707,               // "Le tableau de valeurs est trop grand !"
    // Regression fits, residuals and the multi-model comparison.
    MsgFitSumsImpossible = 115,          // "... \"Calcul des sommes impossible\"."
    MsgFitNegativeValue = 116,           // "... \"Valeur négative\"."
    MsgFitZeroValue = 117,               // "... \"Valeur nulle\"."
    MsgFitValueAtLeastOne = 118,         // "... \"Valeur supérieure ou égale à 1\"."
    MsgFitMatrixNotInvertible = 119,     // "... \"Inversion de matrice impossible\"."
    MsgFitUnsuitableModel = 120,         // "... \"Modèle de régression inadapté\"."
    MsgResidualsConfirm = 122,           // "Une courbe des résiduels va être créée. ... Continuer ?"
    MsgFitTooFewPoints = 250,            // "Le calcul de la régression est impossible ! ... \"Nombre insuffisant de points\"."
    MsgComparisonRunning = 304,          // "Calcul en cours ..."
    MsgResidualsTitle = 456,             // "Résiduels de %s"
    MsgResidualsMathError = 460,         // "Impossible de créer la courbe des résiduels !\n\nErreur mathématique."
};

// The UTF-8 text of an id; empty when the id is unknown.
std::string_view messageText(int id);

// Builds the message of an id, replacing its "%s" with `argument`.
Message makeMessage(int id, Heading heading, std::string_view argument = {});

}  // namespace ordinax::base
