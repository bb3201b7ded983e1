// SPDX-License-Identifier: Apache-2.0
// PN250R-8MHD, HX330, PN450RT-8MHD and HX460T-8MHD end to end: the real binary, headless, on
// temporary volumes, one run of every case per model.
#include <gtest/gtest.h>

#include <ostream>
#include <utility>

#include "e2e/E2eSupport.h"

namespace fs = std::filesystem;
using namespace qvt::test;

namespace {

struct Model {
    const char* displayName;
    const char* code;
    bool videoSize;  // the model has "Video Size"
    bool sms;        // the model has "SMS Control"
    bool smtpSsl;    // its file carries "SMTP SSL"
};

void PrintTo(const Model& m, std::ostream* os) {
    *os << m.code;
}

const Model kModels[] = {
    {"PN250R-8MHD", "PN250R", true, false, true},
    {"HX330", "HX330", false, false, false},
    {"PN450RT-8MHD", "PN450RT", true, true, true},
    {"HX460T-8MHD", "HX460T", true, true, true},
};

std::string joinLines(const std::vector<std::pair<std::string, std::string>>& lines) {
    std::string out;
    for (const auto& [key, value] : lines) out += key.front() == '[' ? key + "\r\n" : key + "=" + value + "\r\n";
    return out;
}

// The file that "Default(&D)" and "Save(&Y)" give on a fresh PC at 2024-05-17 10:20:30.
std::string defaultFile(const Model& m) {
    std::string file = joinLines({{"[QVTFileMark]", ""},
                              {"Model", m.code},
                              {"[Via WAP Settings]", ""},
                              {"URL", ""},
                              {"APN", ""},
                              {"IP", ""},
                              {"Port", ""},
                              {"Account", ""},
                              {"Password", ""},
                              {"[Via Internet Settings]", ""},
                              {"GPRSAPN", ""},
                              {"GPRSAccount", ""},
                              {"GPRSPassword", ""},
                              {"SendEmailServer", ""},
                              {"SendEmailPort", ""},
                              {"SendEmailAddr", ""},
                              {"SendEmailPassword", ""}});
    if (m.smtpSsl) file += "SMTP SSL=\r\n";
    file += joinLines({{"[Receive number and receive email]", ""},
                   {"AdministratorNum", ""},
                   {"PhoneNum2", ""},
                   {"PhoneNum3", ""},
                   {"PhoneNum4", ""},
                   {"ReceiveEmail1", ""},
                   {"ReceiveEmail2", ""},
                   {"ReceiveEmail3", ""},
                   {"ReceiveEmail4", ""},
                   {"[Camera Setting]", ""},
                   {"Send Mode", "0"},
                   {"Send To", "0"},
                   {"Max Number", "10"},
                   {"DR Time H", "00"},
                   {"DR Time M", "00"},
                   {"Language", "0"},
                   {"Camera Mode", "0"},
                   {"Photo Size", "1"},
                   {"Photo Burst", "0"},
                   {"Video Length", "5"},
                   {"Time Lapse", "0"},
                   {"PIR Trigger", "1"},
                   {"PIR Interval", "1"},
                   {"Clock Year", "2024"},
                   {"Clock Month", "5"},
                   {"Clock Day", "17"},
                   {"Clock Hour", "10"},
                   {"Clock Minute", "20"},
                   {"Clock Second", "30"}});
    if (m.videoSize) file += "Video Size=0\r\n";
    if (m.sms) file += "SMS Control=0\r\n";
    file += joinLines({{"Work Hour", "0"},
                   {"Work Hour StartH", ""},
                   {"Work Hour StartM", ""},
                   {"Work Hour StopH", ""},
                   {"Work Hour StopM", ""}});
    return file;
}

// One control's entry of a whole-dialog dump.
std::string Entry(const std::string& dump, int id) {
    const std::string key = "\"" + std::to_string(id) + "\":{";
    const auto at = dump.find(key);
    if (at == std::string::npos) return "<missing>";
    return dump.substr(at, dump.find('}', at) - at + 1);
}

class S1EndToEnd : public ::testing::TestWithParam<Model> {
protected:
    TempDir dir;
    fs::path root = dir / "pc";
    fs::path card = dir / "card";

    void SetUp() override {
        fs::create_directories(root);
        fs::create_directories(card);
    }
    const Model& model() const { return GetParam(); }
    fs::path cardFile() const { return card / "GSM" / (std::string(model().code) + ".TXT"); }
    fs::path backupFile() const { return root / "LumbrakonBackup" / (std::string(model().code) + ".TXT"); }
    RunResult run(const std::string& script) {
        return runScript(root, {card}, "select 1131 \"" + std::string(model().displayName) + "\"\nclick 1\n" + script);
    }
};

}  // namespace

TEST_P(S1EndToEnd, OpensWithItsTitleBlankListsAndItsDisabledControls) {
    RunResult r = run("dump\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string title = "QVT CONFIG : For " + std::string(model().displayName);
    EXPECT_FALSE(findLine(r, {R"({"event":"open","dialog":")" + title + "\"}"}).empty()) << r.out();
    const std::string dump = findLine(r, {"\"controls\""});
    for (int id : {1067, 1068, 1069, 1070, 1081, 1073, 1071, 1169, 1114, 1180, 1183, 1074, 1075, 1076, 1000, 1004})
        EXPECT_NE(Entry(dump, id).find("\"sel\":-1"), std::string::npos) << Entry(dump, id);
    for (int id : {1057, 1056, 1055, 1058, 1062, 1063, 1064})
        EXPECT_NE(Entry(dump, id).find("\"check\":0"), std::string::npos) << Entry(dump, id);
    for (int id : {1114, 1176})
        EXPECT_NE(Entry(dump, id).find(model().videoSize ? "\"enabled\":true" : "\"enabled\":false"), std::string::npos)
            << Entry(dump, id);
    for (int id : {1180, 1181})
        EXPECT_NE(Entry(dump, id).find(model().sms ? "\"enabled\":true" : "\"enabled\":false"), std::string::npos)
            << Entry(dump, id);
    EXPECT_NE(Entry(dump, 1152).find("\"item\":\"" + cardFile().string() + "\""), std::string::npos)
        << Entry(dump, 1152);
}

TEST_P(S1EndToEnd, DefaultThenSaveWritesTheModelsFileAndReopeningShowsIt) {
    RunResult r = run("click 1003\nanswer OK\nclick 1\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_FALSE(findLine(r, {"\"text\":\"Confirm save all the data ?\"", "\"icon\":\"question\""}).empty());
    EXPECT_FALSE(findLine(r, {"\"text\":\"Ok , All Data Has Been Saved In : \\\" " + cardFile().string() + " \\\" !\"",
                              "\"icon\":\"information\""})
                     .empty())
        << r.out();
    EXPECT_EQ(readFile(cardFile()), defaultFile(model()));
    EXPECT_EQ(readFile(backupFile()), readFile(cardFile()));

    RunResult again = run("dump\n");
    ASSERT_EQ(again.exitCode, 0) << again.err;
    const std::string dump = findLine(again, {"\"controls\""});
    const std::pair<int, const char*> shown[] = {{1067, "Photo"},
                                                 {1068, "8M"},
                                                 {1070, "10 Sec"},
                                                 {1073, " 5 Sec"},
                                                 {1169, "Normal"},
                                                 {1071, "OFF"},
                                                 {1074, "2024"},
                                                 {1075, "05"},
                                                 {1076, "17"},
                                                 {1077, "10"},
                                                 {1173, "10"},
                                                 {1183, "OFF"},
                                                 {1184, ""},
                                                 {1114, model().videoSize ? "1280*720" : ""},
                                                 {1180, model().sms ? "OFF" : ""}};
    for (const auto& [id, item] : shown)
        EXPECT_NE(Entry(dump, id).find("\"item\":\"" + std::string(item) + "\""), std::string::npos) << Entry(dump, id);
    EXPECT_NE(Entry(dump, 1057).find("\"check\":1"), std::string::npos);
    EXPECT_NE(Entry(dump, 1062).find("\"check\":1"), std::string::npos);
    EXPECT_NE(Entry(dump, 1173).find("\"visible\":false"), std::string::npos) << "Manual hides Max Number";
    EXPECT_NE(Entry(dump, 1184).find("\"enabled\":false"), std::string::npos) << "Work Hour OFF";
    EXPECT_NE(Entry(dump, 1060).find("\"text\":\"00\""), std::string::npos) << Entry(dump, 1060);
}

TEST_P(S1EndToEnd, ASettingTheModelLacksCannotBeChosen) {
    RunResult r = run("select 1180 \"ON\"\nanswer OK\nclick 1\n");
    if (model().sms) {
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_NE(readFile(cardFile()).find("SMS Control=1\r\n"), std::string::npos);
    } else {
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_NE(r.err.find("disabled"), std::string::npos) << r.err;
        EXPECT_FALSE(fs::exists(cardFile()));
    }
}

INSTANTIATE_TEST_SUITE_P(FourModels, S1EndToEnd, ::testing::ValuesIn(kModels),
                         [](const ::testing::TestParamInfo<Model>& test) { return std::string(test.param.code); });

TEST(S1EndToEndFiles, EachModelKeepsToItsOwnFileOnACardTheyShare) {
    TempDir dir;
    const fs::path root = dir / "pc";
    const fs::path card = dir / "card";
    fs::create_directories(root);
    fs::create_directories(card);
    for (const Model& m : kModels) {
        RunResult r = runScript(root, {card},
                                "select 1131 \"" + std::string(m.displayName) +
                                    "\"\nclick 1\nclick 1003\ntype 1134 \"" + m.code + "  \"\nanswer OK\nclick 1\n");
        ASSERT_EQ(r.exitCode, 0) << r.err;
    }
    for (const Model& m : kModels) {
        const std::string file = readFile(card / "GSM" / (std::string(m.code) + ".TXT"));
        EXPECT_NE(file.find("Model=" + std::string(m.code) + "\r\n"), std::string::npos) << m.code;
        EXPECT_NE(file.find("AdministratorNum=" + std::string(m.code) + "\r\n"), std::string::npos)
            << "trailing blanks are dropped: " << file;
    }
}
