// SPDX-License-Identifier: Apache-2.0
#pragma once
// Pieces the settings dialog templates share: option lists and the blocks of controls that every
// dialog has under the same ids (clock, work days, operator lists, customer information, footer).
#include <string>
#include <vector>

#include "dialogs/ControlIds.h"
#include "ui/DialogTemplate.h"

namespace qvt::dialogs::parts {

std::vector<std::string> offOn();
std::vector<std::string> pirTriggers();     // "Low", "Normal", "High", "OFF"
std::vector<std::string> pirIntervals();    // 28 items "0  Sec" .. "60 Min"
std::vector<std::string> timeLapses();      // "OFF", "5  Min" .. "55 Min", "1  Hour" .. "8  Hour"
std::vector<std::string> cameraPositions(); // "OFF", "A" .. "Z"
std::vector<std::string> replayTimes();     // "OFF", "1" .. "99"
std::vector<std::string> maxNumbers();      // "0" .. "99", "Unlimited"
// "<n>  Sec" below 100 (two blanks, so the numbers line up), "<n> Sec" from 100, in `step` seconds.
std::vector<std::string> videoLengthItems(int from, int to, int step);

// The six clock lists 1074..1079 (the day list is filled at run time) and "Default(&D)" `defaultId`.
void addClock(ui::DialogTemplate& t, int defaultId, bool twoDigitItems = false);
ui::LayoutNode clockRow(int defaultId);

// "Work Day:" 1121 and the seven day boxes 1122..1128.
void addWorkDays(ui::DialogTemplate& t);

// The Send Mode radios 1057, 1056, 1055, 1058 with the send-time edits 1060, 1061 and Max Number 1173.
void addSendMode(ui::DialogTemplate& t);
ui::LayoutNode sendModeGroup();

// Country and operator list boxes and the parameter check button.
void addOperatorLists(ui::DialogTemplate& t, int countryId, int operatorId, int checkId);
ui::LayoutNode operatorListColumn(int countryId, int operatorId, int checkId);

// The eight edits of " Customer Information Setting " (1134, 1136, 1008, 1137, 1011..1014).
void addCustomerInfo(ui::DialogTemplate& t);
ui::LayoutNode customerInfoGroup();

// The banner that opens the About box.
void addBanner(ui::DialogTemplate& t, int bannerId);
// A settings dialog's template as it starts: resource id, title, the application icon and the banner.
ui::DialogTemplate settingsTemplate(int resourceId, std::string title, int bannerId);

// The attention label, the path list and "Save(&Y)" / `exitText` side by side, then any extra
// buttons, "Export…" and "Import…".
void addFooter(ui::DialogTemplate& t, int pathListId, const std::string& exitText = "Exit(&N)");
std::vector<ui::LayoutNode> footerNodes(int pathListId, std::vector<ui::LayoutNode> extraButtons = {});

// The first two camera rows of the HX710T-10M and HX720U dialogs: "Language" 1081, "Camera Mode" 1067,
// "Photo Size" 1068, "Photo Burst" 1069, "Video Length" 1070, "PIR Interval" 1073, "Time Lapse" 1071,
// "PIR Trigger" 1072; the two cameras differ in their photo sizes and video lengths only.
void addHxCameraLists(ui::DialogTemplate& t, std::vector<std::string> photoSizes,
                      std::vector<std::string> videoLengths);
// Those two rows in a grid of eight cells per row, followed by `moreCells`.
ui::LayoutNode hxCameraGrid(std::vector<ui::LayoutNode> moreCells);

// The game call of the two dialogs that play a sound: "Game Call" 1118 with hour 1119, minute 1120,
// "Replay Times" 1130, the audio file field 1001 and its "+" button 1002.
void addGameCall(ui::DialogTemplate& t);
ui::LayoutNode gameCallRow();

// "Work Hour" 1182 with the start time 1038 : 1039 and the stop time 1041 : 1040 (other ids in the
// four-model dialog).
struct WorkHourIds {
    int workHour = ids::kWorkHour, startHour = ids::kStartHour, startMinute = ids::kStartMinute,
        stopHour = ids::kStopHour, stopMinute = ids::kStopMinute;
};
void addWorkHour(ui::DialogTemplate& t, const WorkHourIds& ids = {});
ui::LayoutNode workHourRow(std::vector<ui::LayoutNode> extra = {}, const WorkHourIds& ids = {});

// " WAP Setting / Internet Setting / Customer Information Setting " of the dialogs with a Send Mode
// group: " Send Mode ", " Send To " with the radios `sendTo` one under another, the country and
// operator lists with their check button, then " Customer Information Setting ".
ui::LayoutNode messagingGroup(const std::vector<int>& sendTo, int countryId, int operatorId, int checkId);
// Its controls: the Send Mode group, the Send To radios (id and text, in stored-value order), the
// country and operator lists with their check button, and the customer information edits.
struct RadioText {
    int id;
    const char* text;
};
void addMessaging(ui::DialogTemplate& t, const std::vector<RadioText>& sendTo, int countryId, int operatorId,
                  int checkId);

}  // namespace qvt::dialogs::parts
