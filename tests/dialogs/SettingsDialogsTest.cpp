// SPDX-License-Identifier: Apache-2.0
// What the five settings dialogs share, each in its own wording: the layout, the factory, Save,
// a pulled card, the ways out, the banner, the Time Lapse / PIR Trigger rule, a wrong PC clock, and
// how the settings file is recognised and kept. Each dialog's own behaviour is tested in its own files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <tuple>

#include "dialogs/Catalogue.h"
#include "dialogs/Hx710t.h"
#include "dialogs/DialogParts.h"
#include "dialogs/SettingsDialog.h"
#include "dialogs/Hx720u.h"
#include "dialogs/Lp300.h"
#include "dialogs/S1.h"
#include "dialogs/Vex2.h"
#include "settings/CardSaveFlow.h"
#include "support/DialogTestHost.h"
#include "support/ProductCases.h"
#include "operators/MessagingState.h"

namespace qvt::dialogs {
namespace {

namespace fs = std::filesystem;
using ui::Icon;

void choose(ui::Dialog& d, int id, int pos) {
    d.select(id, pos);
    d.notify(id, ui::Event::SelChange);
}
void click(ui::Dialog& d, int id) {
    d.notify(id, ui::Event::Clicked);
}

// The shared product row names the product the dialog opens for; the rest is the dialog's own.
struct DialogCase {
    const char* product;
    dialogs::DescriptionOf description;
    ui::DialogTemplate (*dialogTemplate)();
    int pirTrigger;
    const char* volumeMissingBefore;
    const char* volumeMissingAfter;
    const char* pirTriggerOff;             // PIR Trigger set to "OFF" while Time Lapse is "OFF"
    const char* timeLapseOff;              // and the other way round
    std::vector<const char*> layoutTexts;  // fixed texts of the layout, each there once
    // What a user changes before the file is written and read back; the controls the file does not
    // restore; edits that read back in another form; Time Lapse and PIR Trigger remembered on reading.
    void (*changeSettings)(ui::Dialog&, operators::OperatorParams&);
    std::vector<int> notReadBack;
    std::map<int, std::string> readBackTexts;
    int rememberedTimeLapse, rememberedPirTrigger;
};

void PrintTo(const DialogCase& c, std::ostream* os) {
    *os << c.product;
}

const char* const kSaveFile = "Attention Please ,The Data Above Will Be Saved In The Following  File: ";
const char* const kMainPirOff =
    "The status of \"PIR Tirgger\" and \"Time Lapse\" can not be \"OFF\" at the same time !";
const char* const kMainLapseOff =
    "The status of \"Time Lapse\" and \"PIR Tirgger\" can not be \"OFF\" at the same time !";
const char* const kNamedPirOff = "\"PIR Trigger\" and \"Time Lapse\" can not be \"OFF\" at the same time !";
const char* const kNamedLapseOff = "\"Time Lapse\" and \"PIR Trigger\" can not be \"OFF\" at the same time !";
const char* const kTheVolume = "Can't find the volume \"";
const char* const kTryAgain = "\",Please check connection and Try again !";
const char* const kOfYourDevice = "\",Please check connection of your device and try again !";

// clang-format off
const DialogCase kDialogs[] = {
    {.product = "HX710T", .description = dialogs::hx710tDescription,
     .dialogTemplate = hx710t::dialogTemplate,
     .pirTrigger = hx710t::kPirTrigger,
     .volumeMissingBefore = "Can't find volume \"", .volumeMissingAfter = kOfYourDevice,
     .pirTriggerOff = kMainPirOff, .timeLapseOff = kMainLapseOff,
     .layoutTexts = {" Camera Setting ", " WAP Setting / Internet Setting / Customer Information Setting ",
                     " Send Mode ", " Send To ", " Customer Information Setting ", kSaveFile, "Set Clock Y:",
                     "Replay Times", "Admin Number :"},
     .changeSettings = [](ui::Dialog& d, operators::OperatorParams& params) {
         namespace h = hx710t;
         click(d, h::kDefault);
         choose(d, h::kGameCall, 1);
         choose(d, h::kGameCallHour, 21);
         choose(d, h::kWorkHour, 1);
         choose(d, h::kStopHour, 17);
         click(d, ids::kSendDaily);
         d.setText(ids::kReportHour, "9");
         d.setText(ids::kReportMinute, "45");
         click(d, h::kSendToEmailGprs);
         click(d, 1125);  // Thursday off
         choose(d, h::kTimeLapse, 13);
         d.setText(h::kAdminNumber, "+49 171 555");
         params.URL = "http://mms.example";
     },
     .notReadBack = {hx710t::kAudioField, hx710t::kPathList}, .readBackTexts = {{ids::kReportHour, "09"}},
     .rememberedTimeLapse = 13, .rememberedPirTrigger = 1},
    {.product = "HX720U", .description = dialogs::hx720uDescription,
     .dialogTemplate = hx720u::dialogTemplate,
     .pirTrigger = hx720u::kPirTrigger,
     .volumeMissingBefore = kTheVolume, .volumeMissingAfter = kTryAgain,
     .pirTriggerOff = kNamedPirOff, .timeLapseOff = kNamedLapseOff,
     .layoutTexts = {" Send To ", " Send Mode ", "Work Hour", "Set Clock Y:", "Replay Times"},
     .changeSettings = [](ui::Dialog& d, operators::OperatorParams& params) {
         namespace h = hx720u;
         click(d, h::kDefault);
         choose(d, h::kGameCall, 1);
         choose(d, h::kGameCallHour, 5);
         choose(d, h::kWorkHour, 1);
         choose(d, h::kStopHour, 17);
         click(d, h::kSendToCall);
         choose(d, h::kTimeLapse, 13);
         d.setText(1134, "+49 171");
         params.URL = "http://mms.example";
         params.SendEmailPort = "465";
     },
     .notReadBack = {hx720u::kAudioField, hx720u::kPathList}, .readBackTexts = {},
     .rememberedTimeLapse = 13, .rememberedPirTrigger = 1},
    {.product = "LP300", .description = dialogs::lp300Description,
     .dialogTemplate = lp300::dialogTemplate,
     .pirTrigger = lp300::kPirTrigger,
     .volumeMissingBefore = kTheVolume, .volumeMissingAfter = kTryAgain,
     .pirTriggerOff = "The status of \"PIR Tirgger\" and \"Time Lapse\" can not be \"OFF\" at the same Time !",
     .timeLapseOff = "The status of \"Time Lapse\" and \"PIR Tirgger\" can Not Be \"OFF\" at the same time !",
     .layoutTexts = {" Camera Setting ", " Send To ", "Set Clock Y:", kSaveFile},
     .changeSettings = [](ui::Dialog& d, operators::OperatorParams& params) {
         namespace l = lp300;
         click(d, l::kDefault);
         choose(d, l::kWorkMode, 1);
         choose(d, l::kWorkHour, 1);
         choose(d, l::kStopHour, 17);
         click(d, l::kSendToCall);
         click(d, 1125);  // Thursday off
         choose(d, l::kTimeLapse, 13);
         d.setText(1134, "+49 171");
         params.URL = "http://mms.example";
     },
     .notReadBack = {lp300::kPathList}, .readBackTexts = {},
     .rememberedTimeLapse = 13, .rememberedPirTrigger = 1},
    {.product = "VEX2", .description = dialogs::vex2Description,
     .dialogTemplate = vex2::dialogTemplate,
     .pirTrigger = vex2::kPirTrigger,
     .volumeMissingBefore = kTheVolume, .volumeMissingAfter = kTryAgain,
     .pirTriggerOff = kNamedPirOff, .timeLapseOff = kNamedLapseOff,
     .layoutTexts = {" Camera Setting ", " Temperature Format ", " Send To ", " Customer Information Setting ",
                     "Time Format", "PIR Interval", "Time Lapse", "PIR Trigger", "Set Clock Y:", "Select Country",
                     "Select Operator", kSaveFile},
     .changeSettings = [](ui::Dialog& d, operators::OperatorParams& params) {
         namespace v = vex2;
         click(d, v::kDefault);
         choose(d, v::kTimeLapse, 13);
         choose(d, v::kPirTrigger, 3);
         d.select(v::kTimeFormat, 1);
         click(d, v::kCelsius);
         click(d, v::kSendToEmail);
         d.setText(1134, "+49 171 555");
         d.setText(1014, "me@example.org");
         params.URL = "http://mms.example";
         params.SendEmailPort = "25";
     },
     .notReadBack = {vex2::kCountryList, vex2::kOperatorList, vex2::kPathList}, .readBackTexts = {},
     .rememberedTimeLapse = 13, .rememberedPirTrigger = 3},
    {.product = "PN450RT", .description = dialogs::s1Description,
     .dialogTemplate = s1::dialogTemplate,
     .pirTrigger = s1::kPirTrigger,
     .volumeMissingBefore = kTheVolume, .volumeMissingAfter = kOfYourDevice,
     .pirTriggerOff = kMainPirOff, .timeLapseOff = kMainLapseOff,
     .layoutTexts = {" Camera Setting ", " WAP Setting / Internet Setting / Customer Information Setting ",
                     " Send Mode ", " Send To ", " Customer Information Setting ", "Work Hour", "Start Time",
                     "Stop Time", "Set Clock Y:", "Select Country", "Select Operator", kSaveFile},
     .changeSettings = [](ui::Dialog& d, operators::OperatorParams& params) {
         click(d, s1::kDefault);
         choose(d, s1::kWorkHour, 1);
         choose(d, s1::kStartHour, 6);
         choose(d, s1::kTimeLapse, 13);
         choose(d, s1::kSmsControl, 1);
         click(d, ids::kSendDaily);
         d.setText(ids::kReportHour, "9");
         d.setText(ids::kReportMinute, "45");
         click(d, s1::kSendToEmailMms);
         d.setText(1014, "last@example.com");
         params.URL = "http://mms.example";
     },
     .notReadBack = {s1::kPathList}, .readBackTexts = {{ids::kReportHour, "09"}},
     .rememberedTimeLapse = 13, .rememberedPirTrigger = 1},
};
// clang-format on

class SettingsDialogs : public ::testing::TestWithParam<DialogCase> {
protected:
    const DialogCase& c() const { return GetParam(); }
    const test::ProductCase& product() const { return test::productCase(c().product); }
    ui::Dialog& open() {
        const dialogs::Product* row = dialogs::findProductByModelCode(product().modelCode);
        EXPECT_NE(row, nullptr) << product().modelCode;
        pc.context.CurrentModelCode = product().modelCode;
        d = createSettingsDialog(*row, host, pc.context);
        d->init();
        return *d;
    }
    void choose(int id, int pos) { dialogs::choose(*d, id, pos); }
    void click(int id) { dialogs::click(*d, id); }
    SettingsDialog& settings() { return dynamic_cast<SettingsDialog&>(*d); }
    fs::path cardFile() const { return pc.card / "GSM" / (std::string(product().fileCode) + ".TXT"); }
    fs::path backupFile() const { return pc.pc / "LumbrakonBackup" / (std::string(product().fileCode) + ".TXT"); }

    test::TestPc pc;
    test::RecordingHost host;
    std::unique_ptr<ui::Dialog> d;
};

TEST_P(SettingsDialogs, LayoutPlacesEveryControlAndFixedTextOnce) {
    const ui::DialogTemplate t = c().dialogTemplate();
    std::multiset<int> placed;
    std::multiset<std::string> texts;
    std::function<void(const ui::LayoutNode&)> walk = [&](const ui::LayoutNode& n) {
        if (n.kind == ui::LayoutNode::Kind::Control) placed.insert(n.id);
        if (n.kind == ui::LayoutNode::Kind::Group || n.kind == ui::LayoutNode::Kind::Text) texts.insert(n.text);
        for (const auto& child : n.children) walk(child);
    };
    walk(t.layout);
    for (const auto& control : t.controls) EXPECT_EQ(placed.count(control.id), 1u) << control.id;
    EXPECT_EQ(placed.size(), t.controls.size());
    for (const char* text : c().layoutTexts) EXPECT_EQ(texts.count(text), 1u) << text;
}

TEST_P(SettingsDialogs, TheFactoryOpensThisDialogForItsProductsOnly) {
    int products = 0;
    for (const dialogs::Product& product : dialogs::catalogue()) {
        pc.context.CurrentModelCode = std::string(product.modelCode);
        const auto dialog = createSettingsDialog(product, host, pc.context);
        const bool mine = product.description == c().description;
        EXPECT_EQ(&dynamic_cast<SettingsDialog&>(*dialog).description() == &c().description(), mine)
            << product.displayName;
        EXPECT_EQ(dialog->tmpl().resourceId, product.dialogResource) << product.displayName;
        if (mine) {
            EXPECT_EQ(product.dialogResource, c().dialogTemplate().resourceId) << product.displayName;
        }
        products += mine;
    }
    EXPECT_EQ(products, c().description == dialogs::s1Description ? 4 : 1);
}

// On an empty card nothing is chosen, the card is the save target, and the folders Save needs exist;
// a product with a game call stages its conversion tool afresh.
TEST_P(SettingsDialogs, OpeningWithoutAnyFileLeavesEverythingBlank) {
    const fs::path toolFolder = pc.pc / "QVT_TEMP";
    test::writeFile(toolFolder / "stale.wav", "left from an earlier run");
    open();
    EXPECT_TRUE(host.boxes.empty());
    for (int id : product().blankOnOpen) EXPECT_EQ(d->sel(id), -1) << id;
    for (int id : product().clearOnOpen) EXPECT_EQ(d->check(id), 0) << id;
    for (const auto& [id, text] : product().textsOnOpen) EXPECT_EQ(d->text(id), text) << id;
    EXPECT_EQ(settings().rememberedTimeLapse(), -1);
    EXPECT_EQ(settings().rememberedPirTrigger(), -1);
    EXPECT_EQ(settings().saveFlow().cardFilePath(), cardFile().string());
    EXPECT_EQ(d->selText(product().pathList), cardFile().string());
    EXPECT_TRUE(fs::is_directory(pc.card / "GSM"));
    EXPECT_TRUE(fs::is_directory(pc.pc / "LumbrakonBackup"));
    EXPECT_EQ(fs::exists(toolFolder / "stale.wav"), !product().gameCall);
    EXPECT_FALSE(fs::exists(cardFile()));
}

TEST_P(SettingsDialogs, EnterAsksFirstAndSavesOnlyOnOk) {
    open();
    host.answers.push_back(ui::Answer::Cancel);
    d->pressKey(ui::Key::Enter);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, product().confirm);
    EXPECT_EQ(host.boxes[0].icon, Icon::Question);
    EXPECT_FALSE(fs::exists(cardFile()));
    EXPECT_FALSE(d->ended());

    d->pressKey(ui::Key::Enter);
    ASSERT_EQ(host.boxes.size(), 3u) << "confirmation and report";
    EXPECT_EQ(host.boxes[2].text, product().savedIn + std::string("\" ") + cardFile().string() + " \" !");
    EXPECT_EQ(host.boxes[2].icon, Icon::Information);
    EXPECT_TRUE(fs::exists(cardFile()));
    EXPECT_EQ(test::readFile(backupFile()), test::readFile(cardFile()));
    EXPECT_FALSE(d->ended()) << "the dialog stays open";
}

TEST_P(SettingsDialogs, SavingWithTheCardPulledOutNamesTheVolume) {
    open();
    fs::remove_all(pc.card);
    click(1);
    ASSERT_FALSE(host.boxes.empty());
    EXPECT_EQ(host.boxes[0].text,
              c().volumeMissingBefore + platform::Volumes::rootText(pc.card) + c().volumeMissingAfter);
    EXPECT_EQ(host.boxes[0].caption, "QVT_Tips");
    EXPECT_EQ(host.boxes[0].icon, Icon::Warning);
    EXPECT_FALSE(fs::exists(cardFile()));
    EXPECT_FALSE(d->ended());
}

TEST_P(SettingsDialogs, HelpIsHandledAndEveryWayOutCancelsWithoutSaving) {
    const std::function<void(ui::Dialog&)> ways[] = {[](ui::Dialog& dialog) { dialog.notify(2, ui::Event::Clicked); },
                                                     [](ui::Dialog& dialog) { dialog.pressKey(ui::Key::Escape); },
                                                     [](ui::Dialog& dialog) { dialog.closeBox(); }};
    for (const auto& leave : ways) {
        open();
        d->pressKey(ui::Key::F1);
        EXPECT_FALSE(d->ended());
        leave(*d);
        EXPECT_TRUE(d->ended());
        EXPECT_EQ(d->result(), ui::Result::Cancel);
    }
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_TRUE(host.modalTitles.empty());
    EXPECT_FALSE(fs::exists(cardFile()));
}

TEST_P(SettingsDialogs, TheBannerOpensTheAboutBoxAndChangesNoSetting) {
    open();
    click(product().defaultButton);
    std::map<int, std::tuple<int, int, std::string, bool, bool>> before;
    for (const auto& [id, control] : d->controls())
        before[id] = {control.sel, control.check, control.text, control.enabled, control.visible};
    click(product().banner);
    EXPECT_EQ(host.modalTitles, std::vector<std::string>{"About QVT CONFIG"});
    for (const auto& [id, control] : d->controls())
        EXPECT_EQ(before[id],
                  std::make_tuple(control.sel, control.check, control.text, control.enabled, control.visible))
            << id;
    EXPECT_FALSE(d->ended());
}

TEST_P(SettingsDialogs, TimeLapseAndPirTriggerAreNeverBothOff) {
    open();
    click(product().defaultButton);  // Time Lapse "OFF", PIR Trigger "Normal"
    choose(c().pirTrigger, 3);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, c().pirTriggerOff);
    EXPECT_EQ(host.boxes[0].caption, "QVT Tips");
    EXPECT_EQ(host.boxes[0].icon, Icon::Warning);
    EXPECT_EQ(d->selText(c().pirTrigger), "Normal");

    choose(ids::kTimeLapse, 2);
    choose(c().pirTrigger, 3);  // accepted: Time Lapse is not "OFF"
    choose(ids::kTimeLapse, 0);
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[1].text, c().timeLapseOff);
    EXPECT_EQ(d->selText(ids::kTimeLapse), "10 Min");
    EXPECT_EQ(d->selText(c().pirTrigger), "OFF");
}

TEST_P(SettingsDialogs, DefaultOnAWrongPcClockWarnsAndStartsTheClockAtItsFirstItems) {
    pc.context.clock = platform::Clock({2012, 12, 31, 23, 59, 59});
    open();
    click(product().defaultButton);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "Attention: Current system time is wrong !");
    EXPECT_EQ(host.boxes[0].icon, Icon::Warning);
    for (int id : {ids::kYear, ids::kMonth, ids::kDay, ids::kHour, ids::kMinute, ids::kSecond})
        EXPECT_EQ(d->sel(id), 0) << id;
    EXPECT_EQ(d->selText(ids::kYear), "2013");
    EXPECT_EQ(d->selText(c().pirTrigger), "Normal") << "the other defaults are set all the same";
}

// ---- the settings file --------------------------------------------------------------------------

TEST_P(SettingsDialogs, OnlyAFileMarkedWithTheExactFileCodeIsRead) {
    const std::string code = product().fileCode;
    std::string lower = code;
    for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    const std::pair<std::string, bool> marks[] = {
        {code, true},
        {"  " + code + " ", true},
        {lower, false},
        {code + "-10M", false},
        {product().modelCode, product().modelCode == code}};  // the VEX 2.0's file code differs from its name
    for (const auto& [mark, valid] : marks) {
        test::writeFile(cardFile(), "[QVTFileMark]\r\nModel=" + mark + "\r\n[Camera Setting]\r\nTime Lapse=1\r\n");
        open();
        EXPECT_EQ(d->sel(ids::kTimeLapse), valid ? 1 : -1) << "'" << mark << "'";
        EXPECT_TRUE(fs::exists(cardFile())) << "an invalid file on the card is kept until Save: '" << mark << "'";
    }
    EXPECT_TRUE(host.boxes.empty());
}

TEST_P(SettingsDialogs, BothOffInAFileLeavesPirTriggerBlankWithoutAMessage) {
    test::writeFile(cardFile(), "[QVTFileMark]\r\nModel=" + std::string(product().fileCode) +
                                    "\r\n[Camera Setting]\r\nTime Lapse=0\r\nPIR Trigger=3\r\n");
    open();
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(d->selText(ids::kTimeLapse), "OFF");
    EXPECT_EQ(d->sel(c().pirTrigger), -1);
    EXPECT_EQ(settings().rememberedTimeLapse(), 0);
    EXPECT_EQ(settings().rememberedPirTrigger(), -1);
}

// The card has no file: the backup is read, and written back with its keys where they were.
TEST_P(SettingsDialogs, TheBackupIsReadAndKeepsItsKeyOrderAndItsFolderIsMadeAgain) {
    test::writeFile(backupFile(),
                    "[Camera Setting]\r\nTime Lapse=3\r\n[QVTFileMark]\r\nModel=" + std::string(product().fileCode) + "\r\n");
    open();
    EXPECT_EQ(d->sel(ids::kTimeLapse), 3);
    d->select(ids::kTimeLapse, 2);
    ASSERT_TRUE(settings().writeSettingsFile(settings::FileTarget::Backup));
    const std::string bytes = test::readFile(backupFile());
    EXPECT_EQ(bytes.rfind("[Camera Setting]\r\nTime Lapse=2\r\n", 0), 0u) << bytes;
    EXPECT_NE(bytes.find("[QVTFileMark]\r\nModel=" + std::string(product().fileCode) + "\r\n"), std::string::npos);

    fs::remove_all(pc.pc / "LumbrakonBackup");
    EXPECT_TRUE(settings().writeSettingsFile(settings::FileTarget::Backup));
    EXPECT_TRUE(fs::exists(backupFile()));
    EXPECT_FALSE(fs::exists(cardFile())) << "the card is not written";
}

TEST_P(SettingsDialogs, WhatIsWrittenReadsBackTheSame) {
    open();
    c().changeSettings(*d, pc.context.messaging().params);
    ASSERT_TRUE(settings().writeSettingsFile(settings::FileTarget::Card));
    const std::map<int, ui::Control> before = d->controls();
    const operators::OperatorParams params = pc.context.messaging().params;

    pc.context.messaging() = {};
    host.boxes.clear();
    open();
    EXPECT_TRUE(host.boxes.empty());
    for (const auto& [id, written] : before) {
        if (std::find(c().notReadBack.begin(), c().notReadBack.end(), id) != c().notReadBack.end()) continue;
        const ui::Control& read = d->control(id);
        EXPECT_EQ(read.sel, written.sel) << id;
        EXPECT_EQ(read.check, written.check) << id;
        EXPECT_EQ(read.enabled, written.enabled) << id;
        EXPECT_EQ(read.visible, written.visible) << id;
        EXPECT_EQ(read.items, written.items) << id;
        const auto changed = c().readBackTexts.find(id);
        EXPECT_EQ(read.text, changed == c().readBackTexts.end() ? written.text : changed->second) << id;
    }
    EXPECT_EQ(pc.context.messaging().params.URL, params.URL);
    EXPECT_EQ(pc.context.messaging().params.SendEmailPort, params.SendEmailPort);
    EXPECT_EQ(settings().rememberedTimeLapse(), c().rememberedTimeLapse);
    EXPECT_EQ(settings().rememberedPirTrigger(), c().rememberedPirTrigger);
}

INSTANTIATE_TEST_SUITE_P(FiveDialogs, SettingsDialogs, ::testing::ValuesIn(kDialogs),
                         [](const ::testing::TestParamInfo<DialogCase>& row) { return std::string(row.param.product); });

}  // namespace
}  // namespace qvt::dialogs
