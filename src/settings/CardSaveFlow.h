// SPDX-License-Identifier: Apache-2.0
#pragma once
// Finding the memory card, offering the candidate settings-file paths in the dialog's path list,
// reading the card file or the backup when a dialog opens, and the whole "Save": checks,
// confirmation, removal of stale files, the card file, the backup copy and the report.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "platform/Volumes.h"
#include "settings/SaveDiff.h"
#include "ui/DialogViews.h"

namespace qvt::settings {

// What differs between the settings dialogs; each product words its own messages.
struct SaveFlowConfig {
    std::string fileCode;  // "HX710T": the file name stem and the "Model" value
    bool trimPathOnSave = true;
    // Volume-missing message: text before and after ROOT.
    std::string volumeMissingBefore;
    std::string volumeMissingAfter;
    std::string confirmText;
    std::string reportPrefix;
};

// The two copies of a product's settings file.
enum class FileTarget { Card, Backup };

// The product's file operations: read the file into the dialog, write the dialog into the file.
// Writing returns whether the file was written and verified, and sets the system's error when not.
struct SettingsFileAccess {
    std::function<bool(FileTarget)> read;
    std::function<bool(FileTarget, std::error_code&)> write;
};

// What the save flow needs of its dialog: message boxes, the list of card file paths, and closing
// the dialog when its folder turns out to be unusable.
struct SaveFlowDialog {
    ui::MessageBoxes& messages;
    ui::ListBox pathList;
    std::function<void()> cancel;
};

class CardSaveFlow {
public:
    CardSaveFlow(SaveFlowDialog dialog, platform::Volumes& volumes, SaveFlowConfig config, SettingsFileAccess files);

    void scanAndLoad();  // the dialog opens: find the card, fill the path list, read card or backup
    void save();         // "Save": checks, confirmation, card file, backup and report
    void refreshCardPathList();  // the path list is about to drop down
    void takeCardPath();         // the path list's selection changed
    bool deleteOtherCardFiles(const std::filesystem::path& keepRoot);
    // This product's valid files on the other volumes, which a save to `keepRoot` deletes.
    std::vector<std::string> findOtherCardFiles(const std::filesystem::path& keepRoot) const;

    // The bytes the card write would produce now; with it the confirmation lists what a save changes.
    void setCardPreview(std::function<std::string()> preview) { preview_ = std::move(preview); }
    // How the confirmation words the details for a person (the window's labels and values); without
    // it the window shows the file's own lines.
    void setDetailsWording(std::function<std::vector<std::string>(const SavePreview&)> wording) {
        wording_ = std::move(wording);
    }

    const std::string& cardFilePath() const { return cardFilePath_; }
    std::filesystem::path backupFilePath() const;
    // The volume root of the card file path (the "F:" of the game-call paths), empty when unknown.
    std::filesystem::path cardRoot() const;
    // The volume the last Save was aimed at and found present; empty when that save found none (the
    // path was no item, or the card had gone). The game-call sound goes there and nowhere else.
    const std::filesystem::path& saveVolume() const { return saveVolume_; }
    const SaveFlowConfig& config() const { return config_; }
    // At opening: the chosen card's file that was no valid settings file of the product and is kept
    // as it is until a Save replaces it (empty when there was none, or once a Save has replaced it);
    // and whether a settings file (card or backup) was read into the dialog.
    const std::string& keptInvalidFile() const { return keptInvalidFile_; }
    bool readAtOpen() const { return readAtOpen_; }

    // The card candidate of a volume slot: "<root>/GSM/<CODE>.TXT" ("E:\GSM\HX710T.TXT" on Windows).
    std::string candidateText(const std::filesystem::path& slot) const;

private:
    static std::string cardDirText(const std::filesystem::path& slot);  // "<root>/GSM/"
    // "<root>/GSM" or the card file when it is a symbolic link; empty when neither is.
    std::filesystem::path linkOnTheWay(const std::filesystem::path& slot) const;
    static std::string rootTextOf(const std::string& candidate, const std::optional<std::filesystem::path>& slot);
    std::filesystem::path backupDir() const;
    std::optional<std::filesystem::path> slotOf(const std::string& candidate);  // the slot whose candidate it is
    bool read(FileTarget target);
    bool write(FileTarget target, std::error_code& why);
    void volumeMissing(const std::string& rootText);  // message, then the path list rebuilt
    std::optional<SavePreview> preview(const std::filesystem::path& slot) const;  // for the confirmation

    ui::MessageBoxes& messages_;
    ui::ListBox pathList_;
    std::function<void()> cancel_;
    platform::Volumes& volumes_;
    SaveFlowConfig config_;
    SettingsFileAccess files_;
    std::string cardFilePath_;
    std::filesystem::path saveVolume_;
    std::function<std::string()> preview_;
    std::function<std::vector<std::string>(const SavePreview&)> wording_;
    std::string keptInvalidFile_;
    bool readAtOpen_ = false;
};

}  // namespace qvt::settings
