// SPDX-License-Identifier: Apache-2.0
#include "dialogs/AdvancedSetupDialog.h"

#include "platform/FileOps.h"

namespace qvt::dialogs {

using namespace ui;

DialogTemplate AdvancedSetupDialog::dialogTemplate() {
    DialogTemplate t;
    t.resourceId = kTemplateId;
    t.title = "Advanced Setup";
    t.controls.push_back(checkSpec(kSslBox, "This service requires SSL(&S)", {.autoCheck = true}));
    t.controls.push_back(buttonSpec(1, "OK(&Y)", {.defaultButton = true}));
    t.controls.push_back(buttonSpec(2, "Cancel(&N)"));
    t.layout = column({
        group("SMTP Server", {ctrl(kSslBox)}),
        Row({stretch(), ctrl(1), ctrl(2)}),
    });
    return t;
}

AdvancedSetupDialog::AdvancedSetupDialog(Host& host) : Dialog(host, dialogTemplate()) {}

void AdvancedSetupDialog::onInit() {
    showSslText();
}

void AdvancedSetupDialog::onOK() {
    takeSslCheck();
    end(Result::Ok);
}

void AdvancedSetupDialog::showSslText() {
    // The decimal value is the leading number of the text, as atoi reads it (none reads as 0).
    int value = platform::atoI(sslText_);
    if (sslText_.empty() || value < 0 || value > 1) {
        sslText_ = "0";
        value = 0;
    }
    setCheck(kSslBox, value);
}

void AdvancedSetupDialog::takeSslCheck() {
    sslText_ = check(kSslBox) == 1 ? "1" : "0";
}

}  // namespace qvt::dialogs
