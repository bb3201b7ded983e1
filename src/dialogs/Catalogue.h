// SPDX-License-Identifier: Apache-2.0
#pragma once
// The eight camera products: names, codes, files, dialogs and photos.
#include <array>
#include <string>
#include <string_view>

#include "settings/ProductFiles.h"

namespace qvt::dialogs {

enum class SettingsDialogKind { Hx710t, Hx720u, Lp300, Vex2, S1 };

struct Product {
    std::string_view displayName;
    std::string_view modelCode;
    std::string_view fileCode;
    SettingsDialogKind dialog;
    int dialogResource;
    int s1Variant;  // index in the four-model dialog, -1 for the others
    int photoControl;
    std::string_view photoImage;
    bool advancedSetup;
    int bannerId;
};

// In the order in which the selection list receives them (the list sorts them).
const std::array<Product, 8>& catalogue();

// The product with this exact model code, or nullptr.
const Product* findProductByModelCode(std::string_view modelCode);

inline constexpr int kDefaultPhotoControl = 1162;
inline constexpr std::string_view kDefaultPhotoImage = "photo_none";

void displayNameToModelCode(std::string& text);
std::string modelCodeToDisplayName(std::string_view code);
bool isAdvancedSetupProduct(std::string_view modelCode);

// The settings dialog's title for a model code.
std::string settingsDialogTitle(std::string_view modelCode);

// The four-product file-name table of the shared dialog, by variant 0..3.
const std::array<settings::ProductFileNames, 4>& s1FileNames();

}  // namespace qvt::dialogs
