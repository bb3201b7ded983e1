// SPDX-License-Identifier: Apache-2.0
#pragma once
// Control ids that several settings templates share, each declared once. A template uses an id from
// here when its control means the same thing; ids only one template has stay with that product.
#include <array>

namespace qvt::dialogs::ids {

// Camera settings.
inline constexpr int kLanguage = 1081;
inline constexpr int kCameraMode = 1067;
inline constexpr int kPhotoSize = 1068;
inline constexpr int kPhotoBurst = 1069;
inline constexpr int kVideoLength = 1070;
inline constexpr int kTimeLapse = 1071;
inline constexpr int kPirTrigger = 1072;
inline constexpr int kPirInterval = 1073;
inline constexpr int kVideoSize = 1114;
inline constexpr int kSmsControl = 1180;
inline constexpr int kCameraPosition = 1150;
inline constexpr int kDefault = 1080;  // "Default(&D)" of every template but the four-model one

// The clock lists.
inline constexpr int kYear = 1074;
inline constexpr int kMonth = 1075;
inline constexpr int kDay = 1076;
inline constexpr int kHour = 1077;
inline constexpr int kMinute = 1078;
inline constexpr int kSecond = 1079;

// Work days: the three-state "Work Day:" box and the day boxes in work-day mask order (Sunday,
// bit value 64, first; Saturday, 1, last).
inline constexpr int kWorkDayBox = 1121;
inline constexpr std::array<int, 7> kDayBoxes = {1128, 1122, 1123, 1124, 1125, 1126, 1127};

// The game call: the switch, its time, the replays, the sound file field and its "+" button.
inline constexpr int kGameCall = 1118;
inline constexpr int kGameCallHour = 1119;
inline constexpr int kGameCallMinute = 1120;
inline constexpr int kReplayTimes = 1130;
inline constexpr int kAudioField = 1001;
inline constexpr int kChooseAudio = 1002;

// Work hour of the two game-call templates.
inline constexpr int kWorkHour = 1182;
inline constexpr int kStartHour = 1038;
inline constexpr int kStartMinute = 1039;
inline constexpr int kStopHour = 1041;
inline constexpr int kStopMinute = 1040;

// Send Mode: the four radios, the two send-time edits and Max Number.
inline constexpr int kSendManual = 1057;
inline constexpr int kSendDaily = 1056;
inline constexpr int kSendInstant = 1055;
inline constexpr int kSendOff = 1058;
inline constexpr int kReportHour = 1060;
inline constexpr int kReportMinute = 1061;
inline constexpr int kMaxNumber = 1173;

// Send To radios.
inline constexpr int kSendToPhoneMms = 1062;
inline constexpr int kSendToEmailMms = 1063;
inline constexpr int kSendToEmailGprs = 1064;
inline constexpr int kSendToCall = 1083;

// Country and operator lists with the parameter check: the game-call templates' and the others'.
inline constexpr int kCountryList = 1065;
inline constexpr int kOperatorList = 1066;
inline constexpr int kCheckParams = 1110;
inline constexpr int kCountryListB = 1138;
inline constexpr int kOperatorListB = 1139;
inline constexpr int kCheckParamsB = 1140;

// The customer information edits.
inline constexpr int kAdminNumber = 1134;
inline constexpr int kPhoneNumber2 = 1136;
inline constexpr int kPhoneNumber3 = 1008;
inline constexpr int kPhoneNumber4 = 1137;
inline constexpr int kReceiveEmail1 = 1011;
inline constexpr int kReceiveEmail2 = 1012;
inline constexpr int kReceiveEmail3 = 1013;
inline constexpr int kReceiveEmail4 = 1014;

// The footer's path list of the templates after the first.
inline constexpr int kPathList = 1135;

inline constexpr int kExport = 9001;  // "Export…": the dialog's values to a file of the user's choice
inline constexpr int kImport = 9002;  // "Import…": a settings file from anywhere into the dialog

}  // namespace qvt::dialogs::ids
