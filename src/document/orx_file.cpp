// Opening and saving diagram files: the file-level steps around the layout
// reader and writer.
#include "document/orx_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <memory>
#include <new>
#include <optional>
#include <system_error>
#include <thread>

#include "base/strings.h"
#include "base/strings_files.h"
#include "base/strings_speed.h"
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

std::int64_t modifiedNs(const struct stat& st) {
    return static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
}

void identify(SkippedPoints& skipped, const struct stat& st) {
    skipped.device = static_cast<std::uint64_t>(st.st_dev);
    skipped.inode = static_cast<std::uint64_t>(st.st_ino);
    skipped.size = static_cast<std::uint64_t>(st.st_size);
    skipped.modifiedNs = modifiedNs(st);
}

bool sameFile(const SkippedPoints& skipped, const struct stat& st) {
    SkippedPoints now;
    identify(now, st);
    return now.device == skipped.device && now.inode == skipped.inode && now.size == skipped.size &&
           now.modifiedNs == skipped.modifiedNs;
}

void setPartialDataRange(Diagram& diagram);

// The steps after opening, for a diagram whose skipped curves hold no points:
// the compaction goes by the counts of the file, the skipped curves keep
// their stored extents, and the data range counts them.
void finishPartialDiagram(Diagram& diagram, const PointScope& scope) {
    std::vector<bool> keep(diagram.curves.size(), false);
    for (std::size_t i = 0; i < diagram.curves.size(); ++i) keep[i] = diagram.curves[i].pointCount() > 0;
    for (int slot : scope.skippedSlots) keep[static_cast<std::size_t>(slot)] = true;
    // Blocks are numbered in the order of the non-empty curves: the
    // compaction below brings each curve to its number.
    std::vector<Curve> kept;
    kept.reserve(diagram.curves.size());
    for (std::size_t i = 0; i < diagram.curves.size(); ++i)
        if (keep[i]) kept.push_back(std::move(diagram.curves[i]));
    diagram.curves = std::move(kept);
    for (Curve& c : diagram.curves)
        if (c.pointCount() > 0) curveExtent(diagram, c, -1);
    setPartialDataRange(diagram);
    if (diagram.henryExtentIndex < 3) diagram.henryExtentIndex = 13;
    updateLabelLineCounts(diagram);
}

// The data range of a partial diagram: the skipped curves count with the
// extents they hold.
void setPartialDataRange(Diagram& diagram) {
    for (std::size_t d = 0; d < 2; ++d) {
        double lo = DoubleMax;
        double hi = -DoubleMax;
        for (int i = 0; i < diagram.curveCount(); ++i) {
            const Curve& c = diagram.curves[static_cast<std::size_t>(i)];
            if (storedPointCount(diagram, i) <= 0 || c.hidden != 0) continue;
            lo = std::min(lo, c.extent[d][0]);
            hi = std::max(hi, c.extent[d][1]);
        }
        diagram.dataRange[d] = {std::clamp(lo, -ValueLimit, ValueLimit), std::clamp(hi, -ValueLimit, ValueLimit)};
    }
}

ReadResult skippedFailure(const std::string& reason) {
    ReadResult r;
    r.message = base::withReason(base::makeMessage(base::MsgFormatIncompatible, base::Heading::Error), reason);
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
        in.allowLaterBlocks();
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

ReadResult openDiagramCurve(const std::string& path, const DiagramDefaults& defaults, int curve, Diagram& diagram) {
    ReadableFile file;
    base::InputError error;
    if (!openReadableFile(path, file, &error)) return openFailure(path, error);
    std::uint8_t header[HeaderSize] = {};
    const bool complete = file.size() >= HeaderSize && ::pread(file.fd(), header, HeaderSize, 0) == HeaderSize;
    const FileFormat format = complete ? detectFormat(header) : FileFormat::Unknown;
    struct stat st {};
    if ((format != FileFormat::Asb02 && format != FileFormat::Asb01) || ::fstat(file.fd(), &st) != 0)
        return openDiagramFile(path, defaults, diagram);

    Diagram loaded;
    resetDiagram(loaded, defaults);
    ByteCursor in(file.fd(), file.size());
    in.allowLaterBlocks();
    PointScope scope;
    scope.curve = curve;
    ReadResult r = readCurrentLayout(in, format, loaded, &scope);
    if (!r.ok) return r;
    if (!scope.skipped.empty()) {
        auto skipped = std::make_shared<SkippedPoints>();
        skipped->path = path;
        identify(*skipped, st);
        skipped->blocks = scope.skipped;
        loaded.skippedPoints = std::move(skipped);
    }
    finishPartialDiagram(loaded, scope);
    diagram = std::move(loaded);
    return r;
}

int storedPointCount(const Diagram& diagram, int curve) {
    if (curve < 0 || curve >= diagram.curveCount()) return 0;
    if (diagram.skippedPoints)
        for (const SkippedPoints::Block& block : diagram.skippedPoints->blocks)
            if (block.curve == curve) return block.count;
    return diagram.curves[static_cast<std::size_t>(curve)].pointCount();
}

namespace {

// Opens the file the skipped blocks are in; the failure's message when it
// cannot be opened or is no longer the file that was read.
std::optional<ReadResult> openSkippedFile(const SkippedPoints& skipped, ReadableFile& file) {
    base::InputError error;
    if (!openReadableFile(skipped.path, file, &error)) return skippedFailure(error.reason());
    struct stat st {};
    if (::fstat(file.fd(), &st) != 0 || !sameFile(skipped, st))
        return skippedFailure(base::makeMessage(base::MsgReasonFileChanged, base::Heading::None).text);
    return std::nullopt;
}

// Reads the skipped blocks in file order, each handed to `take` with its
// points; stops at the first failure with its message. With `reuse`, every
// block is read into that buffer's memory (fresh pages are dear here), which
// `take` must have let go of before the next block.
template <typename Take>
ReadResult readSkippedBlocks(const SkippedPoints& skipped, Take&& take, PointBuffer* reuse = nullptr) {
    ReadResult r;
    ReadableFile file;
    if (std::optional<ReadResult> failed = openSkippedFile(skipped, file)) return *failed;
    try {
        ByteCursor in(file.fd(), file.size());
        for (std::size_t k = 0; k < skipped.blocks.size(); ++k) {
            const SkippedPoints::Block& block = skipped.blocks[k];
            const std::uint64_t bytes = static_cast<std::uint64_t>(block.count) * sizeof(Point);
            const bool placed = block.count >= 0 && block.offset >= in.position() && block.offset <= file.size() &&
                                bytes <= file.size() - block.offset;
            PointBuffer local;
            PointBuffer& points = reuse ? *reuse : local;
            if (placed) {
                in.skip(block.offset - in.position());
                const std::span<Point> into = points.assignUninitialised(static_cast<std::size_t>(block.count));
                if (block.count > 0) in.raw(into.data(), into.size_bytes());
            }
            if (!placed || !in.ok())
                return skippedFailure(
                    base::makeMessage(base::MsgReasonPointsUnread, base::Heading::None, skipped.path).text);
            take(k, reuse ? PointBuffer(points) : std::move(local));
        }
    } catch (const std::bad_alloc&) {
        return skippedFailure(base::makeMessage(base::MsgReasonNoMemory, base::Heading::None).text);
    }
    r.ok = true;
    return r;
}

using Extent = std::array<std::array<double, 2>, 2>;

// The extents of the skipped blocks of a diagram with plain extents: each
// block streamed through a buffer small enough to stay in the processor's
// cache (no copy of the points kept), the blocks shared between two threads
// when there are many points. Same checks and messages as readSkippedBlocks.
ReadResult measurePlainBlocks(const SkippedPoints& skipped, std::vector<Extent>& extents) {
    ReadableFile file;
    if (std::optional<ReadResult> failed = openSkippedFile(skipped, file)) return *failed;
    const std::string unread = base::makeMessage(base::MsgReasonPointsUnread, base::Heading::None, skipped.path).text;
    std::uint64_t end = HeaderSize;
    std::uint64_t total = 0;
    for (const SkippedPoints::Block& block : skipped.blocks) {
        const std::uint64_t bytes = static_cast<std::uint64_t>(std::max(block.count, 0)) * sizeof(Point);
        if (block.count < 0 || block.offset < end || block.offset > file.size() || bytes > file.size() - block.offset)
            return skippedFailure(unread);
        end = block.offset + bytes;
        total += bytes;
    }
    constexpr std::size_t ChunkPoints = 16384;  // 256 KiB
    std::atomic<bool> failed{false};
    auto measure = [&](std::size_t from, std::size_t to) {
        std::vector<Point> buffer(ChunkPoints);
        for (std::size_t k = from; k < to && !failed; ++k) {
            const SkippedPoints::Block& block = skipped.blocks[k];
            PlainExtent extent;
            std::uint64_t offset = block.offset;
            for (auto left = static_cast<std::size_t>(block.count); left > 0;) {
                const std::size_t n = std::min(left, ChunkPoints);
                auto* into = reinterpret_cast<std::uint8_t*>(buffer.data());
                for (std::size_t got = 0; got < n * sizeof(Point);) {
                    const ssize_t r = ::pread(file.fd(), into + got, n * sizeof(Point) - got, static_cast<off_t>(offset + got));
                    if (r < 0 && errno == EINTR) continue;
                    if (r <= 0) {
                        failed = true;
                        return;
                    }
                    got += static_cast<std::size_t>(r);
                }
                extent.add({buffer.data(), n});
                offset += n * sizeof(Point);
                left -= n;
            }
            extents[k] = extent.result();
        }
    };
    // The first blocks up to half the bytes here, the others beside.
    std::size_t split = skipped.blocks.size();
    constexpr std::uint64_t TwoThreadBytes = std::uint64_t{8} << 20;
    if (total >= TwoThreadBytes) {
        std::uint64_t before = 0;
        split = 0;
        while (split < skipped.blocks.size() && before < total / 2)
            before += static_cast<std::uint64_t>(skipped.blocks[split++].count) * sizeof(Point);
    }
    try {
        std::jthread second;
        if (split < skipped.blocks.size())
            second = std::jthread([&measure, split, count = skipped.blocks.size()] { measure(split, count); });
        measure(0, split);
    } catch (const std::system_error&) {
        measure(0, skipped.blocks.size());  // no second thread to be had: this one measures all
    }
    if (failed) return skippedFailure(unread);
    ReadResult r;
    r.ok = true;
    return r;
}

bool blocksFit(const Diagram& diagram) {
    for (const SkippedPoints::Block& block : diagram.skippedPoints->blocks)
        if (block.curve < 0 || block.curve >= diagram.curveCount()) return false;
    return true;
}

}  // namespace

ReadResult loadSkippedPoints(Diagram& diagram) {
    ReadResult r;
    r.ok = true;
    if (!diagram.skippedPoints) return r;
    const std::shared_ptr<const SkippedPoints> skipped = diagram.skippedPoints;
    if (!blocksFit(diagram))
        return skippedFailure(base::makeMessage(base::MsgReasonPointsUnread, base::Heading::None, skipped->path).text);
    // Read aside first: the diagram stays partial unless every block is read.
    std::vector<PointBuffer> points(skipped->blocks.size());
    r = readSkippedBlocks(*skipped, [&points](std::size_t k, PointBuffer read) { points[k] = std::move(read); });
    if (!r.ok) return r;
    for (std::size_t k = 0; k < skipped->blocks.size(); ++k) {
        Curve& c = diagram.curves[static_cast<std::size_t>(skipped->blocks[k].curve)];
        c.points = std::move(points[k]);
        curveExtent(diagram, c, -1);
    }
    diagram.skippedPoints.reset();
    diagramDataRange(diagram, true, -1);
    return r;
}

ReadResult measureSkippedPoints(Diagram& diagram) {
    ReadResult r;
    r.ok = true;
    if (!diagram.skippedPoints) return r;
    const SkippedPoints& skipped = *diagram.skippedPoints;
    if (!blocksFit(diagram))
        return skippedFailure(base::makeMessage(base::MsgReasonPointsUnread, base::Heading::None, skipped.path).text);
    std::vector<Extent> extents(skipped.blocks.size());
    if (hasPlainExtents(diagram)) {
        r = measurePlainBlocks(skipped, extents);
    } else {
        PointBuffer scratch;
        r = readSkippedBlocks(skipped, [&](std::size_t k, PointBuffer read) {
            Curve& c = diagram.curves[static_cast<std::size_t>(skipped.blocks[k].curve)];
            const auto stored = c.extent;
            c.points = std::move(read);
            curveExtent(diagram, c, -1);
            extents[k] = c.extent;
            c.points.clear();
            c.extent = stored;
        }, &scratch);
    }
    if (!r.ok) return r;
    for (std::size_t k = 0; k < skipped.blocks.size(); ++k)
        diagram.curves[static_cast<std::size_t>(skipped.blocks[k].curve)].extent = extents[k];
    setPartialDataRange(diagram);
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
    if (diagram.skippedPoints) {
        // Never written with curves missing: their points are read back first.
        const ReadResult completed = loadSkippedPoints(diagram);
        if (!completed.ok) {
            result.message = completed.message;
            return result;
        }
    }
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
