// SPDX-License-Identifier: Apache-2.0
// The real program in a real X server (Xvfb), driven only by key presses (xdotool), as a person at a
// keyboard would: choose the HX710T-10M, Default, "Others" with an address typed into the editor or
// an operator found in the provider database, Save to the card. Skips where no X server can be started.
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <thread>

#include "support/TestSupport.h"

namespace fs = std::filesystem;
using namespace qvt::test;

namespace {

struct Shell {
    int status = -1;
    std::string out;
};

Shell sh(const std::string& command) {
    Shell result;
    FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
    if (!pipe) return result;
    std::array<char, 512> buffer{};
    while (fgets(buffer.data(), buffer.size(), pipe)) result.out += buffer.data();
    result.status = pclose(pipe);
    return result;
}

// Tab presses from the first field (Language, where the window opens) to the "Select Country" list of
// the HX710T-10M window,
// in the window's focus order (the GUI test FocusChain checks these counts).
constexpr int kTabsFromFirstFieldToCountries = 37;
// Tab presses from the editor's first field (URL) to the first part of its IP address.
constexpr int kTabsFromUrlToIp = 2;

class XServerKeyboard : public ::testing::Test {
protected:
    void SetUp() override {
        if (sh("command -v Xvfb").status != 0 || sh("command -v xdotool").status != 0)
            GTEST_SKIP() << "Xvfb or xdotool is not installed (scripts/setup installs them)";
        // The server picks a free display itself and writes its number to the file.
        const std::string numberFile = (dir_ / "display").string();
        xvfbPid_ = sh("Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3>" + shellQuote(numberFile) +
                      " >/dev/null 2>&1 & echo $!")
                       .out;
        for (int i = 0; i < 100 && !ready(); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            std::string number = readFile(numberFile);
            while (!number.empty() && (number.back() == '\n' || number.back() == ' ')) number.pop_back();
            display_ = number.empty() ? std::string() : ":" + number;
        }
        if (!ready()) GTEST_SKIP() << "the X server " << display_ << " did not start";
    }
    void TearDown() override {
        if (!appPid_.empty()) sh("kill " + appPid_);
        if (!xvfbPid_.empty()) sh("kill " + xvfbPid_);
    }
    bool ready() { return !display_.empty() && sh("DISPLAY=" + display_ + " xdotool getdisplaygeometry").status == 0; }

    std::string x(const std::string& args) { return sh("DISPLAY=" + display_ + " xdotool " + args).out; }

    // Waits for a visible window with exactly this title, gives it the keyboard and returns its id.
    std::string focus(const std::string& title, const std::string& notId = {}) {
        for (int i = 0; i < 100; ++i) {
            std::istringstream ids(x("search --onlyvisible --name " + shellQuote("^" + title + "$")));
            for (std::string id; ids >> id;) {
                if (id == notId) continue;
                x("windowfocus --sync " + id);
                std::this_thread::sleep_for(std::chrono::milliseconds(150));
                return id;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        ADD_FAILURE() << "no window \"" << title << "\"";
        return {};
    }
    void keys(const std::string& names) {
        x("key --delay 40 " + names);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    // Starts the program on this display with a PC and a card in the temporary folder.
    void launch(const std::string& extraArgs = {}, const std::string& extraEnv = {}) {
        fs::create_directories(root_);
        fs::create_directories(card_);
        fs::create_directories(dir_ / "runtime");
        fs::permissions(dir_ / "runtime", fs::perms::owner_all, fs::perm_options::replace);
        appPid_ = sh("env DISPLAY=" + display_ + " QT_QPA_PLATFORM=xcb " + extraEnv + " XDG_RUNTIME_DIR=" +
                     shellQuote((dir_ / "runtime").string()) + " " + shellQuote(QVT_BINARY) + " --system-root " +
                     shellQuote(root_.string()) + " --volume " + shellQuote(card_.string()) + " " + extraArgs + " >" +
                     shellQuote((dir_ / "log").string()) + " 2>&1 & echo $!")
                      .out;
        while (!appPid_.empty() && appPid_.back() == '\n') appPid_.pop_back();
    }
    // Answers a "QVT Tips" box with Enter (its OK) and waits for it to go.
    std::string answerTip(const std::string& previous = {}) {
        const std::string id = focus("QVT Tips", previous);
        keys("Return");
        return id;
    }

    TempDir dir_;
    fs::path root_ = dir_ / "pc";
    fs::path card_ = dir_ / "card";
    std::string display_;
    std::string xvfbPid_;
    std::string appPid_;
};

}  // namespace

TEST_F(XServerKeyboard, ChooseDefaultTypeAnAddressAndSave) {
    launch();

    // The product selection: HX710T-10M is the third of the sorted list; Enter is OK.
    focus("QVT CONFIG");
    keys("Home Down Down Return");
    focus("QVT CONFIG : For HX710T-10M");
    keys("alt+d");
    std::string tabs;
    for (int i = 0; i < kTabsFromFirstFieldToCountries; ++i) tabs += " Tab";
    keys(tabs + " End");  // "Others": the editor, empty, for typed parameters

    focus("WAP / Internet Paramaters");
    tabs.clear();
    for (int i = 0; i < kTabsFromUrlToIp; ++i) tabs += " Tab";
    keys(tabs + " 1 0 period 0 period 0 period 1 Return");
    const std::string confirm = answerTip();  // "Confirm save MMS,GPRS paramaters ?"
    answerTip(confirm);                       // "OK,WAP/Internet Paramaters Have Been Saved !"

    focus("QVT CONFIG : For HX710T-10M");
    keys("alt+y");
    answerTip(answerTip());  // "Confirm save all the data ?", then the message naming the card file
    const fs::path file = card_ / "GSM" / "HX710T.TXT";
    ASSERT_TRUE(fs::exists(file)) << readFile(dir_ / "log");
    const std::string written = readFile(file);
    EXPECT_NE(written.find("\nIP=10.0.0.1\r\n"), std::string::npos) << written;
    EXPECT_NE(written.find("Language=0"), std::string::npos) << "Default's values are saved:\n" << written;
}

// After "Others", OK and its two boxes, the settings window has the keyboard again without being
// given it: its mnemonic Alt+Y saves.
TEST_F(XServerKeyboard, TheKeyboardComesBackToTheWindowAfterTheEditorsBoxes) {
    launch();
    focus("QVT CONFIG");
    keys("Home Down Down Return");
    const std::string settings = focus("QVT CONFIG : For HX710T-10M");
    keys("alt+d");
    std::string tabs;
    for (int i = 0; i < kTabsFromFirstFieldToCountries; ++i) tabs += " Tab";
    keys(tabs + " End");
    focus("WAP / Internet Paramaters");
    keys("Return");  // OK: "Confirm save MMS,GPRS paramaters ?", then "… Have Been Saved !"
    answerTip(answerTip());
    std::string focused;
    for (int i = 0; i < 30 && focused != settings; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        focused = x("getwindowfocus");
        while (!focused.empty() && focused.back() == '\n') focused.pop_back();
    }
    EXPECT_EQ(focused, settings) << "the settings window has the keyboard focus";
    keys("alt+y");  // no focus given: the keys reach the window by themselves
    answerTip(answerTip());
    EXPECT_TRUE(fs::exists(card_ / "GSM" / "HX710T.TXT")) << readFile(dir_ / "log");
}

// At scale 1.5 on a 1366x768 screen the largest settings window opens inside the screen.
TEST_F(XServerKeyboard, AtScaleOneAndAHalfTheWindowOpensInsideTheScreen) {
    launch({}, "QT_SCALE_FACTOR=1.5");
    focus("QVT CONFIG");
    keys("Home Down Down Return");
    const std::string settings = focus("QVT CONFIG : For HX710T-10M");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    std::istringstream shape(x("getwindowgeometry --shell " + settings));
    std::map<std::string, int> at;
    for (std::string line; std::getline(shape, line);)
        if (const auto eq = line.find('='); eq != std::string::npos && line.substr(0, eq) != "WINDOW")
            at[line.substr(0, eq)] = std::stoi(line.substr(eq + 1));
    ASSERT_EQ(at.size(), 5u) << readFile(dir_ / "log");
    SCOPED_TRACE(std::to_string(at["X"]) + "," + std::to_string(at["Y"]) + " " + std::to_string(at["WIDTH"]) + "x" + std::to_string(at["HEIGHT"]));
    EXPECT_GE(at["X"], 0);
    EXPECT_GE(at["Y"], 0);
    EXPECT_LE(at["X"] + at["WIDTH"], 1366);
    EXPECT_LE(at["Y"] + at["HEIGHT"], 768);
    EXPECT_GT(at["WIDTH"], 600);
}

// "Others", then the operator found by keyboard alone: Alt+F, the country's first letter, Alt+O and
// part of the name, Enter.
TEST_F(XServerKeyboard, FindAnOperatorAndSave) {
    launch("--provider-database " + shellQuote(QVT_TEST_DATA_DIR "/providers/valid.xml"));
    focus("QVT CONFIG");
    keys("Home Down Down Return");
    focus("QVT CONFIG : For HX710T-10M");
    keys("alt+d");  // the focus order counted below is the one of a window with values
    std::string tabs;
    for (int i = 0; i < kTabsFromFirstFieldToCountries; ++i) tabs += " Tab";
    keys(tabs + " End");  // "Others"

    focus("WAP / Internet Paramaters");
    keys("alt+f");
    focus("Find Operator");
    keys("k alt+o s a f a r i Return");  // Kenya, Safarinet, its plan

    focus("WAP / Internet Paramaters");
    keys("Return");
    const std::string confirm = answerTip();  // "Confirm save MMS,GPRS paramaters ?"
    answerTip(confirm);                       // "OK,WAP/Internet Paramaters Have Been Saved !"
    focus("QVT CONFIG : For HX710T-10M");
    keys("alt+y");
    answerTip(answerTip());  // "Confirm save all the data ?", then the message naming the card file
    const fs::path file = card_ / "GSM" / "HX710T.TXT";
    ASSERT_TRUE(fs::exists(file)) << readFile(dir_ / "log");
    const std::string written = readFile(file);
    EXPECT_NE(written.find("URL=http://mms.safarinet.example/mms/wapenc\r\nAPN=mms.safarinet\r\n"), std::string::npos)
        << written;
    EXPECT_NE(written.find("GPRSAPN=safarinet\r\nGPRSAccount=saf\r\nGPRSPassword=data\r\n"), std::string::npos)
        << written;
}
