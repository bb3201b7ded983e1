// SPDX-License-Identifier: Apache-2.0
#include "dialogs/Vex2Dialog.h"

#include "settings/KeyTable.h"
#include "dialogs/KeyTableBuilders.h"

namespace qvt::dialogs {

using namespace vex2;
using ui::Event;

namespace {

ProductDialogConfig vex2Config() {
    ProductDialogConfig config;
    config.saveFlow = settings::lp300Vex2Hx720uSaveFlow(std::string(kFileCode));
    config.pathListId = kPathList;
    config.lists = vex2ListConfig();
    config.bannerId = kBanner;
    return config;
}

// What "Default(&D)" selects, in the order it selects them.
constexpr ControlDefault kDefaults[] = {
    {kTimeFormat, 0},   // "12H"
    {kPirInterval, 1},  // "5  Sec"
    {kTimeLapse, 0},    // "OFF"
    {kPirTrigger, 1},   // "Normal"
};

// The groups as their click handler and the file name them: the clicked button first.
constexpr int kTemperatureGroup[2] = {kFahrenheit, kCelsius};
constexpr int kSendToGroup[3] = {kSendToPhone, kSendToEmail, kSendToNone};

}  // namespace

Vex2Dialog::Vex2Dialog(ui::Host& host, dialogs::AppContext& context)
    : ProductSettingsDialog(host, dialogTemplate(), context, vex2Rules(), vex2Config()) {
    setKeyTable(buildKeyTable());
}

// ---- opening, notifications, buttons ------------------------------------------------------------

void Vex2Dialog::onInit() {
    // Nothing gets a value of the dialog's own: what the file does not set stays blank.
    lists().fillCountryList();
    forgetTimeLapsePir();
    saveFlow().scanAndLoad();
}

void Vex2Dialog::onNotify(int id, Event event) {
    if (handleCommonNotify(id, event)) return;
    if (event == Event::SelChange) {
        if (id == kTimeLapse) onTimeLapseChanged();
        if (id == kPirTrigger) onPirTriggerChanged();
        return;
    }
    if (event != Event::Clicked) return;
    switch (id) {
        case kFahrenheit:
        case kCelsius:
        case kSendToPhone:
        case kSendToEmail:
        case kSendToNone:
            onRadioClick(id);
            return;
        case kDefault:
            onDefault();
            return;
        default:
            return;
    }
}

void Vex2Dialog::onRadioClick(int radio) {
    if (radio == kFahrenheit || radio == kCelsius) {
        setRadios(radio, radio == kFahrenheit ? kCelsius : kFahrenheit, 0, true);
        return;
    }
    int others[2];
    int n = 0;
    for (int id : kSendToGroup)
        if (id != radio) others[n++] = id;
    setRadios(radio, others[0], others[1], true);
}

void Vex2Dialog::onOK() {
    saveFlow().save();
}

void Vex2Dialog::onDefault() {
    applyDefaults(kDefaults);
    onRadioClick(kFahrenheit);
    onRadioClick(kSendToPhone);
    resetClock();
    setClockFromPc();
    rememberTimeLapsePir();
}

// ---- radio groups -------------------------------------------------------------------------------

namespace {
// Id 0 (and any id the dialog lacks) is "no such button": a group of two passes 0 as third.
bool isPresent(const ui::Dialog& dialog, int id) { return id != 0 && dialog.has(id); }
}  // namespace

void Vex2Dialog::setRadios(int first, int second, int third, bool checkFirst) {
    if (checkFirst && isPresent(*this, first)) setCheck(first, 1);
    for (int id : {second, third})
        if (isPresent(*this, id)) setCheck(id, 0);
}

int Vex2Dialog::checkedRadio(int first, int second, int third) const {
    const int buttons[3] = {first, second, third};
    for (int i = 0; i < 3; ++i)
        if (isPresent(*this, buttons[i]) && check(buttons[i]) == 1) return i;
    return -1;
}

void Vex2Dialog::setRadiosFromText(const std::string& text, int first, int second, int third, bool twoButtons) {
    // only a one-character value is a choice; anything longer, or nothing, is not the camera's.
    if (text.size() != 1) return;
    const int chosen = text[0] - '0';
    if (chosen == 0 || chosen == 1 || (chosen == 2 && !twoButtons)) {
        const int buttons[3] = {first, second, third};
        for (int i = 0; i < 3; ++i)
            if (isPresent(*this, buttons[i])) setCheck(buttons[i], i == chosen ? 1 : 0);
    } else {
        setRadios(first, second, third, false);
    }
}

// ---- the settings file --------------------------------------------------------------------------


settings::KeyTable Vex2Dialog::buildKeyTable() {
    using namespace settings;
    KeyTable table;
    // Every value trimmed both ways; ports kept whole; an empty value empties an edit.
    table.options = {.trimValues = true, .cutPortsOnRead = false, .emptyEditKeeps = false};
    appendLeadingSections(table, std::string(kFileCode), /*withSmtpSsl=*/false);
    auto& keys = table.keys;

    keys.push_back(listKey("Time Format", kTimeFormat, ListRead::Transfer));
    keys.push_back(listKey("PIR Interval", kPirInterval, ListRead::Transfer));
    keys.push_back(listKey("Time Lapse", kTimeLapse, ListRead::Transfer));
    KeySlot pirTrigger = listKey("PIR Trigger", kPirTrigger, ListRead::Transfer);
    pirTrigger.afterRead = [this] { afterTimeLapsePirLoaded(); };
    keys.push_back(pirTrigger);
    appendClockKeys(table, rules().clock.lists, ListRead::Transfer, [this] { prepareDayListForLoad(); });

    // The radio groups are stored as the position of the first checked button.
    auto radioKey = [this](const char* key, int first, int second, int third) {
        std::vector<int> buttons{first, second};
        if (third != 0) buttons.push_back(third);
        KeySlot slot = radioKeySlot(key, buttons, [=, this](const std::string& value) {
            setRadiosFromText(value, first, second, third, third == 0);
        });
        slot.write = [=, this] {
            const int position = checkedRadio(first, second, third);
            return position < 0 ? std::string() : std::to_string(position);
        };
        return slot;
    };
    keys.push_back(radioKey("Temperature Format", kTemperatureGroup[0], kTemperatureGroup[1], 0));
    keys.push_back(radioKey("Send To", kSendToGroup[0], kSendToGroup[1], kSendToGroup[2]));
    return table;
}

}  // namespace qvt::dialogs
