// Automatic scales: the probability table of the HENRY scale, the automatic
// bounds and value format of a scale, the settlement of main sides done
// before each drawing pass, and the buttons of the scale dialog.
#pragma once

#include "document/diagram.h"

namespace ordinax::render {

// The table of the normal-probability scale: row r (1..13) holds a
// probability p, its quantile z and the tabulated Φ(z).
struct ProbabilityTable {
    static constexpr int FirstRow = 1;
    static constexpr int LastRow = 13;
    // Probability of a row; 0.5 outside 1..13 (row 0 is the centre).
    static double probability(int row);
    // Quantile z of a row; 0 outside 1..13.
    static double quantile(int row);
    // Tabulated Φ(z) of a row; 0.5 outside 1..13.
    static double tabulated(int row);
};

// Sets origin, extremity and step of `scale` from the data range (min, max)
// of its direction, by its kind. For HENRY, `henryExtentIndex` receives the
// table row of the bounds. Data beyond ±1e35 are taken as ±1e35.
void autoScale(document::AxisScale& scale, double min, double max, int& henryExtentIndex);

// The data range taken by a direction without any point.
inline constexpr double EmptyRangeMin = 0.0;
inline constexpr double EmptyRangeMax = 10.0;

// autoScale on the scale (direction, side) from the diagram's data range; a
// direction without points takes EmptyRangeMin .. EmptyRangeMax.
void autoScale(document::Diagram& diagram, int direction, int side);

// Chooses format and decimals of a scale from its kind and step.
void autoFormat(document::AxisScale& scale);

// Before each pass: settles the main side of each direction (activating
// side 0 when neither side is active), clears subGraduate of a LIN main scale
// without sub-divisions and aligns the facing scale's graduation mode on the
// main one (ticks copied, a grid gives inner ticks).
void settleScales(document::Scales& scales);

// The command "Échelles automatiques sur l'ensemble des courbes": the data
// range of the shown curves is recomputed, then every scale gets its
// automatic bounds and format.
void autoScalesAllCurves(document::Diagram& diagram);

// Dialog button "Défaut": kind LIN, no sub-divisions, no symbol, horizontal
// values, no custom symbol nor thousands grouping, automatic bounds and format.
void defaultScale(document::Diagram& diagram, int direction, int side);

// Dialog buttons "Auto" and "Réduite": automatic bounds and format.
void reducedScale(document::Diagram& diagram, int direction, int side);

// Dialog button "Etendue": the widest probability extent (0.001 .. 0.999).
void extendedScale(document::Diagram& diagram, int direction, int side);

// Dialog button "Dupliquer": copies the presentation of the scale facing this
// one on the same direction (kind, bounds, step, sub-divisions, format, symbol,
// orientation, custom symbol, thousands flag).
void duplicateFacingScale(document::Diagram& diagram, int direction, int side);

// A new value format chosen in the dialog: decimals go back to 2.
void changeFormat(document::AxisScale& scale, int format);

// A new kind chosen in the dialog: bounds and format are recomputed. HENRY
// exists only on the Y scales: returns false and changes nothing otherwise.
bool changeKind(document::Diagram& diagram, int direction, int side, int kind);

// A scale about to be shown in the dialog: one whose step is 0 becomes LIN
// with automatic bounds.
void prepareShownScale(document::Diagram& diagram, int direction, int side);

}  // namespace ordinax::render
