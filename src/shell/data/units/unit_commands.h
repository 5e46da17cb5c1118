// The unit of a curve axis from the desktop application: the unit sheet,
// then, when the unit changed, the choice of converting the values; the whole
// change is one undo step.
#pragma once

#include <string>

#include "document/unit_def.h"

class QWidget;

namespace ordinax::shell {

class CMainFrame;

// The units database in the program's folder.
std::string unitDatabasePath(CMainFrame& frame);
// The recently used units, in the user's configuration folder.
std::string recentUnitsPath();

// Opens the unit sheet of axis `axis` (0 x, 1 y) of curve `curve`; true when
// the diagram changed.
bool runUnitSheet(CMainFrame& frame, int curve, int axis);

// The unit sheet on a unit being edited elsewhere (the coordinates grid):
// the unit alone changes, the values are left to that window. True when the
// unit changed.
bool chooseAxisUnit(CMainFrame& frame, QWidget* parent, document::UnitDef& unit, int axis);

}  // namespace ordinax::shell
