#pragma once
// Short builders for key tables, so that a product's file reads as the list of its keys.
#include <string>

#include "settings/KeyTable.h"

namespace qvt::settings {

inline constexpr const char* kMarkSection = "QVTFileMark";
inline constexpr const char* kWapSection = "Via WAP Settings";
inline constexpr const char* kInternetSection = "Via Internet Settings";
inline constexpr const char* kReceiveSection = "Receive number and receive email";
inline constexpr const char* kCameraSection = "Camera Setting";

KeySlot Key(std::string section, std::string key, SlotKind kind);
KeySlot EditKey(std::string section, std::string key, int id);
KeySlot ListKey(std::string key, int id, ListRead read = ListRead::Number, int base = 0);  // "Camera Setting"
KeySlot RangeKey(std::string key, int id, int low, int high);                              // SelectComboInRange
KeySlot TwoDigitKey(std::string key, int id, int low, int high);
KeySlot RadioKey(std::string key, std::vector<int> radios, std::function<void(const std::string&)> read);

// The four sections every product's file starts with: "QVTFileMark" with the model code, the WAP and
// Internet parameters (with "SMTP SSL" last where the product has it) and the eight receive numbers
// and e-mails of the edits 1134, 1136, 1008, 1137, 1011 to 1014.
void AppendLeadingSections(KeyTable& table, const std::string& modelCode, bool withSmtpSsl);

}  // namespace qvt::settings
