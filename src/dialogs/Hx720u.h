// SPDX-License-Identifier: Apache-2.0
#pragma once
// The HX720U, the HX710T-10M's closest sister: the same kinds of controls under the same ids,
// without Security Mode, work days and "Email[MMS]", with its own file "GSM/HX720U.TXT" (values
// trimmed, "SMTP SSL" included) and path list 1135. Like the HX710T-10M it places the game-call
// sound on the card after a save with Game Call "ON".
#include "dialogs/Catalogue.h"
#include "dialogs/ControlIds.h"
#include "ui/DialogTemplate.h"

namespace qvt::dialogs::hx720u {

inline constexpr const Product& kProduct = *productWithFileCode("HX720U");
inline constexpr int kTemplateId = kProduct.dialogResource;
inline constexpr std::string_view kFileCode = kProduct.fileCode;
inline constexpr int kBanner = kProduct.bannerId;

// Every control has its shared id. Send To has three radios, stored as 0, 1 and 2 ("Email[MMS]" is
// missing).
using ids::kAdminNumber;
using ids::kAudioField;
using ids::kCameraMode;
using ids::kCameraPosition;
using ids::kCheckParams;
using ids::kChooseAudio;
using ids::kCountryList;
using ids::kDefault;
using ids::kGameCall;
using ids::kGameCallHour;
using ids::kGameCallMinute;
using ids::kLanguage;
using ids::kOperatorList;
using ids::kPathList;
using ids::kPhoneNumber2;
using ids::kPhoneNumber3;
using ids::kPhoneNumber4;
using ids::kPhotoBurst;
using ids::kPhotoSize;
using ids::kPirInterval;
using ids::kPirTrigger;
using ids::kReceiveEmail1;
using ids::kReceiveEmail2;
using ids::kReceiveEmail3;
using ids::kReceiveEmail4;
using ids::kReplayTimes;
using ids::kSendToCall;
using ids::kSendToEmailGprs;
using ids::kSendToPhoneMms;
using ids::kSmsControl;
using ids::kStartHour;
using ids::kStartMinute;
using ids::kStopHour;
using ids::kStopMinute;
using ids::kTimeLapse;
using ids::kVideoLength;
using ids::kVideoSize;
using ids::kWorkHour;

ui::DialogTemplate dialogTemplate();

}  // namespace qvt::dialogs::hx720u
