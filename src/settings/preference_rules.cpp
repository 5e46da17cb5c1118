// Rules of the preferences sheet.
#include "settings/preference_rules.h"

#include <filesystem>
#include <system_error>

#include "base/strings.h"
#include "base/strings_presentation.h"

namespace ordinax::settings {

base::Message ensureWorkingFolders(const std::array<std::string, FolderCount>& folders) {
    for (const std::string& folder : folders) {
        std::error_code error;
        if (!folder.empty() && std::filesystem::is_directory(std::filesystem::path(folder), error)) continue;
        if (!folder.empty() && std::filesystem::create_directories(std::filesystem::path(folder), error) && !error)
            continue;
        return base::makeMessage(base::MsgFolderMissing, base::Heading::Error, folder);
    }
    return {};
}

bool warnsAboutSoftShadows(std::int32_t before, std::int32_t after) {
    return before != 0 && after == 0;
}

}  // namespace ordinax::settings
