#include "app/AboutDialog.h"

namespace qvt::app {

using namespace ui;

DialogTemplate AboutDialog::Template() {
    DialogTemplate t;
    t.resourceId = 100;
    t.title = "About QVT CONFIG";
    t.icon = "app";
    t.layout = Row({Image("logo"), Column({Text("QVT CONFIG Version 1.0"), Text("Copyright (C) 2026"),
                                           Text("QVT CONFIG camera configuration developers"), Stretch()})});
    return t;
}

AboutDialog::AboutDialog(Host& host) : Dialog(host, Template()) {}

void showAboutBox(Host& host) {
    AboutDialog about(host);
    host.runModal(about);
}

}  // namespace qvt::app
