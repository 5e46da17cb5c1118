// The settings store over QSettings: the user's store under "Vantoris" /
// "Ordinax", or an INI file given on the command line.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "settings/store.h"

class QSettings;

namespace ordinax::qt {

// Sections are QSettings groups and keys their keys; integers are stored as
// int, texts as QString (UTF-8 on our side).
class QSettingsStore : public settings::SettingsStore {
public:
    // The per-user store of the application.
    static QSettingsStore userStore();
    // An INI file (created when written and missing).
    static QSettingsStore iniFile(const std::string& path);

    explicit QSettingsStore(std::unique_ptr<QSettings> settings);
    QSettingsStore(QSettingsStore&&) noexcept;
    QSettingsStore& operator=(QSettingsStore&&) noexcept;
    ~QSettingsStore() override;

    // Integers written by us come back as int; values of a hand-written or
    // re-read INI file come back as texts such as "250", which are accepted
    // when they hold a whole number.
    std::optional<int> readInt(const std::string& section, const std::string& key) const override;
    std::optional<std::string> readString(const std::string& section, const std::string& key) const override;
    void writeInt(const std::string& section, const std::string& key, int value) override;
    void writeString(const std::string& section, const std::string& key, const std::string& value) override;
    using settings::SettingsStore::readInt;
    using settings::SettingsStore::readString;

    // Writes pending changes to their file; false when writing failed.
    bool flush();

    // The file the values live in.
    std::string fileName() const;

private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace ordinax::qt
