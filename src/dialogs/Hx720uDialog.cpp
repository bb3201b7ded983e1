// SPDX-License-Identifier: Apache-2.0
#include "dialogs/Hx720uDialog.h"

#include "settings/KeyTable.h"
#include "dialogs/KeyTableBuilders.h"

namespace qvt::dialogs {

using namespace hx720u;
using ui::Event;
using ui::Icon;

namespace {

ProductDialogConfig hx720uConfig() {
    return {.saveFlow = settings::lp300Vex2Hx720uSaveFlow(std::string(kFileCode)),
            .pathListId = kPathList,
            .lists = hx720uListConfig(),
            .bannerId = kBanner};
}

// What "Default(&D)" selects, in the order it selects them.
constexpr ControlDefault kDefaults[] = {
    {kLanguage, 0},        // "English"
    {kCameraMode, 0},      // "Photo"
    {kPhotoSize, 0},       // "5 M"
    {kPhotoBurst, 0},      // "1 Photo"
    {kVideoLength, 1},     // "10  Sec", the second item
    {kTimeLapse, 0},       // "OFF"
    {kPirTrigger, 1},      // "Normal"
    {kPirInterval, 1},     // "5  Sec"
    {kVideoSize, 0},       // "1280*720"
    {kGameCall, 0},        // "OFF"
    {kCameraPosition, 0},  // "OFF"
    {kSmsControl, 1},      // "ON"
};

}  // namespace

Hx720uDialog::Hx720uDialog(ui::Host& host, dialogs::AppContext& context)
    : ProductSettingsDialog(host, dialogTemplate(), context, hx720uRules(), hx720uConfig()),
      audio_(*this, context.systemRoot(), context.ffmpeg, [this] { return saveFlow().saveVolume(); }, kAudioField) {
    setKeyTable(buildKeyTable());
}

// ---- opening, notifications, buttons ------------------------------------------------------------

void Hx720uDialog::onInit() {
    lists().fillCountryList();
    forgetTimeLapsePir();
    saveFlow().scanAndLoad();
    audio_.resetField();  // never taken from the file: "Choose audio file!"
    audio_.stageConverter();
}

void Hx720uDialog::onNotify(int id, Event event) {
    if (handleCommonNotify(id, event) || handleSendModeNotify(id, event)) return;
    if (event == Event::SelChange) {
        if (id == kTimeLapse) onTimeLapseChanged();
        if (id == kPirTrigger) onPirTriggerChanged();
        if (id == kGameCall) gameCallGroup(OnOffVariant::FillBlanks);
        if (id == kWorkHour) workHourGroup(OnOffVariant::WorkHour);
        return;
    }
    if (event != Event::Clicked) return;
    if (id == kSendToPhoneMms || id == kSendToEmailGprs || id == kSendToCall) onSendToClick(id);
    if (id == kDefault) onDefault();
    if (id == kChooseAudio) audio_.chooseAudioFile();
}

void Hx720uDialog::onSendToClick(int radio) {
    onRadioGroupClick(radio, {kSendToPhoneMms, kSendToEmailGprs, kSendToCall});
}

void Hx720uDialog::gameCallGroup(OnOffVariant variant) {
    applyOnOffGroup(variant, kGameCall, kGameCallHour, kGameCallMinute, kReplayTimes, kChooseAudio, kAudioField);
}

void Hx720uDialog::workHourGroup(OnOffVariant variant) {
    applyOnOffGroup(variant, kWorkHour, kStartHour, kStartMinute, kStopHour, kStopMinute, 0);
}

void Hx720uDialog::onOK() {
    saveFlow().save();
    // The sound goes onto the card the save was aimed at, whatever the save itself reported. When the
    // save found no card (its message said so), nothing is placed anywhere, not on another card.
    if (sel(kGameCall) == 1 && !saveFlow().saveVolume().empty() && !audio_.convertGameCallSound())
        message("Failed to transform audio file!", kTipsCaption, Icon::Warning);
}

void Hx720uDialog::onDefault() {
    resetClock();
    onSendModeClick(ids::kSendManual);
    onSendToClick(kSendToPhoneMms);
    applyDefaults(kDefaults);
    if (sel(kReplayTimes) < 0) select(kReplayTimes, 0);  // "OFF"

    select(kWorkHour, 0);
    workHourGroup(OnOffVariant::WorkHour);
    // Unlike the HX710T-10M, blank game-call lists get their first item here.
    gameCallGroup(OnOffVariant::FillBlanks);
    setClockFromPc();
    rememberTimeLapsePir();
}

void Hx720uDialog::setSendToRadios(const std::string& stored) {
    setRadioGroupFromDigit(stored, {kSendToPhoneMms, kSendToEmailGprs, kSendToCall});
}

// ---- the settings file --------------------------------------------------------------------------


settings::KeyTable Hx720uDialog::buildKeyTable() {
    using namespace settings;
    KeyTable table;
    table.options = {.trimValues = true, .cutPortsOnRead = false, .emptyEditKeeps = false};
    appendLeadingSections(table, std::string(kFileCode), /*withSmtpSsl=*/true);

    LeadingCameraKeys leading;
    leading.readSendMode = [this](const std::string& value) { setSendModeRadios(value); };
    leading.sendToRadios = {kSendToPhoneMms, kSendToEmailGprs, kSendToCall, kSendToCall};
    leading.readSendTo = [this](const std::string& value) { setSendToRadios(value); };
    leading.listRead = ListRead::Transfer;
    leading.afterPirTrigger = [this] { afterTimeLapsePirLoaded(); };
    leading.beforeClockDay = [this] { prepareDayListForLoad(); };
    appendLeadingCameraKeys(table, leading);

    auto& keys = table.keys;
    keys.push_back(listKey("Video Size", kVideoSize, ListRead::Transfer));
    KeySlot gameCall = listKey("Game Call", kGameCall, ListRead::Transfer);
    gameCall.afterRead = [this] { gameCallGroup(OnOffVariant::FillBlanks); };
    keys.push_back(gameCall);
    static constexpr struct {
        const char* key;
        int id;
    } kLists[] = {{"GameCall Hour", kGameCallHour},    {"GameCall Minute", kGameCallMinute},
                  {"GameCall PlayTime", kReplayTimes}, {"Camera Position", kCameraPosition},
                  {"SMS Control", kSmsControl},        {"Work Hour", kWorkHour},
                  {"Work Hour StartH", kStartHour},    {"Work Hour StartM", kStartMinute},
                  {"Work Hour StopH", kStopHour},      {"Work Hour StopM", kStopMinute}};
    for (const auto& l : kLists) keys.push_back(listKey(l.key, l.id, ListRead::Transfer));
    keys.back().afterRead = [this] { workHourGroup(OnOffVariant::WorkHour); };

    // Once the file is written the switches enable their controls once more; the selections stay
    // as they were saved.
    table.afterWrite = [this] {
        gameCallGroup(OnOffVariant::EnableOnly);
        workHourGroup(OnOffVariant::EnableOnly);
    };
    return table;
}

}  // namespace qvt::dialogs
