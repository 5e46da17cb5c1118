// Lines and ruling of report texts.
#include "reports/report_ruling.h"

#include <algorithm>

#include "reports/report_format.h"

namespace ordinax::reports {

namespace {

bool isRule(const std::vector<std::string>& lines, int row, int column) {
    if (row < 0 || row >= static_cast<int>(lines.size()) || column < 0) return false;
    const std::string& line = lines[static_cast<std::size_t>(row)];
    return column < static_cast<int>(line.size()) && line[static_cast<std::size_t>(column)] == RuleChar;
}

struct Neighbours {
    bool left, right, up, down;
    int count() const { return left + right + up + down; }
};

Neighbours neighboursOf(const std::vector<std::string>& lines, int row, int column) {
    return {isRule(lines, row, column - 1), isRule(lines, row, column + 1), isRule(lines, row - 1, column),
            isRule(lines, row + 1, column)};
}

}  // namespace

std::vector<std::string> reportLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t feed = text.find('\n'); feed != std::string_view::npos && lines.size() < MaxReportLines;
         feed = text.find('\n', from)) {
        lines.emplace_back(text.substr(from, feed - from));
        from = feed + 1;
    }
    return lines;
}

std::string displayLine(std::string_view line) {
    std::string shown(line);
    for (char& c : shown)
        if (c == RuleChar) c = ' ';
    return shown;
}

std::vector<RuleStroke> rulingStrokes(const std::vector<std::string>& lines, int firstRow, int rowCount) {
    std::vector<RuleStroke> strokes;
    const int lastRow = std::min(static_cast<int>(lines.size()), firstRow + rowCount);
    for (int row = std::max(0, firstRow); row < lastRow; ++row) {
        const std::string& line = lines[static_cast<std::size_t>(row)];
        for (int column = 0; column < static_cast<int>(line.size()); ++column) {
            if (line[static_cast<std::size_t>(column)] != RuleChar) continue;
            const Neighbours n = neighboursOf(lines, row, column);
            if (n.count() < 2) continue;
            if (n.left) strokes.push_back({row, column, RuleDirection::Left});
            if (n.right) strokes.push_back({row, column, RuleDirection::Right});
            if (n.up) strokes.push_back({row, column, RuleDirection::Up});
            if (n.down) strokes.push_back({row, column, RuleDirection::Down});
        }
    }
    return strokes;
}

RuleSegment strokeSegment(const RuleStroke& stroke, const CellGeometry& cells) {
    const int x0 = cells.left + stroke.column * cells.cellWidth;
    const int y0 = cells.top + (stroke.row - cells.firstRow) * cells.lineHeight;
    const int cx = x0 + cells.cellWidth / 2;
    const int cy = y0 + cells.lineHeight / 2;
    switch (stroke.direction) {
        case RuleDirection::Left: return {cx, cy, x0 - 1, cy};
        case RuleDirection::Right: return {cx, cy, x0 + cells.cellWidth, cy};
        case RuleDirection::Up: return {cx, cy, cx, y0 - 1};
        case RuleDirection::Down: break;
    }
    return {cx, cy, cx, y0 + cells.lineHeight};
}

std::string plainRuledLine(const std::vector<std::string>& lines, int row) {
    if (row < 0 || row >= static_cast<int>(lines.size())) return {};
    std::string out = lines[static_cast<std::size_t>(row)];
    for (int column = 0; column < static_cast<int>(out.size()); ++column) {
        if (out[static_cast<std::size_t>(column)] != RuleChar) continue;
        const Neighbours n = neighboursOf(lines, row, column);
        const bool across = n.count() >= 2 && (n.left || n.right);
        const bool down = n.count() >= 2 && (n.up || n.down);
        out[static_cast<std::size_t>(column)] = across && down ? '+' : across ? '-' : down ? '|' : ' ';
    }
    return out;
}

}  // namespace ordinax::reports
