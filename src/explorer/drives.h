// The "drives" of the diagram file explorer on this system: the user's home
// folder first, then the mounted volumes that hold files, each with the kind
// the explorer's switches choose by (removable, fixed, network, CD-ROM).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ordinax::explorer {

enum class DriveKind { Removable, Fixed, Network, Cdrom };

struct Drive {
    std::string root;  // the folder the scan starts from
    DriveKind kind = DriveKind::Fixed;
    bool operator==(const Drive&) const = default;
};

// The drive kinds scanned ("Amovibles (disquettes)", "Fixes (disques durs)", "CD-ROM", "Réseau").
struct DriveSwitches {
    bool removable = false;
    bool fixed = true;
    bool cdrom = false;
    bool network = false;
    bool scans(DriveKind kind) const;
};

// One line of the mount table: the mount point (octal escapes such as \040
// decoded) and the file-system type; false for a line that is not one.
bool parseMountLine(std::string_view line, std::string& mountPoint, std::string& type);

// The kind of a volume from its mount point and file-system type; false
// when the volume holds no user files (proc, sysfs, tmpfs, cgroup, ...).
bool volumeKind(std::string_view mountPoint, std::string_view type, DriveKind& kind);

// The drives of a mount table (the text of /proc/self/mounts): `home` first
// as a fixed drive, then each volume once, in table order. A volume mounted
// again over the same place keeps its last entry.
std::vector<Drive> drivesFromMounts(std::string_view mountTable, const std::string& home);

}  // namespace ordinax::explorer
