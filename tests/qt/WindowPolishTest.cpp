// SPDX-License-Identifier: Apache-2.0
// The settings windows steady, reachable and legible: what a person notices first, on all five.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
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

INSTANTIATE_TEST_SUITE_P(Products, SettingsWindows, ::testing::ValuesIn(kWindows), nameOf);

}  // namespace
}  // namespace qvt::test
