// Message ids: why a file could not be written or read, and the limits of
// the readers of outside input. Ids come from this group's own range.
#pragma once

namespace ordinax::base {

enum : int {
    // The system's reasons, added after the message of a failed write or read.
    MsgReasonDiskFull = 10800,        // "Le disque est plein."
    MsgReasonAccessDenied = 10801,    // "Accès refusé."
    MsgReasonNoFolder = 10802,        // "Le dossier n'existe pas."
    MsgReasonNoFile = 10803,          // "Le fichier n'existe pas."
    MsgReasonReadOnly = 10804,        // "Le disque est protégé en écriture."
    MsgReasonFileTooBig = 10805,      // the size limit of files (process or file system)
    MsgReasonQuota = 10806,           // "Le quota d'espace disque est dépassé."
    MsgReasonNotFolder = 10807,       // a part of the path is not a folder
    MsgReasonIsFolder = 10808,        // "Ce nom désigne un dossier."
    MsgReasonNameTooLong = 10809,     // "Le nom du fichier est trop long."
    MsgReasonInputOutput = 10810,     // "Erreur d'entrée-sortie sur le disque."
    MsgReasonTooManyFiles = 10811,    // "Trop de fichiers ouverts."
    MsgReasonNoMemory = 10812,        // "Mémoire insuffisante."
    MsgReasonBusy = 10813,            // "Le fichier est occupé par un autre programme."
    MsgReasonLinkLoop = 10814,        // "Trop de liens symboliques dans le chemin."
    MsgReasonOther = 10815,           // "Erreur système %s."
    MsgReasonDevice = 10816,          // a device or a socket given where a file is expected
    MsgReasonPipe = 10817,            // a pipe given where a regular file is needed
    // Limits of the readers of outside input.
    MsgInputTooLarge = 10830,         // "Le fichier dépasse la taille admise (%s octets)."
    MsgInputLineTooLong = 10831,      // "La ligne %s dépasse la longueur admise (%s caractères)."
    MsgInputTooManyValues = 10832,    // more values than MaxCurves x MaxPoints
    MsgInputEmpty = 10833,            // "Le fichier est vide."
    MsgInputStopped = 10834,          // "La lecture du fichier %s est interrompue !"
    MsgInputTooManyCurves = 10836,    // more curves than MaxCurves in a dump
    MsgInputTooManyPoints = 10837,    // a curve of a dump with more than MaxPoints points
    MsgInputValueTooLong = 10838,     // a single text or number of a dump beyond the admitted length
    MsgInputTooManyItems = 10839,     // a dump holding far more items than a diagram
    MsgTableCellTooLong = 10840,      // "Une cellule de la ligne %s dépasse la longueur admise (%s caractères)."
    MsgInputBlankRun = 10841,         // a run of blanks without end in a JSON document
};

}  // namespace ordinax::base
