// The change of an axis unit and the conversion of the values.
#include "units/axis_unit_change.h"

#include <cmath>
#include <vector>

namespace ordinax::units {

AxisUnitChange describeAxisUnitChange(const UnitDef& oldUnit, const UnitDef& newUnit) {
    AxisUnitChange change;
    change.oldUnit = oldUnit;
    change.newUnit = newUnit;
    removeNeutralFactor(change.oldUnit);
    removeNeutralFactor(change.newUnit);
    // Setting a unit where there was none, or removing it, is not a change of unit.
    change.changed = usedFactors(change.oldUnit) > 0 && usedFactors(change.newUnit) > 0 &&
                     unitExpression(change.oldUnit) != unitExpression(change.newUnit);
    change.coherent = sameDimension(dimensionVector(change.oldUnit), dimensionVector(change.newUnit));
    change.oldSi = coefficientSI(change.oldUnit);
    change.newSi = coefficientSI(change.newUnit);
    return change;
}

bool convertAxisValues(document::Curve& curve, int axis, const SiPair& from, const SiPair& to) {
    if (to.coefficient == 0.0 || !std::isfinite(to.coefficient)) return false;
    std::vector<double> converted;
    converted.reserve(curve.points.size());
    for (const document::Point& p : curve.points.view()) {
        const double v = convertValue(axis == 0 ? p.x : p.y, from, to);
        if (!std::isfinite(v)) return false;
        converted.push_back(v);
    }
    std::size_t i = 0;
    for (document::Point& p : curve.points.edit()) (axis == 0 ? p.x : p.y) = converted[i++];
    return true;
}

AxisUnitOutcome finishAxisUnitChange(document::Curve& curve, const document::Curve& before, int axis,
                                     const AxisUnitChange& change, UnitChangeAction action) {
    const auto a = static_cast<std::size_t>(axis);
    if (curve.pointCount() == 0) {
        curve = before;
        return AxisUnitOutcome::Restored;
    }
    if (!change.changed || action == UnitChangeAction::KeepValues) {
        curve.unit[a] = change.newUnit;
        return AxisUnitOutcome::Kept;
    }
    if (action == UnitChangeAction::Abandon) {
        curve = before;
        return AxisUnitOutcome::Restored;
    }
    if (!convertAxisValues(curve, axis, change.oldSi, change.newSi)) {
        curve = before;
        return AxisUnitOutcome::ConversionRefused;
    }
    curve.unit[a] = change.newUnit;
    return AxisUnitOutcome::Converted;
}

}  // namespace ordinax::units
