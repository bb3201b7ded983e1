// SPDX-License-Identifier: Apache-2.0
#include "app/ProductSelectDialog.h"

#include <string>

#include "dialogs/Catalogue.h"
#include "dialogs/SettingsDialog.h"
#include "platform/FileOps.h"

namespace qvt::app {

using namespace ui;
using dialogs::catalogue;
using dialogs::displayNameToModelCode;
using dialogs::findProductByModelCode;
using dialogs::kDefaultPhotoControl;
using dialogs::kDefaultPhotoImage;
using dialogs::Product;

DialogTemplate ProductSelectDialog::dialogTemplate() {
    DialogTemplate t;
    t.resourceId = 136;
    t.title = std::string(ui::kAppName);
    t.icon = "app";
    std::vector<std::string> names;
    for (const Product& p : catalogue()) names.emplace_back(p.displayName);
    t.controls.push_back(listSpec(kProductList, names, {.sorted = true}));
    t.controls.push_back(checkSpec(kRememberBox, "Remember My Choice", {.autoCheck = true}));
    t.controls.push_back(pictureSpec(kDefaultPhotoControl, std::string(kDefaultPhotoImage)));
    t.controls.back().accessibleName = "No product chosen";
    for (const Product& p : catalogue()) {
        t.controls.push_back(pictureSpec(p.photoControl, std::string(p.photoImage)));
        t.controls.back().accessibleName = "Photo of the " + std::string(p.displayName);
    }
    t.controls.push_back(buttonSpec(1, "OK(&Y)", {.defaultButton = true}));
    t.controls.push_back(buttonSpec(2, "Exit(&N)"));

    std::vector<LayoutNode> photos;
    for (int id = kFirstPhoto; id <= kLastPhoto; ++id) photos.push_back(ctrl(id));
    t.layout = column({
        image("banner_select"),
        Row({column({textNode("Please select a product:"), ctrl(kProductList), ctrl(kRememberBox), stretch()}),
             Row(std::move(photos))}),
        Row({stretch(), ctrl(1), ctrl(2)}),
    });
    return t;
}

ProductSelectDialog::ProductSelectDialog(Host& host, dialogs::AppContext& context) : Dialog(host, dialogTemplate()), context_(context) {}

void ProductSelectDialog::onInit() {
    restoreUserChoice();
    showProductPhoto();
}

void ProductSelectDialog::onNotify(int id, Event event) {
    if (id == kProductList && event == Event::SelChange) showProductPhoto();
}

void ProductSelectDialog::onOK() {
    launchSettingsDialog();
    rememberUserChoice();
}

void ProductSelectDialog::forgetUserChoice() {
    platform::RegistryStore& registry = context_.registry;
    if (registry.createKey(kRegistryKey) && !registry.setDefaultValue(kRegistryKey, "-1")) clearUserChoice();
}

void ProductSelectDialog::restoreUserChoice() {
    const std::optional<std::string> value = context_.registry.queryDefaultValue(kRegistryKey);
    if (!value) {
        forgetUserChoice();
        return;
    }
    const int pos = platform::atoI(*value);
    if (pos < 0 || pos >= count(kProductList)) {
        clearUserChoice();
        return;
    }
    select(kProductList, pos);
    setCheck(kRememberBox, 1);
}

void ProductSelectDialog::rememberUserChoice() {
    platform::RegistryStore& registry = context_.registry;
    forgetUserChoice();
    if (check(kRememberBox) != 1) return;
    // A choice that cannot be stored is not left half remembered: the keys go, as when "-1" cannot be written.
    if (registry.createKey(kRegistryKey) && !registry.setDefaultValue(kRegistryKey, std::to_string(sel(kProductList))))
        clearUserChoice();
}

void ProductSelectDialog::clearUserChoice() {
    clearSelection(kProductList);
    setCheck(kRememberBox, 0);
    context_.registry.deleteKey(kRegistryKey);
    context_.registry.deleteKey(kRegistryParentKey);
}

void ProductSelectDialog::showProductPhoto() {
    for (int id = kFirstPhoto; id <= kLastPhoto; ++id) setVisible(id, false);
    std::string code = selText(kProductList);
    displayNameToModelCode(code);
    const Product* product = findProductByModelCode(code);
    setVisible(product ? product->photoControl : kDefaultPhotoControl, true);
}

int ProductSelectDialog::launchSettingsDialog() {
    if (sel(kProductList) < 0) {
        message("Please select a product !", ui::kTipsCaption, Icon::Warning);
        return 0;
    }
    end(Result::Ok);
    std::string code = selText(kProductList);
    displayNameToModelCode(code);
    context_.CurrentModelCode = code;

    const Product* product = findProductByModelCode(code);
    std::unique_ptr<Dialog> settings = product ? dialogs::createSettingsDialog(*product, host(), context_) : nullptr;
    if (!settings) {
        message("Error: This product is not exist !", ui::kTipsCaption, Icon::Error);
        end(Result::Ok);
        return 1;
    }
    host().runModal(*settings);
    return 1;
}

}  // namespace qvt::app
