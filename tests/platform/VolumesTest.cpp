// SPDX-License-Identifier: Apache-2.0
// Which mounted file systems are offered as memory cards.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "platform/FileOps.h"
#include "platform/Volumes.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace qvt::platform {
namespace {

MountEntry mountAt(std::string point, std::string type, std::string source, bool readOnly = false, bool removable = false,
                 unsigned major = 8, unsigned minor = 17) {
    return {std::move(point), std::move(type), std::move(source), major, minor, readOnly, removable};
}

TEST(CardMountsTest, OnlyWritableUserAndRemovableMediaAreOffered) {
    struct Row {
        MountEntry entry;
        bool offered;
    };
    const std::vector<Row> rows = {
        {mountAt("/", "ext4", "/dev/vda", false, false, 254, 0), false},
        {mountAt("/media/ann/CARD", "vfat", "/dev/sdb1"), true},
        {mountAt("/run/media/ann/SD CARD", "exfat", "/dev/mmcblk0p1", false, false, 179, 1), true},
        {mountAt("/media/ann/DVD", "iso9660", "/dev/sr0", true, true, 11, 0), false},         // read-only
        {mountAt("/media/bob/CARD", "vfat", "/dev/sdc1", false, false, 8, 33), false},        // another user's, fixed
        {mountAt("/media/bob/STICK", "vfat", "/dev/sdd1", false, true, 8, 49), true},         // removable
        {mountAt("/mnt/data", "ext4", "/dev/sda2", false, false, 8, 2), false},               // fixed disk
        {mountAt("/mnt/usb", "vfat", "/dev/sde1", false, true, 8, 65), true},                 // removable disk
        {mountAt("/mnt/system", "squashfs", "/dev/loop3", true, false, 7, 3), false},         // read-only system image
        {mountAt("/mnt/sandbox", "tmpfs", "tools", true, false, 0, 24), false},               // pseudo, read-only
        {mountAt("/mnt/scratch", "tmpfs", "tmpfs", false, true, 0, 25), false},               // pseudo
        {mountAt("/media/ann/share", "cifs", "//server/share", false, false, 0, 60), false},  // network
        {mountAt("/mnt/rootbind", "ext4", "/dev/vda", false, true, 254, 0), false},           // the root fs again
        {mountAt("/Volumes/UNTITLED", "msdos", "/dev/disk4s1", false, false, 0, 0), true},
        {mountAt("/Volumes/Macintosh HD", "apfs", "/dev/vda", false, false, 0, 0), false},  // the system volume
        {mountAt("/media/ann", "tmpfs", "tmpfs"), false},
        {mountAt("/media/", "vfat", "/dev/sdf1", false, true), false},  // not below it
    };
    std::vector<MountEntry> table;
    std::vector<fs::path> expected;
    for (const Row& row : rows) {
        table.push_back(row.entry);
        if (row.offered) expected.emplace_back(row.entry.mountPoint);
        EXPECT_EQ(cardMounts({rows[0].entry, row.entry}, "ann").size(), row.offered ? 1u : 0u) << row.entry.mountPoint;
    }
    std::sort(expected.begin(), expected.end(),
              [](const fs::path& a, const fs::path& b) { return a.string() < b.string(); });
    EXPECT_EQ(cardMounts(table, "ann"), expected);

    // A later mount on the same point hides the card beneath it.
    table.push_back(mountAt("/media/ann/CARD", "vfat", "/dev/sdb1", true));
    const auto hidden = cardMounts(table, "ann");
    EXPECT_EQ(std::count(hidden.begin(), hidden.end(), fs::path("/media/ann/CARD")), 0);
}

TEST(CardMountsTest, MountInfoLinesAreReadWithTheirEscapes) {
    const std::string text =
        "26 1 254:0 / / rw,relatime - ext4 /dev/vda rw,discard\n"
        "44 26 8:17 / /media/ann/MY\\040CARD rw,nosuid shared:5 master:1 - vfat /dev/sdb1 rw,fmask=0022\n"
        "45 26 7:0 / /mnt/ro rw,relatime - ext2 /dev/loop0 ro\n"
        "garbage line\n";
    const std::vector<MountEntry> table = parseMountInfo(text);
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[1].mountPoint, "/media/ann/MY CARD");
    EXPECT_EQ(table[1].fsType, "vfat");
    EXPECT_EQ(table[1].source, "/dev/sdb1");
    EXPECT_EQ(table[1].major, 8u);
    EXPECT_EQ(table[1].minor, 17u);
    EXPECT_FALSE(table[1].readOnly);
    EXPECT_TRUE(table[2].readOnly) << "read-only super block";
}

TEST(CardMountsTest, RemovableOrHotPlugDevicesBySysfs) {
    test::TempDir sys;
    const fs::path devices = sys / "devices", links = sys / "dev-block";
    fs::create_directories(links);
    struct Row {
        const char* numbers;
        const char* disk;  // the disk's folder under devices/
        const char* removable;
        bool partition;
        bool expected;
    };
    for (const Row& row : {Row{"8:17", "pci0/usb1/1-1/host6/block/sdb", "0", true, true},
                           Row{"179:1", "platform/mmc_host/mmc0/mmc0:1234/block/mmcblk0", "0", true, true},
                           Row{"8:33", "pci0/ata1/host0/block/sdc", "1", true, true},
                           Row{"8:2", "pci0/ata2/host1/block/sda", "0", true, false},
                           Row{"7:0", "virtual/block/loop0", "0", false, false}}) {
        SCOPED_TRACE(row.numbers);
        fs::path device = devices / row.disk;
        test::writeFile(device / "removable", std::string(row.removable) + "\n");
        if (row.partition) {
            device /= "part1";
            test::writeFile(device / "partition", "1\n");
        }
        fs::create_directory_symlink(device, links / row.numbers);
        const std::string numbers = row.numbers;
        const auto colon = numbers.find(':');
        EXPECT_EQ(isRemovableBlockDevice(static_cast<unsigned>(std::stoul(numbers.substr(0, colon))),
                                         static_cast<unsigned>(std::stoul(numbers.substr(colon + 1))), links),
                  row.expected);
    }
    EXPECT_FALSE(isRemovableBlockDevice(9, 9, links)) << "unknown device";
}

#ifdef __linux__
// The real mount table: a read-only file system mounted under /mnt is not offered, nor the root.
TEST(CardMountsTest, RealReadOnlyMountUnderMntIsNotOffered) {
    test::TempDir dir;
    const fs::path point = fs::path("/mnt") / ("qvt-test-" + std::to_string(std::random_device{}()));
    test::TestMount ro = test::TestMount::image(point, dir / "ro.img", "mkfs.ext2 -q -F -b 1024 -m 0", 256, true);
    if (!ro.mounted()) {
        std::error_code ec;
        fs::remove(point, ec);
        GTEST_SKIP() << ro.why();
    }
    Volumes volumes = Volumes::discoverVolumes(dir / "sys");
    const std::vector<fs::path> roots = volumes.roots();
    EXPECT_EQ(std::count(roots.begin(), roots.end(), point), 0) << "read-only, and a loop device is no card";
    EXPECT_EQ(std::count(roots.begin(), roots.end(), fs::path("/")), 0);
    const auto table = parseMountInfo(*readFileLimited("/proc/self/mountinfo", 1u << 24));
    EXPECT_TRUE(std::any_of(table.begin(), table.end(),
                            [&](const MountEntry& e) { return e.mountPoint == point.string() && e.readOnly; }));
    { test::TestMount gone = std::move(ro); }
    std::error_code ec;
    fs::remove(point, ec);
}
#endif

TEST(Volumes, SystemRootComesFirstAndVolumesArePresentWhileTheirFolderExists) {
    test::TempDir dir;
    fs::create_directories(dir / "pc");
    fs::create_directories(dir / "e");
    Volumes volumes(dir / "pc", {dir / "e", dir / "f"});
    const auto& roots = volumes.roots();
    ASSERT_EQ(roots.size(), 3u);
    EXPECT_EQ(roots[0], dir / "pc");
    EXPECT_TRUE(volumes.present(roots[1]));
    EXPECT_FALSE(volumes.present(roots[2]));
    fs::create_directories(dir / "f");
    EXPECT_TRUE(volumes.present(roots[2]));
#ifdef _WIN32
    EXPECT_EQ(Volumes::rootText("E:"), "E:\\");
    EXPECT_EQ(Volumes::rootText("E:\\"), "E:\\");
#else
    EXPECT_EQ(Volumes::rootText("/media/card"), "/media/card/");
    EXPECT_EQ(Volumes::rootText("/media/card/"), "/media/card/");
#endif
}

}  // namespace
}  // namespace qvt::platform
