// A picture of the HX720U window after "Default(&D)" for the documentation. Runs only when
// QVT_SCREENSHOT_DIR names a folder to write it to.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include "dialogs/DialogTestHost.h"
#include "dialogs/Hx720uDialog.h"
#include "qt/QtTestSupport.h"

namespace qvt::test {
namespace {

TEST(Hx720uDialogScreenshotTest, AfterDefault) {
    const QString dir = qEnvironmentVariable("QVT_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "QVT_SCREENSHOT_DIR is not set";
    QDir().mkpath(dir);
    TestPc pc;
    pc.context.CurrentModelCode = "HX720U";
    ScriptedHost host;
    dialogs::Hx720uDialog dialog(host, pc.context);
    dialog.init();
    dialog.notify(dialogs::hx720u::kDefault, ui::Event::Clicked);

    qt::DialogWindow window(dialog);
    window.refresh();
    window.show();
    // The offscreen screen is small and caps a new window at two thirds of it; a desktop shows the
    // window at its natural size.
    window.resize(window.sizeHint());
    QApplication::processEvents();
    const QPixmap shot = window.grab();
    ASSERT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(QDir(dir).filePath("hx720u.png")));
}

}  // namespace
}  // namespace qvt::test
