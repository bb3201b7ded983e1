// SPDX-License-Identifier: Apache-2.0
// The VEX 2.0 settings file, written and read through the dialog with real files.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "settings/CardSaveFlow.h"
#include "support/DialogTestHost.h"
#include "dialogs/Vex2.h"
#include "dialogs/DialogParts.h"
#include "dialogs/SettingsDialog.h"
#include "settings/ProfileFile.h"
#include "operators/MessagingState.h"

namespace qvt::dialogs {
namespace {

using settings::ProfileFile;
using ui::Event;
namespace v = vex2;

// Customer-information edits.
constexpr int kAdminNumber = 1134;
constexpr int kPhoneNumber2 = 1136;
constexpr int kPhoneNumber4 = 1137;
constexpr int kReceiveEmail1 = 1011;
constexpr int kReceiveEmail2 = 1012;

constexpr const char* kCamera = "Camera Setting";

const std::vector<std::string> kCameraKeys = {"Time Format",  "PIR Interval", "Time Lapse",         "PIR Trigger",
                                              "Clock Year",   "Clock Month",  "Clock Day",          "Clock Hour",
                                              "Clock Minute", "Clock Second", "Temperature Format", "Send To"};

class Vex2FileTest : public test::DialogFixture<vex2Description> {
protected:
    std::filesystem::path cardFile() const { return pc.card / "GSM" / "VEX2.TXT"; }

    // A card file of the product with these lines after its mark.
    void writeCard(const std::string& body) { test::writeFile(cardFile(), "[QVTFileMark]\r\nModel=VEX2\r\n" + body); }
    // Reads the card file into the open dialog.
    void readCard(const std::string& body) {
        writeCard(body);
        ASSERT_TRUE(d->readSettingsFile(settings::FileTarget::Card));
    }
    ProfileFile written() {
        EXPECT_TRUE(d->writeSettingsFile(settings::FileTarget::Card));
        return ProfileFile::fromBytes(test::readFile(cardFile()));
    }

};

// ---- writing ------------------------------------------------------------------------------------

// The complete file of "Default(&D)" and Save, byte for byte, is checked end to end.

TEST_F(Vex2FileTest, NothingChosenWritesEveryKeyEmpty) {
    open();
    const ProfileFile file = written();
    for (const std::string& key : kCameraKeys) {
        ASSERT_TRUE(file.contains(kCamera, key)) << key;
        EXPECT_EQ(file.get(kCamera, key), "") << key;
    }
    EXPECT_FALSE(file.contains("Via Internet Settings", "SMTP SSL"));
}

TEST_F(Vex2FileTest, ValueForms) {
    open();
    d->select(ids::kYear, 0);
    d->select(ids::kMonth, 0);
    d->refillDayList();
    d->select(v::kTimeFormat, 1);
    d->select(v::kPirInterval, 27);
    d->notify(v::kCelsius, Event::Clicked);
    d->notify(v::kSendToNone, Event::Clicked);
    ProfileFile file = written();
    EXPECT_EQ(file.get(kCamera, "Clock Year"), "2013");
    EXPECT_EQ(file.get(kCamera, "Clock Month"), "1");
    EXPECT_EQ(file.get(kCamera, "Clock Day"), "1");
    EXPECT_EQ(file.get(kCamera, "Time Format"), "1");
    EXPECT_EQ(file.get(kCamera, "PIR Interval"), "27");
    EXPECT_EQ(file.get(kCamera, "Temperature Format"), "1");
    EXPECT_EQ(file.get(kCamera, "Send To"), "2");

    d->notify(v::kSendToEmail, Event::Clicked);
    d->setCheck(v::kCelsius, 0);
    file = written();
    EXPECT_EQ(file.get(kCamera, "Send To"), "1");
    EXPECT_EQ(file.get(kCamera, "Temperature Format"), "") << "no button checked";
}

TEST_F(Vex2FileTest, TypedTextsAndParametersAreTrimmed) {
    open();
    d->setText(kPhoneNumber2, " 0171 555  ");
    d->setText(kReceiveEmail1, std::string(120, 'e'));
    pc.context.messaging().params.APN = "  internet.example  ";
    pc.context.messaging().params.Port = "80801";
    written();
    const std::string bytes = test::readFile(cardFile());
    EXPECT_NE(bytes.find("PhoneNum2=0171 555\r\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("ReceiveEmail1=" + std::string(100, 'e') + "\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("APN=internet.example\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("Port=80801\r\n"), std::string::npos);
}

// ---- reading ------------------------------------------------------------------------------------

TEST_F(Vex2FileTest, TemperatureValuesOtherThanZeroAndOne) {
    open();
    // No "Temperature Format" key: both buttons stay as they were.
    d->setCheck(v::kCelsius, 1);
    readCard("[Camera Setting]\r\nTime Format=1\r\n");
    EXPECT_EQ(d->check(v::kFahrenheit), 0);
    EXPECT_EQ(d->check(v::kCelsius), 1);
    // 5 (and 2, a third button the group does not have) clears "Celsius" only.
    for (const char* value : {"5", "2"}) {
        d->setCheck(v::kFahrenheit, 1);
        d->setCheck(v::kCelsius, 1);
        readCard(std::string("[Camera Setting]\r\nTemperature Format=") + value + "\r\n");
        EXPECT_EQ(d->check(v::kFahrenheit), 1) << value;
        EXPECT_EQ(d->check(v::kCelsius), 0) << value;
    }
    // Blanks around a value do not count: the value is trimmed first.
    readCard("[Camera Setting]\r\nTemperature Format= 1 \r\n");
    EXPECT_EQ(d->check(v::kFahrenheit), 0);
    EXPECT_EQ(d->check(v::kCelsius), 1);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(Vex2FileTest, SendToValues) {
    open();
    readCard("[Camera Setting]\r\nSend To=2\r\n");
    EXPECT_EQ(d->check(v::kSendToNone), 1);
    EXPECT_EQ(d->check(v::kSendToPhone), 0);
    for (const char* unchanged : {"10", "", "01"}) {
        readCard(std::string("[Camera Setting]\r\nSend To=") + unchanged + "\r\n");
        EXPECT_EQ(d->check(v::kSendToNone), 1) << unchanged;
        EXPECT_EQ(d->check(v::kSendToPhone) + d->check(v::kSendToEmail), 0) << unchanged;
    }
    d->setCheck(v::kSendToPhone, 1);
    readCard("[Camera Setting]\r\nSend To=7\r\n");
    EXPECT_EQ(d->check(v::kSendToPhone), 1);
    EXPECT_EQ(d->check(v::kSendToEmail) + d->check(v::kSendToNone), 0);
}

TEST_F(Vex2FileTest, ListValuesOutsideTheListClearIt) {
    open();
    d->notify(v::kDefault, Event::Clicked);
    readCard(
        "[Camera Setting]\r\nTime Format=2\r\nPIR Interval=28\r\nTime Lapse=-1\r\nPIR Trigger=\r\n"
        "Clock Year=2012\r\nClock Month=13\r\nClock Hour=24\r\nClock Minute=59\r\n");
    for (int id : {v::kTimeFormat, v::kPirInterval, v::kTimeLapse, v::kPirTrigger, ids::kYear, ids::kMonth, ids::kHour})
        EXPECT_EQ(d->sel(id), -1) << id;
    EXPECT_EQ(d->selText(ids::kMinute), "59");
    EXPECT_EQ(d->sel(ids::kSecond), -1) << "a missing key reads as empty";
}

TEST_F(Vex2FileTest, TheDayListIsPreparedBeforeTheDayIsRead) {
    open();
    readCard("[Camera Setting]\r\nClock Year=2016\r\nClock Month=2\r\nClock Day=29\r\n");
    EXPECT_EQ(d->count(ids::kDay), 29);
    EXPECT_EQ(d->selText(ids::kDay), "29");

    // Without a month the length is unknown: every day, with two digits.
    readCard("[Camera Setting]\r\nClock Year=2016\r\nClock Month=\r\nClock Day=31\r\n");
    EXPECT_EQ(d->count(ids::kDay), 31);
    EXPECT_EQ(d->itemText(ids::kDay, 0), "01");
    EXPECT_EQ(d->selText(ids::kDay), "31");

    // A day the month does not have clears the selection.
    writeCard("[Camera Setting]\r\nClock Year=2015\r\nClock Month=2\r\nClock Day=29\r\n");
    open();
    EXPECT_EQ(d->count(ids::kDay), 28);
    EXPECT_EQ(d->sel(ids::kDay), -1);
}

TEST_F(Vex2FileTest, AUserOffAfterAFileReturnsToTheValueReadFromIt) {
    writeCard("[Camera Setting]\r\nTime Lapse=3\r\nPIR Trigger=3\r\n");
    open();
    choose(v::kTimeLapse, 0);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "\"Time Lapse\" and \"PIR Trigger\" can not be \"OFF\" at the same time !");
    EXPECT_EQ(d->sel(v::kTimeLapse), 3);
}

TEST_F(Vex2FileTest, EditsTakeEveryValueAndPortsStayWhole) {
    open();
    for (int id : {kAdminNumber, kPhoneNumber4, kReceiveEmail2}) d->setText(id, "typed");
    readCard(
        "[Via WAP Settings]\r\nPort=80801\r\n[Via Internet Settings]\r\nSendEmailPort= 46500 \r\n"
        "[Receive number and receive email]\r\nAdministratorNum=\r\nPhoneNum4=  0171  \r\n");
    EXPECT_EQ(d->text(kAdminNumber), "") << "an empty value empties the box";
    EXPECT_EQ(d->text(kPhoneNumber4), "0171");
    EXPECT_EQ(d->text(kReceiveEmail2), "") << "a missing key is an empty value";
    EXPECT_EQ(pc.context.messaging().params.Port, "80801");
    EXPECT_EQ(pc.context.messaging().params.SendEmailPort, "46500");
}

}  // namespace
}  // namespace qvt::dialogs
