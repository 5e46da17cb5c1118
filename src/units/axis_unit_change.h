// Changing the unit of a curve axis when the unit sheet closes: whether the
// unit changed, whether the two units are coherent, and the three outcomes
// (abandon, keep the values, convert them).
#pragma once

#include "document/diagram.h"
#include "units/unit_algebra.h"

namespace ordinax::units {

// What the change dialog shows, computed from the unit saved when the sheet
// opened and the unit it closes with (both without their neutral factor).
struct AxisUnitChange {
    UnitDef oldUnit;
    UnitDef newUnit;
    bool changed = false;   // both have factors and their expressions differ
    bool coherent = true;   // the two dimension vectors are equal
    SiPair oldSi;
    SiPair newSi;
};

// Compares the two units of the axis.
AxisUnitChange describeAxisUnitChange(const UnitDef& oldUnit, const UnitDef& newUnit);

// The user's answer to the change dialog.
enum class UnitChangeAction { Abandon, KeepValues, ConvertValues };

enum class AxisUnitOutcome {
    Restored,          // the curve got back the state it had when the sheet opened
    Kept,              // the new unit stays, values unchanged
    Converted,         // the new unit stays and the values were converted
    ConversionRefused, // the values cannot be converted: the curve got back its state
};

// Converts every coordinate of axis `axis` (0 x, 1 y) of the curve from one
// unit to another; false (curve untouched) when the target coefficient is 0
// or a converted value is not finite.
bool convertAxisValues(document::Curve& curve, int axis, const SiPair& from, const SiPair& to);

// Finishes the change: `curve` holds the new unit on axis `axis`, `before` is
// the curve as it was when the sheet opened; `action` is used only when the
// unit changed. The unit stays when the outcome is Kept or Converted (the
// caller then adds it to the recent units).
AxisUnitOutcome finishAxisUnitChange(document::Curve& curve, const document::Curve& before, int axis,
                                     const AxisUnitChange& change, UnitChangeAction action);

}  // namespace ordinax::units
