// SPDX-License-Identifier: Apache-2.0
#pragma once
// The country and operator lists of the settings dialogs.
#include <functional>
#include <string>
#include <string_view>

#include "operators/MessagingState.h"
#include "ui/Dialog.h"

namespace qvt::operators {

// The last item of both lists: parameters typed by the user.
inline constexpr std::string_view kOthersItem = "Others";

// Fills a country list box: every country name of the table (the list box sorts them), then
// "Others" at the end. Nothing is selected.
void fillCountryListOf(ui::Dialog& dialog, int countryListId);

// Where one settings dialog keeps its lists and how it words their messages. The five dialogs share
// the logic below and differ only in this.
struct OperatorListConfig {
    int countryListId = 0;
    int operatorListId = 0;
    int checkButtonId = 0;               // "Check WAP / Internet Paramaters(&L)"
    std::string operatorListFailedText;  // the operator list stayed empty although the country has operators
    std::string unknownCountryText;      // the country in use is not in the table
};

OperatorListConfig hx710tListConfig();
OperatorListConfig hx720uListConfig();
OperatorListConfig lp300ListConfig();
OperatorListConfig vex2ListConfig();
OperatorListConfig s1ListConfig();

// Keeps a settings dialog's country and operator lists and the messaging state in step. The
// parameter editor lives above this module, so the dialog hands in a callback that runs it
// modally and returns its result.
class OperatorListLogic {
public:
    using EditorRunner = std::function<ui::Result()>;

    OperatorListLogic(ui::Dialog& dialog, MessagingState& state, OperatorListConfig config, EditorRunner runEditor);

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

    const OperatorListConfig& config() const { return config_; }

private:
    void countrySelected();
    void operatorSelected();
    void runOthers();         // "Others" in either list
    void forgetSelections();  // both lists without selection, no operator items

    ui::Dialog& dialog_;
    MessagingState& state_;
    OperatorListConfig config_;
    EditorRunner runEditor_;
};

}  // namespace qvt::operators
