// The per-user settings store: integers and texts (UTF-8) by section and key.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

namespace ordinax::settings {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::optional<int> readInt(const std::string& section, const std::string& key) const = 0;
    virtual std::optional<std::string> readString(const std::string& section, const std::string& key) const = 0;
    virtual void writeInt(const std::string& section, const std::string& key, int value) = 0;
    virtual void writeString(const std::string& section, const std::string& key, const std::string& value) = 0;

    int readInt(const std::string& section, const std::string& key, int fallback) const {
        return readInt(section, key).value_or(fallback);
    }
    std::string readString(const std::string& section, const std::string& key, const std::string& fallback) const {
        return readString(section, key).value_or(fallback);
    }
};

// A store in memory, for tests and for the factory defaults.
class MemoryStore : public SettingsStore {
public:
    std::optional<int> readInt(const std::string& section, const std::string& key) const override;
    std::optional<std::string> readString(const std::string& section, const std::string& key) const override;
    void writeInt(const std::string& section, const std::string& key, int value) override;
    void writeString(const std::string& section, const std::string& key, const std::string& value) override;

    std::size_t size() const { return ints_.size() + strings_.size(); }

private:
    std::map<std::pair<std::string, std::string>, int> ints_;
    std::map<std::pair<std::string, std::string>, std::string> strings_;
};

}  // namespace ordinax::settings
