// Clipboard table import: reading the table, titles from its first series,
// values into the curves, dates made relative, the Y-axis label.
#include "exchange/clipboard_table.h"

#include <algorithm>
#include <span>

#include "base/strings.h"
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

TableOpenResult openClipboardTable(std::optional<std::string_view> clipboardText) {
    TableOpenResult result;
    if (!clipboardText) {
        result.error = unusable();
        return result;
    }
    // The clipboard's text ends at its first NUL.
    std::string_view text = clipboardText->substr(0, clipboardText->find('\0'));
    if (text.empty()) {
        result.error = base::makeMessage(base::MsgClipboardEmpty, base::Heading::Error);
        return result;
    }
    if (text.find('\t') == std::string_view::npos) {
        result.error = unusable();
        return result;
    }
    ClipboardTable table;
    table.text.assign(text);
    std::string_view rest = table.text;
    if (rest.back() == '\n') rest.remove_suffix(1);
    std::size_t offset = 0;
    for (;;) {
        const std::size_t lf = rest.find('\n', offset);
        const std::size_t rowEnd = lf == std::string_view::npos ? rest.size() : lf;
        int cellsInRow = 0;
        std::size_t cellStart = offset;
        for (;;) {
            const std::size_t tab = rest.find('\t', cellStart);
            const std::size_t cellEnd = tab == std::string_view::npos || tab > rowEnd ? rowEnd : tab;
            table.cells.push_back({cellStart, cellEnd - cellStart});
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
