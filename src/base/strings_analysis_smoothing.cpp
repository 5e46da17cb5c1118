// String table: smoothing, Fourier series and spectra.
#include "base/string_tables.h"
#include "base/strings_analysis_smoothing.h"

namespace ordinax::base {

namespace {

constexpr StringEntry Table[] = {
    {0, ""},
};

}  // namespace

std::span<const StringEntry> smoothingStrings() { return Table; }

}  // namespace ordinax::base
