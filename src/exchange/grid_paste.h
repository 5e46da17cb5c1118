// Pasting clipboard text into the coordinates grid: the text is read as a
// block of cells (lines at line feeds, cells at tabs), checked against the
// grid's selection, its first line taken as the names of the two variables
// when it is not numeric, and its values written into the curve.
#pragma once

#include <optional>
#include <string_view>

#include "base/message.h"
#include "document/point_grid.h"

namespace ordinax::exchange {

struct PasteResult {
    bool changed = false;
    base::Message message;               // the refusal; nothing changed then
    document::GridSelection written;     // the cells that received values
};

// Pastes `clipboardText` (UTF-8; nullopt when the clipboard holds no text)
// into `grid`. Refusals, each leaving the grid as it was: no text ("Le contenu
// du presse-papiers est inutilisable !"), then "Opération impossible :\n\n< %s > !"
// with an empty text, lines of different cell counts, a block matching
// neither the selection nor its transpose (with at least 2 selected cells),
// a block of neither two columns nor two rows (otherwise), more cells than
// the room left in the curve, an empty cell, a cell that is not a number.
// With at least 2 selected cells the values go to the selected rows from the
// first one (only to Y when the selection starts in the Y column), otherwise
// after the last point; every cell written is marked.
PasteResult pasteCells(document::GridCurve& grid, const document::GridSelection& selection,
                       std::optional<std::string_view> clipboardText);

}  // namespace ordinax::exchange
