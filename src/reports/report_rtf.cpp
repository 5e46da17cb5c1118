// A calculation report as an RTF document: the text lines as paragraphs and
// each run of `&`-ruled lines as a real table, so that a word processor shows
// aligned columns whatever its font and page width.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "numerics/catalogue.h"
#include "reports/report_export.h"
#include "reports/report_format.h"
#include "richtext/rtf_writer.h"

namespace ordinax::reports {

namespace {

// Margins come from files: anything but a sensible length counts as none.
int twips(double cm) {
    return std::isfinite(cm) ? static_cast<int>(std::lround(std::clamp(cm, 0.0, 20.0) * 1440.0 / 2.54)) : 0;
}

std::vector<std::string> linesOf(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    while (from < text.size()) {
        std::size_t feed = text.find('\n', from);
        if (feed == std::string_view::npos) feed = text.size();
        lines.emplace_back(text.substr(from, feed - from));
        from = feed + 1;
    }
    return lines;
}

bool isTableLine(const std::string& line) { return std::count(line.begin(), line.end(), RuleChar) >= 2; }

// A line made of rule characters and blanks only draws rules, no cells.
bool isRuleLine(const std::string& line) {
    return line.find_first_not_of(std::string(1, RuleChar) + " ") == std::string::npos;
}

// The columns a text takes once its markup codes are read.
int shownWidth(std::string_view markup) { return static_cast<int>(numerics::stripMarkup(markup).size()); }

std::string trimmedBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// One row of a table: its cells between the first and the last rule
// character, the shown column of each cell's right rule counted from the
// first rule, and the indent of the first rule.
struct TableRow {
    std::vector<std::string> cells;
    std::vector<int> edges;
    int indent = 0;
    bool ruleAbove = false;
    bool ruleBelow = false;
};

TableRow rowOf(const std::string& line) {
    TableRow row;
    const std::size_t first = line.find(RuleChar);
    const std::size_t last = line.rfind(RuleChar);
    row.indent = shownWidth(std::string_view(line).substr(0, first));
    int column = 0;
    std::size_t from = first + 1;
    while (from <= last) {
        const std::size_t rule = line.find(RuleChar, from);
        const std::string_view cell = std::string_view(line).substr(from, rule - from);
        column += shownWidth(cell) + 1;
        row.cells.push_back(trimmedBlanks(cell));
        row.edges.push_back(column);
        from = rule + 1;
    }
    return row;
}

class RtfReportWriter {
public:
    RtfReportWriter(int charTwips, int textWidth) : charTwips_(charTwips), textWidth_(textWidth) {}

    void words(std::string text) { pieces_.push_back({true, std::move(text)}); }
    void markup(std::string text) { pieces_.push_back({false, std::move(text)}); }

    // The rows of one table; rows with as many cells as the widest row share
    // the columns of the first such row (a cell holding markup codes is
    // longer in the text than on the page, and must not shift its column).
    void table(std::vector<TableRow> rows) {
        std::size_t widest = 0;
        for (const TableRow& row : rows) widest = std::max(widest, row.cells.size());
        const TableRow* model = nullptr;
        for (const TableRow& row : rows)
            if (row.cells.size() == widest) {
                model = &row;
                break;
            }
        const auto columnsOf = [&](const TableRow& row) -> const TableRow& {
            return row.cells.size() == widest ? *model : row;
        };
        int right = 0;
        for (const TableRow& row : rows) right = std::max(right, columnsOf(row).indent + columnsOf(row).edges.back());
        const double fit = right * charTwips_ > textWidth_ ? static_cast<double>(textWidth_) / (right * charTwips_) : 1.0;
        const auto at = [&](int columns) { return static_cast<int>(std::lround(columns * charTwips_ * fit)); };
        for (const TableRow& row : rows) {
            const TableRow& columns = columnsOf(row);
            std::string definition = "\\trowd\\trgaph57\\trleft" + std::to_string(at(columns.indent)) + " ";
            for (std::size_t k = 0; k < row.cells.size(); ++k) {
                if (row.ruleAbove) definition += "\\clbrdrt\\brdrs\\brdrw10";
                if (row.ruleBelow) definition += "\\clbrdrb\\brdrs\\brdrw10";
                definition += "\\clbrdrl\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10\\cellx" +
                              std::to_string(at(columns.indent + columns.edges[k])) + " ";
            }
            words(definition);
            for (const std::string& cell : row.cells) {
                words("\\pard\\intbl\\qc ");
                markup(cell);
                words("\\cell ");
            }
            words("\\row ");
        }
        words("\\pard ");
    }

    const std::vector<richtext::RtfPiece>& pieces() const { return pieces_; }

private:
    int charTwips_;
    int textWidth_;
    std::vector<richtext::RtfPiece> pieces_;
};

}  // namespace

std::string reportToRtf(std::string_view report, const base::LogFont& font, std::string_view frame,
                        const RtfPage& page) {
    const int paperWidth = page.landscape ? 16838 : 11906;  // A4 in twips
    const int paperHeight = page.landscape ? 11906 : 16838;
    const auto& m = page.marginsCm;
    const int textWidth = std::max(1440, paperWidth - twips(m[0]) - twips(m[1]));
    // A fixed-pitch character is 0.6 em wide: half-points × 10 twips × 0.6.
    const int charTwips = std::max(1, richtext::baseHalfPoints(font, 96) * 6);
    RtfReportWriter writer(charTwips, textWidth);
    writer.words("\\paperw" + std::to_string(paperWidth) + "\\paperh" + std::to_string(paperHeight) + "\\margl" +
                 std::to_string(twips(m[0])) + "\\margr" + std::to_string(twips(m[1])) + "\\margt" +
                 std::to_string(twips(m[2])) + "\\margb" + std::to_string(twips(m[3])) +
                 (page.landscape ? "\\landscape " : " "));
    const std::vector<std::string> lines = linesOf(report);
    for (std::size_t i = 0; i < lines.size();) {
        if (!isTableLine(lines[i])) {
            // A lone rule character shows as a blank, as in the panel.
            std::string shown = lines[i];
            std::replace(shown.begin(), shown.end(), RuleChar, ' ');
            writer.markup(shown + "\n");
            ++i;
            continue;
        }
        std::vector<TableRow> rows;
        bool ruleBefore = false;
        for (; i < lines.size() && isTableLine(lines[i]); ++i) {
            if (isRuleLine(lines[i])) {
                if (!rows.empty()) rows.back().ruleBelow = true;
                ruleBefore = true;
                continue;
            }
            rows.push_back(rowOf(lines[i]));
            rows.back().ruleAbove = ruleBefore;
            ruleBefore = false;
        }
        if (!rows.empty()) writer.table(std::move(rows));
    }
    return richtext::piecesToRtf(writer.pieces(), font, frame);
}

}  // namespace ordinax::reports
