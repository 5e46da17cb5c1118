// The rules of the preferences sheet: the working folders checked (and made
// when missing) before they are kept, and the warning that goes with soft
// shadows.
#pragma once

#include <array>
#include <string>

#include "base/message.h"
#include "settings/preferences.h"

namespace ordinax::settings {

// Makes every working folder that does not exist yet; the message of the
// first one that cannot be made (its path), empty when all exist. An empty
// folder text is refused as a missing folder.
base::Message ensureWorkingFolders(const std::array<std::string, FolderCount>& folders);

// True when the change of "SimpleShadow" turns soft shadows on, which some
// printers do not render: the sheet shows the warning.
bool warnsAboutSoftShadows(std::int32_t before, std::int32_t after);

}  // namespace ordinax::settings
