// The units database: the text file of systems, categories, quantities and
// generic units read each time the unit sheet opens.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/message.h"
#include "document/unit_def.h"

namespace ordinax::units {

using document::UnitDef;

inline constexpr std::string_view UnitDatabaseFileName = "UNIT.SRC";
inline constexpr int MaxSystems = 7;
inline constexpr int MaxCategories = 16;
inline constexpr int MaxQuantities = 200;
inline constexpr int MaxGenericUnits = 620;

// One generic unit: its name, the flag stored with it and its definition.
struct GenericUnit {
    std::string name;  // Windows-1252
    std::int32_t flag = 0;
    UnitDef definition;
    bool operator==(const GenericUnit&) const = default;
};

// The whole database. Texts are Windows-1252 bytes as in the file.
struct UnitDatabase {
    std::string title;
    std::vector<std::string> systems;
    std::vector<std::string> categories;
    std::vector<std::string> quantities;
    std::vector<GenericUnit> units;
    // Unit lines that could not be read and were left out.
    int rejectedLines = 0;
};

// Reads one generic-unit line (twelve tab-separated fields); nullopt when a
// field is missing or malformed, or when a text does not fit its record field.
std::optional<GenericUnit> parseUnitLine(std::string_view line);

// Reads the text of a database. Lists longer than their limit keep their
// first entries; units naming a system, category or quantity outside the
// lists are left out and counted as rejected, like unreadable lines.
UnitDatabase parseUnitDatabase(std::string_view text);

// The database read from a file, or the message of the failure.
struct UnitDatabaseLoad {
    std::optional<UnitDatabase> database;
    base::Message message;
};

// Reads the database file at `path`.
UnitDatabaseLoad loadUnitDatabase(const std::string& path);

// The system, category and quantity names of a generic unit, empty when out of range.
std::string_view systemName(const UnitDatabase& database, const GenericUnit& unit);
std::string_view categoryName(const UnitDatabase& database, const GenericUnit& unit);
std::string_view quantityName(const UnitDatabase& database, const GenericUnit& unit);

}  // namespace ordinax::units
