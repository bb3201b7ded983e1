// SPDX-License-Identifier: Apache-2.0
// The HX720U settings file, written and read through the dialog with real files.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "settings/CardSaveFlow.h"
#include "support/DialogTestHost.h"
#include "dialogs/Hx720u.h"
#include "dialogs/DialogParts.h"
#include "dialogs/SettingsDialog.h"
#include "settings/ProfileFile.h"
#include "operators/MessagingState.h"

namespace qvt::dialogs {
namespace {

using settings::ProfileFile;
using ui::Event;
namespace h = hx720u;
namespace fs = std::filesystem;

constexpr const char* kCamera = "Camera Setting";

class Hx720uFileTest : public test::DialogFixture<hx720uDescription> {
protected:
    fs::path cardFile() const { return pc.card / "GSM" / "HX720U.TXT"; }
    // Opens the dialog on a card file of the product with these lines after its mark.
    SettingsDialog& openWith(const std::string& body) {
        test::writeFile(cardFile(), "[QVTFileMark]\r\nModel= HX720U \r\n" + body);
        return open();
    }
    ProfileFile written() {
        EXPECT_TRUE(d->writeSettingsFile(settings::FileTarget::Card));
        return ProfileFile::fromBytes(test::readFile(cardFile()));
    }

};

// ---- writing ------------------------------------------------------------------------------------

TEST_F(Hx720uFileTest, KeysInTheCamerasOrderWithSmtpSslAndWithoutTheHx710tKeys) {
    open();
    EXPECT_TRUE(d->writeSettingsFile(settings::FileTarget::Card));
    // clang-format off
    const std::vector<std::string> expected{
        "[QVTFileMark]", "Model", "[Via WAP Settings]", "URL", "APN", "IP", "Port", "Account", "Password",
        "[Via Internet Settings]", "GPRSAPN", "GPRSAccount", "GPRSPassword", "SendEmailServer", "SendEmailPort",
        "SendEmailAddr", "SendEmailPassword", "SMTP SSL", "[Receive number and receive email]", "AdministratorNum",
        "PhoneNum2", "PhoneNum3", "PhoneNum4", "ReceiveEmail1", "ReceiveEmail2", "ReceiveEmail3", "ReceiveEmail4",
        "[Camera Setting]", "Send Mode", "Send To", "Max Number", "DR Time H", "DR Time M", "Language",
        "Camera Mode", "Photo Size", "Photo Burst", "Video Length", "Time Lapse", "PIR Trigger", "PIR Interval",
        "Clock Year", "Clock Month", "Clock Day", "Clock Hour", "Clock Minute", "Clock Second", "Video Size",
        "Game Call", "GameCall Hour", "GameCall Minute", "GameCall PlayTime", "Camera Position", "SMS Control",
        "Work Hour", "Work Hour StartH", "Work Hour StartM", "Work Hour StopH", "Work Hour StopM"};
    // clang-format on
    const std::string bytes = test::readFile(cardFile());
    EXPECT_EQ(test::lineNames(bytes), expected);
    EXPECT_EQ(ProfileFile::fromBytes(bytes).get("QVTFileMark", "Model"), "HX720U");
    // Nothing chosen: every camera value is empty (no work-day mask in this file).
    EXPECT_NE(bytes.find("[Camera Setting]\r\nSend Mode=\r\nSend To=\r\nMax Number=\r\n"), std::string::npos);
    EXPECT_EQ(bytes.find("=0\r\n"), std::string::npos) << bytes;
}

TEST_F(Hx720uFileTest, ValuesAreTrimmedPortsKeptAndSslWritten) {
    open();
    d->setText(1136, " 0171 ");
    d->setText(1011, std::string(120, 'e'));
    pc.context.messaging().params.SendEmailPort = " 46500 ";
    pc.context.messaging().smtpSsl = "1";
    d->setText(ids::kReportHour, " 7");
    const ProfileFile file = written();
    const std::string bytes = test::readFile(cardFile());
    EXPECT_NE(bytes.find("PhoneNum2=0171\r\n"), std::string::npos);
    EXPECT_EQ(file.get("Receive number and receive email", "ReceiveEmail1"), std::string(100, 'e'));
    EXPECT_NE(bytes.find("SendEmailPort=46500\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("SendEmailPassword=\r\nSMTP SSL=1\r\n"), std::string::npos);
    EXPECT_EQ(file.get(kCamera, "DR Time H"), "07");
}

TEST_F(Hx720uFileTest, ListValuesWithTheirBases) {
    open();
    d->select(ids::kYear, 0);
    d->select(ids::kMonth, 11);
    d->refillDayList();
    d->select(ids::kDay, 30);
    d->select(ids::kMaxNumber, 100);
    d->select(h::kCameraPosition, 26);
    d->select(h::kStopMinute, 59);
    const ProfileFile file = written();
    EXPECT_EQ(file.get(kCamera, "Clock Year"), "2013");
    EXPECT_EQ(file.get(kCamera, "Clock Month"), "12");
    EXPECT_EQ(file.get(kCamera, "Clock Day"), "31");
    EXPECT_EQ(file.get(kCamera, "Max Number"), "100");
    EXPECT_EQ(file.get(kCamera, "Camera Position"), "26");
    EXPECT_EQ(file.get(kCamera, "Work Hour StopM"), "59");
}

TEST_F(Hx720uFileTest, WritingAppliesTheSwitchRulesAgainWithoutChangingSelections) {
    open();
    d->select(h::kGameCall, 0);
    d->notify(h::kGameCall, Event::SelChange);  // disabled, blanks filled
    d->clearSelection(h::kGameCallHour);
    d->select(h::kGameCall, 1);  // set without the notification: its controls are still disabled
    d->select(h::kWorkHour, 1);
    d->notify(h::kWorkHour, Event::SelChange);
    d->select(h::kStartHour, 4);
    d->select(h::kWorkHour, 0);
    written();
    for (int id : {h::kGameCallHour, h::kGameCallMinute, h::kReplayTimes, h::kChooseAudio, h::kAudioField})
        EXPECT_TRUE(d->enabled(id)) << id;
    EXPECT_EQ(d->sel(h::kGameCallHour), -1) << "the saved value stays what the dialog shows";
    EXPECT_FALSE(d->enabled(h::kStartHour));
    EXPECT_EQ(d->sel(h::kStartHour), 4);
}

// ---- reading ------------------------------------------------------------------------------------

TEST_F(Hx720uFileTest, ReadingTrimsEveryValueAndEmptiesEditsForEmptyValues) {
    pc.context.messaging().params.IP = "1.2.3.4";
    openWith(
        "[Via WAP Settings]\r\nPort= 80801 \r\n[Via Internet Settings]\r\nSMTP SSL= 1\r\n"
        "[Receive number and receive email]\r\nAdministratorNum=  +49 171  \r\nPhoneNum2=\r\n"
        "[Camera Setting]\r\nLanguage= 3 \r\nPhoto Size=2\r\n");
    EXPECT_EQ(pc.context.messaging().params.Port, "80801");
    EXPECT_EQ(pc.context.messaging().params.IP, "") << "a missing key reads as empty";
    EXPECT_EQ(pc.context.messaging().smtpSsl, "1");
    EXPECT_EQ(d->text(1134), "+49 171");
    EXPECT_EQ(d->selText(h::kLanguage), "Swedish");
    EXPECT_EQ(d->selText(h::kPhotoSize), "12M");

    d->setText(1136, "0171");
    test::writeFile(cardFile(), "[QVTFileMark]\r\nModel=HX720U\r\n[Receive number and receive email]\r\n");
    EXPECT_TRUE(d->readSettingsFile(settings::FileTarget::Card));
    EXPECT_EQ(d->text(1136), "") << "unlike the HX710T-10M, an empty value empties the box";
}

TEST_F(Hx720uFileTest, SendToReadsOnlyASingleDigitUpToTwo) {
    const std::pair<std::string, int> cases[] = {{" 1", h::kSendToEmailGprs},
                                                 {"2", h::kSendToCall},
                                                 {"0", h::kSendToPhoneMms},
                                                 {"01", 0},
                                                 {"3", 0},
                                                 {"", 0},
                                                 {"x", 0}};
    for (const auto& [value, checked] : cases) {
        d.reset();
        openWith("[Camera Setting]\r\nSend To=" + value + "\r\n");
        for (int id : {h::kSendToPhoneMms, h::kSendToEmailGprs, h::kSendToCall})
            EXPECT_EQ(d->check(id), id == checked ? 1 : 0) << "'" << value << "' " << id;
    }
}

TEST_F(Hx720uFileTest, SendModeReadsLikeTheHx710t) {
    openWith("[Camera Setting]\r\nSend Mode=2x\r\nMax Number=250\r\nDR Time H=24\r\n");
    EXPECT_EQ(d->check(ids::kSendInstant), 1);
    EXPECT_TRUE(d->visible(ids::kMaxNumber));
    EXPECT_FALSE(d->visible(ids::kReportHour));
    EXPECT_EQ(d->selText(ids::kMaxNumber), "Unlimited");
    EXPECT_EQ(d->text(ids::kReportHour), "");

    d.reset();
    openWith("[Camera Setting]\r\nSend Mode=5\r\nMax Number=12a\r\n");
    for (int id : {ids::kSendManual, ids::kSendDaily, ids::kSendInstant, ids::kSendOff}) EXPECT_EQ(d->check(id), 0);
    EXPECT_FALSE(d->visible(ids::kMaxNumber));
    EXPECT_EQ(d->sel(ids::kMaxNumber), -1);
}

TEST_F(Hx720uFileTest, ClockDayIsReadIntoTheMonthItBelongsTo) {
    openWith("[Camera Setting]\r\nClock Year=2016\r\nClock Month=2\r\nClock Day=29\r\nClock Hour= 23\r\n");
    EXPECT_EQ(d->count(ids::kDay), 29);
    EXPECT_EQ(d->selText(ids::kDay), "29");
    EXPECT_EQ(d->selText(ids::kHour), "23");

    d.reset();
    openWith("[Camera Setting]\r\nClock Year=2016\r\nClock Month=2\r\nClock Day=30\r\n");
    EXPECT_EQ(d->sel(ids::kDay), -1);

    d.reset();
    openWith("[Camera Setting]\r\nClock Year=2012\r\nClock Month=13\r\nClock Day=31\r\n");
    EXPECT_EQ(d->sel(ids::kYear), -1);
    EXPECT_EQ(d->sel(ids::kMonth), -1);
    ASSERT_EQ(d->count(ids::kDay), 31);
    EXPECT_EQ(d->selText(ids::kDay), "31");
    EXPECT_EQ(d->itemText(ids::kDay, 0), "01");
}

TEST_F(Hx720uFileTest, LoadedSwitchesSetTheirControls) {
    openWith(
        "[Camera Setting]\r\nGame Call=1\r\nGameCall Hour=5\r\nGameCall PlayTime=100\r\n"
        "Work Hour=1\r\nWork Hour StartH=7\r\nWork Hour StopH=24\r\n");
    EXPECT_EQ(d->selText(h::kGameCallHour), "5");
    EXPECT_EQ(d->sel(h::kGameCallMinute), -1) << "an empty value clears the item the switch gave it";
    EXPECT_EQ(d->sel(h::kReplayTimes), -1);
    EXPECT_TRUE(d->enabled(h::kChooseAudio));
    EXPECT_EQ(d->selText(h::kStartHour), "07");
    EXPECT_EQ(d->selText(h::kStartMinute), "00") << "Work Hour ON gives blank times their first item";
    EXPECT_EQ(d->selText(h::kStopHour), "00");
    EXPECT_TRUE(d->enabled(h::kStopMinute));
    EXPECT_EQ(d->text(h::kAudioField), "Choose audio file!");

    d.reset();
    openWith("[Camera Setting]\r\nGame Call=0\r\nWork Hour=\r\nWork Hour StartH=7\r\n");
    EXPECT_FALSE(d->enabled(h::kGameCallHour));
    EXPECT_FALSE(d->enabled(h::kAudioField));
    EXPECT_FALSE(d->enabled(h::kStartHour));
    EXPECT_EQ(d->selText(h::kStartHour), "07");
}

}  // namespace
}  // namespace qvt::dialogs
