// SPDX-License-Identifier: Apache-2.0
// The HX710T-10M settings file, written and read through the dialog with real files.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "settings/CardSaveFlow.h"
#include "support/DialogTestHost.h"
#include "dialogs/Hx710t.h"
#include "dialogs/DialogParts.h"
#include "dialogs/SettingsDialog.h"
#include "settings/ProfileFile.h"
#include "operators/MessagingState.h"

namespace qvt::dialogs {
namespace {

using settings::ProfileFile;
using ui::Event;
namespace h = hx710t;

constexpr const char* kCamera = "Camera Setting";

const std::vector<std::string> kCameraKeys = {
    "Send Mode",         "Send To",         "Max Number",      "DR Time H",    "DR Time M",     "Language",
    "Camera Mode",       "Photo Size",      "Photo Burst",     "Video Length", "Time Lapse",    "PIR Trigger",
    "PIR Interval",      "Clock Year",      "Clock Month",     "Clock Day",    "Clock Hour",    "Clock Minute",
    "Clock Second",      "Security Mode",   "Video Size",      "Game Call",    "GameCall Hour", "GameCall Minute",
    "GameCall PlayTime", "Work Day",        "Camera Position", "SMS Control",  "Work Hour",     "Work Hour StartH",
    "Work Hour StartM",  "Work Hour StopH", "Work Hour StopM"};

class Hx710tFileTest : public test::DialogFixture<hx710tDescription> {
protected:
    // A card file of the product with these lines after its mark.
    void cardFile(const std::string& body) {
        test::writeFile(pc.cardFile(), "[QVTFileMark]\r\nModel=HX710T\r\n" + body);
    }
    ProfileFile written() {
        EXPECT_TRUE(d->writeSettingsFile(settings::FileTarget::Card));
        return ProfileFile::fromBytes(test::readFile(pc.cardFile()));
    }

};

// ---- writing ------------------------------------------------------------------------------------

TEST_F(Hx710tFileTest, RangeKeysReadTheirWholeRangeAndNothingBeyond) {
    cardFile("[Camera Setting]\r\nGame Call=1\r\nGameCall Hour=23\r\nGameCall Minute=59\r\nGameCall PlayTime=99\r\n"
             "Camera Position=26\r\n");
    open();
    EXPECT_EQ(d->sel(h::kGameCallHour), 23);
    EXPECT_EQ(d->sel(h::kGameCallMinute), 59);
    EXPECT_EQ(d->sel(h::kReplayTimes), 99);
    EXPECT_EQ(d->sel(h::kCameraPosition), 26);
    cardFile("[Camera Setting]\r\nGameCall Hour=24\r\nGameCall Minute=60\r\nCamera Position=27\r\n");
    open();
    for (int id : {h::kGameCallHour, h::kGameCallMinute, h::kCameraPosition}) EXPECT_EQ(d->sel(id), -1) << id;
}

TEST_F(Hx710tFileTest, NothingChosenWritesEmptyValuesExceptWorkDay) {
    open();
    const ProfileFile file = written();
    for (const std::string& key : kCameraKeys) {
        ASSERT_TRUE(file.contains(kCamera, key)) << key;
        EXPECT_EQ(file.get(kCamera, key), key == "Work Day" ? "0" : "") << key;
    }
    EXPECT_EQ(file.get("QVTFileMark", "Model"), "HX710T");
    for (const char* absent : {"SMTP SSL", "Wake Up", "WakeUp Hour", "WakeUp Minute"}) {
        EXPECT_FALSE(file.contains("Via Internet Settings", absent));
        EXPECT_FALSE(file.contains(kCamera, absent));
    }
}

TEST_F(Hx710tFileTest, ValueForms) {
    open();
    d->setText(ids::kReportHour, "7");
    d->setText(ids::kReportMinute, "12");
    d->select(ids::kYear, 0);
    d->select(ids::kMonth, 0);
    d->refillDayList();
    d->setCheck(1122, 1);  // Monday
    d->setCheck(1126, 1);  // Friday
    ProfileFile file = written();
    EXPECT_EQ(file.get(kCamera, "DR Time H"), "07");
    EXPECT_EQ(file.get(kCamera, "DR Time M"), "12");
    EXPECT_EQ(file.get(kCamera, "Clock Year"), "2013");
    EXPECT_EQ(file.get(kCamera, "Clock Month"), "1");
    EXPECT_EQ(file.get(kCamera, "Clock Day"), "1");
    EXPECT_EQ(file.get(kCamera, "Work Day"), "34");

    d->showWorkDays(127);
    d->select(ids::kMaxNumber, 100);
    d->select(h::kCameraPosition, 26);
    d->notify(h::kSendToCall, Event::Clicked);
    file = written();
    EXPECT_EQ(file.get(kCamera, "Work Day"), "127");
    EXPECT_EQ(file.get(kCamera, "Max Number"), "100");
    EXPECT_EQ(file.get(kCamera, "Camera Position"), "26");
    EXPECT_EQ(file.get(kCamera, "Send To"), "3");
}

TEST_F(Hx710tFileTest, TypedTextsAreCutAndParametersTrimmed) {
    open();
    d->setText(h::kReceiveEmail1, std::string(120, 'e'));
    d->setText(h::kPhoneNumber2, " 0171 ");
    pc.context.messaging().params.APN = "  internet.example  ";
    pc.context.messaging().params.SendEmailPort = "465";
    const ProfileFile file = written();
    EXPECT_EQ(file.get("Receive number and receive email", "ReceiveEmail1"), std::string(100, 'e'));
    EXPECT_NE(test::readFile(pc.cardFile()).find("PhoneNum2= 0171 \r\n"), std::string::npos);
    EXPECT_NE(test::readFile(pc.cardFile()).find("APN=internet.example\r\n"), std::string::npos);
    EXPECT_EQ(file.get("Via Internet Settings", "SendEmailPort"), "465");
}

// Default on a fresh dialog, saved as a user would: the complete file, byte for byte, in the
// camera's key order, on the card and in the backup.
TEST_F(Hx710tFileTest, DefaultsSavedMatchTheGoldenFile) {
    open();
    d->notify(h::kDefault, Event::Clicked);
    d->notify(1, Event::Clicked);
    const std::string golden = test::readFile(std::filesystem::path(QVT_TEST_DATA_DIR) / "hx710t_defaults.txt");
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(test::readFile(pc.cardFile()), golden);
    EXPECT_EQ(test::readFile(pc.backupFile()), golden);
    ASSERT_FALSE(host.boxes.empty());
    EXPECT_EQ(host.boxes.back().text, "Ok , All data has been saved in : \" " + pc.cardFile().string() + " \" !");
}

TEST_F(Hx710tFileTest, AWriteThatCannotHappenIsReported) {
    open();
    // A file where the card's folder must be: the card file cannot be written.
    std::filesystem::remove_all(pc.card / "GSM");
    test::writeFile(pc.card / "GSM", "not a folder");
    EXPECT_FALSE(d->writeSettingsFile(settings::FileTarget::Card));
}

// ---- reading ------------------------------------------------------------------------------------

TEST_F(Hx710tFileTest, MaxNumberReadsOnlyDigits) {
    const std::pair<const char*, int> cases[] = {{"250", 100}, {"100", 100}, {"99", 99}, {"0", 0},
                                                 {"12a", -1},  {"-1", -1},   {"", -1},   {"99999999999", 100}};
    for (const auto& [value, expected] : cases) {
        cardFile(std::string("[Camera Setting]\r\nMax Number=") + value + "\r\n");
        open();
        EXPECT_EQ(d->sel(ids::kMaxNumber), expected) << value;
    }
}

TEST_F(Hx710tFileTest, ReportTimeOutsideItsRangeEmptiesTheEdit) {
    cardFile("[Camera Setting]\r\nDR Time H=24\r\nDR Time M=5\r\n");
    open();
    EXPECT_EQ(d->text(ids::kReportHour), "");
    EXPECT_EQ(d->text(ids::kReportMinute), "5");
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(Hx710tFileTest, PortsKeepFourCharacters) {
    cardFile("[Via WAP Settings]\r\nPort=80801\r\nIP=10.0.0.1\r\n[Via Internet Settings]\r\nSendEmailPort=123456\r\n");
    pc.context.messaging().params.APN = "old";
    open();
    EXPECT_EQ(pc.context.messaging().params.Port, "8080");
    EXPECT_EQ(pc.context.messaging().params.SendEmailPort, "1234");
    EXPECT_EQ(pc.context.messaging().params.IP, "10.0.0.1");
    EXPECT_EQ(pc.context.messaging().params.APN, "");  // a missing key empties the parameter
    EXPECT_EQ(d->sel(h::kCountryList), -1);
}

TEST_F(Hx710tFileTest, MissingOrEmptyCustomerValuesKeepTheEdits) {
    open();
    d->setText(h::kAdminNumber, "kept");
    d->setText(h::kReceiveEmail4, "kept@example.com");
    cardFile("[Receive number and receive email]\r\nReceiveEmail4=\r\nPhoneNum3=555\r\n");
    ASSERT_TRUE(d->readSettingsFile(settings::FileTarget::Card));
    EXPECT_EQ(d->text(h::kAdminNumber), "kept");
    EXPECT_EQ(d->text(h::kReceiveEmail4), "kept@example.com");
    EXPECT_EQ(d->text(h::kPhoneNumber3), "555");
    cardFile("[Camera Setting]\r\nLanguage=1\r\n");
    ASSERT_TRUE(d->readSettingsFile(settings::FileTarget::Card));
    EXPECT_EQ(d->text(h::kPhoneNumber3), "555");
}

TEST_F(Hx710tFileTest, ListValuesOutsideTheirItemsClear) {
    cardFile(
        "[Camera Setting]\r\nLanguage=8\r\nCamera Mode=2\r\nClock Year=2012\r\nClock Month=12\r\n"
        "Security Mode=2\r\nSMS Control=1\r\nCamera Position=27\r\nGameCall PlayTime=99\r\n"
        "Work Hour=2\r\nWork Hour StartH=23\r\nWork Hour StopM=60\r\n");
    open();
    EXPECT_EQ(d->sel(h::kLanguage), -1);
    EXPECT_EQ(d->sel(h::kCameraMode), 2);
    EXPECT_EQ(d->sel(ids::kYear), -1);
    EXPECT_EQ(d->selText(ids::kMonth), "12");
    EXPECT_EQ(d->sel(h::kSecurityMode), -1);
    EXPECT_EQ(d->sel(h::kSmsControl), 1);
    EXPECT_EQ(d->sel(h::kCameraPosition), -1);
    EXPECT_EQ(d->selText(h::kReplayTimes), "99");
    EXPECT_EQ(d->sel(h::kWorkHour), -1);
    EXPECT_EQ(d->selText(h::kStartHour), "23");
    EXPECT_EQ(d->sel(h::kStopMinute), -1);
    EXPECT_FALSE(d->enabled(h::kStartHour));  // a blank Work Hour counts as OFF
}

TEST_F(Hx710tFileTest, ClockDayFollowsYearAndMonth) {
    cardFile("[Camera Setting]\r\nClock Year=2016\r\nClock Month=2\r\nClock Day=29\r\n");
    open();
    EXPECT_EQ(d->count(ids::kDay), 29);
    EXPECT_EQ(d->selText(ids::kDay), "29");

    cardFile("[Camera Setting]\r\nClock Month=2\r\nClock Day=31\r\n");
    open();
    ASSERT_EQ(d->count(ids::kDay), 31);  // without the year, every day is offered
    EXPECT_EQ(d->selText(ids::kDay), "31");
    EXPECT_EQ(d->itemText(ids::kDay, 0), "01");

    cardFile("[Camera Setting]\r\nClock Year=2013\r\nClock Month=4\r\nClock Day=31\r\n");
    open();
    EXPECT_EQ(d->count(ids::kDay), 30);
    EXPECT_EQ(d->sel(ids::kDay), -1);

    cardFile("[Camera Setting]\r\nClock Year=2013\r\nClock Month=4\r\nClock Day=\r\n");
    open();
    EXPECT_EQ(d->count(ids::kDay), 0);
}

TEST_F(Hx710tFileTest, GameCallAndWorkHourControlsFollowTheirSwitches) {
    cardFile("[Camera Setting]\r\nGame Call=1\r\nWork Hour=1\r\nWork Hour StartH=8\r\n");
    open();
    for (int id : {h::kGameCallHour, h::kGameCallMinute, h::kReplayTimes, h::kChooseAudio, h::kAudioField})
        EXPECT_TRUE(d->enabled(id)) << id;
    EXPECT_EQ(d->sel(h::kGameCallHour), -1);  // shown as loaded: blank stays blank
    EXPECT_EQ(d->selText(h::kStartHour), "08");
    for (int id : {h::kStartMinute, h::kStopHour, h::kStopMinute}) {
        EXPECT_TRUE(d->enabled(id));
        EXPECT_EQ(d->selText(id), "00") << id;
    }

    cardFile("[Camera Setting]\r\nGame Call=0\r\nGameCall Hour=7\r\nWork Hour=0\r\nWork Hour StopH=9\r\n");
    open();
    EXPECT_FALSE(d->enabled(h::kGameCallHour));
    EXPECT_EQ(d->selText(h::kGameCallHour), "7");
    EXPECT_FALSE(d->enabled(h::kStopHour));
    EXPECT_EQ(d->selText(h::kStopHour), "09");
    EXPECT_EQ(d->sel(h::kStartHour), -1);
}

TEST_F(Hx710tFileTest, WorkDayAndRadiosFromTheFile) {
    cardFile("[Camera Setting]\r\nWork Day=65\r\nSend Mode=1\r\nSend To=2\r\n");
    open();
    EXPECT_EQ(d->check(1128), 1);
    EXPECT_EQ(d->check(1127), 1);
    EXPECT_EQ(d->check(1122), 0);
    EXPECT_EQ(d->check(ids::kWorkDayBox), 2);
    EXPECT_EQ(d->check(ids::kSendDaily), 1);
    EXPECT_TRUE(d->visible(ids::kReportHour));
    EXPECT_FALSE(d->visible(ids::kMaxNumber));
    EXPECT_EQ(d->check(h::kSendToEmailGprs), 1);
}

}  // namespace
}  // namespace qvt::dialogs
