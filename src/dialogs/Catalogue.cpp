// SPDX-License-Identifier: Apache-2.0
#include "dialogs/Catalogue.h"

namespace qvt::dialogs {

const std::array<Product, 8>& catalogue() {
    static const std::array<Product, 8> products{{
        {"HX710T-10M", "HX710T", "HX710T", SettingsDialogKind::Hx710t, 102, -1, 1166, "photo_hx710t", false, 1082},
        {"HX720U", "HX720U", "HX720U", SettingsDialogKind::Hx720u, 164, -1, 1170, "photo_hx720u", true, 1082},
        {"LP300 Series", "LP300", "LP300", SettingsDialogKind::Lp300, 139, -1, 1163, "photo_lp300", false, 1133},
        {"VEX 2.0", "VEX 2.0", "VEX2", SettingsDialogKind::Vex2, 161, -1, 1169, "photo_vex2", false, 1189},
        {"PN250R-8MHD", "PN250R", "PN250R", SettingsDialogKind::S1, 141, 0, 1167, "photo_pn250r", true, 1151},
        {"HX330", "HX330", "HX330", SettingsDialogKind::S1, 141, 1, 1164, "photo_hx330", false, 1151},
        {"PN450RT-8MHD", "PN450RT", "PN450RT", SettingsDialogKind::S1, 141, 2, 1168, "photo_pn450rt", true, 1151},
        {"HX460T-8MHD", "HX460T", "HX460T", SettingsDialogKind::S1, 141, 3, 1165, "photo_hx460t", true, 1151},
    }};
    return products;
}

const Product* findProductByModelCode(std::string_view modelCode) {
    for (const Product& p : catalogue())
        if (p.modelCode == modelCode) return &p;
    return nullptr;
}

void displayNameToModelCode(std::string& text) {
    // only the names that differ from their codes change; everything else stays as it is.
    if (text == "HX710T-10M")
        text = "HX710T";
    else if (text == "LP300 Series")
        text = "LP300";
    else if (text == "PN450RT-8MHD")
        text = "PN450RT";
    else if (text == "HX460T-8MHD")
        text = "HX460T";
    else if (text == "PN250R-8MHD")
        text = "PN250R";
}

std::string modelCodeToDisplayName(std::string_view code) {
    if (code == "HX710T") return "HX710T-10M";
    if (code == "LP300") return "LP300 Series";
    if (code == "PN450RT") return "PN450RT-8MHD";
    if (code == "HX460T") return "HX460T-8MHD";
    if (code == "PN250R") return "PN250R-8MHD";
    return std::string(code);
}

bool isAdvancedSetupProduct(std::string_view modelCode) {
    return modelCode == "PN450RT" || modelCode == "HX460T" || modelCode == "PN250R" || modelCode == "HX720U";
}

std::string settingsDialogTitle(std::string_view modelCode) {
    return "QVT CONFIG : For " + modelCodeToDisplayName(modelCode);
}

const std::array<settings::ProductFileNames, 4>& s1FileNames() {
    using settings::fileNamesFor;
    static const std::array<settings::ProductFileNames, 4> names{fileNamesFor("PN250R"), fileNamesFor("HX330"),
                                                                 fileNamesFor("PN450RT"), fileNamesFor("HX460T")};
    return names;
}

}  // namespace qvt::dialogs
