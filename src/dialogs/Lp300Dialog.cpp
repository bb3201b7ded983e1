// SPDX-License-Identifier: Apache-2.0
#include "dialogs/Lp300Dialog.h"

#include "platform/FileOps.h"
#include "settings/KeyTable.h"
#include "dialogs/KeyTableBuilders.h"

namespace qvt::dialogs {

using namespace lp300;
using ui::Event;

namespace {

ProductDialogConfig lp300Config() {
    ProductDialogConfig config;
    config.saveFlow = settings::lp300Vex2Hx720uSaveFlow(std::string(kFileCode));
    config.pathListId = kPathList;
    config.lists = lp300ListConfig();
    config.bannerId = kBanner;
    return config;
}

// What "Default(&D)" selects, in the order it selects them.
constexpr ControlDefault kDefaults[] = {
    {kCameraMode, 0},   // "Photo"
    {kWorkMode, 0},     // "Indoor"
    {kPhotoSize, 1},    // "5M"
    {kPhotoBurst, 0},   // "1 Photo"
    {kVideoLength, 5},  // "10 Sec"
    {kPirInterval, 0},  // "0  Sec"
    {kTimeLapse, 0},    // "OFF"
    {kPirTrigger, 1},   // "Normal"
    {kVideoSize, 0},    // "1280*720"
    {kWorkHour, 0},     // "OFF"
};

}  // namespace

Lp300Dialog::Lp300Dialog(ui::Host& host, dialogs::AppContext& context)
    : ProductSettingsDialog(host, dialogTemplate(), context, lp300Rules(), lp300Config()) {
    setKeyTable(buildKeyTable());
}

// ---- opening, notifications, buttons ------------------------------------------------------------

void Lp300Dialog::onInit() {
    lists().fillCountryList();
    forgetTimeLapsePir();
    saveFlow().scanAndLoad();
}

void Lp300Dialog::onNotify(int id, Event event) {
    if (handleCommonNotify(id, event) || handleWorkDayNotify(id, event)) return;
    if (event == Event::SelChange) {
        if (id == kTimeLapse) onTimeLapseChanged();
        if (id == kPirTrigger) onPirTriggerChanged();
        if (id == kWorkHour) workHourRule();
        return;
    }
    if (event != Event::Clicked) return;
    switch (id) {
        case kSendToLocal:
        case kSendToPhoneMms:
        case kSendToEmailGprs:
        case kSendToCall:
            onSendToClick(id);
            return;
        case kDefault:
            onDefault();
            return;
        default:
            return;  // "Test" does nothing
    }
}

void Lp300Dialog::workHourRule() {
    applyOnOffGroup(OnOffVariant::WorkHourBlankKeeps, kWorkHour, kStartHour, kStartMinute, kStopHour, kStopMinute,
                      0);
}

void Lp300Dialog::onSendToClick(int radio) {
    onRadioGroupClick(radio, {kSendToLocal, kSendToPhoneMms, kSendToEmailGprs, kSendToCall});
}

void Lp300Dialog::onOK() { saveFlow().save(); }

void Lp300Dialog::onDefault() {
    applyDefaults(kDefaults);
    for (int id : {kStartHour, kStartMinute, kStopHour, kStopMinute})
        if (sel(id) < 0) select(id, 0);
    workHourRule();
    onSendToClick(kSendToPhoneMms);
    showWorkDays(kAllDays);
    updateWorkDayBox();
    resetClock();
    setClockFromPc();
    rememberTimeLapsePir();
}

// ---- the settings file --------------------------------------------------------------------------


settings::KeyTable Lp300Dialog::buildKeyTable() {
    using namespace settings;
    KeyTable table;
    // Every value trimmed both ways; ports kept whole; an empty value empties an edit.
    table.options = {.trimValues = true, .cutPortsOnRead = false, .emptyEditKeeps = false};
    appendLeadingSections(table, std::string(kFileCode), /*withSmtpSsl=*/false);
    auto& keys = table.keys;

    // "Send To": exactly one character "0".."3" chooses a button, anything else clears all four.
    keys.push_back(radioKeySlot("Send To", {kSendToLocal, kSendToPhoneMms, kSendToEmailGprs, kSendToCall},
                            [this](const std::string& value) {
                                setRadioGroupFromDigit(value,
                                                       {kSendToLocal, kSendToPhoneMms, kSendToEmailGprs, kSendToCall});
                            }));
    keys.push_back(listKey("Camera Mode", kCameraMode, ListRead::Transfer));
    keys.push_back(listKey("Photo Size", kPhotoSize, ListRead::Transfer));
    keys.push_back(listKey("Photo Burst", kPhotoBurst, ListRead::Transfer));
    keys.push_back(listKey("Video Length", kVideoLength, ListRead::Transfer));
    keys.push_back(listKey("Time Lapse", kTimeLapse, ListRead::Transfer));
    KeySlot pirTrigger = listKey("PIR Trigger", kPirTrigger, ListRead::Transfer);
    pirTrigger.afterRead = [this] { afterTimeLapsePirLoaded(); };
    keys.push_back(pirTrigger);
    keys.push_back(listKey("PIR Interval", kPirInterval, ListRead::Transfer));
    keys.push_back(listKey("Video Size", kVideoSize, ListRead::Transfer));
    appendClockKeys(table, rules().clock.lists, ListRead::Transfer, [this] { prepareDayListForLoad(); });
    keys.push_back(listKey("Work Mode", kWorkMode, ListRead::Transfer));
    KeySlot workDay = Key(kCameraSection, "Work Day", SlotKind::DayMask);
    workDay.dayBoxes.assign(kDayBoxes.begin(), kDayBoxes.end());
    workDay.read = [this](const std::string& value) {
        int mask = value.empty() ? 0 : platform::atoI(value);
        if (mask < 0 || mask > kAllDays) mask = 0;
        showWorkDays(mask);
        updateWorkDayBox();
    };
    keys.push_back(workDay);
    appendWorkHourKeys(table, {kWorkHour, kStartHour, kStartMinute, kStopHour, kStopMinute},
                       [this] { workHourRule(); });
    return table;
}

}  // namespace qvt::dialogs
