// Fuzz target of the units database and recent-units readers: whatever the
// bytes, reading must not fail, and every unit read must stay inside its
// record and compute its coefficient, dimension and texts.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "units/recent_units.h"
#include "units/unit_algebra.h"
#include "units/unit_composition.h"
#include "units/unit_database.h"
#include "units/unit_search.h"

using namespace ordinax::units;

namespace {

void exercise(UnitDef unit) {
    (void)coefficientSI(unit);
    (void)dimensionText(dimensionVector(unit));
    (void)coefficientLine(unit);
    (void)symbolSearchText(unit);
    removeNeutralFactor(unit);
    invertUnit(unit);
    removeUnitFactor(unit, 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const UnitDatabase db = parseUnitDatabase(bytes);
    if (db.systems.size() > MaxSystems || db.categories.size() > MaxCategories ||
        db.quantities.size() > MaxQuantities || db.units.size() > MaxGenericUnits)
        std::abort();
    for (const GenericUnit& u : db.units) {
        if (u.definition.factorCount < 1 || u.definition.factorCount > 10) std::abort();
        exercise(u.definition);
    }
    (void)searchUnits(db, "m", SearchField::Symbol, false);
    (void)searchUnits(db, "e", SearchField::Name, false);
    for (const UnitDef& unit : parseRecentUnits(bytes)) exercise(unit);
    return 0;
}
