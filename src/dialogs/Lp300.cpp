// SPDX-License-Identifier: Apache-2.0
// The LP300 Series' description: its parts, file, "Default(&D)" and wording.
#include "dialogs/Lp300.h"

#include "dialogs/DialogParts.h"
#include "dialogs/KeyTableBuilders.h"
#include "dialogs/SettingsDialog.h"
#include "dialogs/OperatorListConfigs.h"
#include "platform/FileOps.h"

namespace qvt::dialogs {

using namespace lp300;

namespace {

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

void applyDefaults(SettingsDialog& d) {
    d.applyDefaults(kDefaults);
    for (int id : {kStartHour, kStartMinute, kStopHour, kStopMinute})
        if (d.sel(id) < 0) d.select(id, 0);
    d.part<WorkHourPart>()->apply();
    d.part<RadioGroupPart>()->click(kSendToPhoneMms);
    d.showWorkDays(kAllDays);
    d.updateWorkDayBox();
    d.resetClock();
    d.setClockFromPc();
    d.rememberTimeLapsePir();
}

void buildKeyTable(SettingsDialog& d, settings::KeyTable& table) {
    using namespace settings;
    // Every value trimmed both ways; ports kept whole; an empty value empties an edit.
    table.options = {.trimValues = true, .cutPortsOnRead = false, .emptyEditKeeps = false};
    appendLeadingSections(table, std::string(kFileCode), kProduct.advancedSetup);
    auto& keys = table.keys;
    RadioGroupPart& sendTo = *d.part<RadioGroupPart>();
    WorkHourPart& workHour = *d.part<WorkHourPart>();

    // "Send To": exactly one character "0".."3" chooses a button, anything else clears all four.
    keys.push_back(
        radioKeySlot("Send To", sendTo.group(), [&sendTo](const std::string& value) { sendTo.setFromFile(value); }));
    keys.push_back(listKey("Camera Mode", kCameraMode, ListRead::Transfer));
    keys.push_back(listKey("Photo Size", kPhotoSize, ListRead::Transfer));
    keys.push_back(listKey("Photo Burst", kPhotoBurst, ListRead::Transfer));
    keys.push_back(listKey("Video Length", kVideoLength, ListRead::Transfer));
    keys.push_back(listKey("Time Lapse", kTimeLapse, ListRead::Transfer));
    KeySlot pirTrigger = listKey("PIR Trigger", kPirTrigger, ListRead::Transfer);
    pirTrigger.afterRead = [&d] { d.afterTimeLapsePirLoaded(); };
    keys.push_back(pirTrigger);
    keys.push_back(listKey("PIR Interval", kPirInterval, ListRead::Transfer));
    keys.push_back(listKey("Video Size", kVideoSize, ListRead::Transfer));
    appendClockKeys(table, d.rules().clock.lists, ListRead::Transfer, [&d] { d.prepareDayListForLoad(); });
    keys.push_back(listKey("Work Mode", kWorkMode, ListRead::Transfer));
    KeySlot workDay = Key(kCameraSection, "Work Day", SlotKind::DayMask);
    workDay.dayBoxes.assign(kDayBoxes.begin(), kDayBoxes.end());
    workDay.read = [&d](const std::string& value) {
        int mask = value.empty() ? 0 : platform::atoI(value);
        if (mask < 0 || mask > kAllDays) mask = 0;
        d.showWorkDays(mask);
        d.updateWorkDayBox();
    };
    keys.push_back(workDay);
    appendWorkHourKeys(table, {kWorkHour, kStartHour, kStartMinute, kStopHour, kStopMinute},
                       [&workHour] { workHour.apply(); });
}

}  // namespace

const ProductDescription& lp300Description() {
    static const ProductDescription description{
        .dialogTemplate = lp300::dialogTemplate,
        .rules = lp300Rules,
        .lists = lp300ListConfig,
        .saveFlow = lp300Vex2Hx720uSaveFlow(),
        .pathListId = kPathList,
        .defaultButton = kDefault,
        .parts =
            {
                part<WorkDaysPart>(/*clearOnOpen=*/false),
                part<RadioGroupPart>(std::vector<int>{kSendToLocal, kSendToPhoneMms, kSendToEmailGprs, kSendToCall},
                                     RadioGroupPart::Stored::Digit),
                part<WorkHourPart>(OnOffGroup{kWorkHour, kStartHour, kStartMinute, kStopHour, kStopMinute},
                                   OnOffVariant::WorkHourBlankKeeps),
            },
        .buildKeyTable = buildKeyTable,
        .applyDefaults = applyDefaults,
    };
    return description;
}

}  // namespace qvt::dialogs
