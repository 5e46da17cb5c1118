// The grid dialog ("Quadrillage du diagramme") as rules over the scales: the
// choices shown for the main scale of each direction, which of them are
// offered, and how they are written back into the scale records.
#pragma once

#include "document/diagram.h"

namespace ordinax::render {

// Line styles of the grids ("Normal", "Idem cadre", "Pointillés").
inline constexpr int GridLineStyleCount = 3;

// Tick lengths ("Dimension des tirets") accepted, in pixels.
inline constexpr int MinDashLength = 1;
inline constexpr int MaxDashLength = 50;

// What the dialog shows for one direction.
struct GridChoice {
    bool innerTicks = true;   // "Tirets intérieurs"
    bool outerTicks = false;  // "Tirets extérieurs"
    bool mainGrid = false;    // "Grille principale" (replaces the ticks)
    int mainGridStyle = 0;
    bool subGrid = false;  // "Grille secondaire"
    int subGridStyle = 0;
    bool graduateBoth = false;  // "Graduer les 2 côtés"
    int dashLength = 5;         // "Dimension des tirets", pixels
    bool operator==(const GridChoice&) const = default;
};

// Which controls of a direction can be used.
struct GridOffers {
    bool ticks = true;           // the tick boxes (not with the main grid)
    bool mainGridStyle = false;  // with the main grid
    bool subGrid = false;        // with the main grid, on a LOG scale or a LIN scale with sub-divisions
    bool subGridStyle = false;   // with the secondary grid
    bool graduateBoth = false;   // when the scale facing the main one is inactive
    bool operator==(const GridOffers&) const = default;
};

// The side of the direction whose scale is the main one, as the drawing pass
// settles it: the active side when only one is, else the stored main side.
int mainSideOf(const document::Scales& scales, int direction);

// The graduation mode of the tick boxes and the grid box: 3 with the grid,
// else 0 inner, 1 outer, 2 both, -1 neither (no graduation marks).
int graduationMode(bool inner, bool outer, bool grid);

// The choices of a direction read from its main scale.
GridChoice readGridChoice(const document::Diagram& diagram, int direction);

// The controls offered for `choice` on the diagram's scales.
GridOffers gridOffers(const document::Diagram& diagram, int direction, const GridChoice& choice);

// Writes the choices into the main scale of the direction and the tick
// length; a secondary grid that is not offered is stored off, styles are
// limited to the known ones and the tick length to its bounds.
void applyGridChoice(document::Diagram& diagram, int direction, const GridChoice& choice);

}  // namespace ordinax::render
