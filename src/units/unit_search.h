// The search page: finding generic units of the database by name (accents
// and case folded) or by symbol, as a part of the text or as the whole text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "units/unit_database.h"

namespace ordinax::units {

enum class SearchField { Name, Symbol };

// One found unit: its index in the database and its listed line.
struct UnitMatch {
    int unit = 0;
    std::string line;  // Windows-1252
};

// Trims the text and reduces its runs of blanks to one blank.
std::string normaliseOccurrence(std::string_view text);

// Lower case with the accented letters replaced by plain ones (Windows-1252).
std::string foldName(std::string_view text);

// The expression as plain text for the symbol search: separators and font
// codes removed, the Symbol-font m written µ, exponents written after the symbol ("m/s2").
std::string symbolSearchText(const UnitDef& unit);

// The expression as shown in a list: like the search text, with the
// exponents 2 and 3 written ² and ³ and the others after a "^".
std::string displayExpression(const UnitDef& unit);

// The listed line of a unit: "expression [name] : system, category, quantity".
std::string matchLine(const UnitDatabase& database, const GenericUnit& unit);

// The units matching `occurrence`, in database order; none for an empty occurrence.
std::vector<UnitMatch> searchUnits(const UnitDatabase& database, std::string_view occurrence, SearchField field,
                                   bool wholeWord);

}  // namespace ordinax::units
