// SPDX-License-Identifier: Apache-2.0
// The VEX 2.0 end to end: the real binary, headless, on temporary volumes.
#include <gtest/gtest.h>

#include "e2e/E2eSupport.h"

namespace fs = std::filesystem;
using namespace qvt::test;

namespace {

const std::string kOpen = "select 1131 \"VEX 2.0\"\nclick 1\n";

// The file "Default(&D)" and Save give with the clock the tests run at (2024-05-17 10:20:30).
const std::string kDefaultsFile =
    "[QVTFileMark]\r\nModel=VEX2\r\n"
    "[Via WAP Settings]\r\nURL=\r\nAPN=\r\nIP=\r\nPort=\r\nAccount=\r\nPassword=\r\n"
    "[Via Internet Settings]\r\nGPRSAPN=\r\nGPRSAccount=\r\nGPRSPassword=\r\nSendEmailServer=\r\n"
    "SendEmailPort=\r\nSendEmailAddr=\r\nSendEmailPassword=\r\n"
    "[Receive number and receive email]\r\nAdministratorNum=\r\nPhoneNum2=\r\nPhoneNum3=\r\nPhoneNum4=\r\n"
    "ReceiveEmail1=\r\nReceiveEmail2=\r\nReceiveEmail3=\r\nReceiveEmail4=\r\n"
    "[Camera Setting]\r\nTime Format=0\r\nPIR Interval=1\r\nTime Lapse=0\r\nPIR Trigger=1\r\nClock Year=2024\r\n"
    "Clock Month=5\r\nClock Day=17\r\nClock Hour=10\r\nClock Minute=20\r\nClock Second=30\r\n"
    "Temperature Format=0\r\nSend To=0\r\n";

class Vex2EndToEnd : public ::testing::Test {
protected:
    TempDir dir;
    fs::path root = dir / "pc";
    fs::path card = dir / "card";
    fs::path cardFile = card / "GSM" / "VEX2.TXT";
    fs::path backupFile = root / "LumbrakonBackup" / "VEX2.TXT";

    void SetUp() override {
        fs::create_directories(root);
        fs::create_directories(card);
    }
    RunResult run(const std::string& script) { return runScript(root, {card}, kOpen + script); }
};

// The JSON of one control in a "dump" line.
std::string of(const std::string& dump, int id) {
    const std::string key = "\"" + std::to_string(id) + "\":{";
    const auto at = dump.find(key);
    if (at == std::string::npos) return "<missing>";
    return dump.substr(at, dump.find('}', at) - at + 1);
}

}  // namespace

TEST_F(Vex2EndToEnd, OpensOnAnEmptyVolumeWithEverythingBlank) {
    RunResult r = run("dump 1135\ndump\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_FALSE(findLine(r, {R"({"event":"open","dialog":"QVT CONFIG : For VEX 2.0"})"}).empty());
    EXPECT_NE(dumpLineOf(r, 1135).find("\"item\":\"" + cardFile.string() + "\""), std::string::npos)
        << dumpLineOf(r, 1135);
    const std::string dump = findLine(r, {"\"controls\""});
    for (int id : {1192, 1073, 1071, 1072, 1074, 1075, 1076, 1077, 1078, 1079, 1138, 1139})
        EXPECT_NE(of(dump, id).find("\"sel\":-1"), std::string::npos) << of(dump, id);
    for (int id : {1063, 1065, 1194, 1193, 1191})
        EXPECT_NE(of(dump, id).find("\"check\":0"), std::string::npos) << of(dump, id);
    EXPECT_NE(of(dump, 2).find("\"text\":\"Cancel(&N)\""), std::string::npos);
    EXPECT_FALSE(fs::exists(cardFile));
}

TEST_F(Vex2EndToEnd, DefaultThenSaveWritesCardAndBackupAndReopeningShowsTheValues) {
    RunResult r = run("click 1080\nanswer OK\nclick 1\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_FALSE(findLine(r, {"\"text\":\"Confirm Save All The Data ?\"", "\"icon\":\"question\""}).empty());
    EXPECT_FALSE(findLine(r, {"\"text\":\"Ok , All data has been saved in : \\\" " + cardFile.string() + " \\\" !\"",
                              "\"icon\":\"information\""})
                     .empty())
        << r.out();
    EXPECT_EQ(readFile(cardFile), kDefaultsFile);
    EXPECT_EQ(readFile(backupFile), kDefaultsFile);

    RunResult again = run("dump\n");
    ASSERT_EQ(again.exitCode, 0) << again.err;
    EXPECT_TRUE(findLine(again, {"\"event\":\"message\""}).empty()) << again.out();
    const std::string dump = findLine(again, {"\"controls\""});
    const std::vector<std::pair<int, std::string>> items{
        {1192, "12H"}, {1073, "5  Sec"}, {1071, "OFF"}, {1072, "Normal"}, {1074, "2024"},
        {1075, "5"},   {1076, "17"},     {1077, "10"},  {1078, "20"},     {1079, "30"}};
    for (const auto& [id, item] : items)
        EXPECT_NE(of(dump, id).find("\"item\":\"" + item + "\""), std::string::npos) << of(dump, id);
    for (int id : {1063, 1194}) EXPECT_NE(of(dump, id).find("\"check\":1"), std::string::npos) << of(dump, id);
    for (int id : {1065, 1193, 1191}) EXPECT_NE(of(dump, id).find("\"check\":0"), std::string::npos) << of(dump, id);
}

TEST_F(Vex2EndToEnd, ChosenRadiosAndTextsReachTheFileAndComeBack) {
    RunResult r =
        run("click 1080\n"
            "click 1065\n"
            "click 1191\n"
            "select 1192 \"24H\"\n"
            "type 1136 \"  0171 555  \"\n"
            "answer OK\n"
            "click 1\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string file = readFile(cardFile);
    EXPECT_NE(file.find("PhoneNum2=0171 555\r\n"), std::string::npos) << file;
    EXPECT_NE(file.find("[Camera Setting]\r\nTime Format=1\r\n"), std::string::npos) << file;
    EXPECT_NE(file.find("Temperature Format=1\r\nSend To=2\r\n"), std::string::npos) << file;
    EXPECT_EQ(readFile(backupFile), file);

    RunResult again = run("dump\n");
    const std::string dump = findLine(again, {"\"controls\""});
    EXPECT_NE(of(dump, 1065).find("\"check\":1"), std::string::npos) << of(dump, 1065);
    EXPECT_NE(of(dump, 1063).find("\"check\":0"), std::string::npos);
    EXPECT_NE(of(dump, 1191).find("\"check\":1"), std::string::npos);
    EXPECT_NE(of(dump, 1136).find("\"text\":\"0171 555\""), std::string::npos) << of(dump, 1136);
}

TEST_F(Vex2EndToEnd, CancelledConfirmationWritesNothing) {
    RunResult r = run("click 1080\nanswer Cancel\nkey Enter\nclick 2\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_FALSE(fs::exists(cardFile));
    EXPECT_FALSE(fs::exists(backupFile));
    EXPECT_FALSE(findLine(r, {R"({"event":"close","dialog":"QVT CONFIG : For VEX 2.0","result":"cancel"})"}).empty());
}
