// Fuzz target of the mount-table reader behind the explorer's drives: any
// text gives a list of drives, the home folder first, each root absolute and
// listed once.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "explorer/drives.h"

using namespace ordinax::explorer;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<Drive> drives = drivesFromMounts(text, "/home/essai");
    if (drives.empty() || drives.front().root != "/home/essai") std::abort();
    for (std::size_t i = 0; i < drives.size(); ++i) {
        if (drives[i].root.empty() || drives[i].root.front() != '/') std::abort();
        for (std::size_t j = i + 1; j < drives.size(); ++j)
            if (drives[i].root == drives[j].root) std::abort();
    }
    return 0;
}
