// SPDX-License-Identifier: Apache-2.0
// The HX710T-10M dialog template: its controls with their option lists and styles, and the layout.
#include <string>
#include <vector>

#include "dialogs/Hx710t.h"
#include "dialogs/TemplateParts.h"

namespace qvt::dialogs {

using namespace ui;
using namespace hx710t;

DialogTemplate hx710t::dialogTemplate() {
    DialogTemplate t = parts::settingsTemplate(kTemplateId, settingsDialogTitle(kProduct.modelCode), kBanner);
    const ControlStyle hiddenOff{.hidden = true, .disabled = true};
    auto& c = t.controls;

    // " Camera Setting "
    parts::addHxCameraLists(t, {"5M", "10M"}, parts::videoLengthItems(10, 180, 10));
    c.push_back(listSpec(kSecurityMode, parts::offOn()));
    c.push_back(listSpec(kVideoSize, {"1280*720", "640*480"}));
    parts::addWorkDays(t);
    c.push_back(listSpec(kSmsControl, parts::offOn()));
    c.push_back(listSpec(kCameraPosition, parts::cameraPositions()));
    parts::addGameCall(t);
    parts::addWorkHour(t);
    c.push_back(labelSpec(kWakeUpLabel, "Wake-up", hiddenOff));
    c.push_back(listSpec(kWakeUp, parts::offOn(), hiddenOff));
    c.push_back(labelSpec(kWakeUpHourLabel, "H:", hiddenOff));
    c.push_back(listSpec(kWakeUpHour, numberItems(0, 23), hiddenOff));
    c.back().accessibleName = "Wake-up hour";
    c.push_back(labelSpec(kWakeUpMinuteLabel, "M:", hiddenOff));
    c.push_back(listSpec(kWakeUpMinute, numberItems(0, 59), hiddenOff));
    c.back().accessibleName = "Wake-up minute";
    parts::addClock(t, kDefault);

    // " WAP Setting / Internet Setting / Customer Information Setting "
    parts::addMessaging(t,
                        {{kSendToPhoneMms, "Phone[MMS]"},
                         {kSendToEmailMms, "Email[MMS]"},
                         {kSendToEmailGprs, "Email[GPRS]"},
                         {kSendToCall, "Call"}},
                        kCountryList, kOperatorList, kCheckParams);

    parts::addFooter(t, kPathList);
    c.push_back(buttonSpec(kTest, "Test", hiddenOff));

    std::vector<LayoutNode> layout{
        ctrl(kBanner),
        group(" Camera Setting ",
              {
                  // clang-format off
                  parts::hxCameraGrid({
                      textNode("Security Mode"), ctrl(kSecurityMode), textNode("Video Size"), ctrl(kVideoSize),
                      ctrl(ids::kWorkDayBox), ctrl(1128), ctrl(1122), ctrl(1123),
                      textNode("SMS Control"), ctrl(kSmsControl), textNode("Camera Position"), ctrl(kCameraPosition),
                      ctrl(1124), ctrl(1125), ctrl(1126), ctrl(1127),
                  }),
                  // clang-format on
                  parts::gameCallRow(),
                  parts::workHourRow({ctrl(kWakeUpLabel), ctrl(kWakeUp), ctrl(kWakeUpHourLabel), ctrl(kWakeUpHour),
                                      ctrl(kWakeUpMinuteLabel), ctrl(kWakeUpMinute)}),
                  parts::clockRow(kDefault),
              }),
        parts::messagingGroup({kSendToPhoneMms, kSendToEmailMms, kSendToEmailGprs, kSendToCall}, kCountryList,
                              kOperatorList, kCheckParams),
    };
    for (LayoutNode& n : parts::footerNodes(kPathList, {ctrl(kTest)})) layout.push_back(std::move(n));
    t.layout = column(std::move(layout));
    return t;
}

}  // namespace qvt::dialogs
