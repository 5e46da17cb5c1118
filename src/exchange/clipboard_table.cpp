// Clipboard table import: reading the table, titles from its first series,
// values into the curves, dates made relative, the Y-axis label.
#include "exchange/clipboard_table.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <span>

#include "base/input_file.h"
#include "base/strings.h"
#include "base/strings_files.h"
#include "base/system_reason.h"
#include "base/text.h"
#include "document/diagram_defaults.h"
#include "document/diagram_ops.h"
#include "exchange/value_reader.h"

namespace ordinax::exchange {

using document::Curve;
using document::Diagram;
using document::MaxCurves;
using document::MaxPoints;
using document::Point;

namespace {

constexpr int LeftYLabelSlot = 4;
constexpr int LegendPlacement = 1;
constexpr int LeftYLabelPlacement = 4;
constexpr std::string_view ValueCharacters = "-+0123456789.,E/";

base::Message unusable() { return base::makeMessage(base::MsgClipboardUnusable, base::Heading::Error); }

// A title, name or legend cell: no carriage return, runs of blanks reduced, no blank at either end.
std::string labelText(std::string_view cell) {
    std::string out;
    for (char c : cell) {
        if (c == '\r') continue;
        if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
        out += c;
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

// The characters of a number or a date, "," read as the decimal point.
void valueText(std::string_view cell, std::string& out) {
    out.clear();
    for (char c : cell) {
        const char upper = base::upperCase1252(c);
        if (ValueCharacters.find(upper) == std::string_view::npos) continue;
        out += upper == ',' ? '.' : upper;
    }
}

std::string defaultTitle(int number) {
    std::string title = document::DefaultCurveTitle;
    return title.replace(title.find("%d"), 2, std::to_string(number));
}

}  // namespace

bool TableShape::tooBig(base::Message& error, std::string reason) {
    error = base::withReason(base::makeMessage(base::MsgTableTooBig, base::Heading::Error), reason);
    return false;
}

bool TableShape::add(std::string_view bytes, base::Message& error) {
    bytes_ += bytes.size();
    if (bytes_ > MaxTableBytes)
        return tooBig(error, base::makeMessage(base::MsgInputTooLarge, base::Heading::None,
                                               std::to_string(MaxTableBytes)).text);
    if (!bytes.empty()) rowOpen_ = bytes.back() != '\n';
    for (char c : bytes) {
        if (c == '\n') {
            ++rows_;
            cellLength_ = 0;
        } else if (c == '\t') {
            if (rows_ == 0) ++columns_;
            cellLength_ = 0;
        } else if (++cellLength_ > MaxTableCellLength) {
            return tooBig(error, base::makeMessageWith(base::MsgTableCellTooLong, base::Heading::None,
                                                       {std::to_string(rows_ + 1), std::to_string(MaxTableCellLength)})
                                     .text);
        }
    }
    // The row being read counts too: a table of MaxPoints rows and a last line end fits.
    const std::uint64_t rows = rows_ + (rowOpen_ ? 1 : 0);
    const std::uint64_t wide = static_cast<std::uint64_t>(MaxCurves) + 1;
    if (rows > static_cast<std::uint64_t>(MaxPoints) || columns_ > static_cast<std::uint64_t>(MaxPoints) ||
        (rows > wide && columns_ > wide))
        return tooBig(error);
    return true;
}

std::optional<std::string> readTableText(int fd, const std::string& name, base::Message& error) {
    base::InputError failure;
    if (!base::checkInputDescriptor(fd, failure)) {
        error = base::inputFailureMessage(name, failure);
        return std::nullopt;
    }
    std::string text;
    TableShape shape;
    // A regular file is read in one piece of its size (and one byte to see its end), up to 1 MiB at a time.
    constexpr std::size_t MaxChunk = std::size_t{1} << 20;
    struct stat st {};
    const bool sized = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size >= 0;
    const std::size_t chunk =
        sized ? std::clamp<std::size_t>(static_cast<std::size_t>(st.st_size) + 1, 4096, MaxChunk) : MaxChunk;
    for (;;) {
        const std::size_t at = text.size();
        text.resize(at + chunk);
        const ssize_t n = ::read(fd, text.data() + at, chunk);
        if (n < 0 && errno == EINTR) {
            text.resize(at);
            continue;
        }
        if (n < 0) {
            failure.status = base::InputStatus::ReadFailed;
            failure.error = errno;
            error = base::inputFailureMessage(name, failure);
            return std::nullopt;
        }
        text.resize(at + static_cast<std::size_t>(n));
        // The clipboard's text ends at its first NUL: nothing after it is read.
        std::string_view fresh(text.data() + at, static_cast<std::size_t>(n));
        const std::size_t nul = fresh.find('\0');
        if (nul != std::string_view::npos) {
            fresh = fresh.substr(0, nul);
            text.resize(at + nul);
        }
        if (!shape.add(fresh, error)) return std::nullopt;
        if (n == 0 || nul != std::string_view::npos) break;
    }
    text.shrink_to_fit();
    return text;
}

TableOpenResult openClipboardTable(std::optional<std::string_view> clipboardText) {
    if (!clipboardText) {
        TableOpenResult result;
        result.error = unusable();
        return result;
    }
    // The clipboard's text ends at its first NUL.
    return openClipboardTable(std::string(clipboardText->substr(0, clipboardText->find('\0'))));
}

TableOpenResult openClipboardTable(std::string&& clipboardText) {
    TableOpenResult result;
    if (const std::size_t nul = clipboardText.find('\0'); nul != std::string::npos) clipboardText.resize(nul);
    if (clipboardText.empty()) {
        result.error = base::makeMessage(base::MsgClipboardEmpty, base::Heading::Error);
        return result;
    }
    if (clipboardText.find('\t') == std::string::npos) {
        result.error = unusable();
        return result;
    }
    TableShape shape;
    if (!shape.add(clipboardText, result.error)) return result;
    ClipboardTable table;
    table.text = std::move(clipboardText);
    if (table.text.back() == '\n') table.text.pop_back();
    const std::string_view rest = table.text;
    std::size_t offset = 0;
    for (;;) {
        const std::size_t lf = rest.find('\n', offset);
        const std::size_t rowEnd = lf == std::string_view::npos ? rest.size() : lf;
        int cellsInRow = 0;
        std::size_t cellStart = offset;
        for (;;) {
            const std::size_t tab = rest.find('\t', cellStart);
            const std::size_t cellEnd = tab == std::string_view::npos || tab > rowEnd ? rowEnd : tab;
            table.starts.push_back(static_cast<std::uint32_t>(cellStart));
            ++cellsInRow;
            if (cellEnd == rowEnd) break;
            cellStart = cellEnd + 1;
        }
        if (table.rowCount == 0) table.columnCount = cellsInRow;
        if (cellsInRow != table.columnCount) {
            result.error = unusable();
            return result;
        }
        ++table.rowCount;
        if (lf == std::string_view::npos) break;
        offset = lf + 1;
    }
    if (table.rowCount * static_cast<long long>(table.columnCount) < 2) {
        result.error = unusable();
        return result;
    }
    result.table = std::move(table);
    return result;
}

TableImportResult importClipboardTable(const ClipboardTable& table, const TableOptions& options, Diagram& diagram) {
    TableImportResult result;
    const int records = options.horizontal ? table.columnCount : table.rowCount;
    const int width = options.horizontal ? table.rowCount : table.columnCount;
    if (records > MaxPoints || width > MaxCurves + 1) {
        result.error = base::makeMessage(base::MsgTableTooBig, base::Heading::Error);
        return result;
    }
    auto cell = [&](int record, int position) {
        return options.horizontal ? table.cell(position, record) : table.cell(record, position);
    };
    const int abscissa = options.abscissa;
    // The curve fed by position p (1-based), -1 for the abscissa.
    auto curveOf = [&](int p) { return p == abscissa ? -1 : (abscissa >= 1 && p > abscissa ? p - 2 : p - 1); };

    diagram.curves.resize(MaxCurves);
    for (int i = 0; i < MaxCurves; ++i) {
        Curve& c = diagram.curves[static_cast<std::size_t>(i)];
        document::resetCurve(c);
        c.title = defaultTitle(i + 1);
        c.axisName = {"X", "Y"};
    }

    int first = 0;
    if (options.titles || options.names || options.legends) {
        first = 1;
        for (int p = 1; p <= width; ++p) {
            const std::string text = labelText(cell(0, p - 1));
            if (text.empty()) continue;
            const int k = curveOf(p);
            if (k < 0) {
                if (options.names)
                    for (Curve& c : diagram.curves) c.axisName[0] = text;
                continue;
            }
            if (k >= MaxCurves) continue;
            Curve& c = diagram.curves[static_cast<std::size_t>(k)];
            if (options.titles) c.title = text;
            if (options.names) c.axisName[1] = text;
            if (options.legends) {
                c.legend = text;
                diagram.labels[document::LegendSlot].placement = LegendPlacement;
                diagram.labels[document::LegendSlot].paint = options.labelPaint;
            }
        }
    }

    // Records whose cells hold no value character at the end of the table are no records.
    std::string value;
    auto emptyRecord = [&](int r) {
        for (int p = 0; p < width; ++p) {
            valueText(cell(r, p), value);
            if (!value.empty()) return false;
        }
        return true;
    };
    int last = records;
    while (last > first && emptyRecord(last - 1)) --last;
    const int count = last - first;

    int used = 0;
    for (int p = 1; p <= width; ++p) used = std::max(used, std::min(curveOf(p), MaxCurves - 1) + 1);
    if (count == 0) used = 0;

    std::vector<std::span<Point>> spans;
    for (int k = 0; k < used; ++k)
        spans.push_back(diagram.curves[static_cast<std::size_t>(k)].points.assignUninitialised(static_cast<std::size_t>(count)));
    std::vector<double> ys(static_cast<std::size_t>(used), 0.0);
    std::vector<bool> yDate(static_cast<std::size_t>(used), false);
    bool xDate = false;
    ValueReader reader(10);
    for (int r = first; r < last; ++r) {
        reader.startRecord();
        double x = 0.0;
        xDate = false;
        std::fill(yDate.begin(), yDate.end(), false);
        for (int p = 1; p <= width; ++p) {
            const int k = curveOf(p);
            if (k >= MaxCurves) break;
            valueText(cell(r, p - 1), value);
            bool wasDate = false;
            const double v = reader.read(value, wasDate);
            if (k < 0) {
                x = v;
                xDate = wasDate;
            } else {
                ys[static_cast<std::size_t>(k)] = v;
                yDate[static_cast<std::size_t>(k)] = wasDate;
            }
        }
        for (int k = 0; k < used; ++k)
            spans[static_cast<std::size_t>(k)][static_cast<std::size_t>(r - first)] = Point{x, ys[static_cast<std::size_t>(k)]};
    }

    // Dates become relative to the earliest one.
    if (used > 0 && xDate) {
        double earliest = document::DoubleMax;
        for (const Point& pt : spans[0]) earliest = std::min(earliest, pt.x);
        for (auto& span : spans)
            for (Point& pt : span) pt.x -= earliest;
    }
    for (int k = 0; k < used; ++k) {
        if (!yDate[static_cast<std::size_t>(k)]) continue;
        double earliest = document::DoubleMax;
        for (const Point& pt : spans[static_cast<std::size_t>(k)]) earliest = std::min(earliest, pt.y);
        for (Point& pt : spans[static_cast<std::size_t>(k)]) pt.y -= earliest;
    }

    if (!options.yLabel.empty()) {
        document::LabelSlot& label = diagram.labels[LeftYLabelSlot];
        label.text = options.yLabel;
        label.placement = LeftYLabelPlacement;
        label.paint = options.labelPaint;
    }
    document::updateLabelLineCounts(diagram);
    for (int k = 0; k < used; ++k) document::curveExtent(diagram, k, -1);

    result.imported = true;
    result.warnings = reader.warnings();
    result.curves = used;
    result.points = used > 0 ? count : 0;
    return result;
}

}  // namespace ordinax::exchange
