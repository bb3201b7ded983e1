// SPDX-License-Identifier: Apache-2.0
// What Save will change, and settings carried to another card with Export… / Import…: the real
// binary, headless, on temporary volumes, every case for each of the five settings dialogs.
#include <gtest/gtest.h>

#include <ostream>

#include "e2e/E2eSupport.h"
#include "support/ProductCases.h"

namespace fs = std::filesystem;
using namespace qvt::test;

namespace {

// The shared product row (tests/support), and what only these tests look at.
struct Product : ProductCase {
    int pirDefault;         // "PIR Interval" after "Default(&D)"
    const char* pirShown;   // how its list shows that value
    const char* otherCode;  // a different product's code
};

void PrintTo(const Product& p, std::ostream* os) { *os << p.fileCode; }

const Product kProducts[] = {
    {productCase("HX710T"), 1, "5 Sec", "VEX2"},  {productCase("HX720U"), 1, "5 Sec", "HX710T"},
    {productCase("LP300"), 0, "0 Sec", "HX720U"}, {productCase("VEX2"), 1, "5 Sec", "LP300"},
    {productCase("HX330"), 1, "5 Sec", "HX460T"},
};

const std::string kArrow = " \xE2\x86\x92 ";
const std::string kFilter = "Settings File(*.TXT)|*.TXT;*.txt|All Files(*.*)|*.*||";

// A JSON string as the automation output writes it, for the texts these tests use.
std::string J(const std::string& text) {
    std::string out = "\"";
    for (char c : text) out += c == '"' ? std::string("\\\"") : std::string(1, c);
    return out + "\"";
}

class SaveDetailsAndProfiles : public ::testing::TestWithParam<Product> {
protected:
    TempDir dir;
    fs::path root = dir / "pc";

    fs::path volume(const std::string& name) {
        fs::create_directories(dir / name);
        return dir / name;
    }
    std::string cardFile(const fs::path& volume) const { return (volume / "GSM" / (code() + ".TXT")).string(); }
    std::string code() const { return GetParam().fileCode; }
    std::string open() const { return "select 1131 \"" + std::string(GetParam().displayName) + "\"\nclick 1\n"; }
    std::string saveOk() const { return "answer OK\nclick 1\n"; }
    std::string defaults() const { return "click " + std::to_string(GetParam().defaultButton) + "\n"; }

    // The save confirmation's whole output line: the file's own lines, then as the window shows them
    // (the same where no value changes).
    std::string confirmation(const std::vector<std::string>& details, std::vector<std::string> shown = {}) const {
        if (shown.empty()) shown = details;
        auto list = [](const std::vector<std::string>& lines) {
            std::string out;
            for (const std::string& d : lines) out += (out.empty() ? "" : ",") + J(d);
            return "[" + out + "]";
        };
        return R"({"event":"message","caption":"QVT Tips","icon":"question","buttons":"okcancel","text":)" +
               J(GetParam().confirm) + ",\"details\":" + list(details) + ",\"detailsShown\":" + list(shown) +
               ",\"answer\":\"OK\"}";
    }
    std::vector<std::string> confirmations(const RunResult& r) const {
        std::vector<std::string> found;
        for (const std::string& line : r.lines)
            if (line.find(J(GetParam().confirm)) != std::string::npos) found.push_back(line);
        return found;
    }
};

TEST_P(SaveDetailsAndProfiles, ConfirmationNamesTheFileAndWhatChanges) {
    root = volume("pc");
    const fs::path card = volume("card");
    const std::string pir = std::to_string(GetParam().pirDefault);
    RunResult r = runScript(root, {card},
                            open() + defaults() + saveOk() + "select 1073 #3\n" + saveOk() + saveOk());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string write = "write: " + cardFile(card);
    const std::vector<std::string> expected{
        confirmation({write, "new file"}),
        confirmation({write, "[Camera Setting] PIR Interval: " + pir + kArrow + "3"},
                     {write, "Camera Setting", "  PIR Interval: " + std::string(GetParam().pirShown) + kArrow + "15 Sec"}),
        confirmation({write, "no change"}),
    };
    EXPECT_EQ(confirmations(r), expected) << r.out();
    EXPECT_NE(readFile(cardFile(card)).find("PIR Interval=3\r\n"), std::string::npos);
}

TEST_P(SaveDetailsAndProfiles, ConfirmationNamesTheReplacedInvalidFileAndTheOtherCardsFileDeleted) {
    root = volume("pc");
    const fs::path kept = volume("a");     // holds a valid file: the dialog opens on it
    const fs::path target = volume("b");   // holds a file of no product: the user saves here
    const fs::path foreign = volume("c");  // another product's file: never touched
    writeFile(cardFile(kept), "[QVTFileMark]\r\nModel=" + code() + "\r\n");
    writeFile(cardFile(target), "garbage\r\n");
    writeFile(cardFile(foreign), "[QVTFileMark]\r\nModel=" + std::string(GetParam().otherCode) + "\r\n");
    const std::string list = std::to_string(GetParam().pathList);
    RunResult r = runScript(root, {kept, target, foreign},
                            open() + "select " + list + " \"" + cardFile(target) + "\"\n" + defaults() + saveOk());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(confirmations(r), std::vector<std::string>{confirmation(
                                    {"write: " + cardFile(target), "replaces an invalid file", "delete: " + cardFile(kept)})})
        << r.out();
    EXPECT_FALSE(fs::exists(cardFile(kept)));
    EXPECT_NE(readFile(cardFile(target)).find("Model=" + code()), std::string::npos);
    EXPECT_TRUE(fs::exists(cardFile(foreign)));
}

TEST_P(SaveDetailsAndProfiles, ExportThenImportOnAFreshCardGivesTheSameFile) {
    const fs::path profile = dir / "profiles" / "mine.txt";
    fs::create_directories(profile.parent_path());
    const fs::path first = volume("first");
    RunResult exported = runScript(volume("pc1"), {first},
                                   open() + defaults() + "select 1073 #2\nselect 1071 #3\n" + "choose-file " +
                                       J(profile.string()) + "\nclick 9001\n" + saveOk());
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_FALSE(findLine(exported, {R"({"event":"file-dialog","mode":"save","filter":)" + J(kFilter) +
                                     ",\"default\":" + J(code() + ".TXT") + ",\"answer\":" + J(profile.string()) + "}"})
                     .empty())
        << exported.out();
    EXPECT_FALSE(findLine(exported, {"\"icon\":\"information\"",
                                     "\"text\":" + J("The settings have been exported to \"" + profile.string() + "\".")})
                     .empty())
        << exported.out();
    const std::string bytes = readFile(profile);
    EXPECT_EQ(bytes, readFile(cardFile(first)));  // what Save wrote
    EXPECT_NE(bytes.find("PIR Interval=2\r\n"), std::string::npos) << bytes;

    // Another PC, another card, nothing on either.
    const fs::path second = volume("second");
    RunResult imported =
        runScript(volume("pc2"), {second}, open() + "choose-file " + J(profile.string()) + "\nclick 9002\n" + saveOk());
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_FALSE(findLine(imported, {R"({"event":"file-dialog","filter":)" + J(kFilter)}).empty()) << imported.out();
    EXPECT_EQ(readFile(cardFile(second)), bytes);
}

TEST_P(SaveDetailsAndProfiles, RefusedImportsAndAFailedExportChangeNothingAndSayWhy) {
    root = volume("pc");
    const fs::path card = volume("card");
    const fs::path other = dir / "other.txt";
    const fs::path garbage = dir / "garbage.bin";
    const fs::path missing = dir / "missing.txt";
    writeFile(other, "[QVTFileMark]\r\nModel=" + std::string(GetParam().otherCode) +
                         "\r\n[Camera Setting]\r\nPIR Interval=5\r\nTime Lapse=4\r\n");
    using namespace std::string_literals;
    writeFile(garbage, "\x00\xff\xfe[Camera Setting\nPIR Interval=7\n"s);
    const std::string tryImport = "click 9002\n";
    RunResult r = runScript(root, {card},
                            open() + defaults() + "dump\nstate\n" + "choose-file " + J(other.string()) + "\n" +
                                tryImport + "choose-file " + J(garbage.string()) + "\n" + tryImport +
                                "choose-file " + J(missing.string()) + "\n" + tryImport + "choose-file cancel\n" +
                                tryImport + "choose-file " + J(dir.path().string()) + "\nclick 9001\n" +
                                "dump\nstate\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    std::vector<std::string> dumps, states;
    for (const std::string& line : r.lines) {
        if (line.starts_with(R"({"event":"dump")")) dumps.push_back(line);
        if (line.starts_with(R"({"event":"state")")) states.push_back(line);
    }
    ASSERT_EQ(dumps.size(), 2u);
    EXPECT_EQ(dumps[0], dumps[1]);
    ASSERT_EQ(states.size(), 2u);
    EXPECT_EQ(states[0], states[1]);
    const std::string nothing = " Nothing was imported.";
    for (const std::string& text :
         {"The file \"" + other.string() + "\" holds the settings of \"" + GetParam().otherCode + "\", not of " +
              code() + "." + nothing,
          "The file \"" + garbage.string() + "\" is not a settings file of " + code() + "." + nothing,
          "The file \"" + missing.string() + "\" could not be read as a settings file." + nothing})
        EXPECT_EQ(countLines(r, {"\"icon\":\"warning\"", "\"text\":" + J(text)}), 1) << text << "\n" << r.out();
    EXPECT_EQ(countLines(r, {"\"icon\":\"error\"",
                             "\"text\":" + J("The settings could not be exported to \"" + dir.path().string() + "\".")}),
              1)
        << r.out();
    EXPECT_EQ(countLines(r, {"\"event\":\"message\""}), 4) << r.out();  // the cancelled choice says nothing
    EXPECT_FALSE(fs::exists(cardFile(card)));
}

INSTANTIATE_TEST_SUITE_P(Dialogs, SaveDetailsAndProfiles, ::testing::ValuesIn(kProducts),
                         [](const auto& test) { return std::string(test.param.fileCode); });

}  // namespace
