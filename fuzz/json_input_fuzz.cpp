// Fuzz target of the reader of diagram dumps (`build`): the bytes come through
// a file descriptor as from a file or a pipe, with the limits checked while
// reading and the points taken aside. A refusal is a normal outcome; an
// accepted document must apply to a diagram or be refused with a message.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

#include "cli/diagram_json.h"
#include "cli/json_input.h"
#include "document/diagram_defaults.h"

using namespace ordinax;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const int fd = ::memfd_create("fuzz-json", 0);
    if (fd < 0) std::abort();
    if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, data, size, 0) != static_cast<ssize_t>(size)) std::abort();
    if (::lseek(fd, 0, SEEK_SET) != 0) std::abort();
    cli::DumpPoints points;
    base::Message error;
    const std::optional<cli::Json> json = cli::readJsonDescriptor(fd, "fuzz.json", &points, error);
    if (!json) {
        if (error.empty()) std::abort();  // every refusal has its message
        return 0;
    }
    for (const auto& curve : points)
        if (curve && curve->size() > static_cast<std::size_t>(document::MaxPoints)) std::abort();
    static const document::DiagramDefaults defaults = document::factoryDiagramDefaults();
    document::Diagram diagram;
    document::resetDiagram(diagram, defaults);
    const base::Message applied = cli::applyDiagramJson(*json, diagram, &points);
    if (applied.empty() && diagram.curveCount() > document::MaxCurves) std::abort();
    return 0;
}
