// Import of a table copied from a spreadsheet (cells separated by tabs, rows
// by line ends) into a new diagram: one series for the abscissae, every other
// series a curve, the first series optionally giving titles, names, legends.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/message.h"
#include "document/diagram.h"

namespace ordinax::exchange {

// The table read from the clipboard text: cells by row, every row as wide as the first.
struct ClipboardTable {
    std::string text;  // the clipboard text, without a last line end
    // Where each cell starts in the text, rowCount x columnCount, row by row;
    // a cell ends one byte (its tab or line end) before the next one starts.
    std::vector<std::uint32_t> starts;
    int rowCount = 0;
    int columnCount = 0;

    std::string_view cell(int row, int column) const {
        const std::size_t i = static_cast<std::size_t>(row) * static_cast<std::size_t>(columnCount) +
                              static_cast<std::size_t>(column);
        const std::size_t end = i + 1 < starts.size() ? starts[i + 1] - 1 : text.size();
        return std::string_view(text).substr(starts[i], end - starts[i]);
    }
};

// Limits of a table text beyond what any orientation could import: more rows
// or columns than MaxPoints, both sides wider than MaxCurves + 1, a cell or
// the whole text longer than these.
inline constexpr std::size_t MaxTableCellLength = std::size_t{64} << 10;
inline constexpr std::size_t MaxTableBytes = std::size_t{2} << 30;

// Follows the shape of a table text as its bytes come, so that a table no
// orientation could import is refused before it is all read or indexed.
class TableShape {
public:
    // Takes the next bytes (the text before its first NUL); false once the
    // table is too big, with the message in `error`.
    bool add(std::string_view bytes, base::Message& error);

private:
    bool tooBig(base::Message& error, std::string reason = {});

    std::uint64_t bytes_ = 0;
    std::uint64_t rows_ = 0;      // line ends seen
    std::uint64_t columns_ = 1;   // cells of the first row so far
    std::uint64_t cellLength_ = 0;
    bool rowOpen_ = false;        // bytes after the last line end
};

// Reads the clipboard text of `paste` from an open descriptor (a file, a
// pipe or standard input) up to its first NUL, checking the table's limits
// while reading: nullopt with the message in `error` when it cannot be read
// or is too big. `name` names the input in messages.
std::optional<std::string> readTableText(int fd, const std::string& name, base::Message& error);

struct TableOpenResult {
    std::optional<ClipboardTable> table;  // empty when refused
    base::Message error;                  // the refusal
};

// Reads the clipboard text; nullopt stands for a clipboard without text. Refuses
// a missing text or one without tab, rows of different widths and a single cell
// ("Le contenu du presse-papiers est inutilisable !"), and an empty text
// ("Le presse-papiers est vide"). A line end after the last row adds no row.
// A table no orientation could import is refused as too big ("Le tableau de
// valeurs est trop grand !").
TableOpenResult openClipboardTable(std::optional<std::string_view> clipboardText);
// The same taking the text over, without a copy of it.
TableOpenResult openClipboardTable(std::string&& clipboardText);

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
