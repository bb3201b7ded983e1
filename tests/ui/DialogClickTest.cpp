// SPDX-License-Identifier: Apache-2.0
// What a user's click does to a control, the same for every front end.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "ui/Dialog.h"

namespace qvt::ui {
namespace {

class SilentHost : public Host {
public:
    Answer messageBox(Dialog*, std::string_view, std::string_view, Icon, Buttons) override { return Answer::Ok; }
    std::optional<std::string> openFile(Dialog*, const ui::FileRequest&) override { return std::nullopt; }
    Result runModal(Dialog&) override { return Result::Cancel; }
    ProcessOutcome runProcess(Dialog*, const ProcessRequest&) override { return {}; }
};

// Records each notification with the state the control had when the handler heard of it.
class ClickDialog : public Dialog {
public:
    using Dialog::Dialog;
    struct Heard {
        int id;
        Event event;
        int check;
        bool operator==(const Heard&) const = default;
    };
    std::vector<Heard> heard;

protected:
    void onNotify(int id, Event event) override { heard.push_back({id, event, check(id)}); }
};

constexpr int kId = 100;

DialogTemplate withControls(std::vector<ControlSpec> controls) {
    DialogTemplate t;
    t.controls = std::move(controls);
    return t;
}

struct Row {
    const char* name;
    ControlSpec spec;
    int initial;
    std::vector<int> afterEachClick;  // the state the handler sees after the 1st, 2nd, ... click
};

TEST(DialogClick, AutomaticControlsChangeStateBeforeTheHandlerHears) {
    const Row rows[] = {
        {"auto check box toggles", checkSpec(kId, "c", {.autoCheck = true}), 0, {1, 0, 1}},
        {"auto check box set to the third state goes on", checkSpec(kId, "c", {.autoCheck = true}), 2, {1, 0}},
        {"auto three-state box cycles", check3Spec(kId, "c", {.autoCheck = true}), 0, {1, 2, 0, 1}},
        {"auto radio only switches on", radioSpec(kId, "r", {.autoCheck = true}), 0, {1, 1}},
        {"plain check box is the handler's", checkSpec(kId, "c"), 1, {1, 1}},
        {"plain three-state box is the handler's", check3Spec(kId, "c"), 2, {2}},
        {"plain radio is the handler's", radioSpec(kId, "r"), 0, {0, 0}},
        {"button has no state", buttonSpec(kId, "b", {.autoCheck = true}), 0, {0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SilentHost host;
        ClickDialog dialog(host, withControls({row.spec}));
        dialog.init();
        dialog.setCheck(kId, row.initial);
        std::vector<ClickDialog::Heard> expected;
        for (int state : row.afterEachClick) {
            dialog.click(kId);
            EXPECT_EQ(dialog.check(kId), state);
            expected.push_back({kId, Event::Clicked, state});
        }
        EXPECT_EQ(dialog.heard, expected);
    }
}

TEST(DialogClick, OkCancelUnknownAndEndedDialogs) {
    SilentHost host;
    ClickDialog dialog(host, withControls({buttonSpec(1, "OK"), checkSpec(kId, "c", {.autoCheck = true})}));
    dialog.init();
    dialog.click(999);  // no such control: nothing happens
    EXPECT_TRUE(dialog.heard.empty());
    dialog.click(1);  // button 1 is OK, as with a notification
    ASSERT_TRUE(dialog.ended());
    EXPECT_EQ(dialog.result(), Result::Ok);
    dialog.click(kId);  // an ended dialog takes no more input
    EXPECT_EQ(dialog.check(kId), 0);
    EXPECT_TRUE(dialog.heard.empty());
}

}  // namespace
}  // namespace qvt::ui
