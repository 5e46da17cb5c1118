// The positioned text blocks of a diagram as the user inserts, deletes and
// moves them: placement codes of each slot, default texts (Windows-1252),
// legend texts with their case change and size code, tag insertion and the
// stacking of tags. The dialogs gather the choices; these functions change
// the diagram (inside the caller's change bracket).
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "document/diagram.h"

namespace ordinax::document {

// Slots of the titles and axis labels.
inline constexpr int LowerTitleSlot = 0;
inline constexpr int UpperTitleSlot = 1;
inline constexpr int LowerXLabelSlot = 2;
inline constexpr int UpperXLabelSlot = 3;
inline constexpr int LeftYLabelSlot = 4;
inline constexpr int RightYLabelSlot = 5;

// Placement codes of the titles and X labels ("A gauche", "A droite", "Centré").
inline constexpr int PlaceLeft = 1;
inline constexpr int PlaceRight = 2;
inline constexpr int PlaceCentred = 3;

// The choices of a Y label's position: "Au-dessus" (horizontal text above
// the axis), "En haut", "En bas", "Centré" (turned text beside the axis).
enum class YLabelPosition { Above, Top, Bottom, Centred };

// The placement code of a Y label slot (4 or 5) for a position choice:
// "Au-dessus" is 1 on the left axis and 2 on the right one.
int yLabelPlacement(int slot, YLabelPosition position);

// Number of legend positions; list index <-> placement code of slot 6: the
// list starts with "Intérieur, en haut à gauche" (code 1) then "Intérieur,
// en haut à droite" (code 0); the other entries keep their index.
inline constexpr int LegendPositionCount = 10;
int legendPlacementFromList(int listIndex);
int legendListIndex(int placement);

// True when `placement` is a code the slot can hold (−1, empty, always is).
bool isValidPlacement(int slot, int placement);

// The text a title or axis label slot (0 .. 5) gets on insertion, followed by
// " " and the axis unit when one is given; the tag slots (7 .. 16) give
// "Étiquette n". Empty for the legend slot.
std::string defaultSlotText(int slot, std::string_view unitText = {});

// The case changes offered for legend texts, in list order.
enum class LegendCase { AsIs, FirstUpper, FirstUpperRestLower, AllLower };

// The text with the case change applied (Windows-1252 letters).
std::string applyLegendCase(std::string_view text, LegendCase change);

struct LegendTextOptions {
    bool useCurveNumber = false;          // "N° de la courbe" instead of the title
    LegendCase caseChange = LegendCase::AsIs;
    std::string fontCode;                 // size code of the legend font put in front (¶S[n])
};

// The legend a curve gets on insertion: its title, or "Courbe n° k" (k =
// index + 1) when the title is empty or the number is chosen; then the case
// change, then the font code in front.
std::string defaultLegendText(const Curve& curve, int curveIndex, const LegendTextOptions& options);

// Inserts a title (slot 0, 1) or axis label (2 .. 5) with its default text
// and the placement; false (nothing changed) for another slot, an invalid
// code or a slot that already holds a text.
bool insertLabel(Diagram& diagram, int slot, int placement, std::string_view unitText = {});

// Gives the curve its default legend and, when the legend block was empty,
// the block the placement; false for a bad curve index or placement code.
bool insertLegend(Diagram& diagram, int curveIndex, int placement, const LegendTextOptions& options);

// Gives every curve without a legend its default legend (the block gets the
// placement when it was empty); the number of legends added.
int insertAllLegends(Diagram& diagram, int placement, const LegendTextOptions& options);

// Inserts a tag in the first free tag slot at `position` (anchor units) with
// the text alignment 1 left, 2 right or 3 centred, on top of the stack; the
// tag index 0 .. 9, or −1 when all ten tags are in use or the alignment is bad.
int insertTag(Diagram& diagram, int alignment, const std::array<double, 2>& position = {0.0, 0.0});

// Empties a title or axis label slot (0 .. 5).
void deleteLabel(Diagram& diagram, int slot);
// Empties the titles and axis labels (slots 0 .. 5).
void deleteAllLabels(Diagram& diagram);
// Removes a curve's legend; the block is emptied with the last legend.
void deleteLegend(Diagram& diagram, int curveIndex);
// Removes every legend and empties the legend block.
void deleteAllLegends(Diagram& diagram);
// Frees a tag (0 .. 9): text, position and zOrder go; the tags above it move down one level.
void deleteTag(Diagram& diagram, int tag);
// Frees every tag.
void deleteAllTags(Diagram& diagram);

// Sets the placement code of a non-empty slot 0 .. 6 (or the alignment of a
// tag); false when the slot is empty or the code does not suit it.
bool repositionLabel(Diagram& diagram, int slot, int placement);

// Moves a tag in use to a new position (anchor units); false for a free tag.
bool moveTag(Diagram& diagram, int tag, const std::array<double, 2>& position);

// Number of tags in use (zOrder 0 or more).
int tagsInUse(const Diagram& diagram);

// "Placer au-dessus": the tag takes the highest rank (tags in use − 1) and
// every tag that was above it moves down one; false for a free tag.
bool raiseTag(Diagram& diagram, int tag);
// "Placer au-dessous": the tag takes rank 0 and every tag that was below it
// moves up one; false for a free tag.
bool lowerTag(Diagram& diagram, int tag);

}  // namespace ordinax::document
