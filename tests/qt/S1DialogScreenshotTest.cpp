// A picture of the four-model settings window, opened for the HX330 (its Video Size and SMS Control
// disabled) after "Default(&D)", for the documentation. Runs only when QVT_SCREENSHOT_DIR names a
// folder to write it to.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include "dialogs/DialogTestHost.h"
#include "dialogs/S1Dialog.h"
#include "qt/QtTestSupport.h"

namespace qvt::test {
namespace {

TEST(S1DialogScreenshotTest, Hx330AfterDefault) {
    const QString dir = qEnvironmentVariable("QVT_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "QVT_SCREENSHOT_DIR is not set";
    QDir().mkpath(dir);
    TestPc pc;
    pc.context.CurrentModelCode = "HX330";
    ScriptedHost host;
    dialogs::S1Dialog dialog(host, pc.context);
    dialog.init();
    dialog.notify(dialogs::s1::kDefault, ui::Event::Clicked);
    qt::DialogWindow window(dialog);
    window.refresh();
    window.show();
    // The offscreen screen caps a new window at two thirds of it; a desktop shows its natural size.
    window.resize(window.sizeHint());
    QApplication::processEvents();
    EXPECT_EQ(window.windowTitle(), "QVT CONFIG : For HX330");
    const QPixmap shot = window.grab();
    ASSERT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(QDir(dir).filePath("hx330.png")));
}

}  // namespace
}  // namespace qvt::test
