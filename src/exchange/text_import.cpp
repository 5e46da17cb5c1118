// Text import: header, record building, sampling, the MaxPoints limit, value
// conversion into the curves, dates made relative, and the status texts.
#include "exchange/text_import.h"

#include <unistd.h>

#include <algorithm>
#include <span>

#include "base/encoding.h"
#include "base/input_file.h"
#include "base/strings.h"
#include "base/strings_files.h"
#include "base/system_reason.h"
#include "base/text.h"
#include "document/diagram_defaults.h"
#include "document/diagram_ops.h"
#include "exchange/import_status.h"
#include "exchange/line_normaliser.h"
#include "exchange/line_source.h"
#include "exchange/record_builder.h"
#include "exchange/value_reader.h"

namespace ordinax::exchange {

using document::Curve;
using document::Diagram;
using document::MaxCurves;
using document::MaxPoints;
using document::Point;

namespace {

constexpr long long ProgressStep = 16384;

std::string defaultTitle(int number) {
    std::string title = document::DefaultCurveTitle;
    return title.replace(title.find("%d"), 2, std::to_string(number));
}

void resetNames(Curve& curve, int number) {
    curve.title = defaultTitle(number);
    curve.axisName = {"X", "Y"};
}

// A header line: trimmed, runs of blanks reduced to one, from the DOS code page when asked.
std::string headerText(std::string_view line, bool dos) {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t' || line.front() == '\r')) line.remove_prefix(1);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r')) line.remove_suffix(1);
    std::string text;
    text.reserve(line.size());
    for (char c : line)
        if (c != ' ' || text.empty() || text.back() != ' ') text += c;
    return dos ? base::cp850ToWindows1252(text) : text;
}

// The position p (1-based) of a record's value in the whole-diagram mode: the
// curve it feeds, or -1 for the abscissa.
int curveOfPosition(int p, int xOrder) {
    if (p == xOrder) return -1;
    return xOrder >= 1 && p > xOrder ? p - 2 : p - 1;
}

// Fills the curves from the records: sampling, the MaxPoints limit, values.
class CurveFiller : public RecordSink {
public:
    CurveFiller(const ConversionProcedure& p, ImportMode mode, int selected, Diagram& diagram,
                long long capacityHint, const ProgressCallback& progress, const LineSource& source)
        : mode_(mode),
          xOrder_(p.xOrder),
          yOrder_(p.yOrder),
          coordinateCount_(std::max(p.coordinateCount, 1)),
          sampling_(std::max(p.sampling, 1)),
          reader_(p.numericBase),
          progress_(progress),
          source_(source) {
        if (mode == ImportMode::Diagram) {
            const int yPositions = coordinateCount_ - (xOrder_ >= 1 && xOrder_ <= coordinateCount_ ? 1 : 0);
            curveCount_ = std::clamp(yPositions, 0, MaxCurves);
            for (int k = 0; k < curveCount_; ++k) targets_.push_back(&diagram.curves[static_cast<std::size_t>(k)]);
        } else {
            curveCount_ = 1;
            targets_.push_back(&diagram.curves[static_cast<std::size_t>(selected)]);
        }
        ys_.assign(static_cast<std::size_t>(curveCount_), 0.0);
        yDate_.assign(static_cast<std::size_t>(curveCount_), false);
        capacity_ = static_cast<std::size_t>(std::clamp<long long>(capacityHint, 1, MaxPoints));
        for (Curve* c : targets_) spans_.push_back(c->points.assignUninitialised(capacity_));
    }

    bool record(std::string_view values) override {
        if (++raw_ % sampling_ != 0) return true;
        if (kept_ == MaxPoints) {
            overflow_ = true;
            return false;
        }
        if (kept_ == static_cast<long long>(capacity_)) grow();
        if (mode_ == ImportMode::Diagram) fillDiagramRecord(values);
        else fillCurveRecord(values);
        ++kept_;
        if (progress_ && kept_ % ProgressStep == 0) report(recordStatus(kept_));
        return true;
    }

    // Sets the point counts and makes dates relative to the earliest one.
    void finish() {
        for (Curve* c : targets_) c->points.resize(static_cast<std::size_t>(kept_));
        if (kept_ == 0 || targets_.empty()) return;
        if (xDate_) {
            // The earliest date of the first curve becomes 0 on every filled curve.
            double earliest = document::DoubleMax;
            for (const Point& pt : targets_.front()->points.view()) earliest = std::min(earliest, pt.x);
            for (Curve* c : targets_)
                for (Point& pt : c->points.edit()) pt.x -= earliest;
        }
        for (std::size_t k = 0; k < targets_.size(); ++k) {
            if (!yDate_[k]) continue;
            const std::span<Point> pts = targets_[k]->points.edit();
            double earliest = document::DoubleMax;
            for (const Point& pt : pts) earliest = std::min(earliest, pt.y);
            for (Point& pt : pts) pt.y -= earliest;
        }
    }

    void report(const std::string& status) const {
        if (progress_) progress_(ImportProgress{status, kept_, source_.consumed(), source_.total()});
    }

    long long kept() const { return kept_; }
    int curveCount() const { return kept_ > 0 ? curveCount_ : 0; }
    bool overflow() const { return overflow_; }
    const ValueReader& reader() const { return reader_; }

private:
    // Cuts the next value off the record; a value missing at the end reads empty.
    static std::string_view nextValue(std::string_view& rest, bool& exhausted) {
        if (exhausted) return {};
        const std::size_t tab = rest.find('\t');
        std::string_view value = rest.substr(0, tab);
        if (tab == std::string_view::npos) exhausted = true;
        else rest.remove_prefix(tab + 1);
        return value;
    }

    void fillDiagramRecord(std::string_view values) {
        reader_.startRecord();
        double x = xOrder_ == 0 ? static_cast<double>(kept_ + 1) : 0.0;
        bool xDate = false;
        std::fill(yDate_.begin(), yDate_.end(), false);
        bool exhausted = false;
        for (int p = 1; p <= coordinateCount_; ++p) {
            const int k = curveOfPosition(p, xOrder_);
            // A value beyond the last curve slot ends the record.
            if (k >= MaxCurves) break;
            bool wasDate = false;
            const double v = reader_.read(nextValue(values, exhausted), wasDate);
            if (k < 0) {
                x = v;
                xDate = wasDate;
            } else {
                ys_[static_cast<std::size_t>(k)] = v;
                yDate_[static_cast<std::size_t>(k)] = wasDate;
            }
        }
        xDate_ = xDate;
        const std::size_t at = static_cast<std::size_t>(kept_);
        for (std::size_t k = 0; k < spans_.size(); ++k) spans_[k][at] = Point{x, ys_[k]};
    }

    void fillCurveRecord(std::string_view values) {
        reader_.startRecord();
        double x = xOrder_ == 0 ? static_cast<double>(kept_ + 1) : 0.0;
        double y = yOrder_ == 0 ? static_cast<double>(kept_ + 1) : 0.0;
        bool needX = xOrder_ >= 1 && xOrder_ <= coordinateCount_;
        bool needY = yOrder_ >= 1 && yOrder_ <= coordinateCount_;
        bool xDate = false;
        bool yDate = false;
        bool exhausted = false;
        for (int p = 1; p <= coordinateCount_ && (needX || needY); ++p) {
            if (exhausted) {
                // Every value left is missing: empty once, 0 where x or y was expected.
                bool wasDate = false;
                reader_.read({}, wasDate);
                break;
            }
            bool wasDate = false;
            const double v = reader_.read(nextValue(values, exhausted), wasDate);
            if (p == xOrder_) {
                x = v;
                xDate = wasDate;
                needX = false;
            }
            if (p == yOrder_) {
                y = v;
                yDate = wasDate;
                needY = false;
            }
        }
        xDate_ = xDate;
        yDate_[0] = yDate;
        spans_[0][static_cast<std::size_t>(kept_)] = Point{x, y};
    }

    void grow() {
        capacity_ = std::min<std::size_t>(capacity_ * 2, MaxPoints);
        spans_.clear();
        for (Curve* c : targets_) {
            c->points.resize(capacity_);
            spans_.push_back(c->points.edit());
        }
    }

    ImportMode mode_;
    int xOrder_;
    int yOrder_;
    int coordinateCount_;
    long long sampling_;
    ValueReader reader_;
    const ProgressCallback& progress_;
    const LineSource& source_;
    int curveCount_ = 0;
    std::vector<Curve*> targets_;
    std::vector<std::span<Point>> spans_;
    std::size_t capacity_ = 0;
    std::vector<double> ys_;
    std::vector<bool> yDate_;
    bool xDate_ = false;
    long long raw_ = 0;
    long long kept_ = 0;
    bool overflow_ = false;
};

// Reads the header lines into the titles, dates and names; returns the number
// of records announced (0 when none) or an error message.
bool readHeader(LineSource& source, const ConversionProcedure& p, ImportMode mode, int selected, Diagram& diagram,
                long long& expected, base::Message& error) {
    const bool dos = p.charSet == 1;
    auto forEachCurve = [&](auto&& apply) {
        if (mode == ImportMode::Diagram) {
            for (int i = 0; i < diagram.curveCount(); ++i) apply(diagram.curves[static_cast<std::size_t>(i)], i + 1);
        } else {
            apply(diagram.curves[static_cast<std::size_t>(selected)], selected + 1);
        }
    };
    for (long long number = 1; number <= p.headerLineCount; ++number) {
        std::string_view raw;
        if (!source.next(raw)) {
            error = base::makeMessage(base::MsgHeaderTooLong, base::Heading::Error);
            return false;
        }
        std::string line = headerText(raw, dos);
        if (number == p.titleLine && !line.empty()) {
            line.front() = base::upperCase1252(line.front());
            forEachCurve([&](Curve& c, int n) { c.title = mode == ImportMode::Diagram ? line + " - " + defaultTitle(n) : line; });
        }
        if (number == p.dateLine && !line.empty()) forEachCurve([&](Curve& c, int) { c.modified = line; });
        if (number == p.xNameLine && !line.empty()) forEachCurve([&](Curve& c, int) { c.axisName[0] = line; });
        if (number == p.yNameLine && !line.empty()) forEachCurve([&](Curve& c, int) { c.axisName[1] = line; });
        if (number == p.recordCountLine) {
            bool digit = false;
            long long count = 0;
            for (char c : line) {
                if (c < '0' || c > '9') continue;
                digit = true;
                if (count < 1'000'000'000'000LL) count = count * 10 + (c - '0');
            }
            if (!digit) {
                error = base::makeMessage(base::MsgHeaderReadError, base::Heading::Error);
                return false;
            }
            expected = count;
        }
    }
    return true;
}

ImportResult runExtraction(LineSource& source, const ConversionProcedure& p, ImportMode mode, int selected,
                           Diagram& diagram, const ProgressCallback& progress, const std::atomic<bool>* stop,
                           long long maxValues) {
    ImportResult result;
    if (progress) {
        const std::string status = preparationStatus();
        progress(ImportProgress{status, 0, 0, source.total()});
    }
    if (mode == ImportMode::Diagram) {
        diagram.curves.resize(MaxCurves);
        for (int i = 0; i < MaxCurves; ++i) {
            Curve& c = diagram.curves[static_cast<std::size_t>(i)];
            document::resetCurve(c);
            resetNames(c, i + 1);
        }
    } else {
        resetNames(diagram.curves[static_cast<std::size_t>(selected)], selected + 1);
    }

    long long expected = 0;
    if (!readHeader(source, p, mode, selected, diagram, expected, result.error)) {
        if (source.tooLong()) {
            const base::InputError error{base::InputStatus::LineTooLong, 0, source.maxLineLength(), source.tooLongLine()};
            result.error = base::withReason(base::makeMessage(base::MsgInputStopped, base::Heading::Error, source.name()),
                                            error.reason());
        }
        return result;
    }

    const Separator separator = separatorOf(normaliseSeparator(p.separator));
    const int sampling = std::max(p.sampling, 1);
    // Points are written in place: room for as many records as the rest of the
    // file could hold, which only costs address space until it is written.
    long long bound = source.total() > source.consumed() ? static_cast<long long>(source.total() - source.consumed()) + 1
                                                         : (source.total() ? 1 : 65536);
    if (separator.kind == SeparatorKind::Lines) bound = bound / std::max(p.coordinateCount, 1) + 1;
    if (expected > 0) bound = std::min(bound, expected);
    bound = bound / sampling + 1;

    CurveFiller filler(p, mode, selected, diagram, bound, progress, source);
    LineNormaliser normaliser(separator, p.charSet == 1);
    RecordBuilder builder(p.orientation, separator.kind, p.coordinateCount, expected, filler);
    std::string_view line;
    std::string normalised;
    // Values read, against what the diagram can hold: an endless input (or
    // one kept only one record in a million) stops instead of running on.
    const bool series = p.orientation == 1;
    long long values = 0;
    while (source.next(line)) {
        if (stop && stop->load(std::memory_order_relaxed)) {
            result.stopped = true;
            return result;
        }
        normaliser.normalise(line, normalised);
        values += series ? static_cast<long long>(std::count(normalised.begin(), normalised.end(), '\t')) + 1 : 1;
        if (values > maxValues) {
            result.error = base::withReason(
                base::makeMessage(base::MsgInputStopped, base::Heading::Error, source.name()),
                base::makeMessage(base::MsgInputTooManyValues, base::Heading::None, std::to_string(maxValues)).text);
            return result;
        }
        if (!builder.addLine(normalised)) break;
    }
    if (source.tooLong()) {
        const base::InputError error{base::InputStatus::LineTooLong, 0, source.maxLineLength(), source.tooLongLine()};
        result.error = base::withReason(base::makeMessage(base::MsgInputStopped, base::Heading::Error, source.name()),
                                        error.reason());
        return result;
    }
    builder.finish();
    filler.finish();

    if (filler.overflow()) {
        result.warnings.push_back(
            base::makeMessage(base::MsgMaxPointsExceeded, base::Heading::Warning, std::to_string(MaxPoints)));
    }
    for (base::Message& m : filler.reader().warnings()) result.warnings.push_back(std::move(m));

    result.curves = filler.curveCount();
    result.points = result.curves > 0 ? filler.kept() : 0;
    if (mode == ImportMode::Diagram) {
        for (int k = 0; k < result.curves; ++k) document::curveExtent(diagram, k, -1);
    } else {
        document::curveExtent(diagram, selected, -1);
    }
    result.status = endStatus(result.curves, result.points);
    if (progress) progress(ImportProgress{result.status, filler.kept(), source.consumed(), source.total()});
    result.completed = true;
    return result;
}

bool validCurve(const Diagram& diagram, ImportMode mode, int selected) {
    return mode == ImportMode::Diagram || (selected >= 0 && selected < diagram.curveCount());
}

}  // namespace

std::size_t maxImportLineLength(const ConversionProcedure& procedure) {
    return procedure.orientation == 1 ? MaxSeriesLineLength : MaxRecordLineLength;
}

ImportResult extractData(const std::string& path, const ConversionProcedure& procedure, ImportMode mode,
                         int selectedCurve, Diagram& diagram, const ProgressCallback& progress,
                         const std::atomic<bool>* stop) {
    return extractData(path, procedure, mode, selectedCurve, diagram, progress, ImportLimits{}, stop);
}

ImportResult extractData(const std::string& path, const ConversionProcedure& procedure, ImportMode mode,
                         int selectedCurve, Diagram& diagram, const ProgressCallback& progress,
                         const ImportLimits& limits, const std::atomic<bool>* stop) {
    ImportResult result;
    if (!validCurve(diagram, mode, selectedCurve)) return result;
    // A FIFO without writer reads as an empty file; a device is refused.
    base::InputError error;
    std::uint64_t size = 0;
    const int fd = base::openInput(path, error, &size);
    if (fd < 0) {
        result.error = base::inputFailureMessage(path, error);
        return result;
    }
    LineSource source(fd, static_cast<std::size_t>(size),
                      limits.maxLineLength > 0 ? limits.maxLineLength : maxImportLineLength(procedure));
    source.setName(path);
    result = runExtraction(source, procedure, mode, selectedCurve, diagram, progress, stop, limits.maxValues);
    if (source.failed() && !result.stopped) {
        // The curves hold what was read before the failure; the caller is told.
        result.completed = false;
        error.status = base::InputStatus::ReadFailed;
        error.error = source.error();
        result.error = base::inputFailureMessage(path, error);
    }
    return result;
}

ImportResult extractDataFromText(std::string_view text, const ConversionProcedure& procedure, ImportMode mode,
                                 int selectedCurve, Diagram& diagram, const ProgressCallback& progress) {
    if (!validCurve(diagram, mode, selectedCurve)) return {};
    LineSource source(text);
    return runExtraction(source, procedure, mode, selectedCurve, diagram, progress, nullptr, MaxImportValues);
}

}  // namespace ordinax::exchange
