#include "dialogs/Hx720uDialog.h"

#include "settings/KeyTable.h"
#include "settings/KeyTableBuilders.h"

namespace qvt::dialogs {

using namespace hx720u;
using ui::Event;
using ui::Icon;

namespace {

ProductDialogConfig Hx720uConfig() {
    return {.saveFlow = settings::Lp300Vex2Hx720uSaveFlow(kFileCode),
            .lists = operators::Hx720uListConfig(),
            .bannerId = kBanner};
}

// What "Default(&D)" selects, in the order it selects them.
struct ListDefault {
    int id;
    int position;
};
constexpr ListDefault kListDefaults[] = {
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

Hx720uDialog::Hx720uDialog(ui::Host& host, app::AppContext& context)
    : ProductSettingsDialog(host, Template(), context, Hx720uRules(), Hx720uConfig()),
      audio_(
          *this, context, [this] { return saveFlow().SaveVolume(); }, kAudioField) {
    setKeyTable(BuildKeyTable());
}

// ---- opening, notifications, buttons ------------------------------------------------------------

void Hx720uDialog::onInit() {
    lists().fillCountryList();
    forgetTimeLapsePir();
    saveFlow().scanAndLoad();
    audio_.ResetField();  // never taken from the file: "Choose audio file!"
    audio_.StageTransformTool();
}

void Hx720uDialog::onNotify(int id, Event event) {
    if (HandleCommonNotify(id, event) || HandleSendModeNotify(id, event)) return;
    if (event == Event::SelChange) {
        if (id == kTimeLapse) onTimeLapseChanged();
        if (id == kPirTrigger) onPirTriggerChanged();
        if (id == kGameCall) GameCallGroup(OnOffVariant::FillBlanks);
        if (id == kWorkHour) WorkHourGroup(OnOffVariant::WorkHour);
        return;
    }
    if (event != Event::Clicked) return;
    if (id == kSendToPhoneMms || id == kSendToEmailGprs || id == kSendToCall) OnSendToClick(id);
    if (id == kDefault) OnDefault();
    if (id == kChooseAudio) audio_.ChooseAudioFile();
}

void Hx720uDialog::OnSendToClick(int radio) {
    OnRadioGroupClick(radio, {kSendToPhoneMms, kSendToEmailGprs, kSendToCall});
}

void Hx720uDialog::GameCallGroup(OnOffVariant variant) {
    Manage_OnOffGroup(variant, kGameCall, kGameCallHour, kGameCallMinute, kReplayTimes, kChooseAudio, kAudioField);
}

void Hx720uDialog::WorkHourGroup(OnOffVariant variant) {
    Manage_OnOffGroup(variant, kWorkHour, kStartHour, kStartMinute, kStopHour, kStopMinute, 0);
}

void Hx720uDialog::onOK() {
    saveFlow().save();
    // The sound goes onto the card the save was aimed at, whatever the save itself reported. When the
    // save found no card (its message said so), nothing is placed anywhere, not on another card.
    if (sel(kGameCall) == 1 && !saveFlow().SaveVolume().empty() && !audio_.TransformAudioFile())
        message("Failed to transform audio file!", kTipsCaption, Icon::Warning);
}

void Hx720uDialog::OnDefault() {
    resetClock();
    OnSendModeClick(ids::kSendManual);
    OnSendToClick(kSendToPhoneMms);
    for (const ListDefault& d : kListDefaults) select(d.id, d.position);
    if (sel(kReplayTimes) < 0) select(kReplayTimes, 0);  // "OFF"

    select(kWorkHour, 0);
    WorkHourGroup(OnOffVariant::WorkHour);
    // Unlike the HX710T-10M, blank game-call lists get their first item here.
    GameCallGroup(OnOffVariant::FillBlanks);
    SetClockFromPc();
    rememberTimeLapsePir();
}

void Hx720uDialog::SetSendToRadios(const std::string& stored) {
    SetRadioGroupFromDigit(stored, {kSendToPhoneMms, kSendToEmailGprs, kSendToCall});
}

// ---- the settings file --------------------------------------------------------------------------


settings::KeyTable Hx720uDialog::BuildKeyTable() {
    using namespace settings;
    KeyTable table;
    table.options = {.trimValues = true, .cutPortsOnRead = false, .emptyEditKeeps = false};
    AppendLeadingSections(table, kFileCode, /*withSmtpSsl=*/true);

    LeadingCameraKeys leading;
    leading.readSendMode = [this](const std::string& value) { SetSendModeRadios(value); };
    leading.sendToRadios = {kSendToPhoneMms, kSendToEmailGprs, kSendToCall, kSendToCall};
    leading.readSendTo = [this](const std::string& value) { SetSendToRadios(value); };
    leading.listRead = ListRead::Transfer;
    leading.afterPirTrigger = [this] { afterTimeLapsePirLoaded(); };
    leading.beforeClockDay = [this] { prepareDayListForLoad(); };
    AppendLeadingCameraKeys(table, leading);

    auto& keys = table.keys;
    keys.push_back(ListKey("Video Size", kVideoSize, ListRead::Transfer));
    KeySlot gameCall = ListKey("Game Call", kGameCall, ListRead::Transfer);
    gameCall.afterRead = [this] { GameCallGroup(OnOffVariant::FillBlanks); };
    keys.push_back(gameCall);
    static constexpr struct {
        const char* key;
        int id;
    } kLists[] = {{"GameCall Hour", kGameCallHour},    {"GameCall Minute", kGameCallMinute},
                  {"GameCall PlayTime", kReplayTimes}, {"Camera Position", kCameraPosition},
                  {"SMS Control", kSmsControl},        {"Work Hour", kWorkHour},
                  {"Work Hour StartH", kStartHour},    {"Work Hour StartM", kStartMinute},
                  {"Work Hour StopH", kStopHour},      {"Work Hour StopM", kStopMinute}};
    for (const auto& l : kLists) keys.push_back(ListKey(l.key, l.id, ListRead::Transfer));
    keys.back().afterRead = [this] { WorkHourGroup(OnOffVariant::WorkHour); };

    // Once the file is written the switches enable their controls once more; the selections stay
    // as they were saved.
    table.afterWrite = [this] {
        GameCallGroup(OnOffVariant::EnableOnly);
        WorkHourGroup(OnOffVariant::EnableOnly);
    };
    return table;
}

}  // namespace qvt::dialogs
