// SPDX-License-Identifier: Apache-2.0
// The settings windows steady, reachable and legible: what a person notices first, on all five.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <functional>
#include <map>

#include "dialogs/Catalogue.h"
#include "dialogs/SettingsDialog.h"
#include "qt/QtTestSupport.h"
#include "support/DialogTestHost.h"

namespace qvt::test {
namespace {

using namespace ui;

struct Product {
    const char* modelCode;
    const char* name;
    int defaultButton;  // "Default(&D)"
};
const Product kWindows[] = {{"HX710T", "hx710t", 1080}, {"HX720U", "hx720u", 1080}, {"LP300", "lp300", 1080},
                            {"VEX 2.0", "vex2", 1080},   {"HX330", "hx330", 1003}};

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

INSTANTIATE_TEST_SUITE_P(Products, SettingsWindows, ::testing::ValuesIn(kWindows), nameOf);

}  // namespace
}  // namespace qvt::test
