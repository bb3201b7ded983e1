// SPDX-License-Identifier: Apache-2.0
#pragma once
// The rules that keep the controls of the settings dialogs consistent are written once, in
// SettingsDialogBase. What differs between the dialogs (control ids, the wording of their messages,
// a few small variants of a rule) is data: one RuleSet per dialog, built by the functions below.
#include <array>
#include <string>
#include <string_view>

#include "ui/Dialog.h"

namespace qvt::dialogs {

inline constexpr std::string_view kTipsCaption = "QVT Tips";

// Control ids that mean the same control in every settings dialog that has it.
namespace ids {
inline constexpr int kTimeLapse = 1071;
inline constexpr int kPirTrigger = 1072;
inline constexpr int kYear = 1074;
inline constexpr int kMonth = 1075;
inline constexpr int kDay = 1076;
inline constexpr int kHour = 1077;
inline constexpr int kMinute = 1078;
inline constexpr int kSecond = 1079;
inline constexpr int kWorkDayBox = 1121;  // the three-state "Work Day:" box
inline constexpr int kSendManual = 1057;
inline constexpr int kSendDaily = 1056;
inline constexpr int kSendInstant = 1055;
inline constexpr int kSendOff = 1058;
inline constexpr int kReportHour = 1060;
inline constexpr int kReportMinute = 1061;
inline constexpr int kMaxNumber = 1173;
inline constexpr int kExport = 9001;  // "Export…": the dialog's values to a file of the user's choice
inline constexpr int kImport = 9002;  // "Import…": a settings file from anywhere into the dialog
}  // namespace ids

// The day boxes in work-day mask order (Sunday, bit value 64, first; Saturday, 1, last); their
// positions 0..6 are the positions that showWorkDay takes.
inline constexpr std::array<int, 7> kDayBoxes = {1128, 1122, 1123, 1124, 1125, 1126, 1127};
inline constexpr int kAllDays = 127;

// Wording of the work-day messages.
struct WorkDayTexts {
    std::string dayBoxStatus;      // a day box found in a state the rule never produces
    std::string workDayBoxStatus;  // a click found the "Work Day:" box in an unexpected state
};

// The pair Time Lapse / PIR Trigger that may not both stand at "OFF".
struct PirRule {
    int timeLapseList = ids::kTimeLapse;
    int pirTriggerList = ids::kPirTrigger;
    int timeLapseOff = 0;           // position of "OFF" in the Time Lapse list
    int pirTriggerOff = 3;          // position of "OFF" in the PIR Trigger list
    std::string timeLapseChanged;   // warning after a Time Lapse change made both "OFF"
    std::string pirTriggerChanged;  // warning after a PIR Trigger change made both "OFF"
};

// The six clock lists with their day list.
struct ClockRule {
    std::array<int, 6> lists = {ids::kYear, ids::kMonth, ids::kDay, ids::kHour, ids::kMinute, ids::kSecond};
    bool yearFocusEnsuresDays = true;  // the year list getting the focus runs ensureDayList too
    int dayItemWidth = 0;              // refillDayList items: 0 gives "1".."31", 2 gives "01".."31"
    int fallbackDayWidth = 2;          // prepareDayListForLoad without year or month: "01".."31"
    std::string wrongSystemTime = "Attention: Current system time is wrong !";

    int year() const { return lists[0]; }
    int month() const { return lists[1]; }
    int day() const { return lists[2]; }
};

// A radio group kept exclusive by the dialog (every radio is a group of its own in the templates).
struct RadioRule {
    bool threeButtonRule = true;  // a group of three passes its last id twice: a result of 3 counts as 2
};

struct RuleSet {
    WorkDayTexts workDay;
    PirRule pir;
    ClockRule clock;
    RadioRule radio;
};

// The controls that belong to a Send Mode: Max Number for Instant, the two send-time edits for
// Daily Report, none for the others.
enum class SendControls { None, MaxNumber, ReportTime };

// How an OFF/ON switch list treats the controls that depend on it. Enabled means: the switch stands
// at position 1 ("ON"); position 0 and no selection both count as OFF.
enum class OnOffVariant {
    FillBlanks = 1,  // blank dependent lists get their first item whatever the switch says, then enable/disable
    EnableOnly = 2,  // enable or disable; blank lists stay blank
    WorkHour = 3,    // ON: enable, then blank lists get their first item; OFF or blank: disable, keep selections
    WorkHourBlankKeeps = 4,  // as WorkHour, but a switch without selection changes nothing
};

// The rule sets of the five settings dialogs.
RuleSet hx710tRules();
RuleSet hx720uRules();
RuleSet lp300Rules();
RuleSet vex2Rules();
RuleSet s1Rules();

// Days of the month, Gregorian leap years. A year below 1 or a month outside 1..12 shows a warning
// without owner window and gives 28.
int yearMonthDay(int year, int month, ui::Host& host);

// Position 0..3 of the checked button of a, b, c, d, scanning in that order so that the last checked
// one wins; -1 when none. With the three-button rule, a group of three (c == d) never gives 3.
int getRadioIndex(const ui::Dialog& dialog, int a, int b, int c, int d, bool threeButtonRule = true);

// `first` checked (unchecked when `checked` is false), the other three unchecked.
void setRadioGroupOf(ui::Dialog& dialog, int first, int second, int third, int fourth, bool checked);

}  // namespace qvt::dialogs
