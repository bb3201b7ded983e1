// SPDX-License-Identifier: Apache-2.0
#pragma once
// The rules that keep the controls of the settings dialogs consistent are written once, in
// SettingsDialog. What differs between the dialogs (control ids, the wording of their messages,
// a few small variants of a rule) is data: one RuleSet per dialog, built by the functions below.
#include <array>
#include <string>
#include <string_view>

#include "dialogs/ControlIds.h"
#include "ui/Dialog.h"

namespace qvt::dialogs {

using ui::kTipsCaption;
using ids::kDayBoxes;
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

// An OFF/ON switch list and the controls that depend on it (0 where there is none).
struct OnOffGroup {
    int switchList;
    int dependent1, dependent2, dependent3;
    int extra1 = 0, extra2 = 0;
};

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
