// SPDX-License-Identifier: Apache-2.0
// Pictures of every settings window after "Default(&D)", for the documentation. Runs only when
// QVT_SCREENSHOT_DIR names a folder to write them to.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include "dialogs/Catalogue.h"
#include "support/DialogTestHost.h"
#include "dialogs/SettingsDialog.h"
#include "qt/QtTestSupport.h"

namespace qvt::test {
namespace {

struct Shot {
    const char* modelCode;
    const char* name;
    int defaultButton;  // "Default(&D)"
};

class SettingsScreenshotTest : public ::testing::TestWithParam<Shot> {};

TEST_P(SettingsScreenshotTest, AfterDefault) {
    const QString dir = qEnvironmentVariable("QVT_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "QVT_SCREENSHOT_DIR is not set";
    QDir().mkpath(dir);
    TestPc pc;
    pc.context.CurrentModelCode = GetParam().modelCode;
    ScriptedHost host;
    const dialogs::Product* product = dialogs::findProductByModelCode(GetParam().modelCode);
    ASSERT_NE(product, nullptr);
    std::unique_ptr<ui::Dialog> dialog = dialogs::createSettingsDialog(*product, host, pc.context);
    dialog->init();
    dialog->notify(GetParam().defaultButton, ui::Event::Clicked);
    qt::DialogWindow window(*dialog);
    window.refresh();
    window.show();
    // The window at its natural size, as a desktop shows it.
    window.resize(window.sizeHint());
    settleLayouts();
    EXPECT_EQ(window.windowTitle().toStdString(), dialogs::settingsDialogTitle(product->modelCode));
    const QPixmap shot = window.grab();
    ASSERT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(QDir(dir).filePath(QString::fromUtf8(GetParam().name) + ".png")));
}

INSTANTIATE_TEST_SUITE_P(Products, SettingsScreenshotTest,
                         ::testing::Values(Shot{"HX710T", "hx710t", 1080}, Shot{"HX720U", "hx720u", 1080},
                                           Shot{"LP300", "lp300", 1080}, Shot{"VEX 2.0", "vex2", 1080},
                                           Shot{"HX330", "hx330", 1003}),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace qvt::test
