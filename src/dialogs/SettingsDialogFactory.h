// SPDX-License-Identifier: Apache-2.0
#pragma once
#include <memory>

#include "app/AppContext.h"
#include "app/Catalogue.h"
#include "ui/Dialog.h"

namespace qvt::dialogs {

// Constructs the settings dialog that configures `product`.
std::unique_ptr<ui::Dialog> createSettingsDialog(const app::Product& product, ui::Host& host, app::AppContext& context);

}  // namespace qvt::dialogs
