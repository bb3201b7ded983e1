// SPDX-License-Identifier: Apache-2.0
#pragma once
// What every settings dialog shares: the rules between its controls (work days, Time Lapse and PIR
// Trigger, the clock lists, OFF/ON groups, the Send Mode radios and their controls, the two-digit
// time edits), each written once and told by the dialog's RuleSet where it differs.
//
// The dialog's notification handler, its "Default(&D)" button and its settings file reader all go
// through these operations, so a rule cannot behave differently depending on who triggered it.
#include <initializer_list>
#include <span>
#include <string>

#include "dialogs/AppContext.h"
#include "dialogs/ControlRules.h"
#include "ui/Dialog.h"

namespace qvt::dialogs {

// One control's value after "Default(&D)": a list position, or (where `text` is set) an edit's text.
struct ControlDefault {
    int id;
    int position;
    const char* text = nullptr;
};

class SettingsDialogBase : public ui::Dialog {
public:
    SettingsDialogBase(ui::Host& host, ui::DialogTemplate tmpl, dialogs::AppContext& context, RuleSet rules);

    dialogs::AppContext& context() { return context_; }
    const RuleSet& rules() const { return rules_; }

    // --- work days -------------------------------------------------------------------------------
    void showWorkDays(int mask);        // the day boxes from a mask of day bits
    int checkedWorkDays() const;        // the mask of the checked day boxes
    void updateWorkDayBox();            // the "Work Day:" box from the number of checked days
    int toggleDayBox(int dayBox);       // returns the box's previous state
    void showWorkDay(int position, int mask);  // one day box (0 Sunday .. 6 Saturday) from a mask
    void onWorkDayBoxClick();        // the "Work Day:" box was clicked
    void onDayBoxClick(int dayBox);  // a day box was clicked

    // --- Time Lapse and PIR Trigger --------------------------------------------------------------
    void forgetTimeLapsePir();
    void onTimeLapseChanged();   // warns and restores when both lists would stand at "OFF"
    void onPirTriggerChanged();  // the same for a PIR Trigger change
    void rememberTimeLapsePir();
    // After loading a file: both "OFF" leaves PIR Trigger blank; then both are remembered.
    void afterTimeLapsePirLoaded();
    int rememberedTimeLapse() const { return rememberedTimeLapse_; }
    int rememberedPirTrigger() const { return rememberedPirTrigger_; }

    // --- clock -----------------------------------------------------------------------------------
    int yearMonthDay(int year, int month);  // the free function, messages through this dialog's host
    void refillDayList();
    void ensureDayList();
    void prepareDayListForLoad();  // every day "01".."31" when year or month is missing
    // The lists from the PC clock; false (nothing changed) when the clock is outside the lists' span.
    bool setClockFromSystem();
    void resetClock();  // 2013-1-1 0:0:0
    // setClockFromSystem with the warning the "Default(&D)" buttons give when the PC clock is refused.
    void setClockFromPc();

    // --- OFF/ON groups, Send Mode and radios -----------------------------------------------------
    // Ids that a caller does not need are 0.
    void applyOnOffGroup(OnOffVariant variant, int switchList, int dependent1, int dependent2, int dependent3,
                           int extra1, int extra2);
    // Which of Max Number and the two send-time edits are shown (the others are hidden).
    void showSendControls(SendControls shown);
    // A click on a Send Mode radio: its controls shown, then the radio checked and the others cleared.
    void onSendModeClick(int radio);
    // The settings file reader's view of the Send Mode radios: 0..3 (the text's leading number, as
    // atoi reads it) act as a click on Manual, Daily Report, Instant and Off; an empty text or any
    // other number clears the four and hides their controls.
    void setSendModeRadios(const std::string& stored);
    // A click on `radio` of a group given in stored-value order (three or four buttons):
    // setRadioGroup with that radio first and the others after it, the last one given
    // twice in a group of three.
    void onRadioGroupClick(int radio, std::initializer_list<int> group);
    // A group read back from the file: exactly one digit "0".."N-1" acts as a click on that button
    // of `group` (stored-value order); anything else clears the whole group.
    void setRadioGroupFromDigit(const std::string& stored, std::initializer_list<int> group);
    // `first` checked (or unchecked when `checked` is false), the other three unchecked.
    void setRadioGroup(int first, int second, int third, int fourth, bool checked);
    int getRadioIndex(int a, int b, int c, int d) const;

    // --- "Default(&D)" ---------------------------------------------------------------------------
    // The controls set in the table's order: their notifications arrive in that order.
    void applyDefaults(std::span<const ControlDefault> defaults);

    // --- two-digit time edits --------------------------------------------------------------------
    // Runs on every change of the edit's text (also the changes it makes itself).
    void applyRangeEdit(int edit, int minimum, int maximum, const std::string& rangeText);

protected:
    // The clock notifications every dialog handles alike: a year or month change refills the day
    // list, the focus on the month or day list (and, where the rule says so, the year list) makes it
    // usable. True when the notification was one of them.
    bool handleClockNotify(int id, ui::Event event);
    // The Send Mode notifications of the dialogs that have the group: a click on one of its radios,
    // a change of a send-time edit. True when the notification was one of them.
    bool handleSendModeNotify(int id, ui::Event event);
    // A click on the "Work Day:" box or a day box of the dialogs that have them. True when it was one.
    bool handleWorkDayNotify(int id, ui::Event event);

private:
    bool bothOff() const;

    dialogs::AppContext& context_;
    RuleSet rules_;
    int rememberedTimeLapse_ = -1;
    int rememberedPirTrigger_ = -1;
    int rangeEditDepth_ = 0;
};

}  // namespace qvt::dialogs
