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
