// SPDX-License-Identifier: Apache-2.0
#include "audio/GameCallAudio.h"

#include <atomic>
#include <cctype>
#include <cstdio>
#include <optional>
#include <random>

#include "audio/AudioFileInfo.h"
#include "platform/FileOps.h"
#include "platform/Process.h"
#include "platform/ProgramDir.h"

namespace fs = std::filesystem;

namespace qvt::audio {

namespace {

using ui::Answer;
using ui::Buttons;
using ui::Icon;

constexpr const char* kTips = "QVT Tips";
constexpr const char* kAppCaption = "";  // the application's name

constexpr const char* kNotExist = "File is not exist !";
constexpr const char* kRetainQuestion = "Whether retain the directory record of audio file last time you added ?";
constexpr const char* kRenameQuestion =
    "You must rename the existed \"IMAG0001.JPG\" and \"VIDE0001.AVI\" if you want to save the audio file ,continue ?";
constexpr const char* kGivenUp = "You have given up saving audio file !";
constexpr const char* kRenameFailed = "Failed to rename \"IMAG0001.JPG\" or \"VIDE0001.AVI\" !";
constexpr const char* kSaved = "OK,audio file have been saved !";
constexpr const char* kTransformFailed = "Transform Failed.";
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

GameCallAudio::GameCallAudio(ui::Dialog& dialog, app::AppContext& context, std::function<fs::path()> cardRoot,
                             int fieldId)
    : dialog_(dialog), context_(context), cardRoot_(std::move(cardRoot)), fieldId_(fieldId) {}

fs::path GameCallAudio::tempFolder() const {
    return tempFolderOf(context_.systemRoot());
}

std::string GameCallAudio::toolPath() const {
    return resolveTool(context_.ffmpeg, tempFolder());
}

void GameCallAudio::stageConverter() {
    const fs::path folder = tempFolder();
    if (isAbsent(folder)) {
        platform::createDirectories(folder);  // a failure shows later, when the tool is missing
    } else if (!isLink(folder) && !clearDirTree(folder)) {
        // (A link is left alone: its files belong to someone else.)
        dialog_.message("Delete Directory \"" + pathText(folder) + "\" failed !", kAppCaption, Icon::None);
    }
#ifdef _WIN32
    // The Windows build ships the tool beside the program and runs a copy from the folder.
    copyToolFiles(platform::programDir(), folder);
#endif
    platform::setHidden(folder);
}

void GameCallAudio::emptyTempFolder() {
    const fs::path folder = tempFolder();
    if (!isLink(folder)) clearDirTree(folder);
}

void GameCallAudio::resetField() {
    path_ = kChooseAudioPlaceholder;
    showPath();
}

void GameCallAudio::showPath() {
    dialog_.setTextQuiet(fieldId_, path_);
}

void GameCallAudio::chooseAudioFile() {
    path_ = dialog_.text(fieldId_);  // what the user sees is what is remembered
    const bool chosenBefore = path_ != kChooseAudioPlaceholder;
    const std::optional<std::string> answer = dialog_.host().openFile(&dialog_, kAudioFilter);
    if (answer) {
        const fs::path file = pathFromText(*answer);
        if (!answer->empty() && platform::pathExists(file)) {
            // Any existing file is accepted; the tool decides whether it can read it.
            std::error_code ec;
            const fs::path full = fs::absolute(file, ec);
            path_ = pathText(ec ? file : full);
        } else if (chosenBefore) {
            const std::string question = std::string(kNotExist) + " \n" + kRetainQuestion;
            if (dialog_.message(question, kTips, Icon::Warning, Buttons::OkCancel) != Answer::Ok)
                path_ = kChooseAudioPlaceholder;
        } else {
            dialog_.message(kNotExist, kTips, Icon::Warning);
        }
    } else if (chosenBefore) {
        if (dialog_.message(kRetainQuestion, kTips, Icon::Question, Buttons::OkCancel) != Answer::Ok)
            path_ = kChooseAudioPlaceholder;
    }
    showPath();
}

bool GameCallAudio::convertGameCallSound() {
    const std::string source = dialog_.text(fieldId_);
    if (source == kChooseAudioPlaceholder) return true;

    // Without a present card there is no place for the sound (and never the current folder).
    const fs::path root = cardRoot_ ? cardRoot_() : fs::path();
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
        if (dialog_.message(kRenameQuestion, kTips, Icon::Warning, Buttons::OkCancel) != Answer::Ok) {
            dialog_.message(kGivenUp, kTips, Icon::Information);
            return true;  // the user's choice, not a failure
        }
        if (!platform::renameIfExist(photo, pictures / kFirstPhotoRenamed) ||
            !platform::renameIfExist(video, pictures / kFirstVideoRenamed)) {
            dialog_.message(kRenameFailed, kTips, Icon::Warning);
            return false;
        }
        dialog_.message(kSaved, kAppCaption, Icon::None);
    }
    return runTransform(pathFromText(source), pictures / kGameCallSoundName);
}

bool GameCallAudio::runTransform(const fs::path& source, const fs::path& target) {
    const std::string tool = toolPath();
    if (tool.empty()) {
        dialog_.message(kTransformFailed, kAppCaption, Icon::Warning);
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
    ui::ProcessRequest request;
    request.program = tool;
    request.arguments = conversionArguments(input, output);
    request.title = kProgressTitle;
    request.durationSeconds = durationSeconds(input).value_or(0);
    const ui::ProcessOutcome outcome = dialog_.host().runProcess(&dialog_, request);
    if (platform::InterruptGuard::requested()) {
        platform::deleteIfExist(output);
        interrupt.endProgram();
    }

    if (!outcome.started) {
        platform::deleteIfExist(output);
        dialog_.message(kTransformFailed, kAppCaption, Icon::Warning);
        return false;
    }
    if (outcome.cancelled) {
        platform::deleteIfExist(output);
        dialog_.message(kGivenUp, kTips, Icon::Information);
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
        dialog_.message("Failed to delete " + pathText(target) + " !", kAppCaption, Icon::None);
        return false;
    }
    if (!platform::renameIfExist(output, target)) {
        platform::deleteIfExist(output);
        return false;
    }
    return true;
}

}  // namespace qvt::audio
