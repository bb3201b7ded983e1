// SPDX-License-Identifier: Apache-2.0
// The settings files of the four models, written and read through the dialog with real files.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "settings/CardSaveFlow.h"
#include "support/DialogTestHost.h"
#include "dialogs/S1.h"
#include "dialogs/DialogParts.h"
#include "dialogs/SettingsDialog.h"
#include "settings/ProfileFile.h"
#include "operators/MessagingState.h"

namespace qvt::dialogs {
namespace {

using settings::ProfileFile;
using ui::Event;
namespace fs = std::filesystem;

constexpr const char* kCamera = "Camera Setting";
constexpr const char* kInternet = "Via Internet Settings";

const std::vector<std::string> kCameraKeys = {
    "Send Mode",       "Send To",        "Max Number",  "DR Time H",    "DR Time M",        "Language",
    "Camera Mode",     "Photo Size",     "Photo Burst", "Video Length", "Time Lapse",       "PIR Trigger",
    "PIR Interval",    "Clock Year",     "Clock Month", "Clock Day",    "Clock Hour",       "Clock Minute",
    "Clock Second",    "Video Size",     "SMS Control", "Work Hour",    "Work Hour StartH", "Work Hour StartM",
    "Work Hour StopH", "Work Hour StopM"};

class S1FileTest : public test::DialogFixture<s1Description> {
protected:
    SettingsDialog& open(const std::string& code) {
        code_ = code;
        pc.context.CurrentModelCode = code;
        return DialogFixture::open();
    }
    fs::path cardFile() const { return pc.card / "GSM" / (code_ + ".TXT"); }
    // A card file of the model with these lines after its mark.
    void cardFile(const std::string& code, const std::string& body) {
        test::writeFile(pc.card / "GSM" / (code + ".TXT"), "[QVTFileMark]\r\nModel=" + code + "\r\n" + body);
    }
    ProfileFile written() {
        EXPECT_TRUE(d->writeSettingsFile(settings::FileTarget::Card));
        return ProfileFile::fromBytes(test::readFile(cardFile()));
    }

    std::string code_;
};

// ---- writing ------------------------------------------------------------------------------------

TEST_F(S1FileTest, EachModelWritesExactlyItsKeysInTheCamerasOrder) {
    const char* codes[4] = {"PN250R", "HX330", "PN450RT", "HX460T"};
    for (int v = 0; v < 4; ++v) {
        open(codes[v]);
        d->notify(s1::kDefault, Event::Clicked);
        pc.context.messaging().smtpSsl = "1";
        written();
        std::vector<std::string> expected = {"[QVTFileMark]",
                                             "Model",
                                             "[Via WAP Settings]",
                                             "URL",
                                             "APN",
                                             "IP",
                                             "Port",
                                             "Account",
                                             "Password",
                                             "[Via Internet Settings]",
                                             "GPRSAPN",
                                             "GPRSAccount",
                                             "GPRSPassword",
                                             "SendEmailServer",
                                             "SendEmailPort",
                                             "SendEmailAddr",
                                             "SendEmailPassword"};
        if (v != s1::kHx330) expected.push_back("SMTP SSL");
        for (const char* key :
             {"[Receive number and receive email]", "AdministratorNum", "PhoneNum2", "PhoneNum3", "PhoneNum4",
              "ReceiveEmail1", "ReceiveEmail2", "ReceiveEmail3", "ReceiveEmail4", "[Camera Setting]"})
            expected.push_back(key);
        for (const std::string& key : kCameraKeys) {
            if (key == "Video Size" && v == s1::kHx330) continue;
            if (key == "SMS Control" && v < s1::kPn450rt) continue;
            expected.push_back(key);
        }
        const std::string bytes = test::readFile(cardFile());
        EXPECT_EQ(test::lineNames(bytes), expected) << codes[v];
        const ProfileFile file = ProfileFile::fromBytes(bytes);
        EXPECT_EQ(file.get("QVTFileMark", "Model"), codes[v]);
        if (v != s1::kHx330) {
            EXPECT_EQ(file.get(kInternet, "SMTP SSL"), "1");
        }
    }
}

TEST_F(S1FileTest, ValueFormsAndTrimming) {
    open("PN450RT");
    d->notify(s1::kDefault, Event::Clicked);
    d->notify(ids::kSendInstant, Event::Clicked);
    d->notify(s1::kSendToEmailGprs, Event::Clicked);
    d->setText(ids::kReportHour, "7");
    d->select(ids::kMaxNumber, 100);
    d->select(ids::kYear, 0);
    d->select(ids::kMonth, 0);
    d->refillDayList();
    choose(s1::kWorkHour, 1);
    choose(s1::kStopHour, 23);
    d->setText(1136, "0171 555   ");
    d->setText(1011, "  mail@example.com ");
    pc.context.messaging().params.APN = " internet ";
    const ProfileFile file = written();
    const std::pair<const char*, const char*> expected[] = {
        {"Send Mode", "2"},    {"Send To", "2"},       {"Max Number", "100"},     {"DR Time H", "07"},
        {"DR Time M", "00"},   {"Clock Year", "2013"}, {"Clock Month", "1"},      {"Clock Day", "1"},
        {"Video Length", "5"}, {"Work Hour", "1"},     {"Work Hour StartH", "0"}, {"Work Hour StopH", "23"},
        {"SMS Control", "0"},  {"Video Size", "0"}};
    for (const auto& [key, value] : expected) EXPECT_EQ(file.get(kCamera, key), value) << key;
    const std::string bytes = test::readFile(cardFile());
    EXPECT_NE(bytes.find("PhoneNum2=0171 555\r\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("ReceiveEmail1=mail@example.com\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("APN=internet\r\n"), std::string::npos);
}

TEST_F(S1FileTest, NothingChosenWritesEmptyValues) {
    open("HX460T");
    const ProfileFile file = written();
    for (const std::string& key : kCameraKeys) {
        ASSERT_TRUE(file.contains(kCamera, key)) << key;
        EXPECT_EQ(file.get(kCamera, key), "") << key;
    }
}

// ---- reading ------------------------------------------------------------------------------------

TEST_F(S1FileTest, ValuesAreTrimmedAndListsTakeOnlyWhatFits) {
    cardFile("HX460T",
             "[Via WAP Settings]\r\nPort=80801\r\n[Via Internet Settings]\r\nSendEmailPort= 4650 \r\nSMTP SSL=1\r\n"
             "[Receive number and receive email]\r\nAdministratorNum= +49 171 \r\n"
             "[Camera Setting]\r\nSend Mode= 1\r\nSend To= 1\r\nMax Number=250\r\nDR Time H= 24\r\nDR Time M=5\r\n"
             "Language=4\r\nCamera Mode= 1\r\nPhoto Size=x\r\nPIR Interval=27\r\nClock Year=2016\r\n"
             "Clock Month=2\r\nClock Day=29\r\nVideo Size=1\r\nSMS Control=1\r\nWork Hour=1\r\n"
             "Work Hour StartH=7\r\n");
    open("HX460T");
    EXPECT_TRUE(host.boxes.empty());
    const operators::MessagingState& m = pc.context.messaging();
    EXPECT_EQ(m.params.Port, "80801");  // not cut
    EXPECT_EQ(m.params.SendEmailPort, "4650");
    EXPECT_EQ(m.smtpSsl, "1");
    EXPECT_EQ(d->text(1134), "+49 171");
    EXPECT_EQ(d->check(ids::kSendDaily), 1);
    EXPECT_TRUE(d->visible(ids::kReportHour));
    EXPECT_EQ(d->check(s1::kSendToEmailMms), 1);
    EXPECT_EQ(d->selText(ids::kMaxNumber), "Unlimited");
    EXPECT_EQ(d->text(ids::kReportHour), "");
    EXPECT_EQ(d->text(ids::kReportMinute), "5");
    EXPECT_EQ(d->sel(s1::kLanguage), -1);
    EXPECT_EQ(d->selText(s1::kCameraMode), "Video");
    EXPECT_EQ(d->sel(s1::kPhotoSize), 0) << "no digits count as 0";
    EXPECT_EQ(d->selText(s1::kPirInterval), "60 Min");
    EXPECT_EQ(d->count(ids::kDay), 29);
    EXPECT_EQ(d->selText(ids::kDay), "29");
    EXPECT_EQ(d->selText(s1::kVideoSize), "640*480");
    EXPECT_EQ(d->selText(s1::kSmsControl), "ON");
    // Work Hour "ON": the four times are enabled, the blank ones get "00".
    EXPECT_EQ(d->selText(s1::kStartHour), "07");
    EXPECT_EQ(d->selText(s1::kStopMinute), "00");
    EXPECT_TRUE(d->enabled(s1::kStopMinute));
}

TEST_F(S1FileTest, ReadingClearsWhatTheFileDoesNotHold) {
    cardFile("PN250R",
             "[Camera Setting]\r\nSend To=01\r\nClock Day=31\r\nTime Lapse=0\r\nPIR Trigger=3\r\n"
             "Video Size=1\r\nSMS Control=1\r\n");
    pc.context.messaging().smtpSsl = "1";
    open("PN250R");
    EXPECT_EQ(pc.context.messaging().smtpSsl, "");  // the model has the key, the file lacks it
    for (int id : {s1::kSendToPhoneMms, s1::kSendToEmailMms, s1::kSendToEmailGprs}) EXPECT_EQ(d->check(id), 0);
    // Without year and month every day is offered, without a leading zero.
    ASSERT_EQ(d->count(ids::kDay), 31);
    EXPECT_EQ(d->itemText(ids::kDay, 0), "1");
    EXPECT_EQ(d->selText(ids::kDay), "31");
    EXPECT_EQ(d->sel(s1::kPirTrigger), -1) << "both OFF in a file leaves PIR Trigger blank";
    EXPECT_EQ(d->rememberedTimeLapse(), 0);
    EXPECT_EQ(d->selText(s1::kVideoSize), "640*480");
    EXPECT_EQ(d->sel(s1::kSmsControl), -1) << "the PN250R-8MHD has no SMS Control";
    EXPECT_FALSE(d->enabled(s1::kStartHour)) << "Work Hour blank counts as OFF";
}

TEST_F(S1FileTest, Hx330KeepsNeitherVideoSizeNorSmsControlNorSmtpSsl) {
    cardFile("HX330", "[Via Internet Settings]\r\nSMTP SSL=1\r\n[Camera Setting]\r\nVideo Size=1\r\nSMS Control=1\r\n");
    pc.context.messaging().smtpSsl = "0";
    open("HX330");
    EXPECT_EQ(pc.context.messaging().smtpSsl, "0");
    EXPECT_EQ(d->sel(s1::kVideoSize), -1);
    EXPECT_EQ(d->sel(s1::kSmsControl), -1);
    const ProfileFile file = written();
    for (const char* key : {"Video Size", "SMS Control"}) EXPECT_FALSE(file.contains(kCamera, key)) << key;
    EXPECT_FALSE(file.contains(kInternet, "SMTP SSL"));
}

TEST_F(S1FileTest, OnlyTheModelsOwnFileIsRead) {
    cardFile("PN250R", "[Camera Setting]\r\nLanguage=2\r\n");
    test::writeFile(pc.pc / "LumbrakonBackup" / "HX460T.TXT",
                    "[QVTFileMark]\r\nModel=HX460T\r\n[Camera Setting]\r\nLanguage=3\r\n");
    open("PN450RT");
    EXPECT_EQ(d->sel(s1::kLanguage), -1);
    open("HX460T");  // no card file: the backup
    EXPECT_EQ(d->selText(s1::kLanguage), "Svenskt");
    open("PN250R");
    EXPECT_EQ(d->selText(s1::kLanguage), "Deutsch");
    // A file that claims another of the four models is not this model's file.
    test::writeFile(pc.card / "GSM" / "HX330.TXT", "[QVTFileMark]\r\nModel=PN250R\r\n");
    open("HX330");
    EXPECT_EQ(d->sel(s1::kLanguage), -1);
    EXPECT_TRUE(fs::exists(pc.card / "GSM" / "HX330.TXT")) << "the invalid file is kept until Save";
}

TEST_F(S1FileTest, BackupKeysKeepTheirPlaceAndItsFolderIsCreated) {
    const fs::path backup = pc.pc / "LumbrakonBackup" / "HX330.TXT";
    test::writeFile(backup, "[Camera Setting]\r\nLanguage=3\r\nSMS Control=1\r\n[QVTFileMark]\r\nModel=HX330\r\n");
    open("HX330");
    EXPECT_EQ(d->selText(s1::kLanguage), "Svenskt");
    d->select(s1::kLanguage, 1);
    ASSERT_TRUE(d->writeSettingsFile(settings::FileTarget::Backup));
    const std::string bytes = test::readFile(backup);
    // A key the model does not use is not written; what an older file had stays where it was.
    EXPECT_EQ(bytes.rfind("[Camera Setting]\r\nLanguage=1\r\nSMS Control=1\r\n", 0), 0u) << bytes;

    fs::remove_all(pc.pc / "LumbrakonBackup");
    EXPECT_TRUE(d->writeSettingsFile(settings::FileTarget::Backup));
    EXPECT_TRUE(fs::exists(backup));
}

}  // namespace
}  // namespace qvt::dialogs
