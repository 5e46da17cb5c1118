// The rules of the clipboard-table dialog: its labels follow the orientation
// of the series, and the abscissa list offers one number per series.
#pragma once

#include <string_view>

#include "exchange/clipboard_table.h"

namespace ordinax::exchange {

inline constexpr std::string_view TableDialogCaption = "  Importer un tableau via le presse-papiers";
// The longest y-axis label the dialog takes.
inline constexpr int MaxYLabelLength = 512;

struct TableDialogLabels {
    std::string_view titles;
    std::string_view names;
    std::string_view legends;
    std::string_view abscissa;
};

// The labels of the three options and of the abscissa list (UTF-8).
TableDialogLabels tableDialogLabels(bool horizontal);

// The number of series: the columns when vertical, the rows when horizontal.
int tableSeriesCount(const ClipboardTable& table, bool horizontal);

}  // namespace ordinax::exchange
