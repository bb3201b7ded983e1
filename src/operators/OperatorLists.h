// SPDX-License-Identifier: Apache-2.0
#pragma once
// The country and operator lists of the settings dialogs.
#include <functional>
#include <string>
#include <string_view>

#include "operators/MessagingState.h"
#include "ui/DialogViews.h"

namespace qvt::operators {

// The last item of both lists: parameters typed by the user.
inline constexpr std::string_view kOthersItem = "Others";

// Fills a country list box: every country name of the table (the list box sorts them), then
// "Others" at the end. Nothing is selected.
void fillCountryList(ui::ListBox countries);

// What the list logic sees of its dialog: the message boxes, the two lists and the id of the
// "Check WAP / Internet Paramaters(&L)" button.
struct OperatorListControls {
    ui::MessageBoxes& messages;
    ui::ListBox countries;
    ui::ListBox operators;
    int checkButtonId = 0;
};

// How a dialog words the list messages.
struct OperatorListTexts {
    std::string operatorListFailed;  // the operator list stayed empty although the country has operators
    std::string unknownCountry;      // the country in use is not in the table
};

// Keeps a settings dialog's country and operator lists and the messaging state in step. The
// parameter editor lives above this module, so the dialog hands in a callback that runs it
// modally and returns its result.
class OperatorListLogic {
public:
    using EditorRunner = std::function<ui::Result()>;

    OperatorListLogic(OperatorListControls controls, MessagingState& state, OperatorListTexts texts,
                      EditorRunner runEditor);

    // The country list from the operator table, "Others" last.
    void fillCountryList();
    // Copies the table parameters of the country and operator in use into the messaging state.
    void applyOperatorParams();
    // After "Others" was cancelled: back to the country and operator in use, their parameters again.
    void restore();
    // "Check WAP / Internet Paramaters(&L)": the editor in review mode.
    void onCheckParams();

    // The dialog's selection-change notifications of the two lists.
    void onCountrySelChange();
    void onOperatorSelChange();

    // Routes a notification of the country list, the operator list or the check button; false when
    // the notification is none of them.
    bool handleNotify(int id, ui::Event event);

private:
    void countrySelected();
    void operatorSelected();
    void runOthers();         // "Others" in either list
    void forgetSelections();  // both lists without selection, no operator items

    OperatorListControls controls_;
    MessagingState& state_;
    OperatorListTexts texts_;
    EditorRunner runEditor_;
};

}  // namespace qvt::operators
