#pragma once
// The volume slots of the PC: slot 0 is the system root (the "C:" of the camera's paths) and is
// always present; the slots after it are the removable volumes (memory cards).
#include <filesystem>
#include <string>
#include <vector>

namespace qvt::platform {

class Volumes {
public:
    // Explicit volumes (command line): fixed slots, present while the folder exists.
    Volumes(std::filesystem::path systemRoot, std::vector<std::filesystem::path> volumes);
    // Discovery of mounted removable volumes; a volume seen once keeps its slot for the run.
    static Volumes Discover(std::filesystem::path systemRoot);

    const std::filesystem::path& systemRoot() const { return systemRoot_; }

    // The slots in probing order; refreshes discovery first.
    const std::vector<std::filesystem::path>& roots();  // ("slots" is a Qt macro)
    bool present(const std::filesystem::path& slot) const;

    // The text of a slot's root as shown to the user: "<path>/" (the "E:\" of Windows).
    static std::string RootText(const std::filesystem::path& slot);

    static constexpr int kMaxVolumes = 23;

private:
    void discover();

    std::filesystem::path systemRoot_;
    std::vector<std::filesystem::path> slots_;
    bool discovery_ = false;
};

// The default system root: $XDG_DATA_HOME/qvt-config, else ~/.local/share/qvt-config (C:\ on Windows).
std::filesystem::path DefaultSystemRoot();

}  // namespace qvt::platform
