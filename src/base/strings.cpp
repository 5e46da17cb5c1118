// The French string table.
#include "base/strings.h"

#include "base/string_tables.h"

#include <string>

namespace ordinax::base {

namespace {

using Entry = StringEntry;

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
    {MsgValueMaximumReal, "Valeur maximale = %g !"},
    {MsgValueMinimumReal, "Valeur minimale = %g !"},
    {MsgFunctionNotFound,
     "Impossible de retrouver la fonction analytique\nqui a servi à créer cette courbe.\n\nCelle-ci a peut-être été "
     "supprimée !"},
    {MsgNewFunctionConfirm, "Création d'une nouvelle fonction !\n\nConfirmation ?"},
    {MsgFieldEmpty, "Introduire une valeur dans ce champ !"},
    {MsgValueMaximumInteger, "Valeur maximale = %d !"},
    {MsgValueMinimumInteger, "Valeur minimale = %d !"},
    {MsgContextParameter, "variable de paramètrage"},
    {MsgContextDomain, "domaine de variation de la variable de paramètrage"},
    {MsgFunctionCorrect, "La fonction et les constantes sont correctement définies."},
    {MsgContextFunction, "fonction y = f(x)"},
    {MsgContextConstant, "constante @"},
    {MsgSyntaxError, "Erreur de syntaxe !"},
    {MsgBoundsIncorrect, "Les bornes définies pour le calcul\nde la fonction y = f(x) sont incorrectes !"},
    {MsgBracketCount, "Nombre de parenthèses incorrect !"},
    {MsgMustStartWithY, "La fonction doit commencer par y=... !"},
    {MsgYOnRightSide, "Variable y dans le second membre !"},
    {MsgIllegalOperator, "Opérateur illicite !"},
    {MsgDecimalPoint, "Point décimal incorrect !"},
    {MsgEmptyBrackets, "Parenthèses sans contenu !"},
    {MsgIncorrectInstruction, "Instruction incorrecte !"},
    {MsgConstantXForbidden, "Constante x interdite !"},
    {MsgConstantYForbidden, "Constante y interdite !"},
    {MsgConstantDefinition, "Définition de constante incorrecte !"},
    {MsgNumericValue, "Valeur numérique incorrecte !"},
    {MsgUnknownElement, "La fonction comporte un élément incorrect\nou une constante non-définie !"},
    {MsgCloseParenFirst, "Parenthèse fermante en premier !"},
    {MsgTooManyConstants, "Le nombre maximum de constantes a été atteint !"},
    {MsgValueUndefined, "Valeur non-définie !"},
    {MsgVariableInConstants, "Variable déjà utilisée dans les constantes !"},
    {MsgDomainEndNotAbove, "Valeur extrême de variation supérieure\nou égale à l'origine !"},
    {MsgDomainStepTooLarge, "Pas de variation trop grand !"},
    {MsgTooManyFamilyCurves,
     "Trop de courbes paramétriques générées (@0), le nombre\nmaximum de courbes pouvant être créées est @1."},
    {MsgDomainStepZero, "Pas de variation nul !"},
    {MsgDomainStepNegative, "Pas de variation négatif !"},
    {MsgMathErrorCount, "Le calcul de la fonction a provoqué %d erreur{|s} mathématique{|s}"},
    {MsgMathErrorPoints, "pour un nombre total de %d point{|s} !"},
    {MsgMathErrorZero, "A chaque erreur, y est affecté de la valeur 0."},
    {MsgExpressionTooLong,
     "La fonction est trop longue !\n\nElle peut compter au plus 128 caractères\n(chaque \"-(\" en compte 4)."},
    {MsgDiagramFull, "Impossible de créer une nouvelle courbe !\n\nLe nombre maxi de courbes est atteint pour ce diagramme."},
    {MsgConcatenationTooBig, "Concaténation impossible !\n\nEnsemble des points supérieur à %s."},
    {MsgDeleteCurvesConfirm, "{La|Les} courbe{|s} sélectionnée{|s} {va|vont} être supprimée{|s} !\n\nConfirmation ?"},
    {MsgDeleteFunctionsConfirm,
     "{La|Les} fonction{|s} analytique{|s} associée{|s} avec {la|les}\ncourbe{|s} sélectionnée{|s} {va|vont} être "
     "supprimée{|s} !\n\nConfirmation ?"},
};

}  // namespace

std::string_view messageText(int id) {
    for (const Entry& e : Table)
        if (e.id == id) return e.text;
    for (auto table : {smoothingStrings, calculusStrings, coordinateStrings, drawingStrings, unitStrings,
                       reportStrings, shellStrings, dataStrings, refinementStrings, curveStrings,
                       analysisShellStrings, presentationStrings, fileStrings, speedStrings})
        for (const StringEntry& e : table())
            if (e.id == id && id != 0) return e.text;
    return {};
}

Message makeMessage(int id, Heading heading, std::string_view argument) {
    std::string text(messageText(id));
    if (const auto at = text.find("%s"); at != std::string::npos) text.replace(at, 2, argument);
    return Message{id, heading, std::move(text)};
}

}  // namespace ordinax::base
