// SPDX-License-Identifier: Apache-2.0
// The product selection window and the remembered choice, driven through the real binary.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "e2e/E2eSupport.h"
#include "support/ProductCases.h"

namespace fs = std::filesystem;
using namespace qvt::test;

namespace {

class ProductSelection : public ::testing::Test, protected PcWithCard {
protected:
    RunResult run(const std::string& script) { return runScript(root, {card}, script); }
    void storeChoice(const std::string& value) { writeFile(choiceValueFile(root), value); }
    bool choiceKeyExists() const { return fs::exists(root / "registry" / "Software" / "Lumbrakon"); }
    std::string storedChoice() const { return readFile(choiceValueFile(root)); }
};

}  // namespace

TEST_F(ProductSelection, ListShowsTheEightProductsSortedAndTheDefaultPhoto) {
    RunResult r = run("dump 1131\ndump\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.lines.front(), R"({"event":"open","dialog":"QVT CONFIG"})");
    EXPECT_NE(dumpLineOf(r, 1131).find(
                  R"("items":["HX330","HX460T-8MHD","HX710T-10M","HX720U","LP300 Series","PN250R-8MHD","PN450RT-8MHD","VEX 2.0"])"),
              std::string::npos)
        << dumpLineOf(r, 1131);
    const std::string dump = findLine(r, {"\"controls\""});
    EXPECT_NE(dump.find(R"("1162":{"kind":"picture","enabled":true,"visible":true})"), std::string::npos) << dump;
    std::size_t shown = 0;
    for (std::size_t at = 0; (at = dump.find(R"("kind":"picture","enabled":true,"visible":true)", at)) != std::string::npos;
         ++at)
        ++shown;
    EXPECT_EQ(shown, 1u) << "exactly one photo is visible";
    EXPECT_EQ(r.lines.back(), R"({"event":"close","dialog":"QVT CONFIG","result":"cancel"})");
}

TEST_F(ProductSelection, ChoosingAProductShowsExactlyItsPhoto) {
    RunResult r = run("select 1131 \"VEX 2.0\"\ndump\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string dump = findLine(r, {"\"controls\""});
    for (int id = 1162; id <= 1170; ++id) {
        const std::string expected = "\"" + std::to_string(id) + "\":{\"kind\":\"picture\",\"enabled\":true,\"visible\":" +
                                     (id == 1169 ? "true" : "false");
        EXPECT_NE(dump.find(expected), std::string::npos) << id;
    }
}

TEST_F(ProductSelection, OkOpensTheSettingsDialogAndTheNextRunRestoresTheChoice) {
    RunResult first = run("select 1131 \"HX720U\"\nclick 1142\nclick 1\nclose\n");
    ASSERT_EQ(first.exitCode, 0) << first.err;
    const std::vector<std::string> expected{
        R"({"event":"open","dialog":"QVT CONFIG"})",
        R"({"event":"open","dialog":"QVT CONFIG : For HX720U"})",
        R"({"event":"close","dialog":"QVT CONFIG : For HX720U","result":"cancel"})",
        R"({"event":"close","dialog":"QVT CONFIG","result":"ok"})",
    };
    EXPECT_EQ(first.lines, expected);
    EXPECT_EQ(storedChoice(), "3");

    RunResult second = run("dump 1131\ndump 1142\ndump 1170\n");
    ASSERT_EQ(second.exitCode, 0) << second.err;
    EXPECT_NE(dumpLineOf(second, 1131).find(R"("sel":3,"item":"HX720U")"), std::string::npos);
    EXPECT_NE(dumpLineOf(second, 1142).find(R"("check":1)"), std::string::npos);
    EXPECT_NE(dumpLineOf(second, 1170).find(R"("visible":true)"), std::string::npos);
    EXPECT_EQ(storedChoice(), "3") << "a run ended with Exit keeps the stored value";
}

TEST_F(ProductSelection, StoredValuesOutOfRangeClearTheChoice) {
    for (const std::string value : {"8", "12", "-1"}) {
        storeChoice(value);
        RunResult r = run("dump 1131\ndump 1142\ndump 1162\n");
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_NE(dumpLineOf(r, 1131).find(R"("sel":-1,"item":"")"), std::string::npos) << value;
        EXPECT_NE(dumpLineOf(r, 1142).find(R"("check":0)"), std::string::npos) << value;
        EXPECT_NE(dumpLineOf(r, 1162).find(R"("visible":true)"), std::string::npos) << value;
        EXPECT_FALSE(choiceKeyExists()) << "the keys are deleted at this start: " << value;
    }
    // The start after that finds no key and writes "-1" again.
    RunResult r = run("");
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(storedChoice(), "-1");
}

TEST_F(ProductSelection, StoredTextWithoutDigitsCountsAsTheFirstProduct) {
    storeChoice("abc");
    RunResult r = run("dump 1131\ndump 1164\n");
    EXPECT_NE(dumpLineOf(r, 1131).find(R"("sel":0,"item":"HX330")"), std::string::npos);
    EXPECT_NE(dumpLineOf(r, 1164).find(R"("visible":true)"), std::string::npos);
}

TEST_F(ProductSelection, ExitNeverTouchesTheStoredValue) {
    storeChoice("5");
    RunResult r = run("select 1131 \"HX330\"\nclick 1142\nclick 2\n");
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.lines.back(), R"({"event":"close","dialog":"QVT CONFIG","result":"cancel"})");
    EXPECT_EQ(storedChoice(), "5");
}

TEST_F(ProductSelection, OkWithoutSelectionWarnsAndStoresMinusOneEvenWhenTicked) {
    RunResult r = run("click 1142\nclick 1\ndump 1131\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.lines[1],
              R"({"event":"message","caption":"QVT Tips","icon":"warning","buttons":"ok","text":"Please select a product !","answer":"OK"})");
    EXPECT_FALSE(dumpLineOf(r, 1131).empty()) << "the selection dialog stays open";
    EXPECT_EQ(storedChoice(), "-1");
}

TEST_F(ProductSelection, OkUntickedLeavesMinusOne) {
    storeChoice("2");
    RunResult r = run("click 1142\nclick 1\nclose\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_FALSE(findLine(r, {"\"open\"", "QVT CONFIG : For HX710T-10M"}).empty());
    EXPECT_EQ(storedChoice(), "-1");
}

TEST_F(ProductSelection, EveryProductOpensItsTitledDialogAndTheBannerOpensTheAboutBox) {
    for (const ProductCase& product : productCases()) {
        const std::string name = product.displayName, title = "QVT CONFIG : For " + name;
        RunResult r = run("select 1131 \"" + name + "\"\nclick 1\nclick " + std::to_string(product.banner) +
                          "\nkey F1\nkey Escape\n");
        ASSERT_EQ(r.exitCode, 0) << name << ": " << r.err;
        EXPECT_FALSE(findLine(r, {"\"open\"", "\"" + title + "\""}).empty()) << name;
        EXPECT_FALSE(findLine(r, {R"({"event":"open","dialog":"About QVT CONFIG"})"}).empty()) << name;
        EXPECT_FALSE(findLine(r, {R"({"event":"close","dialog":"About QVT CONFIG","result":"cancel"})"}).empty());
        EXPECT_EQ(r.lines.back(), R"({"event":"close","dialog":"QVT CONFIG","result":"ok"})") << name;
    }
}

TEST_F(ProductSelection, ScriptErrorsEndTheRunWithStatusTwoNamingTheLine) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"click 4711\n", "line 1"},
        {"# comment\n\nselect 1131 \"HX999\"\n", "line 3"},
        {"select 1131 #8\n", "line 1"},
        {"dump\nfrobnicate\n", "line 2"},
        {"type 1131 \"x\"\n", "line 1"},
        {"select 1131 \"HX330\"\nclick 1164\n", "line 2"},  // a photo does not react to clicks
    };
    for (const auto& [script, where] : cases) {
        RunResult r = run(script);
        EXPECT_EQ(r.exitCode, 2) << script;
        EXPECT_NE(r.err.find(where), std::string::npos) << script << " -> " << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
}

TEST_F(ProductSelection, HiddenControlsCannotBeUsed) {
    RunResult r = run("select 1131 \"HX330\"\nclick 1142\nclick 1166\n");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("hidden"), std::string::npos) << r.err;
}

TEST_F(ProductSelection, UnknownOptionsAndBadClockAreRejected) {
    EXPECT_EQ(runBinary({"--frobnicate"}, "").exitCode, 2);
    RunResult r = runBinary({"--system-root", root.string(), "--now", "yesterday", "--script", "-"}, "");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("--now"), std::string::npos);
}
