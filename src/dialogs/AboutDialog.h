// SPDX-License-Identifier: Apache-2.0
#pragma once
#include "ui/Dialog.h"

namespace qvt::dialogs {

// The About box: no buttons; Esc or the close box close it.
class AboutDialog : public ui::Dialog {
public:
    explicit AboutDialog(ui::Host& host);
    static ui::DialogTemplate dialogTemplate();
};

// Runs the About box modally (every settings dialog's banner click).
void showAboutBox(ui::Host& host);

}  // namespace qvt::dialogs
