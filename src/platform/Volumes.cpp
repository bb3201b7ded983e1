// SPDX-License-Identifier: Apache-2.0
#include "platform/Volumes.h"

#include <QStorageInfo>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <optional>
#include <sstream>

#include "platform/FileOps.h"

#ifndef _WIN32
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace qvt::platform {

namespace {
// Path texts shown to the user are whole paths, whatever the command line said.
fs::path absoluteOf(const fs::path& p) {
    std::error_code ec;
    fs::path a = fs::absolute(p, ec).lexically_normal();
    if (ec) return p;
    if (a.has_relative_path() && !a.has_filename()) a = a.parent_path();  // no trailing separator
    return a;
}

// The mount table writes blanks, tabs, new lines and backslashes in names as \ooo.
std::string unescape(std::string_view field) {
    const auto octal = [](char c) { return c >= '0' && c <= '7'; };
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && octal(field[i + 1]) && octal(field[i + 2]) &&
            octal(field[i + 3])) {
            out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

bool hasOption(const std::string& options, const std::string& option) {
    std::istringstream in(options);
    for (std::string item; std::getline(in, item, ',');)
        if (item == option) return true;
    return false;
}

// `path` lies strictly below the folder `prefix` (given with its trailing '/').
bool below(const std::string& path, const std::string& prefix) {
    return path.size() > prefix.size() && path.compare(0, prefix.size(), prefix) == 0;
}

#ifndef _WIN32
std::string currentUser() {
    if (const passwd* pw = ::getpwuid(::geteuid()); pw && pw->pw_name) return pw->pw_name;
    const char* user = std::getenv("USER");
    return user ? user : "";
}
#endif

#if !defined(_WIN32) && !defined(__linux__)
std::vector<MountEntry> mountsFromQt() {
    std::vector<MountEntry> table;
    for (const QStorageInfo& info : QStorageInfo::mountedVolumes()) {
        MountEntry e;
        e.mountPoint = info.rootPath().toStdString();
        e.fsType = info.fileSystemType().toStdString();
        e.source = info.device().toStdString();
        e.readOnly = info.isReadOnly();
        table.push_back(std::move(e));
    }
    return table;
}
#endif

}  // namespace

std::vector<MountEntry> parseMountInfo(std::string_view text) {
    std::vector<MountEntry> table;
    std::istringstream lines{std::string(text)};
    for (std::string line; std::getline(lines, line);) {
        // id parent major:minor root mount-point options [optional fields...] - type source super-options
        std::istringstream in(line);
        std::vector<std::string> f;
        for (std::string word; in >> word;) f.push_back(word);
        const auto dash = std::find(f.begin(), f.end(), "-");
        if (f.size() < 6 || dash == f.end() || dash - f.begin() < 6 || f.end() - dash < 3) continue;
        MountEntry e;
        const std::size_t colon = f[2].find(':');
        if (colon == std::string::npos) continue;
        e.major = static_cast<unsigned>(std::strtoul(f[2].substr(0, colon).c_str(), nullptr, 10));
        e.minor = static_cast<unsigned>(std::strtoul(f[2].substr(colon + 1).c_str(), nullptr, 10));
        e.mountPoint = unescape(f[4]);
        e.fsType = unescape(dash[1]);
        e.source = unescape(dash[2]);
        e.readOnly = hasOption(f[5], "ro") || hasOption(dash[3], "ro");
        table.push_back(std::move(e));
    }
    return table;
}

std::vector<fs::path> cardMounts(const std::vector<MountEntry>& table, const std::string& user) {
    const MountEntry* root = nullptr;
    std::map<std::string, const MountEntry*> visible;  // a later mount hides the one beneath
    for (const MountEntry& e : table) {
        visible[e.mountPoint] = &e;
        if (e.mountPoint == "/") root = &e;
    }
    const auto isRootDevice = [root](const MountEntry& e) {
        if (!root) return false;
        if (root->major != 0 && e.major == root->major && e.minor == root->minor) return true;
        return !root->source.empty() && e.source == root->source;
    };
    std::vector<fs::path> found;
    for (const auto& [point, e] : visible) {
        if (e->readOnly || point == "/" || isRootDevice(*e)) continue;
        if (e->source.rfind("/dev/", 0) != 0) continue;  // pseudo and network file systems
        const bool usersMedia =
            !user.empty() && (below(point, "/media/" + user + "/") || below(point, "/run/media/" + user + "/"));
        const bool otherMedia = below(point, "/media/") || below(point, "/run/media/") || below(point, "/mnt/");
        if (usersMedia || below(point, "/Volumes/") || (otherMedia && e->removable)) found.emplace_back(point);
    }
    return found;  // the map kept them sorted by mount point
}

bool isRemovableBlockDevice(unsigned major, unsigned minor, const fs::path& sysDevBlock) {
    if (major == 0) return false;  // no device behind it
    std::error_code ec;
    fs::path device = fs::canonical(sysDevBlock / (std::to_string(major) + ":" + std::to_string(minor)), ec);
    if (ec) return false;
    if (fs::exists(device / "partition", ec)) device = device.parent_path();  // a partition: its disk
    if (const auto flag = readFileLimited(device / "removable", 16); flag && trim(*flag) == "1") return true;
    const std::string chain = device.generic_string();
    for (const char* bus : {"/usb", "/mmc_host/", "/memstick"})
        if (chain.find(bus) != std::string::npos) return true;
    return false;
}

Volumes::Volumes(const fs::path& systemRoot, const std::vector<fs::path>& volumes) : systemRoot_(absoluteOf(systemRoot)) {
    slots_.push_back(systemRoot_);
    for (const auto& v : volumes) {
        if (static_cast<int>(slots_.size()) > kMaxVolumes) break;
        slots_.push_back(absoluteOf(v));
    }
}

Volumes Volumes::discoverVolumes(const fs::path& systemRoot) {
    Volumes v(systemRoot, {});
    v.discovery_ = true;
    v.discover();
    return v;
}

const std::vector<fs::path>& Volumes::roots() {
    if (discovery_) discover();
    return slots_;
}

#ifndef _WIN32
namespace {
// The device of the file system a folder lies on; nullopt when it is no folder.
std::optional<std::uint64_t> deviceOf(const fs::path& folder) {
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return std::nullopt;
    return static_cast<std::uint64_t>(st.st_dev);
}
}  // namespace
#endif

bool Volumes::present(const fs::path& slot) const {
    std::error_code ec;
#ifndef _WIN32
    if (discovery_ && slot != systemRoot_) {
        const auto it = mounted_.find(slot);
        return it != mounted_.end() && deviceOf(slot) == it->second;
    }
#endif
    return fs::is_directory(slot, ec);
}

std::string Volumes::rootText(const fs::path& slot) {
    std::string text = slot.string();
#ifdef _WIN32
    if (text.empty() || (text.back() != '\\' && text.back() != '/')) text += '\\';
#else
    if (text.empty() || text.back() != '/') text += '/';
#endif
    return text;
}

void Volumes::discover() {
#ifdef _WIN32
    if (slots_.size() > 1) return;
    for (char letter = 'D'; letter <= 'Z'; ++letter) slots_.push_back(fs::path(std::string(1, letter) + ":\\"));
#else
#ifdef __linux__
    std::vector<MountEntry> table;
    if (const auto text = readFileLimited("/proc/self/mountinfo", 16u << 20)) table = parseMountInfo(*text);
    for (MountEntry& e : table) e.removable = isRemovableBlockDevice(e.major, e.minor);
#else
    const std::vector<MountEntry> table = mountsFromQt();
#endif
    const std::vector<fs::path> found = cardMounts(table, currentUser());
    mounted_.clear();
    for (const fs::path& p : found) {
        const bool known = std::find(slots_.begin(), slots_.end(), p) != slots_.end();
        if (!known && static_cast<int>(slots_.size()) > kMaxVolumes) continue;
        if (!known) slots_.push_back(p);
        if (const auto device = deviceOf(p)) mounted_[p] = *device;
    }
#endif
}

fs::path defaultSystemRoot() {
#ifdef _WIN32
    return fs::path("C:\\");
#else
    fs::path base;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = fs::path(home) / ".local" / "share";
    else
        base = fs::temp_directory_path();
    fs::path root = base / "qvt-config";
    std::error_code ec;
    fs::create_directories(root, ec);
    return root;
#endif
}

}  // namespace qvt::platform
