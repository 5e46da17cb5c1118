// Reading the units database: the three name lists and the generic units.
#include "units/unit_database.h"

#include <cmath>
#include <fstream>
#include <iterator>
#include <sstream>

#include "base/format.h"
#include "base/input_file.h"
#include "base/strings_units.h"
#include "base/strings.h"
#include "base/system_reason.h"
#include "units/unit_algebra.h"

namespace ordinax::units {

namespace {

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t at = text.find(separator, start);
        if (at == std::string_view::npos) {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

std::optional<std::int32_t> integerField(std::string_view text) {
    text = trimmed(text);
    if (text.empty()) return 0;
    return base::parseInteger(text);
}

std::optional<double> realField(std::string_view text) {
    text = trimmed(text);
    if (text.empty()) return 0.0;
    const std::optional<double> value = base::parseNumber(text);
    // An infinite coefficient or offset would spread through every conversion.
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return value;
}

bool flagField(std::string_view text, std::int32_t& out) {
    const std::optional<std::int32_t> value = integerField(text);
    if (!value) return false;
    out = *value;
    return true;
}

// Reads field 7 into the factors of `unit`.
bool readFactors(std::string_view text, UnitDef& unit) {
    const std::vector<std::string_view> factors = split(text, '&');
    if (factors.size() > static_cast<std::size_t>(document::MaxUnitFactors)) return false;
    for (std::size_t i = 0; i < factors.size(); ++i) {
        std::string_view factor = factors[i];
        while (!factor.empty() && factor.front() == '|') factor.remove_prefix(1);
        const std::vector<std::string_view> parts = split(factor, '|');
        if (parts.size() != 4) return false;
        const std::string_view symbol = trimmed(parts[2]);
        if (symbol.empty()) return false;
        unit.denominator[i] = trimmed(parts[0]) == "/" ? 1 : 0;
        if (!setFieldText(unit.prefix[i], trimmed(parts[1]))) return false;
        if (!setFieldText(unit.symbol[i], symbol)) return false;
        if (!setFieldText(unit.exponent[i], trimmed(parts[3]))) return false;
        unit.reference[i] = -1;
    }
    unit.factorCount = static_cast<std::int32_t>(factors.size());
    return true;
}

// Reads one name list up to its "." line (or the end); keeps at most `limit` names.
std::vector<std::string> readList(const std::vector<std::string_view>& lines, std::size_t& at, std::size_t limit) {
    std::vector<std::string> names;
    for (; at < lines.size(); ++at) {
        const std::string_view line = trimmed(lines[at]);
        if (line == ".") {
            ++at;
            break;
        }
        if (names.size() < limit) names.emplace_back(line);
    }
    return names;
}

bool inList(std::int32_t index, const std::vector<std::string>& list) {
    return index >= 1 && static_cast<std::size_t>(index) <= list.size();
}

std::string_view listEntry(const std::vector<std::string>& list, std::int32_t index) {
    return inList(index, list) ? std::string_view(list[static_cast<std::size_t>(index - 1)]) : std::string_view();
}

}  // namespace

std::optional<GenericUnit> parseUnitLine(std::string_view line) {
    const std::vector<std::string_view> fields = split(trimmed(line), '\t');
    if (fields.size() < 12) return std::nullopt;
    GenericUnit unit;
    UnitDef& def = unit.definition;
    if (!readFactors(fields[6], def)) return std::nullopt;
    std::int32_t reference = 0, system = 0, category = 0, quantity = 0, prefixAllowed = 0, exponentAllowed = 0;
    if (!flagField(fields[0], reference) || !flagField(fields[1], unit.flag) || !flagField(fields[2], system) ||
        !flagField(fields[3], category) || !flagField(fields[4], quantity) || !flagField(fields[7], prefixAllowed) ||
        !flagField(fields[8], exponentAllowed))
        return std::nullopt;
    // Reference -1 marks detail factors: a generic unit's own number is never negative.
    if (reference < 0) return std::nullopt;
    const std::optional<double> coefficient = realField(fields[9]);
    const std::optional<double> offset = realField(fields[10]);
    if (!coefficient || !offset) return std::nullopt;
    const std::vector<std::string_view> dimension = split(fields[11], '|');
    if (dimension.size() != static_cast<std::size_t>(document::DimensionCount)) return std::nullopt;
    for (std::size_t d = 0; d < dimension.size(); ++d) {
        const std::optional<double> value = realField(dimension[d]);
        if (!value) return std::nullopt;
        def.dimension[0][d] = *value;
    }
    unit.name = std::string(trimmed(fields[5]));
    def.reference[0] = reference;
    def.system[0] = system;
    def.category[0] = category;
    def.quantity[0] = quantity;
    for (int i = 0; i < def.factorCount; ++i) {
        def.prefixAllowed[static_cast<std::size_t>(i)] = prefixAllowed;
        def.exponentAllowed[static_cast<std::size_t>(i)] = exponentAllowed;
    }
    def.coefficient[0] = *coefficient;
    def.offset[0] = *offset;
    return unit;
}

UnitDatabase parseUnitDatabase(std::string_view text) {
    std::vector<std::string_view> lines = split(text, '\n');
    if (!lines.empty() && lines.back().empty()) lines.pop_back();  // after the last line end
    UnitDatabase database;
    std::size_t at = 0;
    if (!lines.empty()) database.title = std::string(trimmed(lines[at++]));
    database.systems = readList(lines, at, MaxSystems);
    database.categories = readList(lines, at, MaxCategories);
    database.quantities = readList(lines, at, MaxQuantities);
    for (; at < lines.size(); ++at) {
        const std::string_view line = trimmed(lines[at]);
        if (line == ".") break;
        if (line.empty()) continue;
        if (database.units.size() >= static_cast<std::size_t>(MaxGenericUnits)) continue;
        std::optional<GenericUnit> unit = parseUnitLine(lines[at]);
        const UnitDef* def = unit ? &unit->definition : nullptr;
        if (!def || !inList(def->system[0], database.systems) || !inList(def->category[0], database.categories) ||
            !inList(def->quantity[0], database.quantities)) {
            ++database.rejectedLines;
            continue;
        }
        database.units.push_back(std::move(*unit));
    }
    return database;
}

UnitDatabaseLoad loadUnitDatabase(const std::string& path) {
    base::InputError error;
    const std::optional<std::string> text = base::readTextInput(path, base::SmallTextLimits, error);
    if (!text)
        return {std::nullopt, base::withReason(base::makeMessage(base::MsgUnitDatabaseMissing, base::Heading::Error),
                                               error.reason())};
    return {parseUnitDatabase(*text), {}};
}

std::string_view systemName(const UnitDatabase& database, const GenericUnit& unit) {
    return listEntry(database.systems, unit.definition.system[0]);
}

std::string_view categoryName(const UnitDatabase& database, const GenericUnit& unit) {
    return listEntry(database.categories, unit.definition.category[0]);
}

std::string_view quantityName(const UnitDatabase& database, const GenericUnit& unit) {
    return listEntry(database.quantities, unit.definition.quantity[0]);
}

}  // namespace ordinax::units
