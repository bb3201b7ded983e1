// SPDX-License-Identifier: Apache-2.0
#include "dialogs/GameCallField.h"

#include <optional>
#include <system_error>

#include "audio/TransformTool.h"
#include "dialogs/DialogParts.h"
#include "platform/FileOps.h"

namespace fs = std::filesystem;

namespace qvt::dialogs {

namespace {

using ui::Answer;
using ui::Buttons;
using ui::Icon;

constexpr std::string_view kTips = ui::kTipsCaption;
constexpr const char* kAppCaption = "";  // the application's name

constexpr const char* kNotExist = "File is not exist !";
constexpr const char* kRetainQuestion = "Whether retain the directory record of audio file last time you added ?";
constexpr const char* kRenameQuestion =
    "You must rename the existed \"IMAG0001.JPG\" and \"VIDE0001.AVI\" if you want to save the audio file ,continue ?";
constexpr const char* kGivenUp = "You have given up saving audio file !";
constexpr const char* kRenameFailed = "Failed to rename \"IMAG0001.JPG\" or \"VIDE0001.AVI\" !";
constexpr const char* kSaved = "OK,audio file have been saved !";
constexpr const char* kTransformFailed = "Transform Failed.";
// Why, and how to get the tool on this kind of PC.
constexpr const char* kToolMissing =
    "FFmpeg converts the sound for the camera and could not be started."
#if defined(_WIN32)
    " ffmpeg.exe ships beside qvt-config.exe: reinstall QVT CONFIG to bring it back.";
#elif defined(__APPLE__)
    " Install FFmpeg, for example with Homebrew: brew install ffmpeg";
#else
    " Install FFmpeg with the system's package manager; on Debian or Ubuntu: sudo apt install ffmpeg";
#endif

}  // namespace

GameCallField::GameCallField(ui::Dialog& dialog, fs::path systemRoot, std::string ffmpeg,
                             std::function<fs::path()> cardRoot, int fieldId)
    : dialog_(dialog),
      audio_(std::move(systemRoot), std::move(ffmpeg)),
      cardRoot_(std::move(cardRoot)),
      fieldId_(fieldId) {}

void GameCallField::stageConverter() {
    if (!audio_.stageConverter())
        dialog_.message("Delete Directory \"" + audio::pathText(audio_.tempFolder()) + "\" failed !", kAppCaption,
                        Icon::None);
}

void GameCallField::resetField() {
    path_ = kChooseAudioPlaceholder;
    showPath();
}

void GameCallField::showPath() {
    dialog_.setTextQuiet(fieldId_, path_);
}

void GameCallField::chooseAudioFile() {
    path_ = dialog_.text(fieldId_);  // what the user sees is what is remembered
    const bool chosenBefore = path_ != kChooseAudioPlaceholder;
    const std::optional<std::string> answer = dialog_.host().openFile(&dialog_, audioFileRequest());
    if (answer) {
        const fs::path file = audio::pathFromText(*answer);
        if (!answer->empty() && platform::pathExists(file)) {
            // Any existing file is accepted; the tool decides whether it can read it.
            std::error_code ec;
            const fs::path full = fs::absolute(file, ec);
            path_ = audio::pathText(ec ? file : full);
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

bool GameCallField::convertGameCallSound() {
    const std::string source = dialog_.text(fieldId_);
    if (source == kChooseAudioPlaceholder) return true;
    return audio_.placeSound(audio::pathFromText(source), cardRoot_ ? cardRoot_() : fs::path(), *this);
}

bool GameCallField::mayRenameFirstFiles() {
    return dialog_.message(kRenameQuestion, kTips, Icon::Warning, Buttons::OkCancel) == Answer::Ok;
}

void GameCallField::notify(Notice notice, const fs::path& path) {
    switch (notice) {
        case Notice::GivenUp: dialog_.message(kGivenUp, kTips, Icon::Information); return;
        case Notice::RenameFailed: dialog_.message(kRenameFailed, kTips, Icon::Warning); return;
        case Notice::FirstFilesRenamed: dialog_.message(kSaved, kAppCaption, Icon::None); return;
        case Notice::TransformFailed:
            dialog_.message({.text = kTransformFailed, .caption = kAppCaption, .icon = Icon::Warning,
                             .explanation = kToolMissing});
            return;
        case Notice::OldSoundKept:
            dialog_.message("Failed to delete " + audio::pathText(path) + " !", kAppCaption, Icon::None);
            return;
    }
}

platform::ProcessOutcome GameCallField::runTool(const platform::ProcessRequest& request) {
    return dialog_.host().runProcess(&dialog_, request);
}

}  // namespace qvt::dialogs
