#include "dialogs/Hx710tDialog.h"

#include <optional>

#include "app/AboutDialog.h"
#include "app/Catalogue.h"
#include "operators/OperatorLists.h"
#include "platform/FileOps.h"
#include "settings/KeyTable.h"
#include "settings/KeyTableBuilders.h"
#include "settings/ProfileFile.h"

namespace qvt::dialogs {

using namespace hx710t;
using ui::Event;
using ui::Icon;

namespace {

ProductDialogConfig Hx710tConfig() {
    ProductDialogConfig config;
    config.saveFlow.pathListId = kPathList;
    config.saveFlow.fileCode = kFileCode;
    config.saveFlow.trimPathOnSave = true;
    config.lists = operators::Hx710tListConfig();
    config.bannerId = kBanner;
    return config;
}

}  // namespace

Hx710tDialog::Hx710tDialog(ui::Host& host, app::AppContext& context)
    : ProductSettingsDialog(host, Template(), context, Hx710tRules(), Hx710tConfig()),
      audio_(
          *this, context, [this] { return saveFlow().SaveVolume(); }, kAudioField) {
    setKeyTable(BuildKeyTable());
}

// ---- opening, notifications, buttons ------------------------------------------------------------

void Hx710tDialog::onInit() {
    setCheck(ids::kWorkDayBox, 0);
    showWorkDays(0);
    lists().fillCountryList();
    forgetTimeLapsePir();
    saveFlow().scanAndLoad();
    audio_.ResetField();
    stageTransformTool();
}

void Hx710tDialog::onNotify(int id, Event event) {
    if (HandleCommonNotify(id, event) || HandleSendModeNotify(id, event) || HandleWorkDayNotify(id, event)) return;
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
                    Manage_OnOffGroup(OnOffVariant::FillBlanks, kGameCall, kGameCallHour, kGameCallMinute, kReplayTimes,
                                      kChooseAudio, kAudioField);
                    return;
                case kWorkHour:
                    Manage_OnOffGroup(OnOffVariant::WorkHour, kWorkHour, kStartHour, kStartMinute, kStopHour,
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
                    OnSendToClick(id);
                    return;
                case kDefault:
                    OnDefault();
                    return;
                case kChooseAudio:
                    audio_.ChooseAudioFile();
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

void Hx710tDialog::OnSendToClick(int radio) {
    OnRadioGroupClick(radio, {kSendToPhoneMms, kSendToEmailMms, kSendToEmailGprs, kSendToCall});
}

void Hx710tDialog::onOK() {
    saveFlow().save();
    // The sound goes onto the card the save was aimed at, whatever the save itself reported. When the
    // save found no card (its message said so), nothing is placed anywhere, not on another card.
    if (sel(kGameCall) == 1 && !saveFlow().SaveVolume().empty() && !transformAudioFile())
        message("Failed to transform audio file!", kTipsCaption, Icon::Warning);
}

void Hx710tDialog::onCancel() {
    clearTempFolder();
    end(ui::Result::Cancel);
}

void Hx710tDialog::OnDefault() {
    resetClock();
    OnSendModeClick(ids::kSendManual);
    OnSendToClick(kSendToPhoneMms);

    select(kLanguage, 0);        // "English"
    select(kCameraMode, 0);      // "Photo"
    select(kPhotoSize, 0);       // "5M"
    select(kPhotoBurst, 0);      // "1 Photo"
    select(kVideoLength, 0);     // "10  Sec"
    select(kPirInterval, 1);     // "5  Sec"
    select(kTimeLapse, 0);       // "OFF"
    select(kPirTrigger, 1);      // "Normal"
    select(kSecurityMode, 0);    // "OFF"
    select(kVideoSize, 0);       // "1280*720"
    select(kSmsControl, 0);      // "OFF"
    select(kCameraPosition, 0);  // "OFF"
    select(kGameCall, 0);        // "OFF"
    if (sel(kReplayTimes) < 0) select(kReplayTimes, 0);

    select(kWorkHour, 0);
    Manage_OnOffGroup(OnOffVariant::WorkHour, kWorkHour, kStartHour, kStartMinute, kStopHour, kStopMinute, 0);

    showWorkDays(kAllDays);
    setCheck(ids::kWorkDayBox, 1);

    Manage_OnOffGroup(OnOffVariant::EnableOnly, kGameCall, kGameCallHour, kGameCallMinute, kReplayTimes, kChooseAudio,
                      kAudioField);
    SetClockFromPc();
    rememberTimeLapsePir();
}

// ---- radio groups as the file stores them -------------------------------------------------------

void Hx710tDialog::SetSendToRadios(const std::string& stored) {
    static constexpr int kByValue[4] = {kSendToPhoneMms, kSendToEmailMms, kSendToEmailGprs, kSendToCall};
    const int value = stored.empty() ? -1 : platform::AtoI(stored);
    if (value >= 0 && value <= 3) {
        OnSendToClick(kByValue[value]);
        return;
    }
    setRadioGroup(kSendToPhoneMms, kSendToEmailMms, kSendToEmailGprs, kSendToCall, false);
}

// ---- the settings file --------------------------------------------------------------------------


settings::KeyTable Hx710tDialog::BuildKeyTable() {
    using namespace settings;
    KeyTable table;
    table.options = {.trimValues = false, .cutPortsOnRead = true, .emptyEditKeeps = true};
    AppendLeadingSections(table, kFileCode, /*withSmtpSsl=*/false);
    auto& keys = table.keys;

    LeadingCameraKeys leading;
    leading.readSendMode = [this](const std::string& value) { SetSendModeRadios(value); };
    leading.sendToRadios = {kSendToPhoneMms, kSendToEmailMms, kSendToEmailGprs, kSendToCall};
    leading.readSendTo = [this](const std::string& value) { SetSendToRadios(value); };
    leading.afterPirTrigger = [this] { afterTimeLapsePirLoaded(); };
    leading.readClockDay = [this](const std::string& value) {
        if (value.empty()) {
            clearSelection(ids::kDay);
            return;
        }
        if (sel(ids::kYear) >= 0 && sel(ids::kMonth) >= 0)
            RefillDayList();
        else
            prepareDayListForLoad();  // every day "01".."31": the month is unknown
        const int day = platform::AtoI(value);
        select(ids::kDay, day > 0 ? day - 1 : -1);  // (no day below 1; INT_MIN - 1 would overflow)
    };
    AppendLeadingCameraKeys(table, leading);

    keys.push_back(RangeKey("Security Mode", kSecurityMode, 0, 1));
    keys.push_back(RangeKey("Video Size", kVideoSize, 0, 1));
    KeySlot gameCall = RangeKey("Game Call", kGameCall, 0, 1);
    gameCall.afterRead = [this] {
        Manage_OnOffGroup(OnOffVariant::EnableOnly, kGameCall, kGameCallHour, kGameCallMinute, kReplayTimes,
                          kChooseAudio, kAudioField);
    };
    keys.push_back(gameCall);
    keys.push_back(RangeKey("GameCall Hour", kGameCallHour, 0, 23));
    keys.push_back(RangeKey("GameCall Minute", kGameCallMinute, 0, 59));
    keys.push_back(RangeKey("GameCall PlayTime", kReplayTimes, 0, 99));
    KeySlot workDay = Key(kCameraSection, "Work Day", SlotKind::DayMask);
    workDay.read = [this](const std::string& value) {
        const int mask = platform::AtoI(value);
        for (int position = 0; position < 7; ++position) showWorkDay(position, mask);
        updateWorkDayBox();
    };
    keys.push_back(workDay);
    keys.push_back(RangeKey("Camera Position", kCameraPosition, 0, 26));
    keys.push_back(RangeKey("SMS Control", kSmsControl, 0, 1));

    AppendWorkHourKeys(table, {kWorkHour, kStartHour, kStartMinute, kStopHour, kStopMinute}, [this] {
        Manage_OnOffGroup(OnOffVariant::WorkHour, kWorkHour, kStartHour, kStartMinute, kStopHour, kStopMinute, 0);
    });
    return table;
}

}  // namespace qvt::dialogs
