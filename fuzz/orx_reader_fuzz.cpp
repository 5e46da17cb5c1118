// Fuzz target of the diagram file reader. A rejected input is a normal
// outcome; an accepted one must write back to bytes that read and write
// again to the very same bytes.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "document/orx_file.h"

using namespace ordinax::document;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const DiagramDefaults defaults = factoryDiagramDefaults();
    Diagram first;
    if (!readDiagramBytes(std::span<const std::uint8_t>(data, size), defaults, first).ok) return 0;
    finishOpenedDiagram(first);

    // Compared as bytes: doubles read from the input may be NaN.
    const std::vector<std::uint8_t> written = writeDiagramBytes(first, "01/01/2026 (00:00)");
    Diagram second;
    if (!readDiagramBytes(written, defaults, second).ok) std::abort();
    if (writeDiagramBytes(second, "01/01/2026 (00:00)") != written) std::abort();
    return 0;
}
