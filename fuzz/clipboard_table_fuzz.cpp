// Fuzz target of the clipboard table import: the first byte chooses the
// options, the rest is the clipboard text. Refusals are normal outcomes.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "exchange/clipboard_table.h"

using namespace ordinax;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    exchange::TableOptions o;
    o.horizontal = data[0] & 1;
    o.titles = data[0] & 2;
    o.names = data[0] & 4;
    o.legends = data[0] & 8;
    o.abscissa = static_cast<int>(data[1] % 8) - 1;
    if (data[0] & 16) o.yLabel = "Y";
    const std::string_view text(reinterpret_cast<const char*>(data) + 2, size - 2);
    const exchange::TableOpenResult opened = exchange::openClipboardTable(text);
    if (!opened.table) return 0;
    // One diagram for every run, so its curve slots stay allocated.
    static document::Diagram diagram;
    const exchange::TableImportResult r = exchange::importClipboardTable(*opened.table, o, diagram);
    if (!r.imported) return 0;
    for (int k = 0; k < diagram.curveCount(); ++k) {
        const long long expected = k < r.curves ? r.points : 0;
        if (diagram.curves[static_cast<std::size_t>(k)].pointCount() != expected) std::abort();
    }
    return 0;
}
