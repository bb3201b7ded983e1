// SPDX-License-Identifier: Apache-2.0
// The LP300 Series dialog template: its controls with their option lists and styles, and the layout.
#include <string>
#include <vector>

#include "dialogs/Lp300.h"
#include "dialogs/TemplateParts.h"

namespace qvt::dialogs {

using namespace ui;
using namespace lp300;

namespace {

// " 5 Sec" .. " 9 Sec" (a leading blank), "10 Sec" .. "60 Sec"; the camera's list has "50 Sec ".
std::vector<std::string> lp300VideoLengths() {
    std::vector<std::string> items;
    for (int s = 5; s <= 60; ++s) {
        std::string item = (s < 10 ? " " : "") + std::to_string(s) + " Sec";
        if (s == 50) item += ' ';
        items.push_back(item);
    }
    return items;
}

}  // namespace

DialogTemplate lp300::dialogTemplate() {
    DialogTemplate t = parts::settingsTemplate(kTemplateId, settingsDialogTitle(kProduct.modelCode), kBanner);
    auto& c = t.controls;

    // " Camera Setting "
    c.push_back(listSpec(kCameraMode, {"Photo", "Video"}));
    c.push_back(listSpec(kWorkMode, {"Indoor", "Outdoor"}));
    c.push_back(listSpec(kPhotoSize, {"3M", "5M"}));
    c.push_back(listSpec(kPhotoBurst, {"1 Photo", "2 Photos", "3 Photos"}));
    c.push_back(listSpec(kVideoLength, lp300VideoLengths()));
    c.push_back(listSpec(kPirInterval, parts::pirIntervals()));
    c.push_back(listSpec(kTimeLapse, parts::timeLapses()));
    c.push_back(listSpec(kPirTrigger, parts::pirTriggers()));
    c.push_back(listSpec(kVideoSize, {"1280*720", "640*480"}));
    parts::addWorkDays(t);
    parts::addClock(t, kDefault);

    // " Work Hour ", " Send To ", the lists
    const parts::WorkHourIds workHour{kWorkHour, kStartHour, kStartMinute, kStopHour, kStopMinute};
    parts::addWorkHour(t, workHour);
    c.push_back(radioSpec(kSendToLocal, "Local"));
    c.push_back(radioSpec(kSendToPhoneMms, "Phone[MMS]"));
    c.push_back(radioSpec(kSendToEmailGprs, "Email[GPRS]"));
    c.push_back(radioSpec(kSendToCall, "Call"));
    parts::addOperatorLists(t, kCountryList, kOperatorList, kCheckParams);
    parts::addCustomerInfo(t);

    parts::addFooter(t, kPathList);
    c.push_back(buttonSpec(kTest, "Test", {.hidden = true, .disabled = true}));

    std::vector<LayoutNode> layout{
        ctrl(kBanner),
        group(" Camera Setting ",
              {
                  // clang-format off
                  grid(8, {
                      textNode("Camera Mode"), ctrl(kCameraMode), textNode("Work Mode"), ctrl(kWorkMode),
                      textNode("Photo Size"), ctrl(kPhotoSize), textNode("Photo Burst"), ctrl(kPhotoBurst),
                      textNode("Video Length"), ctrl(kVideoLength), textNode("PIR Interval"), ctrl(kPirInterval),
                      textNode("Time Lapse"), ctrl(kTimeLapse), textNode("PIR Trigger"), ctrl(kPirTrigger),
                      textNode("Video Size"), ctrl(kVideoSize),
                  }),
                  // clang-format on
                  Row({ctrl(ids::kWorkDayBox), ctrl(1128), ctrl(1122), ctrl(1123), ctrl(1124), ctrl(1125), ctrl(1126),
                       ctrl(1127), stretch()}),
                  parts::clockRow(kDefault),
              }),
        Row({
            group(" Work Hour ", {Row({textNode("Work Hour"), ctrl(kWorkHour)}),
                                  Row({textNode("Start Time"), ctrl(kStartHour), textNode(":"), ctrl(kStartMinute)}),
                                  Row({textNode("Stop Time"), ctrl(kStopHour), textNode(":"), ctrl(kStopMinute)})}),
            group(" Send To ", {ctrl(kSendToLocal), ctrl(kSendToPhoneMms), ctrl(kSendToEmailGprs), ctrl(kSendToCall)}),
            parts::operatorListColumn(kCountryList, kOperatorList, kCheckParams),
        }),
        parts::customerInfoGroup(),
    };
    for (LayoutNode& n : parts::footerNodes(kPathList, {ctrl(kTest)})) layout.push_back(std::move(n));
    t.layout = column(std::move(layout));
    return t;
}

}  // namespace qvt::dialogs
