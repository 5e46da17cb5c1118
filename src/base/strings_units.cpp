// String table: units, dimensions and conversions.
#include "base/string_tables.h"
#include "base/strings_units.h"

namespace ordinax::base {

namespace {

constexpr StringEntry Table[] = {
    {MsgUnitDatabaseMissing, "Impossible de charger la base de données des unités !"},
    {MsgUnitRepeatedQuantity, "L'expression de l'unité comprend plusieurs\nfois la même grandeur !"},
    {MsgUnitsIncoherent, "Attention : ces deux unités sont incohérentes !"},
    {MsgUnitNoOccurrence, "Pas d'occurrence"},
    {MsgUnitConversionRefused,
     "Conversion impossible : le coefficient SI de la nouvelle unité est nul ou les valeurs converties sont hors "
     "limites !"},
    {MsgUnitUnknown, "Unité inconnue : %s"},
    {MsgUnitCurveWithoutPoints, "La courbe ne comporte aucun point : l'unité n'est pas modifiée."},
};

}  // namespace

std::span<const StringEntry> unitStrings() { return Table; }

}  // namespace ordinax::base
