// SPDX-License-Identifier: Apache-2.0
// Every settings dialog end to end: the real binary, headless, on temporary volumes. The cases all
// dialogs share run over a table of the eight products; each dialog's own cases follow it.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <stdexcept>
#include <utility>

#include "e2e/E2eSupport.h"
#include "support/ProductCases.h"

namespace fs = std::filesystem;
using namespace qvt::test;

namespace {

using Items = std::vector<std::pair<int, std::string>>;

// The shared product row (tests/support), and what only these tests look at.
struct Product : ProductCase {
    std::string (*defaults)(const Product&);  // the file "Default(&D)" and Save give at the test clock
    std::vector<int> absent;                  // controls the dialog does not have
    Items shownAfterDefault;                  // list items on reopening the saved defaults
    std::vector<int> checkedAfterDefault, clearAfterDefault, hiddenAfterDefault, disabledAfterDefault;
    Items textsAfterDefault;
};

void PrintTo(const Product& p, std::ostream* os) {
    *os << p.name;
}

std::string lines(std::initializer_list<const char*> list) {
    std::string bytes;
    for (const char* line : list) bytes += std::string(line) + "\r\n";
    return bytes;
}

// The three sections every file starts with; `smtpSsl`: the file carries "SMTP SSL".
std::string head(const Product& p, bool smtpSsl) {
    return "[QVTFileMark]\r\nModel=" + std::string(p.fileCode) + "\r\n" +
           lines({"[Via WAP Settings]", "URL=", "APN=", "IP=", "Port=", "Account=", "Password=",
                  "[Via Internet Settings]", "GPRSAPN=", "GPRSAccount=", "GPRSPassword=", "SendEmailServer=",
                  "SendEmailPort=", "SendEmailAddr=", "SendEmailPassword="}) +
           (smtpSsl ? "SMTP SSL=\r\n" : "") +
           lines({"[Receive number and receive email]", "AdministratorNum=", "PhoneNum2=", "PhoneNum3=", "PhoneNum4=",
                  "ReceiveEmail1=", "ReceiveEmail2=", "ReceiveEmail3=", "ReceiveEmail4="});
}

std::string hx710tDefaults(const Product&) {
    return readFile(fs::path(QVT_TEST_DATA_DIR) / "hx710t_defaults.txt");
}

std::string hx720uDefaults(const Product& p) {
    return head(p, true) + lines({"[Camera Setting]",    "Send Mode=0",       "Send To=0",        "Max Number=",
                                  "DR Time H=",          "DR Time M=",        "Language=0",       "Camera Mode=0",
                                  "Photo Size=0",        "Photo Burst=0",     "Video Length=1",   "Time Lapse=0",
                                  "PIR Trigger=1",       "PIR Interval=1",    "Clock Year=2024",  "Clock Month=5",
                                  "Clock Day=17",        "Clock Hour=10",     "Clock Minute=20",  "Clock Second=30",
                                  "Video Size=0",        "Game Call=0",       "GameCall Hour=0",  "GameCall Minute=0",
                                  "GameCall PlayTime=0", "Camera Position=0", "SMS Control=1",    "Work Hour=0",
                                  "Work Hour StartH=",   "Work Hour StartM=", "Work Hour StopH=", "Work Hour StopM="});
}

std::string lp300Defaults(const Product& p) {
    return head(p, false) +
           lines({"[Camera Setting]",   "Send To=1",         "Camera Mode=0",    "Photo Size=1",   "Photo Burst=0",
                  "Video Length=5",     "Time Lapse=0",      "PIR Trigger=1",    "PIR Interval=0", "Video Size=0",
                  "Clock Year=2024",    "Clock Month=5",     "Clock Day=17",     "Clock Hour=10",  "Clock Minute=20",
                  "Clock Second=30",    "Work Mode=0",       "Work Day=127",     "Work Hour=0",    "Work Hour StartH=0",
                  "Work Hour StartM=0", "Work Hour StopH=0", "Work Hour StopM=0"});
}

std::string vex2Defaults(const Product& p) {
    return head(p, false) + lines({"[Camera Setting]", "Time Format=0", "PIR Interval=1", "Time Lapse=0",
                                   "PIR Trigger=1", "Clock Year=2024", "Clock Month=5", "Clock Day=17", "Clock Hour=10",
                                   "Clock Minute=20", "Clock Second=30", "Temperature Format=0", "Send To=0"});
}

// The four-model dialog: the HX330 has neither "Video Size" nor "SMTP SSL", the two PN250R/HX330
// have no "SMS Control".
std::string s1Defaults(const Product& p) {
    const std::string code = p.fileCode;
    const bool videoSize = code != "HX330", sms = code == "PN450RT" || code == "HX460T";
    return head(p, videoSize) +
           lines({"[Camera Setting]", "Send Mode=0",  "Send To=0",     "Max Number=10",   "DR Time H=00",
                  "DR Time M=00",     "Language=0",   "Camera Mode=0", "Photo Size=1",    "Photo Burst=0",
                  "Video Length=5",   "Time Lapse=0", "PIR Trigger=1", "PIR Interval=1",  "Clock Year=2024",
                  "Clock Month=5",    "Clock Day=17", "Clock Hour=10", "Clock Minute=20", "Clock Second=30"}) +
           (videoSize ? "Video Size=0\r\n" : "") + (sms ? "SMS Control=0\r\n" : "") +
           lines({"Work Hour=0", "Work Hour StartH=", "Work Hour StartM=", "Work Hour StopH=", "Work Hour StopM="});
}


Product s1Model(const char* name) {
    const bool videoSize = std::string(name) != "HX330", sms = productCase(name).disabled.empty();
    return {productCase(name),
            s1Defaults,
            {},
            {{1067, "Photo"},
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
             {1114, videoSize ? "1280*720" : ""},
             {1180, sms ? "OFF" : ""}},
            {1057, 1062},
            {},
            {1173},
            {1184},
            {{1060, "00"}}};
}

const std::vector<Product>& products() {
    static const std::vector<Product> all = {
        {productCase("HX710T"),
         hx710tDefaults,
         {},
         {{1074, "2024"}, {1076, "17"}, {1072, "Normal"}, {1073, "5  Sec"}},
         {1057, 1121},
         {},
         {1173},
         {},
         {}},
        {productCase("HX720U"),
         hx720uDefaults,
         {1129, 1121, 1063, 1030},
         {{1068, "5 M"},
          {1070, "10  Sec"},
          {1072, "Normal"},
          {1180, "ON"},
          {1119, "0"},
          {1130, "OFF"},
          {1074, "2024"},
          {1076, "17"},
          {1079, "30"},
          {1182, "OFF"}},
         {1062, 1057},
         {},
         {1173},
         {1119},
         {}},
        {productCase("LP300"),
         lp300Defaults,
         {1030, 1057, 1063},
         {{1068, "5M"}, {1070, "10 Sec"}, {1073, "0  Sec"}, {1129, "Indoor"}, {1074, "2024"}, {1145, "00"}},
         {1062, 1121},
         {1055, 1083},
         {},
         {1145, 1148},
         {}},
        {productCase("VEX2"),
         vex2Defaults,
         {},
         {{1192, "12H"},
          {1073, "5  Sec"},
          {1071, "OFF"},
          {1072, "Normal"},
          {1074, "2024"},
          {1075, "5"},
          {1076, "17"},
          {1077, "10"},
          {1078, "20"},
          {1079, "30"}},
         {1063, 1194},
         {1065, 1193, 1191},
         {},
         {},
         {}},
        s1Model("PN250R"),
        s1Model("HX330"),
        s1Model("PN450RT"),
        s1Model("HX460T"),
    };
    return all;
}

const Product& product(const std::string& name) {
    for (const Product& p : products())
        if (p.name == name) return p;
    throw std::invalid_argument(name);
}

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// A PC with one card, and the dialog of one product opened on it.
class ProductEndToEnd : public ::testing::Test, protected PcWithCard {
protected:
    fs::path cardFile(const Product& p) const { return card / "GSM" / (std::string(p.fileCode) + ".TXT"); }
    fs::path backupFile(const Product& p) const { return root / "LumbrakonBackup" / (std::string(p.fileCode) + ".TXT"); }
    static std::string title(const Product& p) { return "QVT CONFIG : For " + std::string(p.displayName); }
    RunResult run(const Product& p, const std::string& script) {
        return runScript(root, {card}, "select 1131 " + quoted(p.displayName) + "\nclick 1\n" + script);
    }
};

class SettingsDialogEndToEnd : public ProductEndToEnd, public ::testing::WithParamInterface<Product> {
protected:
    const Product& p() const { return GetParam(); }
    fs::path cardFile() const { return ProductEndToEnd::cardFile(p()); }
    fs::path backupFile() const { return ProductEndToEnd::backupFile(p()); }
    RunResult run(const std::string& script) { return ProductEndToEnd::run(p(), script); }
    std::string savedReport() const { return p().savedIn + std::string("\\\" ") + cardFile().string() + " \\\" !"; }
};

std::string field(const std::string& name, const std::string& value) {
    return quoted(name) + ":" + quoted(value);
}

}  // namespace

TEST_P(SettingsDialogEndToEnd, OpensOnAnEmptyVolumeWithBlankControlsAndTheCardChosen) {
    RunResult r = run("dump\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_FALSE(findLine(r, {R"({"event":"open","dialog":)" + quoted(title(p())) + "}"}).empty()) << r.out();
    const std::string dump = findLine(r, {"\"controls\""});
    EXPECT_NE(controlEntry(dump, p().pathList).find(field("item", cardFile().string())), std::string::npos)
        << controlEntry(dump, p().pathList);
    for (int id : p().blankOnOpen)
        EXPECT_NE(controlEntry(dump, id).find("\"sel\":-1"), std::string::npos) << controlEntry(dump, id);
    for (int id : p().clearOnOpen)
        EXPECT_NE(controlEntry(dump, id).find("\"check\":0"), std::string::npos) << controlEntry(dump, id);
    for (int id : p().absent) EXPECT_EQ(controlEntry(dump, id), "<missing>") << id;
    for (int id : {1114, 1176, 1180, 1181}) {
        if (controlEntry(dump, id) == "<missing>") continue;
        const bool lacking = std::find(p().disabled.begin(), p().disabled.end(), id) != p().disabled.end();
        EXPECT_NE(controlEntry(dump, id).find(lacking ? "\"enabled\":false" : "\"enabled\":true"), std::string::npos)
            << controlEntry(dump, id);
    }
    for (const auto& [id, text] : p().textsOnOpen)
        EXPECT_NE(controlEntry(dump, id).find(field("text", text)), std::string::npos) << controlEntry(dump, id);
    EXPECT_TRUE(fs::is_directory(card / "GSM"));
    EXPECT_FALSE(fs::exists(cardFile()));
}

TEST_P(SettingsDialogEndToEnd, DefaultThenSaveWritesCardAndBackupAndReopeningShowsTheValues) {
    RunResult r = run("click " + std::to_string(p().defaultButton) + "\nanswer OK\nclick 1\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_FALSE(findLine(r, {field("text", p().confirm), "\"icon\":\"question\""}).empty()) << r.out();
    EXPECT_FALSE(findLine(r, {"\"text\":\"" + savedReport() + "\"", "\"icon\":\"information\""}).empty()) << r.out();
    const std::string expected = p().defaults(p());
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(readFile(cardFile()), expected);
    EXPECT_EQ(readFile(backupFile()), expected);

    RunResult again = run("dump\n");
    ASSERT_EQ(again.exitCode, 0) << again.err;
    EXPECT_TRUE(findLine(again, {"\"event\":\"message\""}).empty()) << again.out();
    const std::string dump = findLine(again, {"\"controls\""});
    const auto expect = [&](const std::vector<int>& ids, const std::string& fragment) {
        for (int id : ids)
            EXPECT_NE(controlEntry(dump, id).find(fragment), std::string::npos) << controlEntry(dump, id);
    };
    for (const auto& [id, item] : p().shownAfterDefault) expect({id}, field("item", item));
    for (const auto& [id, text] : p().textsAfterDefault) expect({id}, field("text", text));
    expect(p().checkedAfterDefault, "\"check\":1");
    expect(p().clearAfterDefault, "\"check\":0");
    expect(p().hiddenAfterDefault, "\"visible\":false");  // "Manual" hides Max Number
    expect(p().disabledAfterDefault, "\"enabled\":false");
}

TEST_P(SettingsDialogEndToEnd, CancelledConfirmationWritesNothing) {
    RunResult r = run("click " + std::to_string(p().defaultButton) + "\nanswer Cancel\nkey Enter\nclick 2\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_FALSE(findLine(r, {field("text", p().confirm)}).empty()) << r.out();
    EXPECT_FALSE(fs::exists(cardFile()));
    EXPECT_FALSE(fs::exists(backupFile()));
    EXPECT_TRUE(findLine(r, {p().savedIn}).empty());
    EXPECT_FALSE(findLine(r, {R"({"event":"close","dialog":)" + quoted(title(p())) + R"(,"result":"cancel"})"}).empty())
        << r.out();
}

INSTANTIATE_TEST_SUITE_P(Products, SettingsDialogEndToEnd, ::testing::ValuesIn(products()),
                         [](const ::testing::TestParamInfo<Product>& row) { return std::string(row.param.name); });

// ---- the four-model dialog ----------------------------------------------------------------------

class S1ModelEndToEnd : public SettingsDialogEndToEnd {};

TEST_P(S1ModelEndToEnd, ASettingTheModelLacksCannotBeChosen) {
    RunResult r = run("select 1180 \"ON\"\nanswer OK\nclick 1\n");
    if (p().disabled.empty()) {
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_NE(readFile(cardFile()).find("SMS Control=1\r\n"), std::string::npos);
    } else {
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_NE(r.err.find("disabled"), std::string::npos) << r.err;
        EXPECT_FALSE(fs::exists(cardFile()));
    }
}

INSTANTIATE_TEST_SUITE_P(FourModels, S1ModelEndToEnd,
                         ::testing::Values(product("PN250R"), product("HX330"), product("PN450RT"), product("HX460T")),
                         [](const ::testing::TestParamInfo<Product>& row) { return std::string(row.param.name); });

TEST_F(ProductEndToEnd, EachFourModelProductKeepsToItsOwnFileOnACardTheyShare) {
    const char* const models[] = {"PN250R", "HX330", "PN450RT", "HX460T"};
    for (const char* code : models) {
        RunResult r = run(product(code), "click 1003\ntype 1134 \"" + std::string(code) + "  \"\nanswer OK\nclick 1\n");
        ASSERT_EQ(r.exitCode, 0) << r.err;
    }
    for (const char* code : models) {
        const std::string file = readFile(cardFile(product(code)));
        EXPECT_NE(file.find("Model=" + std::string(code) + "\r\n"), std::string::npos) << code;
        EXPECT_NE(file.find("AdministratorNum=" + std::string(code) + "\r\n"), std::string::npos)
            << "trailing blanks are dropped: " << file;
    }
}

// ---- HX710T-10M ---------------------------------------------------------------------------------

TEST_F(ProductEndToEnd, Hx710tPathListOffersTheCardAndThePc) {
    RunResult r = run(product("HX710T"), "dump 1030\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string cardText = (card / "GSM" / "HX710T.TXT").string();
    const std::string rootText = (root / "GSM" / "HX710T.TXT").string();
    EXPECT_NE(dumpLineOf(r, 1030).find("\"items\":[" + quoted(cardText) + "," + quoted(rootText) + "]"),
              std::string::npos)
        << dumpLineOf(r, 1030);
}

TEST_F(ProductEndToEnd, Hx710tAHundredCharacterValueSurvivesTheRoundTrip) {
    const Product& hx710t = product("HX710T");
    const std::string longText(100, '7');
    RunResult r = run(hx710t, "type 1134 \"" + longText + "x\"\nanswer OK\nclick 1\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(readFile(cardFile(hx710t)).find("AdministratorNum=" + longText + "\r\n"), std::string::npos);
    RunResult again = run(hx710t, "dump 1134\n");
    EXPECT_NE(dumpLineOf(again, 1134).find("\"text\":\"" + longText + "\""), std::string::npos);
}

TEST_F(ProductEndToEnd, Hx710tAnOversizedCardFileIsNotLoaded) {
    std::string big = "[QVTFileMark]\r\nModel=HX710T\r\n[Camera Setting]\r\nLanguage=3\r\n";
    big += "[Padding]\r\n" + std::string(1 << 20, ';') + "\r\n";
    writeFile(cardFile(product("HX710T")), big);
    RunResult r = run(product("HX710T"), "dump 1081\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(dumpLineOf(r, 1081).find("\"sel\":-1"), std::string::npos) << "the file is not read";
}

TEST_F(ProductEndToEnd, Hx710tCountryAndOperatorChoiceReachesTheFile) {
    RunResult r = run(product("HX710T"), "select 1065 \"Germany\"\ndump 1066\nstate\nanswer OK\nclick 1\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(
        dumpLineOf(r, 1066).find(
            R"("sel":0,"item":"Bild-Vodafone","count":6,"enabled":true,"visible":true,"items":["Bild-Vodafone","E-plus","Germany-02","T-mobile","Vodafone","Others"])"),
        std::string::npos)
        << dumpLineOf(r, 1066);
    const std::string state = findLine(r, {"\"event\":\"state\""});
    EXPECT_NE(state.find(R"("countryName":"Germany","operatorName":"Bild-Vodafone")"), std::string::npos) << state;
    EXPECT_NE(state.find(R"("smtpSsl":"0")"), std::string::npos);
    const std::string file = readFile(cardFile(product("HX710T")));
    EXPECT_NE(file.find("[Via WAP Settings]\r\nURL=http://139.7.24.1/servlets/mms\r\nAPN=event.vodafone.de\r\n"),
              std::string::npos)
        << file;
    EXPECT_NE(file.find("[Via Internet Settings]\r\nGPRSAPN=web.vodafone.de\r\n"), std::string::npos);
    EXPECT_EQ(file.find("SMTP SSL"), std::string::npos);
}

TEST_F(ProductEndToEnd, Hx710tOthersConfirmedGivesUserDefinedParameters) {
    RunResult r = run(product("HX710T"),
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
    EXPECT_NE(state.find(R"("URL":"http://mms.example/x","APN":"","IP":"10.1.2.3","Port":"0808")"), std::string::npos)
        << state;
}

TEST_F(ProductEndToEnd, Hx710tOthersCancelledRestoresThePreviousChoice) {
    RunResult r = run(product("HX710T"),
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

// ---- HX720U, LP300 Series, VEX 2.0 --------------------------------------------------------------

TEST_F(ProductEndToEnd, Hx720uCallAndSslTravelThroughTheFile) {
    const Product& hx720u = product("HX720U");
    RunResult r = run(
        hx720u, "click 1080\nclick 1083\nselect 1065 \"Germany\"\ntype 1136 \"  0171 555  \"\nanswer OK\nclick 1\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string file = readFile(cardFile(hx720u));
    EXPECT_NE(file.find("Send To=2\r\n"), std::string::npos) << file;
    EXPECT_NE(file.find("PhoneNum2=0171 555\r\n"), std::string::npos);
    EXPECT_NE(file.find("SendEmailPassword="), std::string::npos);
    EXPECT_NE(file.find("\r\nSMTP SSL=0\r\n[Receive number and receive email]"), std::string::npos) << file;

    RunResult again = run(hx720u, "dump 1083\ndump 1062\ndump 1136\n");
    EXPECT_NE(dumpLineOf(again, 1083).find("\"check\":1"), std::string::npos);
    EXPECT_NE(dumpLineOf(again, 1062).find("\"check\":0"), std::string::npos);
    EXPECT_NE(dumpLineOf(again, 1136).find("\"text\":\"0171 555\""), std::string::npos);
}

TEST_F(ProductEndToEnd, Lp300CallChosenAfterDefaultReachesTheFileAndComesBack) {
    const Product& lp300 = product("LP300");
    RunResult r = run(lp300, "click 1080\nclick 1083\nanswer OK\nclick 1\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string file = readFile(cardFile(lp300));
    EXPECT_EQ(file, readFile(backupFile(lp300)));
    EXPECT_NE(file.find("[Camera Setting]\r\nSend To=3\r\nCamera Mode=0\r\nPhoto Size=1\r\n"), std::string::npos)
        << file;

    RunResult again = run(lp300, "dump 1070\ndump 1083\ndump 1148\n");
    ASSERT_EQ(again.exitCode, 0) << again.err;
    EXPECT_NE(dumpLineOf(again, 1070).find("\"item\":\"10 Sec\""), std::string::npos);
    EXPECT_NE(dumpLineOf(again, 1083).find("\"check\":1"), std::string::npos);
    EXPECT_NE(dumpLineOf(again, 1148).find("\"enabled\":false"), std::string::npos) << dumpLineOf(again, 1148);
}

TEST_F(ProductEndToEnd, Vex2ChosenRadiosAndTextsReachTheFileAndComeBack) {
    const Product& vex2 = product("VEX2");
    RunResult r = run(vex2,
                      "click 1080\n"
                      "click 1065\n"
                      "click 1191\n"
                      "select 1192 \"24H\"\n"
                      "type 1136 \"  0171 555  \"\n"
                      "answer OK\n"
                      "click 1\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string file = readFile(cardFile(vex2));
    EXPECT_NE(file.find("PhoneNum2=0171 555\r\n"), std::string::npos) << file;
    EXPECT_NE(file.find("[Camera Setting]\r\nTime Format=1\r\n"), std::string::npos) << file;
    EXPECT_NE(file.find("Temperature Format=1\r\nSend To=2\r\n"), std::string::npos) << file;
    EXPECT_EQ(readFile(backupFile(vex2)), file);

    RunResult again = run(vex2, "dump\n");
    const std::string dump = findLine(again, {"\"controls\""});
    EXPECT_NE(controlEntry(dump, 1065).find("\"check\":1"), std::string::npos) << controlEntry(dump, 1065);
    EXPECT_NE(controlEntry(dump, 1063).find("\"check\":0"), std::string::npos);
    EXPECT_NE(controlEntry(dump, 1191).find("\"check\":1"), std::string::npos);
    EXPECT_NE(controlEntry(dump, 1136).find("\"text\":\"0171 555\""), std::string::npos) << controlEntry(dump, 1136);
}
