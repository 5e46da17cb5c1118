// Fuzz target of the bounded readers of text files: the whole-file reader
// with small limits, the clipboard table read while its shape is checked,
// and the text import reading a file line by line within a line length. The
// first byte chooses the limits and the procedure; the rest is the file.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/input_file.h"
#include "document/diagram_defaults.h"
#include "exchange/clipboard_table.h"
#include "exchange/text_import.h"

using namespace ordinax;

namespace {

int fileOf(const std::uint8_t* data, std::size_t size) {
    static const int fd = ::memfd_create("fuzz-text", 0);
    if (fd < 0) std::abort();
    if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, data, size, 0) != static_cast<ssize_t>(size)) std::abort();
    if (::lseek(fd, 0, SEEK_SET) != 0) std::abort();
    return fd;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::uint8_t choice = data[0];
    ++data;
    --size;
    const int fd = fileOf(data, size);

    // Whole file within limits: what is given back is the whole input.
    const base::TextLimits limits{static_cast<std::size_t>(16 + (choice & 0x3F) * 64),
                                  static_cast<std::size_t>(1 + (choice >> 2))};
    base::InputError error;
    const std::optional<std::string> text = base::readTextDescriptor(fd, limits, error);
    if (text && (text->size() != size || text->size() > limits.maxBytes)) std::abort();
    if (!text && error.reason().empty()) std::abort();

    // The clipboard table, checked while read.
    ::lseek(fd, 0, SEEK_SET);
    base::Message message;
    std::optional<std::string> table = exchange::readTableText(fd, "fuzz", message);
    if (table) {
        const exchange::TableOpenResult opened = exchange::openClipboardTable(std::move(*table));
        if (opened.table) {
            static document::Diagram diagram;
            exchange::TableOptions options;
            options.horizontal = choice & 1;
            exchange::importClipboardTable(*opened.table, options, diagram);
        }
    } else if (message.empty()) {
        std::abort();
    }

    // The text import from the file, with small limits.
    exchange::ConversionProcedure procedure;
    procedure.orientation = choice & 1;
    procedure.separator = (choice & 2) ? "TAB" : ";";
    procedure.sampling = 1 + (choice >> 6);
    exchange::ImportLimits importLimits;
    importLimits.maxValues = 1 + (choice & 0x1F) * 8;
    importLimits.maxLineLength = 1 + (choice >> 3) * 4;
    // Kept from one input to the next: the import resets every curve slot
    // itself, and fresh slots would be most of the time of a run.
    static document::Diagram imported;
    const exchange::ImportResult r = exchange::extractData("/proc/self/fd/" + std::to_string(fd), procedure,
                                                          exchange::ImportMode::Diagram, -1, imported, {},
                                                          importLimits);
    if (!r.completed && r.error.empty()) std::abort();
    return 0;
}
