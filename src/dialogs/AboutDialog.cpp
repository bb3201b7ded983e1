// SPDX-License-Identifier: Apache-2.0
#include "dialogs/AboutDialog.h"

#include "QvtVersion.h"

namespace qvt::dialogs {

using namespace ui;

DialogTemplate AboutDialog::dialogTemplate() {
    DialogTemplate t;
    t.resourceId = 100;
    const std::string app(kAppName);
    t.title = "About " + app;
    t.icon = "app";
    t.layout = Row({image("logo"), column({textNode(app + " Version " + QVT_VERSION_SHORT), textNode("Copyright (C) 2026"),
                                           textNode(app + " camera configuration developers"), stretch()})});
    return t;
}

AboutDialog::AboutDialog(Host& host) : Dialog(host, dialogTemplate()) {}

void showAboutBox(Host& host) {
    AboutDialog about(host);
    host.runModal(about);
}

}  // namespace qvt::dialogs
