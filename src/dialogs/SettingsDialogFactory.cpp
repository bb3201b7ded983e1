#include "dialogs/SettingsDialogFactory.h"

#include "dialogs/BareSettingsDialog.h"

namespace qvt::dialogs {

std::unique_ptr<ui::Dialog> CreateSettingsDialog(const app::Product& product, ui::Host& host, app::AppContext&) {
    return std::make_unique<BareSettingsDialog>(host, product);
}

}  // namespace qvt::dialogs
