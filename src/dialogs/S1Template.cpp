// SPDX-License-Identifier: Apache-2.0
// The four-model dialog template: its controls with their option lists and styles, and the layout.
#include <string>
#include <vector>

#include "dialogs/S1.h"
#include "dialogs/TemplateParts.h"
#include "ui/Host.h"

namespace qvt::dialogs {

using namespace ui;
using namespace s1;

namespace {

// These cameras show one-digit numbers behind a blank (" 5 Sec") where the others use two blanks
// after them ("5  Sec").
std::string rightAligned(const std::string& item) {
    if (item.size() > 2 && item[1] == ' ' && item[2] == ' ') return " " + item.substr(0, 1) + item.substr(2);
    return item;
}

std::vector<std::string> s1PirIntervals() {
    std::vector<std::string> items;
    for (const std::string& item : parts::pirIntervals()) items.push_back(rightAligned(item));
    return items;
}

// One item per second, " 5 Sec" to "60 Sec".
std::vector<std::string> s1VideoLengths() {
    std::vector<std::string> items;
    for (int s = 5; s <= 60; ++s) items.push_back((s < 10 ? " " : "") + std::to_string(s) + " Sec");
    return items;
}

const parts::WorkHourIds kWorkHourIds{kWorkHour, kStartHour, kStartMinute, kStopHour, kStopMinute};

}  // namespace

std::string s1::placeholderTitle() {
    return std::string(ui::kAppName) + " : For PN250R-8MHD / HX330 / PN450RT-8MHD /  HX460T";
}

DialogTemplate s1::dialogTemplate() {
    DialogTemplate t;
    t.resourceId = kTemplateId;
    t.title = placeholderTitle();
    t.icon = "app";
    auto& c = t.controls;

    parts::addBanner(t, kBanner);

    // " Camera Setting "
    c.push_back(listSpec(kCameraMode, {"Photo", "Video"}));
    c.push_back(listSpec(kPhotoSize, {"5M", "8M"}));
    c.push_back(listSpec(kPhotoBurst, {"1 Photo", "2 Photos", "3 Photos"}));
    c.push_back(listSpec(kVideoLength, s1VideoLengths()));
    c.push_back(listSpec(kLanguage, {"English", "Suomi", "Deutsch", "Svenskt"}));
    c.push_back(listSpec(kPirInterval, s1PirIntervals()));
    c.push_back(listSpec(kTimeLapse, parts::timeLapses()));
    c.push_back(listSpec(kPirTrigger, parts::pirTriggers()));
    // The two labels have ids: a model without the list shows them disabled too.
    c.push_back(labelSpec(kVideoSizeLabel, "Video Size"));
    c.push_back(listSpec(kVideoSize, {"1280*720", "640*480"}));
    c.push_back(labelSpec(kSmsControlLabel, "SMS Control"));
    c.push_back(listSpec(kSmsControl, parts::offOn()));
    parts::addWorkHour(t, kWorkHourIds);
    parts::addClock(t, kDefault, /*twoDigitItems=*/true);

    // " WAP Setting / Internet Setting / Customer Information Setting "
    parts::addSendMode(t);
    c.push_back(radioSpec(kSendToPhoneMms, "Phone[MMS]"));
    c.push_back(radioSpec(kSendToEmailMms, "Email[MMS]"));
    c.push_back(radioSpec(kSendToEmailGprs, "Email[GPRS]"));
    parts::addOperatorLists(t, kCountryList, kOperatorList, kCheckParams);
    parts::addCustomerInfo(t);

    parts::addFooter(t, kPathList);

    std::vector<LayoutNode> layout{
        ctrl(kBanner),
        group(" Camera Setting ",
              {
                  // clang-format off
                  grid(8, {
                      textNode("Camera Mode"), ctrl(kCameraMode), textNode("Photo Size"), ctrl(kPhotoSize),
                      textNode("Photo Burst"), ctrl(kPhotoBurst), textNode("Video Length"), ctrl(kVideoLength),
                      textNode("Language"), ctrl(kLanguage), textNode("PIR Interval"), ctrl(kPirInterval),
                      textNode("Time Lapse"), ctrl(kTimeLapse), textNode("PIR Trigger"), ctrl(kPirTrigger),
                      ctrl(kVideoSizeLabel), ctrl(kVideoSize), ctrl(kSmsControlLabel), ctrl(kSmsControl),
                  }),
                  // clang-format on
                  parts::workHourRow({}, kWorkHourIds),
                  parts::clockRow(kDefault),
              }),
        parts::messagingGroup({kSendToPhoneMms, kSendToEmailMms, kSendToEmailGprs}, kCountryList, kOperatorList,
                              kCheckParams),
    };
    for (LayoutNode& n : parts::footerNodes(kPathList)) layout.push_back(std::move(n));
    t.layout = column(std::move(layout));
    return t;
}

}  // namespace qvt::dialogs
