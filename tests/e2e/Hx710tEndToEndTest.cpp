// SPDX-License-Identifier: Apache-2.0
// The main product end to end: the real binary, headless, on temporary volumes.
#include <gtest/gtest.h>

#include "e2e/E2eSupport.h"

namespace fs = std::filesystem;
using namespace qvt::test;

namespace {

const std::string kOpen = "select 1131 \"HX710T-10M\"\nclick 1\n";

class Hx710tEndToEnd : public ::testing::Test {
protected:
    TempDir dir;
    fs::path root = dir / "pc";
    fs::path card = dir / "card";
    fs::path cardFile = card / "GSM" / "HX710T.TXT";
    fs::path backupFile = root / "LumbrakonBackup" / "HX710T.TXT";

    void SetUp() override {
        fs::create_directories(root);
        fs::create_directories(card);
    }
    RunResult run(const std::string& script) { return runScript(root, {card}, kOpen + script); }
    static std::string golden() { return readFile(fs::path(QVT_TEST_DATA_DIR) / "hx710t_defaults.txt"); }
};

std::string selOf(const std::string& dump, int id) {
    const std::string key = "\"" + std::to_string(id) + "\":{";
    const auto at = dump.find(key);
    if (at == std::string::npos) return "<missing>";
    return dump.substr(at, dump.find('}', at) - at + 1);
}

}  // namespace

TEST_F(Hx710tEndToEnd, OpensOnAnEmptyVolumeWithBlankListsAndTheVolumeChosen) {
    RunResult r = run("dump 1030\ndump\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string cardText = (card / "GSM" / "HX710T.TXT").string();
    const std::string rootText = (root / "GSM" / "HX710T.TXT").string();
    const std::string paths = dumpLineOf(r, 1030);
    EXPECT_NE(paths.find("\"item\":\"" + cardText + "\""), std::string::npos) << paths;
    EXPECT_NE(paths.find("\"items\":[\"" + cardText + "\",\"" + rootText + "\"]"), std::string::npos) << paths;
    EXPECT_TRUE(fs::is_directory(card / "GSM"));

    const std::string dump = findLine(r, {"\"controls\""});
    for (int id : {1081, 1067, 1068, 1069, 1070, 1073, 1071, 1072, 1129, 1114, 1180, 1150, 1118, 1182, 1074, 1075,
                   1076, 1065, 1066})
        EXPECT_NE(selOf(dump, id).find("\"sel\":-1"), std::string::npos) << selOf(dump, id);
    for (int id : {1057, 1056, 1055, 1058, 1062, 1063, 1064, 1083, 1121, 1128})
        EXPECT_NE(selOf(dump, id).find("\"check\":0"), std::string::npos) << selOf(dump, id);
    EXPECT_NE(selOf(dump, 1001).find("\"text\":\"Choose audio file!\""), std::string::npos);
}

TEST_F(Hx710tEndToEnd, DefaultThenSaveWritesCardAndBackupAndReopeningShowsTheValues) {
    RunResult r = run("click 1080\nanswer OK\nclick 1\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_FALSE(findLine(r, {"\"text\":\"Confirm save all the data ?\"", "\"icon\":\"question\""}).empty());
    EXPECT_FALSE(findLine(r, {"\"text\":\"Ok , All data has been saved in : \\\" " + cardFile.string() + " \\\" !\"",
                              "\"icon\":\"information\""})
                     .empty())
        << r.out();
    EXPECT_EQ(readFile(cardFile), golden());
    EXPECT_EQ(readFile(backupFile), golden());

    RunResult again = run("dump\n");
    const std::string dump = findLine(again, {"\"controls\""});
    EXPECT_NE(selOf(dump, 1074).find("\"item\":\"2024\""), std::string::npos) << selOf(dump, 1074);
    EXPECT_NE(selOf(dump, 1076).find("\"item\":\"17\""), std::string::npos) << selOf(dump, 1076);
    EXPECT_NE(selOf(dump, 1072).find("\"item\":\"Normal\""), std::string::npos);
    EXPECT_NE(selOf(dump, 1073).find("\"item\":\"5  Sec\""), std::string::npos);
    EXPECT_NE(selOf(dump, 1057).find("\"check\":1"), std::string::npos);
    EXPECT_NE(selOf(dump, 1121).find("\"check\":1"), std::string::npos);
    EXPECT_NE(selOf(dump, 1173).find("\"visible\":false"), std::string::npos) << "Manual hides Max Number";
}

TEST_F(Hx710tEndToEnd, CancelledConfirmationWritesNothing) {
    RunResult r = run("click 1080\nanswer Cancel\nkey Enter\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_FALSE(fs::exists(cardFile));
    EXPECT_FALSE(fs::exists(backupFile));
    EXPECT_TRUE(findLine(r, {"All data has been saved"}).empty());
}

TEST_F(Hx710tEndToEnd, AHundredCharacterValueSurvivesTheRoundTrip) {
    const std::string longText(100, '7');
    RunResult r = run("type 1134 \"" + longText + "x\"\nanswer OK\nclick 1\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(readFile(cardFile).find("AdministratorNum=" + longText + "\r\n"), std::string::npos);
    RunResult again = run("dump 1134\n");
    EXPECT_NE(dumpLineOf(again, 1134).find("\"text\":\"" + longText + "\""), std::string::npos);
}

TEST_F(Hx710tEndToEnd, AnOversizedCardFileIsNotLoaded) {
    std::string big = "[QVTFileMark]\r\nModel=HX710T\r\n[Camera Setting]\r\nLanguage=3\r\n";
    big += "[Padding]\r\n" + std::string(1 << 20, ';') + "\r\n";
    writeFile(cardFile, big);
    RunResult r = run("dump 1081\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(dumpLineOf(r, 1081).find("\"sel\":-1"), std::string::npos) << "the file is not read";
}

TEST_F(Hx710tEndToEnd, CountryAndOperatorChoiceReachesTheFile) {
    RunResult r = run("select 1065 \"Germany\"\ndump 1066\nstate\nanswer OK\nclick 1\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(dumpLineOf(r, 1066).find(
                  R"("sel":0,"item":"Bild-Vodafone","count":6,"enabled":true,"visible":true,"items":["Bild-Vodafone","E-plus","Germany-02","T-mobile","Vodafone","Others"])"),
              std::string::npos)
        << dumpLineOf(r, 1066);
    const std::string state = findLine(r, {"\"event\":\"state\""});
    EXPECT_NE(state.find(R"("countryName":"Germany","operatorName":"Bild-Vodafone")"), std::string::npos) << state;
    EXPECT_NE(state.find(R"("smtpSsl":"0")"), std::string::npos);
    const std::string file = readFile(cardFile);
    EXPECT_NE(file.find("[Via WAP Settings]\r\nURL=http://139.7.24.1/servlets/mms\r\nAPN=event.vodafone.de\r\n"),
              std::string::npos)
        << file;
    EXPECT_NE(file.find("[Via Internet Settings]\r\nGPRSAPN=web.vodafone.de\r\n"), std::string::npos);
    EXPECT_EQ(file.find("SMTP SSL"), std::string::npos);
}

TEST_F(Hx710tEndToEnd, OthersConfirmedGivesUserDefinedParameters) {
    RunResult r = run(
        "select 1065 \"France\"\n"
        "select 1066 \"Others\"\n"
        "type 1097 \"http://mms.example/x\"\n"
        "type 1099 \" 08080 \"\n"
        "ip 1100 \"10.1.2.3\"\n"
        "answer OK\n"
        "click 1\n"
        "dump 1065\n"
        "dump 1066\n"
        "state\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_FALSE(findLine(r, {R"({"event":"open","dialog":"WAP / Internet Paramaters"})"}).empty());
    EXPECT_NE(dumpLineOf(r, 1065).find("\"sel\":-1"), std::string::npos);
    EXPECT_NE(dumpLineOf(r, 1066).find("\"count\":0"), std::string::npos);
    const std::string state = findLine(r, {"\"event\":\"state\""});
    EXPECT_NE(state.find(R"("countryName":"","operatorName":"")"), std::string::npos) << state;
    EXPECT_NE(state.find(R"("URL":"http://mms.example/x","APN":"","IP":"10.1.2.3","Port":"0808")"),
              std::string::npos)
        << state;
}

TEST_F(Hx710tEndToEnd, OthersCancelledRestoresThePreviousChoice) {
    RunResult r = run(
        "select 1065 \"UK\"\n"
        "select 1066 \"Vodafone(Prepay)\"\n"
        "select 1065 \"Others\"\n"
        "click 2\n"
        "dump 1065\n"
        "dump 1066\n"
        "state\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(dumpLineOf(r, 1065).find("\"item\":\"UK\""), std::string::npos) << dumpLineOf(r, 1065);
    EXPECT_NE(dumpLineOf(r, 1066).find("\"item\":\"Vodafone(Prepay)\""), std::string::npos);
    const std::string state = findLine(r, {"\"event\":\"state\""});
    EXPECT_NE(state.find(R"x("countryName":"UK","operatorName":"Vodafone(Prepay)")x"), std::string::npos) << state;
    EXPECT_NE(state.find(R"("editorMode":0)"), std::string::npos) << "a cancelled Others keeps the editor mode";
}
