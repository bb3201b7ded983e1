// A picture of the VEX 2.0 settings window after "Default(&D)", for the documentation. Runs only
// when QVT_SCREENSHOT_DIR names a folder to write it to.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include "dialogs/DialogTestHost.h"
#include "dialogs/Vex2Dialog.h"
#include "qt/QtTestSupport.h"

namespace qvt::test {
namespace {

TEST(Vex2DialogScreenshotTest, AfterDefault) {
    const QString dir = qEnvironmentVariable("QVT_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "QVT_SCREENSHOT_DIR is not set";
    QDir().mkpath(dir);
    TestPc pc;
    ScriptedHost host;
    dialogs::Vex2Dialog dialog(host, pc.context);
    dialog.init();
    dialog.notify(dialogs::vex2::kDefault, ui::Event::Clicked);
    qt::DialogWindow window(dialog);
    window.refresh();
    window.show();
    // The offscreen screen caps a new window at two thirds of it; a desktop shows its natural size.
    window.resize(window.sizeHint());
    QApplication::processEvents();
    const QPixmap shot = window.grab();
    ASSERT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(QDir(dir).filePath("vex2.png")));
}

}  // namespace
}  // namespace qvt::test
