// Pasting clipboard text into the coordinates grid.
#include "exchange/grid_paste.h"

#include <algorithm>
#include <string>
#include <vector>

#include "base/encoding.h"
#include "base/format.h"
#include "base/strings.h"
#include "base/strings_curves.h"

namespace ordinax::exchange {

namespace {

using base::Heading;
using document::GridColumnX;
using document::GridColumnY;
using document::GridSelection;
using document::Point;

// Names longer than this are cut: a whole clipboard on one line is no name.
constexpr std::size_t MaxNameLength = 512;

base::Message impossible(int reason) {
    return base::makeMessage(base::MsgGridPasteImpossible, Heading::Warning, base::messageText(reason));
}

// The clipboard text as rows of cells; the views point into `text`.
struct Block {
    std::vector<std::string_view> cells;  // row by row
    int rows = 0;
    int columns = 0;
    bool turned = false;  // read column by column (the transpose of the text)

    std::string_view at(int row, int column) const {
        const int r = turned ? column : row;
        const int c = turned ? row : column;
        const int width = turned ? rows : columns;
        return cells[static_cast<std::size_t>(r) * static_cast<std::size_t>(width) + static_cast<std::size_t>(c)];
    }
    void turn() {
        turned = !turned;
        std::swap(rows, columns);
    }
};

// Splits the text at line feeds and tabs; false when the lines do not all
// have the same number of cells.
bool readBlock(std::string_view text, Block& block) {
    std::size_t begin = 0;
    while (begin <= text.size()) {
        std::size_t end = text.find('\n', begin);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(begin, end - begin);
        int count = 0;
        std::size_t cell = 0;
        while (true) {
            const std::size_t tab = line.find('\t', cell);
            block.cells.push_back(line.substr(cell, tab == std::string_view::npos ? line.size() - cell : tab - cell));
            ++count;
            if (tab == std::string_view::npos) break;
            cell = tab + 1;
        }
        if (block.rows == 0) block.columns = count;
        if (count != block.columns) return false;
        ++block.rows;
        begin = end + 1;
    }
    return true;
}

// A cell as a number: blanks removed, "," read as ".".
std::optional<double> cellNumber(std::string_view cell, std::string& scratch) {
    scratch.clear();
    for (char c : cell) {
        if (c == ' ' || c == '\t') continue;
        scratch += c == ',' ? '.' : c;
    }
    if (scratch.empty()) return std::nullopt;
    return base::parseNumber(scratch);
}

bool blank(std::string_view cell) {
    return std::all_of(cell.begin(), cell.end(), [](char c) { return c == ' ' || c == '\t'; });
}

std::string nameOf(std::string_view cell) {
    std::string name = base::utf8ToWindows1252Lossy(cell);
    const auto first = name.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    name = name.substr(first, name.find_last_not_of(' ') - first + 1);
    if (name.size() > MaxNameLength) name.resize(MaxNameLength);
    return name;
}

}  // namespace

PasteResult pasteCells(document::GridCurve& grid, const GridSelection& selection,
                       std::optional<std::string_view> clipboardText) {
    if (!clipboardText) return {false, base::makeMessage(base::MsgClipboardUnusable, Heading::Warning), {}};
    std::string text;
    text.reserve(clipboardText->size());
    for (char c : *clipboardText)
        if (c != '\r') text += c;
    // Spreadsheets end the last line too: that line end adds no row.
    while (!text.empty() && text.back() == '\n') text.pop_back();
    if (text.empty()) return {false, impossible(base::MsgClipboardEmpty), {}};

    Block block;
    if (!readBlock(text, block)) return {false, impossible(base::MsgGridPasteLayout), {}};

    const int pointCount = grid.pointCount();
    const GridSelection target = document::clipSelection(selection, pointCount);
    const bool intoSelection = target.cellCount() >= 2;
    if (intoSelection) {
        const bool same = block.rows == target.rowCount() && block.columns == target.columnCount();
        const bool transposed = block.rows == target.columnCount() && block.columns == target.rowCount();
        if (!same && !transposed) return {false, impossible(base::MsgGridPasteMismatch), {}};
        if (!same) block.turn();
    } else {
        if (block.columns != 2) {
            if (block.rows != 2) return {false, impossible(base::MsgGridPasteShape), {}};
            block.turn();
        }
    }

    // A first line that is not wholly numeric names the variables.
    std::string scratch;
    int firstRow = 0;
    for (int c = 0; c < block.columns; ++c) {
        if (!cellNumber(block.at(0, c), scratch)) {
            firstRow = 1;
            break;
        }
    }
    const int rows = block.rows - firstRow;
    const long long cells = static_cast<long long>(rows) * block.columns;
    if (cells > 2LL * (document::MaxPoints - pointCount)) return {false, impossible(base::MsgGridPasteTooMany), {}};

    // Which column each cell of a line goes to: the first to X and the second
    // to Y, or the first alone to Y when the selection starts in that column
    // (a block matching such a selection has one column).
    const bool yOnly = intoSelection && target.firstColumn() == GridColumnY;
    const int used = yOnly ? 1 : std::min(block.columns, 2);
    std::vector<double> values(static_cast<std::size_t>(rows) * static_cast<std::size_t>(used));
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < used; ++c) {
            const std::string_view cell = block.at(r + firstRow, c);
            if (blank(cell)) return {false, impossible(base::MsgGridPasteEmptyCell), {}};
            const auto value = cellNumber(cell, scratch);
            if (!value) return {false, impossible(base::MsgGridPasteNotNumeric), {}};
            values[static_cast<std::size_t>(r) * static_cast<std::size_t>(used) + static_cast<std::size_t>(c)] = *value;
        }
    }
    PasteResult result;
    result.changed = true;
    grid.xFlags.resize(static_cast<std::size_t>(pointCount), document::CellKept);
    grid.yFlags.resize(static_cast<std::size_t>(pointCount), document::CellKept);
    if (firstRow == 1) {
        // The names go to the columns the values go to.
        if (yOnly) {
            grid.curve.axisName[1] = nameOf(block.at(0, 0));
        } else {
            grid.curve.axisName[0] = nameOf(block.at(0, 0));
            if (used == 2) grid.curve.axisName[1] = nameOf(block.at(0, 1));
        }
    }
    if (rows == 0) return result;

    const int startRow = intoSelection ? target.firstRow() : pointCount;
    if (!intoSelection) grid.curve.points.resize(static_cast<std::size_t>(pointCount) + static_cast<std::size_t>(rows));
    const std::span<Point> points = grid.curve.points.edit();
    grid.xFlags.resize(points.size(), document::CellKept);
    grid.yFlags.resize(points.size(), document::CellKept);
    const bool writeX = !yOnly;
    const bool writeY = yOnly || used == 2;
    for (int r = 0; r < rows; ++r) {
        const auto row = static_cast<std::size_t>(startRow + r);
        const double* line = &values[static_cast<std::size_t>(r) * static_cast<std::size_t>(used)];
        if (yOnly) {
            points[row].y = line[0];
        } else {
            points[row].x = line[0];
            if (used == 2) points[row].y = line[1];
        }
        if (writeX) grid.xFlags[row] = document::CellEdited;
        if (writeY) grid.yFlags[row] = document::CellEdited;
    }
    const int left = writeX ? GridColumnX : GridColumnY;
    const int right = writeY ? GridColumnY : GridColumnX;
    result.written = {left, right, startRow, startRow + rows - 1};
    return result;
}

}  // namespace ordinax::exchange
