// The drives of the explorer from the mount table.
#include "explorer/drives.h"

#include <algorithm>
#include <array>

namespace ordinax::explorer {

namespace {

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// The next blank-separated field of a mount line.
std::string_view nextField(std::string_view& line) {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    const std::size_t end = std::min(line.find_first_of(" \t"), line.size());
    const std::string_view field = line.substr(0, end);
    line.remove_prefix(end);
    return field;
}

// The mount table writes blanks, tabs, new lines and backslashes as \ooo.
std::string unescaped(std::string_view field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const char a = field[i + 1], b = field[i + 2], c = field[i + 3];
            if (a >= '0' && a <= '3' && b >= '0' && b <= '7' && c >= '0' && c <= '7') {
                out += static_cast<char>((a - '0') * 64 + (b - '0') * 8 + (c - '0'));
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

constexpr std::array NetworkTypes = {"nfs", "nfs4", "cifs", "smb3", "smbfs", "ncpfs", "afs", "9p", "davfs",
                                     "fuse.sshfs", "fuse.rclone", "fuse.davfs2", "fuse.gvfsd-fuse", "glusterfs",
                                     "ceph", "fuse.s3fs"};
constexpr std::array CdromTypes = {"iso9660", "udf"};
// File systems that hold no user files.
constexpr std::array PseudoTypes = {"proc", "sysfs", "tmpfs", "devtmpfs", "devpts", "cgroup", "cgroup2",
                                    "securityfs", "pstore", "efivarfs", "bpf", "debugfs", "tracefs",
                                    "configfs", "fusectl", "mqueue", "hugetlbfs", "autofs", "binfmt_misc",
                                    "rpc_pipefs", "nsfs", "ramfs", "squashfs", "fuse.portal", "fuse.lxcfs",
                                    "overlay", "selinuxfs", "rootfs", "none"};

template <typename List>
bool among(const List& list, std::string_view value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

}  // namespace

bool DriveSwitches::scans(DriveKind kind) const {
    switch (kind) {
        case DriveKind::Removable: return removable;
        case DriveKind::Fixed: return fixed;
        case DriveKind::Network: return network;
        case DriveKind::Cdrom: return cdrom;
    }
    return false;
}

bool parseMountLine(std::string_view line, std::string& mountPoint, std::string& type) {
    const std::string_view device = nextField(line);
    const std::string_view point = nextField(line);
    const std::string_view kind = nextField(line);
    if (device.empty() || point.empty() || kind.empty() || point.front() != '/') return false;
    mountPoint = unescaped(point);
    type = std::string(kind);
    return true;
}

bool volumeKind(std::string_view mountPoint, std::string_view type, DriveKind& kind) {
    if (among(NetworkTypes, type)) {
        kind = DriveKind::Network;
        return true;
    }
    if (among(CdromTypes, type)) {
        kind = DriveKind::Cdrom;
        return true;
    }
    // A container's root file system is an overlay, like the system's own
    // parts mounted for it: only the root itself holds user files.
    if (type == "overlay" && mountPoint == "/") {
        kind = DriveKind::Fixed;
        return true;
    }
    if (among(PseudoTypes, type)) return false;
    for (std::string_view system : {"/proc", "/sys", "/dev", "/run/user", "/snap", "/boot/efi"})
        if (mountPoint == system || startsWith(mountPoint, std::string(system) + "/")) return false;
    kind = startsWith(mountPoint, "/media/") || startsWith(mountPoint, "/run/media/") ? DriveKind::Removable
                                                                                        : DriveKind::Fixed;
    return true;
}

std::vector<Drive> drivesFromMounts(std::string_view mountTable, const std::string& home) {
    std::vector<Drive> drives;
    if (!home.empty()) drives.push_back({home, DriveKind::Fixed});
    while (!mountTable.empty()) {
        const std::size_t end = mountTable.find('\n');
        const std::string_view line = mountTable.substr(0, end);
        mountTable.remove_prefix(end == std::string_view::npos ? mountTable.size() : end + 1);
        std::string point, type;
        DriveKind kind = DriveKind::Fixed;
        if (!parseMountLine(line, point, type)) continue;
        const auto same = std::find_if(drives.begin() + (home.empty() ? 0 : 1), drives.end(),
                                       [&](const Drive& d) { return d.root == point; });
        const bool kept = volumeKind(point, type, kind);
        if (same != drives.end()) {
            // Mounted over: the last mount is what the place shows.
            if (kept) same->kind = kind;
            else drives.erase(same);
            continue;
        }
        if (kept && point != home) drives.push_back({point, kind});
    }
    return drives;
}

}  // namespace ordinax::explorer
