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
};

// The UTF-8 text of an id; empty when the id is unknown.
std::string_view messageText(int id);

// Builds the message of an id, replacing its "%s" with `argument`.
Message makeMessage(int id, Heading heading, std::string_view argument = {});

}  // namespace ordinax::base
