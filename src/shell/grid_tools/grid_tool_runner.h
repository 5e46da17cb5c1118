// Runs a coordinate tool of the grid: its selection rule, its dialog or
// question, then the tool of the numerics on the grid's points as one of
// the grid's last actions.
#pragma once

#include "numerics/coordinate_tools.h"

namespace ordinax::shell {

class GridDialog;

void runGridTool(GridDialog& grid, numerics::CoordinateTool tool);

}  // namespace ordinax::shell
