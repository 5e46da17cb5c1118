// String table: reasons of failed writes and reads, limits of the readers.
#include "base/string_tables.h"
#include "base/strings_files.h"

namespace ordinax::base {

namespace {

constexpr StringEntry Table[] = {
    {MsgReasonDiskFull, "Le disque est plein."},
    {MsgReasonAccessDenied, "Accès refusé."},
    {MsgReasonNoFolder, "Le dossier n'existe pas."},
    {MsgReasonNoFile, "Le fichier n'existe pas."},
    {MsgReasonReadOnly, "Le disque est en lecture seule."},
    {MsgReasonFileTooBig, "Le fichier dépasse la taille maximale autorisée."},
    {MsgReasonQuota, "Le quota d'espace disque est dépassé."},
    {MsgReasonNotFolder, "Un élément du chemin n'est pas un dossier."},
    {MsgReasonIsFolder, "Ce nom désigne un dossier."},
    {MsgReasonNameTooLong, "Le nom du fichier est trop long."},
    {MsgReasonInputOutput, "Erreur de lecture ou d'écriture sur le disque."},
    {MsgReasonTooManyFiles, "Trop de fichiers sont ouverts."},
    {MsgReasonNoMemory, "Mémoire insuffisante."},
    {MsgReasonBusy, "Le fichier est occupé."},
    {MsgReasonLinkLoop, "Trop de liens symboliques dans le chemin."},
    {MsgReasonOther, "Erreur système %s."},
    {MsgReasonDevice, "Ce nom désigne un périphérique, pas un fichier."},
    {MsgReasonPipe, "Ce nom désigne un tube, pas un fichier ordinaire."},
    {MsgInputTooLarge, "Le fichier dépasse la taille admise (%s octets)."},
    {MsgInputLineTooLong, "La ligne %s dépasse la longueur admise (%s caractères)."},
    {MsgInputTooManyValues, "Le fichier contient plus de valeurs que le diagramme ne peut en recevoir (%s)."},
    {MsgInputEmpty, "Le fichier est vide."},
    {MsgInputStopped, "La lecture du fichier %s est interrompue !"},
    {MsgInputTooManyCurves, "Le fichier décrit plus de %s courbes."},
    {MsgInputTooManyPoints, "Une courbe du fichier a plus de %s points."},
    {MsgInputValueTooLong, "Un texte ou un nombre du fichier dépasse la longueur admise (%s caractères)."},
    {MsgTableCellTooLong, "Une cellule de la ligne %s dépasse la longueur admise (%s caractères)."},
    {MsgInputBlankRun, "Le fichier contient une suite de blancs de plus de %s caractères."},
    {MsgInputTooManyItems, "Le fichier contient bien plus d'éléments qu'un diagramme (plus de %s)."},
};

}  // namespace

std::span<const StringEntry> fileStrings() { return Table; }

}  // namespace ordinax::base
