// SPDX-License-Identifier: Apache-2.0
// "Find operator…" in real windows: the button's tool tip, the find window built from the control
// model, typing into its filter and Enter.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "dialogs/FindOperatorDialog.h"
#include "dialogs/WapInternetDialog.h"
#include "qt/QtTestSupport.h"
#include "support/DialogTestHost.h"
#include "operators/MessagingState.h"

namespace qvt::test {
namespace {

namespace fs = std::filesystem;
using dialogs::FindOperatorDialog;
using dialogs::WapInternetDialog;

const fs::path kFixtures = fs::path(QVT_TEST_DATA_DIR) / "providers";

struct EditorWindow {
    explicit EditorWindow(const fs::path& database) {
        pc.context.providers() = operators::ProviderDatabase(database);
        pc.context.messaging().editorMode = 0;
        pc.context.messaging().countryName = "Germany";
        pc.context.CurrentModelCode = "HX710T";
        editor = std::make_unique<WapInternetDialog>(host, pc.context);
        editor->init();
        window = std::make_unique<qt::DialogWindow>(*editor);
        window->refresh();
        showActive(window.get());
    }
    QPushButton* findButton() const { return widgetOf<QPushButton>(window.get(), WapInternetDialog::kFindOperator); }

    TestPc pc;
    ScriptedHost host;
    std::unique_ptr<WapInternetDialog> editor;
    std::unique_ptr<qt::DialogWindow> window;
};

TEST(FindOperatorWindow, TheButtonIsOffWithATipSayingWhyWhenThereIsNoDatabase) {
    TempDir dir;
    EditorWindow w(dir / "none.xml");
    ASSERT_NE(w.findButton(), nullptr);
    EXPECT_FALSE(w.findButton()->isEnabled());
    EXPECT_EQ(w.findButton()->toolTip().toStdString(), w.editor->toolTip(WapInternetDialog::kFindOperator));
    EXPECT_NE(w.findButton()->toolTip().indexOf(QStringLiteral("mobile-broadband-provider-info")), -1);
}

TEST(FindOperatorWindow, TypingNarrowsTheOperatorsAndEnterFillsTheEditor) {
    EditorWindow w(kFixtures / "valid.xml");
    ASSERT_TRUE(w.findButton()->isEnabled());
    std::vector<std::string> shownBeforeTyping, shownAfterTyping;
    w.host.onWindow = [&](qt::DialogWindow& find, int) {
        auto* providers = widgetOf<QListWidget>(&find, FindOperatorDialog::kProviders);
        auto* filter = widgetOf<QLineEdit>(&find, FindOperatorDialog::kFilter);
        ASSERT_TRUE(providers && filter);
        for (int i = 0; i < providers->count(); ++i)
            shownBeforeTyping.push_back(providers->item(i)->text().toStdString());
        typeText(filter, QStringLiteral("netz"));
        for (int i = 0; i < providers->count(); ++i)
            shownAfterTyping.push_back(providers->item(i)->text().toStdString());
        EXPECT_EQ(providers->currentRow(), 0);
        pressKeyOn(&find, Qt::Key_Return);
    };
    clickWidget(w.findButton());
    EXPECT_EQ(w.host.windowsOpened, 1);
    EXPECT_EQ(shownBeforeTyping, (std::vector<std::string>{"B\xC3\xA4renfunk", "Netzfunk"}));
    EXPECT_EQ(shownAfterTyping, std::vector<std::string>{"Netzfunk"});
    EXPECT_EQ(widgetOf<QLineEdit>(w.window.get(), 1097)->text(), QStringLiteral("http://mms.netzfunk.de/servlets/mms"));
    EXPECT_EQ(widgetOf<QLineEdit>(w.window.get(), 1104)->text(), QStringLiteral("web.netzfunk.de"));
    EXPECT_EQ(widgetOf<qt::IpAddressEdit>(w.window.get(), 1100)->octets(), (std::array<int, 4>{10, 11, 12, 13}));
}

}  // namespace
}  // namespace qvt::test
