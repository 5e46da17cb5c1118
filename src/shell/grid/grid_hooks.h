// What the coordinates grid opens that belongs to other windows: the unit
// sheet of an axis ("Unité") and the analytic function of the curve
// ("Fonction analytique associée"). Their windows install these; while one
// is missing its button is disabled with a tooltip.
#pragma once

#include <functional>

#include "document/diagram.h"

class QWidget;

namespace ordinax::shell {

// Edits the unit of axis 0 (X) or 1 (Y); true when it changed.
using GridUnitChooser = std::function<bool(QWidget* parent, document::UnitDef& unit, int axis)>;
void setGridUnitChooser(GridUnitChooser chooser);
const GridUnitChooser& gridUnitChooser();

// Edits the analytic function of curve `curve` of the working copy (and may
// compute its points again); true when the curve changed.
using GridFunctionEditor = std::function<bool(QWidget* parent, document::Diagram& working, int curve)>;
void setGridFunctionEditor(GridFunctionEditor editor);
const GridFunctionEditor& gridFunctionEditor();

}  // namespace ordinax::shell
