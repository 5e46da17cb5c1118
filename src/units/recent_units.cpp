// Reading and writing the recently used units.
#include "units/recent_units.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <fstream>
#include <sstream>

#include "base/strings.h"
#include "base/input_file.h"
#include "document/orx_file.h"
#include "document/safe_file.h"

namespace ordinax::units {

namespace {

// The records are the in-memory layout, which is the file layout on a little-endian machine.
static_assert(std::endian::native == std::endian::little);

constexpr std::size_t RecordSize = sizeof(UnitDef);

bool headerMatches(std::string_view bytes) {
    if (bytes.size() < RecentUnitsHeaderSize) return false;
    const std::string_view field = bytes.substr(0, RecentUnitsHeaderSize);
    const std::size_t end = field.find('\0');
    return field.substr(0, end) == RecentUnitsMagic;
}

// The file holds a header and at most MaxRecentUnits records: what is
// larger is not read beyond that (it is no list of ours).
std::string fileBytes(const std::string& path, bool& opened) {
    const std::size_t most = RecentUnitsHeaderSize + static_cast<std::size_t>(MaxRecentUnits) * RecordSize + 4096;
    base::InputError error;
    std::optional<std::string> bytes = base::readTextInput(path, base::TextLimits{most, most}, error);
    opened = bytes.has_value();
    return bytes ? std::move(*bytes) : std::string();
}

bool sameBytes(const UnitDef& a, const UnitDef& b) { return std::memcmp(&a, &b, RecordSize) == 0; }

}  // namespace

std::vector<UnitDef> parseRecentUnits(std::string_view bytes) {
    std::vector<UnitDef> units;
    if (!headerMatches(bytes)) return units;
    bytes.remove_prefix(RecentUnitsHeaderSize);
    while (bytes.size() >= RecordSize && units.size() < static_cast<std::size_t>(MaxRecentUnits)) {
        UnitDef unit;
        std::memcpy(&unit, bytes.data(), RecordSize);
        units.push_back(unit);
        bytes.remove_prefix(RecordSize);
    }
    return units;
}

std::string recentUnitsBytes(const std::vector<UnitDef>& units) {
    std::string bytes(RecentUnitsHeaderSize, '\0');
    std::memcpy(bytes.data(), RecentUnitsMagic.data(), RecentUnitsMagic.size());
    const std::size_t count = std::min(units.size(), static_cast<std::size_t>(MaxRecentUnits));
    for (std::size_t i = 0; i < count; ++i) bytes.append(reinterpret_cast<const char*>(&units[i]), RecordSize);
    return bytes;
}

std::vector<UnitDef> withRecentUnit(std::vector<UnitDef> units, const UnitDef& unit) {
    if (unit.factorCount < 1) return units;
    std::erase_if(units, [&](const UnitDef& other) { return sameBytes(other, unit); });
    units.insert(units.begin(), unit);
    if (units.size() > static_cast<std::size_t>(MaxRecentUnits)) units.resize(MaxRecentUnits);
    return units;
}

std::optional<UnitDef> readRecentUnit(const std::string& path, int n) {
    if (n < 0) return std::nullopt;
    const std::vector<UnitDef> units = readRecentUnits(path);
    if (static_cast<std::size_t>(n) >= units.size()) return std::nullopt;
    return units[static_cast<std::size_t>(n)];
}

std::vector<UnitDef> readRecentUnits(const std::string& path) {
    bool opened = false;
    const std::string bytes = fileBytes(path, opened);
    return parseRecentUnits(bytes);
}

base::Message addRecentUnit(const std::string& path, const UnitDef& unit) {
    if (unit.factorCount < 1) return {};
    const std::string bytes = recentUnitsBytes(withRecentUnit(readRecentUnits(path), unit));
    const document::WriteStatus written = document::replaceFile(path, bytes);
    if (!written.ok()) return document::writeFailureMessage(path, written.error);
    return {};
}

}  // namespace ordinax::units
