// The coordinates grid's editing rules. Every operation works in place on
// the curve's point buffer (one detach at most) so that a million points
// stay quick.
#include "document/point_grid.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "base/format.h"
#include "base/number_field.h"
#include "base/strings.h"
#include "base/strings_curves.h"

namespace ordinax::document {

namespace {

using base::Heading;
using base::makeMessage;

std::string keptFlags(int count) {
    return std::string(static_cast<std::size_t>(std::max(count, 0)), CellKept);
}

// The flag strings always hold one mark per point, whatever produced the curve.
void fitFlags(GridCurve& grid) {
    const auto n = static_cast<std::size_t>(grid.pointCount());
    grid.xFlags.resize(n, CellKept);
    grid.yFlags.resize(n, CellKept);
}

double& coordinate(Point& p, int column) { return column == GridColumnX ? p.x : p.y; }

// Appends v as "%g" writes it (three exponent digits, as every number the
// program writes), with more digits only when six would change the value: a
// copy pasted back gives the same points. The shortest text that reads back
// tells how many digits are needed; std::to_chars does both conversions
// without the cost of printf, which a million rows would feel.
void appendCopied(std::string& out, double v) {
    char text[64];
    char* end = std::to_chars(text, text + sizeof text, v).ptr;
    int digits = 0;
    bool leading = true;
    for (const char* c = text; c != end && *c != 'e'; ++c) {
        if (*c < '0' || *c > '9') continue;
        if (leading && *c == '0') continue;
        leading = false;
        ++digits;
    }
    end = std::to_chars(text, text + sizeof text, v, std::chars_format::general, std::max(digits, 6)).ptr;
    const char* e = std::find(text, end, 'e');
    if (e == end) {
        out.append(text, static_cast<std::size_t>(end - text));
        return;
    }
    // "e-07" becomes "e-007".
    out.append(text, static_cast<std::size_t>(e + 2 - text));
    for (std::ptrdiff_t written = end - (e + 2); written < 3; ++written) out += '0';
    out.append(e + 2, static_cast<std::size_t>(end - (e + 2)));
}

bool differs(double a, double b) {
    // Bitwise, so that a value typed again over itself is no change, NaN included.
    return std::memcmp(&a, &b, sizeof a) != 0;
}

}  // namespace

int GridSelection::kind() const {
    if (empty()) return -1;
    if (firstColumn() == GridColumnX && lastColumn() == GridColumnX) return 0;
    if (firstColumn() == GridColumnY && lastColumn() == GridColumnY) return 1;
    return 2;
}

GridSelection clipSelection(const GridSelection& selection, int pointCount) {
    if (selection.empty() || pointCount <= 0) return {};
    const int left = std::max(selection.firstColumn(), GridColumnX);
    const int right = std::min(selection.lastColumn(), GridColumnY);
    const int top = std::max(selection.firstRow(), 0);
    const int bottom = std::min(selection.lastRow(), pointCount - 1);
    if (left > right || top > bottom) return {};
    return {left, right, top, bottom};
}

GridCurve GridCurve::of(const Curve& curve) {
    return GridCurve{curve, keptFlags(curve.pointCount()), keptFlags(curve.pointCount())};
}

void markChangedCells(GridCurve& grid, const GridCurve& before) {
    if (grid.pointCount() != before.pointCount()) {
        grid.xFlags = keptFlags(grid.pointCount());
        grid.yFlags = keptFlags(grid.pointCount());
        return;
    }
    fitFlags(grid);
    if (grid.curve.points.sharesWith(before.curve.points)) return;
    const auto now = grid.curve.points.view();
    const auto was = before.curve.points.view();
    for (std::size_t i = 0; i < now.size(); ++i) {
        if (differs(now[i].x, was[i].x)) grid.xFlags[i] = CellEdited;
        if (differs(now[i].y, was[i].y)) grid.yFlags[i] = CellEdited;
    }
}

void GridHistory::dropOldest() {
    while (static_cast<int>(steps_.size()) > Capacity) steps_.pop_front();
}

void GridHistory::push(GridCurve snapshot) {
    steps_.emplace_back(std::move(snapshot));
    dropOldest();
}

void GridHistory::push(const CellChange& cell) {
    steps_.emplace_back(cell);
    dropOldest();
}

bool GridHistory::record(const GridCurve& before, const GridCurve& after) {
    if (before == after) return false;
    push(before);
    return true;
}

bool GridHistory::undo(GridCurve& grid) {
    if (steps_.empty()) return false;
    auto step = std::move(steps_.back());
    steps_.pop_back();
    if (auto* cell = std::get_if<CellChange>(&step)) {
        fitFlags(grid);
        const auto row = static_cast<std::size_t>(cell->row);
        if (cell->appended) {
            if (row + 1 != grid.curve.points.size()) return true;  // not the last point any more: nothing to take back
            grid.curve.points.resize(row);
            grid.xFlags.resize(row);
            grid.yFlags.resize(row);
            return true;
        }
        if (row >= grid.curve.points.size()) return true;
        coordinate(grid.curve.points.edit()[row], cell->column) = cell->previous;
        (cell->column == GridColumnX ? grid.xFlags : grid.yFlags)[row] = cell->previousFlag;
        return true;
    }
    // The title is typed, not an action of the grid: going back keeps it.
    std::string title = std::move(grid.curve.title);
    grid = std::move(std::get<GridCurve>(step));
    grid.curve.title = std::move(title);
    fitFlags(grid);
    return true;
}

CopyResult copyCells(const Curve& curve, const GridSelection& selection) {
    const GridSelection cells = clipSelection(selection, curve.pointCount());
    if (curve.pointCount() < 1 || cells.cellCount() < 2)
        return {{}, makeMessage(base::MsgGridCopyImpossible, Heading::Warning)};
    const auto points = curve.points.view();
    const int kind = cells.kind();
    std::string text;
    text.reserve(static_cast<std::size_t>(cells.rowCount()) * (kind == 2 ? 26 : 13));
    for (int row = cells.firstRow(); row <= cells.lastRow(); ++row) {
        const Point& p = points[static_cast<std::size_t>(row)];
        if (row != cells.firstRow()) text += "\r\n";
        if (kind == 2) {
            appendCopied(text, p.x);
            text += '\t';
            appendCopied(text, p.y);
        } else {
            appendCopied(text, kind == 0 ? p.x : p.y);
        }
    }
    return {std::move(text), {}};
}

base::Message checkCut(const GridSelection& selection) {
    if (selection.kind() != 2 || selection.cellCount() < 2)
        return makeMessage(base::MsgGridCutImpossible, Heading::Warning);
    return {};
}

base::Message checkDelete(const GridSelection& selection) {
    if (selection.kind() != 2 || selection.cellCount() <= 1)
        return makeMessage(base::MsgGridDeleteImpossible, Heading::Warning);
    return {};
}

base::Message deleteRowsConfirmation() {
    return makeMessage(base::MsgGridDeleteConfirm, Heading::Warning);
}

bool deleteRows(GridCurve& grid, const GridSelection& selection) {
    const GridSelection rows = clipSelection(selection, grid.pointCount());
    if (rows.kind() != 2) return false;
    fitFlags(grid);
    const auto first = static_cast<std::size_t>(rows.firstRow());
    const auto count = static_cast<std::size_t>(rows.rowCount());
    const std::span<Point> points = grid.curve.points.edit();
    std::copy(points.begin() + static_cast<std::ptrdiff_t>(first + count), points.end(),
              points.begin() + static_cast<std::ptrdiff_t>(first));
    grid.curve.points.resize(points.size() - count);
    grid.xFlags.erase(first, count);
    grid.yFlags.erase(first, count);
    return true;
}

base::Message checkInsert(int pointCount, const GridSelection& selection) {
    if (pointCount >= MaxPoints) return makeMessage(base::MsgGridInsertFull, Heading::Error);
    const GridSelection rows = clipSelection(selection, pointCount);
    if (rows.kind() != 2 || rows.cellCount() != 2) return makeMessage(base::MsgGridInsertSelectRow, Heading::Warning);
    return {};
}

bool insertPoint(GridCurve& grid, int before, Point point) {
    const int n = grid.pointCount();
    if (n >= MaxPoints || before < 0 || before > n) return false;
    fitFlags(grid);
    grid.curve.points.resize(static_cast<std::size_t>(n) + 1);
    const std::span<Point> points = grid.curve.points.edit();
    std::copy_backward(points.begin() + before, points.end() - 1, points.end());
    points[static_cast<std::size_t>(before)] = point;
    grid.xFlags.insert(static_cast<std::size_t>(before), 1, CellEdited);
    grid.yFlags.insert(static_cast<std::size_t>(before), 1, CellEdited);
    return true;
}

CellEdit setCell(GridCurve& grid, int row, int column, std::string_view text) {
    const int n = grid.pointCount();
    if (row < 0 || row > n || (column != GridColumnX && column != GridColumnY)) return {};
    const base::NumberFieldCheck check = base::checkRealField(text);
    switch (check.outcome) {
        case base::NumberFieldCheck::Outcome::Restore: {
            std::string_view typed = text;
            while (!typed.empty() && (typed.front() == ' ' || typed.front() == '\t')) typed.remove_prefix(1);
            while (!typed.empty() && (typed.back() == ' ' || typed.back() == '\t')) typed.remove_suffix(1);
            // An emptied cell keeps its value: only a wrong text deserves a word.
            if (typed.empty()) return {};
            return {false, makeMessage(base::MsgGridCellNotNumber, Heading::Warning, typed), {}};
        }
        case base::NumberFieldCheck::Outcome::Refused: {
            base::Message refused = check.message;
            refused.heading = Heading::Warning;
            return {false, std::move(refused), {}};
        }
        case base::NumberFieldCheck::Outcome::Accepted:
            break;
    }
    fitFlags(grid);
    if (row == n) {
        if (n >= MaxPoints) return {false, makeMessage(base::MsgGridInsertFull, Heading::Error), {}};
        Point added;
        coordinate(added, column) = check.value;
        grid.curve.points.resize(static_cast<std::size_t>(n) + 1);
        grid.curve.points.edit()[static_cast<std::size_t>(n)] = added;
        grid.xFlags.push_back(column == GridColumnX ? CellEdited : CellKept);
        grid.yFlags.push_back(column == GridColumnY ? CellEdited : CellKept);
        return {true, {}, CellChange{row, column, 0.0, CellKept, true}};
    }
    const Point& was = grid.curve.points[static_cast<std::size_t>(row)];
    const double previous = column == GridColumnX ? was.x : was.y;
    if (!differs(previous, check.value)) return {};
    char& flag = (column == GridColumnX ? grid.xFlags : grid.yFlags)[static_cast<std::size_t>(row)];
    const CellChange change{row, column, previous, flag, false};
    coordinate(grid.curve.points.edit()[static_cast<std::size_t>(row)], column) = check.value;
    flag = CellEdited;
    return {true, {}, change};
}

std::optional<PointExtent> pointExtent(const Curve& curve) {
    bool anyX = false;
    bool anyY = false;
    PointExtent e;
    for (const Point& p : curve.points.view()) {
        if (!std::isnan(p.x)) {
            e.xMin = anyX ? std::min(e.xMin, p.x) : p.x;
            e.xMax = anyX ? std::max(e.xMax, p.x) : p.x;
            anyX = true;
        }
        if (!std::isnan(p.y)) {
            e.yMin = anyY ? std::min(e.yMin, p.y) : p.y;
            e.yMax = anyY ? std::max(e.yMax, p.y) : p.y;
            anyY = true;
        }
    }
    if (!anyX && !anyY) return std::nullopt;
    // A column without a number takes the other's range, so both stay defined.
    if (!anyX) e.xMin = e.yMin, e.xMax = e.yMax;
    if (!anyY) e.yMin = e.xMin, e.yMax = e.xMax;
    return e;
}

std::optional<double> searchedValue(const Curve& curve, const SearchRequest& request) {
    if (request.what == SearchWhat::Value) return request.value;
    const auto extent = pointExtent(curve);
    if (!extent) return std::nullopt;
    const bool minimum = request.what == SearchWhat::Minimum;
    switch (request.where) {
        case SearchWhere::Abscissas:
            return minimum ? extent->xMin : extent->xMax;
        case SearchWhere::Ordinates:
            return minimum ? extent->yMin : extent->yMax;
        case SearchWhere::Both:
            break;
    }
    return minimum ? std::min(extent->xMin, extent->yMin) : std::max(extent->xMax, extent->yMax);
}

SearchResult findRow(const Curve& curve, SearchWhere where, double value, int start) {
    const auto points = curve.points.view();
    const std::size_t n = points.size();
    if (n > 0) {
        const std::size_t from = start < 0 ? 0 : static_cast<std::size_t>(start) % n;
        for (std::size_t i = 0; i < n; ++i) {
            const std::size_t row = (from + i) % n;
            const Point& p = points[row];
            const bool hit = where == SearchWhere::Abscissas ? p.x == value
                             : where == SearchWhere::Ordinates ? p.y == value
                                                               : (p.x == value || p.y == value);
            if (hit) return {static_cast<int>(row), {}};
        }
    }
    return {-1, makeMessage(base::MsgGridValueNotFound, Heading::Error, base::numberText(value))};
}

GridSelection selectRows(int pointCount, int fromRow, int toRow, bool everyRow, SelectColumns columns) {
    if (pointCount < 1) return {};
    int from = everyRow ? 1 : std::min(fromRow, toRow);
    int to = everyRow ? pointCount : std::max(fromRow, toRow);
    from = std::max(from, 1);
    to = std::min(to, pointCount);
    if (from > to) return {};
    switch (columns) {
        case SelectColumns::Abscissas:
            return GridSelection::column(GridColumnX, from - 1, to - 1);
        case SelectColumns::Ordinates:
            return GridSelection::column(GridColumnY, from - 1, to - 1);
        case SelectColumns::Both:
            break;
    }
    return GridSelection::rows(from - 1, to - 1);
}

}  // namespace ordinax::document
