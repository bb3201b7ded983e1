// SPDX-License-Identifier: Apache-2.0
#pragma once
#include <memory>

#include "dialogs/AppContext.h"
#include "dialogs/Catalogue.h"
#include "ui/Dialog.h"

namespace qvt::dialogs {

// Constructs the settings dialog that configures `product`.
std::unique_ptr<ui::Dialog> createSettingsDialog(const dialogs::Product& product, ui::Host& host, dialogs::AppContext& context);

}  // namespace qvt::dialogs
