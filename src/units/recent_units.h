// The recently used units: a file of a 24-byte header and up to twenty
// 1480-byte unit records, the most recent first.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/message.h"
#include "document/unit_def.h"

namespace ordinax::units {

using document::UnitDef;

inline constexpr std::string_view RecentUnitsFileName = "ORDINAX.LOG";
inline constexpr std::string_view RecentUnitsMagic = "ORDINAX_4A";
inline constexpr std::size_t RecentUnitsHeaderSize = 24;
inline constexpr int MaxRecentUnits = 20;

// The records of a recent-units file's bytes, at most twenty; empty when the
// header does not match. A trailing partial record is ignored.
std::vector<UnitDef> parseRecentUnits(std::string_view bytes);

// The bytes of a recent-units file holding these records (at most twenty written).
std::string recentUnitsBytes(const std::vector<UnitDef>& units);

// The list after using `unit`: it comes first, byte-identical copies of it
// are dropped, at most twenty remain. A unit without factor changes nothing.
std::vector<UnitDef> withRecentUnit(std::vector<UnitDef> units, const UnitDef& unit);

// Entry n (0-based) of the file at `path`; nullopt when the file cannot be
// read, its header does not match or it has no record n.
std::optional<UnitDef> readRecentUnit(const std::string& path, int n);

// All entries of the file at `path` (empty when it is missing or foreign).
std::vector<UnitDef> readRecentUnits(const std::string& path);

// Adds a unit to the file at `path`; returns the message of a failed write, empty otherwise.
base::Message addRecentUnit(const std::string& path, const UnitDef& unit);

}  // namespace ordinax::units
