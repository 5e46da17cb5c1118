// The composition of an axis unit from the unit defined in the lists of the
// definition page: one function per button. Every function leaves the unit
// untouched and returns false when the place is not valid or the unit is full.
#pragma once

#include "document/unit_def.h"

namespace ordinax::units {

using document::UnitDef;

// "{-----}." and "{-----}/": the defined unit becomes factor 0, the former
// factor 0 a numerator, or the start of the denominator with `denominatorAfter`.
bool prependDefinedUnit(UnitDef& axis, const UnitDef& defined, bool denominatorAfter);

// ".{-----}." and ".{-----}/": the defined unit takes the place `selected` as a
// numerator, the factor it pushes along becomes a numerator or starts the denominator.
bool insertDefinedUnit(UnitDef& axis, const UnitDef& defined, int selected, bool denominatorAfter);

// ".{-----}" and "/{-----}": the defined unit is written after the last factor,
// as a numerator or with the denominator flag.
bool appendDefinedUnit(UnitDef& axis, const UnitDef& defined, bool denominator);

// "Supprimer": removes factor `selected`; a denominator starting there starts at the next factor.
bool removeUnitFactor(UnitDef& axis, int selected);

// "&Effacer tout": the reset unit.
void clearUnit(UnitDef& axis);

// "1": keeps factor 0 only.
void keepFirstFactor(UnitDef& axis);

// "Inverser": the inverse unit. Without denominator, a neutral factor "1" is
// put first and the former factors form the denominator; with one, the
// denominator factors come first and the numerator factors become the denominator.
bool invertUnit(UnitDef& axis);

// The neutral factor "1": coefficient 1, no dimension.
UnitDef neutralUnit();

// True when two computed factors of a unit of several factors have the same quantity.
bool hasRepeatedQuantity(const UnitDef& unit);

}  // namespace ordinax::units
