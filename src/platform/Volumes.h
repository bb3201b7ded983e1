// SPDX-License-Identifier: Apache-2.0
#pragma once
// The volume slots of the PC: slot 0 is the system root (the "C:" of the camera's paths) and is
// always present; the slots after it are the removable volumes (memory cards).
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace qvt::platform {

class Volumes {
public:
    // Explicit volumes (command line): fixed slots, present while the folder exists.
    Volumes(const std::filesystem::path& systemRoot, const std::vector<std::filesystem::path>& volumes);
    // Discovery of mounted removable volumes; a volume seen once keeps its slot for the run, and is
    // present only while the file system found there is still mounted there.
    static Volumes discoverVolumes(const std::filesystem::path& systemRoot);

    const std::filesystem::path& systemRoot() const { return systemRoot_; }

    // The slots in probing order; refreshes discovery first.
    const std::vector<std::filesystem::path>& roots();  // ("slots" is a Qt macro)
    // An explicit volume: its folder exists. A discovered one: it was still mounted at the last
    // refresh and the folder is still that file system (an unmounted card leaves its empty mount
    // folder behind, which is the PC's own disk).
    bool present(const std::filesystem::path& slot) const;

    // The text of a slot's root as shown to the user: "<path>/" (the "E:\" of Windows).
    static std::string rootText(const std::filesystem::path& slot);

    static constexpr int kMaxVolumes = 23;

private:
    void discover();

    std::filesystem::path systemRoot_;
    std::vector<std::filesystem::path> slots_;
    bool discovery_ = false;
    // The discovered volumes mounted at the last refresh, with the device of their file system.
    std::map<std::filesystem::path, std::uint64_t> mounted_;
};

// One mounted file system, as far as choosing memory cards needs it.
struct MountEntry {
    std::string mountPoint;
    std::string fsType;
    std::string source;  // "/dev/sdb1"; pseudo file systems have a name such as "tmpfs" or "proc"
    unsigned major = 0;  // the device numbers (0 when unknown)
    unsigned minor = 0;
    bool readOnly = false;
    bool removable = false;  // the device is removable or sits on a hot-plug bus (USB, SD/MMC)
};

// The entries of a /proc/self/mountinfo text, in mount order; lines it cannot read are skipped.
// `removable` is left false: that needs the device's sysfs entry (isRemovableBlockDevice).
std::vector<MountEntry> parseMountInfo(std::string_view text);

// The mounts that may be memory cards, sorted by mount point: writable file systems on a device
// node, other than the root file system (or another mount of its device), mounted at
// /media/<user>/..., /run/media/<user>/... or /Volumes/...; elsewhere under /media and /mnt only
// when the device is removable. A later mount on the same mount point hides the earlier one.
std::vector<std::filesystem::path> cardMounts(const std::vector<MountEntry>& table, const std::string& user);

// Linux: the kernel marks the block device (or the disk of a partition) removable, or it hangs off
// a USB, SD/MMC or Memory Stick bus. `sysDevBlock` is where the device numbers are linked.
bool isRemovableBlockDevice(unsigned major, unsigned minor,
                            const std::filesystem::path& sysDevBlock = "/sys/dev/block");

// The default system root: $XDG_DATA_HOME/qvt-config, else ~/.local/share/qvt-config (C:\ on Windows).
std::filesystem::path defaultSystemRoot();

}  // namespace qvt::platform
