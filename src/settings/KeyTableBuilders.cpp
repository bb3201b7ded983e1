#include "settings/KeyTableBuilders.h"

namespace qvt::settings {

KeySlot Key(std::string section, std::string key, SlotKind kind) {
    KeySlot slot;
    slot.section = std::move(section);
    slot.key = std::move(key);
    slot.kind = kind;
    return slot;
}

KeySlot EditKey(std::string section, std::string key, int id) {
    KeySlot slot = Key(std::move(section), std::move(key), SlotKind::Edit);
    slot.id = id;
    return slot;
}

KeySlot ListKey(std::string key, int id, ListRead read, int base) {
    KeySlot slot = Key(kCameraSection, std::move(key), SlotKind::List);
    slot.id = id;
    slot.listRead = read;
    slot.base = base;
    return slot;
}

KeySlot RangeKey(std::string key, int id, int low, int high) {
    KeySlot slot = ListKey(std::move(key), id, ListRead::InRange);
    slot.lo = low;
    slot.hi = high;
    return slot;
}

KeySlot TwoDigitKey(std::string key, int id, int low, int high) {
    KeySlot slot = Key(kCameraSection, std::move(key), SlotKind::TwoDigit);
    slot.id = id;
    slot.lo = low;
    slot.hi = high;
    return slot;
}

KeySlot RadioKey(std::string key, std::vector<int> radios, std::function<void(const std::string&)> read) {
    KeySlot slot = Key(kCameraSection, std::move(key), SlotKind::Radio);
    slot.radios = std::move(radios);
    slot.read = std::move(read);
    return slot;
}

void AppendLeadingSections(KeyTable& table, const std::string& modelCode, bool withSmtpSsl) {
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
    } kReceive[] = {{"AdministratorNum", 1134}, {"PhoneNum2", 1136},     {"PhoneNum3", 1008},
                    {"PhoneNum4", 1137},        {"ReceiveEmail1", 1011}, {"ReceiveEmail2", 1012},
                    {"ReceiveEmail3", 1013},    {"ReceiveEmail4", 1014}};
    for (const auto& r : kReceive) table.keys.push_back(EditKey(kReceiveSection, r.key, r.id));
}

}  // namespace qvt::settings
