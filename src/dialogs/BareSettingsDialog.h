#pragma once
#include "app/AppContext.h"
#include "app/Catalogue.h"
#include "ui/Dialog.h"

namespace qvt::dialogs {

// A settings window with only its title, banner and Exit: stands for a product whose own dialog
// is not built yet.
class BareSettingsDialog : public ui::Dialog {
public:
    BareSettingsDialog(ui::Host& host, const app::Product& product);

protected:
    void onNotify(int id, ui::Event event) override;

private:
    int bannerId_;
};

}  // namespace qvt::dialogs
