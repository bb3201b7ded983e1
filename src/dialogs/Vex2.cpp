// SPDX-License-Identifier: Apache-2.0
// The VEX 2.0's description: its parts, file, "Default(&D)" and wording.
#include "dialogs/Vex2.h"

#include "dialogs/DialogParts.h"
#include "dialogs/KeyTableBuilders.h"
#include "dialogs/SettingsDialog.h"
#include "dialogs/OperatorListConfigs.h"

namespace qvt::dialogs {

using namespace vex2;

namespace {

// What "Default(&D)" selects, in the order it selects them.
constexpr ControlDefault kDefaults[] = {
    {kTimeFormat, 0},   // "12H"
    {kPirInterval, 1},  // "5  Sec"
    {kTimeLapse, 0},    // "OFF"
    {kPirTrigger, 1},   // "Normal"
};

void applyDefaults(SettingsDialog& d) {
    ChoiceGroupsPart& radios = *d.part<ChoiceGroupsPart>();
    d.applyDefaults(kDefaults);
    radios.click(kFahrenheit);
    radios.click(kSendToPhone);
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

    keys.push_back(listKey("Time Format", kTimeFormat, ListRead::Transfer));
    keys.push_back(listKey("PIR Interval", kPirInterval, ListRead::Transfer));
    keys.push_back(listKey("Time Lapse", kTimeLapse, ListRead::Transfer));
    KeySlot pirTrigger = listKey("PIR Trigger", kPirTrigger, ListRead::Transfer);
    pirTrigger.afterRead = [&d] { d.afterTimeLapsePirLoaded(); };
    keys.push_back(pirTrigger);
    appendClockKeys(table, d.rules().clock.lists, ListRead::Transfer, [&d] { d.prepareDayListForLoad(); });

    // The radio groups are stored as the position of the first checked button.
    ChoiceGroupsPart& radios = *d.part<ChoiceGroupsPart>();
    auto radioKey = [&radios](const char* key, int first, int second, int third) {
        std::vector<int> buttons{first, second};
        if (third != 0) buttons.push_back(third);
        KeySlot slot = radioKeySlot(key, buttons, [=, &radios](const std::string& value) {
            radios.setRadiosFromText(value, first, second, third, third == 0);
        });
        slot.write = [=, &radios] {
            const int position = radios.checkedRadio(first, second, third);
            return position < 0 ? std::string() : std::to_string(position);
        };
        return slot;
    };
    keys.push_back(radioKey("Temperature Format", kFahrenheit, kCelsius, 0));
    keys.push_back(radioKey("Send To", kSendToPhone, kSendToEmail, kSendToNone));
}

}  // namespace

const ProductDescription& vex2Description() {
    static const ProductDescription description{
        .dialogTemplate = vex2::dialogTemplate,
        .rules = vex2Rules,
        .lists = vex2ListConfig,
        .saveFlow = lp300Vex2Hx720uSaveFlow(),
        .pathListId = kPathList,
        .defaultButton = kDefault,
        .parts =
            {
                // The groups as their click handler and the file name them: the clicked button first.
                part<ChoiceGroupsPart>(
                    std::vector<std::vector<int>>{{kFahrenheit, kCelsius}, {kSendToPhone, kSendToEmail, kSendToNone}}),
            },
        .buildKeyTable = buildKeyTable,
        .applyDefaults = applyDefaults,
    };
    return description;
}

}  // namespace qvt::dialogs
