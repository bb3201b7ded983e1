// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <set>

#include "dialogs/Catalogue.h"
#include "settings/ProductFiles.h"

using namespace qvt::dialogs;
using qvt::settings::fileNamesFor;

TEST(catalogue, DisplayNamesMapToModelCodesAndBack) {
    for (const Product& p : catalogue()) {
        std::string code(p.displayName);
        displayNameToModelCode(code);
        EXPECT_EQ(code, p.modelCode) << p.displayName;
        EXPECT_EQ(modelCodeToDisplayName(code), p.displayName);
    }
}

TEST(catalogue, NamesThatAreTheirOwnCodesStayUnchanged) {
    for (std::string text : {"HX720U", "VEX 2.0", "HX330", "", "hx710t-10m"}) {
        const std::string before = text;
        displayNameToModelCode(text);
        EXPECT_EQ(text, before);
    }
    EXPECT_EQ(modelCodeToDisplayName("HX330"), "HX330");
    EXPECT_EQ(modelCodeToDisplayName("hx710t"), "hx710t");
}

TEST(catalogue, AdvancedSetupProductsAndFileCodes) {
    for (const Product& p : catalogue()) EXPECT_EQ(isAdvancedSetupProduct(p.modelCode), p.advancedSetup);
    EXPECT_TRUE(isAdvancedSetupProduct("HX720U"));
    EXPECT_FALSE(isAdvancedSetupProduct("hx720u"));
    EXPECT_EQ(findProductByModelCode("VEX 2.0")->fileCode, "VEX2");
    EXPECT_EQ(fileNamesFor("VEX2").fileName, "VEX2.TXT");
    EXPECT_EQ(s1Product(1).fileCode, "HX330");
    EXPECT_EQ(fileNamesFor(s1Product(3).fileCode).fileName, "HX460T.TXT");
}

TEST(catalogue, EveryProductHasItsOwnPhotoAndTheTitleOfItsDialog) {
    std::set<int> photos{kDefaultPhotoControl};
    for (const Product& p : catalogue()) photos.insert(p.photoControl);
    EXPECT_EQ(photos.size(), 9u);
    EXPECT_EQ(*photos.begin(), 1162);
    EXPECT_EQ(*photos.rbegin(), 1170);
    EXPECT_EQ(settingsDialogTitle("PN250R"), "QVT CONFIG : For PN250R-8MHD");
    EXPECT_EQ(settingsDialogTitle("VEX 2.0"), "QVT CONFIG : For VEX 2.0");
}


TEST(catalogue, ExactlyTheFourModelDialogsRowsCarryAVariant) {
    for (const Product& p : catalogue())
        EXPECT_EQ(p.description == s1Description, p.variant >= 0) << p.displayName;
}
