// SPDX-License-Identifier: Apache-2.0
// The HX720U dialog: its template, opening, "Default(&D)", the Send To group, the PIR rule, Save with
// the game-call sound, Exit, and the messages worded its own way.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "dialogs/Hx720u.h"
#include "dialogs/DialogParts.h"
#include "dialogs/SettingsDialog.h"
#include "settings/KeyTable.h"
#include "settings/ProfileFile.h"
#include "settings/CardSaveFlow.h"
#include "support/DialogTestHost.h"

namespace qvt::dialogs {
namespace {

using ui::Icon;
namespace h = hx720u;
namespace fs = std::filesystem;

// A host whose file-open dialog returns a chosen path.
class FileChoosingHost : public test::RecordingHost {
public:
    std::optional<std::string> openFile(ui::Dialog*, const ui::FileRequest&) override { return chosen; }
    std::optional<std::string> chosen;
};

class Hx720uTest : public test::DialogFixture<hx720uDescription, FileChoosingHost> {
protected:
    fs::path cardFile() const { return pc.card / "GSM" / "HX720U.TXT"; }
};

// ---- template -----------------------------------------------------------------------------------

TEST(Hx720uTemplateTest, ItsOwnItemsAndTheControlsItLacks) {
    const ui::DialogTemplate t = hx720u::dialogTemplate();
    EXPECT_EQ(t.resourceId, 164);
    EXPECT_EQ(t.title, "QVT CONFIG : For HX720U");
    EXPECT_EQ(t.find(h::kPhotoSize)->items, (std::vector<std::string>{"5 M", "10M", "12M"}));
    const auto video = t.find(h::kVideoLength)->items;
    ASSERT_EQ(video.size(), 19u);
    EXPECT_EQ(video[0], "5   Sec");
    EXPECT_EQ(video[1], "10  Sec");
    EXPECT_EQ(video[9], "90  Sec");
    EXPECT_EQ(video[10], "100 Sec");
    EXPECT_EQ(video[18], "180 Sec");
    EXPECT_EQ(t.find(h::kSmsControl)->items, (std::vector<std::string>{"OFF", "ON"}));
    EXPECT_EQ(t.find(h::kStartMinute)->items[5], "05");
    EXPECT_EQ(t.find(h::kGameCallHour)->items[5], "5");
    EXPECT_EQ(t.find(h::kSendToCall)->text, "Call");
    // No Security Mode, work days, wake-up, "Test", "Email[MMS]"; the path list is 1135.
    for (int id : {1129, 1121, 1122, 1128, 1115, 1116, 1117, 1037, 1063, 1030}) EXPECT_EQ(t.find(id), nullptr) << id;
    ASSERT_NE(t.find(h::kPathList), nullptr);
    EXPECT_TRUE(t.find(h::kAudioField)->style.readOnly);
}

// Every control and fixed text is placed once (SettingsDialogsTest); here the order of row 3.
TEST(Hx720uTemplateTest, CameraRowThreeHoldsSmsControlCameraPositionAndVideoSize) {
    const ui::DialogTemplate t = hx720u::dialogTemplate();
    std::vector<std::string> texts;
    std::function<void(const ui::LayoutNode&)> walk = [&](const ui::LayoutNode& n) {
        if (n.kind == ui::LayoutNode::Kind::Group || n.kind == ui::LayoutNode::Kind::Text) texts.push_back(n.text);
        for (const auto& child : n.children) walk(child);
    };
    walk(t.layout);
    const auto at = std::find(texts.begin(), texts.end(), "SMS Control");
    ASSERT_NE(at, texts.end());
    EXPECT_EQ(*(at + 1), "Camera Position");
    EXPECT_EQ(*(at + 2), "Video Size");
    EXPECT_EQ(*(at + 3), "Game Call");
}
// ---- opening ------------------------------------------------------------------------------------

// ---- Default ------------------------------------------------------------------------------------

TEST_F(Hx720uTest, DefaultSetsItsOwnDefaultsAndFillsTheGameCallTimes) {
    open();
    click(h::kDefault);
    EXPECT_TRUE(host.boxes.empty());
    const std::pair<int, const char*> expected[] = {
        {h::kLanguage, "English"},   {h::kCameraMode, "Photo"},    {h::kPhotoSize, "5 M"},
        {h::kPhotoBurst, "1 Photo"}, {h::kVideoLength, "10  Sec"}, {h::kTimeLapse, "OFF"},
        {h::kPirTrigger, "Normal"},  {h::kPirInterval, "5  Sec"},  {h::kVideoSize, "1280*720"},
        {h::kGameCall, "OFF"},       {h::kCameraPosition, "OFF"},  {h::kSmsControl, "ON"},
        {h::kReplayTimes, "OFF"},    {h::kGameCallHour, "0"},      {h::kGameCallMinute, "0"},
        {h::kWorkHour, "OFF"},       {ids::kYear, "2024"},         {ids::kDay, "17"},
        {ids::kSecond, "30"}};
    for (const auto& [id, text] : expected) EXPECT_EQ(d->selText(id), text) << id;
    EXPECT_EQ(d->check(ids::kSendManual), 1);
    EXPECT_EQ(d->check(h::kSendToPhoneMms), 1);
    EXPECT_FALSE(d->visible(ids::kMaxNumber));
    for (int id : {h::kGameCallHour, h::kGameCallMinute, h::kReplayTimes, h::kChooseAudio, h::kAudioField,
                   h::kStartHour, h::kStopMinute})
        EXPECT_FALSE(d->enabled(id)) << id;
    EXPECT_EQ(d->sel(h::kStartHour), -1);
    EXPECT_EQ(d->rememberedTimeLapse(), 0);
    EXPECT_EQ(d->rememberedPirTrigger(), 1);
}

TEST_F(Hx720uTest, DefaultKeepsChosenGameCallTimesAndReplayTimes) {
    open();
    choose(h::kGameCall, 1);
    choose(h::kGameCallHour, 5);
    choose(h::kReplayTimes, 3);
    click(h::kDefault);
    EXPECT_EQ(d->sel(h::kGameCall), 0);
    EXPECT_EQ(d->sel(h::kGameCallHour), 5);
    EXPECT_EQ(d->sel(h::kReplayTimes), 3);
    EXPECT_FALSE(d->enabled(h::kGameCallHour));
}

// ---- rules --------------------------------------------------------------------------------------

TEST_F(Hx720uTest, SendToRadiosStayExclusiveAndAreStoredAsZeroToTwo) {
    open();
    click(h::kSendToPhoneMms);
    click(h::kSendToCall);
    EXPECT_EQ(d->check(h::kSendToPhoneMms), 0);
    EXPECT_EQ(d->check(h::kSendToEmailGprs), 0);
    EXPECT_EQ(d->check(h::kSendToCall), 1);
    ASSERT_TRUE(d->writeSettingsFile(settings::FileTarget::Card));
    EXPECT_EQ(settings::ProfileFile::fromBytes(test::readFile(cardFile())).get("Camera Setting", "Send To"), "2");
    click(h::kSendToEmailGprs);
    EXPECT_EQ(d->check(h::kSendToCall), 0);
    ASSERT_TRUE(d->writeSettingsFile(settings::FileTarget::Card));
    EXPECT_EQ(settings::ProfileFile::fromBytes(test::readFile(cardFile())).get("Camera Setting", "Send To"), "1");
}

TEST_F(Hx720uTest, SwitchesEnableTheirControls) {
    open();
    choose(h::kGameCall, 1);
    EXPECT_EQ(d->selText(h::kGameCallMinute), "0");
    EXPECT_EQ(d->selText(h::kReplayTimes), "OFF");
    EXPECT_TRUE(d->enabled(h::kChooseAudio));
    choose(h::kWorkHour, 1);
    EXPECT_EQ(d->selText(h::kStopHour), "00");
    choose(h::kWorkHour, 0);
    EXPECT_FALSE(d->enabled(h::kStopHour));
    EXPECT_EQ(d->selText(h::kStopHour), "00");
    click(ids::kSendDaily);
    EXPECT_TRUE(d->visible(ids::kReportHour));
    EXPECT_FALSE(d->visible(ids::kMaxNumber));
    d->setText(ids::kReportHour, "123");
    EXPECT_EQ(d->text(ids::kReportHour), "23");
    EXPECT_EQ(host.texts(), std::vector<std::string>{"Arrange :0~23 Hour!"});
}

TEST_F(Hx720uTest, ComboNumbersMoveBetweenListAndText) {
    open();
    choose(h::kLanguage, 3);
    EXPECT_EQ(settings::comboNumber(*d, h::kLanguage, 0), 3);
    settings::selectComboNumber(*d, h::kLanguage, "5", 0);
    EXPECT_EQ(d->sel(h::kLanguage), 5);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_FALSE(fs::exists(cardFile()));
}

// ---- Save and Exit ------------------------------------------------------------------------------

TEST_F(Hx720uTest, SaveWithGameCallOnAndNoAudioFileWritesOnlyTheSettings) {
    open();
    click(h::kDefault);
    choose(h::kGameCall, 1);
    click(1);
    ASSERT_EQ(host.boxes.size(), 2u);  // confirmation and report, nothing about the sound
    EXPECT_FALSE(fs::exists(pc.card / "DCIM"));
}

TEST_F(Hx720uTest, AFailedConversionIsReportedAfterTheSave) {
    pc.context.ffmpeg = (pc.dir / "no-such-tool").string();
    const fs::path sound = pc.dir / "call.mp3";
    test::writeFile(sound, "not really audio");
    open();
    click(h::kDefault);
    choose(h::kGameCall, 1);
    host.chosen = sound.string();
    click(h::kChooseAudio);
    EXPECT_EQ(d->text(h::kAudioField), sound.string());
    click(1);
    ASSERT_GE(host.boxes.size(), 3u);
    EXPECT_EQ(host.boxes.back().text, "Failed to transform audio file!");
    EXPECT_EQ(host.boxes.back().caption, "QVT Tips");
    EXPECT_EQ(host.boxes.back().icon, Icon::Warning);
    EXPECT_TRUE(fs::exists(cardFile())) << "the settings are saved all the same";
}

TEST_F(Hx720uTest, ExitLeavesTheToolFolderAlone) {
    open();
    const fs::path leftOver = pc.pc / "QVT_TEMP" / "ffmpeg.exe";
    test::writeFile(leftOver, "tool");
    click(2);
    EXPECT_TRUE(d->ended());
    EXPECT_EQ(d->result(), ui::Result::Cancel);
    EXPECT_TRUE(fs::exists(leftOver));
    EXPECT_FALSE(fs::exists(cardFile()));
}

}  // namespace
}  // namespace qvt::dialogs
