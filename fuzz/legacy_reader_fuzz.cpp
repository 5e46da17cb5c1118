// Fuzz target of the readers of the older diagram generations. The input is
// a diagram file, optionally followed by "@@LIS@@" and the text every curve
// of a text generation gets as its point file. A rejected input is a normal
// outcome; an accepted diagram must save and read back in the current format.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "document/diagram_defaults.h"
#include "document/legacy_binary.h"
#include "document/legacy_format.h"
#include "document/legacy_text.h"
#include "document/orx_file.h"

using namespace ordinax::document;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const DiagramDefaults defaults = factoryDiagramDefaults();
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find("@@LIS@@");
    const std::string_view file = input.substr(0, split);
    const std::optional<std::string> points =
        split == std::string_view::npos ? std::nullopt : std::optional<std::string>(input.substr(split + 7));
    if (file.size() < HeaderSize) return 0;

    const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(file.data()), file.size());
    const int kind = recogniseLegacyHeader(bytes.first(HeaderSize));
    if (kind == 0) return 0;
    Diagram d;
    resetDiagram(d, defaults);
    const bool ok = kind <= 4 ? legacy::readLegacyBinary(kind, bytes, d)
                              : legacy::readLegacyText(kind, file, [&](const std::string&) { return points; }, d);
    if (!ok) return 0;
    finishOpenedDiagram(d);

    const std::vector<std::uint8_t> written = writeDiagramBytes(d, "01/01/2026 (00:00)");
    Diagram again;
    if (!readDiagramBytes(written, defaults, again).ok) std::abort();
    return 0;
}
