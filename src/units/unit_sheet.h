// The definition page of the unit sheet: the cascade of its lists (system,
// category, quantity, generic unit), the unit chosen in them, its multiple
// and exponent, the factor selected in the axis unit's expression and the
// composition buttons, as one state the sheet edits.
#pragma once

#include <string>
#include <vector>

#include "units/unit_database.h"

namespace ordinax::units {

// The categories (1-based indices) that hold units of `system`.
std::vector<int> sheetCategories(const UnitDatabase& database, int system);
// The quantities (1-based) that hold units of `system` and `category`.
std::vector<int> sheetQuantities(const UnitDatabase& database, int system, int category);
// The generic units (indices in the database) of the three choices.
std::vector<int> sheetUnits(const UnitDatabase& database, int system, int category, int quantity);

enum class SheetButton {
    PrependNumerator,    // "{-----}."
    PrependDenominator,  // "{-----}/"
    InsertNumerator,     // ".{-----}."
    InsertDenominator,   // ".{-----}/"
    AppendNumerator,     // ".{-----}"
    AppendDenominator,   // "/{-----}"
    Remove,              // "Supprimer"
    ClearAll,            // "&Effacer tout"
    One,                 // "1"
    Invert,              // "Inverser"
};

// The text of a button.
const char* sheetButtonText(SheetButton button);

struct UnitSheetState {
    UnitDef axis;           // the unit of the axis being defined
    UnitDef defined;        // the unit chosen in the lists, for the insert buttons
    bool unitChosen = false;  // a generic unit is chosen in the lists
    int selected = -1;      // the factor selected in the expression, -1 none
    bool nonStandard = false;  // " &Unité non standard"
};

// Starts the sheet on the axis's current unit.
UnitSheetState openUnitSheet(const UnitDef& axisUnit, bool nonStandard = false);

// A generic unit chosen in the lists: it becomes the axis unit when no factor
// is selected, otherwise the unit the buttons insert.
void chooseGenericUnit(UnitSheetState& state, const UnitDef& unit);

// Whether the multiple and exponent lists apply to the chosen unit.
bool multipleAllowed(const UnitSheetState& state);
bool exponentAllowed(const UnitSheetState& state);

// A multiple (index -10 .. 10) or an exponent (index -1 .. 10) chosen for the
// chosen unit; the axis unit follows while it is that unit. False when not allowed.
bool chooseMultiple(UnitSheetState& state, int index);
bool chooseExponent(UnitSheetState& state, int index);

// A click on factor `factor` of the drawn expression (again: unselected).
void selectFactor(UnitSheetState& state, int factor);

// Whether a button can act now: the insert buttons need a chosen unit (and
// those in the middle a selected factor), "Supprimer" a selected factor.
bool sheetButtonEnabled(const UnitSheetState& state, SheetButton button);

// Runs a button; the selection is cleared afterwards. False when it could not act.
bool pressSheetButton(UnitSheetState& state, SheetButton button);

// The factors of a unit as the expression shows them, one text per factor
// with its "*" or "/" in front (Windows-1252, exponents after a "^" or as ² ³).
std::vector<std::string> factorTexts(const UnitDef& unit);

}  // namespace ordinax::units
