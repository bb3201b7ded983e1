// SPDX-License-Identifier: Apache-2.0
// The HX720U end to end: the real binary, headless, on temporary volumes.
#include <gtest/gtest.h>

#include "e2e/E2eSupport.h"

namespace fs = std::filesystem;
using namespace qvt::test;

namespace {

const std::string kOpen = "select 1131 \"HX720U\"\nclick 1\n";

class Hx720uEndToEnd : public ::testing::Test {
protected:
    TempDir dir;
    fs::path root = dir / "pc";
    fs::path card = dir / "card";
    fs::path cardFile = card / "GSM" / "HX720U.TXT";
    fs::path backupFile = root / "LumbrakonBackup" / "HX720U.TXT";

    void SetUp() override {
        fs::create_directories(root);
        fs::create_directories(card);
    }
    RunResult run(const std::string& script) { return runScript(root, {card}, kOpen + script); }
};

// The file "Default(&D)" gives at the test clock (2024-05-17 10:20:30), as the camera reads it.
std::string defaultsFile() {
    // clang-format off
    const char* lines[] = {
        "[QVTFileMark]", "Model=HX720U",
        "[Via WAP Settings]", "URL=", "APN=", "IP=", "Port=", "Account=", "Password=",
        "[Via Internet Settings]", "GPRSAPN=", "GPRSAccount=", "GPRSPassword=", "SendEmailServer=",
        "SendEmailPort=", "SendEmailAddr=", "SendEmailPassword=", "SMTP SSL=",
        "[Receive number and receive email]", "AdministratorNum=", "PhoneNum2=", "PhoneNum3=", "PhoneNum4=",
        "ReceiveEmail1=", "ReceiveEmail2=", "ReceiveEmail3=", "ReceiveEmail4=",
        "[Camera Setting]", "Send Mode=0", "Send To=0", "Max Number=", "DR Time H=", "DR Time M=", "Language=0",
        "Camera Mode=0", "Photo Size=0", "Photo Burst=0", "Video Length=1", "Time Lapse=0", "PIR Trigger=1",
        "PIR Interval=1", "Clock Year=2024", "Clock Month=5", "Clock Day=17", "Clock Hour=10", "Clock Minute=20",
        "Clock Second=30", "Video Size=0", "Game Call=0", "GameCall Hour=0", "GameCall Minute=0",
        "GameCall PlayTime=0", "Camera Position=0", "SMS Control=1", "Work Hour=0", "Work Hour StartH=",
        "Work Hour StartM=", "Work Hour StopH=", "Work Hour StopM="};
    // clang-format on
    std::string bytes;
    for (const char* line : lines) bytes += std::string(line) + "\r\n";
    return bytes;
}

std::string Entry(const std::string& dump, int id) {
    const std::string key = "\"" + std::to_string(id) + "\":{";
    const auto at = dump.find(key);
    if (at == std::string::npos) return "<missing>";
    return dump.substr(at, dump.find('}', at) - at + 1);
}

}  // namespace

TEST_F(Hx720uEndToEnd, OpensOnAnEmptyVolumeWithBlankListsAndItsPathList) {
    RunResult r = run("dump 1135\ndump\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_FALSE(findLine(r, {R"({"event":"open","dialog":"QVT CONFIG : For HX720U"})"}).empty());
    EXPECT_NE(dumpLineOf(r, 1135).find("\"item\":\"" + cardFile.string() + "\""), std::string::npos)
        << dumpLineOf(r, 1135);
    const std::string dump = findLine(r, {"\"controls\""});
    for (int id : {1081, 1068, 1070, 1180, 1118, 1182, 1074, 1076})
        EXPECT_NE(Entry(dump, id).find("\"sel\":-1"), std::string::npos) << Entry(dump, id);
    for (int id : {1129, 1121, 1063, 1030}) EXPECT_EQ(Entry(dump, id), "<missing>") << id;
    EXPECT_NE(Entry(dump, 1001).find("\"text\":\"Choose audio file!\""), std::string::npos);
}

TEST_F(Hx720uEndToEnd, DefaultThenSaveWritesCardAndBackupAndReopeningShowsTheValues) {
    RunResult r = run("click 1080\nanswer OK\nclick 1\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_FALSE(findLine(r, {"\"text\":\"Confirm Save All The Data ?\"", "\"icon\":\"question\""}).empty());
    EXPECT_FALSE(findLine(r, {"\"text\":\"Ok , All data has been saved in : \\\" " + cardFile.string() + " \\\" !\"",
                              "\"icon\":\"information\""})
                     .empty())
        << r.out();
    EXPECT_EQ(readFile(cardFile), defaultsFile());
    EXPECT_EQ(readFile(backupFile), readFile(cardFile));

    RunResult again = run("dump\n");
    ASSERT_EQ(again.exitCode, 0) << again.err;
    const std::string dump = findLine(again, {"\"controls\""});
    const std::pair<int, std::string> shown[] = {{1068, "5 M"}, {1070, "10  Sec"}, {1072, "Normal"}, {1180, "ON"},
                                                 {1119, "0"},   {1130, "OFF"},     {1074, "2024"},   {1076, "17"},
                                                 {1079, "30"},  {1182, "OFF"}};
    for (const auto& [id, item] : shown)
        EXPECT_NE(Entry(dump, id).find("\"item\":\"" + item + "\""), std::string::npos) << Entry(dump, id);
    EXPECT_NE(Entry(dump, 1119).find("\"enabled\":false"), std::string::npos);
    EXPECT_NE(Entry(dump, 1062).find("\"check\":1"), std::string::npos);
    EXPECT_NE(Entry(dump, 1057).find("\"check\":1"), std::string::npos);
    EXPECT_NE(Entry(dump, 1173).find("\"visible\":false"), std::string::npos) << "Manual hides Max Number";
}

TEST_F(Hx720uEndToEnd, CallAndSslTravelThroughTheFile) {
    RunResult r =
        run("click 1080\nclick 1083\nselect 1065 \"Germany\"\ntype 1136 \"  0171 555  \"\nanswer OK\nclick 1\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string file = readFile(cardFile);
    EXPECT_NE(file.find("Send To=2\r\n"), std::string::npos) << file;
    EXPECT_NE(file.find("PhoneNum2=0171 555\r\n"), std::string::npos);
    EXPECT_NE(file.find("SendEmailPassword="), std::string::npos);
    EXPECT_NE(file.find("\r\nSMTP SSL=0\r\n[Receive number and receive email]"), std::string::npos) << file;

    RunResult again = run("dump 1083\ndump 1062\ndump 1136\n");
    EXPECT_NE(dumpLineOf(again, 1083).find("\"check\":1"), std::string::npos);
    EXPECT_NE(dumpLineOf(again, 1062).find("\"check\":0"), std::string::npos);
    EXPECT_NE(dumpLineOf(again, 1136).find("\"text\":\"0171 555\""), std::string::npos);
}
