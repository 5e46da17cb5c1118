// Records of a text import built from its normalised lines: one record per
// line, one value per line grouped by the coordinate count, or one series per
// line read across. Lines of empty values at the end of the data are no records.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "exchange/line_normaliser.h"

namespace ordinax::exchange {

// Receives the records (values separated by tabs) in order; returns false to stop.
class RecordSink {
public:
    virtual ~RecordSink() = default;
    virtual bool record(std::string_view values) = 0;
};

class RecordBuilder {
public:
    // `expected` > 0 stops the records once that many were given.
    RecordBuilder(int orientation, SeparatorKind separator, int coordinateCount, long long expected, RecordSink& sink);

    // Adds one normalised line; false once no more lines are wanted.
    bool addLine(std::string_view line);
    // Gives the records still held (the last grouped record, the series read across).
    void finish();

private:
    bool emit(std::string_view record);
    bool flushEmptyLines();
    void finishSeries();

    int orientation_ = 0;
    bool valuePerLine_ = false;
    int coordinateCount_ = 1;
    long long expected_ = 0;
    long long given_ = 0;
    bool stopped_ = false;
    RecordSink& sink_;
    long long emptyLines_ = 0;   // empty lines held until a line with a value follows
    std::string group_;          // values of the record being grouped, one per line
    int groupCount_ = 0;
    std::vector<std::string> series_;  // lines of the series read across
};

}  // namespace ordinax::exchange
