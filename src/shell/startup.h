// The start-up sequence of the application, up to the main window: settings,
// preferences and working folders, the regression catalogue (without which
// the program does not start), font sizes, undo clean-up and the macro reset.
// Also the recent-file list. Nothing here needs Qt: the caller supplies the
// store and the folders.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/message.h"
#include "numerics/catalogue.h"
#include "settings/preferences.h"
#include "settings/store.h"

namespace ordinax::shell {

// The catalogue file in the program's folder.
inline constexpr const char* CatalogueFileName = "ORX_LISS.MSK";

// Where the start-up looks and writes.
struct StartupEnvironment {
    std::filesystem::path programFolder;  // holds the data files
    std::filesystem::path home;           // the user's home folder (working folders)
    std::filesystem::path tempFolder;     // parent of the undo folders
};

// What the application keeps from its start.
struct StartupState {
    settings::Preferences preferences;
    numerics::Catalogue catalogue;
    std::vector<int> fontSizes;          // offered by the font-size lists of the dialogs
    std::vector<base::Message> notices;  // folders that could not be created: shown, not fatal
};

struct StartupResult {
    std::optional<StartupState> state;
    base::Message fatal;  // set when the program cannot start (missing catalogue)
};

// Runs the start-up steps in their order against `store`.
StartupResult startApplication(settings::SettingsStore& store, const StartupEnvironment& environment);

// The font sizes of the dialogs: 6 to 12 by 1, 14 to 48 by 2, 52 to 128 by 4.
std::vector<int> dialogFontSizes();

// Puts `path` at the head of the recent-file list, removing an earlier entry of
// the same path and keeping at most `MaxMRU` (1..9) entries.
void addRecentFile(settings::Preferences& preferences, const std::string& path);

// Removes `path` from the recent-file list (a file that could not be opened).
void removeRecentFile(settings::Preferences& preferences, const std::string& path);

// The entries of the list that are in use, in order, at most `MaxMRU`.
std::vector<std::string> recentFiles(const settings::Preferences& preferences);

}  // namespace ordinax::shell
