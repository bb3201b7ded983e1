// SPDX-License-Identifier: Apache-2.0
#include <climits>
#include <cstdio>

#include "platform/FileOps.h"
#include "settings/KeyTable.h"

namespace qvt::settings {

using platform::atoI;
using platform::trim;

namespace {

std::string numberText(int value) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d", value);
    return buf;
}

// The position `number - base` of a list, computed without overflow: a value far outside the int
// range stays far outside every list.
int offset(int number, int base) {
    const long long position = static_cast<long long>(number) - base;
    return position < INT_MIN ? INT_MIN : position > INT_MAX ? INT_MAX : static_cast<int>(position);
}

bool isUsed(const KeySlot& slot) { return !slot.used || slot.used(); }

void applyList(const KeySlot& slot, const std::string& value, ui::Dialog& dialog) {
    switch (slot.listRead) {
        case ListRead::Number:
            if (value.empty())
                dialog.clearSelection(slot.id);
            else
                dialog.select(slot.id, offset(atoI(value), slot.base));
            return;
        case ListRead::InRange: selectComboInRange(dialog, slot.id, value, slot.lo, slot.hi); return;
        case ListRead::Transfer: selectComboNumber(dialog, slot.id, value, slot.base); return;
    }
}

void applyMaxNumber(const KeySlot& slot, const std::string& value, ui::Dialog& dialog) {
    if (value.empty() || !platform::isAllDigits(value)) {
        dialog.clearSelection(slot.id);
        return;
    }
    // All digits: a long run of them is still "Unlimited", never an overflow.
    const std::string digits = value.substr(std::min(value.find_first_not_of('0'), value.size()));
    const int number = digits.size() > 3 ? 100 : atoI(digits);
    dialog.select(slot.id, number >= 100 ? 100 : number);
}

void applyTwoDigit(const KeySlot& slot, const std::string& value, ui::Dialog& dialog) {
    const int number = atoI(value);
    if (value.empty() || number < slot.lo || number > slot.hi)
        dialog.setText(slot.id, "");
    else
        dialog.setText(slot.id, value);
}

}  // namespace

void readSettings(const KeyTable& table, const ProfileFile& file, ui::Dialog& dialog,
                  operators::MessagingState& messaging) {
    for (const KeySlot& slot : table.keys) {
        if (!isUsed(slot)) continue;
        std::string value = file.get(slot.section, slot.key);
        if (table.options.trimValues) value = trim(value);
        if (slot.beforeRead) slot.beforeRead();
        if (slot.read) {
            slot.read(value);
        } else {
            switch (slot.kind) {
                case SlotKind::Model: break;
                case SlotKind::Param: {
                    std::string& field = messaging.params.field(slot.field);
                    field = value;
                    if (table.options.cutPortsOnRead && (slot.key == "Port" || slot.key == "SendEmailPort"))
                        field = cutValue(field, 4);
                    break;
                }
                case SlotKind::SmtpSsl: messaging.smtpSsl = value; break;
                case SlotKind::Edit:
                    if (!value.empty() || !table.options.emptyEditKeeps) dialog.setText(slot.id, value);
                    break;
                case SlotKind::TwoDigit: applyTwoDigit(slot, value, dialog); break;
                case SlotKind::List: applyList(slot, value, dialog); break;
                case SlotKind::MaxNumber: applyMaxNumber(slot, value, dialog); break;
                case SlotKind::Radio:
                case SlotKind::DayMask: break;  // products read these through their own hooks
            }
        }
        if (slot.afterRead) slot.afterRead();
    }
}

void writeSettingsTo(const KeyTable& table, const ui::Dialog& dialog, const operators::MessagingState& messaging,
                   ProfileFile& file) {
    // The parameters as they stood when writing began.
    const operators::MessagingState snapshot = messaging;
    for (const KeySlot& slot : table.keys) {
        if (!isUsed(slot)) continue;
        std::string value;
        switch (slot.kind) {
            case SlotKind::Model: value = slot.text; break;
            case SlotKind::Param: value = trim(snapshot.params.field(slot.field)); break;
            case SlotKind::SmtpSsl: value = trim(snapshot.smtpSsl); break;
            case SlotKind::Edit: value = cutValue(dialog.text(slot.id), kMaxValueLength); break;
            case SlotKind::TwoDigit:
                value = table.options.trimValues ? trim(dialog.text(slot.id)) : dialog.text(slot.id);
                if (value.size() == 1) value.insert(0, 1, '0');
                break;
            case SlotKind::List:
            case SlotKind::MaxNumber:
                if (dialog.sel(slot.id) >= 0) value = numberText(dialog.sel(slot.id) + slot.base);
                break;
            case SlotKind::Radio:
                if (int pos = checkedRadioPosition(dialog, slot.radios); pos >= 0) value = numberText(pos);
                break;
            case SlotKind::DayMask: value = numberText(dayMaskOf(dialog, slot.dayBoxes)); break;
        }
        if (slot.write) value = slot.write();
        if (table.options.trimValues) value = trim(value);
        file.set(slot.section, slot.key, cutValue(value, kMaxValueLength));
    }
}

int checkedRadioPosition(const ui::Dialog& dialog, const std::vector<int>& radios) {
    int position = -1;
    int distinct = 0;
    for (std::size_t i = 0; i < radios.size(); ++i) {
        if (i > 0 && radios[i] == radios[i - 1]) continue;  // a group of three passes its last button twice
        if (dialog.check(radios[i]) == 1) position = distinct;
        ++distinct;
    }
    return position;
}

int dayMaskOf(const ui::Dialog& dialog, const std::vector<int>& dayBoxes) {
    int mask = 0;
    for (std::size_t i = 0; i < dayBoxes.size() && i < std::size(kDayWeights); ++i)
        if (dialog.check(dayBoxes[i]) == 1) mask += kDayWeights[i];
    return mask;
}

void selectComboNumber(ui::Dialog& dialog, int id, const std::string& text, int base) {
    const int pos = offset(atoI(text), base);
    if (!text.empty() && pos >= 0 && pos < dialog.count(id))
        dialog.select(id, pos);
    else
        dialog.clearSelection(id);
}

int comboNumber(const ui::Dialog& dialog, int id, int base) {
    return dialog.sel(id) < 0 ? -1 : base + dialog.sel(id);
}

void selectComboInRange(ui::Dialog& dialog, int id, const std::string& text, int low, int high) {
    const int number = atoI(text);
    if (!text.empty() && number >= low && number <= high)
        dialog.select(id, number);
    else
        dialog.clearSelection(id);
}

bool isValidSettingsFile(const std::filesystem::path& path, const std::string& modelCode) {
    const std::optional<ProfileFile> file = ProfileFile::load(path);
    return file && isValidSettings(*file, modelCode);
}

bool isValidSettings(const ProfileFile& file, const std::string& modelCode) {
    return trim(file.get(kMarkSection, "Model", "", 9)) == modelCode;
}

}  // namespace qvt::settings
