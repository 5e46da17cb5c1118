// The tools of the points grid that transform a curve's points: sort, invert
// X and Y, average, cumulate, cumulative frequencies, limit, numeric sequence,
// polar/cartesian and the correction functions. Each takes the edited curve
// and the grid's selection, checks the selection rule of its tool, and
// returns the message to show (a refusal leaves the curve untouched). The
// confirmations are asked by the caller before it calls the tool; the caller
// also recomputes the curve's extent afterwards (it depends on the diagram's
// scales).
#pragma once

#include "base/message.h"
#include "document/diagram.h"
#include "numerics/correction_functions.h"

namespace ordinax::numerics {

// Which cells of the grid are selected: whole rows (both columns) or part of
// one column, from row `first` to row `last` (0-based point indexes, either
// order); nothing when `first` is -1.
struct Selection {
    enum class Column { X, Y, Both };
    Column column = Column::Both;
    int first = -1;
    int last = -1;

    bool empty() const { return first < 0 || last < 0; }
    // The grid's kind: 0 the X column, 1 the Y column, 2 whole rows, -1 nothing.
    int kind() const;
    // The lower and the upper selected row.
    int top() const { return first < last ? first : last; }
    int bottom() const { return first < last ? last : first; }

    static Selection none() { return {}; }
    // Every row of one column (or both) of a curve of `pointCount` points.
    static Selection all(Column column, int pointCount) { return {column, 0, pointCount - 1}; }
    static Selection rows(Column column, int first, int last) { return {column, first, last}; }
};

// The tools, for the selection rule they follow.
enum class CoordinateTool {
    Limit,
    Sort,
    Invert,
    PolarCartesian,
    Correction,
    Sequence,
    Average,
    Cumulate,
    CumulativeFrequency,
};

// What a tool did: whether the points changed, and the message to show: the
// refusal (nothing changed) or a warning such as the clipping message.
struct ToolResult {
    bool changed = false;
    base::Message message;
};

// Returns the message refusing `selection` for `tool` (38, 97 or 233), empty
// when the selection suits it. Limit, average and cumulate need one whole
// column; sort and correction a selection inside one column; the inversion
// nothing or whole rows.
base::Message checkSelection(CoordinateTool tool, const Selection& selection, int pointCount);

// The question asked before averaging on the selected column (46 or 234).
base::Message averageConfirmation(const Selection& selection);
// The question asked before cumulative frequencies unless exactly the y
// column is selected (50); empty when none is needed.
base::Message cumulativeFrequencyConfirmation(const Selection& selection, int pointCount);

// Reorders the points as pairs by the selected column's value, ascending or
// descending, over the selected rows only.
ToolResult sortPoints(document::Curve& curve, const Selection& selection, bool descending);

// Exchanges x and y of every point (nothing selected) or of the selected rows.
ToolResult invertCoordinates(document::Curve& curve, const Selection& selection);

// Replaces each run of consecutive points sharing the same y (x column
// selected) by its first point carrying the mean x of the run; with the y
// column selected, runs of equal x and the mean of their y.
ToolResult averageCoordinates(document::Curve& curve, const Selection& selection);

// Replaces each value of the selected column by the running sum of the column
// up to it, each sum limited to ±1e35.
ToolResult cumulateCoordinates(document::Curve& curve, const Selection& selection);

// Sorts the points by increasing x and replaces each y by the running sum of
// y/Σy (the last becomes 1). Refuses fewer than 2 points, a negative y (54)
// and a zero sum (52) without changing anything.
ToolResult cumulativeFrequencies(document::Curve& curve);

// Keeps the points whose selected coordinate lies in [mini, maxi] (bounds
// swapped when reversed), or removes exactly those with `removeInside`.
ToolResult limitCoordinates(document::Curve& curve, const Selection& selection, double mini, double maxi,
                            bool removeInside);

// The choices of the numeric sequence dialog; rows counted from 1.
struct SequenceParameters {
    int fromRow = 1;
    int toRow = 1;
    double first = 0.0;
    double step = 1.0;
    bool abscissas = false;
    bool ordinates = false;
};

// Gives rows fromRow..toRow the values first + (k - fromRow)·step in the chosen
// coordinates, growing the curve when toRow is past its last point (the other
// coordinate of a new row is 0).
ToolResult numericSequence(document::Curve& curve, const SequenceParameters& parameters);

// Converts every point from cartesian (x, y) to polar (x = θ, y = r), angles in
// radians or degrees.
ToolResult cartesianToPolar(document::Curve& curve, bool degrees);
// Converts every point from polar (x = θ, y = r) to cartesian.
ToolResult polarToCartesian(document::Curve& curve, bool degrees);

// The four operations of the correction dialog: the source and the target column.
enum class CorrectionOperation { XOfX, YOfY, XOfY, YOfX };  // "x = f(x)", "y = f(y)", "x = f(y)", "y = f(x)"

// Writes f(source) into the target column of the selected rows, each result
// limited to ±1e35; ends with the clipping message 231 when any was limited.
ToolResult applyCorrection(document::Curve& curve, const Selection& selection, CorrectionOperation operation,
                           const CorrectionParameters& parameters);

}  // namespace ordinax::numerics
