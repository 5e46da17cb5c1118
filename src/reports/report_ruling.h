// The report text as the report panel and printed reports show it: its lines,
// the `&` cells shown as blanks and the rules drawn between adjoining `&` cells.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ordinax::reports {

// At most this many lines of a report are shown.
inline constexpr int MaxReportLines = 128;

// The lines of a report: one per line feed (text after the last line feed is
// not a line), at most MaxReportLines.
std::vector<std::string> reportLines(std::string_view text);

// The line as drawn: every `&` shown as a blank.
std::string displayLine(std::string_view line);

// A rule from the centre of the `&` cell at (row, column) towards one
// neighbour `&` cell.
enum class RuleDirection { Left, Right, Up, Down };
struct RuleStroke {
    int row;
    int column;
    RuleDirection direction;
    bool operator==(const RuleStroke&) const = default;
};

// The strokes of lines [firstRow, firstRow + rowCount): an `&` cell with at
// least two `&` among its four neighbours (left, right, same column above and
// below; positions beyond a line count as blanks) gets a stroke towards each
// of them. Neighbours outside the range are read from `lines` as well.
std::vector<RuleStroke> rulingStrokes(const std::vector<std::string>& lines, int firstRow, int rowCount);

// A segment in device pixels.
struct RuleSegment {
    int x1, y1, x2, y2;
    bool operator==(const RuleSegment&) const = default;
};

// The geometry of the character cells: cell (row, column) spans
// [left + column * cellWidth, +cellWidth) and [top + (row - firstRow) * lineHeight, +lineHeight).
struct CellGeometry {
    int left = 0;
    int top = 0;
    int cellWidth = 1;
    int lineHeight = 1;
    int firstRow = 0;
};

// The segment of a stroke: from the cell's centre to one pixel beyond its
// edge, so that the strokes of adjoining cells meet.
RuleSegment strokeSegment(const RuleStroke& stroke, const CellGeometry& cells);

// The line with each `&` replaced by a character that draws its rules in
// plain text: "-" across, "|" down, "+" where both meet, a blank otherwise
// (exported and plain-text reports, which have no ruling).
std::string plainRuledLine(const std::vector<std::string>& lines, int row);

}  // namespace ordinax::reports
