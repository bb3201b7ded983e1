// SPDX-License-Identifier: Apache-2.0
#pragma once
// The game-call sound: the conversion tool's temporary folder, and placing the converted sound on
// the card as <card>/DCIM/100QVTIM/ADUI0001.WAV, where the camera plays it from. What the user is
// asked and told on the way is the dialog's business (GameCallPrompts).
#include <filesystem>
#include <string>

#include "platform/Process.h"

namespace qvt::audio {

inline constexpr const char* kGameCallSoundName = "ADUI0001.WAV";

// The card's picture folder, "<card>/DCIM/100QVTIM".
std::filesystem::path pictureFolderOf(const std::filesystem::path& cardRoot);

// What placing the sound asks of the dialog that placed it.
class GameCallPrompts {
public:
    GameCallPrompts() = default;
    GameCallPrompts(const GameCallPrompts&) = delete;
    GameCallPrompts& operator=(const GameCallPrompts&) = delete;
    enum class Notice {
        GivenUp,            // the user declined the rename or stopped the tool
        RenameFailed,       // photo or video 0001 could not move aside
        FirstFilesRenamed,  // they moved aside; the conversion follows
        TransformFailed,    // the tool could not be started
        OldSoundKept,       // the previous sound (the path) could not be deleted
    };
    // Photo and video 0001 must move aside for the sound: may they?
    virtual bool mayRenameFirstFiles() = 0;
    virtual void notify(Notice notice, const std::filesystem::path& path) = 0;
    // Runs the tool while the user sees its progress and may stop it.
    virtual platform::ProcessOutcome runTool(const platform::ProcessRequest& request) = 0;
    virtual ~GameCallPrompts() = default;
};

class GameCallAudio {
public:
    // `systemRoot` holds the tool's temporary folder; `ffmpeg` is the tool given on the command line
    // ("" = staged or on PATH).
    GameCallAudio(std::filesystem::path systemRoot, std::string ffmpeg);

    // Empties (or creates) the temporary folder and, on Windows, copies the tool into it. False when
    // the folder could not be emptied.
    bool stageConverter();
    // Leaving the dialog: the temporary folder is emptied (failures are of no interest then).
    void emptyTempFolder();
    std::filesystem::path tempFolder() const;
    std::string toolPath() const;

    // Converts `source` onto the card at `cardRoot` (after a save with Game Call on). True when the
    // user gave up or the sound is in place; false → the dialog reports failure.
    bool placeSound(const std::filesystem::path& source, const std::filesystem::path& cardRoot,
                    GameCallPrompts& prompts);
    // Converts `source` into a temporary file beside `target`, then replaces `target` by it. The
    // previous `target` stays until the new sound exists. False when the tool could not be started,
    // failed, produced no sound, or the previous sound could not be deleted. A run stopped by the
    // user counts as given up (true).
    bool runTransform(const std::filesystem::path& source, const std::filesystem::path& target,
                      GameCallPrompts& prompts);

private:
    std::filesystem::path systemRoot_;
    std::string ffmpeg_;
};

}  // namespace qvt::audio
