// SPDX-License-Identifier: Apache-2.0
// The HX710T-10M's description: its parts, file, "Default(&D)" and wording.
#include "dialogs/Hx710t.h"

#include "dialogs/DialogParts.h"
#include "dialogs/KeyTableBuilders.h"
#include "dialogs/SettingsDialog.h"
#include "dialogs/OperatorListConfigs.h"
#include "platform/FileOps.h"

namespace qvt::dialogs {

using namespace hx710t;

namespace {

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

void applyDefaults(SettingsDialog& d) {
    RadioGroupPart& sendTo = *d.part<RadioGroupPart>();
    WorkHourPart& workHour = *d.part<WorkHourPart>();
    d.resetClock();
    d.onSendModeClick(ids::kSendManual);
    sendTo.click(kSendToPhoneMms);

    d.applyDefaults(kDefaults);
    if (d.sel(kReplayTimes) < 0) d.select(kReplayTimes, 0);

    d.select(kWorkHour, 0);
    workHour.apply(OnOffVariant::WorkHour);

    d.showWorkDays(kAllDays);
    d.setCheck(ids::kWorkDayBox, 1);

    d.part<GameCallPart>()->apply(OnOffVariant::EnableOnly);
    d.setClockFromPc();
    d.rememberTimeLapsePir();
}

void buildKeyTable(SettingsDialog& d, settings::KeyTable& table) {
    using namespace settings;
    table.options = {.trimValues = false, .cutPortsOnRead = true, .emptyEditKeeps = true};
    appendLeadingSections(table, std::string(kFileCode), kProduct.advancedSetup);
    auto& keys = table.keys;
    RadioGroupPart& sendTo = *d.part<RadioGroupPart>();
    GameCallPart& gameCall = *d.part<GameCallPart>();
    WorkHourPart& workHour = *d.part<WorkHourPart>();

    LeadingCameraKeys leading;
    leading.readSendMode = [&d](const std::string& value) { d.setSendModeRadios(value); };
    leading.sendToRadios = sendTo.group();
    leading.readSendTo = [&sendTo](const std::string& value) { sendTo.setFromFile(value); };
    leading.afterPirTrigger = [&d] { d.afterTimeLapsePirLoaded(); };
    leading.readClockDay = [&d](const std::string& value) {
        if (value.empty()) {
            d.clearSelection(ids::kDay);
            return;
        }
        if (d.sel(ids::kYear) >= 0 && d.sel(ids::kMonth) >= 0)
            d.refillDayList();
        else
            d.prepareDayListForLoad();  // every day "01".."31": the month is unknown
        const int day = platform::atoI(value);
        d.select(ids::kDay, day > 0 ? day - 1 : -1);  // (no day below 1; INT_MIN - 1 would overflow)
    };
    appendLeadingCameraKeys(table, leading);

    keys.push_back(rangeKey("Security Mode", kSecurityMode, 0, 1));
    keys.push_back(rangeKey("Video Size", kVideoSize, 0, 1));
    KeySlot gameCallKey = rangeKey("Game Call", kGameCall, 0, 1);
    gameCallKey.afterRead = [&gameCall] { gameCall.apply(OnOffVariant::EnableOnly); };
    keys.push_back(gameCallKey);
    keys.push_back(rangeKey("GameCall Hour", kGameCallHour, 0, 23));
    keys.push_back(rangeKey("GameCall Minute", kGameCallMinute, 0, 59));
    keys.push_back(rangeKey("GameCall PlayTime", kReplayTimes, 0, 99));
    KeySlot workDay = Key(kCameraSection, "Work Day", SlotKind::DayMask);
    workDay.dayBoxes.assign(kDayBoxes.begin(), kDayBoxes.end());
    workDay.read = [&d](const std::string& value) {
        const int mask = platform::atoI(value);
        for (int position = 0; position < 7; ++position) d.showWorkDay(position, mask);
        d.updateWorkDayBox();
    };
    keys.push_back(workDay);
    keys.push_back(rangeKey("Camera Position", kCameraPosition, 0, 26));
    keys.push_back(rangeKey("SMS Control", kSmsControl, 0, 1));

    appendWorkHourKeys(table, {kWorkHour, kStartHour, kStartMinute, kStopHour, kStopMinute},
                       [&workHour] { workHour.apply(OnOffVariant::WorkHour); });
}

// Made by a function rather than written into the description: GCC 12 at -O3 takes the strings of
// a nested designated initializer for possibly uninitialised.
SaveFlowWording saveFlowWording() {
    return {.trimPathOnSave = true,
            .volumeMissingBefore = "Can't find volume \"",
            .volumeMissingAfter = "\",Please check connection of your device and try again !",
            .confirmText = "Confirm save all the data ?",
            .reportPrefix = "Ok , All data has been saved in : \" "};
}

}  // namespace

const ProductDescription& hx710tDescription() {
    static const ProductDescription description{
        .dialogTemplate = hx710t::dialogTemplate,
        .rules = hx710tRules,
        .lists = hx710tListConfig,
        .saveFlow = saveFlowWording(),
        .pathListId = kPathList,
        .defaultButton = kDefault,
        .parts =
            {
                part<WorkDaysPart>(/*clearOnOpen=*/true),
                part<SendModePart>(/*clearOnOpen=*/false),
                part<RadioGroupPart>(std::vector<int>{kSendToPhoneMms, kSendToEmailMms, kSendToEmailGprs, kSendToCall},
                                     RadioGroupPart::Stored::Number),
                part<GameCallPart>(/*clearTempOnExit=*/true),
                part<WorkHourPart>(OnOffGroup{kWorkHour, kStartHour, kStartMinute, kStopHour, kStopMinute},
                                   OnOffVariant::WorkHour),
            },
        .buildKeyTable = buildKeyTable,
        .applyDefaults = applyDefaults,
    };
    return description;
}

}  // namespace qvt::dialogs
