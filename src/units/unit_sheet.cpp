// The definition page of the unit sheet.
#include "units/unit_sheet.h"

#include <algorithm>

#include "units/unit_algebra.h"
#include "units/unit_composition.h"
#include "units/unit_search.h"
#include "units/unit_tables.h"

namespace ordinax::units {

namespace {

template <typename Keep>
std::vector<int> distinct(const UnitDatabase& database, Keep keep, int count) {
    std::vector<bool> seen(static_cast<std::size_t>(count) + 1, false);
    for (const GenericUnit& u : database.units) {
        const int value = keep(u);
        if (value >= 1 && value <= count) seen[static_cast<std::size_t>(value)] = true;
    }
    std::vector<int> out;
    for (int i = 1; i <= count; ++i)
        if (seen[static_cast<std::size_t>(i)]) out.push_back(i);
    return out;
}

bool oneFactor(const UnitDef& unit) {
    return usedFactors(unit) == 1;
}

// The unit the lists act on: the axis unit itself until a factor is selected.
bool definedIsAxis(const UnitSheetState& state) {
    return state.selected < 0;
}

}  // namespace

std::vector<int> sheetCategories(const UnitDatabase& database, int system) {
    return distinct(
        database,
        [&](const GenericUnit& u) { return u.definition.system[0] == system ? u.definition.category[0] : 0; },
        static_cast<int>(database.categories.size()));
}

std::vector<int> sheetQuantities(const UnitDatabase& database, int system, int category) {
    return distinct(
        database,
        [&](const GenericUnit& u) {
            return u.definition.system[0] == system && u.definition.category[0] == category ? u.definition.quantity[0]
                                                                                            : 0;
        },
        static_cast<int>(database.quantities.size()));
}

std::vector<int> sheetUnits(const UnitDatabase& database, int system, int category, int quantity) {
    std::vector<int> out;
    for (std::size_t i = 0; i < database.units.size(); ++i) {
        const UnitDef& d = database.units[i].definition;
        if (d.system[0] == system && d.category[0] == category && d.quantity[0] == quantity)
            out.push_back(static_cast<int>(i));
    }
    return out;
}

const char* sheetButtonText(SheetButton button) {
    switch (button) {
        case SheetButton::PrependNumerator: return "{-----}.";
        case SheetButton::PrependDenominator: return "{-----}/";
        case SheetButton::InsertNumerator: return ".{-----}.";
        case SheetButton::InsertDenominator: return ".{-----}/";
        case SheetButton::AppendNumerator: return ".{-----}";
        case SheetButton::AppendDenominator: return "/{-----}";
        case SheetButton::Remove: return "Supprimer";
        case SheetButton::ClearAll: return "&Effacer tout";
        case SheetButton::One: return "1";
        case SheetButton::Invert: return "Inverser";
    }
    return "";
}

UnitSheetState openUnitSheet(const UnitDef& axisUnit, bool nonStandard) {
    UnitSheetState state;
    state.axis = axisUnit;
    state.nonStandard = nonStandard;
    return state;
}

void chooseGenericUnit(UnitSheetState& state, const UnitDef& unit) {
    state.defined = unit;
    state.unitChosen = true;
    if (definedIsAxis(state)) state.axis = unit;
}

bool multipleAllowed(const UnitSheetState& state) {
    return state.unitChosen && oneFactor(state.defined) && state.defined.prefixAllowed[0] != 0;
}

bool exponentAllowed(const UnitSheetState& state) {
    return state.unitChosen && oneFactor(state.defined) && state.defined.exponentAllowed[0] != 0;
}

bool chooseMultiple(UnitSheetState& state, int index) {
    if (!multipleAllowed(state)) return false;
    const auto& multiples = siMultiples();
    const auto it = std::find_if(multiples.begin(), multiples.end(), [&](const SiMultiple& m) { return m.index == index; });
    if (it == multiples.end()) return false;
    setFieldText(state.defined.prefix[0], it->symbol);
    if (definedIsAxis(state) && oneFactor(state.axis)) setFieldText(state.axis.prefix[0], it->symbol);
    return true;
}

bool chooseExponent(UnitSheetState& state, int index) {
    if (!exponentAllowed(state)) return false;
    const auto& exponents = unitExponents();
    const auto it =
        std::find_if(exponents.begin(), exponents.end(), [&](const UnitExponent& e) { return e.index == index; });
    if (it == exponents.end()) return false;
    setFieldText(state.defined.exponent[0], it->text);
    if (definedIsAxis(state) && oneFactor(state.axis)) setFieldText(state.axis.exponent[0], it->text);
    return true;
}

void selectFactor(UnitSheetState& state, int factor) {
    if (factor < 0 || factor >= usedFactors(state.axis) || factor == state.selected) {
        state.selected = -1;
        return;
    }
    state.selected = factor;
}

bool sheetButtonEnabled(const UnitSheetState& state, SheetButton button) {
    const int n = usedFactors(state.axis);
    const bool room = n < document::MaxUnitFactors;
    switch (button) {
        case SheetButton::PrependNumerator:
        case SheetButton::PrependDenominator:
            return state.unitChosen && room;
        case SheetButton::InsertNumerator:
        case SheetButton::InsertDenominator:
            return state.unitChosen && room && state.selected >= 0;
        case SheetButton::AppendNumerator:
        case SheetButton::AppendDenominator:
            return state.unitChosen && room;
        case SheetButton::Remove:
            return state.selected >= 0;
        case SheetButton::ClearAll:
            return true;
        case SheetButton::One:
            return n > 1;
        case SheetButton::Invert:
            return n > 0 && room;
    }
    return false;
}

bool pressSheetButton(UnitSheetState& state, SheetButton button) {
    if (!sheetButtonEnabled(state, button)) return false;
    bool done = false;
    switch (button) {
        case SheetButton::PrependNumerator:
            done = prependDefinedUnit(state.axis, state.defined, false);
            break;
        case SheetButton::PrependDenominator:
            done = prependDefinedUnit(state.axis, state.defined, true);
            break;
        case SheetButton::InsertNumerator:
            done = insertDefinedUnit(state.axis, state.defined, state.selected, false);
            break;
        case SheetButton::InsertDenominator:
            done = insertDefinedUnit(state.axis, state.defined, state.selected, true);
            break;
        case SheetButton::AppendNumerator:
            done = appendDefinedUnit(state.axis, state.defined, false);
            break;
        case SheetButton::AppendDenominator:
            done = appendDefinedUnit(state.axis, state.defined, true);
            break;
        case SheetButton::Remove:
            done = removeUnitFactor(state.axis, state.selected);
            break;
        case SheetButton::ClearAll:
            clearUnit(state.axis);
            state.nonStandard = false;
            done = true;
            break;
        case SheetButton::One:
            keepFirstFactor(state.axis);
            done = true;
            break;
        case SheetButton::Invert:
            done = invertUnit(state.axis);
            break;
    }
    state.selected = -1;
    return done;
}

std::vector<std::string> factorTexts(const UnitDef& unit) {
    std::vector<std::string> texts;
    const int n = usedFactors(unit);
    for (int i = 0; i < n; ++i) {
        UnitDef one;
        copyFactor(one, 0, unit, i);
        one.factorCount = 1;
        one.denominator[0] = 0;
        std::string text = i == 0 ? std::string() : std::string(unit.denominator[static_cast<std::size_t>(i)] ? "/" : "*");
        if (i == 0 && unit.denominator[0]) text = "1/";
        texts.push_back(text + displayExpression(one));
    }
    return texts;
}

}  // namespace ordinax::units
