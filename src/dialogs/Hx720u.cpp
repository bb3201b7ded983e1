// SPDX-License-Identifier: Apache-2.0
// The HX720U's description: its parts, file, "Default(&D)" and wording.
#include "dialogs/Hx720u.h"

#include "dialogs/DialogParts.h"
#include "dialogs/KeyTableBuilders.h"
#include "dialogs/SettingsDialog.h"
#include "dialogs/OperatorListConfigs.h"

namespace qvt::dialogs {

using namespace hx720u;

namespace {

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

void applyDefaults(SettingsDialog& d) {
    d.resetClock();
    d.onSendModeClick(ids::kSendManual);
    d.part<RadioGroupPart>()->click(kSendToPhoneMms);
    d.applyDefaults(kDefaults);
    if (d.sel(kReplayTimes) < 0) d.select(kReplayTimes, 0);  // "OFF"

    d.select(kWorkHour, 0);
    d.part<WorkHourPart>()->apply(OnOffVariant::WorkHour);
    // Unlike the HX710T-10M, blank game-call lists get their first item here.
    d.part<GameCallPart>()->apply(OnOffVariant::FillBlanks);
    d.setClockFromPc();
    d.rememberTimeLapsePir();
}

void buildKeyTable(SettingsDialog& d, settings::KeyTable& table) {
    using namespace settings;
    table.options = {.trimValues = true, .cutPortsOnRead = false, .emptyEditKeeps = false};
    appendLeadingSections(table, std::string(kFileCode), kProduct.advancedSetup);
    RadioGroupPart& sendTo = *d.part<RadioGroupPart>();
    GameCallPart& gameCall = *d.part<GameCallPart>();
    WorkHourPart& workHour = *d.part<WorkHourPart>();

    LeadingCameraKeys leading;
    leading.readSendMode = [&d](const std::string& value) { d.setSendModeRadios(value); };
    leading.sendToRadios = {kSendToPhoneMms, kSendToEmailGprs, kSendToCall, kSendToCall};
    leading.readSendTo = [&sendTo](const std::string& value) { sendTo.setFromFile(value); };
    leading.listRead = ListRead::Transfer;
    leading.afterPirTrigger = [&d] { d.afterTimeLapsePirLoaded(); };
    leading.beforeClockDay = [&d] { d.prepareDayListForLoad(); };
    appendLeadingCameraKeys(table, leading);

    auto& keys = table.keys;
    keys.push_back(listKey("Video Size", kVideoSize, ListRead::Transfer));
    KeySlot gameCallKey = listKey("Game Call", kGameCall, ListRead::Transfer);
    gameCallKey.afterRead = [&gameCall] { gameCall.apply(OnOffVariant::FillBlanks); };
    keys.push_back(gameCallKey);
    static constexpr struct {
        const char* key;
        int id;
    } kLists[] = {{"GameCall Hour", kGameCallHour},    {"GameCall Minute", kGameCallMinute},
                  {"GameCall PlayTime", kReplayTimes}, {"Camera Position", kCameraPosition},
                  {"SMS Control", kSmsControl},        {"Work Hour", kWorkHour},
                  {"Work Hour StartH", kStartHour},    {"Work Hour StartM", kStartMinute},
                  {"Work Hour StopH", kStopHour},      {"Work Hour StopM", kStopMinute}};
    for (const auto& l : kLists) keys.push_back(listKey(l.key, l.id, ListRead::Transfer));
    keys.back().afterRead = [&workHour] { workHour.apply(OnOffVariant::WorkHour); };

    // Once the file is written the switches enable their controls once more; the selections stay
    // as they were saved.
    table.afterWrite = [&gameCall, &workHour] {
        gameCall.apply(OnOffVariant::EnableOnly);
        workHour.apply(OnOffVariant::EnableOnly);
    };
}

}  // namespace

const ProductDescription& hx720uDescription() {
    static const ProductDescription description{
        .dialogTemplate = hx720u::dialogTemplate,
        .rules = hx720uRules,
        .lists = hx720uListConfig,
        .saveFlow = lp300Vex2Hx720uSaveFlow(),
        .pathListId = kPathList,
        .defaultButton = kDefault,
        .parts =
            {
                part<SendModePart>(/*clearOnOpen=*/false),
                part<RadioGroupPart>(std::vector<int>{kSendToPhoneMms, kSendToEmailGprs, kSendToCall},
                                     RadioGroupPart::Stored::Digit),
                // Exit, Esc and the close box leave the conversion tool's folder as it is.
                part<GameCallPart>(/*clearTempOnExit=*/false),
                part<WorkHourPart>(OnOffGroup{kWorkHour, kStartHour, kStartMinute, kStopHour, kStopMinute},
                                   OnOffVariant::WorkHour),
            },
        .buildKeyTable = buildKeyTable,
        .applyDefaults = applyDefaults,
    };
    return description;
}

}  // namespace qvt::dialogs
