// Fuzz target of the procedure file reader: an accepted file must write back
// to a text that reads to the same procedure and writes to the same text.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "exchange/conversion_procedure.h"

using namespace ordinax::exchange;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto first = parseProcedure(text);
    if (!first) return 0;
    const std::string written = procedureFileText(*first);
    const auto second = parseProcedure(written);
    if (!second || !(*second == *first)) std::abort();
    if (procedureFileText(*second) != written) std::abort();
    return 0;
}
