// SPDX-License-Identifier: Apache-2.0
#pragma once
// The one settings dialog of four cameras: PN250R-8MHD, HX330, PN450RT-8MHD and HX460T-8MHD. The
// model being configured chooses the title, the file names on the card and on the PC, the file's
// model mark and the controls a camera lacks.
#include "dialogs/Catalogue.h"
#include "dialogs/ControlIds.h"
#include "ui/DialogTemplate.h"

namespace qvt::dialogs::s1 {

// Resource and banner are the same for the four models: those of the first.
inline constexpr int kTemplateId = productWithFileCode("PN250R")->dialogResource;
inline constexpr int kBanner = productWithFileCode("PN250R")->bannerId;

// The variants, in the order of the four-product file-name table.
inline constexpr int kPn250r = 0;
inline constexpr int kHx330 = 1;
inline constexpr int kPn450rt = 2;
inline constexpr int kHx460t = 3;

using ids::kCameraMode;
using ids::kLanguage;
using ids::kPhotoBurst;
using ids::kPhotoSize;
using ids::kPirInterval;
using ids::kSmsControl;
using ids::kTimeLapse;
using ids::kVideoLength;
using ids::kVideoSize;
inline constexpr int kPirTrigger = 1169;
inline constexpr int kVideoSizeLabel = 1176;
inline constexpr int kSmsControlLabel = 1181;
inline constexpr int kWorkHour = 1183;
inline constexpr int kStartHour = 1184;
inline constexpr int kStartMinute = 1185;
inline constexpr int kStopHour = 1186;
inline constexpr int kStopMinute = 1187;
inline constexpr int kDefault = 1003;

using ids::kSendToEmailGprs;
using ids::kSendToEmailMms;
using ids::kSendToPhoneMms;
inline constexpr int kCountryList = 1000;
inline constexpr int kOperatorList = 1004;
inline constexpr int kCheckParams = 1002;  // here the parameter check, not a "+" button
inline constexpr int kPathList = 1152;

ui::DialogTemplate dialogTemplate();
// The template's title; replaced by the model's own when the dialog opens.
std::string placeholderTitle();

}  // namespace qvt::dialogs::s1
