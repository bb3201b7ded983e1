#include "dialogs/SettingsDialogFactory.h"

#include "dialogs/BareSettingsDialog.h"
#include "dialogs/Hx710tDialog.h"

namespace qvt::dialogs {

std::unique_ptr<ui::Dialog> CreateSettingsDialog(const app::Product& product, ui::Host& host,
                                                 app::AppContext& context) {
    switch (product.dialog) {
        case app::SettingsDialogKind::Hx710t:
            return std::make_unique<Hx710tDialog>(host, context);
        default:
            return std::make_unique<BareSettingsDialog>(host, product);
    }
}

}  // namespace qvt::dialogs
