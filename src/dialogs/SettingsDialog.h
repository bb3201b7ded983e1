// SPDX-License-Identifier: Apache-2.0
#pragma once
// The one settings dialog of every camera product. What differs between the products is data: a
// ProductDescription names the template, the settings file's key table, the "Default(&D)" values,
// the rule set, the save-flow and list wording and the parts the dialog is composed of (game call,
// Send Mode, work days, work hour, the four-model variants, ...).
//
// The rules between the controls (work days, Time Lapse and PIR Trigger, the clock lists, OFF/ON
// groups, Send Mode, the two-digit time edits) are written once here. The notification handler,
// "Default(&D)" and the settings file reader all go through these operations, so a rule cannot
// behave differently depending on who triggered it.
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "dialogs/AppContext.h"
#include "dialogs/Catalogue.h"
#include "dialogs/ControlRules.h"
#include "dialogs/ProductDescription.h"
#include "ui/Dialog.h"

namespace qvt::operators {
class OperatorListLogic;
}

namespace qvt::settings {
class CardSaveFlow;
struct KeyTable;
enum class FileTarget;
}  // namespace qvt::settings

namespace qvt::operators {
class OperatorListLogic;
}

namespace qvt::dialogs {

class SettingsDialog final : public ui::Dialog {
public:
    // The dialog of `description` for the product being configured (context.CurrentModelCode); a
    // code the description does not list configures its first product.
    SettingsDialog(ui::Host& host, dialogs::AppContext& context, const ProductDescription& description);
    ~SettingsDialog() override;

    dialogs::AppContext& context() { return context_; }
    const ProductDescription& description() const { return description_; }
    const Product& product() const { return *product_; }
    const RuleSet& rules() const { return rules_; }
    settings::CardSaveFlow& saveFlow() { return *saveFlow_; }
    const settings::CardSaveFlow& saveFlow() const { return *saveFlow_; }
    operators::OperatorListLogic& lists() { return *lists_; }
    const settings::KeyTable& keyTable() const { return *keyTable_; }

    // The part of type P this dialog is composed of; nullptr when the product has none.
    template <class P>
    P* part() {
        for (const std::unique_ptr<DialogPart>& p : parts_)
            if (auto* found = dynamic_cast<P*>(p.get())) return found;
        return nullptr;
    }

    // The card file or the backup into the dialog and the messaging state; false when it is gone.
    bool readSettingsFile(settings::FileTarget target);
    // The dialog and the messaging state into the card file or the backup; true when the file was
    // written and verified.
    [[nodiscard]] bool writeSettingsFile(settings::FileTarget target);

    void onDefault();  // "Default(&D)"

    // The first-open note, or what the opening found instead: a card file kept unread (always shown)
    // or a file read only in part.
    ui::FooterNote footerNote() const override;

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
    void applyOnOffGroup(OnOffVariant variant, const OnOffGroup& group);
    // The same with the ids given one by one; ids that a caller does not need are 0.
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
    void onRadioGroupClick(int radio, std::span<const int> group);
    void onRadioGroupClick(int radio, std::initializer_list<int> group) {
        onRadioGroupClick(radio, std::span<const int>(group.begin(), group.size()));
    }
    // A group read back from the file: exactly one digit "0".."N-1" acts as a click on that button
    // of `group` (stored-value order); anything else clears the whole group.
    void setRadioGroupFromDigit(const std::string& stored, std::span<const int> group);
    void setRadioGroupFromDigit(const std::string& stored, std::initializer_list<int> group) {
        setRadioGroupFromDigit(stored, std::span<const int>(group.begin(), group.size()));
    }
    // `first` checked (or unchecked when `checked` is false), the other three unchecked.
    void setRadioGroup(int first, int second, int third, int fourth, bool checked);
    int getRadioIndex(int a, int b, int c, int d) const;

    // --- "Default(&D)" ---------------------------------------------------------------------------
    // The controls set in the table's order: their notifications arrive in that order.
    void applyDefaults(std::span<const ControlDefault> defaults);

    // --- two-digit time edits --------------------------------------------------------------------
    // Runs on every change of the edit's text (also the changes it makes itself).
    void applyRangeEdit(int edit, int minimum, int maximum, const std::string& rangeText);

    // The clock notifications every dialog handles alike: a year or month change refills the day
    // list, the focus on the month or day list (and, where the rule says so, the year list) makes it
    // usable. True when the notification was one of them.
    bool handleClockNotify(int id, ui::Event event);

protected:
    void onInit() override;
    void onNotify(int id, ui::Event event) override;
    void onOK() override;      // "Save(&Y)" and Enter
    void onCancel() override;  // "Exit(&N)", Esc and the close box

private:
    bool bothOff() const;
    // The notifications every product handles alike (banner, path list, export and import, country
    // and operator lists, the parameter check, the clock lists); true when it was one of them.
    bool handleCommonNotify(int id, ui::Event event);
    // The bytes Save writes to the card for the values shown now: a fresh file, as the card file
    // is always written afresh. Export writes them too, and the save confirmation compares them.
    std::string cardFileBytes();
    // "Export…": the values shown, to a file the user names. "Import…": a settings file of this
    // product from anywhere into the dialog; any other file is refused and the dialog stays as it is.
    // Neither touches the card.
    void exportSettings();
    void importSettings();

    dialogs::AppContext& context_;
    const ProductDescription& description_;
    const Product* product_;
    RuleSet rules_;
    std::vector<std::unique_ptr<DialogPart>> parts_;
    std::unique_ptr<settings::CardSaveFlow> saveFlow_;
    std::unique_ptr<operators::OperatorListLogic> lists_;
    std::unique_ptr<settings::KeyTable> keyTable_;
    int rememberedTimeLapse_ = -1;
    int rememberedPirTrigger_ = -1;
    int rangeEditDepth_ = 0;
};

// The settings dialog of `product`, as its catalogue row describes it.
std::unique_ptr<ui::Dialog> createSettingsDialog(const Product& product, ui::Host& host, dialogs::AppContext& context);

}  // namespace qvt::dialogs
