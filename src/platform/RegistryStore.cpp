// SPDX-License-Identifier: Apache-2.0
#include "platform/RegistryStore.h"

#include "platform/FileOps.h"

#ifdef _WIN32
#include <windows.h>

#include <cstring>
#endif

namespace fs = std::filesystem;

namespace qvt::platform {

namespace {
constexpr const char* kValueFile = "(Default)";
}

RegistryStore::RegistryStore(const fs::path& systemRoot) : root_(systemRoot / "registry") {}

fs::path RegistryStore::keyDir(std::string_view keyPath) const {
    fs::path dir = root_;
    std::string part;
    for (char c : keyPath) {
        if (c == '\\') {
            if (!part.empty()) dir /= part;
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) dir /= part;
    return dir;
}

#ifdef _WIN32

bool RegistryStore::createKey(std::string_view keyPath) {
    HKEY key = nullptr;
    if (RegCreateKeyA(HKEY_LOCAL_MACHINE, std::string(keyPath).c_str(), &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

bool RegistryStore::setDefaultValue(std::string_view keyPath, std::string_view text) {
    const std::string value(text);
    return RegSetValueA(HKEY_LOCAL_MACHINE, std::string(keyPath).c_str(), REG_SZ, value.c_str(),
                        static_cast<DWORD>(value.size())) == ERROR_SUCCESS;
}

std::optional<std::string> RegistryStore::queryDefaultValue(std::string_view keyPath) const {
    const std::string path(keyPath);
    LONG size = 0;
    if (RegQueryValueA(HKEY_LOCAL_MACHINE, path.c_str(), nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
    std::string buf(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
    if (RegQueryValueA(HKEY_LOCAL_MACHINE, path.c_str(), buf.data(), &size) != ERROR_SUCCESS) return std::nullopt;
    buf.resize(std::strlen(buf.c_str()));
    return buf;
}

bool RegistryStore::deleteKey(std::string_view keyPath) {
    return RegDeleteKeyA(HKEY_LOCAL_MACHINE, std::string(keyPath).c_str()) == ERROR_SUCCESS;
}

#else

bool RegistryStore::createKey(std::string_view keyPath) {
    std::error_code ec;
    const fs::path dir = keyDir(keyPath);
    fs::create_directories(dir, ec);
    return fs::is_directory(dir, ec);
}

bool RegistryStore::setDefaultValue(std::string_view keyPath, std::string_view text) {
    const fs::path dir = keyDir(keyPath);
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) return false;
    // Whatever else stands where the value belongs (a FIFO would block the write) is replaced.
    const fs::path file = dir / kValueFile;
    const fs::file_status status = fs::symlink_status(file, ec);
    if (fs::exists(status) && !fs::is_regular_file(status) && !fs::remove(file, ec)) return false;
    // Written as every file of ours is: a new file renamed over the old one, so that a write cut
    // short leaves the previous value and never an empty one.
    return writeFileAtomically(file, text);
}

std::optional<std::string> RegistryStore::queryDefaultValue(std::string_view keyPath) const {
    const fs::path dir = keyDir(keyPath);
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) return std::nullopt;
    // only a small regular file is a value: a FIFO must not block the start, a huge file is no
    // value this program wrote, and a key folder without its file has no value that can be read.
    std::optional<std::string> value = readFileLimited(dir / kValueFile, kMaxValueBytes);
    if (!value) return std::nullopt;
    // A registry text ends at its first NUL.
    if (auto nul = value->find('\0'); nul != std::string::npos) value->resize(nul);
    return value;
}

bool RegistryStore::deleteKey(std::string_view keyPath) {
    const fs::path dir = keyDir(keyPath);
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) return false;
    // Refuse when the key has sub-keys, as the registry does.
    for (const auto& entry : fs::directory_iterator(dir, ec))
        if (entry.is_directory()) return false;
    fs::remove(dir / kValueFile, ec);
    return fs::remove(dir, ec);
}

#endif

}  // namespace qvt::platform
