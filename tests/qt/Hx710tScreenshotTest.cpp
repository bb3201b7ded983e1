// A picture of the HX710T-10M window after "Default(&D)", for the documentation. Runs only when
// QVT_SCREENSHOT_DIR names a folder to write it to.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include "dialogs/DialogTestHost.h"
#include "dialogs/Hx710tDialog.h"
#include "qt/QtTestSupport.h"

namespace qvt::test {
namespace {

TEST(Hx710tScreenshotTest, AfterDefault) {
    const QString dir = qEnvironmentVariable("QVT_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "QVT_SCREENSHOT_DIR is not set";
    QDir().mkpath(dir);
    TestPc pc;
    ScriptedHost host;
    dialogs::Hx710tDialog dialog(host, pc.context);
    dialog.init();
    dialog.notify(1080, ui::Event::Clicked);
    dialog.select(1065, dialog.findExact(1065, "Germany"));
    dialog.notify(1065, ui::Event::SelChange);
    qt::DialogWindow window(dialog);
    window.refresh();
    window.show();
    window.resize(window.sizeHint());
    QApplication::processEvents();
    const QPixmap shot = window.grab();
    ASSERT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(QDir(dir).filePath("hx710t.png")));
}

}  // namespace
}  // namespace qvt::test
