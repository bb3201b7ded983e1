// SPDX-License-Identifier: Apache-2.0
// The game-call sound through the real binary and the real FFmpeg: Save with Game Call "ON".
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

#include "e2e/E2eSupport.h"

namespace fs = std::filesystem;
using namespace qvt::test;

namespace {

std::uint32_t readLe32(const std::string& b, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}
// A script text argument: quotes and backslashes escaped.
std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out;
}

int readLe16(const std::string& b, std::size_t at) {
    return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8;
}

class GameCallEndToEnd : public ::testing::TestWithParam<const char*>, protected PcWithCard {
protected:
    fs::path sound = card / "DCIM" / "100QVTIM" / "ADUI0001.WAV";

    // A two-second stereo 44.1 kHz tone made by FFmpeg itself.
    fs::path makeSource(const std::string& name) {
        const fs::path source = dir / name;
        const std::string cmd = "ffmpeg -nostdin -loglevel error -y -f lavfi -i sine=frequency=440:duration=2 -ac 2 -ar 44100 '" +
                                source.string() + "'";
        EXPECT_EQ(std::system(cmd.c_str()), 0) << cmd;
        return source;
    }
};

}  // namespace

TEST_P(GameCallEndToEnd, SaveWithGameCallOnPlacesAnEightBitMonoWav) {
    const fs::path source = makeSource(std::string("-call %d \"q\".") + GetParam());
    RunResult r = runScript(root, {card},
                            "select 1131 \"HX710T-10M\"\nclick 1\nclick 1080\nselect 1118 \"ON\"\n"
                            "choose-file \"" + escaped(source.string()) + "\"\n"
                            "click 1002\nanswer OK\nclick 1\ndump 1001\n");
    ASSERT_EQ(r.exitCode, 0) << r.err << r.out();
    EXPECT_NE(dumpLineOf(r, 1001).find(source.filename().string().substr(0, 6)), std::string::npos);
    EXPECT_TRUE(findLine(r, {"Failed to transform audio file!"}).empty()) << r.out();
    const std::string wav = readFile(sound);
    ASSERT_GE(wav.size(), 44u) << r.out();
    EXPECT_EQ(wav.substr(0, 4), "RIFF");
    EXPECT_EQ(wav.substr(8, 4), "WAVE");
    EXPECT_EQ(readLe16(wav, 20), 1) << "PCM";
    EXPECT_EQ(readLe16(wav, 22), 1) << "mono";
    EXPECT_EQ(readLe32(wav, 24), 22050u);
    EXPECT_EQ(readLe16(wav, 34), 8) << "8 bits per sample";
    // Two seconds at 22050 one-byte samples, give or take a codec frame.
    EXPECT_NEAR(static_cast<double>(wav.size() - 44), 44100.0, 3000.0);
    // Nothing is left beside the sound.
    int files = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(sound.parent_path())) ++files;
    EXPECT_EQ(files, 1);
}

INSTANTIATE_TEST_SUITE_P(Formats, GameCallEndToEnd, ::testing::Values("mp3", "wav", "aac"),
                         [](const auto& test) { return std::string(test.param); });

TEST(GameCallEndToEndTool, AMissingToolIsReportedAndTheOldSoundKept) {
    TempDir dir;
    const fs::path root = dir / "pc", card = dir / "card";
    fs::create_directories(root);
    const fs::path sound = card / "DCIM" / "100QVTIM" / "ADUI0001.WAV";
    writeFile(sound, "old sound");
    writeFile(dir / "a.mp3", "not really audio");
    RunResult r = runScript(root, {card},
                            "select 1131 \"HX710T-10M\"\nclick 1\nselect 1118 \"ON\"\nchoose-file \"" +
                                (dir / "a.mp3").string() + "\"\nclick 1002\nanswer OK\nclick 1\n",
                            {"--ffmpeg", (dir / "no-such-ffmpeg").string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string failed = findLine(r, {"\"text\":\"Transform Failed.\""});
    const std::string reported = findLine(r, {"\"text\":\"Failed to transform audio file!\""});
    ASSERT_FALSE(failed.empty()) << r.out();
    ASSERT_FALSE(reported.empty());
    EXPECT_NE(failed.find("\"caption\":\"QVT CONFIG\""), std::string::npos) << failed;
    // It says what is missing and how to get it on this kind of PC.
#if defined(_WIN32)
    const std::string how = "ffmpeg.exe ships beside qvt-config.exe: reinstall QVT CONFIG to bring it back.";
#elif defined(__APPLE__)
    const std::string how = "Install FFmpeg, for example with Homebrew: brew install ffmpeg";
#else
    const std::string how =
        "Install FFmpeg with the system's package manager; on Debian or Ubuntu: sudo apt install ffmpeg";
#endif
    EXPECT_NE(failed.find("\"explanation\":\"FFmpeg converts the sound for the camera and could not be started. " +
                          how + "\""),
              std::string::npos)
        << failed;
    EXPECT_EQ(readFile(sound), "old sound");
}
