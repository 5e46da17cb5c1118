// Names of label slots, curves and legends as the placement dialogs list them.
#pragma once

#include <QString>

#include "document/diagram.h"

namespace ordinax::shell {

// "Titre, côté inférieur" ... "Étiquette 10".
QString slotName(int slot);
// "Courbe n° 2 : Mesures" (the title, or the legend's text without codes).
QString curveName(const document::Diagram& diagram, int curve, bool legend = false);
// The UTF-8 text of a string-table id.
QString tableText(int id);

}  // namespace ordinax::shell
