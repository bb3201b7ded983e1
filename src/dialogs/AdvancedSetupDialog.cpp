// SPDX-License-Identifier: Apache-2.0
#include "dialogs/AdvancedSetupDialog.h"

#include "platform/FileOps.h"

namespace qvt::dialogs {

using namespace ui;

DialogTemplate AdvancedSetupDialog::Template() {
    DialogTemplate t;
    t.resourceId = kTemplateId;
    t.title = "Advanced Setup";
    t.controls.push_back(CheckSpec(kSslBox, "This service requires SSL(&S)", {.autoCheck = true}));
    t.controls.push_back(ButtonSpec(1, "OK(&Y)", {.defaultButton = true}));
    t.controls.push_back(ButtonSpec(2, "Cancel(&N)"));
    t.layout = Column({
        Group("SMTP Server", {Ctl(kSslBox)}),
        Row({Stretch(), Ctl(1), Ctl(2)}),
    });
    return t;
}

AdvancedSetupDialog::AdvancedSetupDialog(Host& host) : Dialog(host, Template()) {}

void AdvancedSetupDialog::onInit() {
    InitAdvancedPara(0);
}

void AdvancedSetupDialog::onOK() {
    InitAdvancedPara(1);
    end(Result::Ok);
}

void AdvancedSetupDialog::InitAdvancedPara(int mode) {
    switch (mode) {
        case 0: {
            // The decimal value is the leading number of the text, as atoi reads it (none reads as 0).
            int value = platform::AtoI(sslText_);
            if (sslText_.empty() || value < 0 || value > 1) {
                sslText_ = "0";
                value = 0;
            }
            setCheck(kSslBox, value);
            return;
        }
        case 1:
            sslText_ = check(kSslBox) == 1 ? "1" : "0";
            return;
        default:
            message("Invalid Call For InitAdvancedPara() !", "QVT Tips", Icon::Error);
            return;
    }
}

}  // namespace qvt::dialogs
