// SPDX-License-Identifier: Apache-2.0
#include "dialogs/FindOperatorDialog.h"

#include <algorithm>
#include <cctype>

#include "dialogs/WapInternetDialog.h"
#include "platform/FileOps.h"

namespace qvt::dialogs {

using namespace ui;

namespace {

// The editor's name of a field, as its label shows it without the colon: "GPRS APN".
std::string fieldName(int field) {
    std::string name = WapInternetDialog::labelText(field);
    if (!name.empty() && name.back() == ':') name.pop_back();
    return name;
}

std::string joinFields(const std::vector<int>& fields) {
    std::string text;
    for (int field : fields) text += (text.empty() ? "" : ", ") + fieldName(field);
    return text;
}

std::string lowerAscii(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

DialogTemplate FindOperatorDialog::dialogTemplate() {
    DialogTemplate t;
    t.resourceId = kTemplateId;
    t.title = kTitle;
    t.controls.push_back(labelSpec(kSource, {}));
    t.controls.push_back(labelSpec(kCountryLabel, "Country(&C):"));
    t.controls.push_back(listBoxSpec(kCountries));
    t.controls.push_back(labelSpec(kProviderLabel, "Operator, type to filter(&O):"));
    t.controls.push_back(editSpec(kFilter));
    t.controls.push_back(listBoxSpec(kProviders));
    t.controls.push_back(labelSpec(kPlanLabel, "Plan(&P):"));
    t.controls.push_back(listBoxSpec(kPlans));
    t.controls.push_back(labelSpec(kNote, {}));
    t.controls.push_back(buttonSpec(1, "OK(&Y)", {.defaultButton = true}));
    t.controls.push_back(buttonSpec(2, "Cancel(&N)"));
    t.layout = column({
        ctrl(kSource),
        Row({
            column({ctrl(kCountryLabel), ctrl(kCountries), stretch()}),
            column({ctrl(kProviderLabel), ctrl(kFilter), ctrl(kProviders)}),
        }),
        ctrl(kPlanLabel),
        ctrl(kPlans),
        ctrl(kNote),
        Row({stretch(), ctrl(1), ctrl(2)}),
    });
    return t;
}

FindOperatorDialog::FindOperatorDialog(Host& host, const operators::ProviderList& list, std::string sourceText,
                                       std::string countryCode)
    : Dialog(host, dialogTemplate()),
      list_(list),
      sourceText_(std::move(sourceText)),
      countryCode_(std::move(countryCode)) {}

void FindOperatorDialog::onInit() {
    setTextQuiet(kSource, sourceText_);
    countryOrder_.clear();
    for (int c = 0; c < static_cast<int>(list_.countries.size()); ++c) countryOrder_.push_back(c);
    std::stable_sort(countryOrder_.begin(), countryOrder_.end(), [this](int a, int b) {
        return compareNoCase(list_.countries[static_cast<std::size_t>(a)].name,
                             list_.countries[static_cast<std::size_t>(b)].name) < 0;
    });
    for (int c : countryOrder_) {
        const operators::ProviderCountry& country = list_.countries[static_cast<std::size_t>(c)];
        const int pos = appendItem(kCountries, country.name);
        if (!countryCode_.empty() && country.code == countryCode_) select(kCountries, pos);
    }
    showProviders();
}

void FindOperatorDialog::onNotify(int id, Event event) {
    if ((id == kCountries && event == Event::SelChange) || (id == kFilter && event == Event::TextChanged))
        showProviders();
    else if (id == kProviders && event == Event::SelChange)
        showPlans();
    else if (id == kPlans && event == Event::SelChange)
        showNote();
}

void FindOperatorDialog::onOK() {
    const operators::Provider* chosenProvider = provider();
    const int plan = sel(kPlans);
    if (!chosenProvider || plan < 0 || plan >= static_cast<int>(plans_.size())) {
        message("Choose an operator and one of its plans first.", "QVT Tips", Icon::Warning);
        return;
    }
    chosen_ = operators::fillFromPlan(*chosenProvider, plans_[static_cast<std::size_t>(plan)]);
    end(Result::Ok);
}

const operators::ProviderCountry* FindOperatorDialog::country() const {
    const int pos = sel(kCountries);
    if (pos < 0 || pos >= static_cast<int>(countryOrder_.size())) return nullptr;
    return &list_.countries[static_cast<std::size_t>(countryOrder_[static_cast<std::size_t>(pos)])];
}

const operators::Provider* FindOperatorDialog::provider() const {
    const operators::ProviderCountry* c = country();
    const int pos = sel(kProviders);
    if (!c || pos < 0 || pos >= static_cast<int>(providerOrder_.size())) return nullptr;
    return &c->providers[static_cast<std::size_t>(providerOrder_[static_cast<std::size_t>(pos)])];
}

void FindOperatorDialog::showProviders() {
    resetItems(kProviders);
    providerOrder_.clear();
    if (const operators::ProviderCountry* c = country()) {
        const std::string filter = lowerAscii(platform::trim(text(kFilter)));
        for (int p = 0; p < static_cast<int>(c->providers.size()); ++p)
            if (filter.empty() ||
                lowerAscii(c->providers[static_cast<std::size_t>(p)].name).find(filter) != std::string::npos)
                providerOrder_.push_back(p);
        std::stable_sort(providerOrder_.begin(), providerOrder_.end(), [c](int a, int b) {
            return compareNoCase(c->providers[static_cast<std::size_t>(a)].name,
                                 c->providers[static_cast<std::size_t>(b)].name) < 0;
        });
        for (int p : providerOrder_) appendItem(kProviders, c->providers[static_cast<std::size_t>(p)].name);
        // The first match is taken at once, so that Enter uses it.
        if (!providerOrder_.empty()) select(kProviders, 0);
    }
    showPlans();
}

void FindOperatorDialog::showPlans() {
    resetItems(kPlans);
    plans_.clear();
    if (const operators::Provider* p = provider()) {
        plans_ = operators::plansOf(*p);
        for (const operators::ProviderPlan& plan : plans_) appendItem(kPlans, plan.label);
        if (!plans_.empty()) select(kPlans, 0);
    }
    showNote();
}

void FindOperatorDialog::showNote() {
    const operators::Provider* p = provider();
    const int plan = sel(kPlans);
    const bool ready = p && plan >= 0 && plan < static_cast<int>(plans_.size());
    setEnabled(1, ready);
    if (ready) {
        setTextQuiet(kNote, noteFor(operators::fillFromPlan(*p, plans_[static_cast<std::size_t>(plan)])));
    } else if (!country()) {
        setTextQuiet(kNote, "Choose the country of your operator.");
    } else if (providerOrder_.empty()) {
        setTextQuiet(kNote,
                     "No operator of " + country()->name + " matches \"" + platform::trim(text(kFilter)) + "\".");
    } else {
        setTextQuiet(kNote, "Choose your operator and its plan.");
    }
}

std::string FindOperatorDialog::noteFor(const operators::PlanFill& fill) {
    std::vector<int> filled;
    std::vector<int> missing;
    for (int field = 0; field < operators::kProviderFieldCount; ++field)
        (fill.values[static_cast<std::size_t>(field)] ? filled : missing).push_back(field);
    std::string note;
    if (!filled.empty()) note += "Fills " + joinFields(filled) + ".";
    if (!missing.empty())
        note += std::string(note.empty() ? "" : "\n") +
                "Still to fill in yourself (not in the database): " + joinFields(missing) + ".";
    if (!fill.proxyHostName.empty())
        note += "\nThe MMS proxy \"" + fill.proxyHostName + "\" is no numeric address: type its address into " +
                fieldName(WapInternetDialog::kIpField) + ".";
    if (!fill.unfitPort.empty())
        note += "\nThe MMS proxy's port " + fill.unfitPort + " is longer than the camera's " +
                std::to_string(operators::kProviderPortLimit) + " digits.";
    if (!fill.cut.empty())
        note += "\nCut to the camera's " + std::to_string(operators::kProviderValueLimit) +
                " bytes: " + joinFields(fill.cut) + ".";
    return note;
}

}  // namespace qvt::dialogs
