// SPDX-License-Identifier: Apache-2.0
#pragma once
// The settings window of the HX710T-10M camera: every camera and messaging setting of its file
// "GSM/HX710T.TXT" as a control, read from the card (or the backup) when it opens and written to the
// card and the backup on "Save(&Y)".
#include <memory>
#include <string>

#include "dialogs/AppContext.h"
#include "dialogs/Catalogue.h"
#include "dialogs/GameCallField.h"
#include "dialogs/ProductSettingsDialog.h"

namespace qvt::dialogs {

namespace hx710t {
inline constexpr const Product& kProduct = *productOf(SettingsDialogKind::Hx710t);
inline constexpr int kTemplateId = kProduct.dialogResource;
inline constexpr std::string_view kFileCode = kProduct.fileCode;

// Camera settings.
inline constexpr int kLanguage = 1081;
inline constexpr int kCameraMode = 1067;
inline constexpr int kPhotoSize = 1068;
inline constexpr int kPhotoBurst = 1069;
inline constexpr int kVideoLength = 1070;
inline constexpr int kPirInterval = 1073;
inline constexpr int kTimeLapse = ids::kTimeLapse;
inline constexpr int kPirTrigger = ids::kPirTrigger;
inline constexpr int kSecurityMode = 1129;
inline constexpr int kVideoSize = 1114;
inline constexpr int kSmsControl = 1180;
inline constexpr int kCameraPosition = 1150;
inline constexpr int kGameCall = 1118;
inline constexpr int kGameCallHour = 1119;
inline constexpr int kGameCallMinute = 1120;
inline constexpr int kReplayTimes = 1130;
inline constexpr int kAudioField = 1001;
inline constexpr int kChooseAudio = 1002;  // "+"
inline constexpr int kWorkHour = 1182;
inline constexpr int kStartHour = 1038;
inline constexpr int kStartMinute = 1039;
inline constexpr int kStopHour = 1041;
inline constexpr int kStopMinute = 1040;
inline constexpr int kDefault = 1080;
// Wake-up lists and the "Test" button: never shown, never stored. Their labels need ids to be hidden.
inline constexpr int kWakeUp = 1115;
inline constexpr int kWakeUpHour = 1116;
inline constexpr int kWakeUpMinute = 1117;
inline constexpr int kWakeUpLabel = 2115;
inline constexpr int kWakeUpHourLabel = 2116;
inline constexpr int kWakeUpMinuteLabel = 2117;
inline constexpr int kTest = 1037;

// Messaging settings.
inline constexpr int kSendToPhoneMms = 1062;
inline constexpr int kSendToEmailMms = 1063;
inline constexpr int kSendToEmailGprs = 1064;
inline constexpr int kSendToCall = 1083;
inline constexpr int kCountryList = 1065;
inline constexpr int kOperatorList = 1066;
inline constexpr int kCheckParams = 1110;
inline constexpr int kAdminNumber = 1134;
inline constexpr int kPhoneNumber2 = 1136;
inline constexpr int kPhoneNumber3 = 1008;
inline constexpr int kPhoneNumber4 = 1137;
inline constexpr int kReceiveEmail1 = 1011;
inline constexpr int kReceiveEmail2 = 1012;
inline constexpr int kReceiveEmail3 = 1013;
inline constexpr int kReceiveEmail4 = 1014;

inline constexpr int kBanner = kProduct.bannerId;
inline constexpr int kPathList = 1030;

}  // namespace hx710t

class Hx710tDialog : public ProductSettingsDialog {
public:
    Hx710tDialog(ui::Host& host, dialogs::AppContext& context);

    static ui::DialogTemplate dialogTemplate();
    // The layout of the HX710T-10M file: sections and keys in the order the camera expects them.
    settings::KeyTable buildKeyTable();
    GameCallField& gameCallAudio() { return audio_; }

    // The settings file reader's view of the two radio groups.
    void setSendToRadios(const std::string& stored);

    void onDefault();  // "Default(&D)"

protected:
    void onInit() override;
    void onNotify(int id, ui::Event event) override;
    void onOK() override;      // "Save(&Y)" and Enter
    void onCancel() override;  // "Exit(&N)", Esc and the close box

    // The game-call sound steps (virtual so that tests can watch the order of opening, save and exit).
    virtual void stageTransformTool() { audio_.stageConverter(); }
    virtual bool transformAudioFile() { return audio_.convertGameCallSound(); }
    virtual void clearTempFolder() { audio_.emptyTempFolder(); }

private:
    void onSendToClick(int radio);

    GameCallField audio_;
};

}  // namespace qvt::dialogs
