// SPDX-License-Identifier: Apache-2.0
#pragma once
// "Advanced Setup": the SMTP SSL option of the products whose camera supports it. It works on its
// own copy of the SSL text ("0", "1"); the parameter editor hands the text in and takes it back.
#include <string>

#include "ui/Dialog.h"

namespace qvt::dialogs {

class AdvancedSetupDialog : public ui::Dialog {
public:
    static constexpr int kTemplateId = 160;
    static constexpr int kSslBox = 1188;

    explicit AdvancedSetupDialog(ui::Host& host);

    static ui::DialogTemplate dialogTemplate();

    void setSslText(std::string text) { sslText_ = std::move(text); }
    const std::string& sslText() const { return sslText_; }

    // Corrects the text to "0" when it is empty or not 0 or 1, then shows it in the check box.
    void showSslText();
    // The check box into the text ("1" ticked, "0" not).
    void takeSslCheck();

protected:
    void onInit() override;
    void onOK() override;

private:
    std::string sslText_;
};

}  // namespace qvt::dialogs
