// SPDX-License-Identifier: Apache-2.0
#include "audio/GameCallAudio.h"

#include <atomic>
#include <cctype>
#include <cstdio>
#include <optional>
#include <random>

#include "audio/AudioFileInfo.h"
#include "audio/TransformTool.h"
#include "platform/FileOps.h"
#include "platform/Process.h"
#include "platform/ProgramDir.h"

namespace fs = std::filesystem;

namespace qvt::audio {

namespace {

using Notice = GameCallPrompts::Notice;

constexpr const char* kProgressTitle = "Transforming audio file ...";

// The camera overwrites photo and video number 0001 once the sound is there, so they move aside.
constexpr const char* kFirstPhoto = "IMAG0001.JPG";
constexpr const char* kFirstVideo = "VIDE0001.AVI";
constexpr const char* kFirstPhotoRenamed = "IMAG0001_RenameForSaveAudioFile.JPG";
constexpr const char* kFirstVideoRenamed = "VIDE0001_RenameForSaveAudioFile.AVI";

bool isAbsent(const fs::path& path) {
    std::error_code ec;
    return fs::symlink_status(path, ec).type() == fs::file_type::not_found;
}

bool isLink(const fs::path& path) {
    std::error_code ec;
    return fs::is_symlink(fs::symlink_status(path, ec));
}

// A name beside the sound that nothing uses yet. The tool creates the file itself and, without
// "-y", refuses to overwrite anything that appeared there meanwhile.
fs::path freshOutputPath(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    static const unsigned seed = std::random_device{}();
    fs::path candidate;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[32];
        std::snprintf(suffix, sizeof suffix, "%08x%04x", seed, counter.fetch_add(1) & 0xFFFFu);
        candidate = target.parent_path() / ("~ADUI0001-" + std::string(suffix) + ".WAV");
        if (isAbsent(candidate)) break;
    }
    return candidate;
}

// A partial sound left by a conversion that never finished (the program was killed): a name only
// freshOutputPath() makes.
bool isPartialSoundName(const std::string& name) {
    static constexpr std::string_view prefix = "~ADUI0001-", suffix = ".WAV";
    if (name.size() != prefix.size() + 12 + suffix.size() || !name.starts_with(prefix) || !name.ends_with(suffix))
        return false;
    for (std::size_t i = prefix.size(); i < prefix.size() + 12; ++i)
        if (!std::isxdigit(static_cast<unsigned char>(name[i]))) return false;
    return true;
}

void removePartialSounds(const fs::path& folder) {
    std::vector<fs::path> partial;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (isPartialSoundName(it->path().filename().string())) partial.push_back(it->path());
    for (const fs::path& file : partial) {
        if (fs::is_directory(fs::symlink_status(file, ec))) continue;
        fs::remove(file, ec);  // a link goes itself, never what it points to
    }
}

// The tool ended well only if it left a WAV with samples in it.
bool holdsSound(const fs::path& file) {
    const std::optional<WavInfo> wav = readWavInfo(file);
    return wav && wav->dataBytes > 0;
}

}  // namespace

fs::path pictureFolderOf(const fs::path& cardRoot) {
    return cardRoot / "DCIM" / "100QVTIM";
}

GameCallAudio::GameCallAudio(fs::path systemRoot, std::string ffmpeg)
    : systemRoot_(std::move(systemRoot)), ffmpeg_(std::move(ffmpeg)) {}

fs::path GameCallAudio::tempFolder() const {
    return tempFolderOf(systemRoot_);
}

std::string GameCallAudio::toolPath() const {
    return resolveTool(ffmpeg_, tempFolder());
}

bool GameCallAudio::stageConverter() {
    const fs::path folder = tempFolder();
    bool emptied = true;
    if (isAbsent(folder)) {
        (void)platform::createDirectories(folder);  // a failure shows later, when the tool is missing
    } else if (!isLink(folder)) {  // a link is left alone: its files belong to someone else
        emptied = clearDirTree(folder);
    }
#ifdef _WIN32
    // The Windows build ships the tool beside the program and runs a copy from the folder.
    copyToolFiles(platform::programDir(), folder);
#endif
    platform::setHidden(folder);
    return emptied;
}

void GameCallAudio::emptyTempFolder() {
    const fs::path folder = tempFolder();
    if (!isLink(folder)) clearDirTree(folder);
}

bool GameCallAudio::placeSound(const fs::path& source, const fs::path& root, GameCallPrompts& prompts) {
    // Without a present card there is no place for the sound (and never the current folder).
    if (root.empty() || !platform::isDirectory(root)) return false;
    const fs::path pictures = pictureFolderOf(root);
    // Folders that are links lead off the card: nothing there is renamed, replaced or written.
    if (isLink(pictures.parent_path()) || isLink(pictures)) return false;
    std::error_code ec;
    fs::create_directory(pictures.parent_path(), ec);  // a failure surfaces when the sound is written
    fs::create_directory(pictures, ec);

    const fs::path photo = pictures / kFirstPhoto;
    const fs::path video = pictures / kFirstVideo;
    if (platform::pathExists(photo) || platform::pathExists(video)) {
        platform::clearReadOnly(photo);
        platform::clearReadOnly(video);
        if (!prompts.mayRenameFirstFiles()) {
            prompts.notify(Notice::GivenUp, {});
            return true;  // the user's choice, not a failure
        }
        if (!platform::renameIfExist(photo, pictures / kFirstPhotoRenamed) ||
            !platform::renameIfExist(video, pictures / kFirstVideoRenamed)) {
            prompts.notify(Notice::RenameFailed, {});
            return false;
        }
        prompts.notify(Notice::FirstFilesRenamed, {});
    }
    return runTransform(source, pictures / kGameCallSoundName, prompts);
}

bool GameCallAudio::runTransform(const fs::path& source, const fs::path& target, GameCallPrompts& prompts) {
    const std::string tool = toolPath();
    if (tool.empty()) {
        prompts.notify(Notice::TransformFailed, {});
        return false;
    }
    std::error_code ec;
    fs::path input = fs::absolute(source, ec);
    if (ec) input = source;
    // A pipe or a device would keep the tool (and the user) waiting for ever.
    if (!platform::isRegularFile(input)) return false;

    // From here on a signal to end the program first stops the tool and removes its partial file.
    platform::InterruptGuard interrupt;
    removePartialSounds(target.parent_path());
    const fs::path output = freshOutputPath(target);
    platform::ProcessRequest request;
    request.program = tool;
    request.arguments = conversionArguments(input, output);
    request.title = kProgressTitle;
    request.durationSeconds = durationSeconds(input).value_or(0);
    request.progressOf = parseProgressTime;
    const platform::ProcessOutcome outcome = prompts.runTool(request);
    if (platform::InterruptGuard::requested()) {
        platform::deleteIfExist(output);
        interrupt.endProgram();
    }

    if (!outcome.started) {
        platform::deleteIfExist(output);
        prompts.notify(Notice::TransformFailed, {});
        return false;
    }
    if (outcome.cancelled) {
        platform::deleteIfExist(output);
        prompts.notify(Notice::GivenUp, {});
        return true;  // given up, like declining the rename question
    }
    if (outcome.crashed || outcome.exitCode != 0 || !holdsSound(output)) {
        platform::deleteIfExist(output);
        return false;
    }

    // only now, with the new sound complete, does the previous one go.
    platform::clearReadOnly(target);
    if (!platform::deleteIfExist(target)) {
        platform::deleteIfExist(output);
        prompts.notify(Notice::OldSoundKept, target);
        return false;
    }
    if (!platform::renameIfExist(output, target)) {
        platform::deleteIfExist(output);
        return false;
    }
    return true;
}

}  // namespace qvt::audio
