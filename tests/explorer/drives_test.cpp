// The explorer's drives from a mount table: the home folder first, the kinds
// from the file-system type and the place of the mount, pseudo file systems
// left out.
#include <gtest/gtest.h>

#include "explorer/drives.h"

namespace ordinax::explorer {
namespace {

TEST(Drives, FromAMountTable) {
    const char* table =
        "proc /proc proc rw,nosuid 0 0\n"
        "sysfs /sys sysfs rw 0 0\n"
        "/dev/sda2 / ext4 rw,relatime 0 0\n"
        "tmpfs /run tmpfs rw 0 0\n"
        "/dev/sda3 /home ext4 rw 0 0\n"
        "/dev/sdb1 /media/anne/CLE\\040USB vfat rw 0 0\n"
        "/dev/sdc1 /run/media/anne/DISQUE exfat rw 0 0\n"
        "/dev/sr0 /media/cdrom iso9660 ro 0 0\n"
        "serveur:/partage /mnt/partage nfs4 rw 0 0\n"
        "//nas/docs /mnt/docs cifs rw 0 0\n"
        "anne@hote:/ /mnt/distant fuse.sshfs rw 0 0\n"
        "cgroup2 /sys/fs/cgroup cgroup2 rw 0 0\n"
        "/dev/loop0 /snap/core/1 squashfs ro 0 0\n"
        "ligne abimee\n"
        "\n";
    const std::vector<Drive> drives = drivesFromMounts(table, "/home/anne");
    const std::vector<Drive> expected = {
        {"/home/anne", DriveKind::Fixed},     {"/", DriveKind::Fixed},
        {"/home", DriveKind::Fixed},          {"/media/anne/CLE USB", DriveKind::Removable},
        {"/run/media/anne/DISQUE", DriveKind::Removable}, {"/media/cdrom", DriveKind::Cdrom},
        {"/mnt/partage", DriveKind::Network}, {"/mnt/docs", DriveKind::Network},
        {"/mnt/distant", DriveKind::Network},
    };
    EXPECT_EQ(drives, expected);
}

TEST(Drives, ContainerRootAndMountsOverTheSamePlace) {
    const char* table =
        "overlay / overlay rw,lowerdir=/a 0 0\n"
        "/dev/vdb /work ext4 rw 0 0\n"
        "tmpfs /work tmpfs rw 0 0\n"
        "/dev/vdc /data xfs rw 0 0\n"
        "/dev/vdd /data btrfs rw 0 0\n";
    const std::vector<Drive> drives = drivesFromMounts(table, "");
    const std::vector<Drive> expected = {{"/", DriveKind::Fixed}, {"/data", DriveKind::Fixed}};
    EXPECT_EQ(drives, expected);
}

TEST(Drives, SwitchesChooseTheKinds) {
    DriveSwitches onlyFixed;
    EXPECT_TRUE(onlyFixed.scans(DriveKind::Fixed));
    for (DriveKind k : {DriveKind::Removable, DriveKind::Cdrom, DriveKind::Network}) EXPECT_FALSE(onlyFixed.scans(k));
    const DriveSwitches all{true, true, true, true};
    for (DriveKind k : {DriveKind::Removable, DriveKind::Fixed, DriveKind::Cdrom, DriveKind::Network})
        EXPECT_TRUE(all.scans(k));
}

TEST(Drives, MountLines) {
    std::string point, type;
    EXPECT_TRUE(parseMountLine("/dev/x /a\\011b\\134c ext4 rw 0 0", point, type));
    EXPECT_EQ(point, "/a\tb\\c");
    EXPECT_FALSE(parseMountLine("seul", point, type));
    EXPECT_FALSE(parseMountLine("dev relatif ext4 rw", point, type));
    EXPECT_TRUE(parseMountLine("dev /fin\\0 ext4", point, type));
    EXPECT_EQ(point, "/fin\\0");  // an escape cut short stays as it is
}

}  // namespace
}  // namespace ordinax::explorer
