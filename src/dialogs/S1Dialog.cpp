// SPDX-License-Identifier: Apache-2.0
#include "dialogs/S1Dialog.h"

#include <initializer_list>
#include <vector>

#include "dialogs/Catalogue.h"
#include "operators/OperatorLists.h"
#include "settings/KeyTable.h"
#include "dialogs/KeyTableBuilders.h"

namespace qvt::dialogs {

using namespace s1;
using ui::Event;
using ui::Icon;

namespace {

// The lists each model lacks, by variant: disabled with their labels, kept without selection, and
// their keys left out of the model's file.
const std::vector<int>& lackingLists(int variant) {
    static const std::vector<int> rows[4] = {{kSmsControl}, {kVideoSize, kSmsControl}, {}, {}};
    return rows[variant];
}

// Send To in stored-value order.
constexpr std::initializer_list<int> kSendTo = {kSendToPhoneMms, kSendToEmailMms, kSendToEmailGprs};

// What "Default(&D)" sets, in the order it sets them.
constexpr ControlDefault kDefaults[] = {
    {kCameraMode, 0},        // "Photo"
    {kPhotoSize, 1},         // "8M"
    {kPhotoBurst, 0},        // "1 Photo"
    {kVideoLength, 5},       // "10 Sec"
    {kLanguage, 0},          // "English"
    {kPirInterval, 1},       // " 5 Sec"
    {kPirTrigger, 1},        // "Normal"
    {kTimeLapse, 0},         // "OFF"
    {kVideoSize, 0},         // "1280*720"
    {kSmsControl, 0},        // "OFF"
    {ids::kMaxNumber, 10},
    {ids::kReportHour, 0, "0"},
    {ids::kReportMinute, 0, "0"},
};

int labelOf(int list) {
    return list == kVideoSize ? kVideoSizeLabel : kSmsControlLabel;
}

ProductDialogConfig s1Config(int variant) {
    ProductDialogConfig config;
    settings::SaveFlowConfig& flow = config.saveFlow;
    flow.fileCode = s1Product(variant).fileCode;
    flow.trimPathOnSave = false;
    flow.volumeMissingBefore = "Can't find the volume \"";
    flow.volumeMissingAfter = "\",Please check connection of your device and try again !";
    flow.confirmText = "Confirm save all the data ?";
    flow.reportPrefix = "Ok , All Data Has Been Saved In : \" ";
    config.pathListId = kPathList;
    config.lists = s1ListConfig();
    config.bannerId = kBanner;
    return config;
}

// A model the product selection never offers falls back to the first row; the dialog then refuses
// to open.
int variantOrFirst(const std::string& modelCode) {
    const int variant = S1Dialog::variantOf(modelCode);
    return variant < 0 ? kPn250r : variant;
}

}  // namespace

int S1Dialog::variantOf(const std::string& modelCode) {
    const Product* product = findProductByModelCode(modelCode);
    return product && product->dialog == SettingsDialogKind::S1 ? product->s1Variant : -1;
}

S1Dialog::S1Dialog(ui::Host& host, dialogs::AppContext& context)
    : ProductSettingsDialog(host, dialogTemplate(), context, s1Rules(), s1Config(variantOrFirst(context.CurrentModelCode))),
      variant_(variantOrFirst(context.CurrentModelCode)) {
    setKeyTable(buildKeyTable());
}

// ---- opening, notifications, buttons ------------------------------------------------------------

void S1Dialog::onInit() {
    lists().fillCountryList();
    setRadioGroup(kSendToPhoneMms, kSendToEmailMms, kSendToEmailGprs, kSendToEmailGprs, false);
    setRadioGroup(ids::kSendManual, ids::kSendDaily, ids::kSendInstant, ids::kSendOff, false);
    setUpVariant();
    // Not one of the four models: the dialog has ended, and no card or backup is touched.
    if (ended()) return;
    forgetTimeLapsePir();
    saveFlow().scanAndLoad();
}

void S1Dialog::onNotify(int id, Event event) {
    if (handleCommonNotify(id, event) || handleSendModeNotify(id, event)) return;
    if (event == Event::SelChange) {
        if (id == kTimeLapse) onTimeLapseChanged();
        if (id == kPirTrigger) onPirTriggerChanged();
        if (id == kWorkHour) applyWorkHourRule();
        return;
    }
    if (event != Event::Clicked) return;
    if (id == kSendToPhoneMms || id == kSendToEmailMms || id == kSendToEmailGprs) onRadioGroupClick(id, kSendTo);
    if (id == kDefault) onDefault();
}

void S1Dialog::onOK() {
    saveFlow().save();
}

void S1Dialog::applyWorkHourRule() {
    applyOnOffGroup(OnOffVariant::WorkHour, kWorkHour, kStartHour, kStartMinute, kStopHour, kStopMinute, 0);
}

void S1Dialog::onDefault() {
    applyDefaults(kDefaults);
    clearLackingLists();

    select(kWorkHour, 0);  // "OFF": the four times are disabled and keep their selections
    applyWorkHourRule();

    onSendModeClick(ids::kSendManual);
    onRadioGroupClick(kSendToPhoneMms, kSendTo);

    resetClock();
    setClockFromPc();
    rememberTimeLapsePir();
}

// ---- the four models ----------------------------------------------------------------------------

void S1Dialog::setUpVariant() {
    const int variant = variantOf(context().CurrentModelCode);
    if (variant < 0) {
        variant_ = kPn250r;
        message("Error: This procuct is not exist !", kTipsCaption, Icon::Error);
        end(ui::Result::Ok);
        return;
    }
    variant_ = variant;
    setTitle(dialogs::settingsDialogTitle(context().CurrentModelCode));
    for (int list : lackingLists(variant)) {
        setEnabled(list, false);
        setEnabled(labelOf(list), false);
    }
}

void S1Dialog::clearLackingLists() {
    const int variant = variantOf(context().CurrentModelCode);
    if (variant < 0) {
        message("This product is not exist !", kTipsCaption, Icon::Error);
        return;
    }
    for (int list : lackingLists(variant)) clearSelection(list);
}

bool S1Dialog::isS1ControlUsed(int id) {
    const int variant = variantOf(context().CurrentModelCode);
    if (variant < 0) {
        message("This product is not exist !", kTipsCaption, Icon::Error);
        return false;
    }
    for (int list : lackingLists(variant))
        if (list == id) return false;
    return true;
}

// ---- the settings file --------------------------------------------------------------------------

settings::KeyTable S1Dialog::buildKeyTable() {
    using namespace settings;
    KeyTable table;
    table.options = {.trimValues = true, .cutPortsOnRead = false, .emptyEditKeeps = false};
    const std::string code(s1Product(variant_).fileCode);
    appendLeadingSections(table, code, /*withSmtpSsl=*/variant_ != kHx330);

    LeadingCameraKeys leading;
    leading.readSendMode = [this](const std::string& value) { setSendModeRadios(value); };
    leading.sendToRadios = {kSendToPhoneMms, kSendToEmailMms, kSendToEmailGprs};
    // "0", "1" or "2" checks that button; anything else clears all three.
    leading.readSendTo = [this](const std::string& value) { setRadioGroupFromDigit(value, kSendTo); };
    leading.listRead = ListRead::Transfer;
    leading.pirTriggerList = kPirTrigger;
    leading.afterPirTrigger = [this] { afterTimeLapsePirLoaded(); };
    leading.beforeClockDay = [this] { prepareDayListForLoad(); };
    appendLeadingCameraKeys(table, leading);

    auto& keys = table.keys;
    keys.push_back(listKey("Video Size", kVideoSize, ListRead::Transfer));
    keys.push_back(listKey("SMS Control", kSmsControl, ListRead::Transfer));
    appendWorkHourKeys(table, {kWorkHour, kStartHour, kStartMinute, kStopHour, kStopMinute}, [this] {
        applyWorkHourRule();
        clearLackingLists();  // the lists the model lacks stand without selection after every read
    });

    // The keys of the controls a model lacks are neither written nor read.
    for (KeySlot& slot : keys)
        if (slot.section == kCameraSection && slot.id != 0)
            slot.used = [this, id = slot.id] { return isS1ControlUsed(id); };
    return table;
}

}  // namespace qvt::dialogs
