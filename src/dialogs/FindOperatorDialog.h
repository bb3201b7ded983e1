// SPDX-License-Identifier: Apache-2.0
#pragma once
// "Find operator…": picks an operator's plan from the mobile-broadband provider database for the
// parameter editor's user-defined mode. A country list, a provider list with a filter that narrows it
// as the user types, and the plans of the chosen provider; a note says which of the editor's fields
// the plan fills, which the owner must still fill in, and which values were cut to fit the camera.
// OK hands the chosen plan's values back to the editor, which shows them; nothing is stored until
// the editor itself is confirmed.
#include <optional>
#include <string>
#include <vector>

#include "operators/ProviderDatabase.h"
#include "ui/Dialog.h"

namespace qvt::dialogs {

class FindOperatorDialog : public ui::Dialog {
public:
    static constexpr int kTemplateId = 170;
    static constexpr int kSource = 9010;     // which database file, and its date
    static constexpr int kCountries = 9011;  // list box of the countries, by name
    static constexpr int kFilter = 9012;     // narrows the provider list as the user types
    static constexpr int kProviders = 9013;  // list box of the chosen country's providers
    static constexpr int kPlans = 9014;      // list box of the chosen provider's plans
    static constexpr int kNote = 9015;       // what the chosen plan fills and what it leaves
    static constexpr int kCountryLabel = 9016;
    static constexpr int kProviderLabel = 9017;
    static constexpr int kPlanLabel = 9018;

    static constexpr const char* kTitle = "Find Operator";

    // `list` outlives the dialog. `countryCode` names the country to preselect ("" none).
    FindOperatorDialog(ui::Host& host, const operators::ProviderList& list, std::string sourceText,
                       std::string countryCode);

    static ui::DialogTemplate dialogTemplate();

    // The chosen plan's values once the dialog ended with OK.
    const std::optional<operators::PlanFill>& chosen() const { return chosen_; }

    // The note for a plan: what it fills, what the owner must still fill in, what was cut.
    static std::string noteFor(const operators::PlanFill& fill);

protected:
    void onInit() override;
    void onNotify(int id, ui::Event event) override;
    void onOK() override;

private:
    const operators::ProviderCountry* country() const;
    const operators::Provider* provider() const;
    void showProviders();  // the chosen country's providers that match the filter, the first chosen
    void showPlans();      // the chosen provider's plans, the first chosen
    void showNote();       // the note for the chosen plan; OK only with a plan

    const operators::ProviderList& list_;
    std::string sourceText_;
    std::string countryCode_;
    std::vector<int> countryOrder_;   // list position -> index into list_.countries
    std::vector<int> providerOrder_;  // list position -> index into the country's providers
    std::vector<operators::ProviderPlan> plans_;
    std::optional<operators::PlanFill> chosen_;
};

}  // namespace qvt::dialogs
