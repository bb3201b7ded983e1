// SPDX-License-Identifier: Apache-2.0
#include "dialogs/KeyTableBuilders.h"

namespace qvt::dialogs {

KeySlot Key(std::string section, std::string key, SlotKind kind) {
    KeySlot slot;
    slot.section = std::move(section);
    slot.key = std::move(key);
    slot.kind = kind;
    return slot;
}

KeySlot editKey(std::string section, std::string key, int id) {
    KeySlot slot = Key(std::move(section), std::move(key), SlotKind::Edit);
    slot.id = id;
    return slot;
}

KeySlot listKey(std::string key, int id, ListRead read, int base) {
    KeySlot slot = Key(kCameraSection, std::move(key), SlotKind::List);
    slot.id = id;
    slot.listRead = read;
    slot.base = base;
    return slot;
}

KeySlot rangeKey(std::string key, int id, int low, int high) {
    KeySlot slot = listKey(std::move(key), id, ListRead::InRange);
    slot.lo = low;
    slot.hi = high;
    return slot;
}

KeySlot twoDigitKey(std::string key, int id, int low, int high) {
    KeySlot slot = Key(kCameraSection, std::move(key), SlotKind::TwoDigit);
    slot.id = id;
    slot.lo = low;
    slot.hi = high;
    return slot;
}

KeySlot radioKeySlot(std::string key, std::vector<int> radios, std::function<void(const std::string&)> read) {
    KeySlot slot = Key(kCameraSection, std::move(key), SlotKind::Radio);
    slot.radios = std::move(radios);
    slot.read = std::move(read);
    return slot;
}

void appendLeadingSections(KeyTable& table, const std::string& modelCode, bool withSmtpSsl) {
    KeySlot model = Key(kMarkSection, "Model", SlotKind::Model);
    model.text = modelCode;
    table.keys.push_back(model);

    for (int field = 0; field < operators::OperatorParams::kFieldCount; ++field) {
        KeySlot param = Key(field < 6 ? kWapSection : kInternetSection, operators::OperatorParams::fieldName(field),
                            SlotKind::Param);
        param.field = field;
        table.keys.push_back(param);
    }
    if (withSmtpSsl) table.keys.push_back(Key(kInternetSection, "SMTP SSL", SlotKind::SmtpSsl));

    static constexpr struct {
        const char* key;
        int id;
    } kReceive[] = {{"AdministratorNum", ids::kAdminNumber}, {"PhoneNum2", ids::kPhoneNumber2},     {"PhoneNum3", ids::kPhoneNumber3},
                    {"PhoneNum4", ids::kPhoneNumber4},        {"ReceiveEmail1", ids::kReceiveEmail1}, {"ReceiveEmail2", ids::kReceiveEmail2},
                    {"ReceiveEmail3", ids::kReceiveEmail3},    {"ReceiveEmail4", ids::kReceiveEmail4}};
    for (const auto& r : kReceive) table.keys.push_back(editKey(kReceiveSection, r.key, r.id));
}

void appendLeadingCameraKeys(KeyTable& table, const LeadingCameraKeys& keys) {
    auto& out = table.keys;
    out.push_back(radioKeySlot("Send Mode", {ids::kSendManual, ids::kSendDaily, ids::kSendInstant, ids::kSendOff}, keys.readSendMode));
    out.push_back(radioKeySlot("Send To", keys.sendToRadios, keys.readSendTo));
    KeySlot maxNumber = Key(kCameraSection, "Max Number", SlotKind::MaxNumber);
    maxNumber.id = ids::kMaxNumber;
    out.push_back(maxNumber);
    out.push_back(twoDigitKey("DR Time H", ids::kReportHour, 0, 23));
    out.push_back(twoDigitKey("DR Time M", ids::kReportMinute, 0, 59));

    static constexpr struct {
        const char* key;
        int id;
        int base;
    } kLists[] = {{"Language", ids::kLanguage, 0},     {"Camera Mode", ids::kCameraMode, 0},  {"Photo Size", ids::kPhotoSize, 0},
                  {"Photo Burst", ids::kPhotoBurst, 0},  {"Video Length", ids::kVideoLength, 0}, {"Time Lapse", ids::kTimeLapse, 0},
                  {"PIR Trigger", 0, 0},     {"PIR Interval", ids::kPirInterval, 0}};
    for (const auto& l : kLists) {
        KeySlot slot = listKey(l.key, l.id == 0 ? keys.pirTriggerList : l.id, keys.listRead, l.base);
        if (l.id == 0) slot.afterRead = keys.afterPirTrigger;
        out.push_back(slot);
    }
    appendClockKeys(table, {ids::kYear, ids::kMonth, ids::kDay, ids::kHour, ids::kMinute, ids::kSecond}, keys.listRead, keys.beforeClockDay, keys.readClockDay);
}

void appendClockKeys(KeyTable& table, const std::array<int, 6>& lists, ListRead read, std::function<void()> beforeDay,
                     std::function<void(const std::string&)> readDay) {
    static constexpr struct {
        const char* key;
        int base;
    } kClock[6] = {{"Clock Year", 2013}, {"Clock Month", 1},  {"Clock Day", 1},
                   {"Clock Hour", 0},    {"Clock Minute", 0}, {"Clock Second", 0}};
    for (std::size_t i = 0; i < lists.size(); ++i)
        table.keys.push_back(listKey(kClock[i].key, lists[i], read, kClock[i].base));
    KeySlot& day = table.keys[table.keys.size() - lists.size() + 2];  // "Clock Day"
    day.beforeRead = std::move(beforeDay);
    day.read = std::move(readDay);
}

void appendWorkHourKeys(KeyTable& table, const std::array<int, 5>& ids, std::function<void()> afterRead) {
    static constexpr const char* kKeys[5] = {"Work Hour", "Work Hour StartH", "Work Hour StartM", "Work Hour StopH",
                                             "Work Hour StopM"};
    for (int i = 0; i < 5; ++i) table.keys.push_back(listKey(kKeys[i], ids[i], ListRead::Transfer));
    table.keys.back().afterRead = std::move(afterRead);
}

}  // namespace qvt::dialogs
