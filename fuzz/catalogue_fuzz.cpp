// Fuzz target of the regression catalogue reader: any text must read into a
// catalogue whose counts stay in range, and its texts must survive the
// markup and code-name helpers.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "numerics/catalogue.h"
#include "numerics/fit_function.h"
#include "numerics/fit_kind.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ordinax::numerics;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Catalogue catalogue = parseCatalogue(text);
    for (int kind = 0; kind < KindCount; ++kind) {
        const FitModel& model = catalogue[kind];
        if (model.coefficientCount < 0 || model.coefficientCount > MaxCoefficients) std::abort();
        if (model.fixedCount < 0 || model.fixedCount > 3) std::abort();
        (void)kindFromCode(model.code);
        (void)stripMarkup(model.name);
        (void)equationExpression(model.equation);
    }
    return 0;
}
