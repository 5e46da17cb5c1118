// Whole-curve operations of the curve menu: new, duplicate, concatenate,
// delete, order, activate, delimit, select and information. The selected
// curve belongs to the view: it is passed in and the new one is returned.
// Messages are returned to the caller, which shows them.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/message.h"
#include "document/diagram.h"
#include "document/diagram_defaults.h"

namespace ordinax::document {

// What an operation did: whether the diagram changed, the selected curve
// afterwards (-1 = all curves) and the message to show, if any.
struct CurveOpResult {
    bool changed = false;
    int selected = -1;
    base::Message message;
};

// The "diagram full" error shown when MaxCurves is reached.
base::Message diagramFullMessage();

// Takes a new, reset curve slot (see allocateCurve) and selects it; reports
// the full diagram and changes nothing when MaxCurves is reached.
CurveOpResult newCurve(Diagram& diagram, const DiagramDefaults& defaults, int selected);

// Appends a copy of curve `source` titled `title` and selects it. A copy of
// the holder of a parametric family gets default function settings.
CurveOpResult duplicateCurve(Diagram& diagram, int source, std::string_view title, int selected);

// Appends one curve made of the points of `sources` (taken in list order,
// each once) with the default symbol and `title`, and selects it.
CurveOpResult concatenateCurves(Diagram& diagram, std::span<const int> sources, std::string_view title,
                                const SymbolStyle& defaultSymbol, int selected);

// The confirmation asked before deleting `count` curves (heading ATTENTION).
base::Message deleteCurvesConfirmation(int count);
// The confirmation asked before removing the functions of `count` curves.
base::Message deleteFunctionsConfirmation(int count);

// Removes the curves `indices` (already confirmed by the user).
CurveOpResult deleteCurves(Diagram& diagram, std::span<const int> indices, int selected);

// Unlinks every curve sharing the function of one of the curves `indices`
// (functionId becomes 0); the points stay.
CurveOpResult deleteFunctions(Diagram& diagram, std::span<const int> indices, int selected);

enum class OrderMove { Top, Up, Down, Bottom, SortAZ, SortZA };

// Result of a reordering: `position` is where the chosen curve now stands
// (-1 after a sort).
struct OrderResult {
    bool changed = false;
    int selected = -1;
    int position = -1;
};

// Moves curve `chosen` (Top, Up, Down, Bottom) or sorts all curves by title
// (SortAZ, SortZA, `chosen` unused). The selection follows its curve on a
// move and becomes -1 after a sort.
OrderResult orderCurves(Diagram& diagram, OrderMove move, int chosen, int selected);

// Byte-by-byte title comparison used by the sorts (<0, 0, >0).
int compareTitles(std::string_view a, std::string_view b);

// Sets each curve's hidden flag from `active` (true = shown); curves beyond
// the vector keep their flag. Recomputes the data range of the active curves.
bool setActiveCurves(Diagram& diagram, const std::vector<bool>& active);

// [direction 0 X / 1 Y][0 lower / 1 upper]
using CurveBounds = std::array<std::array<double, 2>, 2>;

// The "Défaut" bounds: -1e35 and +1e35 in both directions.
CurveBounds defaultBounds();
// The "[mini, maxi]" bounds: the extent of the curve's points.
CurveBounds extentBounds(const Diagram& diagram, int curve);

// Stores the bounds (a lower above its upper is swapped with it) and the
// exclude-points flag in the selected curve, or in every curve when
// `allCurves` is set or the selection is -1.
bool delimitCurves(Diagram& diagram, int selected, CurveBounds bounds, bool allCurves, bool excludePoints);

// The selection after choosing `chosen` in the list; an invalid choice keeps
// `selected`.
int selectCurve(const Diagram& diagram, int chosen, int selected);

struct CurveInformation {
    std::string title;
    int pointCount = 0;
    CurveBounds extent = {};  // [direction][0 min / 1 max] of the points
};

// Title, point count and extent of the selected curve; nothing when the
// selection is not one curve.
std::optional<CurveInformation> curveInformation(const Diagram& diagram, int selected);

}  // namespace ordinax::document
