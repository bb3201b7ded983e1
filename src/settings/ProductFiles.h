// SPDX-License-Identifier: Apache-2.0
#pragma once
// Where a product's settings file lives: on the card and in the backup folder of the PC.
#include <string>
#include <string_view>

namespace qvt::settings {

inline constexpr std::string_view kCardDirName = "GSM";
inline constexpr std::string_view kBackupDirName = "LumbrakonBackup";

// File names of one product: "GSM/<CODE>.TXT" on a card, "<system root>/LumbrakonBackup/<CODE>.TXT" as backup.
struct ProductFileNames {
    std::string modelCode;    // "PN250R"
    std::string cardDir;      // "GSM"
    std::string fileName;     // "PN250R.TXT"
    std::string backupDir;    // "LumbrakonBackup"
};
inline ProductFileNames fileNamesFor(std::string_view fileCode) {
    return ProductFileNames{std::string(fileCode), std::string(kCardDirName), std::string(fileCode) + ".TXT",
                            std::string(kBackupDirName)};
}

}  // namespace qvt::settings
