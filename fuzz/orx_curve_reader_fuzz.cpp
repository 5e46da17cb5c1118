// Fuzz target of the one-curve reading of diagram files: the first byte
// chooses the curve, the rest is the file. A file read for one curve must be
// one that reads whole, and once its skipped points are read back it must be
// the diagram of the whole reading, written to the same bytes.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "document/orx_file.h"

using namespace ordinax::document;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    static const DiagramDefaults defaults = factoryDiagramDefaults();
    static const int fd = ::memfd_create("diagram", 0);
    if (fd < 0) return 0;
    if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, data + 1, size - 1, 0) != static_cast<ssize_t>(size - 1)) return 0;
    const std::string path = "/proc/self/fd/" + std::to_string(fd);
    const int curve = data[0] % 5 - 1;

    Diagram part;
    Diagram whole;
    const bool partOk = openDiagramCurve(path, defaults, curve, part).ok;
    const bool wholeOk = openDiagramFile(path, defaults, whole).ok;
    if (partOk != wholeOk) std::abort();
    if (!partOk) return 0;
    Diagram measured = part;
    if (!measureSkippedPoints(measured).ok) std::abort();
    if (!loadSkippedPoints(part).ok || part.skippedPoints) std::abort();
    // Compared as bytes: doubles read from the input may be NaN.
    if (writeDiagramBytes(part, "01/01/2026 (00:00)") != writeDiagramBytes(whole, "01/01/2026 (00:00)")) std::abort();
    return 0;
}
