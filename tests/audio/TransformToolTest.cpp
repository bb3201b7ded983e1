// SPDX-License-Identifier: Apache-2.0
// The conversion tool's temporary folder: clearing, staging, the tool files; and the header reader.
#ifdef __linux__
#include <sys/mount.h>
#endif

#include <random>

#include "audio/AudioFileInfo.h"
#include "audio/TransformTool.h"
#include "audio/AudioTestSupport.h"

namespace qvt::test {
namespace {

namespace fs = std::filesystem;
using ui::Icon;

// A read-only tmpfs holding one file: a file nobody can delete, root included.
class LockedFolder {
public:
    explicit LockedFolder(const fs::path& dir) : dir_(dir) {
        fs::create_directories(dir);
#ifdef __linux__
        if (::mount("tmpfs", dir.c_str(), "tmpfs", 0, "size=64k") != 0) return;
        mounted_ = true;
        writeFile(dir / "stuck.dll", "stuck");
        if (::mount(nullptr, dir.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0) release();
#endif
    }
    ~LockedFolder() { release(); }
    bool ok() const { return mounted_; }

private:
    void release() {
#ifdef __linux__
        if (mounted_) ::umount2(dir_.c_str(), MNT_DETACH);
#endif
        mounted_ = false;
    }
    fs::path dir_;
    bool mounted_ = false;
};

TEST(clearDirTree, DeletesFilesEverywhereAndKeepsFolders) {
    TempDir dir;
    writeFile(dir / "a.bat", "a");
    writeFile(dir / "sub" / "b.dll", "b");
    writeFile(dir / "sub" / "deeper" / "c", "c");
    fs::create_directories(dir / "empty");
    // A link to a folder elsewhere goes; what it points to stays.
    TempDir outside;
    writeFile(outside / "precious", "p");
    fs::create_directory_symlink(outside.path(), dir / "link");

    EXPECT_TRUE(audio::clearDirTree(dir.path()));
    EXPECT_TRUE(fs::is_directory(dir / "sub" / "deeper"));
    EXPECT_TRUE(fs::is_directory(dir / "empty"));
    EXPECT_FALSE(fs::exists(dir / "a.bat"));
    EXPECT_FALSE(fs::exists(dir / "sub" / "b.dll"));
    EXPECT_FALSE(fs::exists(dir / "sub" / "deeper" / "c"));
    EXPECT_FALSE(fs::exists(fs::symlink_status(dir / "link")));
    EXPECT_EQ(readFile(outside / "precious"), "p");

    EXPECT_TRUE(audio::clearDirTree(dir / "absent"));
    writeFile(dir / "file", "f");
    EXPECT_TRUE(audio::clearDirTree(dir / "file")) << "a file is no folder: nothing to clear";
    EXPECT_TRUE(fs::exists(dir / "file"));
}

TEST(clearDirTree, UndeletableFileIsReportedAndTheRestStillGoes) {
    TempDir dir;
    LockedFolder locked(dir / "sub" / "locked");
    if (!locked.ok()) GTEST_SKIP() << "cannot mount a tmpfs here";
    writeFile(dir / "a", "a");
    writeFile(dir / "sub" / "z", "z");
    EXPECT_FALSE(audio::clearDirTree(dir.path()));
    EXPECT_FALSE(fs::exists(dir / "a"));
    EXPECT_FALSE(fs::exists(dir / "sub" / "z"));
    EXPECT_TRUE(fs::exists(dir / "sub" / "locked" / "stuck.dll"));
}

// ---- Staging ------------------------------------------------------------------------------------

class StagingTest : public AudioTest {
protected:
    fs::path temp() const { return pc.pc / "QVT_TEMP"; }
};

TEST_F(StagingTest, CreatesOrEmptiesTheFolderQuietly) {
    EXPECT_EQ(audio.tempFolder(), temp());
    audio.stageConverter();
    EXPECT_TRUE(fs::is_directory(temp()));

    writeFile(temp() / "_[qvttmp]_.bat", "old");
    writeFile(temp() / "sub" / "x.dll", "x");
    audio.stageConverter();
    EXPECT_TRUE(fs::is_empty(temp() / "sub"));
    EXPECT_FALSE(fs::exists(temp() / "_[qvttmp]_.bat"));
    EXPECT_TRUE(host.boxes.empty());

    writeFile(temp() / "left.wav", "w");
    audio.emptyTempFolder();  // leaving the dialog
    EXPECT_FALSE(fs::exists(temp() / "left.wav"));
    EXPECT_TRUE(fs::is_directory(temp() / "sub"));
}

TEST_F(StagingTest, UndeletableFileIsReportedAndStagingGoesOn) {
    LockedFolder locked(temp() / "locked");
    if (!locked.ok()) GTEST_SKIP() << "cannot mount a tmpfs here";
    writeFile(temp() / "a.dll", "a");
    audio.stageConverter();
    ASSERT_EQ(host.texts(), std::vector<std::string>{"Delete Directory \"" + temp().string() + "\" failed !"});
    EXPECT_EQ(host.boxes[0].icon, Icon::None);
    EXPECT_EQ(host.boxes[0].caption, "");
    EXPECT_FALSE(fs::exists(temp() / "a.dll"));
}

TEST_F(StagingTest, FileOrLinkNamedLikeTheFolderIsLeftAlone) {
    writeFile(temp(), "not a folder");
    audio.stageConverter();
    audio.emptyTempFolder();
    EXPECT_EQ(readFile(temp()), "not a folder");
    fs::remove(temp());

    TempDir elsewhere;
    writeFile(elsewhere / "theirs", "t");
    fs::create_directory_symlink(elsewhere.path(), temp());
    audio.stageConverter();
    audio.emptyTempFolder();
    EXPECT_EQ(readFile(elsewhere / "theirs"), "t");
    EXPECT_TRUE(host.boxes.empty());
}

TEST(ToolFiles, PresentOnesAreCopiedMissingOnesSkipped) {
    TempDir from, to;
    writeFile(from / "ffmpeg.exe", "tool");
    writeFile(from / "xvidcore.dll", "xvid");
    writeFile(to / "ffmpeg.exe", "older tool");
    audio::copyToolFiles(from.path(), to.path());
    EXPECT_EQ(readFile(to / "ffmpeg.exe"), "tool");
    EXPECT_EQ(readFile(to / "xvidcore.dll"), "xvid");
    EXPECT_FALSE(fs::exists(to / "avcodec.dll"));
    EXPECT_EQ(audio::toolFileNames().size(), 8u);
}

// ---- Header reader ------------------------------------------------------------------------------

class FileInfoTest : public AudioTest {};

TEST_F(FileInfoTest, DurationOfEachSourceFormat) {
    for (const char* ext : {"mp3", "wav", "aac"}) {
        const std::optional<double> d = audio::durationSeconds(source(ext));
        ASSERT_TRUE(d) << ext;
        EXPECT_NEAR(*d, 2.0, 0.1) << ext;
    }
    // Without the encoder's frame-count header the length follows from the bit rate.
    const fs::path cbr = pc.dir / "cbr.mp3";
    makeTone(cbr, 3, {"-write_xing", "0", "-b:a", "64k"});
    const std::optional<double> d = audio::durationSeconds(cbr);
    ASSERT_TRUE(d);
    EXPECT_NEAR(*d, 3.0, 0.15);
}

TEST_F(FileInfoTest, DamagedFilesGiveNoAnswerAndNoCrash) {
    const std::string wav = readFile(source("wav"));
    writeFile(pc.dir / "short.wav", wav.substr(0, 30));
    EXPECT_FALSE(audio::readWavInfo(pc.dir / "short.wav"));
    EXPECT_FALSE(audio::durationSeconds(pc.dir / "short.wav"));
    EXPECT_FALSE(audio::durationSeconds(pc.dir / "absent.mp3"));
    EXPECT_FALSE(audio::durationSeconds(pc.dir.path()));

    // A cut-off WAV counts only the samples that are there.
    writeFile(pc.dir / "cut.wav", wav.substr(0, wav.size() / 2));
    const std::optional<audio::WavInfo> cut = audio::readWavInfo(pc.dir / "cut.wav");
    ASSERT_TRUE(cut);
    EXPECT_LT(cut->dataBytes, wav.size() / 2);
    EXPECT_GT(cut->dataBytes, wav.size() / 2 - 200);

    // Random bytes behind every kind of header the reader knows.
    std::mt19937 random(7);
    using namespace std::string_literals;
    const std::string heads[] = {""s, "RIFF\xff\xff\xff\xffWAVEfmt "s, "ID3\x04\x00\x00\x7f\x7f\x7f\x7f"s, "\xff\xfb"s,
                                 "\xff\xf1"s};
    for (int i = 0; i < 300; ++i) {
        std::string bytes = heads[i % 5];
        bytes.resize(bytes.size() + random() % 3000);
        for (std::size_t k = heads[i % 5].size(); k < bytes.size(); ++k) bytes[k] = static_cast<char>(random());
        writeFile(pc.dir / "noise", bytes);
        const std::optional<double> d = audio::durationSeconds(pc.dir / "noise");
        EXPECT_GE(d.value_or(0), 0);
    }
}

}  // namespace
TEST(ProgressTime, ReadsTheConversionToolsReports) {
    EXPECT_DOUBLE_EQ(audio::parseProgressTime("out_time_us=2500000").value(), 2.5);
    EXPECT_DOUBLE_EQ(audio::parseProgressTime("out_time_ms=1000000").value(), 1.0);  // microseconds too
    EXPECT_DOUBLE_EQ(audio::parseProgressTime("out_time=00:01:02.500000").value(), 62.5);
    EXPECT_DOUBLE_EQ(
        audio::parseProgressTime("size=     512kB time=01:00:01.25 bitrate= 176.4kbits/s speed= 120x").value(), 3601.25);
    EXPECT_FALSE(audio::parseProgressTime("time=N/A").has_value());
    EXPECT_FALSE(audio::parseProgressTime("out_time=-00:00:00.023").has_value());
    EXPECT_FALSE(audio::parseProgressTime("progress=continue").has_value());
    EXPECT_FALSE(audio::parseProgressTime("runtime=00:00:05.00").has_value()) << "only a whole key counts";
    EXPECT_FALSE(audio::parseProgressTime("time=00:75:00.00").has_value());
    EXPECT_FALSE(audio::parseProgressTime("").has_value());
}

}  // namespace qvt::test
