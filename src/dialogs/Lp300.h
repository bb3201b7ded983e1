// SPDX-License-Identifier: Apache-2.0
#pragma once
// The LP300 Series: a work mode instead of a language, no game call, no Send Mode group, and a Send
// To group that includes local storage. Its file is "GSM/LP300.TXT".
#include "dialogs/Catalogue.h"
#include "dialogs/ControlIds.h"
#include "ui/DialogTemplate.h"

namespace qvt::dialogs::lp300 {

inline constexpr const Product& kProduct = *productWithFileCode("LP300");
inline constexpr int kTemplateId = kProduct.dialogResource;
inline constexpr std::string_view kFileCode = kProduct.fileCode;
inline constexpr int kBanner = kProduct.bannerId;

using ids::kCameraMode;
using ids::kDefault;
using ids::kPathList;
using ids::kPhotoBurst;
using ids::kPhotoSize;
using ids::kPirInterval;
using ids::kPirTrigger;
using ids::kTimeLapse;
using ids::kVideoLength;
using ids::kVideoSize;
inline constexpr int kWorkMode = 1129;
inline constexpr int kWorkHour = 1147;
inline constexpr int kStartHour = 1148;
inline constexpr int kStartMinute = 1149;
inline constexpr int kStopHour = 1145;
inline constexpr int kStopMinute = 1146;

// Send To, in stored-value order. Here 1055 is "Local", not a Send Mode radio.
inline constexpr int kSendToLocal = 1055;
using ids::kSendToCall;
using ids::kSendToEmailGprs;
using ids::kSendToPhoneMms;

inline constexpr int kCountryList = ids::kCountryListB;
inline constexpr int kOperatorList = ids::kOperatorListB;
inline constexpr int kCheckParams = ids::kCheckParamsB;
inline constexpr int kTest = 1141;

ui::DialogTemplate dialogTemplate();

}  // namespace qvt::dialogs::lp300
