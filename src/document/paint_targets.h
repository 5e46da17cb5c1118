// The painted areas of a diagram as the "Fond", "Bordure" and "Ombre" dialogs
// see them: the page background, the plot area and the box of each text
// block, gathered in the menu groups that edit them.
#pragma once

#include <vector>

#include "document/diagram.h"

namespace ordinax::document {

// The menu groups of the paint dialogs.
enum class PaintGroup { Background, Plot, Labels, Legends, Tags };

// One painted area: the page background, the plot, or a label slot's box.
struct PaintTarget {
    enum class Kind { Background, Plot, Slot };
    Kind kind = Kind::Background;
    int slot = -1;  // Slot: the label slot 0 .. 16
    bool operator==(const PaintTarget&) const = default;
};

// The style of an area.
PaintStyle& paintOf(Diagram& diagram, const PaintTarget& target);
const PaintStyle& paintOf(const Diagram& diagram, const PaintTarget& target);

// The areas of a group that the diagram shows, in slot order: the page or the
// plot alone; the titles and axis labels (slots 0 .. 5) that hold a text; the
// legend block when it is placed; the tags in use.
std::vector<PaintTarget> paintTargets(const Diagram& diagram, PaintGroup group);

// The area among `targets` that stands for the selected label slot (-1 none);
// the first one when the selection is not among them.
int preferredTarget(const std::vector<PaintTarget>& targets, int selectedSlot);

// True for the areas that can be filled with a picture (page and plot).
bool takesPicture(const PaintTarget& target);

// The string-table id of an area's name ("Arrière-plan", "Diagramme",
// "Titre, côté inférieur", ..., "Étiquette 10").
int paintTargetNameId(const PaintTarget& target);

}  // namespace ordinax::document
