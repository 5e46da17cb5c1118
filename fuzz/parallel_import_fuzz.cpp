// Fuzz target of the text import read on several threads: the first 16 bytes
// choose the procedure and the batch size, the rest is the data file. The
// import read in batches must give what the import read line by line gives:
// the same outcome, messages and points, bit for bit.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "document/diagram_defaults.h"
#include "exchange/text_import.h"

using namespace ordinax;

namespace {

constexpr std::size_t FieldBytes = 16;

int field(std::uint8_t b, int range) {
    if (b == 255) return INT_MAX;
    if (b == 253) return -1;
    return b % range;
}

std::string separatorOf(std::uint8_t b) {
    switch (b % 6) {
        case 0: return ";";
        case 1: return "ESPACE";
        case 2: return "TAB";
        case 3: return "CR";
        case 4: return ",";
        default: return std::string(1, static_cast<char>(b));
    }
}

struct Run {
    exchange::ImportResult result;
    document::Diagram diagram;
};

// Each reading keeps its diagram from one input to the next, so that the
// curve slots are not fresh memory every time. A curve import starts from
// three reset curves, as a new document does; a diagram import resets every
// one of its curve slots itself, so the slots of the last input stay for it.
void import(Run& run, const std::string& path, const exchange::ConversionProcedure& p, exchange::ImportMode mode,
            int selected, const exchange::ImportLimits& limits) {
    if (mode == exchange::ImportMode::Curve) {
        run.diagram.curves.resize(3);
        for (document::Curve& c : run.diagram.curves) document::resetCurve(c);
    }
    run.result = exchange::extractData(path, p, mode, selected, run.diagram, {}, limits);
}

bool sameMessage(const base::Message& a, const base::Message& b) { return a.formatted() == b.formatted(); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < FieldBytes) return 0;
    exchange::ConversionProcedure p;
    p.charSet = data[0] & 1;
    const auto mode = (data[0] >> 2) & 1 ? exchange::ImportMode::Curve : exchange::ImportMode::Diagram;
    p.headerLineCount = field(data[1], 4);
    p.titleLine = field(data[2], 4);
    p.recordCountLine = field(data[6], 4);
    p.coordinateCount = field(data[7], 12);
    p.xOrder = field(data[8], 12);
    p.yOrder = field(data[9], 6);
    p.sampling = field(data[10], 4);
    p.numericBase = field(data[11], 18);
    p.separator = separatorOf(data[12]);
    const int selected = data[13] % 3;

    static const int fd = ::memfd_create("data", 0);
    if (fd < 0) return 0;
    if (::ftruncate(fd, 0) != 0 ||
        ::pwrite(fd, data + FieldBytes, size - FieldBytes, 0) != static_cast<ssize_t>(size - FieldBytes))
        return 0;
    const std::string path = "/proc/self/fd/" + std::to_string(fd);

    exchange::ImportLimits one;
    one.parallelFromBytes = SIZE_MAX;
    one.maxLineLength = 64 + data[14];
    one.maxValues = 4 + data[15];
    exchange::ImportLimits many = one;
    many.parallelFromBytes = 0;
    // Batches of 1 to 5 lines on short inputs, of a quarter of the lines on
    // long ones: the import starts a task per batch, and hundreds of tasks per
    // input made this target spend its time starting threads. Lines end with
    // LF, CR LF or CR alone.
    const std::size_t lines =
        1 + static_cast<std::size_t>(std::max(std::count(data + FieldBytes, data + size, '\n'),
                                              std::count(data + FieldBytes, data + size, '\r')));
    many.batchLines = std::max<std::size_t>(1 + data[15] % 5, lines / 4);
    static Run a;
    static Run b;
    import(a, path, p, mode, selected, one);
    import(b, path, p, mode, selected, many);
    const exchange::ImportResult& x = a.result;
    const exchange::ImportResult& y = b.result;
    if (x.completed != y.completed || x.stopped != y.stopped || !sameMessage(x.error, y.error) ||
        x.curves != y.curves || x.points != y.points || x.status != y.status || x.warnings.size() != y.warnings.size())
        std::abort();
    for (std::size_t i = 0; i < x.warnings.size(); ++i)
        if (!sameMessage(x.warnings[i], y.warnings[i])) std::abort();
    if (!x.completed) return 0;
    if (a.diagram.curves.size() != b.diagram.curves.size()) std::abort();
    for (std::size_t k = 0; k < a.diagram.curves.size(); ++k) {
        const auto u = a.diagram.curves[k].points.view();
        const auto v = b.diagram.curves[k].points.view();
        if (u.size() != v.size() || (!u.empty() && std::memcmp(u.data(), v.data(), u.size_bytes()) != 0)) std::abort();
    }
    return 0;
}
