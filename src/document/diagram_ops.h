// Operations over the diagram record shared by every command: extents, data
// ranges, default titles, curve allocation, compaction and label line counts.
#pragma once

#include <array>
#include <span>

#include "document/diagram.h"
#include "document/diagram_defaults.h"

namespace ordinax::document {

inline constexpr double ValueLimit = 1.0e35;
// Default title of a curve, in Windows-1252 ("Courbe n° %d").
inline constexpr const char* DefaultCurveTitle = "Courbe n\xB0 %d";

// Recomputes the extent of x (which 0), y (1) or both (-1) of one curve.
void curveExtent(const Diagram& diagram, Curve& curve, int which);
inline void curveExtent(Diagram& diagram, int curveIndex, int which) {
    curveExtent(diagram, diagram.curves[static_cast<std::size_t>(curveIndex)], which);
}

// Recomputes every curve's extent (both directions).
void recomputeExtents(Diagram& diagram);

// True when no main scale of `diagram` filters points (no LOG axis, no
// probability y axis): a curve's extent is then the range of all its points
// and can be taken block by block with PlainExtent.
bool hasPlainExtents(const Diagram& diagram);

// The extent of points given in successive blocks, the same as curveExtent
// gives for them all at once on a diagram with plain extents.
class PlainExtent {
public:
    void add(std::span<const Point> points);
    std::array<std::array<double, 2>, 2> result() const;

private:
    bool any_ = false;
    double loX_ = DoubleMax, hiX_ = -DoubleMax, loY_ = DoubleMax, hiY_ = -DoubleMax;
};

// Recomputes dataRange of X (0), Y (1) or both (-1) from the curve extents.
void diagramDataRange(Diagram& diagram, bool onlyActive, int which);

// Gives the default-titled curves their number in the list again.
void renumberDefaultTitles(Diagram& diagram);

struct AllocateResult {
    int index = -1;    // the new slot, or the selected curve when the diagram is full
    bool full = false;  // MaxCurves reached: the caller shows the full-diagram message
};
// Returns a new, reset curve slot. A blank diagram (no curve, never displayed)
// is first reset from the defaults.
AllocateResult allocateCurve(Diagram& diagram, const DiagramDefaults& defaults, int selectedCurve);

// Removes the curves without points, keeping the order of the others.
void compactCurves(Diagram& diagram);

// Recomputes lineCount of every label slot; empty slots get placement -1 and
// lineCount 0, an empty tag its position zeroed.
void updateLabelLineCounts(Diagram& diagram);

// Brings a symbol number above 23 back by steps of 22.
int reduceSymbolNumber(int number);

}  // namespace ordinax::document
