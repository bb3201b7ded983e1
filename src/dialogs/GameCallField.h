// SPDX-License-Identifier: Apache-2.0
#pragma once
// The game call in a settings dialog: the audio file field with its "+" button, and what the user
// is asked and told while the sound is converted onto the card.
#include <filesystem>
#include <functional>
#include <string>

#include "audio/GameCallAudio.h"
#include "ui/Dialog.h"

namespace qvt::dialogs {

inline constexpr const char* kChooseAudioPlaceholder = "Choose audio file!";

class GameCallField : private audio::GameCallPrompts {  // one per game-call settings dialog
public:
    // `cardRoot` gives the volume the sound goes to ("" when none); `systemRoot` and `ffmpeg` are
    // the conversion tool's place and name (see audio::GameCallAudio).
    GameCallField(ui::Dialog& dialog, std::filesystem::path systemRoot, std::string ffmpeg,
                  std::function<std::filesystem::path()> cardRoot, int fieldId = 1001);

    // Empties (or creates) the tool's temporary folder; says so when it cannot be emptied.
    void stageConverter();
    void emptyTempFolder() { audio_.emptyTempFolder(); }
    std::filesystem::path tempFolder() const { return audio_.tempFolder(); }
    std::string toolPath() const { return audio_.toolPath(); }

    // The field shows "Choose audio file!" again; the remembered file is forgotten.
    void resetField();
    // The "+" button: the file-open dialog and its questions; the field shows the outcome.
    void chooseAudioFile();
    // Converts the chosen file onto the card (after a save with Game Call on). True when there was
    // nothing to do, the user gave up, or the sound is in place; false → the dialog reports failure.
    bool convertGameCallSound();
    bool runTransform(const std::filesystem::path& source, const std::filesystem::path& target) {
        return audio_.runTransform(source, target, *this);
    }

    const std::string& rememberedPath() const { return path_; }

private:
    bool mayRenameFirstFiles() override;
    void notify(Notice notice, const std::filesystem::path& path) override;
    platform::ProcessOutcome runTool(const platform::ProcessRequest& request) override;
    void showPath();

    ui::Dialog& dialog_;
    audio::GameCallAudio audio_;
    std::function<std::filesystem::path()> cardRoot_;
    int fieldId_;
    std::string path_ = kChooseAudioPlaceholder;
};

}  // namespace qvt::dialogs
