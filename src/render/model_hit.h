// Which fitted curve passes under a device point: the line of a curve's
// regression model or Fourier series, as the last drawing pass placed it.
#pragma once

#include "document/diagram.h"
#include "render/diagram_renderer.h"
#include "render/draw_device.h"

namespace ordinax::render {

// The curve whose model line passes within `tolerance` pixels of `point`,
// among the drawn curves (not hidden, and the one of `curveFilter` when it is
// not -1) that have a regression model or a Fourier series and a line; the
// curve drawn last wins. -1 when none does or the point is outside the plot.
int fittedCurveAt(const DiagramLayout& layout, const document::Diagram& diagram, DevPoint point, int tolerance,
                  int curveFilter = -1);

}  // namespace ordinax::render
