// SPDX-License-Identifier: Apache-2.0
#include "dialogs/ProductSettingsDialog.h"

#include <optional>

#include "dialogs/AboutDialog.h"
#include "dialogs/WapInternetDialog.h"
#include "platform/FileOps.h"
#include "settings/KeyTable.h"
#include "settings/ProfileFile.h"

namespace qvt::dialogs {

ProductSettingsDialog::ProductSettingsDialog(ui::Host& host, ui::DialogTemplate tmpl, dialogs::AppContext& context,
                                             RuleSet rules, ProductDialogConfig config)
    : SettingsDialogBase(host, std::move(tmpl), context, std::move(rules)),
      config_(std::move(config)),
      saveFlow_({*this, list(config_.pathListId), [this] { end(ui::Result::Cancel); }}, context.volumes, config_.saveFlow, {[this](settings::FileTarget t) { return readSettingsFile(t); }, [this](settings::FileTarget t) { return writeSettingsFile(t); }}),
      lists_({*this, list(config_.lists.countryListId), list(config_.lists.operatorListId), config_.lists.checkButtonId},
             context.messaging, config_.lists.texts,
             [this] {
                 WapInternetDialog editor(this->host(), this->context());
                 return this->host().runModal(editor);
             }),
      keyTable_(std::make_unique<settings::KeyTable>()) {
    saveFlow_.setCardPreview([this] { return cardFileBytes(); });
}

ProductSettingsDialog::~ProductSettingsDialog() = default;

void ProductSettingsDialog::setKeyTable(settings::KeyTable table) { *keyTable_ = std::move(table); }

namespace {
std::filesystem::path pathOf(settings::CardSaveFlow& flow, settings::FileTarget target) {
    return target == settings::FileTarget::Card ? std::filesystem::path(flow.cardFilePath()) : flow.backupFilePath();
}
}  // namespace

bool ProductSettingsDialog::readSettingsFile(settings::FileTarget target) {
    // Validity was checked just before; a file that vanished since leaves the dialog as it is.
    const std::optional<settings::ProfileFile> file = settings::ProfileFile::load(pathOf(saveFlow_, target));
    if (!file) return false;
    settings::readSettings(*keyTable_, *file, *this, context().messaging);
    return true;
}

bool ProductSettingsDialog::writeSettingsFile(settings::FileTarget target) {
    const bool card = target == settings::FileTarget::Card;
    const std::filesystem::path path = pathOf(saveFlow_, target);
    settings::ProfileFile file;
    if (!card) {
        platform::createDirectories(path.parent_path());
        // Keys already in the backup keep their place and get the new values; a backup that is no
        // settings file of this product is replaced by a new one.
        std::optional<settings::ProfileFile> existing = settings::ProfileFile::load(path);
        if (existing && settings::isValidSettings(*existing, config_.saveFlow.fileCode)) file = std::move(*existing);
    }
    settings::writeSettingsTo(*keyTable_, *this, context().messaging, file);
    std::string bytes = file.toBytes();
    if (!card && bytes.size() > settings::kMaxSettingsFileSize) {
        // The old backup's extra content would make a file that the next opening rejects:
        // the backup starts afresh from the product's keys instead.
        settings::ProfileFile fresh;
        settings::writeSettingsTo(*keyTable_, *this, context().messaging, fresh);
        bytes = fresh.toBytes();
    }
    if (keyTable_->afterWrite) keyTable_->afterWrite();
    return !path.empty() && platform::writeFileAtomically(path, bytes);
}

bool ProductSettingsDialog::handleCommonNotify(int id, ui::Event event) {
    if (id == config_.bannerId && event == ui::Event::Clicked) {
        dialogs::showAboutBox(host());
        return true;
    }
    if (id == config_.pathListId) {
        if (event == ui::Event::DropDown) saveFlow_.refreshCardPathList();
        if (event == ui::Event::SelChange) saveFlow_.takeCardPath();
        return true;
    }
    if ((id == ids::kExport || id == ids::kImport) && event == ui::Event::Clicked) {
        if (id == ids::kExport)
            exportSettings();
        else
            importSettings();
        return true;
    }
    if (lists_.handleNotify(id, event)) return true;
    return handleClockNotify(id, event);
}

namespace {

// Settings files are named "<CODE>.TXT"; any other name may be chosen.
constexpr std::string_view kSettingsFilter = "Settings File(*.TXT)|*.TXT;*.txt|All Files(*.*)|*.*||";

}  // namespace

std::string ProductSettingsDialog::cardFileBytes() {
    settings::ProfileFile file;
    settings::writeSettingsTo(*keyTable_, *this, context().messaging, file);
    return file.toBytes();
}

void ProductSettingsDialog::exportSettings() {
    const std::string& code = config_.saveFlow.fileCode;
    const std::optional<std::string> path = host().saveFile(this, kSettingsFilter, code + ".TXT");
    if (!path || path->empty()) return;
    // Only a new file or a regular file is written: a link, a FIFO or a device is no place for it (a
    // folder fails as a write below).
    const bool folder = platform::isDirectory(*path) && !platform::isSymlink(*path);
    if (!folder && !platform::isRegularFileOrAbsent(*path)) {
        message("The settings were not exported: \"" + *path + "\" is not a regular file.", kTipsCaption,
                ui::Icon::Warning);
        return;
    }
    if (platform::writeFileAtomically(*path, cardFileBytes()))
        message("The settings have been exported to \"" + *path + "\".", kTipsCaption, ui::Icon::Information);
    else
        message("The settings could not be exported to \"" + *path + "\".", kTipsCaption, ui::Icon::Error);
}

void ProductSettingsDialog::importSettings() {
    const std::string& code = config_.saveFlow.fileCode;
    const std::optional<std::string> path = host().openFile(this, kSettingsFilter);
    if (!path || path->empty()) return;
    const std::string nothing = " Nothing was imported.";
    const std::optional<settings::ProfileFile> file = settings::ProfileFile::load(*path);
    if (!file) {
        message("The file \"" + *path + "\" could not be read as a settings file." + nothing, kTipsCaption,
                ui::Icon::Warning);
        return;
    }
    if (!settings::isValidSettings(*file, code)) {
        // The same reading as the validity rule, but the whole value, to name what the file is for.
        const std::string model = platform::trim(file->get("QVTFileMark", "Model"));
        if (model.empty())
            message("The file \"" + *path + "\" is not a settings file of " + code + "." + nothing, kTipsCaption,
                    ui::Icon::Warning);
        else
            message("The file \"" + *path + "\" holds the settings of \"" + model + "\", not of " + code + "." +
                        nothing,
                    kTipsCaption, ui::Icon::Warning);
        return;
    }
    settings::readSettings(*keyTable_, *file, *this, context().messaging);
    message("The settings of \"" + *path + "\" have been imported. Save writes them to the card.", kTipsCaption,
            ui::Icon::Information);
}

}  // namespace qvt::dialogs
