// String table: the reading of one curve of a diagram file.
#include "base/string_tables.h"
#include "base/strings_speed.h"

namespace ordinax::base {

namespace {

constexpr StringEntry Table[] = {
    {MsgReasonFileChanged, "Le fichier a été modifié depuis sa lecture."},
    {MsgReasonPointsUnread, "Les points d'une courbe ne peuvent pas être relus dans le fichier %s."},
};

}  // namespace

std::span<const StringEntry> speedStrings() { return Table; }

}  // namespace ordinax::base
