// The coordinates grid of one curve as rules over plain records: the
// rectangle of selected cells, copying, cutting and deleting rows, inserting
// a point, typing a value into a cell, finding a value, choosing rows by
// number, and the history of the grid's last actions. Messages are returned
// to the caller, which shows them; confirmations are asked by the caller.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "base/message.h"
#include "document/diagram.h"

namespace ordinax::document {

// Columns of the grid, as the selection counts them.
inline constexpr int GridColumnX = 1;
inline constexpr int GridColumnY = 2;

// A rectangle of cells: left and right columns (1 X, 2 Y), top and bottom
// rows (0-based point indexes), in either order; all -1 when nothing is selected.
struct GridSelection {
    int left = -1;
    int right = -1;
    int top = -1;
    int bottom = -1;

    bool empty() const { return left < 0 || right < 0 || top < 0 || bottom < 0; }
    int firstColumn() const { return left < right ? left : right; }
    int lastColumn() const { return left < right ? right : left; }
    int firstRow() const { return top < bottom ? top : bottom; }
    int lastRow() const { return top < bottom ? bottom : top; }
    int rowCount() const { return empty() ? 0 : lastRow() - firstRow() + 1; }
    int columnCount() const { return empty() ? 0 : lastColumn() - firstColumn() + 1; }
    // (|right − left| + 1) × (|bottom − top| + 1); 0 when nothing is selected.
    long long cellCount() const { return static_cast<long long>(rowCount()) * columnCount(); }
    // 0 the X column only, 1 the Y column only, 2 whole rows, -1 nothing.
    int kind() const;

    static GridSelection none() { return {}; }
    static GridSelection rows(int top, int bottom) { return {GridColumnX, GridColumnY, top, bottom}; }
    static GridSelection column(int column, int top, int bottom) { return {column, column, top, bottom}; }
    bool operator==(const GridSelection&) const = default;
};

// The selection without the rows past the last point (and without columns
// other than 1 and 2); nothing when no selected cell holds a point.
GridSelection clipSelection(const GridSelection& selection, int pointCount);

// Marks of the per-point flag strings: a cell the user typed or pasted in
// this grid, or one left as it was.
inline constexpr char CellEdited = '1';
inline constexpr char CellKept = '0';

// What the grid edits: the curve and one flag per point for its X and Y cells.
struct GridCurve {
    Curve curve;
    std::string xFlags;
    std::string yFlags;

    // The grid of a curve, no cell marked.
    static GridCurve of(const Curve& curve);
    int pointCount() const { return curve.pointCount(); }
    bool operator==(const GridCurve&) const = default;
};

// The flags after a tool changed the points: with the same number of
// points, every cell whose value differs from `before` is marked, the other
// marks kept; with another number of points no cell is marked.
void markChangedCells(GridCurve& grid, const GridCurve& before);

// One typed cell as the history keeps it: what the cell held before, or
// that the point was appended by typing into the grid's last row.
struct CellChange {
    int row = 0;
    int column = GridColumnX;
    double previous = 0.0;
    char previousFlag = CellKept;
    bool appended = false;
};

// The last actions of the grid: up to ten steps, newest last. A step is a
// snapshot of the grid, or a single typed cell (kept as the cell alone, so
// that typing into a million points copies none of them).
class GridHistory {
public:
    static constexpr int Capacity = 10;

    // Keeps `snapshot` as the newest; the oldest is dropped past ten.
    void push(GridCurve snapshot);
    void push(const CellChange& cell);
    // Keeps `before` when `after` differs from it; true when kept.
    bool record(const GridCurve& before, const GridCurve& after);
    // Puts the newest step back into `grid` (the title stays as typed
    // since); false when there is none.
    bool undo(GridCurve& grid);
    bool canUndo() const { return !steps_.empty(); }
    int size() const { return static_cast<int>(steps_.size()); }
    void clear() { steps_.clear(); }

private:
    void dropOldest();
    std::deque<std::variant<GridCurve, CellChange>> steps_;
};

// "&Copier": the selected rows as text, one line per row, lines separated by
// CR LF with none after the last: the X value, the Y value, or "X\tY", each
// "%g" with "." as decimal point (with more digits when six would not give
// the value back). Refused (empty text, message) without a point or with
// fewer than 2 selected cells.
struct CopyResult {
    std::string text;
    base::Message message;
};
CopyResult copyCells(const Curve& curve, const GridSelection& selection);

// "C&ouper" needs at least 2 cells of whole rows; empty when it may go on.
base::Message checkCut(const GridSelection& selection);
// "&Supprimer" needs more than one cell of whole rows; empty when it may go on.
base::Message checkDelete(const GridSelection& selection);
// The question asked before cutting or deleting rows.
base::Message deleteRowsConfirmation();
// Removes the selected rows; the later points and their flags move up.
bool deleteRows(GridCurve& grid, const GridSelection& selection);

// "Insé&rer" needs room for one more point and exactly one whole row
// selected; empty when it may go on.
base::Message checkInsert(int pointCount, const GridSelection& selection);
// Inserts `point` before row `before` (at the end when it is the point
// count); its cells are marked. False when the curve is full.
bool insertPoint(GridCurve& grid, int before, Point point);

// A value typed into cell (row, column): "." or "," as decimal point, blanks
// around ignored. Row pointCount (the grid's last, empty row) appends a point
// whose other coordinate is 0. An empty text changes nothing; a text that is
// not a number, a number beyond ±1e35 or a full curve gives its message and
// changes nothing.
struct CellEdit {
    bool changed = false;
    base::Message message;
    CellChange change;  // what to keep for going back, when changed
};
CellEdit setCell(GridCurve& grid, int row, int column, std::string_view text);

// The least and greatest x and y of the points (non-numbers left out);
// nothing for a curve without a number.
struct PointExtent {
    double xMin = 0.0;
    double xMax = 0.0;
    double yMin = 0.0;
    double yMax = 0.0;
};
std::optional<PointExtent> pointExtent(const Curve& curve);

// The choices of the search dialog.
enum class SearchWhat { Value, Minimum, Maximum };
enum class SearchWhere { Abscissas, Ordinates, Both };
struct SearchRequest {
    SearchWhat what = SearchWhat::Value;
    SearchWhere where = SearchWhere::Both;
    double value = 0.0;  // the value searched when `what` is Value
};

// The value a request looks for: the typed value, or the least (greatest)
// value of the columns searched; nothing for a curve without a number.
std::optional<double> searchedValue(const Curve& curve, const SearchRequest& request);

// The first row from `start` on, wrapping round to row 0, whose X, Y or
// either (by `where`) equals `value` exactly. Not found after a full turn:
// row -1 and "La valeur %g n'a pas été trouvée !" (heading ERREUR).
struct SearchResult {
    int row = -1;
    base::Message message;
};
SearchResult findRow(const Curve& curve, SearchWhere where, double value, int start);

// The rows chosen in the "Sélectionner" dialog: 1-based numbers (either
// order), or every row; the columns searched as for the search. Rows past the
// last point are left out.
enum class SelectColumns { Abscissas, Ordinates, Both };
GridSelection selectRows(int pointCount, int fromRow, int toRow, bool everyRow, SelectColumns columns);

}  // namespace ordinax::document
