// String table: scales, graduations, drawing of diagrams, curves and labels.
#include "base/string_tables.h"
#include "base/strings_drawing.h"

namespace ordinax::base {

namespace {

constexpr StringEntry Table[] = {
    {0, ""},
};

}  // namespace

std::span<const StringEntry> drawingStrings() { return Table; }

}  // namespace ordinax::base
