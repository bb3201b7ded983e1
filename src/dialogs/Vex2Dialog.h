// SPDX-License-Identifier: Apache-2.0
#pragma once
// The settings window of the VEX 2.0 camera, the smallest of the settings dialogs: time format,
// PIR interval, Time Lapse, PIR Trigger and the clock, the temperature format and "Send To" radio
// groups, the customer information and the country/operator choice. Its file is "GSM/VEX2.TXT".
#include <string>

#include "dialogs/AppContext.h"
#include "dialogs/Catalogue.h"
#include "dialogs/ProductSettingsDialog.h"

namespace qvt::dialogs {

namespace vex2 {
inline constexpr const Product& kProduct = *productOf(SettingsDialogKind::Vex2);
inline constexpr int kTemplateId = kProduct.dialogResource;
inline constexpr std::string_view kFileCode = kProduct.fileCode;

// Camera settings.
inline constexpr int kTimeFormat = 1192;
inline constexpr int kPirInterval = 1073;
inline constexpr int kTimeLapse = ids::kTimeLapse;
inline constexpr int kPirTrigger = ids::kPirTrigger;
inline constexpr int kDefault = 1080;

// The two radio groups. 1063 and 1065 are the temperature format here, not Send To or a list.
inline constexpr int kFahrenheit = 1063;
inline constexpr int kCelsius = 1065;
inline constexpr int kSendToPhone = 1194;
inline constexpr int kSendToEmail = 1193;
inline constexpr int kSendToNone = 1191;

// Messaging settings.
inline constexpr int kCountryList = 1138;
inline constexpr int kOperatorList = 1139;
inline constexpr int kCheckParams = 1140;
// The eight customer-information edits keep their ids of every dialog (parts::addCustomerInfo).

inline constexpr int kBanner = kProduct.bannerId;
inline constexpr int kPathList = 1135;
}  // namespace vex2

class Vex2Dialog : public ProductSettingsDialog {
public:
    Vex2Dialog(ui::Host& host, dialogs::AppContext& context);

    static ui::DialogTemplate dialogTemplate();
    // The layout of the VEX 2.0 file: sections and keys in the order the camera expects them.
    settings::KeyTable buildKeyTable();

    // The dialog's radio groups of two or three buttons (`third` 0 for two; id 0 and ids the dialog
    // lacks are no button). `first` is checked when `checkFirst` is true, else it stays as it is;
    // the others are cleared.
    void setRadios(int first, int second, int third, bool checkFirst);
    // The position of the first checked button, -1 when none.
    int checkedRadio(int first, int second, int third) const;
    // The buttons from a file value of exactly one character; any other length changes nothing.
    void setRadiosFromText(const std::string& text, int first, int second, int third, bool twoButtons);

    void onDefault();  // "Default(&D)"

protected:
    void onInit() override;
    void onNotify(int id, ui::Event event) override;
    void onOK() override;  // "Save(&Y)" and Enter

private:
    void onRadioClick(int radio);
};

}  // namespace qvt::dialogs
