// SPDX-License-Identifier: Apache-2.0
// The settings windows steady, reachable and legible: what a person notices first, on all five.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QKeySequence>
#include <QRadioButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTimer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>

#include "app/ProductSelectDialog.h"
#include "dialogs/Catalogue.h"
#include "dialogs/Hx710t.h"
#include "dialogs/SettingsDialog.h"
#include "qt/QtTestSupport.h"
#include "support/DialogTestHost.h"
#include "support/ProductCases.h"

namespace qvt::test {
namespace {

using namespace ui;

using Product = ProductCase;

// A settings window opened on a PC with a card, shown and active.
struct Window {
    explicit Window(const char* modelCode) {
        pc.context.CurrentModelCode = modelCode;
        dialog = dialogs::createSettingsDialog(*dialogs::findProductByModelCode(modelCode), host, pc.context);
        dialog->init();
        window = std::make_unique<qt::DialogWindow>(*dialog);
        window->refresh();
        showActive(window.get());
    }
    QWidget* widget(int id) const { return widgetOf(window.get(), id); }
    // Where every laid-out widget sits in the window.
    std::map<QString, QRect> geometry() const {
        std::map<QString, QRect> at;
        for (QWidget* w : window->findChildren<QWidget*>())
            if (!w->objectName().isEmpty()) at[w->objectName()] = QRect(w->mapTo(window.get(), QPoint(0, 0)), w->size());
        return at;
    }

    TestPc pc;
    ScriptedHost host;
    std::unique_ptr<Dialog> dialog;
    std::unique_ptr<qt::DialogWindow> window;
};

class SettingsWindows : public ::testing::TestWithParam<Product> {};

std::string nameOf(const ::testing::TestParamInfo<Product>& info) {
    return info.param.name;
}

// ---- the first-open note goes without moving anything ----------------------------------------------

TEST_P(SettingsWindows, TheFirstOpenNoteGoesAndNothingMoves) {
    Window w(GetParam().modelCode);
    w.window->resize(w.window->sizeHint());
    QApplication::processEvents();
    QLabel* note = w.window->firstOpenNote();
    ASSERT_NE(note, nullptr);
    ASSERT_TRUE(note->isVisible());
    const std::map<QString, QRect> before = w.geometry();
    const QSize hint = w.window->sizeHint();
    clickWidget(w.widget(GetParam().defaultButton));
    QApplication::processEvents();
    EXPECT_FALSE(note->isVisible());
    EXPECT_EQ(w.window->sizeHint(), hint);
    // Lists that were blank take their values' widths; nothing moves up or down, and the bottom row
    // stays where it was.
    const std::map<QString, QRect> after = w.geometry();
    for (const auto& [name, rect] : before) {
        if (name == QStringLiteral("firstOpenNote")) continue;
        const QRect now = after.at(name);
        EXPECT_EQ(std::make_pair(now.y(), now.height()), std::make_pair(rect.y(), rect.height())) << name.toStdString();
    }
    for (const char* name : {"c1", "c2", "targetVolume"}) EXPECT_EQ(after.at(QString::fromLatin1(name)), before.at(QString::fromLatin1(name))) << name;
}

// ---- a screen smaller than the window ---------------------------------------------------------------

// Whether `widget` is wholly in view inside the window's scroll area.
bool inView(QScrollArea* area, QWidget* widget) {
    return area->viewport()->rect().contains(QRect(widget->mapTo(area->viewport(), QPoint(0, 0)), widget->size()));
}

TEST_P(SettingsWindows, OnASmallScreenTheContentScrollsAndTabBringsSaveIntoView) {
    Window w(GetParam().modelCode);
    auto* area = w.window->findChild<QScrollArea*>();
    ASSERT_NE(area, nullptr);
    // A laptop screen with room for the window: its full size, nothing to scroll.
    const QRect laptop(0, 0, 1366, 728);
    w.window->resize(w.window->sizeHint());
    w.window->fitInto(laptop);
    QApplication::processEvents();
    EXPECT_EQ(w.window->size(), w.window->sizeHint());
    EXPECT_FALSE(area->verticalScrollBar()->isVisible());
    EXPECT_FALSE(area->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(inView(area, w.widget(1)));

    // What a 1366x768 screen at scale 1.5 leaves free (less a task bar): the window fits it and scrolls.
    const QRect scaled(0, 0, 910, 485);
    w.window->fitInto(scaled);
    QApplication::processEvents();
    EXPECT_TRUE(scaled.contains(w.window->frameGeometry()))
        << w.window->frameGeometry().width() << "x" << w.window->frameGeometry().height();
    EXPECT_TRUE(area->verticalScrollBar()->isVisible());
    QWidget* save = w.widget(1);
    EXPECT_FALSE(inView(area, save)) << "the footer is below the fold";
    int tabs = 0;
    while (w.window->focusWidget() != save && tabs < 200) {
        QTest::keyClick(w.window->focusWidget() ? w.window->focusWidget() : w.window.get(), Qt::Key_Tab);
        ++tabs;
    }
    ASSERT_EQ(w.window->focusWidget(), save);
    EXPECT_TRUE(inView(area, save)) << "Tab scrolls the focused button into view";
}

// ---- the accessibility tree ------------------------------------------------------------------------

// The role a control of this widget class must have; nullopt for widgets that are no control.
std::optional<QAccessible::Role> expectedRole(QWidget* widget) {
    if (qobject_cast<QRadioButton*>(widget)) return QAccessible::RadioButton;
    if (qobject_cast<QCheckBox*>(widget)) return QAccessible::CheckBox;
    if (qobject_cast<QComboBox*>(widget)) return QAccessible::ComboBox;
    if (qobject_cast<QLineEdit*>(widget)) return QAccessible::EditableText;
    if (qobject_cast<QPushButton*>(widget)) return QAccessible::PushButton;
    if (qobject_cast<QListWidget*>(widget)) return QAccessible::List;
    if (auto* label = qobject_cast<QLabel*>(widget); label && !label->pixmap().isNull())
        return widget->cursor().shape() == Qt::PointingHandCursor ? QAccessible::Button : QAccessible::Graphic;
    return std::nullopt;
}

TEST_P(SettingsWindows, EveryControlHasItsRoleAndAUniqueMeaningfulName) {
    Window w(GetParam().modelCode);
    std::map<QString, QString> names;  // name -> the control that has it
    int controls = 0;
    bool banner = false;
    for (QWidget* widget : w.window->findChildren<QWidget*>()) {
        const QString id = widget->objectName();
        if (!id.startsWith(QLatin1Char('c')) && !id.startsWith(QStringLiteral("octet"))) continue;
        const std::optional<QAccessible::Role> role = expectedRole(widget);
        if (!role) continue;
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(node, nullptr) << id.toStdString();
        EXPECT_EQ(node->role(), *role) << id.toStdString();
        const QString name = node->text(QAccessible::Name);
        if (*role == QAccessible::Graphic) continue;  // a picture to look at: named where it means something
        ++controls;
        banner = banner || *role == QAccessible::Button;
        EXPECT_FALSE(name.trimmed().isEmpty()) << id.toStdString();
        EXPECT_FALSE(name.contains(QLatin1Char('&')) || name.contains(QStringLiteral("..")) || name.endsWith(QLatin1Char(':')))
            << id.toStdString() << " " << name.toStdString();
        EXPECT_GE(name.size(), 3) << id.toStdString() << " " << name.toStdString() << ": one letter says nothing";
        EXPECT_EQ(names.count(name), 0u) << name.toStdString() << ": " << id.toStdString() << " and "
                                         << names[name].toStdString();
        names[name] = id;
    }
    EXPECT_GT(controls, 30);
    EXPECT_TRUE(banner) << "the banner, which opens About, is a button";
    // A name is the control's, not its value's: choosing a value leaves it.
    auto* path = w.widget(w.dialog->tmpl().find(1030) ? 1030 : 0);
    for (QWidget* list : {w.widget(1075), path}) {
        if (!list) continue;
        const QString before = QAccessible::queryAccessibleInterface(list)->text(QAccessible::Name);
        clickWidget(w.widget(GetParam().defaultButton));
        EXPECT_EQ(QAccessible::queryAccessibleInterface(list)->text(QAccessible::Name), before);
    }
}

TEST_P(SettingsWindows, EveryPanelHasANameOfItsOwn) {
    Window w(GetParam().modelCode);
    std::map<QString, int> panels;
    for (QGroupBox* box : w.window->findChildren<QGroupBox*>()) {
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(box);
        ASSERT_NE(node, nullptr);
        const QString name = node->text(QAccessible::Name);
        EXPECT_FALSE(name.trimmed().isEmpty());
        EXPECT_EQ(++panels[name], 1) << name.toStdString();
    }
    EXPECT_GE(panels.size(), 2u);
}

// ---- the banner spans the window ---------------------------------------------------------------------

TEST_P(SettingsWindows, TheBannerReachesTheRightEdgeOfAWideWindowWithoutASeam) {
    Window w(GetParam().modelCode);
    w.window->resize(1600, w.window->sizeHint().height());
    settleLayouts();
    QWidget* banner = w.widget(GetParam().banner);
    ASSERT_NE(banner, nullptr);
    const QImage shot = banner->grab().toImage();
    const QImage picture = static_cast<QLabel*>(banner)->pixmap().toImage();
    const int pictureWidth = static_cast<int>(picture.deviceIndependentSize().width());
    ASSERT_GT(shot.width(), pictureWidth + 300) << "the banner does not take the window's width";
    const double ratio = shot.devicePixelRatio();
    const auto at = [&](int x, int y) { return shot.pixelColor(static_cast<int>(x * ratio), static_cast<int>(y * ratio)); };
    const QColor background = w.window->palette().color(QPalette::Window);
    for (int x : {pictureWidth + 10, pictureWidth + 200, shot.width() - 3}) {
        const QColor c = at(x, 40);
        EXPECT_NE(c.rgb(), background.rgb()) << "x " << x;
        EXPECT_LT(c.lightness(), 110) << "x " << x;  // the banner's dark forest, not the window's grey
    }
    // Where the picture ends, its continuation starts with the same column.
    for (int y : {10, 40, 70}) {
        const QColor left = at(pictureWidth - 1, y), right = at(pictureWidth, y);
        EXPECT_LE(std::abs(left.red() - right.red()) + std::abs(left.green() - right.green()) + std::abs(left.blue() - right.blue()), 40)
            << "y " << y;
    }
}

TEST(Accessible, TheProductPhotosAreNamedPictures) {
    TestPc pc;
    ScriptedHost host;
    app::ProductSelectDialog selection(host, pc.context);
    selection.init();
    qt::DialogWindow window(selection);
    window.refresh();
    int photos = 0;
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->pixmap().isNull() || !label->objectName().startsWith(QLatin1Char('c'))) continue;
        ++photos;
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(label);
        EXPECT_EQ(node->role(), QAccessible::Graphic);
        EXPECT_FALSE(node->text(QAccessible::Name).isEmpty()) << label->objectName().toStdString();
    }
    EXPECT_GT(photos, 1);
}

// ---- the button Enter presses is the one drawn as the default ---------------------------------------

TEST_P(SettingsWindows, OnlyTheButtonEnterWouldPressLooksLikeTheDefault) {
    Window w(GetParam().modelCode);
    auto* save = dynamic_cast<QPushButton*>(w.widget(1));
    auto* exit = dynamic_cast<QPushButton*>(w.widget(2));
    ASSERT_TRUE(save && exit);
    EXPECT_TRUE(save->isDefault());
    EXPECT_FALSE(exit->isDefault());
    int tabs = 0;
    while (w.window->focusWidget() != exit && tabs < 200) {
        QTest::keyClick(w.window->focusWidget(), Qt::Key_Tab);
        ++tabs;
    }
    ASSERT_EQ(w.window->focusWidget(), exit);
    EXPECT_TRUE(exit->isDefault()) << "Enter on Exit presses Exit";
    EXPECT_FALSE(save->isDefault());
    QTest::keyClick(exit, Qt::Key_Backtab);  // back onto Save: Save is the default again
    EXPECT_TRUE(save->isDefault());
    EXPECT_FALSE(exit->isDefault());
    for (int i = 0; i < 3 && qobject_cast<QPushButton*>(w.window->focusWidget()); ++i)
        QTest::keyClick(w.window->focusWidget(), Qt::Key_Backtab);  // off the buttons, onto a field
    ASSERT_EQ(qobject_cast<QPushButton*>(w.window->focusWidget()), nullptr);
    EXPECT_TRUE(save->isDefault());
    for (QPushButton* button : w.window->findChildren<QPushButton*>()) {
        if (button != save) {
            EXPECT_FALSE(button->isDefault()) << button->text().toStdString();
        }
    }
}

// ---- mnemonics: every one leads to one control -------------------------------------------------------

TEST_P(SettingsWindows, ExportAndImportHaveMnemonicsAndNoLetterIsTakenTwice) {
    Window w(GetParam().modelCode);
    std::map<QString, QString> taken;  // mnemonic -> the text that has it
    auto take = [&](const QString& text) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (key.isEmpty()) return;
        EXPECT_EQ(taken.count(key.toString()), 0u)
            << key.toString().toStdString() << ": " << text.toStdString() << " and " << taken[key.toString()].toStdString();
        taken[key.toString()] = text;
    };
    for (QAbstractButton* button : w.window->findChildren<QAbstractButton*>()) take(button->text());
    for (QLabel* label : w.window->findChildren<QLabel*>())
        if (label->buddy()) take(label->text());
    for (int id : {9001, 9002}) {
        auto* button = dynamic_cast<QPushButton*>(w.widget(id));
        ASSERT_NE(button, nullptr) << id;
        EXPECT_FALSE(QKeySequence::mnemonic(button->text()).isEmpty()) << button->text().toStdString();
    }
}

// ---- the game-call sound's field chooses a sound like "+" ----------------------------------------------

TEST_P(SettingsWindows, ClickingTheSoundFieldOpensTheChooserLikePlus) {
    Window w(GetParam().modelCode);
    auto* field = dynamic_cast<QLineEdit*>(w.widget(1001));
    if (!field) GTEST_SKIP() << "no game call";
    ASSERT_TRUE(chooseInCombo(dynamic_cast<QComboBox*>(w.widget(1118)), QStringLiteral("ON")));
    ASSERT_TRUE(field->isEnabled());
    EXPECT_EQ(field->text(), QStringLiteral("Choose audio file!"));
    QTest::mouseClick(field, Qt::LeftButton);
    ASSERT_EQ(w.host.fileDialogs.size(), 1u) << "the click opens the sound chooser";
    EXPECT_EQ(w.host.fileDialogs[0].title, QStringLiteral("Choose the game-call sound"));
    clickWidget(w.widget(1002));  // "+" opens the same chooser
    ASSERT_EQ(w.host.fileDialogs.size(), 2u);
    EXPECT_EQ(w.host.fileDialogs[1].title, w.host.fileDialogs[0].title);
    auto* plus = w.widget(1002);
    EXPECT_FALSE(plus->accessibleName().isEmpty());
    EXPECT_FALSE(plus->toolTip().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Products, SettingsWindows, ::testing::ValuesIn(dialogCases()), nameOf);

// ---- the focus comes back after modal boxes ---------------------------------------------------------

// A host whose message boxes are the real ones; a person answers each with Enter as it opens.
class RealBoxHost : public qt::QtHost {
public:
    RealBoxHost() {
        QObject::connect(&answer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxParents.push_back(box->parentWidget());
                QTest::keyClick(box, Qt::Key_Return);
            }
        });
        answer_.start(20);
    }
    std::function<void(qt::DialogWindow&)> onWindow;
    std::vector<QWidget*> boxParents;

protected:
    void modalWindowStarted(qt::DialogWindow& window) override {
        if (onWindow) onWindow(window);
    }

private:
    QTimer answer_;
};

TEST(FocusAfterBoxes, OthersOkAndBothConfirmationsLeaveTheSettingsWindowActiveWithTheFocusWhereItWas) {
    TestPc pc;
    RealBoxHost host;
    pc.context.CurrentModelCode = "HX710T";
    const std::unique_ptr<Dialog> dialog =
        dialogs::createSettingsDialog(*dialogs::findProductByModelCode("HX710T"), host, pc.context);
    dialog->init();
    qt::DialogWindow window(*dialog);
    window.refresh();
    showActive(&window);
    host.onWindow = [](qt::DialogWindow& editor) {
        showActive(&editor);
        QTest::mouseClick(widgetOf(&editor, 1), Qt::LeftButton);  // OK: "Confirm save …?" and "… Saved !"
    };
    auto* countries = widgetOf<QListWidget>(&window, dialogs::hx710t::kCountryList);
    countries->setFocus(Qt::TabFocusReason);
    QTest::keyClick(countries, Qt::Key_End);  // "Others" opens the editor
    QTest::qWait(50);
    ASSERT_EQ(host.boxParents.size(), 2u);
    for (QWidget* parent : host.boxParents) EXPECT_NE(parent, nullptr) << "each box has the window that opened it";
    EXPECT_EQ(QApplication::activeWindow(), &window);
    EXPECT_EQ(window.focusWidget(), countries) << "the focus is back where it was";
    EXPECT_EQ(QApplication::focusWidget(), countries) << "keys reach the window without a click first";
}

// ---- the conversion's progress window --------------------------------------------------------------

TEST(ProgressWindow, IsWideEnoughForItsWholeTitle) {
    struct Host : qt::QtHost {
        int width = 0;
        void progressStarted(QProgressDialog& progress) override { width = progress.width(); }
    } host;
    const std::string title = "Transforming audio file ...";
    ui::ProcessRequest request{"/bin/sh", {"-c", "sleep 0.2"}, title, 0};
    EXPECT_TRUE(host.runProcess(nullptr, request).started);
    // The title bar also holds the window's icon and its buttons.
    const QFontMetrics font(QApplication::font("QMdiSubWindowTitleBar"));
    EXPECT_GE(host.width, font.horizontalAdvance(QString::fromStdString(title)) + 150);
}

}  // namespace
}  // namespace qvt::test
