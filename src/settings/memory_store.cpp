// The in-memory settings store used by tests and by the factory defaults.
#include "settings/store.h"

namespace ordinax::settings {

std::optional<int> MemoryStore::readInt(const std::string& section, const std::string& key) const {
    const auto found = ints_.find({section, key});
    if (found == ints_.end()) return std::nullopt;
    return found->second;
}

std::optional<std::string> MemoryStore::readString(const std::string& section, const std::string& key) const {
    const auto found = strings_.find({section, key});
    if (found == strings_.end()) return std::nullopt;
    return found->second;
}

void MemoryStore::writeInt(const std::string& section, const std::string& key, int value) {
    // A value has one type at a time, as in the system's store: a key written
    // again with the other type replaces the old value.
    strings_.erase({section, key});
    ints_[{section, key}] = value;
}

void MemoryStore::writeString(const std::string& section, const std::string& key, const std::string& value) {
    ints_.erase({section, key});
    strings_[{section, key}] = value;
}

}  // namespace ordinax::settings
