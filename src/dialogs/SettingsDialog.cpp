// SPDX-License-Identifier: Apache-2.0
#include "dialogs/SettingsDialog.h"

#include <cassert>
#include <cstdio>
#include <optional>

#include "dialogs/AboutDialog.h"
#include "dialogs/WapInternetDialog.h"
#include "dialogs/OperatorListConfigs.h"
#include "operators/OperatorLists.h"
#include "platform/FileOps.h"
#include "settings/CardSaveFlow.h"
#include "settings/KeyTable.h"
#include "settings/ProductFiles.h"
#include "settings/ProfileFile.h"

namespace qvt::dialogs {

using settings::kDayWeights;
using ui::Event;
using ui::Icon;

namespace {

std::string dayItem(int day, int width) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*d", width, day);
    return buf;
}

}  // namespace

namespace {

// The product of the model being configured when the description lists it, else its first.
const Product& productFor(const ProductDescription& description, const std::string& modelCode) {
    for (const Product& p : catalogue())
        if (p.modelCode == modelCode && &p.description() == &description) return p;
    for (const Product& p : catalogue())
        if (&p.description() == &description) return p;
    return catalogue().front();  // not reached: every description has its catalogue rows
}

settings::SaveFlowConfig saveFlowConfig(const SaveFlowWording& wording, std::string_view fileCode) {
    settings::SaveFlowConfig config;
    config.fileCode = std::string(fileCode);
    config.trimPathOnSave = wording.trimPathOnSave;
    config.volumeMissingBefore = wording.volumeMissingBefore;
    config.volumeMissingAfter = wording.volumeMissingAfter;
    config.confirmText = wording.confirmText;
    config.reportPrefix = wording.reportPrefix;
    return config;
}

}  // namespace

SettingsDialog::SettingsDialog(ui::Host& host, dialogs::AppContext& context, const ProductDescription& description)
    : Dialog(host, description.dialogTemplate()),
      context_(context),
      description_(description),
      product_(&productFor(description, context.CurrentModelCode)),
      rules_(description.rules()),
      keyTable_(std::make_unique<settings::KeyTable>()) {
    setPathListInfo({context.volumes.systemRoot(), std::string(settings::kCardDirName)});
    saveFlow_ = std::make_unique<settings::CardSaveFlow>(
        settings::SaveFlowDialog{*this, list(description.pathListId), [this] { end(ui::Result::Cancel); }},
        context.volumes, saveFlowConfig(description.saveFlow, product_->fileCode),
        settings::SettingsFileAccess{[this](settings::FileTarget t) { return readSettingsFile(t); },
                                     [this](settings::FileTarget t) { return writeSettingsFile(t); }});
    saveFlow_->setCardPreview([this] { return cardFileBytes(); });
    const OperatorListConfig lists = description.lists();
    lists_ = std::make_unique<operators::OperatorListLogic>(
        operators::OperatorListControls{*this, list(lists.countryListId), list(lists.operatorListId),
                                      lists.checkButtonId},
        context.messaging(), lists.texts, [this] {
            WapInternetDialog editor(this->host(), this->context());
            return this->host().runModal(editor);
        });
    for (const PartFactory& make : description.parts) parts_.push_back(make(*this));
    description.buildKeyTable(*this, *keyTable_);
}

SettingsDialog::~SettingsDialog() = default;

// ---- opening, notifications, buttons ------------------------------------------------------------

void SettingsDialog::onInit() {
    lists_->fillCountryList();
    for (const std::unique_ptr<DialogPart>& part : parts_) part->beforeLoad();
    // A model the dialog does not know has ended it: no card or backup is touched.
    if (ended()) return;
    forgetTimeLapsePir();
    saveFlow_->scanAndLoad();
    for (const std::unique_ptr<DialogPart>& part : parts_) part->afterLoad();
}

void SettingsDialog::onNotify(int id, Event event) {
    if (handleCommonNotify(id, event)) return;
    for (const std::unique_ptr<DialogPart>& part : parts_)
        if (part->notify(id, event)) return;
    if (event == Event::SelChange) {
        if (id == rules_.pir.timeLapseList) onTimeLapseChanged();
        if (id == rules_.pir.pirTriggerList) onPirTriggerChanged();
        return;
    }
    if (event == Event::Clicked && id == description_.defaultButton) onDefault();
}

void SettingsDialog::onOK() {
    saveFlow_->save();
    for (const std::unique_ptr<DialogPart>& part : parts_) part->afterSave();
}

void SettingsDialog::onCancel() {
    for (const std::unique_ptr<DialogPart>& part : parts_) part->onExit();
    end(ui::Result::Cancel);
}

void SettingsDialog::onDefault() { description_.applyDefaults(*this); }

ui::FooterNote SettingsDialog::footerNote() const {
    const settings::CardSaveFlow& flow = *saveFlow_;
    if (!flow.keptInvalidFile().empty() && flow.keptInvalidFile() == flow.cardFilePath()) {
        // Whatever the window shows, the card's own file stays untouched until Save replaces it.
        return {"The settings file on the card could not be read; it is kept as it is until Save replaces it.", true};
    }
    if (flow.readAtOpen())
        return {"The settings file was read only in part (it is cut short). Default(D) fills in the camera's defaults.",
                false};
    return Dialog::footerNote();
}

// ---- work days ----------------------------------------------------------------------------------

void SettingsDialog::showWorkDays(int mask) {
    for (int i = 0; i < 7; ++i) setCheck(kDayBoxes[i], (mask & kDayWeights[i]) ? 1 : 0);
}

int SettingsDialog::checkedWorkDays() const {
    int sum = 0;
    for (int i = 0; i < 7; ++i)
        if (check(kDayBoxes[i]) == 1) sum += kDayWeights[i];
    return sum;
}

void SettingsDialog::updateWorkDayBox() {
    int checked = 0;
    for (int box : kDayBoxes)
        if (check(box) == 1) ++checked;
    setCheck(ids::kWorkDayBox, checked == 0 ? 0 : (checked == 7 ? 1 : 2));
}

int SettingsDialog::toggleDayBox(int dayBox) {
    if (dayBox == 0) return 0;
    const int previous = check(dayBox);
    if (previous == 0) {
        setCheck(dayBox, 1);
    } else {
        setCheck(dayBox, 0);
        if (previous != 1) message(rules_.workDay.dayBoxStatus, kTipsCaption, Icon::Warning);
    }
    return previous;
}

void SettingsDialog::showWorkDay(int position, int mask) {
    assert(position >= 0 && position < 7);
    setCheck(kDayBoxes[position], (mask & kDayWeights[position]) ? 1 : 0);
}

void SettingsDialog::onWorkDayBoxClick() {
    const int state = check(ids::kWorkDayBox);
    if (state == 0 || state == 2) {
        setCheck(ids::kWorkDayBox, 1);
        showWorkDays(kAllDays);
        return;
    }
    setCheck(ids::kWorkDayBox, 0);
    showWorkDays(0);
    if (state != 1) message(rules_.workDay.workDayBoxStatus, kTipsCaption, Icon::Warning);
}

void SettingsDialog::onDayBoxClick(int dayBox) {
    toggleDayBox(dayBox);
    updateWorkDayBox();
}

// ---- Time Lapse and PIR Trigger -------------------------------------------------------------------

bool SettingsDialog::bothOff() const {
    const PirRule& r = rules_.pir;
    return sel(r.timeLapseList) == r.timeLapseOff && sel(r.pirTriggerList) == r.pirTriggerOff;
}

void SettingsDialog::forgetTimeLapsePir() {
    rememberedTimeLapse_ = -1;
    rememberedPirTrigger_ = -1;
}

void SettingsDialog::onTimeLapseChanged() {
    const PirRule& r = rules_.pir;
    if (bothOff()) {
        message(r.timeLapseChanged, kTipsCaption, Icon::Warning);
        select(r.timeLapseList, rememberedTimeLapse_);
    } else {
        rememberedTimeLapse_ = sel(r.timeLapseList);
    }
}

void SettingsDialog::onPirTriggerChanged() {
    const PirRule& r = rules_.pir;
    if (bothOff()) {
        message(r.pirTriggerChanged, kTipsCaption, Icon::Warning);
        select(r.pirTriggerList, rememberedPirTrigger_);
    } else {
        rememberedPirTrigger_ = sel(r.pirTriggerList);
    }
}

void SettingsDialog::rememberTimeLapsePir() {
    rememberedTimeLapse_ = sel(rules_.pir.timeLapseList);
    rememberedPirTrigger_ = sel(rules_.pir.pirTriggerList);
}

void SettingsDialog::afterTimeLapsePirLoaded() {
    // A file may hold both "OFF"; it is not the user's doing, so no message.
    if (bothOff()) clearSelection(rules_.pir.pirTriggerList);
    rememberTimeLapsePir();
}

// ---- clock --------------------------------------------------------------------------------------

int SettingsDialog::yearMonthDay(int year, int month) {
    return dialogs::yearMonthDay(year, month, host());
}

void SettingsDialog::refillDayList() {
    const ClockRule& c = rules_.clock;
    resetItems(c.day());
    if (sel(c.year()) < 0) select(c.year(), 0);
    if (sel(c.month()) < 0) select(c.month(), 0);
    const int days = yearMonthDay(2013 + sel(c.year()), 1 + sel(c.month()));
    // Appended, never sorted: a sorted list would put "10" before "2".
    for (int d = 1; d <= days; ++d) appendItem(c.day(), dayItem(d, c.dayItemWidth));
    select(c.day(), 0);
}

void SettingsDialog::ensureDayList() {
    const ClockRule& c = rules_.clock;
    if (sel(c.year()) < 0 || sel(c.month()) < 0) {
        select(c.year(), 0);
        select(c.month(), 0);
        refillDayList();
    } else if (sel(c.day()) < 0) {
        refillDayList();
    }
}

void SettingsDialog::prepareDayListForLoad() {
    const ClockRule& c = rules_.clock;
    if (sel(c.year()) >= 0 && sel(c.month()) >= 0) {
        ensureDayList();
    } else {
        // Without year and month the length of the month is unknown: offer every day.
        resetItems(c.day());
        for (int d = 1; d <= 31; ++d) appendItem(c.day(), dayItem(d, c.fallbackDayWidth));
    }
}

bool SettingsDialog::setClockFromSystem() {
    const ClockRule& c = rules_.clock;
    const platform::DateTime now = context_.clock.now();
    // The year list's span is the check that matters; a system time always fits the others.
    if (now.year < 2013 || now.year > 2113 || now.month < 1 || now.month > 12 || now.day < 1 ||
        now.day > yearMonthDay(now.year, now.month) || now.hour < 0 || now.hour > 24 || now.minute < 0 ||
        now.minute > 60 || now.second < 0 || now.second > 60)
        return false;
    select(c.year(), now.year - 2013);
    select(c.month(), now.month - 1);
    refillDayList();
    select(c.day(), now.day - 1);
    select(c.lists[3], now.hour);
    select(c.lists[4], now.minute);
    select(c.lists[5], now.second);
    return true;
}

void SettingsDialog::resetClock() {
    ensureDayList();
    for (int list : rules_.clock.lists) select(list, 0);
}

void SettingsDialog::applyDefaults(std::span<const ControlDefault> defaults) {
    for (const ControlDefault& d : defaults) {
        if (d.text)
            setText(d.id, d.text);
        else
            select(d.id, d.position);
    }
}

void SettingsDialog::setClockFromPc() {
    if (!setClockFromSystem()) message(rules_.clock.wrongSystemTime, kTipsCaption, Icon::Warning);
}

bool SettingsDialog::handleClockNotify(int id, Event event) {
    const ClockRule& c = rules_.clock;
    if (event == Event::SelChange && (id == c.year() || id == c.month())) {
        refillDayList();
        return true;
    }
    if (event == Event::Focus && (id == c.month() || id == c.day() || (id == c.year() && c.yearFocusEnsuresDays))) {
        ensureDayList();
        return true;
    }
    return false;
}

// ---- OFF/ON groups, Send Mode and radios ------------------------------------------------------------

void SettingsDialog::applyOnOffGroup(OnOffVariant variant, int switchList, int dependent1, int dependent2,
                                           int dependent3, int extra1, int extra2) {
    const int controls[5] = {dependent1, dependent2, dependent3, extra1, extra2};
    const int position = sel(switchList);
    const bool on = position == 1;
    auto fillBlanks = [&] {
        for (int id : controls)
            if (id != 0 && control(id).isList() && sel(id) < 0) select(id, 0);
    };
    auto enableAll = [&](bool enable) {
        for (int id : controls)
            if (id != 0) setEnabled(id, enable);
    };
    switch (variant) {
        case OnOffVariant::FillBlanks:
            fillBlanks();
            enableAll(on);
            return;
        case OnOffVariant::EnableOnly:
            enableAll(on);
            return;
        case OnOffVariant::WorkHourBlankKeeps:
            if (position < 0) return;
            [[fallthrough]];
        case OnOffVariant::WorkHour:
            enableAll(on);
            if (on) fillBlanks();
            return;
    }
}

void SettingsDialog::applyOnOffGroup(OnOffVariant variant, const OnOffGroup& group) {
    applyOnOffGroup(variant, group.switchList, group.dependent1, group.dependent2, group.dependent3, group.extra1,
                    group.extra2);
}

void SettingsDialog::showSendControls(SendControls shown) {
    setVisible(ids::kMaxNumber, shown == SendControls::MaxNumber);
    setVisible(ids::kReportHour, shown == SendControls::ReportTime);
    setVisible(ids::kReportMinute, shown == SendControls::ReportTime);
}

void SettingsDialog::onSendModeClick(int radio) {
    using namespace ids;
    switch (radio) {
        case kSendManual:
            showSendControls(SendControls::None);
            setRadioGroup(kSendManual, kSendDaily, kSendInstant, kSendOff, true);
            return;
        case kSendDaily:
            showSendControls(SendControls::ReportTime);
            setRadioGroup(kSendDaily, kSendManual, kSendInstant, kSendOff, true);
            return;
        case kSendInstant:
            showSendControls(SendControls::MaxNumber);
            setRadioGroup(kSendInstant, kSendManual, kSendDaily, kSendOff, true);
            return;
        case kSendOff:
            showSendControls(SendControls::None);
            setRadioGroup(kSendOff, kSendManual, kSendDaily, kSendInstant, true);
            return;
        default:
            return;
    }
}

void SettingsDialog::setSendModeRadios(const std::string& stored) {
    using namespace ids;
    static constexpr int kByValue[4] = {kSendManual, kSendDaily, kSendInstant, kSendOff};
    const int value = stored.empty() ? -1 : platform::atoI(stored);
    if (value >= 0 && value <= 3) {
        onSendModeClick(kByValue[value]);
        return;
    }
    setRadioGroup(kSendManual, kSendDaily, kSendInstant, kSendOff, false);
    showSendControls(SendControls::None);
}

void SettingsDialog::onRadioGroupClick(int radio, std::span<const int> group) {
    int others[3] = {radio, radio, radio};
    int n = 0;
    for (int id : group)
        if (id != radio && n < 3) others[n++] = id;
    for (int i = n; i > 0 && i < 3; ++i) others[i] = others[i - 1];  // a group of three: its last button twice
    setRadioGroup(radio, others[0], others[1], others[2], true);
}

void SettingsDialog::setRadioGroupFromDigit(const std::string& stored, std::span<const int> group) {
    const int position = stored.size() == 1 ? stored[0] - '0' : -1;
    if (position >= 0 && position < static_cast<int>(group.size())) {
        onRadioGroupClick(group[static_cast<std::size_t>(position)], group);
        return;
    }
    for (int id : group) setCheck(id, 0);
}

void SettingsDialog::setRadioGroup(int first, int second, int third, int fourth, bool checked) {
    setRadioGroupOf(*this, first, second, third, fourth, checked);
}

int SettingsDialog::getRadioIndex(int a, int b, int c, int d) const {
    return dialogs::getRadioIndex(*this, a, b, c, d, rules_.radio.threeButtonRule);
}

// ---- two-digit time edits -----------------------------------------------------------------------------

void SettingsDialog::applyRangeEdit(int edit, int minimum, int maximum, const std::string& rangeText) {
    // Setting the text below runs this rule again on the new text before this run goes on. For
    // every range the dialogs use that ends after two levels; the guard only protects against a
    // range whose own maximum would not satisfy it.
    if (rangeEditDepth_ >= 8) return;
    struct Depth {
        int& depth;
        explicit Depth(int& d) : depth(d) { ++depth; }
        ~Depth() { --depth; }
    } depth(rangeEditDepth_);

    const std::string trimmed = platform::trim(text(edit));
    if (!platform::isAllDigits(trimmed))
        setText(edit, "");
    else if (trimmed.size() > 2)
        setText(edit, trimmed.substr(0, 2));

    const int number = platform::atoI(trimmed);
    if (number > maximum || number < minimum) {
        message("Arrange :" + rangeText + "!", kTipsCaption, Icon::Warning);
        setText(edit, std::to_string(maximum));
    }
}

// ---- the settings file --------------------------------------------------------------------------

namespace {
std::filesystem::path pathOf(settings::CardSaveFlow& flow, settings::FileTarget target) {
    return target == settings::FileTarget::Card ? std::filesystem::path(flow.cardFilePath()) : flow.backupFilePath();
}
}  // namespace

bool SettingsDialog::readSettingsFile(settings::FileTarget target) {
    // Validity was checked just before; a file that vanished since leaves the dialog as it is.
    const std::optional<settings::ProfileFile> file = settings::ProfileFile::load(pathOf(*saveFlow_, target));
    if (!file) return false;
    settings::readSettings(*keyTable_, *file, *this, context().messaging());
    return true;
}

bool SettingsDialog::writeSettingsFile(settings::FileTarget target) {
    const bool card = target == settings::FileTarget::Card;
    const std::filesystem::path path = pathOf(*saveFlow_, target);
    settings::ProfileFile file;
    if (!card) {
        (void)platform::createDirectories(path.parent_path());  // a failure shows as the write's
        // Keys already in the backup keep their place and get the new values; a backup that is no
        // settings file of this product is replaced by a new one.
        std::optional<settings::ProfileFile> existing = settings::ProfileFile::load(path);
        if (existing && settings::isValidSettings(*existing, std::string(product_->fileCode)))
            file = std::move(*existing);
    }
    settings::writeSettingsTo(*keyTable_, *this, context().messaging(), file);
    std::string bytes = file.toBytes();
    if (!card && bytes.size() > settings::kMaxSettingsFileSize) {
        // The old backup's extra content would make a file that the next opening rejects:
        // the backup starts afresh from the product's keys instead.
        settings::ProfileFile fresh;
        settings::writeSettingsTo(*keyTable_, *this, context().messaging(), fresh);
        bytes = fresh.toBytes();
    }
    if (keyTable_->afterWrite) keyTable_->afterWrite();
    return !path.empty() && platform::writeFileAtomically(path, bytes);
}

bool SettingsDialog::handleCommonNotify(int id, ui::Event event) {
    if (id == product_->bannerId && event == ui::Event::Clicked) {
        dialogs::showAboutBox(host());
        return true;
    }
    if (id == description_.pathListId) {
        if (event == ui::Event::DropDown) saveFlow_->refreshCardPathList();
        if (event == ui::Event::SelChange) saveFlow_->takeCardPath();
        return true;
    }
    if ((id == ids::kExport || id == ids::kImport) && event == ui::Event::Clicked) {
        if (id == ids::kExport)
            exportSettings();
        else
            importSettings();
        return true;
    }
    if (lists_->handleNotify(id, event)) return true;
    return handleClockNotify(id, event);
}

namespace {

// Settings files are named by settings::settingsFileName; any other name may be chosen.
ui::FileRequest settingsFileRequest(ui::StartFolder folder, std::string defaultName = {}) {
    return {.title = {},
            .filters = {{"Settings File(*.TXT)", {"*.TXT", "*.txt"}, {}}, {"All Files(*.*)", {"*.*"}, {}}},
            .startFolder = folder,
            .defaultName = std::move(defaultName)};
}

}  // namespace

std::string SettingsDialog::cardFileBytes() {
    settings::ProfileFile file;
    settings::writeSettingsTo(*keyTable_, *this, context().messaging(), file);
    return file.toBytes();
}

void SettingsDialog::exportSettings() {
    const std::string code(product_->fileCode);
    const std::optional<std::string> path = host().saveFile(this, settingsFileRequest(ui::StartFolder::Documents, settings::settingsFileName(code)));
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

void SettingsDialog::importSettings() {
    const std::string code(product_->fileCode);
    const std::optional<std::string> path = host().openFile(this, settingsFileRequest(ui::StartFolder::LastChosen));
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
        const std::string model = platform::trim(file->get(settings::kMarkSection, "Model"));
        if (model.empty())
            message("The file \"" + *path + "\" is not a settings file of " + code + "." + nothing, kTipsCaption,
                    ui::Icon::Warning);
        else
            message("The file \"" + *path + "\" holds the settings of \"" + model + "\", not of " + code + "." +
                        nothing,
                    kTipsCaption, ui::Icon::Warning);
        return;
    }
    settings::readSettings(*keyTable_, *file, *this, context().messaging());
    message("The settings of \"" + *path + "\" have been imported. Save writes them to the card.", kTipsCaption,
            ui::Icon::Information);
}

std::unique_ptr<ui::Dialog> createSettingsDialog(const Product& product, ui::Host& host, dialogs::AppContext& context) {
    return std::make_unique<SettingsDialog>(host, context, product.description());
}

}  // namespace qvt::dialogs
