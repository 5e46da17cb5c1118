// Text import: a data file read through a conversion procedure into the curves
// of the working diagram, either a whole diagram (one curve per value column)
// or the selected curve.
#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/message.h"
#include "document/diagram.h"
#include "exchange/conversion_procedure.h"

namespace ordinax::exchange {

enum class ImportMode { Diagram = 0, Curve = 1 };

// What the status line shows while importing, with how far the reading is.
struct ImportProgress {
    std::string_view status;     // UTF-8
    long long records = 0;       // records kept so far
    std::size_t bytesRead = 0;
    std::size_t bytesTotal = 0;  // 0 when the size is not known
};
using ProgressCallback = std::function<void(const ImportProgress&)>;

struct ImportResult {
    bool completed = false;                // false: an error stopped the extraction
    bool stopped = false;                  // the caller asked it to stop: the curves are incomplete
    base::Message error;                   // the error shown when not completed
    std::vector<base::Message> warnings;   // warnings shown during the extraction, in order
    int curves = 0;                        // curves filled
    long long points = 0;                  // points of each filled curve
    std::string status;                    // the final status text (UTF-8)
};

// Lines of a data file: a record holds at most a few hundred values, a
// series (orientation 1) up to MaxPoints; a longer line stops the import.
inline constexpr std::size_t MaxRecordLineLength = std::size_t{4} << 20;
inline constexpr std::size_t MaxSeriesLineLength = std::size_t{32} * static_cast<std::size_t>(document::MaxPoints);
// Values read before an import stops: what the diagram can hold.
inline constexpr long long MaxImportValues =
    static_cast<long long>(document::MaxCurves) * static_cast<long long>(document::MaxPoints);

// The longest line a data file read with `procedure` may hold.
std::size_t maxImportLineLength(const ConversionProcedure& procedure);

// The limits an import reads within (smaller ones serve the tests).
struct ImportLimits {
    long long maxValues = MaxImportValues;
    std::size_t maxLineLength = 0;  // 0: maxImportLineLength of the procedure
    // Data files of at least this many bytes (after the header) with one
    // record per line are read on several threads, in batches of
    // `batchLines` lines; the results are those of one thread.
    std::size_t parallelFromBytes = std::size_t{4} << 20;
    std::size_t batchLines = 16384;
};

// Imports the data file `path`. A FIFO without writer reads as an empty
// file at once; a folder or a device is refused; a line longer than
// maxImportLineLength or more than MaxImportValues values stop the import
// with their message. Mode Diagram first sets the diagram to MaxCurves
// reset curves and fills one curve per value column; mode Curve fills only the
// curve `selectedCurve`. Progress, when given, receives the status texts.
// `stop`, when given, is watched between lines: once it is set the
// extraction ends early with `stopped` (and not `completed`).
ImportResult extractData(const std::string& path, const ConversionProcedure& procedure, ImportMode mode,
                         int selectedCurve, document::Diagram& diagram, const ProgressCallback& progress = {},
                         const std::atomic<bool>* stop = nullptr);
ImportResult extractData(const std::string& path, const ConversionProcedure& procedure, ImportMode mode,
                         int selectedCurve, document::Diagram& diagram, const ProgressCallback& progress,
                         const ImportLimits& limits, const std::atomic<bool>* stop = nullptr);

// The same over the bytes of a data file held in memory.
ImportResult extractDataFromText(std::string_view text, const ConversionProcedure& procedure, ImportMode mode,
                                 int selectedCurve, document::Diagram& diagram,
                                 const ProgressCallback& progress = {});

}  // namespace ordinax::exchange
