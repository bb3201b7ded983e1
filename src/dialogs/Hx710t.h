// SPDX-License-Identifier: Apache-2.0
#pragma once
// The HX710T-10M: every camera and messaging setting of its file "GSM/HX710T.TXT" as a control,
// read from the card (or the backup) when the dialog opens and written to the card and the backup
// on "Save(&Y)". Its ids beyond the shared ones (ControlIds.h), and its template.
#include "dialogs/Catalogue.h"
#include "dialogs/ControlIds.h"
#include "ui/DialogTemplate.h"

namespace qvt::dialogs::hx710t {

inline constexpr const Product& kProduct = *productWithFileCode("HX710T");
inline constexpr int kTemplateId = kProduct.dialogResource;
inline constexpr std::string_view kFileCode = kProduct.fileCode;
inline constexpr int kBanner = kProduct.bannerId;

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
using ids::kSendToEmailMms;
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
inline constexpr int kSecurityMode = 1129;
inline constexpr int kPathList = 1030;
// Wake-up lists and the "Test" button: never shown, never stored. Their labels need ids to be hidden.
inline constexpr int kWakeUp = 1115;
inline constexpr int kWakeUpHour = 1116;
inline constexpr int kWakeUpMinute = 1117;
inline constexpr int kWakeUpLabel = 2115;
inline constexpr int kWakeUpHourLabel = 2116;
inline constexpr int kWakeUpMinuteLabel = 2117;
inline constexpr int kTest = 1037;

ui::DialogTemplate dialogTemplate();

}  // namespace qvt::dialogs::hx710t
