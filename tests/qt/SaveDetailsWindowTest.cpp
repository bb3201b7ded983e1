// SPDX-License-Identifier: Apache-2.0
// The save confirmation's details and Export… in real windows: the HX710T-10M window on a card that
// already holds a file, the real message box with its details opened by a click. With
// QVT_SCREENSHOT_DIR set, the box is also saved as a picture for the documentation.
#include <gtest/gtest.h>

#include <QDir>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextEdit>

#include "dialogs/Catalogue.h"
#include "support/DialogTestHost.h"
#include "dialogs/SettingsDialog.h"
#include "qt/QtTestSupport.h"

namespace qvt::test {
namespace {

// Shows the real box the Qt host builds, opens its details as a person does, records what it shows,
// then answers Cancel.
class DetailsHost : public ScriptedHost {
public:
    QString shownDetails;
    bool detailsVisible = false;

protected:
    ui::Answer showMessageBoxWithDetails(QWidget* parent, const QString& text, const QString& caption, ui::Icon icon,
                                         ui::Buttons buttons, const QString& details) override {
        ScriptedHost::showMessageBoxWithDetails(parent, text, caption, icon, buttons, details);
        const std::unique_ptr<QMessageBox> box = qt::makeMessageBox(parent, text, caption, icon, buttons, details);
        box->show();
        QApplication::processEvents();
        for (QAbstractButton* b : box->buttons())
            if (box->buttonRole(b) == QMessageBox::ActionRole) clickWidget(b);  // "Show Details..."
        QApplication::processEvents();
        box->adjustSize();
        if (auto* edit = box->findChild<QTextEdit*>()) {
            detailsVisible = edit->isVisible();
            shownDetails = edit->toPlainText();
        }
        const QString dir = qEnvironmentVariable("QVT_SCREENSHOT_DIR");
        if (!dir.isEmpty()) {
            QDir().mkpath(dir);
            EXPECT_TRUE(box->grab().save(QDir(dir).filePath(QStringLiteral("save-details.png"))));
        }
        box->hide();
        return ui::Answer::Cancel;
    }
};

// Sets an environment variable for the test's duration.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value) : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name)) {
        qputenv(name, value);
    }
    ~ScopedEnv() {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    QByteArray old_;
    bool had_;
};

struct Window {
    Window(ui::Host& host, dialogs::AppContext& context) {
        dialog = dialogs::createSettingsDialog(*dialogs::findProductByModelCode("HX710T"), host, context);
        dialog->init();
        window = std::make_unique<qt::DialogWindow>(*dialog);
        window->refresh();
        showActive(window.get());
    }
    QWidget* operator()(int id) { return widgetOf(window.get(), id); }
    std::unique_ptr<ui::Dialog> dialog;
    std::unique_ptr<qt::DialogWindow> window;
};

TEST(SaveDetailsWindow, ExportAndTheConfirmationsDetailsScreenshot) {
    TempDir dir;
    TestPc::makeDir(dir / "home" / "Documents");
    const ScopedEnv homeEnv("HOME", QByteArray::fromStdString((dir / "home").string()));
    const ScopedEnv configEnv("XDG_CONFIG_HOME", QByteArray::fromStdString((dir / "home" / "config").string()));
    const auto pc = TestPc::makeDir(dir / "pc");
    const auto older = TestPc::makeDir(dir / "older");  // an older card with this camera's file
    const auto card = TestPc::makeDir(dir / "card");
    const auto cardFile = card / "GSM" / "HX710T.TXT";
    dialogs::AppContext context(platform::Volumes(pc, {older, card}), platform::Clock({2024, 5, 17, 10, 20, 30}));
    context.CurrentModelCode = "HX710T";
    DetailsHost host;

    // The defaults exported: exactly what a save of them puts on a card.
    const QString exported = QString::fromStdString((dir / "exported.TXT").string());
    {
        Window w(host, context);
        clickWidget(w(1080));  // Default(&D)
        host.files = {exported};
        clickWidget(w(9001));
        clickWidget(w(2));
    }
    ASSERT_EQ(host.saveDefaults.size(), 1u);
    EXPECT_EQ(host.saveDefaults[0],
              QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath("HX710T.TXT"));
    EXPECT_EQ(host.fileFilters.back(), (QStringList{"Settings File(*.TXT) (*.TXT *.txt)", "All Files(*.*) (*.*)"}));
    const std::string defaults = readFile(exported.toStdString());
    ASSERT_NE(defaults.find("Photo Size=0\r\n"), std::string::npos) << defaults;
    writeFile(older / "GSM" / "HX710T.TXT", defaults);
    writeFile(cardFile, defaults);

    Window w(host, context);  // opens on the later card's file
    ASSERT_TRUE(chooseInCombo(widgetOf<QComboBox>(w.window.get(), 1068), QStringLiteral("10M")));  // Photo Size
    ASSERT_TRUE(chooseInCombo(widgetOf<QComboBox>(w.window.get(), 1072), QStringLiteral("High")));  // PIR Trigger
    clickWidget(w(1));  // Save(&Y)
    ASSERT_FALSE(host.boxes.empty());
    EXPECT_EQ(host.boxes.back().text, "Confirm save all the data ?");
    EXPECT_TRUE(host.detailsVisible);
    const std::string arrow = " \xE2\x86\x92 ";
    // The window's own words: the labels and the values as the lists show them, under their group.
    EXPECT_EQ(host.shownDetails.toStdString(), "write: " + cardFile.string() + "\nCamera Setting\n  Photo Size: 5M" +
                                                   arrow + "10M\n  PIR Trigger: Normal" + arrow +
                                                   "High\ndelete: " + (older / "GSM" / "HX710T.TXT").string());
    EXPECT_EQ(host.boxes.back().details, host.shownDetails.toStdString());
    // Cancelled: both cards keep their files.
    EXPECT_EQ(readFile(cardFile), defaults);
    EXPECT_EQ(readFile(older / "GSM" / "HX710T.TXT"), defaults);
    clickWidget(w(2));
}

#ifndef _WIN32  // Windows finds Music and Documents among its known folders, not under HOME
TEST(SaveDetailsWindow, SoundsAndSettingsFilesRememberTheirOwnFolders) {
    TempDir dir;
    const auto home = TestPc::makeDir(dir / "home");
    for (const char* sub : {"Music", "Documents", "sounds", "profiles", "config"}) TestPc::makeDir(home / sub);
    const ScopedEnv homeEnv("HOME", QByteArray::fromStdString(home.string()));
    const ScopedEnv configEnv("XDG_CONFIG_HOME", QByteArray::fromStdString((home / "config").string()));
    auto Q = [](const std::filesystem::path& p) { return QString::fromStdString(p.string()); };
    writeFile(home / "sounds" / "call.wav", "RIFF");
    writeFile(home / "profiles" / "HX710T.TXT", "[QVTFileMark]\r\nModel=HX710T\r\n");

    const auto pc = TestPc::makeDir(dir / "pc");
    const auto card = TestPc::makeDir(dir / "card");
    dialogs::AppContext context(platform::Volumes(pc, {card}), platform::Clock({2024, 5, 17, 10, 20, 30}));
    context.CurrentModelCode = "HX710T";
    ScriptedHost host;
    Window w(host, context);
    // What each dialog starts in, in the order the user opens them, and the file chosen there.
    host.files = {Q(home / "sounds" / "call.wav"), Q(home / "profiles" / "HX710T.TXT"), std::nullopt,
                  Q(home / "profiles" / "mine.TXT"), std::nullopt};
    ASSERT_TRUE(chooseInCombo(widgetOf<QComboBox>(w.window.get(), 1118), QStringLiteral("ON")));  // Game Call
    clickWidget(w(1002));  // "+": the game-call sound
    clickWidget(w(9002));  // Import…: the file has no Game Call, which the import turns off
    ASSERT_TRUE(chooseInCombo(widgetOf<QComboBox>(w.window.get(), 1118), QStringLiteral("ON")));
    clickWidget(w(1002));  // cancelled: the sound chosen before is kept (the question's answer is OK)
    clickWidget(w(9001));  // Export…
    clickWidget(w(9002));
    ASSERT_EQ(host.fileDialogs.size(), 5u);
    EXPECT_EQ(host.fileDialogs[0].directory, Q(home / "Music"));
    EXPECT_EQ(host.fileDialogs[1].directory, Q(home / "Documents"));
    EXPECT_EQ(host.fileDialogs[1].title, QStringLiteral("Import settings file"));
    EXPECT_EQ(host.fileDialogs[2].directory, Q(home / "sounds")) << "the import left the sounds' folder alone";
    ASSERT_EQ(host.saveDefaults.size(), 1u);
    EXPECT_EQ(host.saveDefaults[0], Q(home / "profiles" / "HX710T.TXT")) << "where the last settings file came from";
    EXPECT_EQ(host.fileDialogs[4].directory, Q(home / "profiles"));
    clickWidget(w(2));
}
#endif

}  // namespace
}  // namespace qvt::test
