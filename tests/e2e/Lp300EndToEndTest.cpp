// SPDX-License-Identifier: Apache-2.0
// The LP300 Series through the real binary: Default, Save, and the values back on reopening.
#include <gtest/gtest.h>

#include "e2e/E2eSupport.h"

namespace fs = std::filesystem;
using namespace qvt::test;

TEST(Lp300EndToEnd, DefaultSaveAndReopen) {
    TempDir dir;
    const fs::path root = dir / "pc", card = dir / "card";
    fs::create_directories(root);
    fs::create_directories(card);
    const std::string open = "select 1131 \"LP300 Series\"\nclick 1\n";
    RunResult r = runScript(root, {card}, open + "click 1080\nclick 1083\nanswer OK\nclick 1\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_FALSE(findLine(r, {"\"text\":\"Confirm Save All The Data ?\""}).empty()) << r.out();
    const std::string file = readFile(card / "GSM" / "LP300.TXT");
    EXPECT_EQ(file, readFile(root / "LumbrakonBackup" / "LP300.TXT"));
    EXPECT_EQ(file.rfind("[QVTFileMark]\r\nModel=LP300\r\n[Via WAP Settings]\r\n", 0), 0u);
    EXPECT_NE(file.find("[Camera Setting]\r\nSend To=3\r\nCamera Mode=0\r\nPhoto Size=1\r\n"), std::string::npos)
        << file;
    EXPECT_NE(file.find("Work Mode=0\r\nWork Day=127\r\nWork Hour=0\r\nWork Hour StartH=0\r\n"), std::string::npos);

    RunResult again = runScript(root, {card}, open + "dump 1070\ndump 1083\ndump 1148\n");
    ASSERT_EQ(again.exitCode, 0) << again.err;
    EXPECT_NE(dumpLineOf(again, 1070).find("\"item\":\"10 Sec\""), std::string::npos);
    EXPECT_NE(dumpLineOf(again, 1083).find("\"check\":1"), std::string::npos);
    EXPECT_NE(dumpLineOf(again, 1148).find("\"enabled\":false"), std::string::npos) << dumpLineOf(again, 1148);
}
