// The curve lists of the analysis dialogs: the curves a tool can work on,
// shown as "number - title", each item holding the curve's index.
#pragma once

#include "document/diagram.h"
#include "numerics/analysis_targets.h"

class QComboBox;

namespace ordinax::shell {

// Fills `list` with the curves of `diagram` that suit `tool`.
void fillCurveList(QComboBox& list, const document::Diagram& diagram, numerics::AnalysisTool tool);

}  // namespace ordinax::shell
