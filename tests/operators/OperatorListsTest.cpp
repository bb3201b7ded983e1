// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "dialogs/WapInternetDialog.h"
#include "dialogs/OperatorListConfigs.h"
#include "operators/OperatorLists.h"
#include "operators/OperatorTables.h"
#include "support/DialogTestHost.h"
#include "support/RecordingHost.h"
#include "operators/MessagingState.h"

namespace qvt::test {
namespace {

using dialogs::WapInternetDialog;
using dialogs::OperatorListConfig;
using operators::OperatorListLogic;
using operators::OperatorParams;
using ui::Event;

// A settings dialog reduced to its messaging group: the two sorted list boxes and the check button,
// wired to the real list logic and the real parameter editor.
class ListsDialog : public ui::Dialog {
public:
    ListsDialog(ui::Host& host, dialogs::AppContext& context, OperatorListConfig config)
        : Dialog(host, dialogTemplate(config)), logic({*this, list(config.countryListId), list(config.operatorListId), config.checkButtonId},
                                                context.messaging(), config.texts, [h = &host, ctx = &context] {
              WapInternetDialog editor(*h, *ctx);
              return h->runModal(editor);
          }) {}

    static ui::DialogTemplate dialogTemplate(const OperatorListConfig& config) {
        ui::DialogTemplate t;
        t.resourceId = 9000;
        t.title = "lists";
        t.controls.push_back(ui::listBoxSpec(config.countryListId, {.sorted = true}));
        t.controls.push_back(ui::listBoxSpec(config.operatorListId, {.sorted = true}));
        t.controls.push_back(ui::buttonSpec(config.checkButtonId, "Check WAP / Internet Paramaters(&L)"));
        return t;
    }

    OperatorListLogic logic;

protected:
    void onInit() override { logic.fillCountryList(); }
    void onNotify(int id, Event event) override { logic.handleNotify(id, event); }
};

const OperatorParams& tableParams(const std::string& country, const std::string& op) {
    const int c = operators::findCountry(country);
    return operators::paramsAt(c, operators::findOperator(c, op));
}

OperatorParams typedParams() {
    OperatorParams p;
    p.URL = "http://typed";
    p.APN = "typed.apn";
    return p;
}

class OperatorListsTest : public ::testing::Test {
protected:
    void SetUp() override { open(dialogs::hx720uListConfig()); }

    void open(OperatorListConfig config) {
        cfg = config;
        dialog = std::make_unique<ListsDialog>(host, pc.context, config);
        dialog->init();
    }

    operators::MessagingState& state() { return pc.context.messaging(); }
    int country() const { return cfg.countryListId; }
    int oper() const { return cfg.operatorListId; }

    // What a person does: picks the item with this text, the dialog hears of the selection change.
    void choose(int list, const std::string& text) {
        const int pos = dialog->findExact(list, text);
        ASSERT_GE(pos, 0) << text;
        dialog->select(list, pos);
        dialog->notify(list, Event::SelChange);
    }

    std::vector<std::string> items(int list) const { return dialog->control(list).items; }

    // The editor, when it opens, gets these fields typed and is confirmed; or it is cancelled.
    void editorTypesAndConfirms(std::vector<std::pair<int, std::string>> typed) {
        host.onModal = [typed](ui::Dialog& editor, int) {
            for (const auto& [id, text] : typed) editor.setText(id, text);
            editor.notify(1, Event::Clicked);
        };
    }
    void editorCancels() {
        host.onModal = [](ui::Dialog& editor, int) { editor.notify(2, Event::Clicked); };
    }

    TestPc pc;
    ModalDrivingHost host;
    OperatorListConfig cfg;
    std::unique_ptr<ListsDialog> dialog;
};

// ---- filling and choosing -----------------------------------------------------------------------

TEST_F(OperatorListsTest, CountryListIsSortedWithOthersLast) {
    const std::vector<std::string> expected = {
        "Australia", "Austria",  "Canada",  "Chech",       "China",  "China HongKong", "Cyprus",  "Denmark", "Finland",
        "France",    "Germany",  "Holland", "Hungary",     "Israel", "Italy",          "Latvian", "Mexico",  "Norway",
        "Russia",    "Slovakia", "Sweden",  "Switzerland", "UK",     "Ukraine",        "USA",     "Others",
    };
    EXPECT_EQ(items(country()), expected);
    EXPECT_EQ(dialog->sel(country()), -1);
    EXPECT_EQ(dialog->count(oper()), 0);
}

TEST_F(OperatorListsTest, ChoosingGermanyTakesTheAlphabeticallyFirstOperator) {
    state().smtpSsl = "1";
    choose(country(), "Germany");
    EXPECT_EQ(items(oper()),
              (std::vector<std::string>{"Bild-Vodafone", "E-plus", "Germany-02", "T-mobile", "Vodafone", "Others"}));
    EXPECT_EQ(dialog->sel(oper()), 0);
    EXPECT_EQ(state().countryName, "Germany");
    EXPECT_EQ(state().operatorName, "Bild-Vodafone");
    EXPECT_EQ(state().params, tableParams("Germany", "Bild-Vodafone"));
    EXPECT_NE(state().params, tableParams("Germany", "T-mobile"));
    EXPECT_EQ(state().smtpSsl, "0");
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_TRUE(host.modalTitles.empty());
}

TEST_F(OperatorListsTest, ChoosingFranceAndThenAnOperator) {
    choose(country(), "France");
    EXPECT_EQ(items(oper()), (std::vector<std::string>{"Orange", "Others"}));

    choose(country(), "Germany");
    choose(oper(), "T-mobile");
    EXPECT_EQ(state().operatorName, "T-mobile");
    EXPECT_EQ(state().params, tableParams("Germany", "T-mobile"));
    EXPECT_EQ(dialog->selText(country()), "Germany");
}

TEST_F(OperatorListsTest, SameOperatorNameInTwoCountriesKeepsItsOwnParameters) {
    choose(country(), "UK");
    choose(oper(), "Vodafone");
    EXPECT_EQ(state().params, tableParams("UK", "Vodafone"));
    choose(country(), "Germany");
    choose(oper(), "Vodafone");
    EXPECT_EQ(state().params, tableParams("Germany", "Vodafone"));
}

// ---- "Others" -----------------------------------------------------------------------------------

TEST_F(OperatorListsTest, CountryOthersConfirmedLeavesUserDefinedParameters) {
    choose(country(), "Germany");
    editorTypesAndConfirms({{1097, "http://typed"}, {1098, "typed.apn"}});
    choose(country(), "Others");

    ASSERT_EQ(host.modalTitles, std::vector<std::string>{"WAP / Internet Paramaters"});
    EXPECT_EQ(state().editorMode, 0);
    EXPECT_EQ(dialog->sel(country()), -1);
    EXPECT_EQ(dialog->count(oper()), 0);
    EXPECT_EQ(state().countryName, "");
    EXPECT_EQ(state().operatorName, "");
    EXPECT_EQ(state().params, typedParams());
}

TEST_F(OperatorListsTest, EditorOpensEmptyForOthers) {
    choose(country(), "France");
    std::string shownUrl = "?";
    host.onModal = [&](ui::Dialog& editor, int) { shownUrl = editor.text(1097); };
    choose(oper(), "Others");
    EXPECT_EQ(shownUrl, "");
}

TEST_F(OperatorListsTest, OperatorOthersConfirmedLeavesUserDefinedParameters) {
    choose(country(), "France");
    editorTypesAndConfirms({{1097, "http://typed"}, {1098, "typed.apn"}});
    choose(oper(), "Others");
    EXPECT_EQ(dialog->sel(country()), -1);
    EXPECT_EQ(dialog->count(oper()), 0);
    EXPECT_EQ(state().countryName, "");
    EXPECT_EQ(state().operatorName, "");
    EXPECT_EQ(state().params, typedParams());
}

TEST_F(OperatorListsTest, OthersCancelledReturnsToThePreviousChoice) {
    for (const bool fromCountryList : {true, false}) {
        open(dialogs::hx720uListConfig());
        choose(country(), "Germany");
        choose(oper(), "T-mobile");
        state().params.URL = "edited since";
        state().smtpSsl = "1";
        editorCancels();
        choose(fromCountryList ? country() : oper(), "Others");

        EXPECT_EQ(dialog->selText(country()), "Germany") << fromCountryList;
        EXPECT_EQ(dialog->count(oper()), 6) << fromCountryList;
        EXPECT_EQ(dialog->selText(oper()), "T-mobile") << fromCountryList;
        EXPECT_EQ(state().countryName, "Germany");
        EXPECT_EQ(state().operatorName, "T-mobile");
        EXPECT_EQ(state().params, tableParams("Germany", "T-mobile")) << fromCountryList;
        EXPECT_EQ(state().smtpSsl, "0");
        EXPECT_EQ(state().editorMode, 0);
    }
}

TEST_F(OperatorListsTest, OthersCancelledWithoutPreviousChoiceLeavesEverythingAsItWas) {
    state().params = typedParams();  // as a settings file read left them
    state().smtpSsl = "1";
    editorCancels();
    choose(country(), "Others");
    EXPECT_EQ(dialog->sel(country()), -1);
    EXPECT_EQ(dialog->sel(oper()), -1);
    EXPECT_EQ(dialog->count(oper()), 0);
    EXPECT_EQ(state().params, typedParams());
    EXPECT_EQ(state().smtpSsl, "1");
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(OperatorListsTest, RestoreNeverReopensTheEditorForAnOthersName) {
    state().countryName = "others";
    state().operatorName = "x";
    editorCancels();
    choose(country(), "Others");
    EXPECT_EQ(host.modalTitles.size(), 1u);
    EXPECT_EQ(dialog->sel(country()), -1);
}

// ---- the check button ---------------------------------------------------------------------------

TEST_F(OperatorListsTest, CheckButtonReviewsTheParametersAFileLeft) {
    state().params = typedParams();
    state().editorMode = 0;
    std::string shownUrl;
    host.onModal = [&](ui::Dialog& editor, int) {
        shownUrl = editor.text(1097);
        editor.notify(2, Event::Clicked);
    };
    dialog->notify(cfg.checkButtonId, Event::Clicked);
    EXPECT_EQ(state().editorMode, 1);
    EXPECT_EQ(shownUrl, "http://typed");
}

TEST_F(OperatorListsTest, ReviewThatChangedAMailFieldDropsTheListSelections) {
    choose(country(), "Germany");
    editorTypesAndConfirms({{1103, "smtp.mine.example"}});
    dialog->notify(cfg.checkButtonId, Event::Clicked);

    EXPECT_EQ(dialog->sel(country()), -1);
    EXPECT_EQ(dialog->count(oper()), 0);
    EXPECT_EQ(state().smtpEdited, 0);
    EXPECT_EQ(state().countryName, "Germany");
    EXPECT_EQ(state().operatorName, "Bild-Vodafone");
    EXPECT_EQ(state().params.SendEmailServer, "smtp.mine.example");

    // Reviewing again without a change keeps them so.
    editorTypesAndConfirms({});
    dialog->notify(cfg.checkButtonId, Event::Clicked);
    EXPECT_EQ(dialog->sel(country()), -1);
    EXPECT_EQ(state().params.SendEmailServer, "smtp.mine.example");
}

TEST_F(OperatorListsTest, ReviewWithoutChangeKeepsTheSelections) {
    choose(country(), "Germany");
    editorTypesAndConfirms({});
    dialog->notify(cfg.checkButtonId, Event::Clicked);
    EXPECT_EQ(dialog->selText(country()), "Germany");
    EXPECT_EQ(dialog->selText(oper()), "Bild-Vodafone");
}

// ---- applying -----------------------------------------------------------------------------------

TEST_F(OperatorListsTest, ApplyTrimsTheNamesAndReportsAnUnknownCountry) {
    state().countryName = "  France ";
    state().operatorName = "Orange\t";
    dialog->logic.applyOperatorParams();
    EXPECT_EQ(state().countryName, "France");
    EXPECT_EQ(state().operatorName, "Orange");
    EXPECT_EQ(state().params, tableParams("France", "Orange"));

    state().params = typedParams();
    state().smtpSsl = "1";
    state().countryName = "Atlantis";
    dialog->logic.applyOperatorParams();
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, cfg.texts.unknownCountry);
    EXPECT_EQ(host.boxes[0].caption, "QVT Tips");
    EXPECT_EQ(host.boxes[0].icon, ui::Icon::Warning);
    EXPECT_EQ(state().params, typedParams());
    EXPECT_EQ(state().smtpSsl, "1");
}

TEST_F(OperatorListsTest, ApplyWithAnEmptyNameOrUnknownOperator) {
    state().params = typedParams();
    state().smtpSsl = "1";
    state().countryName = "France";
    state().operatorName = " ";
    dialog->logic.applyOperatorParams();
    EXPECT_EQ(state().smtpSsl, "1") << "an empty name changes nothing";

    state().operatorName = "orange";  // names compare exactly
    dialog->logic.applyOperatorParams();
    EXPECT_EQ(state().params, typedParams());
    EXPECT_EQ(state().smtpSsl, "0");
}

TEST_F(OperatorListsTest, ApplyCopiesTheTableParametersOfTheOperatorInUse) {
    state().countryName = "France";
    state().operatorName = "Orange";
    dialog->logic.applyOperatorParams();
    EXPECT_EQ(state().params, tableParams("France", "Orange"));
    EXPECT_TRUE(host.boxes.empty());

    open(dialogs::hx710tListConfig());
    EXPECT_EQ(dialog->count(1065), 26);
}

TEST_F(OperatorListsTest, EveryDialogVariantWorksOnItsOwnIds) {
    for (const OperatorListConfig& config : {dialogs::hx710tListConfig(), dialogs::lp300ListConfig(),
                                             dialogs::vex2ListConfig(), dialogs::s1ListConfig()}) {
        open(config);
        choose(country(), "Switzerland");
        EXPECT_EQ(items(oper()), (std::vector<std::string>{"Orange", "Swisscom", "Others"})) << config.countryListId;
        EXPECT_EQ(state().params, tableParams("Switzerland", "Orange"));
    }
    EXPECT_EQ(dialogs::s1ListConfig().operatorListId, 1004);
    EXPECT_EQ(dialogs::lp300ListConfig().checkButtonId, 1140);
    EXPECT_EQ(dialogs::hx710tListConfig().texts.unknownCountry,
              "Error: The information of this country is not exist, your configuration is invalid !");
}

}  // namespace
}  // namespace qvt::test
