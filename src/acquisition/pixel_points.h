// Picture positions written as text, for acquisitions without a window:
// "PX,PY" pairs separated by ";" or line ends (a points file may hold one
// pair per line, with blanks, tabs or "," between the two numbers).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "acquisition/frame.h"

namespace ordinax::acquisition {

// One position "PX,PY" (integers, blanks allowed around them); nullopt otherwise.
std::optional<PixelPoint> parsePixelPoint(std::string_view text);

struct PixelPointList {
    std::vector<PixelPoint> points;
    int badItem = 0;        // 1-based number of the first unreadable item, 0 when all were read
    std::string badText;    // that item
    bool tooMany = false;   // more than `limit` positions: the list stops there
};

// Reads a list of positions; empty items (a trailing ";", blank lines) are skipped.
// Reading stops at the first unreadable item or past `limit` positions.
PixelPointList parsePixelPoints(std::string_view text, long long limit);

}  // namespace ordinax::acquisition
