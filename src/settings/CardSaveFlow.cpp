// SPDX-License-Identifier: Apache-2.0
#include "settings/CardSaveFlow.h"

#include <optional>
#include <vector>

#include "settings/ProductFiles.h"
#include "platform/FileOps.h"
#include "platform/SaveLock.h"
#include "settings/KeyTable.h"

namespace fs = std::filesystem;

namespace qvt::settings {

namespace {

constexpr std::string_view kTips = ui::kTipsCaption;
constexpr std::string_view kTipsUnderscore = "QVT_Tips";  // the volume-missing box always had this caption

// Why a settings file could not be written, in the words its owner can act on, then the system's
// own text. `onCard`: the card's file, else the PC's copy.
std::string failureText(const std::error_code& why, bool onCard) {
    std::string cause;
    switch (platform::classifyWriteError(why)) {
        case platform::WriteFailure::ReadOnlyMedium:
            cause = onCard ? "The card is write-protected (read-only file system): check the card's lock switch."
                           : "The folder is on a read-only file system.";
            break;
        case platform::WriteFailure::NoSpace:
            cause = onCard ? "The card is full." : "The disk is full.";
            break;
        case platform::WriteFailure::MediumGone:
            cause = onCard ? "The card was removed." : "The disk is no longer there.";
            break;
        case platform::WriteFailure::PermissionDenied:
            cause = onCard ? "Permission denied: this user may not write to the card."
                           : "Permission denied: this user may not write there.";
            break;
        case platform::WriteFailure::Other: break;
    }
    const std::string system = why ? "The system says: " + why.message() + "." : std::string();
    return cause.empty() ? system : system.empty() ? cause : cause + "\n" + system;
}

// The card directory's name as part of a path text, with the platform's own separator
// ("GSM\" on Windows, "GSM/" elsewhere).
std::string cardDirName() {
    return std::string(settings::kCardDirName) + static_cast<char>(fs::path::preferred_separator);
}

}  // namespace

CardSaveFlow::CardSaveFlow(SaveFlowDialog dialog, platform::Volumes& volumes, SaveFlowConfig config,
                           SettingsFileAccess files)
    : messages_(dialog.messages),
      pathList_(dialog.pathList),
      cancel_(std::move(dialog.cancel)),
      volumes_(volumes), config_(std::move(config)), files_(std::move(files)) {}

fs::path CardSaveFlow::backupFilePath() const {
    return backupDir() / fileNamesFor(config_.fileCode).fileName;
}

fs::path CardSaveFlow::backupDir() const {
    return volumes_.systemRoot() / settings::kBackupDirName;
}

std::string CardSaveFlow::cardDirText(const fs::path& slot) {
    return platform::Volumes::rootText(slot) + cardDirName();
}

std::string CardSaveFlow::candidateText(const fs::path& slot) const {
    return cardDirText(slot) + fileNamesFor(config_.fileCode).fileName;
}

std::optional<fs::path> CardSaveFlow::slotOf(const std::string& candidate) {
    if (candidate.empty()) return std::nullopt;
    for (const fs::path& slot : volumes_.roots())
        if (candidateText(slot) == candidate) return slot;
    return std::nullopt;
}

fs::path CardSaveFlow::cardRoot() const {
    if (cardFilePath_.empty()) return {};
    for (const fs::path& slot : volumes_.roots())
        if (candidateText(slot) == cardFilePath_) return slot;
    return {};
}

bool CardSaveFlow::read(FileTarget target) {
    return files_.read ? files_.read(target) : false;
}

bool CardSaveFlow::write(FileTarget target, std::error_code& why) {
    return files_.write ? files_.write(target, why) : false;
}

void CardSaveFlow::scanAndLoad() {
    bool found = false;
    std::optional<fs::path> lastFree;
    const std::vector<fs::path> slots = volumes_.roots();
    for (const fs::path& slot : slots) {
        if (!volumes_.present(slot)) continue;
        const std::string candidate = candidateText(slot);
        // A folder given twice is one volume; it is listed once.
        // Items are compared as they stand: on Linux and macOS two volumes may differ only in case.
        if (pathList_.find(candidate) < 0) pathList_.add(candidate);
        // Nothing is read through a link: what it points to is not on that card.
        if (linkOnTheWay(slot).empty() && isValidSettingsFile(candidate, config_.fileCode)) {
            cardFilePath_ = candidate;
            found = true;
        } else if (!found) {
            lastFree = slot;
        }
    }

    if (found) {
        pathList_.select(pathList_.find(cardFilePath_));
        readAtOpen_ = read(FileTarget::Card);
        return;  // a valid card file wins over the backup
    }
    if (!lastFree) {
        messages_.message("No disk is valid !", kTips, ui::Icon::Error);
        return;
    }

    // No valid file anywhere: the last present volume becomes the target. Its candidate is selected
    // rather than "the last item", because real paths do not sort in slot order the way drive letters did.
    const std::string target = candidateText(*lastFree);
    pathList_.select(pathList_.find(target));
    if (linkOnTheWay(*lastFree).empty()) {
        (void)platform::createDirectories(cardDirText(*lastFree));  // a failure shows when Save writes there
        // A file there is not valid for this product (or it would have been found above): it may
        // still hold what its owner needs, so it stays as it is until a Save replaces it.
        if (platform::pathExists(target)) keptInvalidFile_ = target;
    }
    cardFilePath_ = target;

    const fs::path backupFolder = backupDir();
    if (!platform::isDirectory(backupFolder)) {
        (void)platform::createDirectories(backupFolder);  // a failure shows when Save writes the backup
        return;
    }
    // An invalid backup stays too; the next Save writes a new one in its place.
    if (isValidSettingsFile(backupFilePath(), config_.fileCode)) readAtOpen_ = read(FileTarget::Backup);
}

void CardSaveFlow::refreshCardPathList() {
    const std::vector<fs::path> slots = volumes_.roots();
    for (const fs::path& slot : slots) {
        const std::string candidate = candidateText(slot);
        const int pos = pathList_.find(candidate);
        if (volumes_.present(slot)) {
            if (pos < 0) pathList_.append(candidate);
        } else if (pos >= 0) {
            pathList_.remove(pos);
            pathList_.select(pathList_.count() - 1);
            takeCardPath();
        }
    }
}

void CardSaveFlow::takeCardPath() {
    cardFilePath_ = platform::trim(pathList_.selText());
}

fs::path CardSaveFlow::linkOnTheWay(const fs::path& slot) const {
    fs::path dir = slot / settings::kCardDirName;
    if (platform::isSymlink(dir)) return dir;
    fs::path file = dir / fileNamesFor(config_.fileCode).fileName;
    if (platform::isSymlink(file)) return file;
    return {};
}

std::vector<std::string> CardSaveFlow::findOtherCardFiles(const fs::path& keepRoot) const {
    const std::string keep = platform::Volumes::rootText(keepRoot);
    std::vector<std::string> found;
    const std::vector<fs::path> slots = volumes_.roots();
    for (const fs::path& slot : slots) {
        if (platform::Volumes::rootText(slot) == keep) continue;
        if (!platform::isDirectory(cardDirText(slot))) continue;
        // Never through a "GSM" link (its files are not on that card), and never the kept card's own
        // folder seen under another name (a link to the volume, a bind mount): that file is the new one.
        if (!linkOnTheWay(slot).empty() ||
            platform::sameEntry(slot / settings::kCardDirName, keepRoot / settings::kCardDirName))
            continue;
        const std::string candidate = candidateText(slot);
        // only this product's own valid files: other models' files and foreign files stay.
        if (isValidSettingsFile(candidate, config_.fileCode)) found.push_back(candidate);
    }
    return found;
}

bool CardSaveFlow::deleteOtherCardFiles(const fs::path& keepRoot) {
    for (const std::string& candidate : findOtherCardFiles(keepRoot)) {
        platform::clearReadOnly(candidate);
        if (!platform::deleteIfExist(candidate)) {
            messages_.message("Can't delete \"" + candidate + "\",Please delete it manually!", kTips, ui::Icon::Warning);
            return false;
        }
    }
    return true;
}

void CardSaveFlow::volumeMissing(const std::string& rootText) {
    messages_.message(config_.volumeMissingBefore + rootText + config_.volumeMissingAfter, kTipsUnderscore,
                    ui::Icon::Warning);
    pathList_.reset();
    const std::vector<fs::path> slots = volumes_.roots();
    for (const fs::path& slot : slots) {
        if (!volumes_.present(slot)) continue;
        const std::string candidate = candidateText(slot);
        if (pathList_.find(candidate) < 0) pathList_.append(candidate);
    }
    if (pathList_.count() > 0) {
        pathList_.select(pathList_.count() - 1);
        takeCardPath();
    } else {
        messages_.message("Error : No disk is valid,Please reboot and try again !", kTips, ui::Icon::Error);
    }
}

std::string CardSaveFlow::rootTextOf(const std::string& candidate, const std::optional<fs::path>& slot) {
    if (slot) return platform::Volumes::rootText(*slot);
    // Every item is some volume's candidate, so this is only a safeguard: name the folder that
    // holds "GSM", the way the candidate was formed.
    const fs::path root = fs::path(candidate).parent_path().parent_path();
    return root.empty() ? candidate : platform::Volumes::rootText(root);
}

void CardSaveFlow::save() {
    saveVolume_.clear();
    std::string text = pathList_.selText();
    if (config_.trimPathOnSave) text = platform::trim(text);

    if (pathList_.find(text) < 0) {
        messages_.message("The file directory \"" + text + "\" is invalid, Please reboot the application and try again!",
                        kTips, ui::Icon::Error);
        cancel_();
        return;
    }
    cardFilePath_ = text;  // the list's text is the dialog's stored card path

    std::optional<fs::path> slot = slotOf(text);
    if (!slot || !volumes_.present(*slot)) {
        volumeMissing(rootTextOf(text, slot));
        return;
    }

    refreshCardPathList();
    if (!volumes_.present(*slot)) {  // removed in the meantime
        volumeMissing(platform::Volumes::rootText(*slot));
        return;
    }
    // Another volume that vanished makes the drop-down rule select the last item; the save still
    // goes to the volume that was checked above, never silently to another card.
    if (cardFilePath_ != text) {
        pathList_.select(pathList_.find(text));
        cardFilePath_ = text;
    }
    // Nothing is written through a link on the card: it leads somewhere else.
    if (const fs::path link = linkOnTheWay(*slot); !link.empty()) {
        messages_.message("\"" + link.string() + "\" is a symbolic link, not a folder or file on the card " +
                              platform::Volumes::rootText(*slot) + ". Nothing was saved.",
                          kTips, ui::Icon::Warning);
        return;
    }

    // Cancel leaves the card and the PC exactly as they are, and the sound stays where it is.
    ui::Message confirmation{config_.confirmText, std::string(kTips), ui::Icon::Question, ui::Buttons::OkCancel};
    if (const std::optional<SavePreview> planned = preview(*slot)) {
        confirmation.details = settings::saveDetails(*planned);
        if (wording_) confirmation.detailsShown = wording_(*planned);
    }
    if (messages_.message(confirmation) != ui::Answer::Ok) return;

    const std::string cardFile = cardFilePath_;
    const fs::path backup = backupFilePath();
    bool cardWritten = false;
    bool cardIsFile = true;
    bool backupWritten = false;
    std::error_code cardError;
    std::error_code backupError;
    {
        // One save at a time on this PC: another copy of the program deleting "the other card's file"
        // while this one writes would take the new file of either for a stale one.
        const platform::SaveLock lock(volumes_.systemRoot());
        if (lock.state() == platform::SaveLock::State::Held) {
            messages_.message("Another " + std::string(ui::kAppName) +
                                  " is saving settings at this moment. Nothing was saved: please press "
                                  "Save again when it has finished.",
                              kTips, ui::Icon::Warning);
            return;
        }
        saveVolume_ = *slot;

        const std::string cardDir = cardDirText(*slot);
        // A folder that cannot be made shows as the card write's failure below, with its cause.
        if (!platform::isDirectory(cardDir)) (void)platform::createDirectories(cardDir, cardError);
        // What an interrupted earlier save of this file left beside it goes now.
        platform::removeStaleTemporaries(cardFile);

        // Write first, delete after: the new card file (written from scratch, keys in the camera's
        // order) replaces the old one in a single rename, so a failed write leaves the old file; the
        // same product's files on the other volumes go only once the new one is in place and verified.
        // Only a regular file is replaced: a FIFO or a device in its place is no settings file.
        platform::clearReadOnly(cardFile);
        cardIsFile = platform::isRegularFileOrAbsent(cardFile);
        std::error_code cardWriteError;
        cardWritten = cardIsFile && write(FileTarget::Card, cardWriteError);
        if (!cardError) cardError = cardWriteError;  // the folder's error, where it could not be made, says more
        if (cardWritten) {
            keptInvalidFile_.clear();
            deleteOtherCardFiles(*slot);
        }

        platform::clearReadOnly(backup);
        if (!platform::isDirectory(backupDir())) (void)platform::createDirectories(backupDir(), backupError);
        // The backup is written whatever happened to the card: it keeps the settings on the PC.
        std::error_code backupWriteError;
        backupWritten = write(FileTarget::Backup, backupWriteError);
        if (!backupError) backupError = backupWriteError;
    }

    if (cardWritten) {
        messages_.message(config_.reportPrefix + cardFile + " \" !", kTips, ui::Icon::Information);
    } else {
        // Why, as far as the system tells: a card gone meanwhile is named as such whatever the error.
        std::string why;
        if (!volumes_.present(*slot))
            why = "The card was removed.";
        else if (!cardIsFile)
            why = "Something that is not a file stands in its place (a folder, a device or a pipe).";
        else
            why = failureText(cardError, true);
        if (backupWritten)
            why += (why.empty() ? "" : "\n") + std::string("The new values are kept in the PC's copy: ") +
                   backup.string();
        messages_.message({.text = "Error : The data could not be saved in : \" " + cardFile + " \" !",
                           .caption = std::string(kTips),
                           .icon = ui::Icon::Error,
                           .explanation = why});
    }
    if (!backupWritten)
        messages_.message({.text = "Error : The back-up copy could not be saved in : \" " + backup.string() + " \" !",
                           .caption = std::string(kTips),
                           .icon = ui::Icon::Warning,
                           .explanation = failureText(backupError, false)});
}

std::optional<SavePreview> CardSaveFlow::preview(const fs::path& slot) const {
    if (!preview_) return std::nullopt;
    return previewSave(cardFilePath_, preview_(), inspectTarget(cardFilePath_, config_.fileCode),
                       findOtherCardFiles(slot), slot);
}

}  // namespace qvt::settings
