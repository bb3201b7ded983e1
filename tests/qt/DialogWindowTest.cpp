// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QValidator>

#include "qt/QtTestSupport.h"

namespace qvt::test {
namespace {

using namespace ui;

// A dialog that records what reaches it and runs a test's handler.
class ProbeDialog : public Dialog {
public:
    struct Note {
        int id;
        Event event;
        int check;  // the control's check state when the handler ran (-1 for other kinds)
    };
    ProbeDialog(Host& host, DialogTemplate t) : Dialog(host, std::move(t)) {}

    std::vector<Note> notes;
    std::vector<std::string> calls;  // "ok", "cancel", "help", "close"
    std::function<void(ProbeDialog&, int, Event)> handler;
    int refuseCancel = 0;  // cancel requests ignored before one ends the dialog

    std::vector<Event> eventsOf(int id, bool withFocus = false) const {
        std::vector<Event> events;
        for (const Note& n : notes)
            if (n.id == id && (withFocus || n.event != Event::Focus)) events.push_back(n.event);
        return events;
    }

protected:
    void onNotify(int id, Event event) override {
        const ControlKind kind = control(id).kind;
        const bool checkable = kind == ControlKind::Check || kind == ControlKind::Check3 || kind == ControlKind::Radio;
        notes.push_back({id, event, checkable ? check(id) : -1});
        if (handler) handler(*this, id, event);
    }
    void onOK() override {
        calls.push_back("ok");
        end(Result::Ok);
    }
    void onCancel() override {
        calls.push_back("cancel");
        if (refuseCancel > 0) {
            --refuseCancel;
            return;
        }
        end(Result::Cancel);
    }
    void onHelp() override { calls.push_back("help"); }
    void onClose() override {
        calls.push_back("close");
        onCancel();
    }
};

enum : int {
    kList = 1001,
    kListBox = 1002,
    kAutoCheck = 1003,
    kCheck3 = 1004,
    kRadio = 1005,
    kMasked = 1006,
    kDigits = 1007,
    kReadOnly = 1008,
    kIp = 1009,
    kPicture = 1011,
    kLabel = 1012,
    kGroupCtl = 1013,
    kPlainCheck = 1014,
    kUnplaced = 1015,
    kHiddenLabel = 1016,
    kApply = 1017,
};

DialogTemplate probeTemplate() {
    DialogTemplate t;
    t.resourceId = 900;
    t.title = "Probe";
    t.icon = "app";
    t.controls = {
        listSpec(kList, {"Alpha", "Beta", "Gamma"}),
        listBoxSpec(kListBox, {.sorted = true}),
        checkSpec(kAutoCheck, "Auto &check", {.autoCheck = true}),
        check3Spec(kCheck3, "Three"),
        radioSpec(kRadio, "Radio", {.autoCheck = true}),
        editSpec(kMasked, {.masked = true}),
        editSpec(kDigits, {.digitsOnly = true, .centred = true}),
        editSpec(kReadOnly, {.readOnly = true}, "fixed"),
        ipSpec(kIp),
        pictureSpec(kPicture, "photo_hx330", {.notify = true}),
        labelSpec(kLabel, "Attention"),
        labelSpec(kGroupCtl, " Frame "),
        checkSpec(kPlainCheck, "Plain"),
        editSpec(kUnplaced),
        labelSpec(kHiddenLabel, "Later", {.hidden = true}),
        buttonSpec(kApply, "Apply"),
        buttonSpec(1, "OK(&Y)", {.defaultButton = true}),
        buttonSpec(2, "Exit(&N)"),
    };
    for (ControlSpec& c : t.controls)
        if (c.id == kGroupCtl) c.kind = ControlKind::Group;  // a group box placed as a control
    t.layout = column({
        image("banner_select"),
        group(" Camera Setting ", {grid(2, {textNode("List:"), ctrl(kList), textNode("Box:"), ctrl(kListBox), ctrl(kAutoCheck),
                                            ctrl(kCheck3), ctrl(kRadio), ctrl(kPlainCheck)})}),
        Row({ctrl(kMasked), ctrl(kDigits), ctrl(kReadOnly), ctrl(kIp)}),
        Row({ctrl(kPicture), ctrl(kLabel), ctrl(kGroupCtl), ctrl(kHiddenLabel)}),
        Row({stretch(), ctrl(kApply), ctrl(1), ctrl(2)}),
    });
    return t;
}

// One fresh window per test, shown as a person would see it.
class DialogWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.init();
        window.refresh();
        showActive(&window);
        dialog.notes.clear();  // the first focus of the window is not a user's move
    }
    ScriptedHost host;
    ProbeDialog dialog{host, probeTemplate()};
    qt::DialogWindow window{dialog};
};

TEST_F(DialogWindowTest, BuildsOneWidgetOfTheRightKindPerLaidOutControl) {
    ASSERT_NE(widgetOf<QComboBox>(&window, kList), nullptr);
    EXPECT_FALSE(widgetOf<QComboBox>(&window, kList)->isEditable());
    EXPECT_EQ(widgetOf<QComboBox>(&window, kList)->count(), 3);
    ASSERT_NE(widgetOf<QListWidget>(&window, kListBox), nullptr);
    ASSERT_NE(widgetOf<QCheckBox>(&window, kAutoCheck), nullptr);
    EXPECT_FALSE(widgetOf<QCheckBox>(&window, kAutoCheck)->isTristate());
    EXPECT_EQ(widgetOf<QCheckBox>(&window, kAutoCheck)->text(), "Auto &check");
    ASSERT_NE(widgetOf<QCheckBox>(&window, kCheck3), nullptr);
    EXPECT_TRUE(widgetOf<QCheckBox>(&window, kCheck3)->isTristate());
    ASSERT_NE(widgetOf<QRadioButton>(&window, kRadio), nullptr);
    EXPECT_FALSE(widgetOf<QRadioButton>(&window, kRadio)->autoExclusive());

    auto* masked = widgetOf<QLineEdit>(&window, kMasked);
    ASSERT_NE(masked, nullptr);
    EXPECT_EQ(masked->echoMode(), QLineEdit::Password);
    auto* digits = widgetOf<QLineEdit>(&window, kDigits);
    ASSERT_NE(digits, nullptr);
    ASSERT_NE(digits->validator(), nullptr);
    QString probe = "12a";
    int pos = 0;
    EXPECT_EQ(digits->validator()->validate(probe, pos), QValidator::Invalid);
    EXPECT_TRUE(digits->alignment() & Qt::AlignHCenter);
    auto* readOnly = widgetOf<QLineEdit>(&window, kReadOnly);
    ASSERT_NE(readOnly, nullptr);
    EXPECT_TRUE(readOnly->isReadOnly());
    EXPECT_EQ(readOnly->text(), "fixed");

    ASSERT_NE(widgetOf<qt::IpAddressEdit>(&window, kIp), nullptr);
    auto* picture = widgetOf<QLabel>(&window, kPicture);
    ASSERT_NE(picture, nullptr);
    EXPECT_FALSE(picture->pixmap().isNull()) << "the photo comes from the compiled-in images";
    EXPECT_EQ(picture->cursor().shape(), Qt::PointingHandCursor);
    ASSERT_NE(widgetOf<QLabel>(&window, kLabel), nullptr);
    EXPECT_EQ(widgetOf<QLabel>(&window, kLabel)->text(), "Attention");
    ASSERT_NE(widgetOf<QGroupBox>(&window, kGroupCtl), nullptr);
    EXPECT_EQ(widgetOf<QGroupBox>(&window, kGroupCtl)->title(), "Frame");
    ASSERT_NE(widgetOf<QPushButton>(&window, 1), nullptr);
    EXPECT_TRUE(widgetOf<QPushButton>(&window, 1)->isDefault());
    EXPECT_EQ(widgetOf<QPushButton>(&window, 1)->text(), "OK(&Y)");
    EXPECT_FALSE(widgetOf<QPushButton>(&window, 2)->isDefault());

    EXPECT_EQ(widgetOf(&window, kUnplaced), nullptr) << "a control outside the layout is not shown";
    EXPECT_EQ(window.controlWidget(kUnplaced), nullptr);
    EXPECT_TRUE(widgetOf(&window, kHiddenLabel)->isHidden());
    EXPECT_TRUE(widgetOf(&window, kList)->isVisible());
    EXPECT_EQ(window.windowTitle(), "Probe");
    EXPECT_FALSE(window.windowIcon().isNull());
}

TEST_F(DialogWindowTest, FollowsTheLayoutTree) {
    QGroupBox* group = nullptr;
    for (QGroupBox* box : window.findChildren<QGroupBox*>())
        if (box->title() == "Camera Setting") group = box;
    ASSERT_NE(group, nullptr) << "group titles are shown without their surrounding blanks";
    EXPECT_TRUE(group->isAncestorOf(widgetOf(&window, kList)));
    EXPECT_FALSE(group->isAncestorOf(widgetOf(&window, kMasked)));

    auto* grid = group->findChild<QGridLayout*>();
    ASSERT_NE(grid, nullptr);
    int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(grid->indexOf(widgetOf(&window, kList)), &row, &column, &rowSpan, &columnSpan);
    EXPECT_EQ(row, 0);
    EXPECT_EQ(column, 1);
    grid->getItemPosition(grid->indexOf(widgetOf(&window, kPlainCheck)), &row, &column, &rowSpan, &columnSpan);
    EXPECT_EQ(row, 3);
    EXPECT_EQ(column, 1);

    bool textShown = false, bannerShown = false;
    for (QLabel* label : window.findChildren<QLabel*>()) {
        textShown = textShown || label->text() == "List:";
        bannerShown = bannerShown || (!label->pixmap().isNull() && label->pixmap().width() >= 400);
    }
    EXPECT_TRUE(textShown);
    EXPECT_TRUE(bannerShown);
    // The buttons sit in one row after a stretch: OK left of Exit, both right of Apply.
    window.adjustSize();
    EXPECT_LT(widgetOf(&window, kApply)->x(), widgetOf(&window, 1)->x());
    EXPECT_LT(widgetOf(&window, 1)->x(), widgetOf(&window, 2)->x());
}

TEST_F(DialogWindowTest, ChoosingInADropDownListReportsItAfterTheDropDownNotification) {
    dialog.handler = [](ProbeDialog& d, int id, Event event) {
        // The handler refills the list when it opens; the new item must be there to choose.
        if (id == kList && event == Event::DropDown && d.findExact(kList, "Delta") < 0) d.addItem(kList, "Delta");
    };
    auto* combo = widgetOf<QComboBox>(&window, kList);
    ASSERT_TRUE(chooseInCombo(combo, "Delta"));
    EXPECT_EQ(dialog.sel(kList), 3);
    EXPECT_EQ(dialog.eventsOf(kList), (std::vector<Event>{Event::DropDown, Event::SelChange}));
    EXPECT_EQ(combo->currentText(), "Delta");
    EXPECT_FALSE(combo->view()->isVisible());
}

TEST_F(DialogWindowTest, WidgetsShowWhatAHandlerChangedElsewhere) {
    dialog.handler = [](ProbeDialog& d, int id, Event event) {
        if (id != kApply || event != Event::Clicked) return;
        d.setVisible(kLabel, false);
        d.setVisible(kHiddenLabel, true);
        d.setTextQuiet(kHiddenLabel, "Shown now");
        d.setEnabled(kList, false);
        d.resetItems(kListBox);
        d.addItem(kListBox, "zeta");
        d.addItem(kListBox, "Eta");
        d.select(kListBox, 1);
        d.select(kList, 2);
        d.setCheck(kPlainCheck, 1);
        d.setCheck(kCheck3, 2);
        d.setOctets(kIp, {192, 168, -1, 1});
        d.setText(kReadOnly, "changed");
        d.setTextQuiet(kApply, "Again");
        d.setTitle("Changed title");
    };
    clickWidget(widgetOf(&window, kApply));

    EXPECT_TRUE(widgetOf(&window, kLabel)->isHidden());
    EXPECT_FALSE(widgetOf(&window, kHiddenLabel)->isHidden());
    EXPECT_EQ(widgetOf<QLabel>(&window, kHiddenLabel)->text(), "Shown now");
    EXPECT_FALSE(widgetOf(&window, kList)->isEnabled());
    EXPECT_EQ(widgetOf<QComboBox>(&window, kList)->currentText(), "Gamma");
    auto* list = widgetOf<QListWidget>(&window, kListBox);
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "Eta");
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_TRUE(list->item(1)->isSelected());
    EXPECT_EQ(widgetOf<QCheckBox>(&window, kPlainCheck)->checkState(), Qt::Checked);
    EXPECT_EQ(widgetOf<QCheckBox>(&window, kCheck3)->checkState(), Qt::PartiallyChecked);
    auto* ip = widgetOf<qt::IpAddressEdit>(&window, kIp);
    EXPECT_EQ(ip->octetEdit(0)->text(), "192");
    EXPECT_EQ(ip->octetEdit(2)->text(), "");
    EXPECT_EQ(ip->octetEdit(3)->text(), "1");
    EXPECT_EQ(widgetOf<QLineEdit>(&window, kReadOnly)->text(), "changed");
    EXPECT_EQ(widgetOf<QPushButton>(&window, kApply)->text(), "Again");
    EXPECT_EQ(window.windowTitle(), "Changed title");
    // Writing the widgets reported nothing back: only the click, and the edit's own change from code.
    EXPECT_EQ(dialog.eventsOf(kList).size(), 0u);
    EXPECT_EQ(dialog.eventsOf(kListBox).size(), 0u);
    EXPECT_EQ(dialog.eventsOf(kReadOnly), std::vector<Event>{Event::TextChanged});
    EXPECT_EQ(dialog.eventsOf(kApply), std::vector<Event>{Event::Clicked});
}

TEST_F(DialogWindowTest, ANonAutomaticCheckBoxKeepsTheModelsState) {
    auto* plain = widgetOf<QCheckBox>(&window, kPlainCheck);
    clickWidget(plain);
    ASSERT_EQ(dialog.notes.size(), 1u);
    EXPECT_EQ(dialog.notes[0].event, Event::Clicked);
    EXPECT_EQ(dialog.notes[0].check, 0);
    EXPECT_EQ(dialog.check(kPlainCheck), 0);
    EXPECT_FALSE(plain->isChecked()) << "the widget shows the model, not its own toggle";

    auto* three = widgetOf<QCheckBox>(&window, kCheck3);
    clickWidget(three);
    EXPECT_EQ(dialog.check(kCheck3), 0);
    EXPECT_EQ(three->checkState(), Qt::Unchecked);
}

TEST_F(DialogWindowTest, AutomaticButtonsChangeStateBeforeTheHandlerRuns) {
    auto* box = widgetOf<QCheckBox>(&window, kAutoCheck);
    clickWidget(box);
    ASSERT_EQ(dialog.eventsOf(kAutoCheck).size(), 1u);
    EXPECT_EQ(dialog.notes.back().check, 1);
    EXPECT_TRUE(box->isChecked());
    clickWidget(box);
    EXPECT_EQ(dialog.notes.back().check, 0);
    EXPECT_FALSE(box->isChecked());

    auto* radio = widgetOf<QRadioButton>(&window, kRadio);
    clickWidget(radio);
    clickWidget(radio);  // a checked radio stays checked
    EXPECT_EQ(dialog.check(kRadio), 1);
    EXPECT_EQ(dialog.notes.back().check, 1);
    EXPECT_TRUE(radio->isChecked());
}

TEST_F(DialogWindowTest, TypingCopiesTheTextIntoTheModelAndShowsTheHandlersCorrection) {
    dialog.handler = [](ProbeDialog& d, int id, Event event) {
        if (id == kDigits && event == Event::TextChanged && d.text(kDigits).size() > 2)
            d.setTextQuiet(kDigits, d.text(kDigits).substr(0, 2));
        if (id == kMasked && event == Event::TextChanged)
            d.setTextQuiet(kLabel, "len " + std::to_string(d.text(kMasked).size()));
    };
    auto* digits = widgetOf<QLineEdit>(&window, kDigits);
    typeText(digits, "1a234");
    EXPECT_EQ(dialog.text(kDigits), "12");
    EXPECT_EQ(digits->text(), "12");
    EXPECT_EQ(dialog.eventsOf(kDigits).size(), 4u) << "one change per accepted key; the letter is refused";

    typeText(widgetOf(&window, kMasked), "pw");
    EXPECT_EQ(dialog.text(kMasked), "pw");
    EXPECT_EQ(widgetOf<QLabel>(&window, kLabel)->text(), "len 2");
}

TEST_F(DialogWindowTest, FocusIsReportedWhenTheUserMovesToAControl) {
    widgetOf(&window, kMasked)->setFocus(Qt::TabFocusReason);
    widgetOf(&window, kList)->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(dialog.eventsOf(kMasked, true), std::vector<Event>{Event::Focus});
    EXPECT_EQ(dialog.eventsOf(kList, true), std::vector<Event>{Event::Focus});
}

TEST_F(DialogWindowTest, IpOctetsAcceptBlankOrZeroTo255) {
    auto* ip = widgetOf<qt::IpAddressEdit>(&window, kIp);
    typeText(ip->octetEdit(0), "10");
    typeText(ip->octetEdit(1), "300");
    EXPECT_EQ(dialog.octets(kIp), (std::array<int, 4>{10, 30, -1, -1}));
    EXPECT_FALSE(dialog.eventsOf(kIp).empty());
    EXPECT_EQ(dialog.eventsOf(kIp).back(), Event::TextChanged);
}

TEST_F(DialogWindowTest, ListBoxAndPictureClicksAreReported) {
    dialog.handler = [](ProbeDialog& d, int id, Event event) {
        if (id == kApply && event == Event::Clicked) {
            d.addItem(kListBox, "b");
            d.addItem(kListBox, "a");
        }
    };
    clickWidget(widgetOf(&window, kApply));
    auto* list = widgetOf<QListWidget>(&window, kListBox);
    ASSERT_EQ(list->count(), 2);
    const QRect second = list->visualItemRect(list->item(1));
    sendMouse(list->viewport(), QEvent::MouseButtonPress, second.center());
    sendMouse(list->viewport(), QEvent::MouseButtonRelease, second.center());
    EXPECT_EQ(dialog.sel(kListBox), 1);
    EXPECT_EQ(dialog.selText(kListBox), "b");
    EXPECT_EQ(dialog.eventsOf(kListBox), std::vector<Event>{Event::SelChange});

    clickWidget(widgetOf(&window, kPicture));
    EXPECT_EQ(dialog.eventsOf(kPicture), std::vector<Event>{Event::Clicked});
}

TEST_F(DialogWindowTest, EscapeAndTheCloseBoxAskTheModelAndOnlyItsEndClosesTheWindow) {
    dialog.refuseCancel = 2;
    pressKeyOn(&window, Qt::Key_Escape);
    EXPECT_EQ(dialog.calls, std::vector<std::string>{"cancel"});
    EXPECT_TRUE(window.isVisible());
    window.close();
    EXPECT_EQ(dialog.calls, (std::vector<std::string>{"cancel", "close", "cancel"}));
    EXPECT_TRUE(window.isVisible());
    window.reject();  // Qt's own ways of closing a dialog do nothing while the model runs
    window.accept();
    EXPECT_TRUE(window.isVisible());
    pressKeyOn(&window, Qt::Key_F1);
    EXPECT_EQ(dialog.calls.back(), "help");
    EXPECT_TRUE(window.isVisible());

    window.close();
    EXPECT_TRUE(dialog.ended());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Rejected);
}

TEST_F(DialogWindowTest, EnterPressesTheDefaultButton) {
    widgetOf(&window, kMasked)->setFocus(Qt::TabFocusReason);
    pressKeyOn(&window, Qt::Key_Return);
    EXPECT_EQ(dialog.calls, std::vector<std::string>{"ok"});
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace qvt::test
