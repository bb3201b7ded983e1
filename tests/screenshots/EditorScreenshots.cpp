// SPDX-License-Identifier: Apache-2.0
// Pictures of the parameter editor and Advanced Setup for the documentation. Runs only when
// QVT_SCREENSHOT_DIR names a folder to write them to.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <filesystem>
#include <functional>

#include "dialogs/AdvancedSetupDialog.h"
#include "dialogs/FindOperatorDialog.h"
#include "support/DialogTestHost.h"
#include "dialogs/WapInternetDialog.h"
#include "operators/OperatorTables.h"
#include "qt/QtTestSupport.h"
#include "operators/MessagingState.h"

namespace qvt::test {
namespace {

QString screenshotDir() {
    return qEnvironmentVariable("QVT_SCREENSHOT_DIR");
}

// `prepare` does what a user did before the picture is taken.
void render(ui::Dialog& dialog, const QString& fileName, const std::function<void(ui::Dialog&)>& prepare = {}) {
    dialog.init();
    if (prepare) prepare(dialog);
    qt::DialogWindow window(dialog);
    window.refresh();
    window.show();
    // The window at its natural size, as a desktop shows it.
    window.resize(window.sizeHint());
    settleLayouts();
    const QPixmap shot = window.grab();
    ASSERT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(QDir(screenshotDir()).filePath(fileName))) << fileName.toStdString();
}

class EditorScreenshotTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (screenshotDir().isEmpty()) GTEST_SKIP() << "QVT_SCREENSHOT_DIR is not set";
        QDir().mkpath(screenshotDir());
        pc.context.CurrentModelCode = "HX720U";
    }
    TestPc pc;
    ScriptedHost host;
};

TEST_F(EditorScreenshotTest, ReviewMode) {
    operators::MessagingState& state = pc.context.messaging();
    const int c = operators::findCountry("Germany");
    state.countryName = "Germany";
    state.operatorName = "Bild-Vodafone";
    state.params = operators::paramsAt(c, operators::findOperator(c, "Bild-Vodafone"));
    state.smtpSsl = "0";
    state.editorMode = 1;
    dialogs::WapInternetDialog editor(host, pc.context);
    render(editor, "editor-review.png");
}

// The system's provider database, or the test fixture where it is not installed.
std::filesystem::path providerDatabase() {
    const std::filesystem::path system = "/usr/share/mobile-broadband-provider-info/serviceproviders.xml";
    return std::filesystem::exists(system) ? system
                                           : std::filesystem::path(QVT_TEST_DATA_DIR) / "providers" / "valid.xml";
}

TEST_F(EditorScreenshotTest, UserDefinedMode) {
    pc.context.messaging().editorMode = 0;
    pc.context.providers() = operators::ProviderDatabase(providerDatabase());
    dialogs::WapInternetDialog editor(host, pc.context);
    render(editor, "editor-user-defined.png");
}

TEST_F(EditorScreenshotTest, AdvancedSetup) {
    dialogs::AdvancedSetupDialog advanced(host);
    advanced.setSslText("1");
    render(advanced, "advanced-setup.png");
}

// The find dialog opened from a German window and narrowed to one operator.
TEST_F(EditorScreenshotTest, FindOperator) {
    operators::ProviderDatabase database(providerDatabase());
    const operators::ProviderList* list = database.load();
    ASSERT_NE(list, nullptr) << database.error();
    dialogs::FindOperatorDialog find(host, *list,
                                     "Provider database: " + database.pathText() + ", dated " + database.fileDate(),
                                     "de");
    render(find, "find-operator.png", [](ui::Dialog& d) {
        d.setTextQuiet(dialogs::FindOperatorDialog::kFilter, "telekom");
        d.notify(dialogs::FindOperatorDialog::kFilter, ui::Event::TextChanged);
    });
}

}  // namespace
}  // namespace qvt::test
