#pragma once
// Pieces the settings dialog templates share: option lists and the blocks of controls that every
// dialog has under the same ids (clock, work days, operator lists, customer information, footer).
#include <string>
#include <vector>

#include "ui/DialogTemplate.h"

namespace qvt::dialogs::parts {

std::vector<std::string> OffOn();
std::vector<std::string> PirTriggers();     // "Low", "Normal", "High", "OFF"
std::vector<std::string> PirIntervals();    // 28 items "0  Sec" .. "60 Min"
std::vector<std::string> TimeLapses();      // "OFF", "5  Min" .. "55 Min", "1  Hour" .. "8  Hour"
std::vector<std::string> CameraPositions(); // "OFF", "A" .. "Z"
std::vector<std::string> ReplayTimes();     // "OFF", "1" .. "99"
std::vector<std::string> MaxNumbers();      // "0" .. "99", "Unlimited"
// "<n>  Sec" below 100 (two blanks, so the numbers line up), "<n> Sec" from 100, in `step` seconds.
std::vector<std::string> VideoLengths(int from, int to, int step);

// The six clock lists 1074..1079 (the day list is filled at run time) and "Default(&D)" `defaultId`.
void AddClock(ui::DialogTemplate& t, int defaultId, bool twoDigitItems = false);
ui::LayoutNode ClockRow(int defaultId);

// "Work Day:" 1121 and the seven day boxes 1122..1128.
void AddWorkDays(ui::DialogTemplate& t);

// The Send Mode radios 1057, 1056, 1055, 1058 with the send-time edits 1060, 1061 and Max Number 1173.
void AddSendMode(ui::DialogTemplate& t);
ui::LayoutNode SendModeGroup();

// Country and operator list boxes and the parameter check button.
void AddOperatorLists(ui::DialogTemplate& t, int countryId, int operatorId, int checkId);
ui::LayoutNode OperatorListColumn(int countryId, int operatorId, int checkId);

// The eight edits of " Customer Information Setting " (1134, 1136, 1008, 1137, 1011..1014).
void AddCustomerInfo(ui::DialogTemplate& t);
ui::LayoutNode CustomerInfoGroup();

// The banner that opens the About box.
void AddBanner(ui::DialogTemplate& t, int bannerId);

// The attention label, the path list and "Save(&Y)" / `exitText` side by side.
void AddFooter(ui::DialogTemplate& t, int pathListId, const std::string& exitText = "Exit(&N)");
std::vector<ui::LayoutNode> FooterNodes(int pathListId, std::vector<ui::LayoutNode> extraButtons = {});

}  // namespace qvt::dialogs::parts
