// SPDX-License-Identifier: Apache-2.0
// The game-call sound: conversion with the real FFmpeg, placement on the card, the "+" button.
#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "audio/AudioTestSupport.h"

namespace qvt::test {
namespace {

namespace fs = std::filesystem;
using ui::Answer;
using ui::Buttons;
using ui::Icon;

constexpr const char* kRenameQuestion =
    "You must rename the existed \"IMAG0001.JPG\" and \"VIDE0001.AVI\" if you want to save the audio file ,continue ?";
constexpr const char* kGivenUp = "You have given up saving audio file !";
constexpr const char* kRenameFailed = "Failed to rename \"IMAG0001.JPG\" or \"VIDE0001.AVI\" !";
constexpr const char* kSaved = "OK,audio file have been saved !";
constexpr const char* kOldSound = "old sound";

void expectGameCallWav(const fs::path& file, double seconds) {
    const std::optional<Wav> wav = parseWav(readFile(file));
    ASSERT_TRUE(wav) << file;
    EXPECT_EQ(wav->format, 1);
    EXPECT_EQ(wav->channels, 1);
    EXPECT_EQ(wav->rate, 22050);
    EXPECT_EQ(wav->bits, 8);
    EXPECT_NEAR(static_cast<double>(wav->dataBytes), seconds * 22050, seconds * 22050 * 0.03);
    EXPECT_EQ(fs::file_size(file), 44 + wav->dataBytes) << "plain header, no extra chunks";
}

// ---- Conversion ------------------------------------------------------------------------------

class ConvertTest : public AudioTest, public testing::WithParamInterface<const char*> {};

TEST_P(ConvertTest, EachSourceFormatBecomesMono22kUnsigned8BitWav) {
    fs::create_directories(pictures());
    EXPECT_TRUE(audio.runTransform(source(GetParam()), sound()));
    expectGameCallWav(sound(), 2.0);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(pictureFiles(), std::vector<std::string>{"ADUI0001.WAV"}) << "no temporary file left";
    ASSERT_EQ(host.requests.size(), 1u);
    EXPECT_NEAR(host.requests[0].durationSeconds, 2.0, 0.1) << "the progress display knows the length";
}

INSTANTIATE_TEST_SUITE_P(Formats, ConvertTest, testing::Values("mp3", "wav", "aac"));

TEST_F(AudioTest, PathCharactersReachTheToolUntouched) {
    // Blanks, per-cent, quotes, a leading dash and shell syntax: nothing may be interpreted.
    const fs::path folder = pc.dir / "my sounds & 'more' $(touch pwned)";
    const fs::path odd = folder / "-x %d \"q\" ;`touch pwned`.mp3";
    fs::create_directories(folder);
    fs::copy_file(source("mp3"), odd);
    choose(odd);
    EXPECT_TRUE(audio.convertGameCallSound());
    expectGameCallWav(sound(), 2.0);
    EXPECT_FALSE(fs::exists("pwned"));
    EXPECT_FALSE(fs::exists(folder / "pwned"));
    EXPECT_TRUE(fs::exists(odd)) << "the source is only read";
}

TEST_F(AudioTest, CardWithoutCameraFoldersGetsThemAndTheSound) {
    choose(source("wav"));
    ASSERT_FALSE(fs::exists(pc.card / "DCIM"));
    EXPECT_TRUE(audio.convertGameCallSound());
    expectGameCallWav(sound(), 2.0);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(AudioTest, PlaceholderOrMissingCardDoNothing) {
    EXPECT_TRUE(audio.convertGameCallSound()) << "no file chosen: nothing to do, no message";
    EXPECT_FALSE(fs::exists(pc.card / "DCIM"));
    EXPECT_TRUE(host.requests.empty());

    choose(source("mp3"));
    fs::remove_all(pc.card);  // the card was pulled out
    EXPECT_FALSE(audio.convertGameCallSound());
    EXPECT_FALSE(fs::exists(pc.card)) << "a vanished card's folder is not recreated";

    // No card chosen at all: nothing lands in the current folder either.
    dialogs::GameCallField noCard(dialog, pc.context.systemRoot(), pc.context.ffmpeg, [] { return fs::path(); });
    const fs::path before = fs::current_path();
    fs::current_path(pc.dir.path());
    EXPECT_FALSE(noCard.convertGameCallSound());
    fs::current_path(before);
    EXPECT_FALSE(fs::exists(pc.dir / "DCIM"));
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(AudioTest, ReadOnlyOldSoundIsReplacedWithoutMessage) {
    writeFile(sound(), kOldSound);
    fs::permissions(sound(), fs::perms::owner_read | fs::perms::group_read);
    choose(source("mp3"));
    EXPECT_TRUE(audio.convertGameCallSound());
    expectGameCallWav(sound(), 2.0);
    EXPECT_TRUE(host.boxes.empty());
}

// ---- First photo and video ---------------------------------------------------------------------

TEST_F(AudioTest, OnlyThePhotoIsRenamedThenTheSoundWritten) {
    writeFile(pictures() / "IMAG0001.JPG", "jpeg");
    choose(source("mp3"));
    EXPECT_TRUE(audio.convertGameCallSound());
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[0].text, kRenameQuestion);
    EXPECT_EQ(host.boxes[0].caption, "QVT Tips");
    EXPECT_EQ(host.boxes[0].icon, Icon::Warning);
    EXPECT_EQ(host.boxes[0].buttons, Buttons::OkCancel);
    EXPECT_EQ(host.boxes[1].text, kSaved);
    EXPECT_EQ(host.boxes[1].caption, "");
    EXPECT_EQ(host.boxes[1].icon, Icon::None);
    EXPECT_EQ(readFile(pictures() / "IMAG0001_RenameForSaveAudioFile.JPG"), "jpeg");
    EXPECT_EQ(pictureFiles(), (std::vector<std::string>{"ADUI0001.WAV", "IMAG0001_RenameForSaveAudioFile.JPG"}));
    expectGameCallWav(sound(), 2.0);
}

TEST_F(AudioTest, PhotoAndVideoAreBothRenamed) {
    writeFile(pictures() / "IMAG0001.JPG", "jpeg");
    writeFile(pictures() / "VIDE0001.AVI", "avi");
    fs::permissions(pictures() / "VIDE0001.AVI", fs::perms::owner_read);
    choose(source("aac"));
    EXPECT_TRUE(audio.convertGameCallSound());
    EXPECT_EQ(host.texts(), (std::vector<std::string>{kRenameQuestion, kSaved}));
    EXPECT_EQ(readFile(pictures() / "VIDE0001_RenameForSaveAudioFile.AVI"), "avi");
    EXPECT_FALSE(fs::exists(pictures() / "IMAG0001.JPG"));
    expectGameCallWav(sound(), 2.0);
}

TEST_F(AudioTest, DecliningTheRenameKeepsEverything) {
    writeFile(sound(), kOldSound);
    writeFile(pictures() / "VIDE0001.AVI", "avi");
    host.answers = {Answer::Cancel};
    choose(source("mp3"));
    EXPECT_TRUE(audio.convertGameCallSound()) << "given up is no failure";
    ASSERT_EQ(host.texts(), (std::vector<std::string>{kRenameQuestion, kGivenUp}));
    EXPECT_EQ(host.boxes[1].icon, Icon::Information);
    EXPECT_EQ(host.boxes[1].caption, "QVT Tips");
    EXPECT_EQ(readFile(sound()), kOldSound);
    EXPECT_EQ(pictureFiles(), (std::vector<std::string>{"ADUI0001.WAV", "VIDE0001.AVI"}));
    EXPECT_TRUE(host.requests.empty());
}

TEST_F(AudioTest, RenameTargetTakenFailsAndKeepsTheOldSound) {
    writeFile(sound(), kOldSound);
    writeFile(pictures() / "IMAG0001.JPG", "new photo");
    writeFile(pictures() / "IMAG0001_RenameForSaveAudioFile.JPG", "earlier photo");
    choose(source("mp3"));
    EXPECT_FALSE(audio.convertGameCallSound());
    ASSERT_EQ(host.texts(), (std::vector<std::string>{kRenameQuestion, kRenameFailed}));
    EXPECT_EQ(host.boxes[1].icon, Icon::Warning);
    EXPECT_EQ(readFile(pictures() / "IMAG0001_RenameForSaveAudioFile.JPG"), "earlier photo");
    EXPECT_EQ(readFile(pictures() / "IMAG0001.JPG"), "new photo");
    EXPECT_EQ(readFile(sound()), kOldSound);
}

// ---- Failures keep the previous sound -------------------------------------------------------------

TEST_F(AudioTest, UnconvertibleSourcesFailSilentlyAndKeepTheOldSound) {
    writeFile(sound(), kOldSound);
    writeFile(pc.dir / "garbage.mp3", std::string(5000, 'x'));
    writeFile(pc.dir / "empty.wav", "");
    for (const fs::path& bad : {pc.dir / "garbage.mp3", pc.dir / "empty.wav", pc.dir / "gone.mp3"}) {
        choose(bad);
        EXPECT_FALSE(audio.convertGameCallSound()) << bad;
        EXPECT_EQ(readFile(sound()), kOldSound) << bad;
        EXPECT_EQ(pictureFiles(), std::vector<std::string>{"ADUI0001.WAV"}) << bad;
    }
    EXPECT_TRUE(host.boxes.empty()) << "the dialog reports the failure itself";
}

#ifndef _WIN32  // FIFOs
TEST_F(AudioTest, PipeAsSourceIsNotHandedToTheTool) {
    // The tool would wait for a writer for ever. Should it be started all the same, a writer comes
    // by after a while, so that the test fails instead of hanging.
    const fs::path fifo = pc.dir / "pipe.mp3";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::atomic<bool> done{false};
    std::thread rescuer([&] {
        for (int i = 0; i < 400 && !done; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(25));
        while (!done) {
            const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) ::close(fd);
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
        }
    });
    choose(fifo);
    EXPECT_FALSE(audio.convertGameCallSound());
    done = true;
    rescuer.join();
    EXPECT_TRUE(host.requests.empty());
    EXPECT_TRUE(host.boxes.empty());
}

#endif

TEST_F(AudioTest, ToolThatCannotStartIsReported) {
    writeFile(sound(), kOldSound);
    dialogs::GameCallField withTool(dialog, pc.context.systemRoot(), "/nonexistent/ffmpeg", [this] { return pc.card; });
    choose(source("mp3"));
    EXPECT_FALSE(withTool.convertGameCallSound());
    ASSERT_EQ(host.texts(), std::vector<std::string>{"Transform Failed."});
    EXPECT_EQ(host.boxes[0].icon, Icon::Warning);
    EXPECT_EQ(host.boxes[0].explanation.rfind("FFmpeg converts the sound for the camera and could not be started.", 0), 0u)
        << host.boxes[0].explanation;
    EXPECT_EQ(host.boxes[0].caption, "");
    EXPECT_EQ(readFile(sound()), kOldSound);
}

#ifndef _WIN32  // POSIX environment and shell-script stand-ins for the tool
TEST_F(AudioTest, NoToolOnPathIsReported) {
    const char* old = std::getenv("PATH");
    const std::string saved = old ? old : "";
    ::setenv("PATH", pc.dir.path().c_str(), 1);
    EXPECT_EQ(audio.toolPath(), "");
    EXPECT_FALSE(audio.runTransform(source("mp3"), sound()));
    ::setenv("PATH", saved.c_str(), 1);
    EXPECT_EQ(host.texts(), std::vector<std::string>{"Transform Failed."});
}

TEST_F(AudioTest, ExitStatusAndOutputAreBothChecked) {
    // A stand-in tool that writes a perfect WAV to its last argument, then ends with the status given.
    writeFile(sound(), kOldSound);
    const fs::path tool = pc.dir / "fake-ffmpeg";
    writeFile(tool, "#!/bin/sh\nfor last; do :; done\ncp '" + source("wav").string() + "' \"$last\"\nexit $STATUS\n");
    fs::permissions(tool, fs::perms::owner_all);
    dialogs::GameCallField withTool(dialog, pc.context.systemRoot(), tool.string(), [this] { return pc.card; });
    ::setenv("STATUS", "3", 1);
    EXPECT_FALSE(withTool.runTransform(source("mp3"), sound()));
    EXPECT_EQ(readFile(sound()), kOldSound);

    writeFile(tool, "#!/bin/sh\nfor last; do :; done\n: > \"$last\"\n");  // exit 0, empty file
    EXPECT_FALSE(withTool.runTransform(source("mp3"), sound()));
    EXPECT_EQ(readFile(sound()), kOldSound);
    EXPECT_EQ(pictureFiles(), std::vector<std::string>{"ADUI0001.WAV"});
    EXPECT_TRUE(host.boxes.empty());
    ::unsetenv("STATUS");
}

#endif

TEST_F(AudioTest, UndeletableOldSoundIsReportedAfterTheConversion) {
    fs::create_directories(sound());  // something that is no deletable file
    writeFile(sound() / "keep", "x");
    choose(source("mp3"));
    EXPECT_FALSE(audio.convertGameCallSound());
    ASSERT_EQ(host.texts(), std::vector<std::string>{"Failed to delete " + sound().string() + " !"});
    EXPECT_EQ(host.boxes[0].icon, Icon::None);
    EXPECT_EQ(host.boxes[0].caption, "");
    EXPECT_EQ(pictureFiles(), std::vector<std::string>{"ADUI0001.WAV"}) << "the new sound is not left behind";
}

TEST_F(AudioTest, CancelledRunRemovesItsOutputAndKeepsTheOldSound) {
    writeFile(sound(), kOldSound);
    host.reportCancelled = true;
    choose(source("mp3"));
    EXPECT_TRUE(audio.convertGameCallSound());
    ASSERT_EQ(host.texts(), std::vector<std::string>{kGivenUp});
    EXPECT_EQ(host.boxes[0].icon, Icon::Information);
    EXPECT_EQ(host.boxes[0].caption, "QVT Tips");
    EXPECT_EQ(readFile(sound()), kOldSound);
    EXPECT_EQ(pictureFiles(), std::vector<std::string>{"ADUI0001.WAV"});
}

// ---- The "+" button ----------------------------------------------------------------------------

TEST_F(AudioTest, ChoosingAnExistingFileShowsItsFullPath) {
    host.files = {source("aac").string()};
    audio.chooseAudioFile();
    EXPECT_EQ(dialog.text(1001), source("aac").string());
    // The text the automation contract shows for the "+" button's file dialog.
    EXPECT_EQ(host.filters, std::vector<std::string>{"Audio File(*.mp3,*.wav,*.aac)|*.mp3;*.wav;*.aac||"});
    EXPECT_TRUE(host.boxes.empty());

    // A relative name (even one that looks like an option) becomes absolute.
    const fs::path before = fs::current_path();
    fs::current_path(pc.dir.path());
    writeFile(pc.dir / "-call.mp3", "any content: the tool judges it later");
    host.files = {std::string("-call.mp3")};
    audio.chooseAudioFile();
    fs::current_path(before);
    EXPECT_EQ(dialog.text(1001), (pc.dir / "-call.mp3").string());
    EXPECT_EQ(audio.rememberedPath(), dialog.text(1001));
}

TEST_F(AudioTest, MissingFileAfterAnEarlierChoiceAsksWhetherToKeepIt) {
    const std::string earlier = source("mp3").string();
    const std::string missing = (pc.dir / "nothing.mp3").string();
    host.files = {earlier, missing, missing};
    host.answers = {Answer::Ok, Answer::Cancel};
    audio.chooseAudioFile();
    audio.chooseAudioFile();
    EXPECT_EQ(dialog.text(1001), earlier) << "OK keeps the earlier file";
    audio.chooseAudioFile();
    EXPECT_EQ(dialog.text(1001), dialogs::kChooseAudioPlaceholder) << "Cancel forgets it";
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[0].text,
              "File is not exist ! \nWhether retain the directory record of audio file last time you added ?");
    EXPECT_EQ(host.boxes[0].icon, Icon::Warning);
    EXPECT_EQ(host.boxes[0].buttons, Buttons::OkCancel);
    EXPECT_EQ(host.boxes[0].caption, "QVT Tips");
}

TEST_F(AudioTest, MissingFileWithoutEarlierChoiceOnlyTells) {
    host.files = {(pc.dir / "nothing.mp3").string()};
    audio.chooseAudioFile();
    ASSERT_EQ(host.texts(), std::vector<std::string>{"File is not exist !"});
    EXPECT_EQ(host.boxes[0].icon, Icon::Warning);
    EXPECT_EQ(host.boxes[0].buttons, Buttons::Ok);
    EXPECT_EQ(dialog.text(1001), dialogs::kChooseAudioPlaceholder);
}

TEST_F(AudioTest, CancelledFileDialogAsksOnlyWhenAFileWasChosen) {
    audio.chooseAudioFile();  // nothing chosen yet: no question
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(dialog.text(1001), dialogs::kChooseAudioPlaceholder);

    const std::string earlier = source("wav").string();
    host.files = {earlier, std::nullopt, std::nullopt};
    host.answers = {Answer::Ok, Answer::Cancel};
    audio.chooseAudioFile();
    audio.chooseAudioFile();
    EXPECT_EQ(dialog.text(1001), earlier);
    audio.chooseAudioFile();
    EXPECT_EQ(dialog.text(1001), dialogs::kChooseAudioPlaceholder);
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[1].text, "Whether retain the directory record of audio file last time you added ?");
    EXPECT_EQ(host.boxes[1].icon, Icon::Question);
    EXPECT_EQ(host.boxes[1].buttons, Buttons::OkCancel);

    host.files = {earlier};
    audio.chooseAudioFile();
    audio.resetField();  // the dialog opens again
    EXPECT_EQ(dialog.text(1001), dialogs::kChooseAudioPlaceholder);
}

// ---- Links on the card lead elsewhere and are not followed ---------------------------------------

TEST_F(AudioTest, LinksOnTheCardAreNotFollowed) {
    const fs::path outside = pc.dir / "outside";
    const fs::path kept = outside / "someone-elses.file";
    struct Row {
        const char* link;  // in the picture folder, or the card's DCIM folder itself
        bool folder;
    };
    for (const Row row :
         {Row{"ADUI0001.WAV", false}, Row{"IMAG0001.JPG", false}, Row{"VIDE0001.AVI", false}, Row{"DCIM", true}}) {
        SCOPED_TRACE(row.link);
        fs::remove_all(pc.card / "DCIM");
        fs::remove_all(outside);
        writeFile(kept, "not the card's");
        fs::permissions(kept, fs::perms::owner_read);
        if (row.folder) {
            // A DCIM link to a folder that looks like a card's: its photo stays, no sound lands there.
            writeFile(outside / "100QVTIM" / "IMAG0001.JPG", "their photo");
            fs::create_directory_symlink(outside, pc.card / "DCIM");
        } else {
            fs::create_directories(pictures());
            fs::create_symlink(kept, pictures() / row.link);
        }
        host.boxes.clear();
        choose(source("wav"));
        const bool ok = audio.convertGameCallSound();
        EXPECT_EQ(readFile(kept), "not the card's");
        EXPECT_EQ(fs::status(kept).permissions() & fs::perms::owner_write, fs::perms::none) << "mode unchanged";
        if (row.folder) {
            EXPECT_FALSE(ok);
            EXPECT_EQ(readFile(outside / "100QVTIM" / "IMAG0001.JPG"), "their photo");
            EXPECT_FALSE(fs::exists(outside / "100QVTIM" / "ADUI0001.WAV"));
            EXPECT_TRUE(host.boxes.empty()) << "nothing asked about files that are not on the card";
        } else {
            EXPECT_TRUE(ok);
            expectGameCallWav(sound(), 2.0);
        }
    }
}

}  // namespace
}  // namespace qvt::test
