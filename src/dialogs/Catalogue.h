// SPDX-License-Identifier: Apache-2.0
#pragma once
// The eight camera products: names, codes, files, dialogs and photos. Every fact about a product
// lives in this table; the dialogs and the name/code lookups take theirs from here.
#include <array>
#include <string>
#include <string_view>

namespace qvt::dialogs {

struct ProductDescription;

// The settings dialogs' descriptions; each product's row names the one its dialog is built from.
const ProductDescription& hx710tDescription();
const ProductDescription& hx720uDescription();
const ProductDescription& lp300Description();
const ProductDescription& vex2Description();
const ProductDescription& s1Description();
using DescriptionOf = const ProductDescription& (*)();

struct Product {
    std::string_view displayName;
    std::string_view modelCode;
    std::string_view fileCode;  // the file name stem and the file's "Model" value
    DescriptionOf description;  // the settings dialog's description
    int dialogResource;
    int variant;  // the model's place in a dialog of several models, -1 in a dialog of one
    int photoControl;
    std::string_view photoImage;
    bool advancedSetup;
    int bannerId;
};

// In the order in which the selection list receives them (the list sorts them).
inline constexpr std::array<Product, 8> kProducts{{
    {"HX710T-10M", "HX710T", "HX710T", hx710tDescription, 102, -1, 1166, "photo_hx710t", false, 1082},
    {"HX720U", "HX720U", "HX720U", hx720uDescription, 164, -1, 1170, "photo_hx720u", true, 1082},
    {"LP300 Series", "LP300", "LP300", lp300Description, 139, -1, 1163, "photo_lp300", false, 1133},
    // The VEX 2.0's file name and "Model" value have neither the blank nor the point.
    {"VEX 2.0", "VEX 2.0", "VEX2", vex2Description, 161, -1, 1169, "photo_vex2", false, 1189},
    {"PN250R-8MHD", "PN250R", "PN250R", s1Description, 141, 0, 1167, "photo_pn250r", true, 1151},
    {"HX330", "HX330", "HX330", s1Description, 141, 1, 1164, "photo_hx330", false, 1151},
    {"PN450RT-8MHD", "PN450RT", "PN450RT", s1Description, 141, 2, 1168, "photo_pn450rt", true, 1151},
    {"HX460T-8MHD", "HX460T", "HX460T", s1Description, 141, 3, 1165, "photo_hx460t", true, 1151},
}};

const std::array<Product, 8>& catalogue();

// The first product whose file carries this code; the descriptions find their row with it at
// compile time (a comparison of function addresses is no constant expression under the sanitizers).
constexpr const Product* productWithFileCode(std::string_view fileCode) {
    for (const Product& p : kProducts)
        if (p.fileCode == fileCode) return &p;
    return nullptr;
}

// The first product whose settings open in this description's dialog (its resource id and banner
// are the dialog's).
constexpr const Product* productOf(DescriptionOf description) {
    for (const Product& p : kProducts)
        if (p.description == description) return &p;
    return nullptr;
}

// The product with this exact model code, or nullptr.
const Product* findProductByModelCode(std::string_view modelCode);

inline constexpr int kDefaultPhotoControl = 1162;
inline constexpr std::string_view kDefaultPhotoImage = "photo_none";

// A product's display name becomes its model code; any other text stays as it is.
void displayNameToModelCode(std::string& text);
// A model code becomes its product's display name; any other text is returned as it is.
std::string modelCodeToDisplayName(std::string_view code);
bool isAdvancedSetupProduct(std::string_view modelCode);

// The settings dialog's title for a model code.
std::string settingsDialogTitle(std::string_view modelCode);

// The product of variant 0..3 of the four-model dialog.
const Product& s1Product(int variant);

}  // namespace qvt::dialogs
