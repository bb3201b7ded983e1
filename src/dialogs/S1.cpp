// SPDX-License-Identifier: Apache-2.0
// The four-model dialog's description: its parts, file, "Default(&D)" and wording.
#include "dialogs/S1.h"

#include "dialogs/DialogParts.h"
#include "dialogs/KeyTableBuilders.h"
#include "dialogs/SettingsDialog.h"
#include "dialogs/OperatorListConfigs.h"

namespace qvt::dialogs {

using namespace s1;

namespace {

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

void applyDefaults(SettingsDialog& d) {
    d.applyDefaults(kDefaults);
    d.part<VariantsPart>()->clearLackingLists();

    d.select(kWorkHour, 0);  // "OFF": the four times are disabled and keep their selections
    d.part<WorkHourPart>()->apply();

    d.onSendModeClick(ids::kSendManual);
    d.part<RadioGroupPart>()->click(kSendToPhoneMms);

    d.resetClock();
    d.setClockFromPc();
    d.rememberTimeLapsePir();
}

void buildKeyTable(SettingsDialog& d, settings::KeyTable& table) {
    using namespace settings;
    table.options = {.trimValues = true, .cutPortsOnRead = false, .emptyEditKeeps = false};
    appendLeadingSections(table, std::string(d.product().fileCode), d.product().advancedSetup);
    RadioGroupPart& sendTo = *d.part<RadioGroupPart>();
    WorkHourPart& workHour = *d.part<WorkHourPart>();
    VariantsPart& variants = *d.part<VariantsPart>();

    LeadingCameraKeys leading;
    leading.readSendMode = [&d](const std::string& value) { d.setSendModeRadios(value); };
    leading.sendToRadios = sendTo.group();
    // "0", "1" or "2" checks that button; anything else clears all three.
    leading.readSendTo = [&sendTo](const std::string& value) { sendTo.setFromFile(value); };
    leading.listRead = ListRead::Transfer;
    leading.pirTriggerList = kPirTrigger;
    leading.afterPirTrigger = [&d] { d.afterTimeLapsePirLoaded(); };
    leading.beforeClockDay = [&d] { d.prepareDayListForLoad(); };
    appendLeadingCameraKeys(table, leading);

    auto& keys = table.keys;
    keys.push_back(listKey("Video Size", kVideoSize, ListRead::Transfer));
    keys.push_back(listKey("SMS Control", kSmsControl, ListRead::Transfer));
    appendWorkHourKeys(table, {kWorkHour, kStartHour, kStartMinute, kStopHour, kStopMinute}, [&workHour, &variants] {
        workHour.apply();
        variants.clearLackingLists();  // the lists the model lacks stand without selection after every read
    });

    // The keys of the controls a model lacks are neither written nor read.
    for (KeySlot& slot : keys)
        if (slot.section == kCameraSection && slot.id != 0)
            slot.used = [&variants, id = slot.id] { return variants.isControlUsed(id); };
}

// Made by a function rather than written into the description: GCC 12 at -O3 takes the strings of
// a nested designated initializer for possibly uninitialised.
SaveFlowWording saveFlowWording() {
    return {.trimPathOnSave = false,
            .volumeMissingBefore = "Can't find the volume \"",
            .volumeMissingAfter = "\",Please check connection of your device and try again !",
            .confirmText = "Confirm save all the data ?",
            .reportPrefix = "Ok , All Data Has Been Saved In : \" "};
}

}  // namespace

const ProductDescription& s1Description() {
    static const ProductDescription description{
        .dialogTemplate = s1::dialogTemplate,
        .rules = s1Rules,
        .lists = s1ListConfig,
        .saveFlow = saveFlowWording(),
        .pathListId = kPathList,
        .defaultButton = kDefault,
        .parts =
            {
                part<RadioGroupPart>(std::vector<int>{kSendToPhoneMms, kSendToEmailMms, kSendToEmailGprs},
                                     RadioGroupPart::Stored::Digit, /*clearOnOpen=*/true),
                part<SendModePart>(/*clearOnOpen=*/true),
                // The lists each model lacks, by variant: disabled with their labels, kept without
                // selection, and their keys left out of the model's file.
                part<VariantsPart>(std::vector<std::vector<VariantsPart::Lacking>>{
                    {{kSmsControl, kSmsControlLabel}},
                    {{kVideoSize, kVideoSizeLabel}, {kSmsControl, kSmsControlLabel}},
                    {},
                    {}}),
                part<WorkHourPart>(OnOffGroup{kWorkHour, kStartHour, kStartMinute, kStopHour, kStopMinute},
                                   OnOffVariant::WorkHour),
            },
        .buildKeyTable = buildKeyTable,
        .applyDefaults = applyDefaults,
    };
    return description;
}

}  // namespace qvt::dialogs
