// SPDX-License-Identifier: Apache-2.0
#pragma once
// What every settings dialog shares: the rules between its controls (work days, Time Lapse and PIR
// Trigger, the clock lists, OFF/ON groups, the Send Mode radios and their controls, the two-digit
// time edits), each written once and told by the dialog's RuleSet where it differs.
//
// The dialog's notification handler, its "Default(&D)" button and its settings file reader all go
// through these operations, so a rule cannot behave differently depending on who triggered it.
#include <initializer_list>
#include <string>

#include "app/AppContext.h"
#include "dialogs/ControlRules.h"
#include "ui/Dialog.h"

namespace qvt::dialogs {

class SettingsDialogBase : public ui::Dialog {
public:
    SettingsDialogBase(ui::Host& host, ui::DialogTemplate tmpl, app::AppContext& context, RuleSet rules);

    app::AppContext& context() { return context_; }
    const RuleSet& rules() const { return rules_; }

    // --- work days -------------------------------------------------------------------------------
    // Mode 0: show `mask` in the day boxes. 1: the mask of the checked boxes (returned). 2: the
    // "Work Day:" box from the number of checked days. 3: toggle day box `control` (returns its
    // previous state). 4: set the day at position `control` (0 Sunday .. 6 Saturday) from `mask`.
    int Manage_WorkDay(int mode, int mask, int control);
    void OnWorkDayBoxClick();        // the "Work Day:" box was clicked
    void OnDayBoxClick(int dayBox);  // a day box was clicked

    // --- Time Lapse and PIR Trigger --------------------------------------------------------------
    // Mode 0: forget both. 1: Time Lapse changed. 2: PIR Trigger changed. 3: remember both.
    // 4: after loading a file (both "OFF" leaves PIR Trigger blank), then 3.
    void Manage_PIRTrigger_TimeLapse(int mode);
    // The two-argument form: 0 forget, 1 list `which` changed (0 Time Lapse, 1 PIR Trigger),
    // 2 remember both, 3 after loading, then 2. Its mode numbers differ from the form above, so a
    // dialog uses one form only (pass `which` 0 where it does not matter).
    void Manage_PIRTrigger_TimeLapse(int mode, int which);
    int rememberedTimeLapse() const { return rememberedTimeLapse_; }
    int rememberedPirTrigger() const { return rememberedPirTrigger_; }

    // --- clock -----------------------------------------------------------------------------------
    int YearMonthDay(int year, int month);  // the free function, messages through this dialog's host
    void RefillDayList();
    void EnsureDayList();
    // Mode 0: prepare the day list for loading a day. 1: from the PC clock (0 when the clock is
    // outside the lists' span). 2: reset to 2013-1-1 0:0:0. Returns 1, or 0 when refused or invalid.
    int Manage_SetClock(int mode);
    // Mode 1 with the warning the "Default(&D)" buttons give when the PC clock is refused.
    void SetClockFromPc();

    // --- OFF/ON groups, Send Mode and radios -----------------------------------------------------
    // Ids that a caller does not need are 0.
    void Manage_OnOffGroup(OnOffVariant variant, int switchList, int dependent1, int dependent2, int dependent3,
                           int extra1, int extra2);
    // Kind 0: hide Max Number and both send-time edits; 1: show Max Number only; 2: show the edits only.
    void ShowCtrl(int kind);
    // A click on a Send Mode radio: its ShowCtrl kind, then the radio checked and the others cleared.
    void OnSendModeClick(int radio);
    // The settings file reader's view of the Send Mode radios: 0..3 (the text's leading number, as
    // atoi reads it) act as a click on Manual, Daily Report, Instant and Off; an empty text or any
    // other number clears the four and hides their controls.
    void SetSendModeRadios(const std::string& stored);
    // A click on `radio` of a group given in stored-value order (three or four buttons):
    // Manage_SortRadio mode 0 with that radio first and the others after it, the last one given
    // twice in a group of three.
    void OnRadioGroupClick(int radio, std::initializer_list<int> group);
    // A group read back from the file: exactly one digit "0".."N-1" acts as a click on that button
    // of `group` (stored-value order); anything else clears the whole group.
    void SetRadioGroupFromDigit(const std::string& stored, std::initializer_list<int> group);
    int Manage_SortRadio(int mode, int first, int second, int third, int fourth, int check);
    int GetRadioIndex(int a, int b, int c, int d) const;

    // --- two-digit time edits --------------------------------------------------------------------
    // Runs on every change of the edit's text (also the changes it makes itself).
    void Manage_RangeEdit(int edit, int minimum, int maximum, const std::string& rangeText);

protected:
    // The clock notifications every dialog handles alike: a year or month change refills the day
    // list, the focus on the month or day list (and, where the rule says so, the year list) makes it
    // usable. True when the notification was one of them.
    bool HandleClockNotify(int id, ui::Event event);
    // The Send Mode notifications of the dialogs that have the group: a click on one of its radios,
    // a change of a send-time edit. True when the notification was one of them.
    bool HandleSendModeNotify(int id, ui::Event event);
    // A click on the "Work Day:" box or a day box of the dialogs that have them. True when it was one.
    bool HandleWorkDayNotify(int id, ui::Event event);

private:
    bool bothOff() const;

    app::AppContext& context_;
    RuleSet rules_;
    int rememberedTimeLapse_ = -1;
    int rememberedPirTrigger_ = -1;
    int rangeEditDepth_ = 0;
};

}  // namespace qvt::dialogs
