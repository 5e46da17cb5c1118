// Opening and saving diagram files: the file-level steps around the layout
// reader and writer.
#include "document/orx_file.h"

#include <unistd.h>

#include <cerrno>
#include <new>

#include "base/strings.h"
#include "base/system_reason.h"
#include "document/diagram_ops.h"
#include "document/orx_image.h"
#include "document/orx_reader.h"
#include "document/safe_file.h"

namespace ordinax::document {

namespace {

// Older generations are read whole: real ones hold a few thousand points.
constexpr std::uint64_t MaxLegacyFileBytes = std::uint64_t{256} << 20;

ReadResult openFailure(const std::string& path, const base::InputError& error) {
    ReadResult r;
    r.message = base::inputFailureMessage(path, error);
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
    base::InputError error;
    if (!openReadableFile(path, file, &error)) return openFailure(path, error);
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
        if (file.size() > MaxLegacyFileBytes) {
            r.message = base::withReason(base::makeMessage(base::MsgFormatIncompatible, base::Heading::Error),
                                         base::InputError{base::InputStatus::TooLarge, 0, MaxLegacyFileBytes, 0}.reason());
            return r;
        }
        FileBytes bytes;
        if (!readWholeFile(path, bytes, &error)) return openFailure(path, error);
        r = readDiagramBytes(bytes.bytes(), defaults, loaded, path);
    }
    if (!r.ok) return r;
    finishOpenedDiagram(loaded);
    diagram = std::move(loaded);
    return r;
}

ReadResult readDiagramFile(const std::string& path, const DiagramDefaults& defaults, Diagram& diagram) {
    FileBytes file;
    base::InputError error;
    if (!readWholeFile(path, file, &error)) return openFailure(path, error);
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

base::Message writeFailureMessage(const std::string& path, int error) {
    return base::withReason(base::makeMessage(base::MsgFileWriteFailed, base::Heading::Error, path),
                            base::systemReason(error, base::FileAccess::Write));
}

SaveResult saveDiagram(Diagram& diagram, const std::string& path, const std::string& now) {
    SaveResult result;
    int error = 0;
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
        error = replaceFile(path, pieces).error;
    } catch (const std::bad_alloc&) {
        error = ENOMEM;
    }
    result.ok = error == 0;
    if (!result.ok) result.message = writeFailureMessage(path, error);
    return result;
}

}  // namespace ordinax::document
