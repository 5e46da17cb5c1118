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
    // Analytic functions: the checks, the family, the computation and the dialog fields.
    MsgValueMaximumReal = 6,             // "Valeur maximale = %g !"
    MsgValueMinimumReal = 7,             // "Valeur minimale = %g !"
    MsgFunctionNotFound = 123,           // "Impossible de retrouver la fonction analytique ..."
    MsgNewFunctionConfirm = 164,         // "Création d'une nouvelle fonction !\n\nConfirmation ?"
    MsgFieldEmpty = 251,                 // "Introduire une valeur dans ce champ !"
    MsgValueMaximumInteger = 274,        // "Valeur maximale = %d !"
    MsgValueMinimumInteger = 275,        // "Valeur minimale = %d !"
    MsgContextParameter = 308,           // "variable de paramètrage"
    MsgContextDomain = 309,              // "domaine de variation de la variable de paramètrage"
    MsgFunctionCorrect = 700,            // "La fonction et les constantes sont correctement définies."
    MsgContextFunction = 710,            // "fonction y = f(x)"
    MsgContextConstant = 711,            // "constante @"
    MsgSyntaxError = 720,                // "Erreur de syntaxe !"
    MsgBoundsIncorrect = 721,            // "Les bornes définies pour le calcul\nde la fonction y = f(x) sont incorrectes !"
    MsgBracketCount = 722,               // "Nombre de parenthèses incorrect !"
    MsgMustStartWithY = 723,             // "La fonction doit commencer par y=... !"
    MsgYOnRightSide = 724,               // "Variable y dans le second membre !"
    MsgIllegalOperator = 725,            // "Opérateur illicite !"
    MsgDecimalPoint = 726,               // "Point décimal incorrect !"
    MsgEmptyBrackets = 727,              // "Parenthèses sans contenu !"
    MsgIncorrectInstruction = 728,       // "Instruction incorrecte !"
    MsgConstantXForbidden = 729,         // "Constante x interdite !"
    MsgConstantYForbidden = 730,         // "Constante y interdite !"
    MsgConstantDefinition = 731,         // "Définition de constante incorrecte !"
    MsgNumericValue = 732,               // "Valeur numérique incorrecte !"
    MsgUnknownElement = 733,             // "La fonction comporte un élément incorrect\nou une constante non-définie !"
    MsgCloseParenFirst = 734,            // "Parenthèse fermante en premier !"
    MsgTooManyConstants = 735,           // "Le nombre maximum de constantes a été atteint !"
    MsgValueUndefined = 736,             // "Valeur non-définie !"
    MsgVariableInConstants = 737,        // "Variable déjà utilisée dans les constantes !"
    MsgDomainEndNotAbove = 738,          // "Valeur extrême de variation supérieure\nou égale à l'origine !"
    MsgDomainStepTooLarge = 739,         // "Pas de variation trop grand !"
    MsgTooManyFamilyCurves = 740,        // "Trop de courbes paramétriques générées (@0), ..."
    MsgDomainStepZero = 741,             // "Pas de variation nul !"
    MsgDomainStepNegative = 742,         // "Pas de variation négatif !"
    MsgMathErrorCount = 750,             // "Le calcul de la fonction a provoqué %d erreur{|s} mathématique{|s}"
    MsgMathErrorPoints = 751,            // "pour un nombre total de %d point{|s} !"
    MsgMathErrorZero = 752,              // "A chaque erreur, y est affecté de la valeur 0."
    MsgExpressionTooLong = 9750,         // an expression longer than the token array
    // Curve management: new, duplicate, concatenate, delete.
    MsgDiagramFull = 9150,               // "Impossible de créer une nouvelle courbe ! ... maxi de courbes ..."
    MsgConcatenationTooBig = 9151,       // "Concaténation impossible !\n\nEnsemble des points supérieur à %s."
    MsgDeleteCurvesConfirm = 9152,       // "{La|Les} courbe{|s} sélectionnée{|s} {va|vont} être supprimée{|s} ! ..."
    MsgDeleteFunctionsConfirm = 9153,    // "{La|Les} fonction{|s} analytique{|s} associée{|s} ... Confirmation ?"
};

// The UTF-8 text of an id; empty when the id is unknown.
std::string_view messageText(int id);

// Builds the message of an id, replacing its "%s" with `argument`.
Message makeMessage(int id, Heading heading, std::string_view argument = {});

}  // namespace ordinax::base
