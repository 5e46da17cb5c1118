// Export of calculation reports.
#include "reports/report_export.h"

#include <cstdio>
#include <vector>

#include "numerics/catalogue.h"
#include "reports/report_format.h"
#include "reports/report_ruling.h"

namespace ordinax::reports {

namespace {

std::string trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

// A cell quoted when it holds the separator, a quote or a line break.
std::string csvCell(const std::string& cell) {
    if (cell.find_first_of(";\"\n") == std::string::npos) return cell;
    std::string quoted = "\"";
    for (char c : cell) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

// Every line of the text, the last one even without its line feed.
std::vector<std::string> allLines(std::string_view text) {
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

}  // namespace

std::string exportFileName(std::string_view documentFileName, int curveIndex, int mode) {
    if (documentFileName.empty()) return {};
    std::string name(documentFileName);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos) name.erase(dot);
    name += mode == ExportCsv ? ".CSV" : mode == ExportPdf ? ".PDF" : ".RTF";
    char number[16];
    std::snprintf(number, sizeof number, "_%02d.", curveIndex + 1);
    replaceAll(name, ".", number);
    return name;
}

std::string reportToCsv(std::string_view report) {
    std::string csv;
    for (const std::string& line : allLines(report)) {
        const std::string shown = numerics::stripMarkup(line);
        std::vector<std::string> cells;
        std::size_t from = 0;
        while (true) {
            const std::size_t rule = shown.find(RuleChar, from);
            cells.push_back(trimmed(std::string_view(shown).substr(from, rule == std::string::npos ? std::string::npos
                                                                                                      : rule - from)));
            if (rule == std::string::npos) break;
            from = rule + 1;
        }
        // The borders of a table row leave empty cells at both ends.
        const bool table = shown.find(RuleChar) != std::string::npos;
        if (table) {
            while (!cells.empty() && cells.back().empty()) cells.pop_back();
            std::size_t lead = 0;
            while (lead < cells.size() && cells[lead].empty()) ++lead;
            cells.erase(cells.begin(), cells.begin() + static_cast<std::ptrdiff_t>(lead));
            if (cells.empty()) continue;  // a rule line
        }
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0) csv += ';';
            csv += csvCell(cells[i]);
        }
        csv += "\r\n";
    }
    return csv;
}

std::string reportToPlainText(std::string_view report) {
    const std::vector<std::string> lines = allLines(report);
    std::string text;
    for (int row = 0; row < static_cast<int>(lines.size()); ++row) text += plainRuledLine(lines, row) + "\n";
    return text;
}

}  // namespace ordinax::reports
