#include "dialogs/BareSettingsDialog.h"

#include "app/AboutDialog.h"

namespace qvt::dialogs {

using namespace ui;

static DialogTemplate BareTemplate(const app::Product& product) {
    DialogTemplate t;
    t.resourceId = product.dialogResource;
    t.title = app::SettingsDialogTitle(product.modelCode);
    t.icon = "app";
    t.controls.push_back(PictureSpec(product.bannerId, "banner", {.notify = true}));
    t.controls.push_back(ButtonSpec(2, "Exit(&N)"));
    t.layout = Column({Ctl(product.bannerId), Row({Stretch(), Ctl(2)})});
    return t;
}

BareSettingsDialog::BareSettingsDialog(Host& host, const app::Product& product)
    : Dialog(host, BareTemplate(product)), bannerId_(product.bannerId) {}

void BareSettingsDialog::onNotify(int id, Event event) {
    if (event != Event::Clicked) return;
    if (id == bannerId_) app::ShowAboutBox(host());
}

}  // namespace qvt::dialogs
