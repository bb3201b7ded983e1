// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "dialogs/AdvancedSetupDialog.h"
#include "dialogs/WapInternetDialog.h"
#include "operators/OperatorTables.h"
#include "support/DialogTestHost.h"
#include "support/RecordingHost.h"
#include "operators/MessagingState.h"

namespace qvt::test {
namespace {

using dialogs::AdvancedSetupDialog;
using dialogs::WapInternetDialog;
using operators::OperatorParams;
using ui::Answer;
using ui::Event;
using ui::Icon;
using ui::Result;

constexpr int kUrl = 1097, kApn = 1098, kPort = 1099, kAccount = 1101, kGprsApn = 1104;
constexpr int kMailServer = 1103, kMailPort = 1105, kMailAddr = 1108, kMailPassword = 1109;

OperatorParams sampleParams() {
    OperatorParams p;
    for (int f = 0; f < OperatorParams::kFieldCount; ++f) p.field(f) = std::string("value") + std::to_string(f);
    p.IP = "10.20.30.40";
    p.Port = "8080";
    p.SendEmailPort = "25";
    return p;
}

class WapEditorTest : public ::testing::Test {
protected:
    operators::MessagingState& state() { return pc.context.messaging(); }

    // Opens the editor as its opener does: the mode is set first, then the dialog is initialised.
    WapInternetDialog& open(int mode, const std::string& model = "HX710T") {
        state().editorMode = mode;
        pc.context.CurrentModelCode = model;
        editor = std::make_unique<WapInternetDialog>(host, pc.context);
        editor->init();
        return *editor;
    }

    void confirm() { editor->notify(1, Event::Clicked); }

    TestPc pc;
    ModalDrivingHost host;
    std::unique_ptr<WapInternetDialog> editor;
};

// ---- opening ------------------------------------------------------------------------------------

TEST_F(WapEditorTest, ReviewShowsParametersAndOnlyTheMailFieldsAreEditable) {
    state().params = sampleParams();
    state().smtpSsl = "1";
    state().smtpEdited = 1;
    WapInternetDialog& d = open(1);

    EXPECT_EQ(d.text(WapInternetDialog::kHeader), WapInternetDialog::kReviewHeader);
    for (int f = 0; f < OperatorParams::kFieldCount; ++f) {
        if (f == WapInternetDialog::kIpField) continue;
        EXPECT_EQ(d.text(WapInternetDialog::kFields[f]), state().params.field(f)) << "field " << f;
    }
    EXPECT_EQ(d.octets(WapInternetDialog::kIp), (std::array<int, 4>{10, 20, 30, 40}));
    EXPECT_EQ(d.sslText(), "1");
    EXPECT_EQ(state().smtpEdited, 0);

    for (int f = 0; f < OperatorParams::kFieldCount; ++f)
        EXPECT_EQ(d.enabled(WapInternetDialog::kFields[f]), f >= 9) << "field " << f;
    EXPECT_FALSE(d.enabled(WapInternetDialog::kClear));
    for (int id : WapInternetDialog::kFieldLabels) EXPECT_TRUE(d.enabled(id)) << id;
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(WapEditorTest, UserDefinedModeStartsEmptyWithEverythingEnabled) {
    state().params = sampleParams();
    state().smtpSsl = "1";
    WapInternetDialog& d = open(0);

    EXPECT_EQ(d.text(WapInternetDialog::kHeader), WapInternetDialog::kUserDefinedHeader);
    for (int id : WapInternetDialog::kFields) {
        if (id == WapInternetDialog::kIp)
            EXPECT_TRUE(d.ipBlank(id));
        else
            EXPECT_EQ(d.text(id), "") << id;
    }
    for (int id : WapInternetDialog::controlList()) EXPECT_TRUE(d.enabled(id)) << id;
    EXPECT_EQ(d.sslText(), "");
    EXPECT_EQ(state().params, sampleParams()) << "opening stores nothing";
}

TEST_F(WapEditorTest, AdvancedButtonOnlyForTheFourSslProducts) {
    const std::vector<std::pair<std::string, bool>> products = {
        {"PN450RT", true}, {"HX460T", true}, {"PN250R", true},   {"HX720U", true},
        {"HX710T", false}, {"LP300", false}, {"VEX 2.0", false}, {"HX330", false},
    };
    for (const auto& [model, shown] : products) {
        for (int mode : {0, 1}) {
            WapInternetDialog& d = open(mode, model);
            EXPECT_EQ(d.visible(WapInternetDialog::kAdvanced), shown) << model << " mode " << mode;
        }
    }
    // Review mode leaves the button usable where it is shown.
    EXPECT_TRUE(open(1, "HX720U").enabled(WapInternetDialog::kAdvanced));
    EXPECT_FALSE(open(1, "HX710T").enabled(WapInternetDialog::kAdvanced));
}

TEST_F(WapEditorTest, TemplateDeclaresTheFieldsAndLabels) {
    const ui::DialogTemplate t = WapInternetDialog::dialogTemplate();
    EXPECT_EQ(t.resourceId, 135);
    EXPECT_EQ(t.title, "WAP / Internet Paramaters");
    EXPECT_EQ(t.find(1100)->kind, ui::ControlKind::Ip);
    EXPECT_TRUE(t.find(kPort)->style.digitsOnly && t.find(kPort)->style.centred);
    EXPECT_TRUE(t.find(kMailPort)->style.digitsOnly && t.find(kMailPort)->style.centred);
    for (int id : {1102, 1107, 1109}) EXPECT_TRUE(t.find(id)->style.masked) << id;
    EXPECT_FALSE(t.find(kUrl)->style.masked);
    EXPECT_EQ(t.find(1086)->text, "Port:");
    EXPECT_EQ(t.find(1094)->text, "Send Email Address:");
    EXPECT_EQ(t.find(1095)->text, "Send Email Port:");
    EXPECT_EQ(t.find(1054)->text, "Clear WAP / Internet Paramaters(&W)");
    EXPECT_TRUE(t.find(1002)->style.hidden);
    EXPECT_TRUE(t.find(1)->style.defaultButton);
    for (int id : WapInternetDialog::controlList()) EXPECT_NE(t.find(id), nullptr) << id;
}

// ---- storing ------------------------------------------------------------------------------------

TEST_F(WapEditorTest, StoringTrimsAndCutsTheTexts) {
    WapInternetDialog& d = open(0);
    d.setText(kPort, "08080");
    d.setText(kUrl, std::string(120, 'u'));
    d.setText(kApn, "  apn.example \t");
    d.setText(kMailPort, " 465 ");
    d.setText(kMailAddr, std::string(60, 'a') + "\xC3\xA9" + std::string(60, 'b'));  // é is one character
    confirm();

    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[0].text,
              "Confirm save MMS,GPRS paramaters ?\nThey'll not be saved in file unless you click \"Save\" button "
              "in main dialog !");
    EXPECT_EQ(host.boxes[0].caption, "QVT Tips");
    EXPECT_EQ(host.boxes[0].icon, Icon::Question);
    EXPECT_EQ(host.boxes[0].buttons, ui::Buttons::OkCancel);
    EXPECT_EQ(host.boxes[1].text, "OK,WAP/Internet Paramaters Have Been Saved !");
    EXPECT_EQ(host.boxes[1].icon, Icon::Information);

    EXPECT_TRUE(d.ended());
    EXPECT_EQ(d.result(), Result::Ok);
    const OperatorParams& p = state().params;
    EXPECT_EQ(p.Port, "0808");
    EXPECT_EQ(p.URL, std::string(100, 'u'));
    EXPECT_EQ(p.APN, "apn.example");
    EXPECT_EQ(p.SendEmailPort, "465");
    EXPECT_EQ(p.SendEmailAddr, std::string(60, 'a') + "\xC3\xA9" + std::string(39, 'b'));
    EXPECT_EQ(p.Account, "");
    EXPECT_EQ(p.IP, "");
}

TEST_F(WapEditorTest, StoringTheIpControl) {
    struct Case {
        std::array<int, 4> octets;
        std::string stored;
    };
    const std::vector<Case> cases = {
        {{-1, -1, -1, -1}, ""},          {{0, 0, 0, 0}, ""},
        {{10, 0, 0, 1}, "10.0.0.1"},     {{192, 168, 1, 200}, "192.168.1.200"},
        {{192, -1, -1, 7}, "192.0.0.7"},  // a blank octet counts as 0
    };
    for (const Case& c : cases) {
        state().params.IP = "1.1.1.1";
        WapInternetDialog& d = open(0);
        d.setOctets(WapInternetDialog::kIp, c.octets);
        EXPECT_EQ(d.readIpControl(), c.stored);
        confirm();
        EXPECT_EQ(state().params.IP, c.stored);
    }
}

TEST_F(WapEditorTest, UserDefinedConfirmWithoutAdvancedStoresEmptySsl) {
    state().smtpSsl = "1";
    open(0, "HX720U");
    confirm();
    EXPECT_EQ(state().smtpSsl, "");
}

TEST_F(WapEditorTest, ConfirmationAnsweredCancelStoresNothingButEndsWithOk) {
    state().params = sampleParams();
    state().smtpSsl = "1";
    WapInternetDialog& d = open(0);
    d.setText(kUrl, "typed");
    host.answers.push_back(Answer::Cancel);
    confirm();
    EXPECT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(d.result(), Result::Ok);
    EXPECT_EQ(state().params, sampleParams());
    EXPECT_EQ(state().smtpSsl, "1");
}

TEST_F(WapEditorTest, CancelEscapeAndCloseStoreNothing) {
    for (int way = 0; way < 3; ++way) {
        state().params = sampleParams();
        WapInternetDialog& d = open(1);
        d.setText(kMailServer, "smtp.changed");
        if (way == 0) d.notify(2, Event::Clicked);
        if (way == 1) d.pressKey(ui::Key::Escape);
        if (way == 2) d.closeBox();
        EXPECT_TRUE(d.ended());
        EXPECT_EQ(d.result(), Result::Cancel);
        EXPECT_EQ(state().params, sampleParams()) << way;
    }
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(WapEditorTest, EnterConfirmsAndF1DoesNothing) {
    WapInternetDialog& d = open(0);
    d.pressKey(ui::Key::F1);
    EXPECT_FALSE(d.ended());
    EXPECT_TRUE(host.boxes.empty());
    d.setText(kAccount, "acc");
    d.pressKey(ui::Key::Enter);
    EXPECT_EQ(d.result(), Result::Ok);
    EXPECT_EQ(state().params.Account, "acc");
}

// ---- the IP text in review ----------------------------------------------------------------------

TEST_F(WapEditorTest, ReviewReadsTheIpText) {
    struct Case {
        std::string ip;
        std::array<int, 4> shown;  // all -1: blank control, and the stored text becomes " "
    };
    const std::array<int, 4> blank{-1, -1, -1, -1};
    const std::vector<Case> cases = {
        {"10.0.0.1", {10, 0, 0, 1}},
        {"010.001.000.255", {10, 1, 0, 255}},
        {"1.2.3.", {1, 2, 3, 0}},
        {"...", {0, 0, 0, 0}},
        {"1.2.3.256", blank},
        {"300.1.1.1", blank},
        {"", blank},
        {" ", blank},
        {"1.2.3", blank},
        {"1.2.3.4.5", blank},
        {"1.2.3.a", blank},
        {" 1.2.3.4", blank},
        {"1.2.3.0255", blank},  // four digits in an octet
        {"1.2.3.-4", blank},
    };
    for (const Case& c : cases) {
        state().params.IP = c.ip;
        WapInternetDialog& d = open(1);
        EXPECT_EQ(d.octets(WapInternetDialog::kIp), c.shown) << '"' << c.ip << '"';
        EXPECT_EQ(state().params.IP, c.shown == blank ? " " : c.ip) << '"' << c.ip << '"';
        d.pressKey(ui::Key::Escape);
        // Cancelling does not undo the correction made while opening.
        EXPECT_EQ(state().params.IP, c.shown == blank ? " " : c.ip) << '"' << c.ip << '"';
    }
}

TEST_F(WapEditorTest, ReviewOfAnInvalidIpStoresItEmptyOnConfirm) {
    state().params.IP = "1.2.3.999";
    open(1);
    confirm();
    EXPECT_EQ(state().params.IP, "");
}

// ---- smtpEdited ---------------------------------------------------------------------------------

TEST_F(WapEditorTest, ChangedMailFieldOfATableOperatorSetsSmtpEdited) {
    state().countryName = "Germany";
    state().operatorName = "Bild-Vodafone";
    state().params = sampleParams();

    open(1);
    confirm();
    EXPECT_EQ(state().smtpEdited, 0) << "unchanged";

    open(1).setText(kMailServer, "  " + sampleParams().SendEmailServer + " ");
    confirm();
    EXPECT_EQ(state().smtpEdited, 0) << "blanks around an unchanged value";

    for (const auto& [id, field] :
         std::vector<std::pair<int, int>>{{kMailServer, 9}, {kMailPort, 10}, {kMailAddr, 11}, {kMailPassword, 12}}) {
        state().params = sampleParams();
        open(1).setText(id, "1");
        confirm();
        EXPECT_EQ(state().smtpEdited, 1) << id;
        EXPECT_EQ(state().params.field(field), "1") << id;
    }
}

TEST_F(WapEditorTest, SmtpEditedStaysZeroWithoutATableOperator) {
    for (const auto& [country, op] : std::vector<std::pair<std::string, std::string>>{
             {"", ""}, {"Germany", ""}, {"Others", "T-mobile"}, {"Germany", "Others"}}) {
        state().countryName = country;
        state().operatorName = op;
        state().params = sampleParams();
        open(0).setText(kMailServer, "smtp.other");
        confirm();
        EXPECT_EQ(state().smtpEdited, 0) << country << "/" << op;
        EXPECT_EQ(state().params.SendEmailServer, "smtp.other");
    }
}

TEST_F(WapEditorTest, ConfirmationAnsweredCancelLeavesSmtpEditedAsLoaded) {
    state().countryName = "Germany";
    state().operatorName = "Vodafone";
    state().smtpEdited = 1;
    open(1).setText(kMailServer, "x");
    host.answers.push_back(Answer::Cancel);
    confirm();
    EXPECT_EQ(state().smtpEdited, 0);  // reset by the review's load step
}

// ---- Clear --------------------------------------------------------------------------------------

TEST_F(WapEditorTest, ClearAsksThenEmptiesTheFieldsWithoutStoring) {
    state().params = sampleParams();
    WapInternetDialog& d = open(0);
    d.setText(kUrl, "u");
    d.setText(kGprsApn, "g");
    d.setOctets(WapInternetDialog::kIp, {1, 2, 3, 4});

    host.answers.push_back(Answer::Cancel);
    d.notify(WapInternetDialog::kClear, Event::Clicked);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "Confirm Clear MMS Paramaters And GPRS Paramaters ?");
    EXPECT_EQ(host.boxes[0].caption, "QVT_Tips");
    EXPECT_EQ(host.boxes[0].icon, Icon::Question);
    EXPECT_EQ(host.boxes[0].buttons, ui::Buttons::OkCancel);
    EXPECT_EQ(d.text(kUrl), "u");

    d.notify(WapInternetDialog::kClear, Event::Clicked);
    EXPECT_EQ(d.text(kUrl), "");
    EXPECT_EQ(d.text(kGprsApn), "");
    EXPECT_TRUE(d.ipBlank(WapInternetDialog::kIp));
    EXPECT_FALSE(d.ended());
    EXPECT_EQ(state().params, sampleParams());
}

// ---- Advanced Setup -----------------------------------------------------------------------------

TEST_F(WapEditorTest, AdvancedSetupCycle) {
    WapInternetDialog& d = open(0, "HX720U");
    ASSERT_EQ(d.sslText(), "");

    // Cancelled: the box showed unticked, and the text comes back corrected to "0".
    int shownCheck = -1;
    host.onModal = [&](ui::Dialog& advanced, int) {
        EXPECT_EQ(advanced.title(), "Advanced Setup");
        shownCheck = advanced.check(AdvancedSetupDialog::kSslBox);
        advanced.notify(2, Event::Clicked);
    };
    d.notify(WapInternetDialog::kAdvanced, Event::Clicked);
    EXPECT_EQ(shownCheck, 0);
    EXPECT_EQ(d.sslText(), "0");

    // Ticked and confirmed: "1", kept by the editor only.
    state().smtpSsl = "";
    host.onModal = [](ui::Dialog& advanced, int) {
        advanced.setCheck(AdvancedSetupDialog::kSslBox, 1);
        advanced.notify(1, Event::Clicked);
    };
    d.notify(WapInternetDialog::kAdvanced, Event::Clicked);
    EXPECT_EQ(d.sslText(), "1");
    EXPECT_EQ(state().smtpSsl, "");
    EXPECT_FALSE(d.ended());

    confirm();
    EXPECT_EQ(state().smtpSsl, "1");
    EXPECT_EQ(host.modalTitles.size(), 2u);
}

TEST_F(WapEditorTest, AdvancedSetupThenEditorCancelledKeepsSmtpSsl) {
    state().smtpSsl = "0";
    WapInternetDialog& d = open(1, "PN250R");
    host.onModal = [](ui::Dialog& advanced, int) {
        EXPECT_EQ(advanced.check(AdvancedSetupDialog::kSslBox), 0);
        advanced.setCheck(AdvancedSetupDialog::kSslBox, 1);
        advanced.pressKey(ui::Key::Enter);
    };
    d.notify(WapInternetDialog::kAdvanced, Event::Clicked);
    EXPECT_EQ(d.sslText(), "1");
    d.notify(2, Event::Clicked);
    EXPECT_EQ(state().smtpSsl, "0");
}

TEST_F(WapEditorTest, ReviewStartsAdvancedSetupFromSmtpSsl) {
    state().smtpSsl = "1";
    WapInternetDialog& d = open(1, "HX460T");
    int shownCheck = -1;
    host.onModal = [&](ui::Dialog& advanced, int) { shownCheck = advanced.check(AdvancedSetupDialog::kSslBox); };
    d.notify(WapInternetDialog::kAdvanced, Event::Clicked);  // left open: closed as with Escape
    EXPECT_EQ(shownCheck, 1);
    EXPECT_EQ(d.sslText(), "1");
}

}  // namespace
}  // namespace qvt::test
