// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <set>

#include "app/Catalogue.h"
#include "app/CommandLine.h"

using namespace qvt::app;

TEST(Catalogue, DisplayNamesMapToModelCodesAndBack) {
    for (const Product& p : Catalogue()) {
        std::string code(p.displayName);
        DisplayNameToModelCode(code);
        EXPECT_EQ(code, p.modelCode) << p.displayName;
        EXPECT_EQ(ModelCodeToDisplayName(code), p.displayName);
    }
}

TEST(Catalogue, NamesThatAreTheirOwnCodesStayUnchanged) {
    for (std::string text : {"HX720U", "VEX 2.0", "HX330", "", "hx710t-10m"}) {
        const std::string before = text;
        DisplayNameToModelCode(text);
        EXPECT_EQ(text, before);
    }
    EXPECT_EQ(ModelCodeToDisplayName("HX330"), "HX330");
    EXPECT_EQ(ModelCodeToDisplayName("hx710t"), "hx710t");
}

TEST(Catalogue, AdvancedSetupProductsAndFileCodes) {
    for (const Product& p : Catalogue()) EXPECT_EQ(IsAdvancedSetupProduct(p.modelCode), p.advancedSetup);
    EXPECT_TRUE(IsAdvancedSetupProduct("HX720U"));
    EXPECT_FALSE(IsAdvancedSetupProduct("hx720u"));
    EXPECT_EQ(FindProductByModelCode("VEX 2.0")->fileCode, "VEX2");
    EXPECT_EQ(FileNamesFor("VEX2").fileName, "VEX2.TXT");
    EXPECT_EQ(S1FileNames()[1].modelCode, "HX330");
    EXPECT_EQ(S1FileNames()[3].fileName, "HX460T.TXT");
}

TEST(Catalogue, EveryProductHasItsOwnPhotoAndTheTitleOfItsDialog) {
    std::set<int> photos{kDefaultPhotoControl};
    for (const Product& p : Catalogue()) photos.insert(p.photoControl);
    EXPECT_EQ(photos.size(), 9u);
    EXPECT_EQ(*photos.begin(), 1162);
    EXPECT_EQ(*photos.rbegin(), 1170);
    EXPECT_EQ(SettingsDialogTitle("PN250R"), "QVT CONFIG : For PN250R-8MHD");
    EXPECT_EQ(SettingsDialogTitle("VEX 2.0"), "QVT CONFIG : For VEX 2.0");
}

TEST(CommandLine, OptionsAreParsedAndBadOnesRefused) {
    std::string error;
    auto cl = ParseCommandLine({"--system-root", "/r", "--volume", "/a", "--volume", "/b", "--now",
                                "2024-02-29 23:59:58", "--ffmpeg", "/usr/bin/ffmpeg", "--script", "-"},
                               error);
    ASSERT_TRUE(cl) << error;
    EXPECT_EQ(cl->volumes.size(), 2u);
    EXPECT_EQ(cl->now->day, 29);
    EXPECT_EQ(cl->now->second, 58);
    EXPECT_EQ(*cl->script, "-");

    EXPECT_FALSE(ParseCommandLine({"--volume"}, error));
    EXPECT_FALSE(ParseCommandLine({"--now", "2024-2-29 23:59:58"}, error));
    EXPECT_FALSE(ParseCommandLine({"--now", "2024-02-29T23:59:58"}, error));
    EXPECT_FALSE(ParseCommandLine({"extra"}, error));
    std::vector<std::string> many;
    for (int i = 0; i < 24; ++i) many.insert(many.end(), {"--volume", "/v" + std::to_string(i)});
    EXPECT_FALSE(ParseCommandLine(many, error)) << "at most 23 volumes";
}
