// What the insertion, deletion and repositioning dialogs of titles, axis
// labels, legends and tags offer: the slots that can be inserted or are
// shown, the placements each slot can take with their names, the curves with
// and without a legend, and the curve whose unit an axis label shows.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document/diagram.h"
#include "document/label_slots.h"

namespace ordinax::document {

// One placement offered for a slot: the stored code and its name (UTF-8).
struct PlacementOption {
    int code;
    std::string_view name;
};

// The placements offered for a slot, in list order: "A gauche", "A droite",
// "Centré" for the titles, X labels and tags (tags: the text alignment);
// "Au-dessus", "En haut", "En bas", "Centré" for the Y labels; the ten legend
// positions for the legend block.
std::span<const PlacementOption> placementOptions(int slot);

// The list position of a stored code among the slot's options; the default
// position (centred, or the first) when the code is not offered.
int placementIndex(int slot, int code);

// The placement a new slot gets before the user chooses: centred for titles
// and labels ("Centré" of the list), "Intérieur, en haut à droite" for legends.
int defaultPlacement(int slot);

// Titles and axis labels (slots 0 .. 5) without text, which can be inserted.
std::vector<int> insertableLabelSlots(const Diagram& diagram);
// Titles and axis labels that hold a text.
std::vector<int> shownLabelSlots(const Diagram& diagram);
// The tags in use as tag indexes 0 .. 9.
std::vector<int> tagsShown(const Diagram& diagram);

// Curves without a legend, and curves with one, by index.
std::vector<int> curvesWithoutLegend(const Diagram& diagram);
std::vector<int> curvesWithLegend(const Diagram& diagram);

// The axis (0 x, 1 y) of an axis label slot (2 .. 5); -1 for another slot.
int axisOfLabelSlot(int slot);

// The curve whose unit the axis label of `slot` shows: the selected curve
// when it has a unit on that axis, else the first curve that has one; -1 when
// none does or the slot is not an axis label.
int unitCurve(const Diagram& diagram, int slot, int selectedCurve);

// A tag's text edited to nothing frees the tag; any other text is stored and
// the line counts recomputed. Returns false for a slot that is not 0 .. 16.
bool setSlotText(Diagram& diagram, int slot, std::string text);

// Sets a curve's legend; an empty legend removes it (the block empties with
// the last one). False for a bad curve index.
bool setLegendText(Diagram& diagram, int curve, std::string text);

// The caption of an insertion dialog ("Insérer un libellé| supplémentaire"):
// the part after "|" is added when the diagram already has such an element.
std::string insertionCaption(std::string_view caption, bool another);

// Tag positions as the dialogs show them: percent of the plot's half-width and
// half-height from its centre (anchor units are 1/1000 of a percent).
inline constexpr double TagUnitsPerPercent = 1000.0;
std::array<double, 2> tagPositionFromPercent(double x, double y);
std::array<double, 2> tagPercent(const Diagram& diagram, int tag);

}  // namespace ordinax::document
