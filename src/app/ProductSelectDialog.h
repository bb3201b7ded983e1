// SPDX-License-Identifier: Apache-2.0
#pragma once
#include "dialogs/AppContext.h"
#include "ui/Dialog.h"

namespace qvt::app {

// The start window: pick the camera model, see its photo, optionally remember the choice.
class ProductSelectDialog : public ui::Dialog {
public:
    static constexpr int kProductList = 1131;
    static constexpr int kRememberBox = 1142;
    static constexpr int kFirstPhoto = 1162;
    static constexpr int kLastPhoto = 1170;
    static constexpr const char* kRegistryKey = "Software\\Lumbrakon\\UserModelSel";
    static constexpr const char* kRegistryParentKey = "Software\\Lumbrakon";

    ProductSelectDialog(ui::Host& host, dialogs::AppContext& context);
    static ui::DialogTemplate dialogTemplate();

    // The remembered product choice: restored at the start, remembered (or forgotten) on OK.
    void restoreUserChoice();
    void rememberUserChoice();
    void forgetUserChoice();  // the stored choice becomes "-1"
    void clearUserChoice();   // no selection, box unchecked, the stored choice deleted
    void showProductPhoto();  // the photo of the selected product, the others hidden
    int launchSettingsDialog();

protected:
    void onInit() override;
    void onNotify(int id, ui::Event event) override;
    void onOK() override;

private:
    dialogs::AppContext& context_;
};

}  // namespace qvt::app
