// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <sstream>

#include "app/CommandLine.h"

using namespace qvt::app;

namespace {

struct Refusal {
    std::vector<std::string> args;
    std::string error;
};

}  // namespace

TEST(CommandLine, QtOwnOptionsAreAcceptedAndIgnored) {
    std::string error;
    auto cl = parseCommandLine({"-platform", "offscreen", "-style", "fusion", "-session", "1a2b", "-reverse",
                                "-qwindowtitle", "T", "--script", "-", "-stylesheet=a.qss"},
                               error);
    ASSERT_TRUE(cl) << error;
    EXPECT_EQ(*cl->script, "-");
    EXPECT_TRUE(cl->volumes.empty());
    EXPECT_FALSE(wantsWindows(*cl));
}

TEST(CommandLine, HelpVersionAndScriptNeedNoWindows) {
    std::string error;
    for (const auto& args : std::vector<std::vector<std::string>>{{"--help"}, {"-h"}, {"--version"}, {"-v"}}) {
        auto cl = parseCommandLine(args, error);
        ASSERT_TRUE(cl) << args[0];
        EXPECT_FALSE(wantsWindows(*cl)) << args[0];
    }
    EXPECT_TRUE(parseCommandLine({"--version"}, error)->version);
    EXPECT_TRUE(parseCommandLine({"-h"}, error)->help);
    auto windowed = parseCommandLine({"-platform", "xcb", "--volume", "/media/card"}, error);
    ASSERT_TRUE(windowed);
    EXPECT_TRUE(wantsWindows(*windowed));
}

TEST(CommandLine, RefusalsNameTheArgumentInOneLine) {
    const std::vector<Refusal> cases{
        {{"--frobnicate"}, "unknown option --frobnicate"},
        {{"--volume", "/a", "-x"}, "unknown option -x"},
        {{"--bogus=1"}, "unknown option --bogus"},
        {{"--script"}, "--script needs a value"},
        {{"--provider-database"}, "--provider-database needs a value"},
        {{"--now", "2024-01-01 00:00:00", "--system-root"}, "--system-root needs a value"},
        {{"extra"}, "unexpected argument extra"},
        {{"--now", "yesterday"}, "--now expects \"YYYY-MM-DD HH:MM:SS\""},
    };
    for (const Refusal& c : cases) {
        std::string error;
        EXPECT_FALSE(parseCommandLine(c.args, error)) << c.args[0];
        EXPECT_EQ(error, c.error);
    }
}

TEST(CommandLine, ValuesKeepTheirBytesAndEqualsFormWorks) {
    std::string error;
    const std::string latin1Path = "/media/caf\xe9 card";  // not UTF-8
    auto cl = parseCommandLine({"--volume", latin1Path, "--system-root=/pc", "--ffmpeg", "/opt/ff mpeg", "--volume=/b",
                                "--provider-database", "/opt/caf\xe9.xml", "--script", "-platform"},
                               error);
    ASSERT_TRUE(cl) << error;
    ASSERT_EQ(cl->volumes.size(), 2u);
    EXPECT_EQ(cl->volumes[0].string(), latin1Path);
    EXPECT_EQ(cl->volumes[1].string(), "/b");
    EXPECT_EQ(cl->systemRoot->string(), "/pc");
    EXPECT_EQ(cl->ffmpeg, "/opt/ff mpeg");
    EXPECT_EQ(cl->providerDatabase->string(), "/opt/caf\xe9.xml");
    EXPECT_EQ(*cl->script, "-platform") << "a value is taken as written, even when it looks like an option";
}

TEST(CommandLine, HelpDescribesEveryOptionInShortLines) {
    const std::string help = helpText();
    for (const char* option :
         {"--help", "--version", "--system-root DIR", "--volume DIR", "--now \"YYYY-MM-DD", "--ffmpeg PATH",
          "--provider-database FILE", "--script FILE|-", "-platform", "-style", "-session"})
        EXPECT_NE(help.find(option), std::string::npos) << option;
    std::istringstream lines(help);
    for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 80u) << line;
    EXPECT_EQ(versionText().rfind("qvt-config ", 0), 0u);
}

TEST(CommandLine, OptionsAreParsedAndBadOnesRefused) {
    std::string error;
    auto cl = parseCommandLine({"--system-root", "/r", "--volume", "/a", "--volume", "/b", "--now",
                                "2024-02-29 23:59:58", "--ffmpeg", "/usr/bin/ffmpeg", "--script", "-"},
                               error);
    ASSERT_TRUE(cl) << error;
    EXPECT_EQ(cl->volumes.size(), 2u);
    EXPECT_EQ(cl->now->day, 29);
    EXPECT_EQ(cl->now->second, 58);
    EXPECT_EQ(*cl->script, "-");

    EXPECT_FALSE(parseCommandLine({"--volume"}, error));
    EXPECT_FALSE(parseCommandLine({"--now", "2024-2-29 23:59:58"}, error));
    EXPECT_FALSE(parseCommandLine({"--now", "2024-02-29T23:59:58"}, error));
    EXPECT_FALSE(parseCommandLine({"extra"}, error));
    std::vector<std::string> many;
    for (int i = 0; i < 24; ++i) many.insert(many.end(), {"--volume", "/v" + std::to_string(i)});
    EXPECT_FALSE(parseCommandLine(many, error)) << "at most 23 volumes";
}

TEST(CommandLine, HelpSaysWhatThisPlatformDoesAndWhereToReadMore) {
    const std::string help = helpText();
    const std::size_t ffmpeg = help.find("--ffmpeg PATH");
    ASSERT_NE(ffmpeg, std::string::npos);
    const std::string ffmpegHelp = help.substr(ffmpeg, help.find("\n  -", ffmpeg) - ffmpeg);
#ifdef _WIN32
    EXPECT_NE(ffmpegHelp.find("staged"), std::string::npos) << ffmpegHelp;
#else
    EXPECT_EQ(ffmpegHelp.find("staged"), std::string::npos) << "only Windows stages a tool: " << ffmpegHelp;
    EXPECT_NE(ffmpegHelp.find("ffmpeg found on PATH"), std::string::npos) << ffmpegHelp;
#endif
    for (const char* text : {"XDG_DATA_HOME", "QT_QPA_PLATFORM", "AUTOMATION.md",
                             "https://github.com/qvtconfig/qvt-config/issues"})
        EXPECT_NE(help.find(text), std::string::npos) << text;
    EXPECT_EQ(help.find('&'), std::string::npos) << "no raw mnemonic markers";
}
