// SPDX-License-Identifier: Apache-2.0
// The shared control rules, driven through the HX710T-10M dialog's notifications as a user would.
#include <gtest/gtest.h>

#include <memory>

#include "dialogs/ControlRules.h"
#include "support/DialogTestHost.h"
#include "dialogs/Hx710t.h"
#include "dialogs/DialogParts.h"
#include "dialogs/SettingsDialog.h"

namespace qvt::dialogs {
namespace {

using ui::Event;
using ui::Icon;
namespace h = hx710t;

constexpr int kSunday = 1128, kMonday = 1122, kTuesday = 1123, kWednesday = 1124, kThursday = 1125, kFriday = 1126,
              kSaturday = 1127;
constexpr int kAllDayBoxes[7] = {kSunday, kMonday, kTuesday, kWednesday, kThursday, kFriday, kSaturday};

class RulesTest : public test::DialogFixture<hx710tDescription> {
protected:
    void SetUp() override {
        open();
        host.boxes.clear();
    }
    void type(int id, const std::string& text) { d->setText(id, text); }
};

// ---- work days ----------------------------------------------------------------------------------

TEST_F(RulesTest, DayBoxClicksKeepTheWorkDayBoxInStep) {
    for (int box : {kSunday, kMonday, kTuesday, kWednesday, kThursday, kFriday}) click(box);
    EXPECT_EQ(d->check(ids::kWorkDayBox), 2);
    click(kSaturday);  // the last one missing
    EXPECT_EQ(d->check(ids::kWorkDayBox), 1);
    for (int box : kAllDayBoxes) click(box);
    EXPECT_EQ(d->check(ids::kWorkDayBox), 0);
    for (int box : kAllDayBoxes) EXPECT_EQ(d->check(box), 0);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(RulesTest, WorkDayBoxChecksAllFromIndeterminateAndClearsAllFromChecked) {
    click(kWednesday);
    ASSERT_EQ(d->check(ids::kWorkDayBox), 2);
    click(ids::kWorkDayBox);
    EXPECT_EQ(d->check(ids::kWorkDayBox), 1);
    for (int box : kAllDayBoxes) EXPECT_EQ(d->check(box), 1);
    click(ids::kWorkDayBox);
    EXPECT_EQ(d->check(ids::kWorkDayBox), 0);
    for (int box : kAllDayBoxes) EXPECT_EQ(d->check(box), 0);
    click(ids::kWorkDayBox);  // unchecked: all days again
    EXPECT_EQ(d->checkedWorkDays(), 127);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(RulesTest, StoredMaskShowsDayByDay) {
    for (int position = 0; position < 7; ++position) d->showWorkDay(position, 65);
    d->updateWorkDayBox();
    EXPECT_EQ(d->check(kSunday), 1);
    EXPECT_EQ(d->check(kSaturday), 1);
    for (int box : {kMonday, kTuesday, kWednesday, kThursday, kFriday}) EXPECT_EQ(d->check(box), 0);
    EXPECT_EQ(d->check(ids::kWorkDayBox), 2);
    EXPECT_EQ(d->checkedWorkDays(), 65);
    d->showWorkDays(34);
    EXPECT_EQ(d->check(kMonday), 1);
    EXPECT_EQ(d->check(kFriday), 1);
    EXPECT_EQ(d->checkedWorkDays(), 34);
}

TEST_F(RulesTest, StatesTheRuleNeverProducesAreClearedWithAWarning) {
    d->setCheck(kMonday, 2);
    EXPECT_EQ(d->toggleDayBox(kMonday), 2);
    EXPECT_EQ(d->check(kMonday), 0);
    d->setCheck(ids::kWorkDayBox, 3);
    d->showWorkDays(127);
    click(ids::kWorkDayBox);
    EXPECT_EQ(d->check(ids::kWorkDayBox), 0);
    EXPECT_EQ(d->checkedWorkDays(), 0);
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[0].text, "Error status in control \"WorkDay\" !");
    EXPECT_EQ(host.boxes[1].text, "Errors status in control \"WorkDay\" !");
    for (const auto& box : host.boxes) {
        EXPECT_EQ(box.caption, "QVT Tips");
        EXPECT_EQ(box.icon, Icon::Warning);
        EXPECT_TRUE(box.owned);
    }
}

TEST_F(RulesTest, ToggleWithoutABoxChangesNothing) {
    d->showWorkDays(127);
    EXPECT_EQ(d->toggleDayBox(0), 0);  // no box given: nothing toggles
    EXPECT_EQ(d->checkedWorkDays(), 127);
    EXPECT_TRUE(host.boxes.empty());
}

// ---- Time Lapse and PIR Trigger -------------------------------------------------------------------

TEST_F(RulesTest, TimeLapseOffWhilePirOffReturnsToTheAcceptedItem) {
    choose(h::kTimeLapse, 1);  // "5  Min"
    choose(h::kPirTrigger, 3);
    choose(h::kTimeLapse, 0);
    EXPECT_EQ(d->sel(h::kTimeLapse), 1);
    EXPECT_EQ(d->sel(h::kPirTrigger), 3);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text,
              "The status of \"Time Lapse\" and \"PIR Tirgger\" can not be \"OFF\" at the same time !");
    EXPECT_EQ(host.boxes[0].icon, Icon::Warning);
    EXPECT_EQ(host.boxes[0].caption, "QVT Tips");
}

TEST_F(RulesTest, TimeLapseNeverAcceptedFallsBackToBlank) {
    choose(h::kPirTrigger, 3);
    choose(h::kTimeLapse, 0);
    EXPECT_EQ(d->sel(h::kTimeLapse), -1);
    EXPECT_EQ(host.boxes.size(), 1u);
}

TEST_F(RulesTest, PirOffWhileTimeLapseOffReturnsToTheAcceptedItem) {
    choose(h::kPirTrigger, 2);
    choose(h::kTimeLapse, 0);
    choose(h::kPirTrigger, 3);
    EXPECT_EQ(d->sel(h::kPirTrigger), 2);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text,
              "The status of \"PIR Tirgger\" and \"Time Lapse\" can not be \"OFF\" at the same time !");
}

TEST_F(RulesTest, LoadedBothOffLeavesPirBlankSilently) {
    d->select(h::kTimeLapse, 0);
    d->select(h::kPirTrigger, 3);
    d->afterTimeLapsePirLoaded();
    EXPECT_EQ(d->sel(h::kPirTrigger), -1);
    EXPECT_EQ(d->rememberedTimeLapse(), 0);
    EXPECT_EQ(d->rememberedPirTrigger(), -1);
    EXPECT_TRUE(host.boxes.empty());
}

// ---- clock --------------------------------------------------------------------------------------

TEST(YearMonthDayTest, GregorianMonthLengths) {
    test::RecordingHost host;
    EXPECT_EQ(yearMonthDay(2016, 2, host), 29);
    EXPECT_EQ(yearMonthDay(2100, 2, host), 28);
    EXPECT_EQ(yearMonthDay(2000, 2, host), 29);
    EXPECT_EQ(yearMonthDay(2013, 2, host), 28);
    EXPECT_EQ(yearMonthDay(2013, 4, host), 30);
    EXPECT_EQ(yearMonthDay(2013, 11, host), 30);
    EXPECT_EQ(yearMonthDay(2013, 7, host), 31);
    EXPECT_EQ(yearMonthDay(2013, 8, host), 31);
    EXPECT_EQ(yearMonthDay(2013, 12, host), 31);
    EXPECT_TRUE(host.boxes.empty());
}

TEST(YearMonthDayTest, InvalidArgumentsWarnWithoutOwnerAndGive28) {
    test::RecordingHost host;
    EXPECT_EQ(yearMonthDay(0, 1, host), 28);
    EXPECT_EQ(yearMonthDay(2013, 13, host), 28);
    EXPECT_EQ(yearMonthDay(2013, 0, host), 28);
    ASSERT_EQ(host.boxes.size(), 3u);
    EXPECT_EQ(host.boxes[0].text, "Error: Invalid call for YearMonthDay()!");
    EXPECT_EQ(host.boxes[0].caption, "QVT Tips");
    EXPECT_EQ(host.boxes[0].icon, Icon::Warning);
    EXPECT_FALSE(host.boxes[0].owned);
}

TEST_F(RulesTest, MonthChangeRefillsTheDayListAndSelectsTheFirst) {
    choose(ids::kYear, 2016 - 2013);
    choose(ids::kMonth, 0);
    d->select(ids::kDay, 30);
    choose(ids::kMonth, 1);  // February 2016
    ASSERT_EQ(d->count(ids::kDay), 29);
    EXPECT_EQ(d->itemText(ids::kDay, 0), "1");
    EXPECT_EQ(d->itemText(ids::kDay, 9), "10");  // appended in numeric order, not sorted as text
    EXPECT_EQ(d->itemText(ids::kDay, 28), "29");
    EXPECT_EQ(d->sel(ids::kDay), 0);
    choose(ids::kYear, 2100 - 2013);
    EXPECT_EQ(d->count(ids::kDay), 28);
    EXPECT_EQ(d->sel(ids::kDay), 0);
}

TEST_F(RulesTest, FocusOnTheDayListWithoutYearGivesJanuary2013) {
    d->notify(ids::kDay, Event::Focus);
    EXPECT_EQ(d->selText(ids::kYear), "2013");
    EXPECT_EQ(d->selText(ids::kMonth), "1");
    EXPECT_EQ(d->count(ids::kDay), 31);
    EXPECT_EQ(d->selText(ids::kDay), "1");
}

TEST_F(RulesTest, FocusKeepsAUsableDayList) {
    choose(ids::kYear, 3);
    choose(ids::kMonth, 3);  // April 2016
    d->select(ids::kDay, 29);
    for (int list : {ids::kYear, ids::kMonth, ids::kDay}) d->notify(list, Event::Focus);
    EXPECT_EQ(d->count(ids::kDay), 30);
    EXPECT_EQ(d->selText(ids::kDay), "30");
    d->clearSelection(ids::kDay);
    d->notify(ids::kYear, Event::Focus);  // the HX710T-10M also does it for the year list
    EXPECT_EQ(d->selText(ids::kDay), "1");
    EXPECT_EQ(d->selText(ids::kMonth), "4");
}

TEST_F(RulesTest, SetClockModeZeroWithoutMonthOffersEveryDay) {
    d->select(ids::kYear, 0);
    d->prepareDayListForLoad();
    ASSERT_EQ(d->count(ids::kDay), 31);
    EXPECT_EQ(d->itemText(ids::kDay, 0), "01");
    EXPECT_EQ(d->itemText(ids::kDay, 30), "31");
    EXPECT_EQ(d->sel(ids::kDay), -1);
}

TEST_F(RulesTest, SetClockFromThePc) {
    EXPECT_TRUE(d->setClockFromSystem());
    EXPECT_EQ(d->selText(ids::kYear), "2024");
    EXPECT_EQ(d->selText(ids::kMonth), "5");
    EXPECT_EQ(d->count(ids::kDay), 31);
    EXPECT_EQ(d->selText(ids::kDay), "17");
    EXPECT_EQ(d->selText(ids::kHour), "10");
    EXPECT_EQ(d->selText(ids::kMinute), "20");
    EXPECT_EQ(d->selText(ids::kSecond), "30");
}

class WrongClockTest : public RulesTest {
protected:
    WrongClockTest() { pc.context.clock = platform::Clock({2012, 12, 31, 23, 59, 58}); }
};

TEST_F(WrongClockTest, DefaultWarnsAndKeepsTheResetClock) {
    choose(ids::kYear, 5);
    choose(ids::kMonth, 3);
    d->select(ids::kHour, 7);
    click(h::kDefault);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "Attention: Current system time is wrong !");
    EXPECT_EQ(host.boxes[0].icon, Icon::Warning);
    for (int list : {ids::kYear, ids::kMonth, ids::kDay, ids::kHour, ids::kMinute, ids::kSecond})
        EXPECT_EQ(d->sel(list), 0) << list;
    EXPECT_EQ(d->selText(ids::kYear), "2013");
    EXPECT_EQ(d->selText(ids::kDay), "1");
    EXPECT_FALSE(d->setClockFromSystem());
}

class LateClockTest : public RulesTest {
protected:
    LateClockTest() { pc.context.clock = platform::Clock({2114, 1, 1, 0, 0, 0}); }
};

TEST_F(LateClockTest, AYearBeyondTheListIsRefused) {
    EXPECT_FALSE(d->setClockFromSystem());
}

// ---- OFF/ON groups ------------------------------------------------------------------------------

TEST_F(RulesTest, GameCallOnFillsBlankListsAndEnablesItsControls) {
    choose(h::kGameCall, 1);
    EXPECT_EQ(d->selText(h::kGameCallHour), "0");
    EXPECT_EQ(d->selText(h::kGameCallMinute), "0");
    EXPECT_EQ(d->selText(h::kReplayTimes), "OFF");
    for (int id : {h::kGameCallHour, h::kGameCallMinute, h::kReplayTimes, h::kChooseAudio, h::kAudioField})
        EXPECT_TRUE(d->enabled(id)) << id;
    choose(h::kGameCallHour, 6);
    choose(h::kGameCall, 0);
    for (int id : {h::kGameCallHour, h::kGameCallMinute, h::kReplayTimes, h::kChooseAudio, h::kAudioField})
        EXPECT_FALSE(d->enabled(id)) << id;
    EXPECT_EQ(d->sel(h::kGameCallHour), 6);
}

TEST_F(RulesTest, GameCallOffStillFillsBlankLists) {
    choose(h::kGameCall, 0);
    EXPECT_EQ(d->sel(h::kGameCallHour), 0);
    EXPECT_EQ(d->sel(h::kReplayTimes), 0);
    EXPECT_FALSE(d->enabled(h::kGameCallHour));
}

TEST_F(RulesTest, WorkHourOnEnablesAndFillsOffDisablesAndKeeps) {
    choose(h::kWorkHour, 1);
    for (int id : {h::kStartHour, h::kStartMinute, h::kStopHour, h::kStopMinute}) {
        EXPECT_TRUE(d->enabled(id));
        EXPECT_EQ(d->selText(id), "00");
    }
    choose(h::kStartHour, 8);
    choose(h::kWorkHour, 0);
    for (int id : {h::kStartHour, h::kStartMinute, h::kStopHour, h::kStopMinute}) EXPECT_FALSE(d->enabled(id));
    EXPECT_EQ(d->selText(h::kStartHour), "08");
}

// ---- Send Mode, radios --------------------------------------------------------------------------

TEST_F(RulesTest, SendModeRadiosShowTheirControls) {
    click(ids::kSendInstant);
    EXPECT_TRUE(d->visible(ids::kMaxNumber));
    EXPECT_FALSE(d->visible(ids::kReportHour));
    EXPECT_FALSE(d->visible(ids::kReportMinute));
    click(ids::kSendDaily);
    EXPECT_FALSE(d->visible(ids::kMaxNumber));
    EXPECT_TRUE(d->visible(ids::kReportHour));
    EXPECT_TRUE(d->visible(ids::kReportMinute));
    EXPECT_EQ(d->check(ids::kSendInstant), 0);
    EXPECT_EQ(d->check(ids::kSendDaily), 1);
    for (int radio : {ids::kSendManual, ids::kSendOff}) {
        click(radio);
        EXPECT_FALSE(d->visible(ids::kMaxNumber));
        EXPECT_FALSE(d->visible(ids::kReportHour));
        EXPECT_FALSE(d->visible(ids::kReportMinute));
    }
    EXPECT_EQ(d->getRadioIndex(ids::kSendManual, ids::kSendDaily, ids::kSendInstant, ids::kSendOff), 3);
}

TEST_F(RulesTest, SendToRadiosStayExclusive) {
    click(h::kSendToEmailGprs);
    click(h::kSendToCall);
    EXPECT_EQ(d->check(h::kSendToCall), 1);
    EXPECT_EQ(d->check(h::kSendToEmailGprs), 0);
    EXPECT_EQ(d->getRadioIndex(h::kSendToPhoneMms, h::kSendToEmailMms, h::kSendToEmailGprs, h::kSendToCall), 3);
}

TEST_F(RulesTest, RadioIndexLastCheckedWinsAndThreeButtonGroups) {
    d->setCheck(h::kSendToPhoneMms, 1);
    d->setCheck(h::kSendToEmailGprs, 1);
    EXPECT_EQ(d->getRadioIndex(h::kSendToPhoneMms, h::kSendToEmailMms, h::kSendToEmailGprs, h::kSendToCall), 2);
    d->setCheck(h::kSendToEmailGprs, 0);
    d->setCheck(h::kSendToCall, 1);
    EXPECT_EQ(d->getRadioIndex(h::kSendToPhoneMms, h::kSendToEmailGprs, h::kSendToCall, h::kSendToCall), 2);
    for (int id : {h::kSendToPhoneMms, h::kSendToCall}) d->setCheck(id, 0);
    EXPECT_EQ(d->getRadioIndex(h::kSendToPhoneMms, h::kSendToEmailMms, h::kSendToEmailGprs, h::kSendToCall), -1);
}

TEST_F(RulesTest, SendControlsShowOneKindAtATime) {
    d->showSendControls(SendControls::MaxNumber);
    EXPECT_TRUE(d->visible(ids::kMaxNumber));
    EXPECT_FALSE(d->visible(ids::kReportHour));
    d->showSendControls(SendControls::ReportTime);
    EXPECT_FALSE(d->visible(ids::kMaxNumber));
    EXPECT_TRUE(d->visible(ids::kReportHour));
    EXPECT_TRUE(d->visible(ids::kReportMinute));
}

// ---- two-digit time edits -----------------------------------------------------------------------

TEST_F(RulesTest, AThirdDigitBeyondTheMaximumEndsAtTheMaximum) {
    type(ids::kReportHour, "1");
    type(ids::kReportHour, "12");
    type(ids::kReportHour, "123");
    EXPECT_EQ(d->text(ids::kReportHour), "23");
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "Arrange :0~23 Hour!");
    EXPECT_EQ(host.boxes[0].icon, Icon::Warning);
    EXPECT_EQ(host.boxes[0].caption, "QVT Tips");
}

TEST_F(RulesTest, ValidMinutesAreAcceptedSilently) {
    type(ids::kReportMinute, "1");
    type(ids::kReportMinute, "12");
    EXPECT_EQ(d->text(ids::kReportMinute), "12");
    type(ids::kReportMinute, "");
    EXPECT_EQ(d->text(ids::kReportMinute), "");
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(RulesTest, MinutesAboveTheMaximumEndAtIt) {
    type(ids::kReportMinute, "75");
    EXPECT_EQ(d->text(ids::kReportMinute), "59");
    type(ids::kReportMinute, "591");
    EXPECT_EQ(d->text(ids::kReportMinute), "59");
    ASSERT_EQ(host.boxes.size(), 2u);
    // "999" is cut to "99", and that change runs the rule again, which warns on its own before the
    // outer run warns about 999.
    type(ids::kReportMinute, "999");
    EXPECT_EQ(d->text(ids::kReportMinute), "59");
    ASSERT_EQ(host.boxes.size(), 4u);
    for (const auto& box : host.boxes) EXPECT_EQ(box.text, "Arrange :0~59 Minute!");
}

TEST_F(RulesTest, PastedTextIsEmptiedAndANegativeNumberEndsAtTheMaximum) {
    type(ids::kReportHour, "ab");
    EXPECT_EQ(d->text(ids::kReportHour), "");
    type(ids::kReportHour, "1a2b");
    EXPECT_EQ(d->text(ids::kReportHour), "");
    EXPECT_TRUE(host.boxes.empty());
    type(ids::kReportHour, "-5");
    EXPECT_EQ(d->text(ids::kReportHour), "23");
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "Arrange :0~23 Hour!");
}

}  // namespace
}  // namespace qvt::dialogs
