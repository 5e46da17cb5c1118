// The reasons of failed file operations in French, added after the message
// of the operation ("Impossible d'enregistrer le fichier %s !", blank line,
// "Le disque est plein.").
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "base/message.h"

namespace ordinax::base {

enum class FileAccess { Read, Write };

// The French sentence for a system error number (errno) met while reading or
// writing: a missing entry is the folder when writing, the file when reading.
// An error without a sentence of its own is named with its number.
std::string systemReason(int error, FileAccess access);

// The message with a blank line and `reason` after its text; unchanged when
// the reason is empty.
Message withReason(Message message, std::string_view reason);

// Builds the message of a string-table id, replacing each "%s" in turn with
// the next argument.
Message makeMessageWith(int id, Heading heading, std::initializer_list<std::string_view> arguments);

}  // namespace ordinax::base
