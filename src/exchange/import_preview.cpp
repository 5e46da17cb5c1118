// The head of a data file, the "?" guesses read from the file, and the field
// rules of the text-import dialog.
#include "exchange/import_preview.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "base/encoding.h"
#include "base/strings.h"
#include "document/diagram_ops.h"
#include "exchange/line_source.h"
#include "exchange/separator_detection.h"
#include "render/display_update.h"

namespace ordinax::exchange {

namespace {

// An open file descriptor closed on every path.
class FileHandle {
public:
    explicit FileHandle(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~FileHandle() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int fd() const { return fd_; }
    // Hands the descriptor over (to a LineSource, which closes it).
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

// A regular file or a pipe, never a folder; its size when it has one.
bool readable(int fd, std::size_t& size) {
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) return false;
    size = S_ISREG(st.st_mode) ? static_cast<std::size_t>(st.st_size) : 0;
    return true;
}

std::string lineText(std::string_view line, int charSet) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return charSet == 1 ? base::cp850ToWindows1252(line) : std::string(line);
}

// The lines the guesses look at, read one by one until `wanted` says enough.
template <typename Wanted>
bool readLines(const std::string& path, int charSet, Wanted&& wanted) {
    FileHandle file(path);
    std::size_t size = 0;
    if (!readable(file.fd(), size)) return false;
    LineSource source(file.release(), size);
    std::string_view line;
    while (source.next(line))
        if (!wanted(lineText(line, charSet))) break;
    return !source.failed();
}

}  // namespace

FilePreview readFilePreview(const std::string& path, int charSet, std::size_t maxBytes, std::size_t maxLines) {
    FilePreview preview;
    FileHandle file(path);
    if (!readable(file.fd(), preview.fileSize)) return preview;
    std::string head(maxBytes + 1, '\0');
    std::size_t got = 0;
    while (got < head.size()) {
        const ssize_t n = ::read(file.fd(), head.data() + got, head.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return preview;
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    // One byte past the limit tells whether the file goes on.
    preview.truncated = got > maxBytes;
    head.resize(std::min(got, maxBytes));
    std::string_view rest = head;
    while (!rest.empty()) {
        if (preview.lines.size() == maxLines) {
            preview.truncated = true;
            break;
        }
        const std::size_t lf = rest.find('\n');
        preview.lines.push_back(lineText(rest.substr(0, lf), charSet));
        if (lf == std::string_view::npos) break;
        rest.remove_prefix(lf + 1);
    }
    preview.found = true;
    return preview;
}

std::string missingFileLine(const std::string& path) {
    return base::makeMessage(base::MsgFileNotFound, base::Heading::None, path).text;
}

bool detectSeparatorInFile(const std::string& path, ConversionProcedure& procedure) {
    const long long header = std::max(procedure.headerLineCount, 0);
    long long number = 0;
    std::string first;
    const bool ok = readLines(path, procedure.charSet, [&](std::string line) {
        if (number++ < header) return true;
        first = std::move(line);
        return false;
    });
    if (!ok) return false;
    procedure.separator = detectSeparator(first);
    return true;
}

bool detectCoordinateCountInFile(const std::string& path, ConversionProcedure& procedure) {
    // Only the lines after the header are kept, and only as many as the
    // guess looks at.
    const long long header = std::max(procedure.headerLineCount, 0);
    std::vector<std::string> lines;
    long long number = 0;
    int series = 0;
    const bool ok = readLines(path, procedure.charSet, [&](std::string line) {
        if (number++ < header) return true;
        if (procedure.orientation != 1) {
            lines.push_back(std::move(line));
            return false;
        }
        if (line.empty()) return true;
        lines.push_back(std::move(line));
        return ++series < MaxSeriesLines;
    });
    if (!ok) return false;
    ConversionProcedure shifted = procedure;
    shifted.headerLineCount = 0;
    detectCoordinateCount(shifted, lines);
    procedure.coordinateCount = shifted.coordinateCount;
    procedure.xOrder = shifted.xOrder;
    procedure.yOrder = shifted.yOrder;
    return true;
}

std::string_view coordinateCountLabel(int orientation) {
    return orientation == 1 ? "Nombre de lignes :" : "Nombre de colonnes :";
}

std::string_view importCaption(ImportMode mode) {
    return mode == ImportMode::Curve ? "  Importer une courbe depuis un fichier texte"
                                     : "  Importer un diagramme depuis un fichier texte";
}

std::string procedureStartFolder(const std::string& procedurePath, const std::string& defaultFolder) {
    if (!procedurePath.empty()) {
        std::error_code ec;
        const std::filesystem::path folder = std::filesystem::path(procedurePath).parent_path();
        if (!folder.empty() && std::filesystem::is_directory(folder, ec)) return folder.string();
    }
    return defaultFolder;
}

bool clampProcedure(ConversionProcedure& p) {
    const ConversionProcedure before = p;
    for (int* field : {&p.headerLineCount, &p.titleLine, &p.dateLine, &p.xNameLine, &p.yNameLine,
                       &p.recordCountLine, &p.xOrder, &p.yOrder})
        *field = std::max(*field, 0);
    p.charSet = p.charSet == 1 ? 1 : 0;
    p.orientation = p.orientation == 1 ? 1 : 0;
    p.coordinateCount = std::clamp(p.coordinateCount, 1, MaxSeriesLines);
    p.xOrder = std::min(p.xOrder, MaxSeriesLines);
    p.yOrder = std::min(p.yOrder, MaxSeriesLines);
    p.sampling = std::max(p.sampling, 1);
    p.numericBase = std::clamp(p.numericBase, 2, 16);
    p.separator = normaliseSeparator(p.separator);
    return !(p == before);
}

void showImportedCurves(document::Diagram& diagram, ImportMode mode) {
    if (mode == ImportMode::Diagram) document::compactCurves(diagram);
    render::showNewData(diagram);
}

}  // namespace ordinax::exchange
