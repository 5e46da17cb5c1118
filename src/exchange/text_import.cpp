// Text import: header, record building, sampling, the MaxPoints limit, value
// conversion into the curves, dates made relative, and the status texts.
#include "exchange/text_import.h"

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <future>
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

// Findings of one record's values, merged into the import's warnings.
enum : std::uint8_t { SawEmpty = 1, SawInvalid = 2, EmptyFirst = 4 };

// Reads the values of one record for the curves: which position feeds x and
// which curve, the missing values. Free of state between records, so that
// records can be read apart (on several threads) and stored in order.
class RecordParser {
public:
    RecordParser(const ConversionProcedure& p, ImportMode mode)
        : mode_(mode), xOrder_(p.xOrder), yOrder_(p.yOrder), coordinateCount_(std::max(p.coordinateCount, 1)) {
        if (mode == ImportMode::Diagram) {
            const int yPositions = coordinateCount_ - (xOrder_ >= 1 && xOrder_ <= coordinateCount_ ? 1 : 0);
            curveCount_ = std::clamp(yPositions, 0, MaxCurves);
        } else {
            curveCount_ = 1;
        }
    }

    int curveCount() const { return curveCount_; }
    ImportMode mode() const { return mode_; }
    int xOrder() const { return xOrder_; }
    int yOrder() const { return yOrder_; }

    // Reads `values` into x and ys[curveCount()] (with their date flags);
    // returns the findings of the record. A coordinate taken from the
    // record's number is left to the caller.
    std::uint8_t parse(ValueReader& reader, std::string_view values, double& x, bool& xDate, double* ys,
                       std::uint8_t* yDates) const {
        reader.startRecord();
        reader.clearWarnings();
        x = 0.0;
        xDate = false;
        if (mode_ == ImportMode::Diagram) parseDiagramRecord(reader, values, x, xDate, ys, yDates);
        else parseCurveRecord(reader, values, x, xDate, ys, yDates);
        return static_cast<std::uint8_t>((reader.sawEmpty() ? SawEmpty : 0) | (reader.sawInvalid() ? SawInvalid : 0) |
                                         (reader.emptyFirst() ? EmptyFirst : 0));
    }

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

    void parseDiagramRecord(ValueReader& reader, std::string_view values, double& x, bool& xDate, double* ys,
                            std::uint8_t* yDates) const {
        std::fill(yDates, yDates + curveCount_, std::uint8_t{0});
        bool exhausted = false;
        for (int p = 1; p <= coordinateCount_; ++p) {
            const int k = curveOfPosition(p, xOrder_);
            // A value beyond the last curve slot ends the record.
            if (k >= MaxCurves) break;
            bool wasDate = false;
            const double v = reader.read(nextValue(values, exhausted), wasDate);
            if (k < 0) {
                x = v;
                xDate = wasDate;
            } else {
                ys[k] = v;
                yDates[k] = wasDate;
            }
        }
    }

    void parseCurveRecord(ValueReader& reader, std::string_view values, double& x, bool& xDate, double* ys,
                          std::uint8_t* yDates) const {
        double y = 0.0;
        bool yDate = false;
        bool needX = xOrder_ >= 1 && xOrder_ <= coordinateCount_;
        bool needY = yOrder_ >= 1 && yOrder_ <= coordinateCount_;
        bool exhausted = false;
        for (int p = 1; p <= coordinateCount_ && (needX || needY); ++p) {
            if (exhausted) {
                // Every value left is missing: empty once, 0 where x or y was expected.
                bool wasDate = false;
                reader.read({}, wasDate);
                break;
            }
            bool wasDate = false;
            const double v = reader.read(nextValue(values, exhausted), wasDate);
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
        ys[0] = y;
        yDates[0] = yDate;
    }

    ImportMode mode_;
    int xOrder_;
    int yOrder_;
    int coordinateCount_;
    int curveCount_ = 0;
};

// Fills the curves from the records: sampling, the MaxPoints limit, values.
class CurveFiller : public RecordSink {
public:
    CurveFiller(const RecordParser& parser, const ConversionProcedure& p, int selected, Diagram& diagram,
                long long capacityHint, const ProgressCallback& progress, const LineSource& source)
        : parser_(parser),
          sampling_(std::max(p.sampling, 1)),
          reader_(p.numericBase),
          progress_(progress),
          source_(source) {
        if (parser.mode() == ImportMode::Diagram) {
            for (int k = 0; k < parser.curveCount(); ++k) targets_.push_back(&diagram.curves[static_cast<std::size_t>(k)]);
        } else {
            targets_.push_back(&diagram.curves[static_cast<std::size_t>(selected)]);
        }
        ys_.assign(static_cast<std::size_t>(parser.curveCount()), 0.0);
        yDates_.assign(static_cast<std::size_t>(parser.curveCount()), 0);
        yDate_.assign(static_cast<std::size_t>(parser.curveCount()), 0);
        capacity_ = static_cast<std::size_t>(std::clamp<long long>(capacityHint, 1, MaxPoints));
        for (Curve* c : targets_) spans_.push_back(c->points.assignUninitialised(capacity_));
    }

    enum class Admission { Skip, Keep, Full };

    // Whether the next record is kept: the sampling, then the MaxPoints limit.
    Admission admit() {
        if (++raw_ % sampling_ != 0) return Admission::Skip;
        if (kept_ == MaxPoints) {
            overflow_ = true;
            return Admission::Full;
        }
        return Admission::Keep;
    }

    bool record(std::string_view values) override {
        const Admission admission = admit();
        if (admission != Admission::Keep) return admission == Admission::Skip;
        double x = 0.0;
        bool xDate = false;
        const std::uint8_t findings = parser_.parse(reader_, values, x, xDate, ys_.data(), yDates_.data());
        store(x, xDate, ys_.data(), yDates_.data(), findings);
        return true;
    }

    // Stores an admitted record read apart.
    void store(double x, bool xDate, const double* ys, const std::uint8_t* yDates, std::uint8_t findings) {
        if (kept_ == static_cast<long long>(capacity_)) grow();
        const std::size_t at = static_cast<std::size_t>(kept_);
        if (parser_.xOrder() == 0) x = static_cast<double>(kept_ + 1);
        if (parser_.mode() == ImportMode::Diagram) {
            for (std::size_t k = 0; k < spans_.size(); ++k) spans_[k][at] = Point{x, ys[k]};
        } else {
            spans_[0][at] = Point{x, parser_.yOrder() == 0 ? static_cast<double>(kept_ + 1) : ys[0]};
        }
        xDate_ = xDate;
        std::copy(yDates, yDates + yDate_.size(), yDate_.begin());
        if (findings != 0) {
            if (!sawEmpty_ && !sawInvalid_) emptyFirst_ = (findings & EmptyFirst) != 0;
            sawEmpty_ = sawEmpty_ || (findings & SawEmpty) != 0;
            sawInvalid_ = sawInvalid_ || (findings & SawInvalid) != 0;
        }
        ++kept_;
        if (progress_ && kept_ % ProgressStep == 0) report(recordStatus(kept_));
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
    int curveCount() const { return kept_ > 0 ? parser_.curveCount() : 0; }
    bool overflow() const { return overflow_; }
    std::vector<base::Message> warnings() const { return ValueReader::warningsOf(sawEmpty_, sawInvalid_, emptyFirst_); }

private:
    void grow() {
        capacity_ = std::min<std::size_t>(capacity_ * 2, MaxPoints);
        spans_.clear();
        for (Curve* c : targets_) {
            c->points.resize(capacity_);
            spans_.push_back(c->points.edit());
        }
    }

    const RecordParser& parser_;
    long long sampling_;
    ValueReader reader_;
    const ProgressCallback& progress_;
    const LineSource& source_;
    std::vector<Curve*> targets_;
    std::vector<std::span<Point>> spans_;
    std::size_t capacity_ = 0;
    std::vector<double> ys_;
    std::vector<std::uint8_t> yDates_;
    std::vector<std::uint8_t> yDate_;  // of the last record stored
    bool xDate_ = false;
    bool sawEmpty_ = false;
    bool sawInvalid_ = false;
    bool emptyFirst_ = false;
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

// Data lines read ahead in batches, normalised and read into values on
// worker threads, then handed to the record builder in their order: the
// records, their values and the warnings are those of reading line by line.
struct LineBatch {
    std::string raw;                  // the lines one after another
    std::vector<std::size_t> starts;  // where each line starts in `raw`, then its end
    bool endOfInput = false;          // the source gave no line after these
    // Filled by the worker.
    std::string normalised;
    std::vector<std::size_t> normalisedStarts;
    std::vector<double> xs;
    std::vector<std::uint8_t> xDates;
    std::vector<double> ys;  // curveCount values per line
    std::vector<std::uint8_t> yDates;
    std::vector<std::uint8_t> findings;

    std::size_t lines() const { return starts.empty() ? 0 : starts.size() - 1; }
    std::string_view normalisedLine(std::size_t i) const {
        return std::string_view(normalised).substr(normalisedStarts[i], normalisedStarts[i + 1] - normalisedStarts[i]);
    }
};

struct BatchReading {
    const RecordParser& parser;
    Separator separator;
    bool dos = false;
    int numericBase = 10;
};

void readBatchValues(const BatchReading& reading, LineBatch& batch) {
    LineNormaliser normaliser(reading.separator, reading.dos);
    ValueReader reader(reading.numericBase);
    const std::size_t n = batch.lines();
    const std::size_t width = static_cast<std::size_t>(reading.parser.curveCount());
    batch.normalisedStarts.assign(1, 0);
    batch.normalisedStarts.reserve(n + 1);
    batch.normalised.reserve(batch.raw.size());
    batch.xs.resize(n);
    batch.xDates.resize(n);
    batch.ys.resize(n * width);
    batch.yDates.resize(n * width);
    batch.findings.resize(n);
    std::string line;
    for (std::size_t i = 0; i < n; ++i) {
        const std::string_view rawLine = std::string_view(batch.raw).substr(batch.starts[i], batch.starts[i + 1] - batch.starts[i]);
        normaliser.normalise(rawLine, line);
        batch.normalised += line;
        batch.normalisedStarts.push_back(batch.normalised.size());
        // A line of empty values is never a record itself (see RecordBuilder).
        if (line.find_first_not_of('\t') == std::string::npos) continue;
        bool xDate = false;
        batch.findings[i] = reading.parser.parse(reader, line, batch.xs[i], xDate, batch.ys.data() + i * width,
                                                 batch.yDates.data() + i * width);
        batch.xDates[i] = xDate;
    }
}

// Hands the builder's records to the filler with the values read on the
// workers: a record is the current line, or an empty record for the lines
// of empty values it lets through.
class BatchSink : public RecordSink {
public:
    BatchSink(CurveFiller& filler, const RecordParser& parser, int numericBase) : filler_(filler) {
        const std::size_t width = static_cast<std::size_t>(parser.curveCount());
        emptyYs_.assign(width, 0.0);
        emptyYDates_.assign(width, 0);
        ValueReader reader(numericBase);
        bool xDate = false;
        emptyFindings_ = parser.parse(reader, {}, emptyX_, xDate, emptyYs_.data(), emptyYDates_.data());
        emptyXDate_ = xDate;
        width_ = width;
    }

    void setLine(const LineBatch* batch, std::size_t line) {
        batch_ = batch;
        line_ = line;
    }

    bool record(std::string_view values) override {
        const CurveFiller::Admission admission = filler_.admit();
        if (admission != CurveFiller::Admission::Keep) return admission == CurveFiller::Admission::Skip;
        if (values.empty()) {
            filler_.store(emptyX_, emptyXDate_, emptyYs_.data(), emptyYDates_.data(), emptyFindings_);
        } else {
            const std::size_t i = line_;
            filler_.store(batch_->xs[i], batch_->xDates[i] != 0, batch_->ys.data() + i * width_,
                          batch_->yDates.data() + i * width_, batch_->findings[i]);
        }
        return true;
    }

private:
    CurveFiller& filler_;
    const LineBatch* batch_ = nullptr;
    std::size_t line_ = 0;
    std::size_t width_ = 0;
    double emptyX_ = 0.0;
    bool emptyXDate_ = false;
    std::vector<double> emptyYs_;
    std::vector<std::uint8_t> emptyYDates_;
    std::uint8_t emptyFindings_ = 0;
};

// Fills a batch with the next lines; `batch` comes back from an earlier
// round, so that its buffers (megabytes) are not fresh memory each time.
LineBatch readLineBatch(LineSource& source, std::size_t maxLines, LineBatch batch) {
    batch.raw.clear();
    batch.starts.assign(1, 0);
    batch.normalised.clear();
    batch.endOfInput = false;
    std::string_view line;
    while (batch.lines() < maxLines && batch.raw.size() < (std::size_t{4} << 20)) {
        if (!source.next(line)) {
            batch.endOfInput = true;
            break;
        }
        batch.raw.append(line);
        batch.starts.push_back(batch.raw.size());
    }
    return batch;
}

// Batches being read at once: two cores busy, two more lines of work ready.
constexpr std::size_t BatchesInFlight = 4;

ImportResult runExtraction(LineSource& source, const ConversionProcedure& p, ImportMode mode, int selected,
                           Diagram& diagram, const ProgressCallback& progress, const std::atomic<bool>* stop,
                           const ImportLimits& limits, bool fromFile, bool& inputEnded) {
    ImportResult result;
    inputEnded = false;
    const long long maxValues = limits.maxValues;
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

    const RecordParser parser(p, mode);
    CurveFiller filler(parser, p, selected, diagram, bound, progress, source);
    // Values read, against what the diagram can hold: an endless input (or
    // one kept only one record in a million) stops instead of running on.
    const bool series = p.orientation == 1;
    long long values = 0;
    auto tooManyValues = [&] {
        result.error = base::withReason(
            base::makeMessage(base::MsgInputStopped, base::Heading::Error, source.name()),
            base::makeMessage(base::MsgInputTooManyValues, base::Heading::None, std::to_string(maxValues)).text);
        return result;
    };
    const std::size_t remaining = source.total() > source.consumed() ? source.total() - source.consumed() : 0;
    // Records of one line each can be read apart; series and values on lines cannot.
    const bool parallel = fromFile && !series && separator.kind != SeparatorKind::Lines &&
                          remaining >= limits.parallelFromBytes;
    if (parallel) {
        BatchSink sink(filler, parser, p.numericBase);
        RecordBuilder builder(p.orientation, separator.kind, p.coordinateCount, expected, sink);
        const BatchReading reading{parser, separator, p.charSet == 1, p.numericBase};
        std::deque<std::future<LineBatch>> pending;
        std::vector<LineBatch> spare;
        bool readingDone = false;
        bool wanted = true;
        while (wanted) {
            while (!readingDone && pending.size() < BatchesInFlight) {
                LineBatch recycled;
                if (!spare.empty()) {
                    recycled = std::move(spare.back());
                    spare.pop_back();
                }
                LineBatch batch = readLineBatch(source, std::max<std::size_t>(limits.batchLines, 1), std::move(recycled));
                readingDone = batch.endOfInput;
                pending.push_back(std::async(std::launch::async, [&reading, batch = std::move(batch)]() mutable {
                    readBatchValues(reading, batch);
                    return std::move(batch);
                }));
            }
            if (pending.empty()) break;
            LineBatch batch = pending.front().get();
            pending.pop_front();
            for (std::size_t i = 0; i < batch.lines() && wanted; ++i) {
                if (stop && stop->load(std::memory_order_relaxed)) {
                    result.stopped = true;
                    return result;
                }
                if (++values > maxValues) return tooManyValues();
                sink.setLine(&batch, i);
                wanted = builder.addLine(batch.normalisedLine(i));
            }
            if (wanted && batch.endOfInput) {
                inputEnded = true;
                break;
            }
            spare.push_back(std::move(batch));
        }
        if (inputEnded || !source.tooLong()) builder.finish();
    } else {
        LineNormaliser normaliser(separator, p.charSet == 1);
        RecordBuilder builder(p.orientation, separator.kind, p.coordinateCount, expected, filler);
        std::string_view line;
        std::string normalised;
        inputEnded = true;
        while (source.next(line)) {
            if (stop && stop->load(std::memory_order_relaxed)) {
                result.stopped = true;
                return result;
            }
            normaliser.normalise(line, normalised);
            values += series ? static_cast<long long>(std::count(normalised.begin(), normalised.end(), '\t')) + 1 : 1;
            if (values > maxValues) return tooManyValues();
            if (!builder.addLine(normalised)) {
                inputEnded = false;
                break;
            }
        }
        if (!inputEnded || !source.tooLong()) builder.finish();
    }
    // Lines read ahead count only once the records reached them.
    if (inputEnded && source.tooLong()) {
        const base::InputError error{base::InputStatus::LineTooLong, 0, source.maxLineLength(), source.tooLongLine()};
        result.error = base::withReason(base::makeMessage(base::MsgInputStopped, base::Heading::Error, source.name()),
                                        error.reason());
        return result;
    }
    filler.finish();

    if (filler.overflow()) {
        result.warnings.push_back(
            base::makeMessage(base::MsgMaxPointsExceeded, base::Heading::Warning, std::to_string(MaxPoints)));
    }
    for (base::Message& m : filler.warnings()) result.warnings.push_back(std::move(m));

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
    bool inputEnded = false;
    result = runExtraction(source, procedure, mode, selectedCurve, diagram, progress, stop, limits, true, inputEnded);
    if (inputEnded && source.failed() && !result.stopped) {
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
    bool inputEnded = false;
    return runExtraction(source, procedure, mode, selectedCurve, diagram, progress, nullptr, ImportLimits{}, false,
                         inputEnded);
}

}  // namespace ordinax::exchange
