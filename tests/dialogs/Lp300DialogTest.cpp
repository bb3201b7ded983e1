// SPDX-License-Identifier: Apache-2.0
// The LP300 Series dialog: its own rules and its settings file, with real files.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "settings/CardSaveFlow.h"
#include "support/DialogTestHost.h"
#include "dialogs/Lp300.h"
#include "dialogs/DialogParts.h"
#include "dialogs/SettingsDialog.h"
#include "settings/ProfileFile.h"

namespace qvt::dialogs {
namespace {

using settings::ProfileFile;
using ui::Event;
namespace l = lp300;

constexpr const char* kCamera = "Camera Setting";

class Lp300Test : public test::DialogFixture<lp300Description> {
protected:
    std::filesystem::path cardFile() const { return pc.card / "GSM" / "LP300.TXT"; }

    void readCard(const std::string& body) {
        test::writeFile(cardFile(), "[QVTFileMark]\r\nModel=LP300\r\n[Camera Setting]\r\n" + body);
        ASSERT_TRUE(d->readSettingsFile(settings::FileTarget::Card));
    }
    ProfileFile written() {
        EXPECT_TRUE(d->writeSettingsFile(settings::FileTarget::Card));
        return ProfileFile::fromBytes(test::readFile(cardFile()));
    }
    int checkedSendTo() const {
        int found = -1;
        const int radios[4] = {l::kSendToLocal, l::kSendToPhoneMms, l::kSendToEmailGprs, l::kSendToCall};
        for (int i = 0; i < 4; ++i)
            if (d->check(radios[i]) == 1) found = found < 0 ? i : 9;  // 9: more than one
        return found;
    }

};

TEST_F(Lp300Test, DefaultTakesTheLp300Defaults) {
    open();
    d->notify(l::kDefault, Event::Clicked);
    EXPECT_EQ(d->selText(l::kPhotoSize), "5M");
    EXPECT_EQ(d->selText(l::kVideoLength), "10 Sec");
    EXPECT_EQ(d->sel(l::kVideoLength), 5);
    EXPECT_EQ(d->selText(l::kPirInterval), "0  Sec");
    EXPECT_EQ(d->selText(l::kWorkMode), "Indoor");
    EXPECT_EQ(checkedSendTo(), 1) << "Phone[MMS]";
    EXPECT_EQ(d->check(ids::kWorkDayBox), 1);
    EXPECT_EQ(d->selText(l::kStartHour), "00");
    EXPECT_FALSE(d->enabled(l::kStartHour)) << "Work Hour OFF disables the times";
    EXPECT_EQ(d->selText(ids::kYear), "2024");
    EXPECT_EQ(d->count(l::kVideoLength), 56);
    EXPECT_EQ(d->itemText(l::kVideoLength, 0), " 5 Sec");
    EXPECT_EQ(d->itemText(l::kVideoLength, 45), "50 Sec ");
}

TEST_F(Lp300Test, WorkHourBlankChangesNothingOnOffAndOnDo) {
    open();
    choose(l::kWorkHour, -1);
    EXPECT_TRUE(d->enabled(l::kStopMinute));
    EXPECT_EQ(d->sel(l::kStopMinute), -1);
    choose(l::kWorkHour, 1);
    EXPECT_EQ(d->selText(l::kStopMinute), "00");
    choose(l::kWorkHour, 0);
    EXPECT_FALSE(d->enabled(l::kStopMinute));
    EXPECT_EQ(d->selText(l::kStopMinute), "00") << "selections are kept";
}

TEST_F(Lp300Test, SendToIsAGroupOfFourWithLocal) {
    open();
    d->notify(l::kSendToCall, Event::Clicked);
    d->notify(l::kSendToLocal, Event::Clicked);
    EXPECT_EQ(checkedSendTo(), 0);
    EXPECT_EQ(written().get(kCamera, "Send To"), "0");
    d->notify(l::kSendToCall, Event::Clicked);
    EXPECT_EQ(written().get(kCamera, "Send To"), "3");
}

TEST_F(Lp300Test, SendToReadsExactlyOneCharacterAfterTrimming) {
    open();
    readCard("Send To= 1\r\n");
    EXPECT_EQ(checkedSendTo(), 1) << "\" 1\" is trimmed to \"1\"";
    readCard("Send To=01\r\n");
    EXPECT_EQ(checkedSendTo(), -1);
    readCard("Send To=3\r\n");
    EXPECT_EQ(checkedSendTo(), 3);
    readCard("Send To=4\r\n");
    EXPECT_EQ(checkedSendTo(), -1);
}

TEST_F(Lp300Test, WorkDayOutsideTheMaskRangeCountsAsNoDay) {
    open();
    readCard("Work Day=200\r\n");
    EXPECT_EQ(d->check(1128), 0);
    EXPECT_EQ(d->check(1127), 0);
    EXPECT_EQ(d->check(ids::kWorkDayBox), 0);
    readCard("Work Day=127\r\n");
    for (int id = 1122; id <= 1128; ++id) EXPECT_EQ(d->check(id), 1) << id;
    EXPECT_EQ(d->check(ids::kWorkDayBox), 1);
    readCard("Work Day=65\r\n");
    EXPECT_EQ(d->check(1128), 1);
    EXPECT_EQ(d->check(1127), 1);
    EXPECT_EQ(d->check(ids::kWorkDayBox), 2);
    readCard("Work Day=-3\r\n");
    EXPECT_EQ(d->check(ids::kWorkDayBox), 0);
}

TEST_F(Lp300Test, FileHasTheCameraKeysInOrderAndTrimsValues) {
    open();
    d->notify(l::kDefault, Event::Clicked);
    d->setText(1134, "  0171 555  ");
    const std::string bytes = (written(), test::readFile(cardFile()));
    const std::vector<std::string> keys = {"Send To",      "Camera Mode",  "Photo Size",       "Photo Burst",
                                           "Video Length", "Time Lapse",   "PIR Trigger",      "PIR Interval",
                                           "Video Size",   "Clock Year",   "Clock Month",      "Clock Day",
                                           "Clock Hour",   "Clock Minute", "Clock Second",     "Work Mode",
                                           "Work Day",     "Work Hour",    "Work Hour StartH", "Work Hour StartM",
                                           "Work Hour StopH", "Work Hour StopM"};
    std::size_t at = bytes.find("[Camera Setting]\r\n");
    ASSERT_NE(at, std::string::npos);
    for (const std::string& key : keys) {
        const std::size_t next = bytes.find("\r\n" + key + "=", at);
        ASSERT_NE(next, std::string::npos) << key;
        at = next + 1;
    }
    EXPECT_NE(bytes.find("AdministratorNum=0171 555\r\n"), std::string::npos);
    EXPECT_EQ(bytes.find("SMTP SSL"), std::string::npos);
    EXPECT_NE(bytes.find("Model=LP300\r\n"), std::string::npos);
}

}  // namespace
}  // namespace qvt::dialogs
