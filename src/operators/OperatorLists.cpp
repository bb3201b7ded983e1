// SPDX-License-Identifier: Apache-2.0
#include "operators/OperatorLists.h"

#include "operators/OperatorTables.h"
#include "platform/FileOps.h"

namespace qvt::operators {

void fillCountryListOf(ui::Dialog& dialog, int countryListId) {
    for (int c = 0; c < kCountrySlots; ++c) {
        const std::string& name = countryName(c);
        if (name.empty()) break;  // the table ends at its first empty slot
        dialog.addItem(countryListId, name);
    }
    // Appended, not added: "Others" stays last whatever the sorting says.
    dialog.appendItem(countryListId, std::string(kOthersItem));
}

// ---- the five dialogs' variants -----------------------------------------------------------------

namespace {

constexpr const char* kCaption = "QVT Tips";
constexpr const char* kListFailedText = "Error: ListBox Is Failed In Adding Information For Operator !";
constexpr const char* kUnknownCountryText =
    "Error: The information of this country is not exist,Your configuration is invalid !";

OperatorListConfig makeConfig(int countryList, int operatorList, int checkButton, std::string listFailed) {
    OperatorListConfig config;
    config.countryListId = countryList;
    config.operatorListId = operatorList;
    config.checkButtonId = checkButton;
    config.operatorListFailedText = std::move(listFailed);
    config.unknownCountryText = kUnknownCountryText;
    return config;
}

}  // namespace

OperatorListConfig hx710tListConfig() {
    OperatorListConfig config = makeConfig(1065, 1066, 1110, "Error: Adding information failed for operator listBox !");
    config.unknownCountryText = "Error: The information of this country is not exist, your configuration is invalid !";
    return config;
}

OperatorListConfig hx720uListConfig() {
    return makeConfig(1065, 1066, 1110, kListFailedText);
}
OperatorListConfig lp300ListConfig() {
    return makeConfig(1138, 1139, 1140, kListFailedText);
}
OperatorListConfig vex2ListConfig() {
    return makeConfig(1138, 1139, 1140, kListFailedText);
}
OperatorListConfig s1ListConfig() {
    return makeConfig(1000, 1004, 1002, "Error:Failed In adding information for operator listbox !");
}

// ---- the list logic -----------------------------------------------------------------------------

OperatorListLogic::OperatorListLogic(ui::Dialog& dialog, MessagingState& state, OperatorListConfig config,
                                     EditorRunner runEditor)
    : dialog_(dialog), state_(state), config_(std::move(config)), runEditor_(std::move(runEditor)) {}

void OperatorListLogic::fillCountryList() {
    fillCountryListOf(dialog_, config_.countryListId);
}

void OperatorListLogic::onCountrySelChange() {
    countrySelected();
    applyOperatorParams();
}

void OperatorListLogic::onOperatorSelChange() {
    operatorSelected();
    applyOperatorParams();
}

bool OperatorListLogic::handleNotify(int id, ui::Event event) {
    if (id == config_.countryListId && event == ui::Event::SelChange) {
        onCountrySelChange();
        return true;
    }
    if (id == config_.operatorListId && event == ui::Event::SelChange) {
        onOperatorSelChange();
        return true;
    }
    if (id == config_.checkButtonId && event == ui::Event::Clicked) {
        onCheckParams();
        return true;
    }
    return false;
}

void OperatorListLogic::countrySelected() {
    const int operators = config_.operatorListId;
    const std::string selected = dialog_.selText(config_.countryListId);
    if (selected == kOthersItem) {
        dialog_.resetItems(operators);
        runOthers();
        return;
    }
    const int c = findCountry(selected);
    dialog_.resetItems(operators);
    if (c < 0) return;  // nothing selected, or a name the table does not know

    state_.countryName = selected;
    for (int o = 0; o < kOperatorSlots; ++o) {
        const std::string& name = operatorName(c, o);
        if (name.empty()) break;
        dialog_.addItem(operators, name);
    }
    if (dialog_.count(operators) > 0) {
        // The list is sorted, so the first operator shown is not necessarily the table's first.
        dialog_.select(operators, 0);
        state_.operatorName = dialog_.itemText(operators, 0);
    } else if (!operatorName(c, 0).empty()) {
        dialog_.message(config_.operatorListFailedText, kCaption, ui::Icon::Warning);
    }
    dialog_.appendItem(operators, std::string(kOthersItem));
}

void OperatorListLogic::operatorSelected() {
    const std::string selected = dialog_.selText(config_.operatorListId);
    if (selected != kOthersItem) {
        state_.operatorName = selected;
        return;
    }
    runOthers();
}

void OperatorListLogic::runOthers() {
    state_.editorMode = 0;
    if (runEditor_ && runEditor_() == ui::Result::Ok) {
        // The typed parameters stay as the editor stored them: no operator is in use any more.
        forgetSelections();
        state_.countryName.clear();
        state_.operatorName.clear();
        return;
    }
    restore();
}

void OperatorListLogic::restore() {
    const std::string keptOperator = state_.operatorName;
    int pos = dialog_.findExact(config_.countryListId, state_.countryName);
    // "Others" is never a country in use; selecting it here would reopen the editor without end.
    if (pos >= 0 && dialog_.itemText(config_.countryListId, pos) == kOthersItem) pos = -1;
    dialog_.select(config_.countryListId, pos);
    countrySelected();
    dialog_.select(config_.operatorListId, dialog_.findExact(config_.operatorListId, keptOperator));
    state_.operatorName = keptOperator;
    applyOperatorParams();
    // editorMode stays 0: the next "Others" opens the editor empty again, and the check button sets
    // its own mode.
}

void OperatorListLogic::applyOperatorParams() {
    state_.countryName = platform::trim(state_.countryName);
    state_.operatorName = platform::trim(state_.operatorName);
    if (state_.countryName.empty() || state_.operatorName.empty()) return;

    const int c = findCountry(state_.countryName);
    if (c < 0) {
        dialog_.message(config_.unknownCountryText, kCaption, ui::Icon::Warning);
        return;
    }
    for (int o = 0; o < kOperatorSlots; ++o) {
        const std::string& name = operatorName(c, o);
        if (name.empty()) break;
        if (name == state_.operatorName) state_.params = paramsAt(c, o);
    }
    // Table operators start without SSL, also when the operator was not found in the row.
    state_.smtpSsl = "0";
}

void OperatorListLogic::onCheckParams() {
    state_.editorMode = 1;
    if (runEditor_) runEditor_();
    if (state_.smtpEdited == 1) {
        // Edited mail fields no longer match the table's operator: the lists stop showing it, while
        // the names stay for the next comparison.
        forgetSelections();
        state_.smtpEdited = 0;
    }
}

void OperatorListLogic::forgetSelections() {
    dialog_.clearSelection(config_.countryListId);
    dialog_.resetItems(config_.operatorListId);
}

}  // namespace qvt::operators
