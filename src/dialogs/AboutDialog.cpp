// SPDX-License-Identifier: Apache-2.0
#include "dialogs/AboutDialog.h"

namespace qvt::dialogs {

using namespace ui;

DialogTemplate AboutDialog::dialogTemplate() {
    DialogTemplate t;
    t.resourceId = 100;
    t.title = "About QVT CONFIG";
    t.icon = "app";
    t.layout = Row({image("logo"), column({textNode("QVT CONFIG Version 1.0"), textNode("Copyright (C) 2026"),
                                           textNode("QVT CONFIG camera configuration developers"), stretch()})});
    return t;
}

AboutDialog::AboutDialog(Host& host) : Dialog(host, dialogTemplate()) {}

void showAboutBox(Host& host) {
    AboutDialog about(host);
    host.runModal(about);
}

}  // namespace qvt::dialogs
