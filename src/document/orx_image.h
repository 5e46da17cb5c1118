// The serialised form of a diagram before it goes to a file: every byte but
// the point records in one buffer, and the point records as references into
// the curves' own storage, so that saving never copies millions of points.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "document/diagram.h"

namespace ordinax::document {

struct OrxImage {
    struct PointRun {
        std::size_t offset = 0;  // where the run goes in `bytes` (before the bytes that follow it)
        std::span<const Point> points;
    };
    std::vector<std::uint8_t> bytes;  // the file without its point records
    std::vector<PointRun> pointRuns;  // in file order
    std::size_t fileSize = 0;         // bytes plus every run
};

// Prepares the diagram for writing (compaction, empty modification dates set
// to `now`, symbol numbers reduced: these changes stay in `diagram`) and
// serialises it. The runs refer to the diagram's points: keep it unchanged
// while the image is in use.
OrxImage buildOrxImage(Diagram& diagram, const std::string& now);

}  // namespace ordinax::document
