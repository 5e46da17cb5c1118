// Fuzz target of the text import: the first 16 bytes choose the procedure
// fields (extreme values included), the rest is the data file. Any input must
// import without a crash and leave the curves consistent with the result.
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "document/diagram_defaults.h"
#include "exchange/separator_detection.h"
#include "exchange/text_import.h"

using namespace ordinax;

namespace {

constexpr std::size_t FieldBytes = 16;

// A small value most of the time, the extremes now and then.
int field(std::uint8_t b, int range) {
    if (b == 255) return INT_MAX;
    if (b == 254) return INT_MIN;
    if (b == 253) return -1;
    return b % range;
}

std::string separatorOf(std::uint8_t b) {
    switch (b % 8) {
        case 0: return ";";
        case 1: return "ESPACE";
        case 2: return "TAB";
        case 3: return "CR";
        case 4: return ",";
        case 5: return "";
        default: return std::string(1, static_cast<char>(b));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < FieldBytes) return 0;
    exchange::ConversionProcedure p;
    p.charSet = data[0] & 1;
    p.orientation = (data[0] >> 1) & 1;
    const auto mode = (data[0] >> 2) & 1 ? exchange::ImportMode::Curve : exchange::ImportMode::Diagram;
    p.headerLineCount = field(data[1], 6);
    p.titleLine = field(data[2], 6);
    p.dateLine = field(data[3], 6);
    p.xNameLine = field(data[4], 6);
    p.yNameLine = field(data[5], 6);
    p.recordCountLine = field(data[6], 6);
    p.coordinateCount = field(data[7], 110);
    p.xOrder = field(data[8], 110);
    p.yOrder = field(data[9], 8);
    p.sampling = field(data[10], 5);
    p.numericBase = field(data[11], 18);
    p.separator = separatorOf(data[12]);
    const std::string_view text(reinterpret_cast<const char*>(data) + FieldBytes, size - FieldBytes);

    // One diagram for every run: its curve slots stay allocated, which keeps
    // the runs fast; each run starts from three reset curves.
    static document::Diagram diagram;
    diagram.curves.resize(3);
    for (document::Curve& c : diagram.curves) document::resetCurve(c);
    const int selected = data[13] % 4;  // 3 is no curve at all
    const exchange::ImportResult r = exchange::extractDataFromText(text, p, mode, selected, diagram);
    if (r.completed) {
        if (r.curves < 0 || r.curves > document::MaxCurves || r.points < 0 || r.points > document::MaxPoints) std::abort();
        if (mode == exchange::ImportMode::Diagram) {
            if (diagram.curveCount() != document::MaxCurves) std::abort();
            for (int k = 0; k < diagram.curveCount(); ++k) {
                const long long expected = k < r.curves ? r.points : 0;
                if (diagram.curves[static_cast<std::size_t>(k)].pointCount() != expected) std::abort();
            }
        } else if (diagram.curves[static_cast<std::size_t>(selected)].pointCount() != r.points) {
            std::abort();
        }
    }

    // The detection buttons read the same file.
    const auto lines = exchange::previewLines(text, p.charSet);
    if (!lines.empty()) exchange::detectSeparator(lines.front());
    exchange::detectCoordinateCount(p, lines);
    return 0;
}
