// SPDX-License-Identifier: Apache-2.0
// The HX710T-10M dialog: its template, opening, "Default(&D)", Save, Exit and the radio readers.
#include <gtest/gtest.h>

#include <memory>

#include "dialogs/Hx710t.h"
#include "dialogs/DialogParts.h"
#include "dialogs/SettingsDialog.h"
#include "settings/CardSaveFlow.h"
#include "support/DialogTestHost.h"

namespace qvt::dialogs {
namespace {

using ui::Icon;
namespace h = hx710t;

constexpr int kDays[7] = {1128, 1122, 1123, 1124, 1125, 1126, 1127};

// A host whose file-open dialog returns a chosen path.
class FileChoosingHost : public test::RecordingHost {
public:
    std::optional<std::string> openFile(ui::Dialog*, const ui::FileRequest&) override { return chosen; }
    std::optional<std::string> chosen;
};

class Hx710tTest : public test::DialogFixture<hx710tDescription, FileChoosingHost> {
protected:
    // The conversion tool's folder, which opening empties and every way out empties again.
    std::filesystem::path toolFolder() const { return pc.pc / "QVT_TEMP"; }
};

// ---- template -----------------------------------------------------------------------------------

// The generated option lists, against the texts the camera users know (blanks included).
TEST(Hx710tTemplateTest, GeneratedOptionLists) {
    const ui::DialogTemplate t = hx710t::dialogTemplate();
    EXPECT_EQ(t.resourceId, 102);
    EXPECT_EQ(t.title, "QVT CONFIG : For HX710T-10M");
    auto items = [&](int id) { return t.find(id)->items; };
    const auto video = items(h::kVideoLength);
    ASSERT_EQ(video.size(), 18u);
    EXPECT_EQ(video[0], "10  Sec");
    EXPECT_EQ(video[8], "90  Sec");
    EXPECT_EQ(video[9], "100 Sec");
    EXPECT_EQ(video[17], "180 Sec");
    const auto pir = items(h::kPirInterval);
    ASSERT_EQ(pir.size(), 28u);
    EXPECT_EQ(pir[1], "5  Sec");
    EXPECT_EQ(pir[12], "1  Min");
    EXPECT_EQ(pir[17], "10 Min");
    EXPECT_EQ(pir[27], "60 Min");
    const auto lapse = items(h::kTimeLapse);
    ASSERT_EQ(lapse.size(), 20u);
    EXPECT_EQ(lapse[1], "5  Min");
    EXPECT_EQ(lapse[12], "1  Hour");
    EXPECT_EQ(lapse[19], "8  Hour");
    EXPECT_EQ(items(h::kCameraPosition)[26], "Z");
    EXPECT_EQ(items(h::kReplayTimes)[99], "99");
    EXPECT_EQ(items(ids::kMaxNumber)[100], "Unlimited");
    EXPECT_EQ(items(h::kStopMinute)[5], "05");  // work-hour times have two digits, game-call times not
    EXPECT_EQ(items(h::kGameCallMinute)[5], "5");
    EXPECT_EQ(items(ids::kYear).back(), "2113");
}

// ---- opening ------------------------------------------------------------------------------------

// What the shared opening test does not look at: the game call's and the report's controls are usable.
TEST_F(Hx710tTest, OpeningLeavesTheGameCallAndReportControlsUsable) {
    open();
    for (int id : {h::kGameCallHour, h::kStartHour, h::kChooseAudio, h::kAudioField}) EXPECT_TRUE(d->enabled(id));
    for (int id : {ids::kMaxNumber, ids::kReportHour, ids::kReportMinute}) EXPECT_TRUE(d->visible(id));
}

TEST_F(Hx710tTest, CountryListIsSortedWithOthersLast) {
    open();
    ASSERT_EQ(d->count(h::kCountryList), 26);
    EXPECT_EQ(d->itemText(h::kCountryList, 0), "Australia");
    EXPECT_EQ(d->itemText(h::kCountryList, 1), "Austria");
    EXPECT_EQ(d->itemText(h::kCountryList, 22), "UK");
    EXPECT_EQ(d->itemText(h::kCountryList, 23), "Ukraine");
    EXPECT_EQ(d->itemText(h::kCountryList, 24), "USA");
    EXPECT_EQ(d->itemText(h::kCountryList, 25), "Others");
    EXPECT_EQ(d->sel(h::kCountryList), -1);
    EXPECT_EQ(d->count(h::kOperatorList), 0);
}

// ---- Default ------------------------------------------------------------------------------------

TEST_F(Hx710tTest, DefaultFillsTheDefaultsAndThePcClock) {
    open();
    click(h::kDefault);
    EXPECT_TRUE(host.boxes.empty());
    const std::pair<int, const char*> expected[] = {
        {h::kLanguage, "English"},    {h::kCameraMode, "Photo"},   {h::kPhotoSize, "5M"},   {h::kPhotoBurst, "1 Photo"},
        {h::kVideoLength, "10  Sec"}, {h::kPirInterval, "5  Sec"}, {h::kTimeLapse, "OFF"},  {h::kPirTrigger, "Normal"},
        {h::kSecurityMode, "OFF"},    {h::kVideoSize, "1280*720"}, {h::kSmsControl, "OFF"}, {h::kCameraPosition, "OFF"},
        {h::kGameCall, "OFF"},        {h::kReplayTimes, "OFF"},    {h::kWorkHour, "OFF"},   {ids::kYear, "2024"},
        {ids::kMonth, "5"},           {ids::kDay, "17"},           {ids::kHour, "10"},      {ids::kMinute, "20"},
        {ids::kSecond, "30"}};
    for (const auto& [id, text] : expected) EXPECT_EQ(d->selText(id), text) << id;
    EXPECT_EQ(d->check(ids::kSendManual), 1);
    EXPECT_EQ(d->check(h::kSendToPhoneMms), 1);
    for (int id : {ids::kMaxNumber, ids::kReportHour, ids::kReportMinute}) EXPECT_FALSE(d->visible(id));
    for (int id : kDays) EXPECT_EQ(d->check(id), 1);
    EXPECT_EQ(d->check(ids::kWorkDayBox), 1);
    for (int id : {h::kStartHour, h::kStartMinute, h::kStopHour, h::kStopMinute}) {
        EXPECT_FALSE(d->enabled(id));
        EXPECT_EQ(d->sel(id), -1);
    }
    for (int id : {h::kGameCallHour, h::kGameCallMinute, h::kReplayTimes, h::kChooseAudio, h::kAudioField})
        EXPECT_FALSE(d->enabled(id));
    EXPECT_EQ(d->sel(h::kGameCallHour), -1);  // variant 2: blank lists stay blank
    EXPECT_EQ(d->rememberedTimeLapse(), 0);
    EXPECT_EQ(d->rememberedPirTrigger(), 1);
}

TEST_F(Hx710tTest, DefaultKeepsWhatItDoesNotOwn) {
    open();
    choose(h::kGameCall, 1);
    choose(h::kGameCallHour, 5);
    choose(h::kGameCallMinute, 6);
    choose(h::kReplayTimes, 3);
    click(ids::kSendInstant);
    choose(ids::kMaxNumber, 42);
    d->setText(ids::kReportHour, "07");
    d->setText(h::kAdminNumber, "+4912345");
    click(h::kDefault);
    EXPECT_EQ(d->sel(h::kGameCall), 0);
    for (int id : {h::kGameCallHour, h::kGameCallMinute, h::kReplayTimes, h::kChooseAudio, h::kAudioField})
        EXPECT_FALSE(d->enabled(id));
    EXPECT_EQ(d->sel(h::kGameCallHour), 5);
    EXPECT_EQ(d->sel(h::kGameCallMinute), 6);
    EXPECT_EQ(d->sel(h::kReplayTimes), 3);
    EXPECT_EQ(d->check(ids::kSendManual), 1);
    EXPECT_EQ(d->check(ids::kSendInstant), 0);
    EXPECT_FALSE(d->visible(ids::kMaxNumber));
    EXPECT_EQ(d->sel(ids::kMaxNumber), 42);
    EXPECT_EQ(d->text(ids::kReportHour), "07");
    EXPECT_EQ(d->text(h::kAdminNumber), "+4912345");
    EXPECT_FALSE(std::filesystem::exists(pc.cardFile()));  // Default never writes
}

// ---- radios as the file stores them -------------------------------------------------------------

TEST_F(Hx710tTest, StoredSendModeActsAsAClick) {
    open();
    d->setSendModeRadios("2");
    EXPECT_EQ(d->check(ids::kSendInstant), 1);
    EXPECT_TRUE(d->visible(ids::kMaxNumber));
    EXPECT_FALSE(d->visible(ids::kReportHour));
    d->setSendModeRadios("1x");  // leading digits count
    EXPECT_EQ(d->check(ids::kSendDaily), 1);
    EXPECT_EQ(d->check(ids::kSendInstant), 0);
    EXPECT_TRUE(d->visible(ids::kReportHour));
    for (const char* stored : {"5", "", "-1"}) {
        d->setSendModeRadios("1");
        d->setSendModeRadios(stored);
        for (int id : {ids::kSendManual, ids::kSendDaily, ids::kSendInstant, ids::kSendOff})
            EXPECT_EQ(d->check(id), 0) << stored;
        for (int id : {ids::kMaxNumber, ids::kReportHour, ids::kReportMinute}) EXPECT_FALSE(d->visible(id)) << stored;
    }
    d->setSendModeRadios("abc");  // no leading digits: 0, "Manual"
    EXPECT_EQ(d->check(ids::kSendManual), 1);
    d->setSendModeRadios("3");  // the last value, "Off"
    EXPECT_EQ(d->check(ids::kSendOff), 1);
    EXPECT_EQ(d->check(ids::kSendManual), 0);
}

TEST_F(Hx710tTest, StoredSendToChecksOneOrNone) {
    open();
    d->part<RadioGroupPart>()->setFromFile("3");
    EXPECT_EQ(d->check(h::kSendToCall), 1);
    d->part<RadioGroupPart>()->setFromFile("1");
    EXPECT_EQ(d->check(h::kSendToEmailMms), 1);
    EXPECT_EQ(d->check(h::kSendToCall), 0);
    d->part<RadioGroupPart>()->setFromFile("02");
    EXPECT_EQ(d->check(h::kSendToEmailGprs), 1);
    d->part<RadioGroupPart>()->setFromFile("7");
    for (int id : {h::kSendToPhoneMms, h::kSendToEmailMms, h::kSendToEmailGprs, h::kSendToCall})
        EXPECT_EQ(d->check(id), 0);
}

// ---- Save, Exit, the banner ---------------------------------------------------------------------

TEST_F(Hx710tTest, SaveWithGameCallOffConvertsNoSound) {
    pc.context.ffmpeg = (pc.dir / "no-such-tool").string();
    const std::filesystem::path sound = pc.dir / "call.mp3";
    test::writeFile(sound, "not really audio");
    open();
    host.chosen = sound.string();
    click(h::kChooseAudio);
    d->pressKey(ui::Key::Enter);
    EXPECT_TRUE(std::filesystem::exists(pc.cardFile()));
    ASSERT_EQ(host.boxes.size(), 2u);  // confirmation and report, nothing about the sound
    EXPECT_FALSE(std::filesystem::exists(pc.card / "DCIM"));
}
TEST_F(Hx710tTest, SaveWithGameCallOnPlacesTheSoundAndReportsFailure) {
    pc.context.ffmpeg = (pc.dir / "no-such-tool").string();
    const std::filesystem::path sound = pc.dir / "call.mp3";
    test::writeFile(sound, "not really audio");
    open();
    choose(h::kGameCall, 1);
    host.chosen = sound.string();
    click(h::kChooseAudio);
    click(1);
    EXPECT_TRUE(std::filesystem::exists(pc.cardFile()));
    ASSERT_GE(host.boxes.size(), 3u);
    EXPECT_EQ(host.boxes.back().text, "Failed to transform audio file!");
    EXPECT_EQ(host.boxes.back().icon, Icon::Warning);
    EXPECT_EQ(host.boxes.back().caption, "QVT Tips");
    EXPECT_FALSE(d->ended());  // the dialog stays open
}

TEST_F(Hx710tTest, EveryWayOutClearsTheTempFolderAndSavesNothing) {
    for (int way = 0; way < 3; ++way) {
        open();
        test::writeFile(toolFolder() / "ffmpeg.exe", "tool");
        if (way == 0) click(2);
        if (way == 1) d->pressKey(ui::Key::Escape);
        if (way == 2) d->closeBox();
        EXPECT_TRUE(d->ended());
        EXPECT_EQ(d->result(), ui::Result::Cancel);
        EXPECT_TRUE(std::filesystem::is_empty(toolFolder()));
    }
    EXPECT_FALSE(std::filesystem::exists(pc.cardFile()));
    EXPECT_TRUE(host.boxes.empty());
}

}  // namespace
}  // namespace qvt::dialogs
