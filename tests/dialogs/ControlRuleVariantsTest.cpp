// SPDX-License-Identifier: Apache-2.0
// The forms of the shared rules that other dialogs use, on a small dialog that has just the
// controls those rules touch.
#include <gtest/gtest.h>

#include "support/DialogTestHost.h"
#include "dialogs/SettingsDialog.h"
#include "dialogs/OperatorListConfigs.h"
#include "settings/KeyTable.h"

namespace qvt::dialogs {
namespace {

using namespace ui;

constexpr int kS1PirTrigger = 1169;
constexpr int kLpWorkHour = 1147;
constexpr int kLpTimes[4] = {1148, 1149, 1145, 1146};
constexpr int kPathList = 1135, kCountryList = 1138, kOperatorList = 1139;

DialogTemplate ruleTemplate() {
    DialogTemplate t;
    t.resourceId = 999;
    t.title = "rules";
    const std::vector<std::string> pir{"Low", "Normal", "High", "OFF"};
    t.controls = {
        listSpec(ids::kTimeLapse, {"OFF", "5  Min", "10 Min"}),
        listSpec(ids::kPirTrigger, pir),
        listSpec(kS1PirTrigger, pir),
        listSpec(ids::kYear, numberItems(2013, 2113)),
        listSpec(ids::kMonth, numberItems(1, 12, 2)),
        listSpec(ids::kDay, {}),
        listSpec(ids::kHour, numberItems(0, 23, 2)),
        listSpec(ids::kMinute, numberItems(0, 59, 2)),
        listSpec(ids::kSecond, numberItems(0, 59, 2)),
        check3Spec(ids::kWorkDayBox, "Work Day:"),
        listSpec(kLpWorkHour, {"OFF", "ON"}),
    };
    for (int box : dialogs::kDayBoxes) t.controls.push_back(checkSpec(box, "day"));
    for (int id : kLpTimes) t.controls.push_back(listSpec(id, numberItems(0, 59, 2)));
    for (int id : {1055, 1062, 1064, 1083}) t.controls.push_back(radioSpec(id, "radio"));
    // The footer's path list and the country and operator lists every settings dialog has.
    t.controls.push_back(listSpec(kPathList, {}));
    t.controls.push_back(listBoxSpec(kCountryList));
    t.controls.push_back(listBoxSpec(kOperatorList));
    return t;
}

// The rule set under test: a description of a product with just the controls above.
RuleSet gRules;
const ProductDescription& ruleDescription() {
    static const ProductDescription description{
        .dialogTemplate = ruleTemplate,
        .rules = [] { return gRules; },
        .lists = [] { return OperatorListConfig{kCountryList, kOperatorList, 0, {}}; },
        .saveFlow = {},
        .pathListId = kPathList,
        .defaultButton = 0,
        .parts = {},
        .buildKeyTable = [](SettingsDialog&, settings::KeyTable&) {},
        .applyDefaults = [](SettingsDialog&) {},
    };
    return description;
}
using RuleDialog = SettingsDialog;

class VariantTest : public testing::Test {
protected:
    RuleDialog& open(RuleSet rules) {
        gRules = std::move(rules);
        d = std::make_unique<RuleDialog>(host, pc.context, ruleDescription());
        d->init();
        host.boxes.clear();  // the opening's note that no card file was found
        return *d;
    }
    test::TestPc pc;
    test::RecordingHost host;
    std::unique_ptr<RuleDialog> d;
};

TEST_F(VariantTest, NamedWordingNamesTheChangedListFirst) {
    RuleDialog& dlg = open(hx720uRules());
    dlg.forgetTimeLapsePir();
    dlg.select(ids::kTimeLapse, 2);
    dlg.onTimeLapseChanged();
    dlg.select(ids::kPirTrigger, 3);
    dlg.onPirTriggerChanged();
    dlg.select(ids::kTimeLapse, 0);
    dlg.onTimeLapseChanged();
    EXPECT_EQ(dlg.sel(ids::kTimeLapse), 2);
    dlg.rememberTimeLapsePir();  // remember both
    dlg.select(ids::kTimeLapse, 0);
    dlg.select(ids::kPirTrigger, 3);
    dlg.onPirTriggerChanged();
    EXPECT_EQ(dlg.sel(ids::kPirTrigger), 3);  // the remembered PIR Trigger was "OFF" itself
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[0].text, "\"Time Lapse\" and \"PIR Trigger\" can not be \"OFF\" at the same time !");
    EXPECT_EQ(host.boxes[1].text, "\"PIR Trigger\" and \"Time Lapse\" can not be \"OFF\" at the same time !");
}

TEST_F(VariantTest, LoadedBothOffClearsPirAndRemembers) {
    RuleDialog& dlg = open(vex2Rules());
    dlg.select(ids::kTimeLapse, 0);
    dlg.select(ids::kPirTrigger, 3);
    dlg.afterTimeLapsePirLoaded();
    EXPECT_EQ(dlg.sel(ids::kPirTrigger), -1);
    EXPECT_EQ(dlg.rememberedTimeLapse(), 0);
    EXPECT_EQ(dlg.rememberedPirTrigger(), -1);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(VariantTest, FourModelDialogUsesItsOwnPirListAndTwoDigitDays) {
    RuleDialog& dlg = open(s1Rules());
    dlg.select(kS1PirTrigger, 3);
    dlg.select(ids::kTimeLapse, 0);
    dlg.afterTimeLapsePirLoaded();
    EXPECT_EQ(dlg.sel(kS1PirTrigger), -1);
    EXPECT_EQ(dlg.sel(ids::kPirTrigger), -1);  // untouched

    dlg.select(ids::kYear, 2016 - 2013);
    dlg.select(ids::kMonth, 1);
    dlg.notify(ids::kMonth, Event::SelChange);
    ASSERT_EQ(dlg.count(ids::kDay), 29);
    EXPECT_EQ(dlg.itemText(ids::kDay, 0), "01");
    EXPECT_EQ(dlg.selText(ids::kDay), "01");

    dlg.clearSelection(ids::kMonth);
    dlg.prepareDayListForLoad();
    EXPECT_EQ(dlg.itemText(ids::kDay, 0), "1");
    EXPECT_EQ(dlg.count(ids::kDay), 31);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(VariantTest, YearFocusDoesNothingWhereTheRuleSaysSo) {
    RuleDialog& dlg = open(lp300Rules());
    dlg.notify(ids::kYear, Event::Focus);
    EXPECT_EQ(dlg.count(ids::kDay), 0);
    EXPECT_EQ(dlg.sel(ids::kYear), -1);
    dlg.notify(ids::kMonth, Event::Focus);
    EXPECT_EQ(dlg.count(ids::kDay), 31);
}

TEST_F(VariantTest, Lp300WorkHourWithBlankSwitchChangesNothing) {
    RuleDialog& dlg = open(lp300Rules());
    auto rule = [&] {
        dlg.applyOnOffGroup(OnOffVariant::WorkHourBlankKeeps, kLpWorkHour, kLpTimes[0], kLpTimes[1], kLpTimes[2],
                              kLpTimes[3], 0);
    };
    dlg.setEnabled(kLpTimes[0], false);
    rule();
    EXPECT_FALSE(dlg.enabled(kLpTimes[0]));
    EXPECT_TRUE(dlg.enabled(kLpTimes[1]));
    EXPECT_EQ(dlg.sel(kLpTimes[1]), -1);
    dlg.select(kLpWorkHour, 1);
    rule();
    for (int id : kLpTimes) {
        EXPECT_TRUE(dlg.enabled(id));
        EXPECT_EQ(dlg.selText(id), "00");
    }
    dlg.select(kLpWorkHour, 0);
    rule();
    for (int id : kLpTimes) EXPECT_FALSE(dlg.enabled(id));
}

TEST_F(VariantTest, Lp300WordingOfTheWorkDayMessages) {
    RuleDialog& dlg = open(lp300Rules());
    dlg.setCheck(1122, 2);
    dlg.onDayBoxClick(1122);
    dlg.setCheck(ids::kWorkDayBox, 5);
    dlg.onWorkDayBoxClick();
    EXPECT_EQ(host.texts(), (std::vector<std::string>{"Error Status In Control \"WorkDay\" !",
                                                      "Error status in control \"WorkDay\" !"}));
}

TEST_F(VariantTest, Lp300TimeLapseWarning) {
    RuleDialog& dlg = open(lp300Rules());
    dlg.select(ids::kPirTrigger, 3);
    dlg.select(ids::kTimeLapse, 0);
    dlg.onTimeLapseChanged();
    dlg.select(ids::kTimeLapse, 0);
    dlg.onPirTriggerChanged();
    EXPECT_EQ(host.texts(),
              (std::vector<std::string>{
                  "The status of \"Time Lapse\" and \"PIR Tirgger\" can Not Be \"OFF\" at the same time !",
                  "The status of \"PIR Tirgger\" and \"Time Lapse\" can not be \"OFF\" at the same Time !"}));
}

}  // namespace
}  // namespace qvt::dialogs
