// SPDX-License-Identifier: Apache-2.0
#include "dialogs/SettingsDialogFactory.h"

#include "dialogs/Hx710tDialog.h"
#include "dialogs/Hx720uDialog.h"
#include "dialogs/Lp300Dialog.h"
#include "dialogs/S1Dialog.h"
#include "dialogs/Vex2Dialog.h"

namespace qvt::dialogs {

std::unique_ptr<ui::Dialog> createSettingsDialog(const dialogs::Product& product, ui::Host& host,
                                                 dialogs::AppContext& context) {
    switch (product.dialog) {
        case dialogs::SettingsDialogKind::Hx710t:
            return std::make_unique<Hx710tDialog>(host, context);
        case dialogs::SettingsDialogKind::Hx720u:
            return std::make_unique<Hx720uDialog>(host, context);
        case dialogs::SettingsDialogKind::Lp300:
            return std::make_unique<Lp300Dialog>(host, context);
        case dialogs::SettingsDialogKind::Vex2:
            return std::make_unique<Vex2Dialog>(host, context);
        case dialogs::SettingsDialogKind::S1:
            return std::make_unique<S1Dialog>(host, context);
    }
    return nullptr;  // every kind is handled above
}

}  // namespace qvt::dialogs
