// Searching the units database by name or symbol.
#include "units/unit_search.h"

#include <algorithm>

#include "base/text.h"
#include "units/unit_algebra.h"

namespace ordinax::units {

namespace {

constexpr std::string_view SymbolFontMicro = "\x8Am\x8A";
constexpr char Micro = '\xB5';

bool isBlank(char c) { return c == ' ' || c == '\t'; }

char foldLetter(char c) {
    // Windows-1252 0xE0 .. 0xFF, lower-case accented letters, in code order.
    static constexpr std::string_view Plain = "aaaaaa?ceeeeiiii" "?nooooo?ouuuuy?y";
    const auto code = static_cast<unsigned char>(c);
    if (code < 0xE0) return c;
    const char plain = Plain[code - 0xE0];
    return plain == '?' ? c : plain;
}

// The expression with separators and font codes removed and the Symbol-font
// micro written µ; `exponent` writes the text of each superscript run.
template <typename WriteExponent>
std::string plainExpression(const UnitDef& unit, WriteExponent exponent) {
    std::string text = unitExpression(unit);
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (text.compare(i, SymbolFontMicro.size(), SymbolFontMicro) == 0) {
            out += Micro;
            i += SymbolFontMicro.size();
            continue;
        }
        if (text.compare(i, SuperscriptCode.size(), SuperscriptCode) == 0) {
            const std::size_t start = i + SuperscriptCode.size();
            std::size_t end = text.find(SuperscriptCode, start);
            if (end == std::string::npos) end = text.size();
            out += exponent(std::string_view(text).substr(start, end - start));
            i = std::min(text.size(), end + SuperscriptCode.size());
            continue;
        }
        const char c = text[i++];
        if (c == '\x82' || c == '\x8A' || c == '\x8B' || c == '\x8C') continue;
        out += c;
    }
    return out;
}

}  // namespace

std::string normaliseOccurrence(std::string_view text) {
    std::string out;
    bool pendingBlank = false;
    for (const char c : text) {
        if (isBlank(c)) {
            pendingBlank = !out.empty();
            continue;
        }
        if (pendingBlank) out += ' ';
        pendingBlank = false;
        out += c;
    }
    return out;
}

std::string foldName(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) out += foldLetter(base::lowerCase1252(c));
    return out;
}

std::string symbolSearchText(const UnitDef& unit) {
    return plainExpression(unit, [](std::string_view exponent) { return std::string(exponent); });
}

std::string displayExpression(const UnitDef& unit) {
    return plainExpression(unit, [](std::string_view exponent) {
        if (exponent == "2") return std::string("\xB2");
        if (exponent == "3") return std::string("\xB3");
        return "^" + std::string(exponent);
    });
}

std::string matchLine(const UnitDatabase& database, const GenericUnit& unit) {
    std::string line = displayExpression(unit.definition);
    line += " [";
    line += unit.name;
    line += "] : ";
    line += systemName(database, unit);
    line += ", ";
    line += categoryName(database, unit);
    line += ", ";
    line += quantityName(database, unit);
    return line;
}

std::vector<UnitMatch> searchUnits(const UnitDatabase& database, std::string_view occurrence, SearchField field,
                                   bool wholeWord) {
    std::vector<UnitMatch> matches;
    std::string wanted = normaliseOccurrence(occurrence);
    if (wanted.empty()) return matches;
    if (field == SearchField::Name) wanted = foldName(wanted);
    for (std::size_t i = 0; i < database.units.size(); ++i) {
        const GenericUnit& unit = database.units[i];
        const std::string compared = field == SearchField::Name ? foldName(normaliseOccurrence(unit.name))
                                                                : symbolSearchText(unit.definition);
        const bool found = wholeWord ? compared == wanted : compared.find(wanted) != std::string::npos;
        if (found) matches.push_back({static_cast<int>(i), matchLine(database, unit)});
    }
    return matches;
}

}  // namespace ordinax::units
