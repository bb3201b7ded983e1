// SPDX-License-Identifier: Apache-2.0
// The four-model dialog: its template, the per-model set-up, "Default(&D)", its rule variants and
// the save flow's wording.
#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "dialogs/Catalogue.h"
#include "dialogs/S1.h"
#include "dialogs/DialogParts.h"
#include "dialogs/SettingsDialog.h"
#include "settings/CardSaveFlow.h"
#include "support/DialogTestHost.h"

namespace qvt::dialogs {
namespace {

using ui::Event;
using ui::Icon;
namespace fs = std::filesystem;

constexpr const char* kCodes[4] = {"PN250R", "HX330", "PN450RT", "HX460T"};

class S1Test : public test::DialogFixture<s1Description> {
protected:
    SettingsDialog& open(const std::string& code) {
        pc.context.CurrentModelCode = code;
        return DialogFixture::open();
    }
    fs::path cardFile(const std::string& code) const { return pc.card / "GSM" / (code + ".TXT"); }
};

// ---- template -----------------------------------------------------------------------------------

TEST(S1TemplateTest, OptionListsKeepTheirBlanks) {
    const ui::DialogTemplate t = s1::dialogTemplate();
    EXPECT_EQ(t.resourceId, 141);
    EXPECT_EQ(t.title, "QVT CONFIG : For PN250R-8MHD / HX330 / PN450RT-8MHD /  HX460T");
    auto items = [&](int id) { return t.find(id)->items; };
    const auto video = items(s1::kVideoLength);
    ASSERT_EQ(video.size(), 56u);
    EXPECT_EQ(video[0], " 5 Sec");
    EXPECT_EQ(video[4], " 9 Sec");
    EXPECT_EQ(video[5], "10 Sec");
    EXPECT_EQ(video[55], "60 Sec");
    const auto pir = items(s1::kPirInterval);
    ASSERT_EQ(pir.size(), 28u);
    EXPECT_EQ(pir[0], " 0 Sec");
    EXPECT_EQ(pir[1], " 5 Sec");
    EXPECT_EQ(pir[2], "10 Sec");
    EXPECT_EQ(pir[12], " 1 Min");
    EXPECT_EQ(pir[16], " 5 Min");
    EXPECT_EQ(pir[17], "10 Min");
    EXPECT_EQ(pir[27], "60 Min");
    const auto lapse = items(s1::kTimeLapse);
    ASSERT_EQ(lapse.size(), 20u);
    EXPECT_EQ(lapse[1], "5  Min");
    EXPECT_EQ(lapse[12], "1  Hour");
    EXPECT_EQ(items(s1::kLanguage), (std::vector<std::string>{"English", "Suomi", "Deutsch", "Svenskt"}));
    EXPECT_EQ(items(s1::kPhotoSize), (std::vector<std::string>{"5M", "8M"}));
    EXPECT_EQ(items(s1::kPirTrigger), (std::vector<std::string>{"Low", "Normal", "High", "OFF"}));
    EXPECT_EQ(items(ids::kMonth).front(), "01");
    EXPECT_EQ(items(ids::kHour).front(), "00");
    EXPECT_EQ(items(ids::kSecond).back(), "59");
    EXPECT_EQ(items(s1::kStopMinute)[5], "05");
    EXPECT_EQ(items(ids::kMaxNumber)[100], "Unlimited");
    EXPECT_EQ(t.find(s1::kCheckParams)->text, "Check WAP / Internet Paramaters(&L)");
    EXPECT_EQ(t.find(s1::kDefault)->text, "Default(&D)");
    EXPECT_EQ(t.find(ids::kPirTrigger), nullptr) << "PIR Trigger is 1169 here";
    EXPECT_EQ(t.find(1083), nullptr) << "no \"Call\" button";
}

// ---- the four models ----------------------------------------------------------------------------

TEST_F(S1Test, EachModelGetsItsTitleFilesAndDisabledControls) {
    const char* titles[4] = {"QVT CONFIG : For PN250R-8MHD", "QVT CONFIG : For HX330", "QVT CONFIG : For PN450RT-8MHD",
                             "QVT CONFIG : For HX460T-8MHD"};
    const std::set<int> disabled[4] = {{1180, 1181}, {1114, 1176, 1180, 1181}, {}, {}};
    for (int v = 0; v < 4; ++v) {
        open(kCodes[v]);
        EXPECT_EQ(d->part<VariantsPart>()->variant(), v);
        EXPECT_EQ(d->title(), titles[v]);
        EXPECT_EQ(d->saveFlow().cardFilePath(), cardFile(kCodes[v]).string());
        EXPECT_EQ(d->saveFlow().backupFilePath(), pc.pc / "LumbrakonBackup" / (std::string(kCodes[v]) + ".TXT"));
        for (int id : {1114, 1176, 1180, 1181, 1067, 1169, 1183})
            EXPECT_EQ(d->enabled(id), disabled[v].count(id) == 0) << kCodes[v] << " " << id;
        EXPECT_EQ(d->part<VariantsPart>()->isControlUsed(1114), v != s1::kHx330);
        EXPECT_EQ(d->part<VariantsPart>()->isControlUsed(1180), v >= s1::kPn450rt);
        EXPECT_TRUE(d->part<VariantsPart>()->isControlUsed(1067));
    }
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(S1Test, AnotherModelCodeEndsTheDialogWithoutTouchingTheCard) {
    open("HX710T");
    EXPECT_TRUE(d->ended());
    EXPECT_EQ(d->result(), ui::Result::Ok);
    EXPECT_EQ(d->part<VariantsPart>()->variant(), 0);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "Error: This procuct is not exist !");
    EXPECT_EQ(host.boxes[0].icon, Icon::Error);
    EXPECT_EQ(host.boxes[0].caption, "QVT Tips");
    EXPECT_FALSE(fs::exists(pc.card / "GSM"));

    // The code changes under a running dialog: the other per-model operations refuse it too.
    open("HX330");
    host.boxes.clear();
    pc.context.CurrentModelCode = "hx330";
    EXPECT_FALSE(d->part<VariantsPart>()->isControlUsed(1067));
    d->part<VariantsPart>()->clearLackingLists();
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[0].text, "This product is not exist !");
    EXPECT_EQ(host.boxes[1].text, "This product is not exist !");
    EXPECT_EQ(host.boxes[1].icon, Icon::Error);
}

// ---- Default ------------------------------------------------------------------------------------

TEST_F(S1Test, DefaultSetsTheModelsDefaultsAndThePcClock) {
    for (int v = 0; v < 4; ++v) {
        open(kCodes[v]);
        click(s1::kDefault);
        EXPECT_TRUE(host.boxes.empty());
        const std::pair<int, const char*> expected[] = {
            {1067, "Photo"},  {1068, "8M"},  {1069, "1 Photo"}, {1070, "10 Sec"}, {1081, "English"}, {1073, " 5 Sec"},
            {1169, "Normal"}, {1071, "OFF"}, {1173, "10"},      {1183, "OFF"},    {1074, "2024"},    {1075, "05"},
            {1076, "17"},     {1077, "10"},  {1078, "20"},      {1079, "30"}};
        for (const auto& [id, text] : expected) EXPECT_EQ(d->selText(id), text) << id;
        EXPECT_EQ(d->selText(1114), v == s1::kHx330 ? "" : "1280*720");
        EXPECT_EQ(d->selText(1180), v >= s1::kPn450rt ? "OFF" : "");
        EXPECT_EQ(d->text(ids::kReportHour), "0");
        EXPECT_EQ(d->text(ids::kReportMinute), "0");
        EXPECT_EQ(d->check(ids::kSendManual), 1);
        EXPECT_EQ(d->check(s1::kSendToPhoneMms), 1);
        for (int id : {ids::kMaxNumber, ids::kReportHour, ids::kReportMinute}) EXPECT_FALSE(d->visible(id));
        EXPECT_EQ(d->rememberedTimeLapse(), 0);
        EXPECT_EQ(d->rememberedPirTrigger(), 1);
    }
    EXPECT_FALSE(fs::exists(cardFile("HX460T")));  // Default never writes
}

TEST_F(S1Test, DefaultTurnsWorkHourOffAndKeepsItsTimes) {
    open("HX460T");
    choose(s1::kWorkHour, 1);  // blank times get "00"
    EXPECT_EQ(d->selText(s1::kStopMinute), "00");
    choose(s1::kStartHour, 8);
    choose(s1::kStartMinute, 30);
    choose(s1::kStopHour, 17);
    d->setText(1134, "+49 171");
    click(s1::kDefault);
    EXPECT_EQ(d->selText(s1::kWorkHour), "OFF");
    const std::pair<int, const char*> kept[] = {{1184, "08"}, {1185, "30"}, {1186, "17"}, {1187, "00"}};
    for (const auto& [id, text] : kept) {
        EXPECT_FALSE(d->enabled(id)) << id;
        EXPECT_EQ(d->selText(id), text) << id;
    }
    EXPECT_EQ(d->text(1134), "+49 171");
}

// ---- rules in this dialog's form ----------------------------------------------------------------

TEST_F(S1Test, TimeLapseAndPirTriggerUseList1169) {
    test::writeFile(cardFile("HX330"),
                    "[QVTFileMark]\r\nModel=HX330\r\n[Camera Setting]\r\nTime Lapse=1\r\n"
                    "PIR Trigger=3\r\n");
    open("HX330");
    EXPECT_EQ(d->selText(s1::kPirTrigger), "OFF");
    choose(s1::kTimeLapse, 0);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text,
              "The status of \"Time Lapse\" and \"PIR Tirgger\" can not be \"OFF\" at the same time !");
    EXPECT_EQ(d->selText(s1::kTimeLapse), "5  Min");

    fs::remove(cardFile("HX330"));
    host.boxes.clear();
    open("HX330");  // nothing loaded: nothing to return to
    choose(s1::kPirTrigger, 3);
    choose(s1::kTimeLapse, 0);
    EXPECT_EQ(d->sel(s1::kTimeLapse), -1);
    ASSERT_EQ(host.boxes.size(), 1u);
}

TEST_F(S1Test, ClockListsHaveTwoDigitDays) {
    open("PN450RT");
    choose(ids::kYear, 3);  // 2016
    choose(ids::kMonth, 1);
    ASSERT_EQ(d->count(ids::kDay), 29);
    EXPECT_EQ(d->itemText(ids::kDay, 0), "01");
    EXPECT_EQ(d->itemText(ids::kDay, 28), "29");
    EXPECT_EQ(d->selText(ids::kDay), "01");

    open("PN450RT");
    d->notify(ids::kYear, Event::Focus);  // the year list's focus does nothing here
    EXPECT_EQ(d->count(ids::kDay), 0);
    d->notify(ids::kDay, Event::Focus);
    EXPECT_EQ(d->selText(ids::kYear), "2013");
    EXPECT_EQ(d->count(ids::kDay), 31);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(S1Test, SendModeShowsItsControlsAndSendToStaysExclusive) {
    open("HX460T");
    click(ids::kSendDaily);
    EXPECT_TRUE(d->visible(ids::kReportHour));
    EXPECT_TRUE(d->visible(ids::kReportMinute));
    EXPECT_FALSE(d->visible(ids::kMaxNumber));
    click(ids::kSendInstant);
    EXPECT_FALSE(d->visible(ids::kReportHour));
    EXPECT_TRUE(d->visible(ids::kMaxNumber));
    EXPECT_EQ(d->check(ids::kSendDaily), 0);
    click(ids::kSendOff);
    EXPECT_FALSE(d->visible(ids::kMaxNumber));

    click(s1::kSendToEmailGprs);
    click(s1::kSendToEmailMms);
    EXPECT_EQ(d->check(s1::kSendToEmailMms), 1);
    EXPECT_EQ(d->check(s1::kSendToEmailGprs), 0);
    EXPECT_EQ(d->check(s1::kSendToPhoneMms), 0);

    d->setText(ids::kReportHour, "12");
    d->setText(ids::kReportHour, "123");
    EXPECT_EQ(d->text(ids::kReportHour), "23");
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "Arrange :0~23 Hour!");
}

TEST_F(S1Test, SendControlsShowOneKindAtATime) {
    open("PN250R");
    d->showSendControls(SendControls::MaxNumber);
    EXPECT_FALSE(d->visible(ids::kReportHour));
    EXPECT_TRUE(d->visible(ids::kMaxNumber));
    d->showSendControls(SendControls::ReportTime);
    EXPECT_TRUE(d->visible(ids::kReportMinute));
    EXPECT_FALSE(d->visible(ids::kMaxNumber));
    EXPECT_TRUE(host.boxes.empty());
}

// ---- Save, Exit, the banner ---------------------------------------------------------------------

TEST_F(S1Test, TheFactoryGivesEachOfTheFourModelsItsVariant) {
    for (const dialogs::Product& product : dialogs::catalogue()) {
        if (product.description != dialogs::s1Description) continue;
        pc.context.CurrentModelCode = std::string(product.modelCode);
        const auto dialog = createSettingsDialog(product, host, pc.context);
        auto* s1Dialog = dynamic_cast<SettingsDialog*>(dialog.get());
        ASSERT_NE(s1Dialog, nullptr) << product.displayName;
        EXPECT_EQ(s1Dialog->part<VariantsPart>()->variant(), product.variant);
    }
}
}  // namespace
}  // namespace qvt::dialogs
