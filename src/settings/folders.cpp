// Resolution and creation of the working folders at start-up.
#include "settings/folders.h"

#include <array>
#include <system_error>

#include "base/strings.h"

namespace ordinax::settings {

namespace fs = std::filesystem;

namespace {

// Sub-folder names, UTF-8, in the order of the folder keys.
constexpr std::array<const char*, FolderCount> FolderNames = {
    "Données", "Conversions", "Importations", "Exportations", "Images",
    "Images", "Exemples", "Tests", "Modèles"};

bool isFolder(const fs::path& path) {
    std::error_code error;
    return !path.empty() && fs::is_directory(path, error);
}

// Folders seeded from the program's own copy when they are first created.
bool isSeeded(Folder which) {
    return which == Folder::Samples || which == Folder::Tests || which == Folder::Models;
}

// Copies the program's folder of the same name into a new working folder.
// A failed copy leaves a usable (perhaps partial) folder: it is not an error
// at start-up, the user can still work and add files.
void seedFolder(const fs::path& source, const fs::path& target) {
    std::error_code error;
    if (!fs::is_directory(source, error)) return;
    fs::copy(source, target, fs::copy_options::recursive | fs::copy_options::skip_existing, error);
}

}  // namespace

fs::path defaultWorkingFolder(Folder which, const FolderEnvironment& environment) {
    return environment.home / "Documents" / "Ordinax" / FolderNames[static_cast<std::size_t>(which)];
}

std::vector<base::Message> resolveWorkingFolders(Preferences& preferences, SettingsStore& store,
                                                 const FolderEnvironment& environment) {
    std::vector<base::Message> messages;
    for (int i = 0; i < FolderCount; ++i) {
        const auto which = static_cast<Folder>(i);
        std::string& value = preferences.folders[static_cast<std::size_t>(i)];
        fs::path folder(value);
        if (!isFolder(folder)) {
            folder = defaultWorkingFolder(which, environment);
            if (!isFolder(folder)) {
                std::error_code error;
                fs::create_directories(folder, error);
                // Some library versions report success when a file already
                // occupies the path: check the result, not the error code.
                if (isFolder(folder)) {
                    if (isSeeded(which)) seedFolder(environment.programFolder / FolderNames[static_cast<std::size_t>(i)], folder);
                } else {
                    messages.push_back(base::makeMessage(base::MsgCannotCreateFolder, base::Heading::Error, folder.string()));
                }
            }
        }
        value = folder.string();
        store.writeString(SectionPreference, FolderKeys[static_cast<std::size_t>(i)], value);
    }
    return messages;
}

}  // namespace ordinax::settings
