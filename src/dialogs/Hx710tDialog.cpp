// SPDX-License-Identifier: Apache-2.0
#include "dialogs/Hx710tDialog.h"

#include <optional>

#include "dialogs/AboutDialog.h"
#include "dialogs/Catalogue.h"
#include "operators/OperatorLists.h"
#include "platform/FileOps.h"
#include "settings/KeyTable.h"
#include "dialogs/KeyTableBuilders.h"
#include "settings/ProfileFile.h"

namespace qvt::dialogs {

using namespace hx710t;
using ui::Event;
using ui::Icon;

namespace {

ProductDialogConfig hx710tConfig() {
    ProductDialogConfig config;
    config.pathListId = kPathList;
    config.saveFlow.fileCode = kFileCode;
    config.saveFlow.trimPathOnSave = true;
    config.lists = hx710tListConfig();
    config.bannerId = kBanner;
    return config;
}

// What "Default(&D)" selects, in the order it selects them.
constexpr ControlDefault kDefaults[] = {
    {kLanguage, 0},        // "English"
    {kCameraMode, 0},      // "Photo"
    {kPhotoSize, 0},       // "5M"
    {kPhotoBurst, 0},      // "1 Photo"
    {kVideoLength, 0},     // "10  Sec"
    {kPirInterval, 1},     // "5  Sec"
    {kTimeLapse, 0},       // "OFF"
    {kPirTrigger, 1},      // "Normal"
    {kSecurityMode, 0},    // "OFF"
    {kVideoSize, 0},       // "1280*720"
    {kSmsControl, 0},      // "OFF"
    {kCameraPosition, 0},  // "OFF"
    {kGameCall, 0},        // "OFF"
};

}  // namespace

Hx710tDialog::Hx710tDialog(ui::Host& host, dialogs::AppContext& context)
    : ProductSettingsDialog(host, dialogTemplate(), context, hx710tRules(), hx710tConfig()),
      audio_(*this, context.systemRoot(), context.ffmpeg, [this] { return saveFlow().saveVolume(); }, kAudioField) {
    setKeyTable(buildKeyTable());
}

// ---- opening, notifications, buttons ------------------------------------------------------------

void Hx710tDialog::onInit() {
    setCheck(ids::kWorkDayBox, 0);
    showWorkDays(0);
    lists().fillCountryList();
    forgetTimeLapsePir();
    saveFlow().scanAndLoad();
    audio_.resetField();
    stageTransformTool();
}

void Hx710tDialog::onNotify(int id, Event event) {
    if (handleCommonNotify(id, event) || handleSendModeNotify(id, event) || handleWorkDayNotify(id, event)) return;
    switch (event) {
        case Event::SelChange:
            switch (id) {
                case kTimeLapse:
                    onTimeLapseChanged();
                    return;
                case kPirTrigger:
                    onPirTriggerChanged();
                    return;
                case kGameCall:
                    applyOnOffGroup(OnOffVariant::FillBlanks, kGameCall, kGameCallHour, kGameCallMinute, kReplayTimes,
                                      kChooseAudio, kAudioField);
                    return;
                case kWorkHour:
                    applyOnOffGroup(OnOffVariant::WorkHour, kWorkHour, kStartHour, kStartMinute, kStopHour,
                                      kStopMinute, 0);
                    return;
                default:
                    return;
            }
        case Event::Clicked:
            switch (id) {
                case kSendToPhoneMms:
                case kSendToEmailMms:
                case kSendToEmailGprs:
                case kSendToCall:
                    onSendToClick(id);
                    return;
                case kDefault:
                    onDefault();
                    return;
                case kChooseAudio:
                    audio_.chooseAudioFile();
                    return;
                default:
                    return;  // "Test" does nothing
            }
        case Event::TextChanged:
        case Event::DropDown:
        case Event::Focus:
            return;
    }
}

void Hx710tDialog::onSendToClick(int radio) {
    onRadioGroupClick(radio, {kSendToPhoneMms, kSendToEmailMms, kSendToEmailGprs, kSendToCall});
}

void Hx710tDialog::onOK() {
    saveFlow().save();
    // The sound goes onto the card the save was aimed at, whatever the save itself reported. When the
    // save found no card (its message said so), nothing is placed anywhere, not on another card.
    if (sel(kGameCall) == 1 && !saveFlow().saveVolume().empty() && !transformAudioFile())
        message("Failed to transform audio file!", kTipsCaption, Icon::Warning);
}

void Hx710tDialog::onCancel() {
    clearTempFolder();
    end(ui::Result::Cancel);
}

void Hx710tDialog::onDefault() {
    resetClock();
    onSendModeClick(ids::kSendManual);
    onSendToClick(kSendToPhoneMms);

    applyDefaults(kDefaults);
    if (sel(kReplayTimes) < 0) select(kReplayTimes, 0);

    select(kWorkHour, 0);
    applyOnOffGroup(OnOffVariant::WorkHour, kWorkHour, kStartHour, kStartMinute, kStopHour, kStopMinute, 0);

    showWorkDays(kAllDays);
    setCheck(ids::kWorkDayBox, 1);

    applyOnOffGroup(OnOffVariant::EnableOnly, kGameCall, kGameCallHour, kGameCallMinute, kReplayTimes, kChooseAudio,
                      kAudioField);
    setClockFromPc();
    rememberTimeLapsePir();
}

// ---- radio groups as the file stores them -------------------------------------------------------

void Hx710tDialog::setSendToRadios(const std::string& stored) {
    static constexpr int kByValue[4] = {kSendToPhoneMms, kSendToEmailMms, kSendToEmailGprs, kSendToCall};
    const int value = stored.empty() ? -1 : platform::atoI(stored);
    if (value >= 0 && value <= 3) {
        onSendToClick(kByValue[value]);
        return;
    }
    setRadioGroup(kSendToPhoneMms, kSendToEmailMms, kSendToEmailGprs, kSendToCall, false);
}

// ---- the settings file --------------------------------------------------------------------------


settings::KeyTable Hx710tDialog::buildKeyTable() {
    using namespace settings;
    KeyTable table;
    table.options = {.trimValues = false, .cutPortsOnRead = true, .emptyEditKeeps = true};
    appendLeadingSections(table, std::string(kFileCode), /*withSmtpSsl=*/false);
    auto& keys = table.keys;

    LeadingCameraKeys leading;
    leading.readSendMode = [this](const std::string& value) { setSendModeRadios(value); };
    leading.sendToRadios = {kSendToPhoneMms, kSendToEmailMms, kSendToEmailGprs, kSendToCall};
    leading.readSendTo = [this](const std::string& value) { setSendToRadios(value); };
    leading.afterPirTrigger = [this] { afterTimeLapsePirLoaded(); };
    leading.readClockDay = [this](const std::string& value) {
        if (value.empty()) {
            clearSelection(ids::kDay);
            return;
        }
        if (sel(ids::kYear) >= 0 && sel(ids::kMonth) >= 0)
            refillDayList();
        else
            prepareDayListForLoad();  // every day "01".."31": the month is unknown
        const int day = platform::atoI(value);
        select(ids::kDay, day > 0 ? day - 1 : -1);  // (no day below 1; INT_MIN - 1 would overflow)
    };
    appendLeadingCameraKeys(table, leading);

    keys.push_back(rangeKey("Security Mode", kSecurityMode, 0, 1));
    keys.push_back(rangeKey("Video Size", kVideoSize, 0, 1));
    KeySlot gameCall = rangeKey("Game Call", kGameCall, 0, 1);
    gameCall.afterRead = [this] {
        applyOnOffGroup(OnOffVariant::EnableOnly, kGameCall, kGameCallHour, kGameCallMinute, kReplayTimes,
                          kChooseAudio, kAudioField);
    };
    keys.push_back(gameCall);
    keys.push_back(rangeKey("GameCall Hour", kGameCallHour, 0, 23));
    keys.push_back(rangeKey("GameCall Minute", kGameCallMinute, 0, 59));
    keys.push_back(rangeKey("GameCall PlayTime", kReplayTimes, 0, 99));
    KeySlot workDay = Key(kCameraSection, "Work Day", SlotKind::DayMask);
    workDay.dayBoxes.assign(kDayBoxes.begin(), kDayBoxes.end());
    workDay.read = [this](const std::string& value) {
        const int mask = platform::atoI(value);
        for (int position = 0; position < 7; ++position) showWorkDay(position, mask);
        updateWorkDayBox();
    };
    keys.push_back(workDay);
    keys.push_back(rangeKey("Camera Position", kCameraPosition, 0, 26));
    keys.push_back(rangeKey("SMS Control", kSmsControl, 0, 1));

    appendWorkHourKeys(table, {kWorkHour, kStartHour, kStartMinute, kStopHour, kStopMinute}, [this] {
        applyOnOffGroup(OnOffVariant::WorkHour, kWorkHour, kStartHour, kStartMinute, kStopHour, kStopMinute, 0);
    });
    return table;
}

}  // namespace qvt::dialogs
