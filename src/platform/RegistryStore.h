// SPDX-License-Identifier: Apache-2.0
#pragma once
// The remembered-choice store: the default value of a key under HKEY_LOCAL_MACHINE on Windows, a small
// folder tree under the system root elsewhere (a key is a directory, its default value the file
// "(Default)" holding the text alone).
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace qvt::platform {

class RegistryStore {
public:
    static constexpr std::uintmax_t kMaxValueBytes = 64;

    explicit RegistryStore(const std::filesystem::path& systemRoot);

    // Creates (or opens) the key and its parents; false when that is not possible.
    bool createKey(std::string_view keyPath);
    // Writes the key's default value (the key must exist); false on failure.
    bool setDefaultValue(std::string_view keyPath, std::string_view text);
    // The key's default value; nullopt when the key cannot be opened or the value cannot be read
    // (outside Windows: no value file, not a regular file, or longer than kMaxValueBytes).
    std::optional<std::string> queryDefaultValue(std::string_view keyPath) const;
    // Deletes a key that has no sub-keys, with its values; false on failure.
    bool deleteKey(std::string_view keyPath);

private:
    std::filesystem::path keyDir(std::string_view keyPath) const;
    std::filesystem::path root_;
};

}  // namespace qvt::platform
