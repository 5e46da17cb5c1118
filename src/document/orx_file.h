// Reading and writing diagram files (".orx", magic "ASB_02", "ASB_01" read only).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/message.h"
#include "document/diagram.h"
#include "document/diagram_defaults.h"

namespace ordinax::document {

inline constexpr const char* MagicCurrent = "ASB_02";
inline constexpr const char* MagicNoLogo = "ASB_01";
inline constexpr std::size_t HeaderSize = 24;

// Formats a diagram can be read from; the names are those of the file magics.
enum class FileFormat { Unknown, Asb02, Asb01, Legacy };

// Tells the format from the 24-byte header: Unknown when the image is shorter
// than a header, Legacy when it holds neither current magic.
FileFormat detectFormat(std::span<const std::uint8_t> bytes);

// Where the points of the curves left out by a one-curve reading are, and
// which file they are in: the file must be the same when they are read.
struct SkippedPoints {
    struct Block {
        int curve = 0;               // index in the diagram's curves
        std::uint64_t offset = 0;    // of the first point record
        std::int32_t count = 0;      // points kept (at most MaxPoints)
    };
    std::string path;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::vector<Block> blocks;
};

struct ReadResult {
    bool ok = false;
    std::string format;  // the magic or older-generation name that was read
    base::Message message;  // the format message when !ok
    std::vector<base::Message> warnings;  // shown after a successful read (points left out, ...)
};

// Reads a file image of the current layout into `out`, which is first reset
// from `defaults`. Files of the older generations are handed to the legacy
// readers (`path` lets them find companion files). A truncated or damaged
// image (lengths, counts or unit factor counts out of range or beyond the
// end) gives the format message; nothing larger than the image is allocated.
// On failure `out` is left in an unspecified state: callers read into a
// separate diagram.
ReadResult readDiagramBytes(std::span<const std::uint8_t> bytes, const DiagramDefaults& defaults, Diagram& out,
                            const std::string& path = {});

// The steps every opened diagram goes through after a successful read:
// compaction, extents, data ranges, the probability extent, label line counts.
void finishOpenedDiagram(Diagram& diagram);

// Reads a whole file and runs the steps after opening; `diagram` is replaced
// only on success. A file that cannot be opened gets MsgFileOpenFailed.
ReadResult openDiagramFile(const std::string& path, const DiagramDefaults& defaults, Diagram& diagram);

// Reads a diagram for a command that uses one curve: every curve record, but
// the points of curve `curve` alone (numbered as in the opened diagram; -1
// reads no points), the other blocks checked against the file and skipped.
// The skipped curves keep the extents stored in the file and tell their
// point count through storedPointCount. Older generations are read whole.
ReadResult openDiagramCurve(const std::string& path, const DiagramDefaults& defaults, int curve, Diagram& diagram);

// The number of points of curve `curve`, read or left in the file.
int storedPointCount(const Diagram& diagram, int curve);

// Reads the points a one-curve reading left in the file into their curves.
// The file must still be the one that was read (same file, size and time)
// and every block readable; otherwise the format message, with the diagram
// left partial. Does nothing for a diagram read whole.
ReadResult loadSkippedPoints(Diagram& diagram);

// Computes the extents of the curves whose points were left in the file (and
// the data range), reading their blocks one at a time and keeping none: the
// extents then are those a whole reading gives. The same failures as
// loadSkippedPoints; the diagram stays partial.
ReadResult measureSkippedPoints(Diagram& diagram);

// Reads a stored diagram taken as a model: only "ASB_02" and "ASB_01" are
// accepted, anything else gets the conversion message.
ReadResult readDiagramFile(const std::string& path, const DiagramDefaults& defaults, Diagram& diagram);

// Serialises the diagram. Compacts the curves, fills empty modification dates
// with `now` and reduces symbol numbers first: these changes stay in `diagram`.
// A curve holding more than MaxPoints points is written with MaxPoints. A
// diagram read partly is completed first; empty when that fails.
std::vector<std::uint8_t> writeDiagramBytes(Diagram& diagram, const std::string& now);

struct SaveResult {
    bool ok = false;
    base::Message message;
};
// The message of a failed write of `path`: MsgFileWriteFailed with the
// system's reason for `error` (an errno) after it.
base::Message writeFailureMessage(const std::string& path, int error);

// Writes the diagram to `path` through a temporary file in the same folder,
// flushed and renamed over the target: a failed save leaves the old file intact.
// A diagram read partly is first completed from its file (loadSkippedPoints);
// when that fails nothing is written and its message is returned.
// `now` is the text for empty modification dates (see modificationDateText).
// A failure returns the write message (MsgFileWriteFailed, with the path and
// the system's reason).
SaveResult saveDiagram(Diagram& diagram, const std::string& path, const std::string& now);

}  // namespace ordinax::document
