// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPixmap>

#include "dialogs/AppContext.h"
#include "app/ProductSelectDialog.h"
#include "qt/QtTestSupport.h"
#include "support/TestSupport.h"

namespace qvt::test {
namespace {

using app::ProductSelectDialog;
using namespace ui;

constexpr int kList = ProductSelectDialog::kProductList;

std::vector<int> visiblePhotos(QWidget* window) {
    std::vector<int> shown;
    for (int id = ProductSelectDialog::kFirstPhoto; id <= ProductSelectDialog::kLastPhoto; ++id) {
        QWidget* photo = widgetOf(window, id);
        if (photo && photo->isVisibleTo(window)) shown.push_back(id);
    }
    return shown;
}

class ProductSelectWindowTest : public ::testing::Test {
protected:
    TempDir root;
    dialogs::AppContext context{platform::Volumes(root.path(), {}), platform::Clock()};
    ScriptedHost host;
    ProductSelectDialog dialog{host, context};
};

TEST_F(ProductSelectWindowTest, ChoosingAProductShowsItsPhotoAlone) {
    std::vector<int> before, after;
    bool pixmapShown = false;
    host.onWindow = [&](qt::DialogWindow& window, int) {
        before = visiblePhotos(&window);
        ASSERT_TRUE(chooseInCombo(widgetOf<QComboBox>(&window, kList), "HX710T-10M"));
        after = visiblePhotos(&window);
        pixmapShown = !widgetOf<QLabel>(&window, 1166)->pixmap().isNull();
        clickWidget(widgetOf(&window, 2));
    };
    EXPECT_EQ(host.runModal(dialog), Result::Cancel);
    EXPECT_EQ(before, std::vector<int>{1162}) << "the default photo while nothing is chosen";
    EXPECT_EQ(after, std::vector<int>{1166});
    EXPECT_TRUE(pixmapShown);
    EXPECT_TRUE(context.CurrentModelCode.empty());
}

TEST_F(ProductSelectWindowTest, OkOpensTheChosenProductsSettingsWindowInPlaceOfTheSelection) {
    QString settingsTitle, aboutTitle;
    bool selectionHidden = false;
    bool aboutOwnedBySettings = false;
    host.onWindow = [&](qt::DialogWindow& window, int index) {
        switch (index) {
            case 0:
                ASSERT_TRUE(chooseInCombo(widgetOf<QComboBox>(&window, kList), "HX720U"));
                clickWidget(widgetOf(&window, 1));  // the settings window runs inside this click
                return;
            case 1:
                settingsTitle = window.windowTitle();
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (auto* other = dynamic_cast<qt::DialogWindow*>(w);
                        other && other != &window && other->dialog().ended())
                        selectionHidden = !other->isVisible();
                clickWidget(widgetOf(&window, 1082));  // the banner opens the About box
                pressKeyOn(&window, Qt::Key_Escape);
                return;
            case 2:
                aboutTitle = window.windowTitle();
                aboutOwnedBySettings =
                    window.parentWidget() != nullptr &&
                    static_cast<qt::DialogWindow*>(window.parentWidget())->windowTitle() == settingsTitle;
                pressKeyOn(&window, Qt::Key_Escape);
                return;
        }
    };
    EXPECT_EQ(host.runModal(dialog), Result::Ok);
    EXPECT_EQ(host.windowsOpened, 3);
    EXPECT_EQ(settingsTitle, "QVT CONFIG : For HX720U");
    EXPECT_TRUE(selectionHidden);
    EXPECT_EQ(aboutTitle, "About QVT CONFIG");
    EXPECT_TRUE(aboutOwnedBySettings);
    EXPECT_EQ(context.CurrentModelCode, "HX720U");
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(ProductSelectWindowTest, OkWithoutAChoiceWarnsAndKeepsTheWindow) {
    bool stillShown = false;
    host.onWindow = [&](qt::DialogWindow& window, int) {
        clickWidget(widgetOf(&window, 1));
        stillShown = window.isVisible();
        pressKeyOn(&window, Qt::Key_Escape);
    };
    EXPECT_EQ(host.runModal(dialog), Result::Cancel);
    EXPECT_TRUE(stillShown);
    EXPECT_EQ(host.windowsOpened, 1);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "Please select a product !");
    EXPECT_EQ(host.boxes[0].caption, "QVT Tips");
    EXPECT_EQ(host.boxes[0].icon, Icon::Warning);
    EXPECT_TRUE(host.boxes[0].parentVisible);
}

TEST_F(ProductSelectWindowTest, TheRememberBoxTicksWithAClick) {
    int checkAfterClick = -1;
    bool widgetChecked = false;
    host.onWindow = [&](qt::DialogWindow& window, int) {
        clickWidget(widgetOf(&window, ProductSelectDialog::kRememberBox));
        checkAfterClick = window.dialog().check(ProductSelectDialog::kRememberBox);
        widgetChecked = widgetOf<QCheckBox>(&window, ProductSelectDialog::kRememberBox)->isChecked();
        window.close();
    };
    host.runModal(dialog);
    EXPECT_EQ(checkAfterClick, 1);
    EXPECT_TRUE(widgetChecked);
}

}  // namespace
}  // namespace qvt::test
