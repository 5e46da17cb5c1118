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

// Imports the data file `path`. Mode Diagram first sets the diagram to MaxCurves
// reset curves and fills one curve per value column; mode Curve fills only the
// curve `selectedCurve`. Progress, when given, receives the status texts.
// `stop`, when given, is watched between lines: once it is set the
// extraction ends early with `stopped` (and not `completed`).
ImportResult extractData(const std::string& path, const ConversionProcedure& procedure, ImportMode mode,
                         int selectedCurve, document::Diagram& diagram, const ProgressCallback& progress = {},
                         const std::atomic<bool>* stop = nullptr);

// The same over the bytes of a data file held in memory.
ImportResult extractDataFromText(std::string_view text, const ConversionProcedure& procedure, ImportMode mode,
                                 int selectedCurve, document::Diagram& diagram,
                                 const ProgressCallback& progress = {});

}  // namespace ordinax::exchange
