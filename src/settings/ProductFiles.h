// SPDX-License-Identifier: Apache-2.0
#pragma once
// Where a product's settings file lives: on the card and in the backup folder of the PC.
#include <string>
#include <string_view>

namespace qvt::settings {

inline constexpr std::string_view kCardDirName = "GSM";
inline constexpr std::string_view kBackupDirName = "LumbrakonBackup";

// The settings file's name: "<CODE>.TXT".
inline std::string settingsFileName(std::string_view fileCode) {
    return std::string(fileCode) + ".TXT";
}

// File names of one product: "GSM/<CODE>.TXT" on a card, "<system root>/LumbrakonBackup/<CODE>.TXT" as backup.
struct ProductFileNames {
    std::string modelCode;    // "PN250R"
    std::string cardDir;      // "GSM"
    std::string fileName;     // "PN250R.TXT"
    std::string backupDir;    // "LumbrakonBackup"
};
inline ProductFileNames fileNamesFor(std::string_view fileCode) {
    return ProductFileNames{std::string(fileCode), std::string(kCardDirName), settingsFileName(fileCode),
                            std::string(kBackupDirName)};
}

}  // namespace qvt::settings
