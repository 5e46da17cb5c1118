// The start-up sequence of the application and the recent-file list.
#include "shell/startup.h"

#include <algorithm>

#include "base/strings.h"
#include "base/strings_shell.h"
#include "document/change_history.h"
#include "document/safe_file.h"
#include "settings/folders.h"
#include "settings/macro_attributes.h"

namespace ordinax::shell {

namespace {

int mruLimit(const settings::Preferences& preferences) {
    return std::clamp(preferences.maxMru, 1, settings::RecentFileCount);
}

}  // namespace

std::vector<int> dialogFontSizes() {
    std::vector<int> sizes;
    for (int size = 6; size <= 12; ++size) sizes.push_back(size);
    for (int size = 14; size <= 48; size += 2) sizes.push_back(size);
    for (int size = 52; size <= 128; size += 4) sizes.push_back(size);
    return sizes;
}

StartupResult startApplication(settings::SettingsStore& store, const StartupEnvironment& environment) {
    StartupResult result;
    StartupState state;

    // The program's folder and generation, then every preference (recent files,
    // custom colours, pipette colour, sound and preview options included).
    settings::writeStartupInfo(store, environment.programFolder.string());
    state.preferences = settings::readPreferences(store);
    state.preferences.install = environment.programFolder.string();
    state.preferences.version = settings::ProgramVersion;
    state.notices =
        settings::resolveWorkingFolders(state.preferences, store, {environment.home, environment.programFolder});

    // Without the regression catalogue the smoothing dialog and every fitted
    // curve would be meaningless: the program refuses to start.
    const std::filesystem::path cataloguePath = environment.programFolder / CatalogueFileName;
    numerics::CatalogueLoad load = numerics::loadCatalogue(cataloguePath.string());
    if (!load.catalogue) {
        result.fatal = base::makeMessage(base::MsgShellCatalogueMissing, base::Heading::Error, cataloguePath.string());
        return result;
    }
    state.catalogue = *load.catalogue;

    state.fontSizes = dialogFontSizes();

    // Undo folders of runs that ended without cleaning up.
    if (!environment.tempFolder.empty()) document::ChangeHistory::removeStaleFolders(environment.tempFolder.string());
    // Temporary files of saves that a killed run left beside its files.
    std::vector<std::string> saveFolders(state.preferences.folders.begin(), state.preferences.folders.end());
    for (const std::string& file : recentFiles(state.preferences)) saveFolders.push_back(document::folderOfPath(file));
    document::removeStaleTemporaries(saveFolders);

    if (state.preferences.keepMacro == 0) settings::writeMacroAttributes(store, settings::MacroAttributes{});

    result.state = std::move(state);
    return result;
}

void addRecentFile(settings::Preferences& preferences, const std::string& path) {
    if (path.empty()) return;
    std::vector<std::string> list = recentFiles(preferences);
    list.erase(std::remove(list.begin(), list.end(), path), list.end());
    list.insert(list.begin(), path);
    list.resize(std::min<std::size_t>(list.size(), static_cast<std::size_t>(mruLimit(preferences))));
    preferences.recentFiles.fill({});
    std::copy(list.begin(), list.end(), preferences.recentFiles.begin());
}

void removeRecentFile(settings::Preferences& preferences, const std::string& path) {
    std::vector<std::string> list = recentFiles(preferences);
    list.erase(std::remove(list.begin(), list.end(), path), list.end());
    preferences.recentFiles.fill({});
    std::copy(list.begin(), list.end(), preferences.recentFiles.begin());
}

std::vector<std::string> recentFiles(const settings::Preferences& preferences) {
    std::vector<std::string> list;
    for (const std::string& entry : preferences.recentFiles) {
        if (static_cast<int>(list.size()) >= mruLimit(preferences)) break;
        if (!entry.empty()) list.push_back(entry);
    }
    return list;
}

}  // namespace ordinax::shell
