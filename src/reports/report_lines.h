// The lines of a report as they are drawn, by the printed pages and by the
// report panel of the smoothing dialog alike: label markup set on a grid of
// character cells, `&` cells shown as blanks and ruled; and the panel's rules
// for the lines it shows and how it scrolls.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/logfont.h"
#include "render/draw_device.h"

namespace ordinax::reports {

// A line holding a subscript and a superscript: the height of a report line,
// so that raised and lowered runs never collide.
inline constexpr std::string_view LineHeightSample =
    "X\xB6s0\xB6s\xB6"
    "e0\xB6"
    "eX";

struct ReportMetrics {
    int lineHeight = 1;  // height of the sample line, at least 1
    int cellWidth = 1;   // a tenth of the width of "0000000000", at least 1
    bool operator==(const ReportMetrics&) const = default;
};

// Measures the report font (a device font) on the device; `pixelsPerPoint`
// turns markup sizes into pixels (0: the device's own resolution).
ReportMetrics measureReportFont(render::DrawDevice& device, const base::LogFont& font, double pixelsPerPoint);

// The characters of a line as they show, markup codes left out and a tab
// counting as one blank: the columns of its `&` cells as the eye sees them.
std::string visibleLine(std::string_view line);

// Draws lines [firstRow, firstRow + rowCount) of `lines` from the top of
// `body`, one every metrics.lineHeight pixels, in black on the device's
// background: the markup of each line, its `&` cells as blanks, and the rules
// between adjoining `&` cells with a pen `ruleWidth` pixels wide. Rows outside
// `lines` are skipped.
void drawReportLines(render::DrawDevice& device, const std::vector<std::string>& lines, int firstRow, int rowCount,
                     const base::LogFont& font, const render::DevRect& body, const ReportMetrics& metrics,
                     double pixelsPerPoint, int ruleWidth);

// Report panel: the whole lines a panel `panelHeight` pixels high shows (at least 1).
int visibleLineCount(int panelHeight, int lineHeight);

// Report panel: the highest first line, the line count less the visible
// count, never below 0.
int scrollRange(int lineCount, int visibleCount);

// Report panel: lines moved by an arrow and by a page of the scroll bar.
inline constexpr int ScrollLineStep = 1;
inline constexpr int ScrollPageStep = 5;

}  // namespace ordinax::reports
