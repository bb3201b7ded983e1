// SPDX-License-Identifier: Apache-2.0
#pragma once
// The dialog tests' recording host, able to drive nested modal dialogs: a test hands in what the
// user does in each nested dialog; one left open afterwards is closed as with Escape.
#include <functional>

#include "support/DialogTestHost.h"

namespace qvt::test {

class ModalDrivingHost : public RecordingHost {
public:
    // Called with each nested dialog once it is initialised, and its number in opening order (from 0).
    std::function<void(ui::Dialog&, int)> onModal;
    int modalsRun = 0;

    ui::Result runModal(ui::Dialog& dialog) override {
        dialog.init();
        modalTitles.push_back(dialog.title());
        const int index = modalsRun++;
        if (onModal && !dialog.ended()) onModal(dialog, index);
        if (!dialog.ended()) dialog.pressKey(ui::Key::Escape);
        return dialog.ended() ? dialog.result() : ui::Result::Cancel;
    }
};

}  // namespace qvt::test
