// The rules of the curve menu's dialogs that the operations themselves do
// not hold: the acquisition modes of a new curve, default titles, which
// buttons are enabled, the starting values of the delimitation and the lines
// of the information dialog.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document/curve_operations.h"
#include "document/diagram.h"

namespace ordinax::document {

// The five ways of acquiring a new curve, in the order the dialog lists them.
enum class NewCurveMode { Manual, OtherFile, TextImport, Function, Picture };
inline constexpr std::array<NewCurveMode, 5> NewCurveModes = {NewCurveMode::Manual, NewCurveMode::OtherFile,
                                                              NewCurveMode::TextImport, NewCurveMode::Function,
                                                              NewCurveMode::Picture};

// The title a new curve gets: the typed text (Windows-1252, cut at 512
// bytes), or "Courbe n° N" for the slot `index` when nothing was typed.
std::string titleOrDefault(std::string_view typed, int index);

// The title offered for the copy of `source`: "<title> (copie)".
std::string duplicateTitle(const Curve& source);

// The title offered for a concatenation.
std::string concatenateTitle();

// Whether the OK button of the duplicate dialog may be pressed: a source chosen.
bool canDuplicate(const Diagram& diagram, int chosen);

// Whether the OK button of the concatenation may be pressed: at least two curves chosen.
bool canConcatenate(std::span<const int> chosen);

// Whether "delete the functions" may be pressed: a chosen curve has an analytic function.
bool anyFunction(const Diagram& diagram, std::span<const int> chosen);

// The buttons of the order dialog for the curve at `position` of `count`.
struct OrderButtons {
    bool top = false;
    bool up = false;
    bool down = false;
    bool bottom = false;
    bool sort = false;  // both sorts: at least two curves
};
OrderButtons orderButtons(int position, int count);

// What the delimitation dialog shows when it opens: the selected curve's
// bounds and exclusion flag; with no single curve selected, the first
// curve's, applied to every curve (the choice is then fixed).
struct DelimitStart {
    CurveBounds bounds = {};
    bool allCurves = false;
    bool allCurvesFixed = false;
    bool excludePoints = false;
};
DelimitStart delimitStart(const Diagram& diagram, int selected);

// The "[mini, maxi]" bounds: the extent of the selected curve, or of every
// curve with points when no single curve is selected.
CurveBounds delimitExtent(const Diagram& diagram, int selected);

// One line of the information dialog: its label and its value (UTF-8).
struct InformationLine {
    std::string label;
    std::string value;
};
// The lines for a curve: title, number of points, least and greatest x and y.
std::vector<InformationLine> informationLines(const Diagram& diagram, int curve);

// A new empty curve for the manual entry of its points: the next slot, with
// the symbol and lines of the preferences (see newCurveStyle) and the default
// title, selected; a diagram never shown is shown. A full diagram gives its
// message and changes nothing.
CurveOpResult newManualCurve(Diagram& diagram, const DiagramDefaults& defaults, const SymbolStyle& symbol,
                             const LineStyle& line, bool changeSymbol, int selected);

// Appends a copy of `source`, a curve of another diagram, and selects it. Its
// analytic function gets an id of its own here, so that it is not taken for
// the function of another curve. A full diagram gives its message.
CurveOpResult takeCurve(Diagram& diagram, const Curve& source, int selected);

// The curve a command on "the selected curve" works on without asking: the
// selection, or the only curve; -1 when the user has to choose.
int commandCurve(const Diagram& diagram, int selected);

}  // namespace ordinax::document
