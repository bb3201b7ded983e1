// SPDX-License-Identifier: Apache-2.0
#pragma once
// The game-call sound of a settings dialog: the audio file the user picks with "+", the conversion
// tool's temporary folder, and placing the converted sound on the card as
// <card>/DCIM/100QVTIM/ADUI0001.WAV, where the camera plays it from.
#include <filesystem>
#include <functional>
#include <string>

#include "audio/TransformTool.h"
#include "ui/Dialog.h"

namespace qvt::audio {

inline constexpr const char* kChooseAudioPlaceholder = "Choose audio file!";
inline constexpr const char* kAudioFilter = "Audio File(*.mp3,*.wav,*.aac)|*.mp3;*.wav;*.aac||";
inline constexpr const char* kGameCallSoundName = "ADUI0001.WAV";

// The card's picture folder, "<card>/DCIM/100QVTIM".
std::filesystem::path pictureFolderOf(const std::filesystem::path& cardRoot);

class GameCallAudio {  // one per game-call settings dialog
public:
    // `systemRoot` holds the conversion tool's temporary folder; `ffmpeg` is the tool given on the
    // command line ("" = staged or on PATH); `cardRoot` gives the volume root of the card file path
    // chosen in the dialog ("" when none).
    GameCallAudio(ui::Dialog& dialog, std::filesystem::path systemRoot, std::string ffmpeg,
                  std::function<std::filesystem::path()> cardRoot, int fieldId = 1001);

    // Empties (or creates) the temporary folder and, on Windows, copies the tool into it.
    void stageConverter();
    // The field shows "Choose audio file!" again; the remembered file is forgotten.
    void resetField();
    // The "+" button: the file-open dialog and its questions; the field shows the outcome.
    void chooseAudioFile();
    // Converts the chosen file onto the card (after a save with Game Call on). True when there was
    // nothing to do, the user gave up, or the sound is in place; false → the dialog reports failure.
    bool convertGameCallSound();
    // Converts `source` into a temporary file beside `target`, then replaces `target` by it. The
    // previous `target` stays until the new sound exists. False when the tool could not be started,
    // failed, produced no sound, or the previous sound could not be deleted (each with its message
    // where the user needs one). A run stopped by the user counts as given up (true).
    bool runTransform(const std::filesystem::path& source, const std::filesystem::path& target);
    // Leaving the dialog: the temporary folder is emptied (failures are of no interest then).
    void emptyTempFolder();
    std::filesystem::path tempFolder() const;

    const std::string& rememberedPath() const { return path_; }
    std::string toolPath() const;

private:
    void showPath();

    ui::Dialog& dialog_;
    std::filesystem::path systemRoot_;
    std::string ffmpeg_;
    std::function<std::filesystem::path()> cardRoot_;
    int fieldId_;
    std::string path_ = kChooseAudioPlaceholder;
};

}  // namespace qvt::audio
