// SPDX-License-Identifier: Apache-2.0
// The product selection's picture for the documentation.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QPixmap>

#include "app/ProductSelectDialog.h"
#include "dialogs/AppContext.h"
#include "qt/QtTestSupport.h"
#include "support/TestSupport.h"

namespace qvt::test {
namespace {

using app::ProductSelectDialog;
constexpr int kList = ProductSelectDialog::kProductList;

class ProductSelectWindowTest : public ::testing::Test {
protected:
    TempDir root;
    dialogs::AppContext context{platform::Volumes(root.path(), {}), platform::Clock()};
    ScriptedHost host;
    ProductSelectDialog dialog{host, context};
};

// Writes product-select.png into $QVT_SCREENSHOT_DIR for the documentation.
TEST_F(ProductSelectWindowTest, Screenshot) {
    const QString dir = qEnvironmentVariable("QVT_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "set QVT_SCREENSHOT_DIR to write the screenshot";
    bool saved = false;
    host.onWindow = [&](qt::DialogWindow& window, int) {
        chooseInCombo(widgetOf<QComboBox>(&window, kList), "HX720U");
        clickWidget(widgetOf(&window, ProductSelectDialog::kRememberBox));
        window.adjustSize();
        QDir().mkpath(dir);
        saved = window.grab().save(QDir(dir).filePath("product-select.png"));
        window.close();
    };
    host.runModal(dialog);
    EXPECT_TRUE(saved);
}

}  // namespace
}  // namespace qvt::test
