// SPDX-License-Identifier: Apache-2.0
// The command line of the real binary: help, version, refusals, and Qt's own options.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <algorithm>
#include <cstdlib>

#include "QvtVersion.h"
#include "e2e/E2eSupport.h"

using namespace qvt::test;

namespace {

const char* const kSaveScript =
    "select 1131 \"HX710T-10M\"\n"
    "click 1\n"
    "click 1080\n"
    "answer OK\n"
    "click 1\n";

}  // namespace

TEST(CommandLineEndToEnd, HelpDescribesEveryOptionWithASentence) {
    RunResult r = runBinary({"--help"}, "");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "");
    const std::string out = r.out();
    for (const char* option :
         {"--help", "--version", "--system-root", "--volume", "--now", "--ffmpeg", "--provider-database", "--script"}) {
        // The option's line, then its description: indented, ending with a full stop.
        auto at = std::find_if(r.lines.begin(), r.lines.end(), [&](const std::string& l) {
            return l.rfind("  -", 0) == 0 && l.find(option) != std::string::npos;
        });
        ASSERT_NE(at, r.lines.end()) << option;
        std::string description;
        for (auto it = at + 1; it != r.lines.end() && it->rfind("      ", 0) == 0; ++it) description += *it;
        EXPECT_FALSE(description.empty()) << option;
        EXPECT_EQ(description.back(), '.') << option;
    }
    EXPECT_NE(out.find("-platform"), std::string::npos);
}

TEST(CommandLineEndToEnd, VersionIsTheProjectVersion) {
    for (const char* flag : {"--version", "-v"}) {
        RunResult r = runBinary({flag}, "");
        EXPECT_EQ(r.exitCode, 0) << flag;
        EXPECT_EQ(r.out(), std::string("qvt-config ") + QVT_VERSION + "\n") << flag;
    }
}

TEST(CommandLineEndToEnd, UnknownOptionExitsWithTwoAndOneLine) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--frobnicate"}, {"-platform", "offscreen", "--frobnicate", "--script", "-"}}) {
        RunResult r = runBinary(args, kSaveScript);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.err, "qvt-config: unknown option --frobnicate\n");
        EXPECT_TRUE(r.lines.empty()) << "nothing ran";
    }
}

TEST(CommandLineEndToEnd, QtOptionsLeaveAHeadlessRunUnchanged) {
    TempDir plainPc, plainCard, qtPc, qtCard, io;
    RunResult plain = runScript(plainPc.path(), {plainCard.path()}, kSaveScript);
    writeFile(io / "save.txt", kSaveScript);
    RunResult withQt = runBinary(
        {"-platform", "offscreen", "-style", "fusion", "-session", "1a2b", "--system-root", qtPc.path().string(),
         "--volume", qtCard.path().string(), "--now", "2024-05-17 10:20:30", "--script", (io / "save.txt").string()},
        "");
    ASSERT_EQ(plain.exitCode, 0) << plain.err;
    ASSERT_EQ(withQt.exitCode, 0) << withQt.err;
    EXPECT_EQ(withQt.err, "");
    ASSERT_EQ(withQt.lines.size(), plain.lines.size());
    EXPECT_EQ(countLines(withQt, {"All data has been saved"}), 1);
    const std::string settings = readFile(qtCard / "GSM/HX710T.TXT");
    EXPECT_FALSE(settings.empty());
    EXPECT_EQ(settings, readFile(plainCard / "GSM/HX710T.TXT"));
}

#ifndef _WIN32  // timeout(1) and a shell
TEST(CommandLineEndToEnd, WindowedRunAcceptsQtOptions) {
    // Without --script the program waits in its first window: still running after a moment means
    // it took the options (a refusal exits at once with status 2).
    TempDir pc, card;
    const std::string cmd = std::string("timeout 3 ") + QVT_BINARY +
                            " -platform offscreen -style fusion -session 1a2b -reverse --system-root '" +
                            pc.path().string() + "' --volume '" + card.path().string() + "' >/dev/null 2>&1";
    const int status = std::system(cmd.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 124) << "timeout ends a program that is still running with 124";
}
#endif

#if !defined(_WIN32) && !defined(__APPLE__)
TEST(CommandLineEndToEnd, WindowedRunWithoutADisplaySaysSoAndExitsWithTwo) {
    // The environment of a login without a window system: no display of either kind. Where the
    // window system plugin needs one, the program says so in one line instead of Qt's abort; a
    // plugin that needs none (offscreen), from the command line or the environment, still starts.
    TempDir pc, card, io;
    const struct {
        const char* env;   // added to the bare environment
        const char* args;  // Qt's options
        int status;        // 124: still running when timeout(1) ended it
    } cases[] = {
        {"", "", 2},
        {"QT_QPA_PLATFORM=xcb", "", 2},
        {"QT_QPA_PLATFORM='wayland;xcb'", "", 2},
        {"", "-platform xcb", 2},
        {"", "-platform offscreen", 124},
        {"QT_QPA_PLATFORM=offscreen", "", 124},
        {"QT_QPA_PLATFORM=xcb", "-platform offscreen", 124},
    };
    for (const auto& c : cases) {
        const std::string cmd = std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ") + c.env +
                                " timeout 3 " + QVT_BINARY + " " + c.args + " --system-root '" + pc.path().string() +
                                "' --volume '" + card.path().string() + "' >/dev/null 2>'" + (io / "err").string() + "'";
        const int status = std::system(cmd.c_str());
        ASSERT_TRUE(WIFEXITED(status)) << cmd;
        EXPECT_EQ(WEXITSTATUS(status), c.status) << cmd;
        if (c.status == 2) {
            EXPECT_EQ(readFile(io / "err"),
                      "qvt-config: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); --script FILE runs "
                      "the program headless without one.\n")
                << cmd;
        }
    }
    // A headless run needs no display at all.
    const std::string headless = std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ") + QVT_BINARY +
                                 " --system-root '" + pc.path().string() + "' --volume '" + card.path().string() +
                                 "' --script - </dev/null >/dev/null 2>&1";
    const int status = std::system(headless.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}
#endif
