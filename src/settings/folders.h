// The nine working folders: their defaults under the user's documents, their
// creation at start-up and the seeding of the examples, tests and models.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/message.h"
#include "settings/preferences.h"
#include "settings/store.h"

namespace ordinax::settings {

// Where the defaults come from; given by the caller so that no global state is read.
struct FolderEnvironment {
    std::filesystem::path home;           // the user's home folder
    std::filesystem::path programFolder;  // holds "Exemples", "Tests", "Modèles" to copy
};

// The default of a working folder: <home>/Documents/Ordinax/<name>.
std::filesystem::path defaultWorkingFolder(Folder which, const FolderEnvironment& environment);

// For each folder in order: a value that is empty or not an existing folder is
// replaced by its default; a missing folder is created (the examples, tests and
// models folders then receive a copy of the program's own); the result is
// stored in the preferences and written back to its key. Returns one
// "Impossible de créer le dossier %s." message per folder that could not be created.
std::vector<base::Message> resolveWorkingFolders(Preferences& preferences, SettingsStore& store,
                                                 const FolderEnvironment& environment);

}  // namespace ordinax::settings
