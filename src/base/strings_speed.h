// Message ids of the reading of one curve of a diagram file. Ids come from
// this group's own range.
#pragma once

namespace ordinax::base {

enum : int {
    // Reasons added to the format message when the points left in a diagram
    // file by a one-curve reading cannot be read back before it is written.
    MsgReasonFileChanged = 11400,   // "Le fichier a été modifié depuis sa lecture."
    MsgReasonPointsUnread = 11401,  // "Les points d'une courbe ne peuvent pas être relus dans le fichier %s."
};

}  // namespace ordinax::base
