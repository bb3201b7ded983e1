// SPDX-License-Identifier: Apache-2.0
// The conversion through the real binary and the real FFmpeg when file names are not UTF-8 and
// when the program is told to end while the tool runs.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "e2e/E2eSupport.h"

namespace fs = std::filesystem;
using namespace qvt::test;

namespace {

void makeTone(const fs::path& file, int seconds, int rate) {
    const std::string cmd = "ffmpeg -nostdin -loglevel error -y -f lavfi -i sine=frequency=440:sample_rate=" +
                            std::to_string(rate) + ":duration=" + std::to_string(seconds) +
                            " -ac 1 -c:a pcm_u8 '" + file.string() + "'";
    ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
}

std::vector<fs::path> partialFiles(const fs::path& folder) {
    std::vector<fs::path> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (it->path().filename().string().starts_with("~ADUI")) found.push_back(it->path());
    return found;
}

std::string saveWithSound(const fs::path& source) {
    return "select 1131 \"HX710T-10M\"\nclick 1\nclick 1080\nselect 1118 \"ON\"\nchoose-file \"" + source.string() +
           "\"\nclick 1002\nanswer OK\nclick 1\n";
}

}  // namespace

// A name in an 8-bit code page ("é" as the single byte 0xE9) must reach the tool byte for byte.
TEST(ConversionNames, ASourceAndCardWhoseNamesAreNotUtf8Convert) {
    TempDir dir;
    const fs::path root = dir / "pc", card = dir / "card\xE9";
    fs::create_directories(root);
    fs::create_directories(card);
    const fs::path source = dir / "appel\xE9.wav";
    makeTone(source, 1, 8000);
    RunResult r = runScript(root, {card}, saveWithSound(source));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(findLine(r, {"Failed to transform audio file!"}).empty()) << r.out();
    const std::string wav = readFile(card / "DCIM" / "100QVTIM" / "ADUI0001.WAV");
    ASSERT_GE(wav.size(), 44u) << r.out();
    EXPECT_EQ(wav.substr(8, 4), "WAVE");
    EXPECT_TRUE(partialFiles(card / "DCIM" / "100QVTIM").empty());
}

class ConversionInterrupt : public ::testing::TestWithParam<int> {};

// A signal to end the program while the tool runs stops the tool and removes its partial file; the
// previous sound stays. A partial file left by an earlier crash goes at the start of the conversion.
TEST_P(ConversionInterrupt, StopsTheToolAndLeavesNoPartialFile) {
    const int signal = GetParam();
    TempDir dir;
    const fs::path root = dir / "pc", card = dir / "card";
    const fs::path pictures = card / "DCIM" / "100QVTIM";
    fs::create_directories(root);
    fs::create_directories(pictures);
    writeFile(pictures / "ADUI0001.WAV", "old sound");
    writeFile(pictures / "~ADUI0001-0123456789ab.WAV", "left by a crash");
    const fs::path source = dir / "long.wav";
    makeTone(source, 3600, 8000);  // an hour: the tool takes a few seconds over it
    writeFile(dir / "script.txt", saveWithSound(source));

    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        const std::string out = (dir / "out.txt").string();
        std::freopen(out.c_str(), "w", stdout);
        std::freopen("/dev/null", "r", stdin);
        ::execl(QVT_BINARY, QVT_BINARY, "--system-root", root.c_str(), "--volume", card.c_str(), "--script",
                (dir / "script.txt").c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    // Wait until the tool is writing its output, then end the program.
    pid_t tool = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    bool writing = false;
    while (!writing && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        for (const fs::path& p : partialFiles(pictures))
            writing = writing || p.filename() != "~ADUI0001-0123456789ab.WAV";
    }
    std::ifstream children("/proc/" + std::to_string(pid) + "/task/" + std::to_string(pid) + "/children");
    children >> tool;
    ASSERT_TRUE(writing) << readFile(dir / "out.txt");
    ASSERT_GT(tool, 0) << "the tool runs as a child of the program";
    ::kill(pid, signal);

    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << "ends as the signal says: " << status;
    // The tool is gone (reaped by the program, not left running or as a zombie).
    EXPECT_FALSE(fs::exists("/proc/" + std::to_string(tool))) << "tool " << tool << " still there";
    EXPECT_TRUE(partialFiles(pictures).empty());
    EXPECT_EQ(readFile(pictures / "ADUI0001.WAV"), "old sound");
}

INSTANTIATE_TEST_SUITE_P(Signals, ConversionInterrupt, ::testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const auto& test) {
                             return std::string(test.param == SIGTERM ? "Term" : test.param == SIGINT ? "Int" : "Hup");
                         });
