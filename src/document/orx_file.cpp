// Opening and saving diagram files: the file-level steps around the layout
// reader and writer.
#include "document/orx_file.h"

#include <unistd.h>

#include <new>

#include "base/strings.h"
#include "document/diagram_ops.h"
#include "document/orx_image.h"
#include "document/orx_reader.h"
#include "document/safe_file.h"

namespace ordinax::document {

namespace {

ReadResult openFailure(const std::string& path) {
    ReadResult r;
    r.message = base::makeMessage(base::MsgFileOpenFailed, base::Heading::Error, path);
    return r;
}

}  // namespace

void finishOpenedDiagram(Diagram& diagram) {
    compactCurves(diagram);
    recomputeExtents(diagram);
    diagramDataRange(diagram, true, -1);
    if (diagram.henryExtentIndex < 3) diagram.henryExtentIndex = 13;
    updateLabelLineCounts(diagram);
}

ReadResult openDiagramFile(const std::string& path, const DiagramDefaults& defaults, Diagram& diagram) {
    ReadableFile file;
    if (!openReadableFile(path, file)) return openFailure(path);
    std::uint8_t header[HeaderSize] = {};
    const bool complete = file.size() >= HeaderSize && ::pread(file.fd(), header, HeaderSize, 0) == HeaderSize;
    const FileFormat format = complete ? detectFormat(header) : FileFormat::Unknown;

    Diagram loaded;
    ReadResult r;
    if (format == FileFormat::Asb02 || format == FileFormat::Asb01) {
        // The current layout is read straight from the file: the points go
        // from the disk into the curves without a copy of the whole file.
        resetDiagram(loaded, defaults);
        ByteCursor in(file.fd(), file.size());
        r = readCurrentLayout(in, format, loaded);
    } else {
        // Older generations are small and read from memory.
        FileBytes bytes;
        if (!readWholeFile(path, bytes)) return openFailure(path);
        r = readDiagramBytes(bytes.bytes(), defaults, loaded, path);
    }
    if (!r.ok) return r;
    finishOpenedDiagram(loaded);
    diagram = std::move(loaded);
    return r;
}

ReadResult readDiagramFile(const std::string& path, const DiagramDefaults& defaults, Diagram& diagram) {
    FileBytes file;
    if (!readWholeFile(path, file)) return openFailure(path);
    const FileFormat format = detectFormat(file.bytes());
    if (format != FileFormat::Asb02 && format != FileFormat::Asb01) {
        ReadResult r;
        r.message = base::makeMessage(base::MsgFormatConvertFirst, base::Heading::Error);
        return r;
    }
    Diagram loaded;
    ReadResult r = readDiagramBytes(file.bytes(), defaults, loaded, path);
    if (r.ok) diagram = std::move(loaded);
    return r;
}

SaveResult saveDiagram(Diagram& diagram, const std::string& path, const std::string& now) {
    SaveResult result;
    try {
        const OrxImage image = buildOrxImage(diagram, now);
        // The pieces alternate between the serialised bytes and the points
        // written straight from the curves.
        std::vector<std::span<const std::uint8_t>> pieces;
        pieces.reserve(2 * image.pointRuns.size() + 1);
        std::size_t from = 0;
        for (const OrxImage::PointRun& run : image.pointRuns) {
            pieces.emplace_back(image.bytes.data() + from, run.offset - from);
            pieces.emplace_back(reinterpret_cast<const std::uint8_t*>(run.points.data()), run.points.size_bytes());
            from = run.offset;
        }
        pieces.emplace_back(image.bytes.data() + from, image.bytes.size() - from);
        result.ok = replaceFile(path, pieces);
    } catch (const std::bad_alloc&) {
        result.ok = false;
    }
    if (!result.ok) result.message = base::makeMessage(base::MsgFileWriteFailed, base::Heading::Error, path);
    return result;
}

}  // namespace ordinax::document
