// Import of a table copied from a spreadsheet (cells separated by tabs, rows
// by line ends) into a new diagram: one series for the abscissae, every other
// series a curve, the first series optionally giving titles, names, legends.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/message.h"
#include "document/diagram.h"

namespace ordinax::exchange {

// The table read from the clipboard text: cells by row, every row as wide as the first.
struct ClipboardTable {
    struct Cell {
        std::size_t begin = 0;
        std::size_t length = 0;
    };
    std::string text;         // the clipboard text
    std::vector<Cell> cells;  // rowCount x columnCount, row by row, as places in the text
    int rowCount = 0;
    int columnCount = 0;

    std::string_view cell(int row, int column) const {
        const Cell& c = cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(columnCount) +
                              static_cast<std::size_t>(column)];
        return std::string_view(text).substr(c.begin, c.length);
    }
};

struct TableOpenResult {
    std::optional<ClipboardTable> table;  // empty when refused
    base::Message error;                  // the refusal
};

// Reads the clipboard text; nullopt stands for a clipboard without text. Refuses
// a missing text or one without tab, rows of different widths and a single cell
// ("Le contenu du presse-papiers est inutilisable !"), and an empty text
// ("Le presse-papiers est vide"). A line end after the last row adds no row.
TableOpenResult openClipboardTable(std::optional<std::string_view> clipboardText);

struct TableOptions {
    bool horizontal = false;  // each row is a series (the table is transposed)
    int abscissa = 1;         // 1-based number of the abscissa series
    bool titles = false;      // the first series gives the curve titles
    bool names = false;       // ... the variable names
    bool legends = false;     // ... the curve legends
    std::string yLabel;       // text of the left Y-axis label when not empty (Windows-1252)
    document::PaintStyle labelPaint;  // the default label paint of the preferences
};

struct TableImportResult {
    bool imported = false;                // false: refused, diagram unchanged
    base::Message error;                  // the refusal
    std::vector<base::Message> warnings;  // empty or invalid values, once each
    int curves = 0;                       // curves used
    long long points = 0;                 // points of each used curve
};

// Builds the curves of `diagram` from the table: the diagram gets MaxCurves reset
// curve slots, the used ones filled. A table of more than MaxPoints records or
// more than MaxCurves + 1 series is refused ("Le tableau de valeurs est trop grand !").
TableImportResult importClipboardTable(const ClipboardTable& table, const TableOptions& options,
                                       document::Diagram& diagram);

}  // namespace ordinax::exchange
