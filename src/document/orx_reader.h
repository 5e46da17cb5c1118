// The layout reader shared by the in-memory and the file-backed paths.
#pragma once

#include "document/byte_cursor.h"
#include <vector>

#include "document/orx_file.h"

namespace ordinax::document {

// The point blocks a one-curve reading keeps: those of curve `curve`
// (numbered as after the compaction; -1 keeps none). The others are checked
// against the file and noted in `skipped`, their points left in the file.
struct PointScope {
    int curve = -1;
    int nonEmpty = 0;  // curves with points met so far
    int record = 0;    // curve records met so far
    std::vector<SkippedPoints::Block> skipped;
    std::vector<int> skippedSlots;  // the record of each skipped block
};

// Reads the current layout from the start of `in` (header included) into
// `out`, which the caller has reset from the defaults; with `scope`, only the
// points it keeps.
ReadResult readCurrentLayout(ByteCursor& in, FileFormat format, Diagram& out, PointScope* scope = nullptr);

}  // namespace ordinax::document
