// String table: coordinate tools of the points grid.
#include "base/string_tables.h"
#include "base/strings_analysis_coordinates.h"

namespace ordinax::base {

namespace {

constexpr StringEntry Table[] = {
    {0, ""},
};

}  // namespace

std::span<const StringEntry> coordinateStrings() { return Table; }

}  // namespace ordinax::base
