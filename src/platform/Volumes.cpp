#include "platform/Volumes.h"

#include <QStorageInfo>
#include <algorithm>
#include <cstdlib>

namespace fs = std::filesystem;

namespace qvt::platform {

namespace {
// Path texts shown to the user are whole paths, whatever the command line said.
fs::path Absolute(const fs::path& p) {
    std::error_code ec;
    fs::path a = fs::absolute(p, ec).lexically_normal();
    if (ec) return p;
    if (a.has_relative_path() && !a.has_filename()) a = a.parent_path();  // no trailing separator
    return a;
}
}  // namespace

Volumes::Volumes(fs::path systemRoot, std::vector<fs::path> volumes) : systemRoot_(Absolute(systemRoot)) {
    slots_.push_back(systemRoot_);
    for (const auto& v : volumes) {
        if (static_cast<int>(slots_.size()) > kMaxVolumes) break;
        slots_.push_back(Absolute(v));
    }
}

Volumes Volumes::Discover(fs::path systemRoot) {
    Volumes v(std::move(systemRoot), {});
    v.discovery_ = true;
    v.discover();
    return v;
}

const std::vector<fs::path>& Volumes::roots() {
    if (discovery_) discover();
    return slots_;
}

bool Volumes::present(const fs::path& slot) const {
    std::error_code ec;
    return fs::is_directory(slot, ec);
}

std::string Volumes::RootText(const fs::path& slot) {
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
    std::vector<fs::path> found;
    for (const QStorageInfo& info : QStorageInfo::mountedVolumes()) {
        const std::string root = info.rootPath().toStdString();
        for (const char* prefix : {"/media/", "/run/media/", "/mnt/", "/Volumes/"}) {
            if (root.rfind(prefix, 0) == 0) {
                found.emplace_back(root);
                break;
            }
        }
    }
    std::sort(found.begin(), found.end());
    for (const fs::path& p : found) {
        if (static_cast<int>(slots_.size()) > kMaxVolumes) break;
        if (std::find(slots_.begin(), slots_.end(), p) == slots_.end()) slots_.push_back(p);
    }
#endif
}

fs::path DefaultSystemRoot() {
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
