// The curves in the view: which curve a double click lands on and the
// command it opens, and the marks that show the selected curve on screen
// (handles on its points, its legend line framed). The marks are drawn over
// the view's picture only: printed pages and exported pictures have none.
#pragma once

#include "document/diagram.h"
#include "render/diagram_renderer.h"
#include "shell/command_table.h"

class QPainter;
class QPalette;

namespace ordinax::shell {

// Pixels around a point within which a click reaches its curve.
inline constexpr int CurveClickTolerance = 5;

// The curve with a point within `tolerance` pixels of `at` in the layout of
// the last drawing pass (the curves the view draws), -1 when none.
int curveAt(const render::DiagramLayout& layout, const document::Diagram& diagram, int curveFilter,
            render::DevPoint at, int tolerance = CurveClickTolerance);

// The dialog a double click on a curve opens: its fitting dialog when the
// curve is fitted or expanded and that command is available, else its symbol.
CommandId curveDoubleClickCommand(const document::Curve& curve, bool fittingAvailable);

// At most this many handles mark the selected curve, evenly spread over its points.
inline constexpr int CurveHandleCount = 24;

// Draws the marks of curve `curve` (nothing for -1 or a curve not drawn).
void drawCurveMarks(QPainter& painter, const QPalette& palette, const render::DiagramLayout& layout,
                    const document::Diagram& diagram, int curve, int curveFilter);

}  // namespace ordinax::shell
