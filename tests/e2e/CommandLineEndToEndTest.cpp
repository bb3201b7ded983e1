// SPDX-License-Identifier: Apache-2.0
// The command line of the real binary: help, version, refusals, and Qt's own options.
#include <gtest/gtest.h>
#include <sys/wait.h>

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
