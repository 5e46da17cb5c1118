// The lines of a report as they are drawn, and the report panel's rules.
#include "reports/report_lines.h"

#include <algorithm>

#include "render/markup_layout.h"
#include "reports/report_ruling.h"
#include "richtext/markup_codes.h"

namespace ordinax::reports {

namespace {

// Draws a line of markup; a line holding `&` cells is drawn piece by piece,
// each piece between two cells starting at its own column, so that the text
// of a table stays between its rules whatever the codes before it. Each
// piece is preceded by the codes met earlier on the line, which puts the
// fonts and colours back as they stood there.
void drawReportLine(render::DrawDevice& device, std::string_view line, const base::LogFont& font, int left, int top,
                    int right, int lineHeight, int cellWidth, double ppp) {
    auto draw = [&](std::string_view markup, int column) {
        if (markup.empty()) return;
        const int x = left + column * cellWidth;
        const render::DevRect box{x, top, std::max(right, x + 1), top + lineHeight};
        render::layoutMarkup(device, markup, font, 0, box, render::AlignLeft, 0, render::MarkupMode::Draw, ppp);
    };
    if (line.find('&') == std::string_view::npos) {
        draw(line, 0);
        return;
    }
    std::string codes;       // every code met so far on the line
    std::string piece;       // the piece under way, its codes included
    std::string pieceCodes;  // the codes in force where the piece starts
    int column = 0;
    int pieceColumn = 0;
    bool pieceHasText = false;
    richtext::MarkupReader reader(line);
    for (richtext::MarkupToken t = reader.next(); t.kind != richtext::MarkupTokenKind::End; t = reader.next()) {
        if (t.kind == richtext::MarkupTokenKind::Code) {
            codes += t.raw;
            piece += t.raw;
            continue;
        }
        if (t.kind == richtext::MarkupTokenKind::Tab) {
            piece += ' ';
            pieceHasText = true;
            ++column;
            continue;
        }
        if (t.kind != richtext::MarkupTokenKind::Text) continue;
        for (char c : t.raw) {
            if (c != '&') {
                piece += c;
                pieceHasText = true;
                ++column;
                continue;
            }
            if (pieceHasText) draw(pieceCodes + piece, pieceColumn);
            ++column;
            piece.clear();
            pieceCodes = codes;
            pieceColumn = column;
            pieceHasText = false;
        }
    }
    if (pieceHasText) draw(pieceCodes + piece, pieceColumn);
}

}  // namespace

ReportMetrics measureReportFont(render::DrawDevice& device, const base::LogFont& font, double pixelsPerPoint) {
    ReportMetrics metrics;
    const render::MarkupSize sample = render::layoutMarkup(device, LineHeightSample, font, 0, {}, render::AlignLeft, 0,
                                                           render::MarkupMode::Measure, pixelsPerPoint);
    metrics.lineHeight = std::max(1, sample.height);
    device.setFont(font);
    metrics.cellWidth = std::max(1, device.textExtent("0000000000").width / 10);
    return metrics;
}

std::string visibleLine(std::string_view line) {
    std::string shown;
    richtext::MarkupReader reader(line);
    for (richtext::MarkupToken t = reader.next(); t.kind != richtext::MarkupTokenKind::End; t = reader.next()) {
        if (t.kind == richtext::MarkupTokenKind::Text)
            shown += t.raw;
        else if (t.kind == richtext::MarkupTokenKind::Tab)
            shown += ' ';
    }
    return shown;
}

void drawReportLines(render::DrawDevice& device, const std::vector<std::string>& lines, int firstRow, int rowCount,
                     const base::LogFont& font, const render::DevRect& body, const ReportMetrics& metrics,
                     double pixelsPerPoint, int ruleWidth) {
    const int first = std::max(0, firstRow);
    const int last = std::min(static_cast<int>(lines.size()), firstRow + rowCount);
    for (int row = first; row < last; ++row) {
        const std::string& line = lines[static_cast<std::size_t>(row)];
        if (line.empty()) continue;
        drawReportLine(device, line, font, body.left, body.top + (row - firstRow) * metrics.lineHeight, body.right,
                       metrics.lineHeight, metrics.cellWidth, pixelsPerPoint);
    }
    if (last <= first) return;

    // The rules follow the columns as they show (a subscript code before a
    // cell would otherwise push its rules to the right).
    std::vector<std::string> shown;
    shown.reserve(lines.size());
    for (const std::string& line : lines) shown.push_back(visibleLine(line));
    const std::vector<RuleStroke> strokes = rulingStrokes(shown, firstRow, rowCount);
    if (strokes.empty()) return;
    device.setPen({render::PenStyle::Solid, std::max(1, ruleWidth), 0});
    const CellGeometry cells{body.left, body.top, metrics.cellWidth, metrics.lineHeight, firstRow};
    for (const RuleStroke& stroke : strokes) {
        const RuleSegment s = strokeSegment(stroke, cells);
        device.line({s.x1, s.y1}, {s.x2, s.y2});
    }
}

int visibleLineCount(int panelHeight, int lineHeight) { return std::max(1, panelHeight / std::max(1, lineHeight)); }

int scrollRange(int lineCount, int visibleCount) { return std::max(0, lineCount - visibleCount); }

}  // namespace ordinax::reports
