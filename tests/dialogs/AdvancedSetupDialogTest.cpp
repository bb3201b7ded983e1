// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include "dialogs/AdvancedSetupDialog.h"
#include "support/RecordingHost.h"

namespace qvt::test {
namespace {

using dialogs::AdvancedSetupDialog;
using ui::Event;
using ui::Result;

constexpr int kBox = AdvancedSetupDialog::kSslBox;

TEST(AdvancedSetupDialogTest, Template) {
    const ui::DialogTemplate t = AdvancedSetupDialog::dialogTemplate();
    EXPECT_EQ(t.resourceId, 160);
    EXPECT_EQ(t.title, "Advanced Setup");
    ASSERT_NE(t.find(kBox), nullptr);
    EXPECT_EQ(t.find(kBox)->kind, ui::ControlKind::Check);
    EXPECT_EQ(t.find(kBox)->text, "This service requires SSL(&S)");
    EXPECT_TRUE(t.find(kBox)->style.autoCheck);
    EXPECT_EQ(t.layout.children.at(0).kind, ui::LayoutNode::Kind::Group);
    EXPECT_EQ(t.layout.children.at(0).text, "SMTP Server");
}

TEST(AdvancedSetupDialogTest, OpeningCorrectsTheTextAndShowsIt) {
    struct Case {
        std::string given;
        std::string kept;
        int check;
    };
    const std::vector<Case> cases = {
        {"", "0", 0}, {"0", "0", 0}, {"1", "1", 1}, {"2", "0", 0}, {"-1", "0", 0}, {"99999999999", "0", 0},
    };
    for (const Case& c : cases) {
        RecordingHost host;
        AdvancedSetupDialog d(host);
        d.setSslText(c.given);
        d.init();
        EXPECT_EQ(d.check(kBox), c.check) << '"' << c.given << '"';
        // Cancelled: the text keeps what the opening step made of it.
        d.notify(2, Event::Clicked);
        EXPECT_EQ(d.result(), Result::Cancel);
        EXPECT_EQ(d.sslText(), c.kept) << '"' << c.given << '"';
    }
}

TEST(AdvancedSetupDialogTest, OkTakesTheCheckBox) {
    for (int ticked : {0, 1}) {
        RecordingHost host;
        AdvancedSetupDialog d(host);
        d.setSslText(ticked ? "0" : "1");
        d.init();
        d.setCheck(kBox, ticked);
        d.pressKey(ui::Key::Enter);
        EXPECT_EQ(d.result(), Result::Ok);
        EXPECT_EQ(d.sslText(), ticked ? "1" : "0");
    }
}

}  // namespace
}  // namespace qvt::test
