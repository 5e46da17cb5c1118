// String table: derivative, integrals, length, y = f(x) and x = f(y).
#include "base/string_tables.h"
#include "base/strings_analysis_calculus.h"

namespace ordinax::base {

namespace {

constexpr StringEntry Table[] = {
    {0, ""},
};

}  // namespace

std::span<const StringEntry> calculusStrings() { return Table; }

}  // namespace ordinax::base
