// SPDX-License-Identifier: Apache-2.0
#pragma once
// Finding the memory card, offering the candidate settings-file paths in the dialog's path list,
// reading the card file or the backup when a dialog opens, and the whole "Save": checks,
// confirmation, removal of stale files, the card file, the backup copy and the report.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Volumes.h"
#include "ui/DialogViews.h"

namespace qvt::settings {

// What differs between the settings dialogs.
struct SaveFlowConfig {
    std::string fileCode;  // "HX710T": the file name stem and the "Model" value
    bool trimPathOnSave = true;
    // Volume-missing message: text before and after ROOT.
    std::string volumeMissingBefore = "Can't find volume \"";
    std::string volumeMissingAfter = "\",Please check connection of your device and try again !";
    std::string confirmText = "Confirm save all the data ?";
    std::string reportPrefix = "Ok , All data has been saved in : \" ";
};

// The LP300 Series, VEX 2.0 and HX720U dialogs: the path taken as it stands at save,
// and their own wording of the missing volume and the confirmation.
inline SaveFlowConfig lp300Vex2Hx720uSaveFlow(std::string fileCode) {
    SaveFlowConfig config;
    config.fileCode = std::move(fileCode);
    config.trimPathOnSave = false;
    config.volumeMissingBefore = "Can't find the volume \"";
    config.volumeMissingAfter = "\",Please check connection and Try again !";
    config.confirmText = "Confirm Save All The Data ?";
    return config;
}

// The two copies of a product's settings file.
enum class FileTarget { Card, Backup };

// The product's file operations: read the file into the dialog, write the dialog into the file.
// Writing returns whether the file was written and verified.
struct SettingsFileAccess {
    std::function<bool(FileTarget)> read;
    std::function<bool(FileTarget)> write;
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
    bool write(FileTarget target);
    void volumeMissing(const std::string& rootText);  // message, then the path list rebuilt
    std::vector<std::string> saveDetails(const std::filesystem::path& slot) const;  // for the confirmation

    ui::MessageBoxes& messages_;
    ui::ListBox pathList_;
    std::function<void()> cancel_;
    platform::Volumes& volumes_;
    SaveFlowConfig config_;
    SettingsFileAccess files_;
    std::string cardFilePath_;
    std::filesystem::path saveVolume_;
    std::function<std::string()> preview_;
    std::string keptInvalidFile_;
    bool readAtOpen_ = false;
};

}  // namespace qvt::settings
