// Record building for the text import.
#include "exchange/record_builder.h"

#include <algorithm>
#include <cstddef>

namespace ordinax::exchange {

namespace {

bool onlyTabs(std::string_view line) { return line.find_first_not_of('\t') == std::string_view::npos; }

std::size_t valueCount(std::string_view line) {
    return line.empty() ? 0 : 1 + static_cast<std::size_t>(std::count(line.begin(), line.end(), '\t'));
}

}  // namespace

RecordBuilder::RecordBuilder(int orientation, SeparatorKind separator, int coordinateCount, long long expected,
                             RecordSink& sink)
    : orientation_(orientation == 1 ? 1 : 0),
      valuePerLine_(separator == SeparatorKind::Lines),
      coordinateCount_(std::max(coordinateCount, 1)),
      expected_(expected),
      sink_(sink) {
    // One value per line cannot be read across: no record at all.
    if (orientation_ == 1 && valuePerLine_) stopped_ = true;
}

bool RecordBuilder::emit(std::string_view record) {
    if (stopped_) return false;
    ++given_;
    if (!sink_.record(record) || (expected_ > 0 && given_ >= expected_)) stopped_ = true;
    return !stopped_;
}

bool RecordBuilder::flushEmptyLines() {
    for (; emptyLines_ > 0; --emptyLines_) {
        if (valuePerLine_) {
            if (groupCount_ > 0) group_ += '\t';
            if (++groupCount_ == coordinateCount_) {
                if (!emit(group_)) return false;
                group_.clear();
                groupCount_ = 0;
            }
        } else if (!emit({})) {
            return false;
        }
    }
    return true;
}

bool RecordBuilder::addLine(std::string_view line) {
    if (stopped_) return false;
    if (orientation_ == 1) {
        series_.emplace_back(line);
        return true;
    }
    // A line of empty values counts only when a line with a value follows.
    if (onlyTabs(line)) {
        ++emptyLines_;
        return true;
    }
    if (!flushEmptyLines()) return false;
    if (!valuePerLine_) return emit(line);
    if (groupCount_ > 0) group_ += '\t';
    group_.append(line);
    if (++groupCount_ == coordinateCount_) {
        const bool more = emit(group_);
        group_.clear();
        groupCount_ = 0;
        return more;
    }
    return true;
}

void RecordBuilder::finish() {
    if (orientation_ == 1) {
        finishSeries();
        return;
    }
    // The last grouped record may be short: its missing values read as empty.
    if (valuePerLine_ && groupCount_ > 0) emit(group_);
    group_.clear();
    groupCount_ = 0;
}

void RecordBuilder::finishSeries() {
    if (stopped_ || series_.empty()) return;
    // As many records as the first series has values, fewer when a later
    // series of several values is shorter, or when fewer were announced.
    std::size_t count = valueCount(series_.front());
    for (std::size_t i = 1; i < series_.size(); ++i) {
        const std::size_t n = valueCount(series_[i]);
        if (n > 1) count = std::min(count, n);
    }
    if (expected_ > 0) count = std::min<std::size_t>(count, static_cast<std::size_t>(expected_));

    // One cursor per series: record k takes the k-th value of each, skipping empty ones.
    std::vector<std::size_t> cursor(series_.size(), 0);
    std::vector<bool> done(series_.size(), false);
    for (std::size_t i = 0; i < series_.size(); ++i) done[i] = series_[i].empty();
    std::string record;
    for (std::size_t k = 0; k < count; ++k) {
        record.clear();
        bool first = true;
        for (std::size_t i = 0; i < series_.size(); ++i) {
            if (done[i]) continue;
            const std::string& s = series_[i];
            const std::size_t tab = s.find('\t', cursor[i]);
            const std::size_t end = tab == std::string::npos ? s.size() : tab;
            if (end > cursor[i]) {
                if (!first) record += '\t';
                record.append(s, cursor[i], end - cursor[i]);
                first = false;
            }
            if (tab == std::string::npos) done[i] = true;
            else cursor[i] = tab + 1;
        }
        if (!emit(record)) break;
    }
    series_.clear();
}

}  // namespace ordinax::exchange
