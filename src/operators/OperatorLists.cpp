// SPDX-License-Identifier: Apache-2.0
#include "operators/OperatorLists.h"

#include "operators/OperatorTables.h"
#include "platform/FileOps.h"

namespace qvt::operators {

void fillCountryList(ui::ListBox countries) {
    for (int c = 0; c < kCountrySlots; ++c) {
        const std::string& name = countryName(c);
        if (name.empty()) break;  // the table ends at its first empty slot
        countries.add(name);
    }
    // Appended, not added: "Others" stays last whatever the sorting says.
    countries.append(std::string(kOthersItem));
}

namespace {
constexpr std::string_view kCaption = ui::kTipsCaption;
}  // namespace

// ---- the list logic -----------------------------------------------------------------------------

OperatorListLogic::OperatorListLogic(OperatorListControls controls, MessagingState& state, OperatorListTexts texts,
                                     EditorRunner runEditor)
    : controls_(controls), state_(state), texts_(std::move(texts)), runEditor_(std::move(runEditor)) {}

void OperatorListLogic::fillCountryList() {
    operators::fillCountryList(controls_.countries);
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
    if (id == controls_.countries.id() && event == ui::Event::SelChange) {
        onCountrySelChange();
        return true;
    }
    if (id == controls_.operators.id() && event == ui::Event::SelChange) {
        onOperatorSelChange();
        return true;
    }
    if (id == controls_.checkButtonId && event == ui::Event::Clicked) {
        onCheckParams();
        return true;
    }
    return false;
}

void OperatorListLogic::countrySelected() {
    ui::ListBox& operators = controls_.operators;
    const std::string selected = controls_.countries.selText();
    if (selected == kOthersItem) {
        operators.reset();
        runOthers();
        return;
    }
    const int c = findCountry(selected);
    operators.reset();
    if (c < 0) return;  // nothing selected, or a name the table does not know

    state_.countryName = selected;
    for (int o = 0; o < kOperatorSlots; ++o) {
        const std::string& name = operatorName(c, o);
        if (name.empty()) break;
        operators.add(name);
    }
    if (operators.count() > 0) {
        // The list is sorted, so the first operator shown is not necessarily the table's first.
        operators.select(0);
        state_.operatorName = operators.itemText(0);
    } else if (!operatorName(c, 0).empty()) {
        controls_.messages.message(texts_.operatorListFailed, kCaption, ui::Icon::Warning);
    }
    operators.append(std::string(kOthersItem));
}

void OperatorListLogic::operatorSelected() {
    const std::string selected = controls_.operators.selText();
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
    int pos = controls_.countries.findExact(state_.countryName);
    // "Others" is never a country in use; selecting it here would reopen the editor without end.
    if (pos >= 0 && controls_.countries.itemText(pos) == kOthersItem) pos = -1;
    controls_.countries.select(pos);
    countrySelected();
    controls_.operators.select(controls_.operators.findExact(keptOperator));
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
        controls_.messages.message(texts_.unknownCountry, kCaption, ui::Icon::Warning);
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
    controls_.countries.clearSelection();
    controls_.operators.reset();
}

}  // namespace qvt::operators
