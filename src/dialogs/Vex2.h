// SPDX-License-Identifier: Apache-2.0
#pragma once
// The VEX 2.0, the smallest of the settings dialogs: time format, PIR interval, Time Lapse, PIR
// Trigger and the clock, the temperature format and "Send To" radio groups, the customer
// information and the country/operator choice. Its file is "GSM/VEX2.TXT".
#include "dialogs/Catalogue.h"
#include "dialogs/ControlIds.h"
#include "ui/DialogTemplate.h"

namespace qvt::dialogs::vex2 {

inline constexpr const Product& kProduct = *productWithFileCode("VEX2");
inline constexpr int kTemplateId = kProduct.dialogResource;
inline constexpr std::string_view kFileCode = kProduct.fileCode;
inline constexpr int kBanner = kProduct.bannerId;

inline constexpr int kTimeFormat = 1192;
using ids::kDefault;
using ids::kPathList;
using ids::kPirInterval;
using ids::kPirTrigger;
using ids::kTimeLapse;

// The two radio groups. 1063 and 1065 are the temperature format here, not Send To or a list.
inline constexpr int kFahrenheit = 1063;
inline constexpr int kCelsius = 1065;
inline constexpr int kSendToPhone = 1194;
inline constexpr int kSendToEmail = 1193;
inline constexpr int kSendToNone = 1191;

inline constexpr int kCountryList = ids::kCountryListB;
inline constexpr int kOperatorList = ids::kOperatorListB;
inline constexpr int kCheckParams = ids::kCheckParamsB;
// The eight customer-information edits keep their ids of every dialog (parts::addCustomerInfo).

ui::DialogTemplate dialogTemplate();

}  // namespace qvt::dialogs::vex2
