// String table: units, dimensions and conversions.
#include "base/string_tables.h"
#include "base/strings_units.h"

namespace ordinax::base {

namespace {

constexpr StringEntry Table[] = {
    {0, ""},
};

}  // namespace

std::span<const StringEntry> unitStrings() { return Table; }

}  // namespace ordinax::base
