// SPDX-License-Identifier: Apache-2.0
#pragma once
// The settings window of the LP300 Series cameras: a work mode instead of a language, no game call,
// no Send Mode group, and a Send To group that includes local storage. Its file is "GSM/LP300.TXT".
#include <string>

#include "dialogs/AppContext.h"
#include "dialogs/Catalogue.h"
#include "dialogs/ProductSettingsDialog.h"

namespace qvt::dialogs {

namespace lp300 {
inline constexpr const Product& kProduct = *productOf(SettingsDialogKind::Lp300);
inline constexpr int kTemplateId = kProduct.dialogResource;
inline constexpr std::string_view kFileCode = kProduct.fileCode;

inline constexpr int kCameraMode = 1067;
inline constexpr int kWorkMode = 1129;
inline constexpr int kPhotoSize = 1068;
inline constexpr int kPhotoBurst = 1069;
inline constexpr int kVideoLength = 1070;
inline constexpr int kPirInterval = 1073;
inline constexpr int kTimeLapse = ids::kTimeLapse;
inline constexpr int kPirTrigger = ids::kPirTrigger;
inline constexpr int kVideoSize = 1114;
inline constexpr int kDefault = 1080;
inline constexpr int kWorkHour = 1147;
inline constexpr int kStartHour = 1148;
inline constexpr int kStartMinute = 1149;
inline constexpr int kStopHour = 1145;
inline constexpr int kStopMinute = 1146;

// Send To, in stored-value order. Here 1055 is "Local", not a Send Mode radio.
inline constexpr int kSendToLocal = 1055;
inline constexpr int kSendToPhoneMms = 1062;
inline constexpr int kSendToEmailGprs = 1064;
inline constexpr int kSendToCall = 1083;

inline constexpr int kCountryList = 1138;
inline constexpr int kOperatorList = 1139;
inline constexpr int kCheckParams = 1140;
inline constexpr int kBanner = kProduct.bannerId;
inline constexpr int kPathList = 1135;
inline constexpr int kTest = 1141;
}  // namespace lp300

class Lp300Dialog : public ProductSettingsDialog {
public:
    Lp300Dialog(ui::Host& host, dialogs::AppContext& context);

    static ui::DialogTemplate dialogTemplate();
    // The layout of the LP300 Series file: sections and keys in the order the camera expects them.
    settings::KeyTable buildKeyTable();

    void onDefault();  // "Default(&D)"

protected:
    void onInit() override;
    void onNotify(int id, ui::Event event) override;
    void onOK() override;  // "Save(&Y)" and Enter

private:
    void workHourRule();
    void onSendToClick(int radio);
};

}  // namespace qvt::dialogs
