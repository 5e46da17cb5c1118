// Message ids: units, dimensions and conversions.
// Documented numbers keep their value; others come from this group's own range.
#pragma once

namespace ordinax::base {

enum : int {
    MsgUnitDatabaseMissing = 9800,     // "Impossible de charger la base de données des unités !"
    MsgUnitRepeatedQuantity = 9801,    // "L'expression de l'unité comprend plusieurs\nfois la même grandeur !"
    MsgUnitsIncoherent = 9802,         // "Attention : ces deux unités sont incohérentes !"
    MsgUnitNoOccurrence = 9803,        // "Pas d'occurrence"
    MsgUnitConversionRefused = 9804,   // the values cannot be converted to a unit without coefficient
    MsgUnitUnknown = 9805,             // "Unité inconnue : %s"
    MsgUnitCurveWithoutPoints = 9806,  // the unit of a curve without points is not kept
};

}  // namespace ordinax::base
