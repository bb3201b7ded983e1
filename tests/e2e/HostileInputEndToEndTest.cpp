// SPDX-License-Identifier: Apache-2.0
// Hostile or malformed input met by the real binary: the remembered choice, the script, the
// command line, card values and typed text. Each case must end in the documented reaction, never a
// hang, a crash or a corrupted file.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <QStringDecoder>
#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

#include "e2e/E2eSupport.h"

namespace fs = std::filesystem;
using namespace qvt::test;

namespace {

bool isValidUtf8(const std::string& text) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    [[maybe_unused]] const QString decoded = decoder(QByteArray::fromStdString(text));
    return !decoder.hasError();
}

#ifndef _WIN32  // the value file of the remembered choice; Windows keeps it in the registry
// ---- The remembered choice -----------------------------------------------------------------------

struct ChoiceCase {
    const char* name;
    std::function<void(const fs::path& valueFile)> prepare;
    std::string dumpFragment;  // of "dump 1131"
    std::string storedAfter;
};

class RememberedChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(RememberedChoice, OnlyASmallRegularValueFileIsRead) {
    TempDir dir;
    const fs::path root = dir / "pc";
    const fs::path valueFile = choiceValueFile(root);
    fs::create_directories(valueFile.parent_path());
    GetParam().prepare(valueFile);

    // A FIFO that nobody ought to open: should the program wait on it, a writer answers "3" after a
    // while, so the mistake shows as a wrong choice instead of a hang.
    std::atomic<bool> done{false};
    std::thread writer([&] {
        for (int i = 0; i < 60 && !done; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            struct stat st {};
            if (::lstat(valueFile.c_str(), &st) != 0 || !S_ISFIFO(st.st_mode)) continue;
            if (i < 20) continue;
            const int fd = ::open(valueFile.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd < 0) continue;
            [[maybe_unused]] const auto n = ::write(fd, "3", 1);
            ::close(fd);
            return;
        }
    });
    RunResult r = runScript(root, {}, "dump 1131\n");
    done = true;
    writer.join();
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(dumpLineOf(r, 1131).find(GetParam().dumpFragment), std::string::npos) << dumpLineOf(r, 1131);
    EXPECT_TRUE(fs::is_regular_file(valueFile));
    EXPECT_EQ(readFile(valueFile), GetParam().storedAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RememberedChoice,
    ::testing::Values(
        ChoiceCase{"Remembered", [](const fs::path& f) { writeFile(f, "3"); }, R"("sel":3)", "3"},
        // A key folder without its value file is a value that cannot be read: forget.
        ChoiceCase{"KeyWithoutValueFile", [](const fs::path&) {}, R"("sel":-1)", "-1"},
        ChoiceCase{"Fifo", [](const fs::path& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0600), 0); }, R"("sel":-1)", "-1"},
        ChoiceCase{"HugeFile",
                   [](const fs::path& f) {
                       writeFile(f, "");
                       fs::resize_file(f, 300u << 20);  // sparse: 300 MB of NULs, no disk space
                   },
                   R"("sel":-1)", "-1"},
        ChoiceCase{"JustOverSixtyFourBytes", [](const fs::path& f) { writeFile(f, "3" + std::string(64, ' ')); },
                   R"("sel":-1)", "-1"}),
    [](const auto& test) { return std::string(test.param.name); });

#endif

// ---- The script and the command line --------------------------------------------------------------

struct CommandCase {
    const char* name;
    std::function<std::vector<std::string>(const fs::path& dir)> args;  // "--script -" reads `script`
    std::string script;
    int status;
    std::string errFragment;
};

class CommandInput : public ::testing::TestWithParam<CommandCase> {};

TEST_P(CommandInput, EndsWithTheDocumentedStatus) {
    TempDir dir;
    fs::create_directories(dir / "pc");
    std::vector<std::string> args{"--system-root", (dir / "pc").string()};
    for (const std::string& a : GetParam().args(dir.path())) args.push_back(a);
    RunResult r = runBinary(args, GetParam().script);
    EXPECT_EQ(r.exitCode, GetParam().status) << r.err;
    EXPECT_NE(r.err.find(GetParam().errFragment), std::string::npos) << r.err.substr(0, 300);
    EXPECT_LT(r.err.size(), 300u) << "the error is short and never repeats a long line";
}

std::vector<std::string> nowLines(const std::string& when) {
    return {"--now", when, "--script", "-"};
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandInput,
    ::testing::Values(
        CommandCase{"LineOverOneMiB", [](const fs::path&) { return nowLines("2024-05-17 10:20:30"); },
                    "dump 1142\n" + std::string((1u << 20) + 1, 'x') + "\ndump\n", 2,
                    "script line 2: line longer than 1 MiB\n"},
        CommandCase{"LineOfExactlyOneMiBIsRead", [](const fs::path&) { return nowLines("2024-05-17 10:20:30"); },
                    "#" + std::string((1u << 20) - 1, 'x') + "\n", 0, ""},
        CommandCase{"ScriptIsAFolder", [](const fs::path& d) { return std::vector<std::string>{"--script", d.string()}; },
                    "", 2, "cannot read the script"},
        CommandCase{"LeapDay", [](const fs::path&) { return nowLines("2024-02-29 23:59:59"); }, "", 0, ""},
        CommandCase{"NoLeapDay", [](const fs::path&) { return nowLines("2023-02-29 10:00:00"); }, "", 2, "--now"},
        CommandCase{"ThirtiethOfFebruary", [](const fs::path&) { return nowLines("2024-02-30 10:00:00"); }, "", 2, "--now"},
        CommandCase{"ThirtyFirstOfApril", [](const fs::path&) { return nowLines("2024-04-31 10:00:00"); }, "", 2, "--now"},
        CommandCase{"MonthThirteen", [](const fs::path&) { return nowLines("2024-13-01 10:00:00"); }, "", 2, "--now"},
        CommandCase{"MonthZero", [](const fs::path&) { return nowLines("2024-00-10 10:00:00"); }, "", 2, "--now"},
        CommandCase{"DayZero", [](const fs::path&) { return nowLines("2024-01-00 10:00:00"); }, "", 2, "--now"},
        CommandCase{"Hour24", [](const fs::path&) { return nowLines("2024-01-01 24:00:00"); }, "", 2, "--now"},
        CommandCase{"Minute60", [](const fs::path&) { return nowLines("2024-01-01 10:60:00"); }, "", 2, "--now"},
        CommandCase{"Second60", [](const fs::path&) { return nowLines("2024-01-01 10:00:60"); }, "", 2, "--now"},
        CommandCase{"YearZero", [](const fs::path&) { return nowLines("0000-01-01 10:00:00"); }, "", 2, "--now"}),
    [](const auto& test) { return std::string(test.param.name); });

// ---- Card values and typed text --------------------------------------------------------------------

const char* const kProducts[] = {"HX710T-10M", "HX720U", "LP300 Series", "VEX 2.0", "PN250R-8MHD"};

fs::path onlyFileIn(const fs::path& folder) {
    fs::path found;
    for (const auto& e : fs::directory_iterator(folder)) found = e.path();
    return found;
}

// Replaces every value of a settings file by `value`, keeping the model mark.
std::string withEveryValue(const std::string& file, const std::string& value) {
    std::string out;
    std::size_t start = 0;
    while (start < file.size()) {
        std::size_t end = file.find("\r\n", start);
        if (end == std::string::npos) end = file.size();
        std::string line = file.substr(start, end - start);
        const std::size_t eq = line.find('=');
        if (eq != std::string::npos && line.rfind("Model=", 0) != 0) line = line.substr(0, eq + 1) + value;
        out += line + "\r\n";
        start = end + 2;
    }
    return out;
}

class ExtremeNumbers : public ::testing::TestWithParam<const char*> {};

// Values at the ends of the int range in every key must read without overflow (the sanitizer
// build aborts on any) and select nothing.
TEST_P(ExtremeNumbers, EveryKeyAtTheIntLimitsReadsCleanly) {
    TempDir dir;
    const fs::path root = dir / "pc", card = dir / "card";
    fs::create_directories(root);
    fs::create_directories(card);
    const std::string open = "select 1131 \"" + std::string(GetParam()) + "\"\nclick 1\n";
    RunResult saved = runScript(root, {card}, open + "answer OK\nclick 1\n");
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    const fs::path cardFile = onlyFileIn(card / "GSM");
    ASSERT_FALSE(cardFile.empty()) << saved.out();
    const std::string keys = readFile(cardFile);
    for (const char* value : {"-2147483648", "2147483647", "-99999999999999999999", "99999999999999999999"}) {
        writeFile(cardFile, withEveryValue(keys, value));
        RunResult r = runScript(root, {card}, open + "dump 1074\ndump 1076\n");
        ASSERT_EQ(r.exitCode, 0) << value << r.err;
        for (int id : {1074, 1076}) {
            const std::string dump = dumpLineOf(r, id);
            if (!dump.empty()) {
                EXPECT_NE(dump.find(R"("sel":-1)"), std::string::npos) << value << " " << dump;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Products, ExtremeNumbers, ::testing::ValuesIn(kProducts),
                         [](const auto& test) {
                             std::string name;
                             for (const char* c = test.param; *c; ++c)
                                 if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
                             return name;
                         });

TEST(TypedText, IsCutToOneHundredBytesWithoutSplittingACharacterAnd8BitCardBytesPassThrough) {
    TempDir dir;
    const fs::path root = dir / "pc", card = dir / "card";
    fs::create_directories(root);
    // A value in an 8-bit code page ("café" in Latin-1) on the card.
    writeFile(card / "GSM" / "HX710T.TXT",
              "[QVTFileMark]\r\nModel=HX710T\r\n[Receive number and receive email]\r\nReceiveEmail2=caf\xE9\r\n");
    const std::string typed = std::string(99, 'a') + "\xC3\xA9";  // 99 ASCII characters and "é": 101 bytes
    RunResult r = runScript(root, {card},
                            "select 1131 \"HX710T-10M\"\nclick 1\ndump 1012\ntype 1011 \"" + typed +
                                "\"\nanswer OK\nclick 1\nchoose-file \"/x/caf\xE9.mp3\"\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    for (const fs::path& file : {card / "GSM" / "HX710T.TXT", root / "LumbrakonBackup" / "HX710T.TXT"}) {
        const std::string bytes = readFile(file);
        EXPECT_NE(bytes.find("\r\nReceiveEmail1=" + std::string(99, 'a') + "\r\n"), std::string::npos) << file;
        EXPECT_NE(bytes.find("\r\nReceiveEmail2=caf\xE9\r\n"), std::string::npos) << file;
    }
    // Every output line is valid UTF-8; the Latin-1 byte reads as "é".
    for (const std::string& line : r.lines) EXPECT_TRUE(isValidUtf8(line)) << line;
    EXPECT_NE(dumpLineOf(r, 1012).find("\"text\":\"caf\xC3\xA9\""), std::string::npos) << dumpLineOf(r, 1012);
}

}  // namespace
