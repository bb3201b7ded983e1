// SPDX-License-Identifier: Apache-2.0
#pragma once
// Short builders for key tables, so that a product's file reads as the list of its keys.
#include <array>
#include <string>

#include "dialogs/ControlIds.h"
#include "settings/KeyTable.h"

namespace qvt::dialogs {

using settings::KeySlot;
using settings::KeyTable;
using settings::ListRead;
using settings::SlotKind;

using settings::kMarkSection;
inline constexpr const char* kWapSection = "Via WAP Settings";
inline constexpr const char* kInternetSection = "Via Internet Settings";
inline constexpr const char* kReceiveSection = "Receive number and receive email";
inline constexpr const char* kCameraSection = "Camera Setting";

KeySlot Key(std::string section, std::string key, SlotKind kind);
KeySlot editKey(std::string section, std::string key, int id);
KeySlot listKey(std::string key, int id, ListRead read = ListRead::Number, int base = 0);  // "Camera Setting"
KeySlot rangeKey(std::string key, int id, int low, int high);                              // selectComboInRange
KeySlot twoDigitKey(std::string key, int id, int low, int high);
KeySlot radioKeySlot(std::string key, std::vector<int> radios, std::function<void(const std::string&)> read);

// The four sections every product's file starts with: "QVTFileMark" with the model code, the WAP and
// Internet parameters (with "SMTP SSL" last where the product has it) and the eight receive numbers
// and e-mails of the edits 1134, 1136, 1008, 1137, 1011 to 1014.
void appendLeadingSections(KeyTable& table, const std::string& modelCode, bool withSmtpSsl);

// The first 19 "Camera Setting" keys of the HX710T-10M file, which the HX720U and four-model files
// repeat: "Send Mode" (radios 1057, 1056, 1055, 1058), "Send To", "Max Number" 1173, "DR Time H" 1060,
// "DR Time M" 1061, then the lists "Language" 1081 to "Clock Second" 1079. What differs between the
// products comes in here.
struct LeadingCameraKeys {
    std::function<void(const std::string&)> readSendMode;
    std::vector<int> sendToRadios;  // in stored-value order; a group of three repeats its last button
    std::function<void(const std::string&)> readSendTo;
    ListRead listRead = ListRead::Number;  // how "Language" to "Clock Second" are read
    int pirTriggerList = ids::kPirTrigger;
    std::function<void()> afterPirTrigger;                 // the dialog's PIR/Time-Lapse rule after loading
    std::function<void()> beforeClockDay;                  // prepares the day list
    std::function<void(const std::string&)> readClockDay;  // replaces the standard read when set
};
void appendLeadingCameraKeys(KeyTable& table, const LeadingCameraKeys& keys);

// "Clock Year", "Clock Month", "Clock Day", "Clock Hour", "Clock Minute", "Clock Second": the six clock
// lists `lists` in this order, read as `read` says (the year counted from 2013, month and day from 1).
// `beforeDay` prepares the day list; `readDay`, when set, replaces the standard read of the day.
void appendClockKeys(KeyTable& table, const std::array<int, 6>& lists, ListRead read, std::function<void()> beforeDay,
                     std::function<void(const std::string&)> readDay = {});

// "Work Hour", "Work Hour StartH", "Work Hour StartM", "Work Hour StopH", "Work Hour StopM": the switch
// and the four time lists `ids` in this order, read with selectComboNumber; `afterRead` (the dialog's
// work-hour rule) runs after the last of them.
void appendWorkHourKeys(KeyTable& table, const std::array<int, 5>& ids, std::function<void()> afterRead);

}  // namespace qvt::dialogs
