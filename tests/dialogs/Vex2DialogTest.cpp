// SPDX-License-Identifier: Apache-2.0
// The VEX 2.0 dialog: its template, opening, "Default(&D)", the radio groups, its forms of the
// shared rules and its messages.
#include <gtest/gtest.h>

#include <memory>

#include "dialogs/Vex2.h"
#include "dialogs/DialogParts.h"
#include "dialogs/SettingsDialog.h"
#include "settings/KeyTable.h"
#include "settings/CardSaveFlow.h"
#include "support/DialogTestHost.h"
#include "operators/MessagingState.h"

namespace qvt::dialogs {
namespace {

using ui::Event;
namespace v = vex2;

// Customer-information edits.
constexpr int kAdminNumber = 1134;

class Vex2Test : public test::DialogFixture<vex2Description> {
protected:
    // Check states of a group, in the order given.
    std::vector<int> checks(std::initializer_list<int> ids) const {
        std::vector<int> out;
        for (int id : ids) out.push_back(d->check(id));
        return out;
    }
    std::vector<int> temperature() const { return checks({v::kFahrenheit, v::kCelsius}); }
    std::vector<int> sendTo() const { return checks({v::kSendToPhone, v::kSendToEmail, v::kSendToNone}); }
};

// ---- template -----------------------------------------------------------------------------------

TEST(Vex2TemplateTest, ControlsAndTexts) {
    const ui::DialogTemplate t = vex2::dialogTemplate();
    EXPECT_EQ(t.resourceId, 161);
    EXPECT_EQ(t.title, "QVT CONFIG : For VEX 2.0");
    EXPECT_EQ(t.find(v::kTimeFormat)->items, (std::vector<std::string>{"12H", "24H"}));
    EXPECT_EQ(t.find(v::kPirInterval)->items.size(), 28u);
    EXPECT_EQ(t.find(v::kTimeLapse)->items.size(), 20u);
    EXPECT_EQ(t.find(v::kPirTrigger)->items[3], "OFF");
    EXPECT_EQ(t.find(v::kFahrenheit)->text, "Fahrenheit [\u2109]");
    EXPECT_EQ(t.find(v::kCelsius)->text, "Celsius [\u2103]");
    EXPECT_EQ(t.find(v::kSendToPhone)->text, "Phone");
    EXPECT_EQ(t.find(v::kSendToEmail)->text, "Email");
    EXPECT_EQ(t.find(v::kSendToNone)->text, "None");
    EXPECT_EQ(t.find(2)->text, "Cancel(&N)");
    EXPECT_TRUE(t.find(1)->style.defaultButton);
    EXPECT_TRUE(t.find(v::kPathList)->style.sorted);
    EXPECT_TRUE(t.find(v::kBanner)->style.notify);
    EXPECT_EQ(t.find(v::kCheckParams)->text, "Check WAP / Internet Paramaters(&L)");
    // The VEX 2.0 has none of the other dialogs' camera options, send mode or game call.
    for (int absent : {1081, 1067, 1057, 1062, 1064, 1118, 1121, 1173, 1030, 1082, 1066})
        EXPECT_EQ(t.find(absent), nullptr) << absent;
}

// ---- opening ------------------------------------------------------------------------------------

TEST_F(Vex2Test, OpensBlankWithoutAFile) {
    open();
    EXPECT_TRUE(host.boxes.empty());
    for (int id : {v::kTimeFormat, v::kPirInterval, v::kTimeLapse, v::kPirTrigger, ids::kYear, ids::kMonth, ids::kDay,
                   ids::kHour, ids::kMinute, ids::kSecond, v::kCountryList, v::kOperatorList})
        EXPECT_EQ(d->sel(id), -1) << id;
    EXPECT_EQ(temperature(), (std::vector<int>{0, 0}));
    EXPECT_EQ(sendTo(), (std::vector<int>{0, 0, 0}));
    EXPECT_GT(d->count(v::kCountryList), 1);
    EXPECT_EQ(d->itemText(v::kCountryList, d->count(v::kCountryList) - 1), "Others");
    EXPECT_EQ(d->count(ids::kDay), 0);
    EXPECT_EQ(d->rememberedTimeLapse(), -1);
    EXPECT_EQ(d->rememberedPirTrigger(), -1);
    EXPECT_EQ(d->selText(v::kPathList), d->saveFlow().cardFilePath());
    EXPECT_EQ(d->saveFlow().cardFilePath(), (pc.card / "GSM" / "VEX2.TXT").string());
}

// ---- "Default(&D)" ---------------------------------------------------------------------------------

TEST_F(Vex2Test, DefaultSetsItsValuesAndThePcClockAndKeepsTheRest) {
    open();
    d->setText(kAdminNumber, "0171");
    d->select(v::kCountryList, 0);
    click(v::kCelsius);
    click(v::kSendToNone);
    click(v::kDefault);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(d->selText(v::kTimeFormat), "12H");
    EXPECT_EQ(d->selText(v::kPirInterval), "5  Sec");
    EXPECT_EQ(d->selText(v::kTimeLapse), "OFF");
    EXPECT_EQ(d->selText(v::kPirTrigger), "Normal");
    EXPECT_EQ(temperature(), (std::vector<int>{1, 0}));
    EXPECT_EQ(sendTo(), (std::vector<int>{1, 0, 0}));
    EXPECT_EQ(d->selText(ids::kYear), "2024");
    EXPECT_EQ(d->selText(ids::kMonth), "5");
    EXPECT_EQ(d->count(ids::kDay), 31);
    EXPECT_EQ(d->selText(ids::kDay), "17");
    EXPECT_EQ(d->selText(ids::kHour), "10");
    EXPECT_EQ(d->selText(ids::kMinute), "20");
    EXPECT_EQ(d->selText(ids::kSecond), "30");
    EXPECT_EQ(d->rememberedTimeLapse(), 0);
    EXPECT_EQ(d->rememberedPirTrigger(), 1);
    EXPECT_EQ(d->text(kAdminNumber), "0171");
    EXPECT_EQ(d->sel(v::kCountryList), 0);
    EXPECT_FALSE(std::filesystem::exists(pc.card / "GSM" / "VEX2.TXT")) << "Default never writes";
}

// ---- radio groups ---------------------------------------------------------------------------------

TEST_F(Vex2Test, ClickingARadioClearsTheOthersOfItsGroupOnly) {
    open();
    click(v::kCelsius);
    click(v::kSendToEmail);
    EXPECT_EQ(temperature(), (std::vector<int>{0, 1}));
    EXPECT_EQ(sendTo(), (std::vector<int>{0, 1, 0}));
    click(v::kSendToNone);
    EXPECT_EQ(sendTo(), (std::vector<int>{0, 0, 1}));
    click(v::kFahrenheit);
    EXPECT_EQ(temperature(), (std::vector<int>{1, 0}));
    EXPECT_EQ(sendTo(), (std::vector<int>{0, 0, 1}));
    click(v::kSendToPhone);
    EXPECT_EQ(sendTo(), (std::vector<int>{1, 0, 0}));
}

TEST_F(Vex2Test, RadioGroupSetAndGet) {
    open();
    const int p = v::kSendToPhone, e = v::kSendToEmail, n = v::kSendToNone;
    // Set without checking the first: it stays as it is, the others are cleared.
    d->setCheck(p, 0);
    d->setCheck(e, 1);
    d->setCheck(n, 1);
    d->part<ChoiceGroupsPart>()->setRadios(p, e, n, false);
    EXPECT_EQ(sendTo(), (std::vector<int>{0, 0, 0}));
    d->setCheck(p, 1);
    d->part<ChoiceGroupsPart>()->setRadios(p, e, n, false);
    EXPECT_EQ(d->check(p), 1);

    // Get: the first checked counts; the third only in a group of three.
    EXPECT_EQ(d->part<ChoiceGroupsPart>()->checkedRadio(p, e, n), 0);
    d->setCheck(p, 0);
    d->setCheck(n, 1);
    EXPECT_EQ(d->part<ChoiceGroupsPart>()->checkedRadio(p, e, n), 2);
    EXPECT_EQ(d->part<ChoiceGroupsPart>()->checkedRadio(p, e, 0), -1);
    d->setCheck(e, 1);
    EXPECT_EQ(d->part<ChoiceGroupsPart>()->checkedRadio(p, e, n), 1);
}

TEST_F(Vex2Test, RadioGroupFromAFileValue) {
    open();
    const int f = v::kFahrenheit, c = v::kCelsius;
    const int p = v::kSendToPhone, e = v::kSendToEmail, n = v::kSendToNone;
    d->part<ChoiceGroupsPart>()->setRadiosFromText("2", p, e, n, false);
    EXPECT_EQ(sendTo(), (std::vector<int>{0, 0, 1}));
    d->part<ChoiceGroupsPart>()->setRadiosFromText("1", p, e, n, false);
    EXPECT_EQ(sendTo(), (std::vector<int>{0, 1, 0}));
    d->part<ChoiceGroupsPart>()->setRadiosFromText("0", p, e, n, false);
    EXPECT_EQ(sendTo(), (std::vector<int>{1, 0, 0}));
    // only one character counts: longer values and the empty value change nothing.
    for (const char* ignored : {"10", "", "00", " 1"}) {
        d->part<ChoiceGroupsPart>()->setRadiosFromText(ignored, p, e, n, false);
        EXPECT_EQ(sendTo(), (std::vector<int>{1, 0, 0})) << ignored;
    }
    // Any other character keeps the first button and clears the others.
    d->setCheck(e, 1);
    d->setCheck(n, 1);
    d->part<ChoiceGroupsPart>()->setRadiosFromText("x", p, e, n, false);
    EXPECT_EQ(sendTo(), (std::vector<int>{1, 0, 0}));

    // A group of two: "2" and "5" clear "Celsius" and leave "Fahrenheit" as it was.
    for (const char* other : {"2", "5"}) {
        for (int first : {0, 1}) {
            d->setCheck(f, first);
            d->setCheck(c, 1);
            d->part<ChoiceGroupsPart>()->setRadiosFromText(other, f, c, 0, true);
            EXPECT_EQ(temperature(), (std::vector<int>{first, 0})) << other;
        }
    }
    d->part<ChoiceGroupsPart>()->setRadiosFromText("1", f, c, 0, true);
    EXPECT_EQ(temperature(), (std::vector<int>{0, 1}));
    EXPECT_TRUE(host.boxes.empty());
}

// ---- Time Lapse and PIR Trigger ---------------------------------------------------------------------

// ---- clock ----------------------------------------------------------------------------------------

TEST_F(Vex2Test, FebruaryOfALeapYearAfterDay31) {
    open();
    click(v::kDefault);
    d->select(ids::kMonth, 0);
    d->refillDayList();
    d->select(ids::kDay, 30);
    choose(ids::kYear, 2016 - 2013);
    choose(ids::kMonth, 1);
    EXPECT_EQ(d->count(ids::kDay), 29);
    EXPECT_EQ(d->selText(ids::kDay), "1");
    EXPECT_EQ(d->itemText(ids::kDay, 28), "29");
}

TEST_F(Vex2Test, FocusOnTheYearListDoesNothingOnTheDayListItDoes) {
    open();
    d->notify(ids::kYear, Event::Focus);
    EXPECT_EQ(d->sel(ids::kYear), -1);
    EXPECT_EQ(d->count(ids::kDay), 0);
    d->notify(ids::kDay, Event::Focus);
    EXPECT_EQ(d->selText(ids::kYear), "2013");
    EXPECT_EQ(d->selText(ids::kMonth), "1");
    EXPECT_EQ(d->count(ids::kDay), 31);
    EXPECT_EQ(d->itemText(ids::kDay, 0), "1");
}

// ---- buttons, lists, messages ----------------------------------------------------------------------

TEST_F(Vex2Test, ComboNumberOfTheYearCountsFromItsBase) {
    open();
    click(v::kDefault);
    EXPECT_EQ(d->selText(v::kTimeFormat), "12H");
    EXPECT_EQ(settings::comboNumber(*d, ids::kYear, 2013), 2024);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_FALSE(std::filesystem::exists(pc.card / "GSM" / "VEX2.TXT"));
}

TEST_F(Vex2Test, ChoosingACountryFillsTheOperatorsAndTakesTheFirstOnesParameters) {
    open();
    const int germany = d->findExact(v::kCountryList, "Germany");
    ASSERT_GE(germany, 0);
    choose(v::kCountryList, germany);
    EXPECT_EQ(d->sel(v::kOperatorList), 0);
    EXPECT_EQ(d->selText(v::kOperatorList), "Bild-Vodafone");
    EXPECT_EQ(pc.context.messaging().countryName, "Germany");
    EXPECT_EQ(pc.context.messaging().params.APN, "event.vodafone.de");
}

}  // namespace
}  // namespace qvt::dialogs
