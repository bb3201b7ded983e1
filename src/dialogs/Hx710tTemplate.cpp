// SPDX-License-Identifier: Apache-2.0
// The HX710T-10M dialog template: its controls with their option lists and styles, and the layout.
#include <string>
#include <vector>

#include "dialogs/Hx710tDialog.h"
#include "dialogs/TemplateParts.h"

namespace qvt::dialogs {

using namespace ui;
using namespace hx710t;

DialogTemplate Hx710tDialog::Template() {
    DialogTemplate t = parts::SettingsTemplate(kTemplateId, kTitle, kBanner);
    const ControlStyle hiddenOff{.hidden = true, .disabled = true};
    auto& c = t.controls;

    // " Camera Setting "
    parts::AddHxCameraLists(t, {"5M", "10M"}, parts::VideoLengths(10, 180, 10));
    c.push_back(ListSpec(kSecurityMode, parts::OffOn()));
    c.push_back(ListSpec(kVideoSize, {"1280*720", "640*480"}));
    parts::AddWorkDays(t);
    c.push_back(ListSpec(kSmsControl, parts::OffOn()));
    c.push_back(ListSpec(kCameraPosition, parts::CameraPositions()));
    parts::AddGameCall(t);
    parts::AddWorkHour(t);
    c.push_back(LabelSpec(kWakeUpLabel, "Wake-up", hiddenOff));
    c.push_back(ListSpec(kWakeUp, parts::OffOn(), hiddenOff));
    c.push_back(LabelSpec(kWakeUpHourLabel, "H:", hiddenOff));
    c.push_back(ListSpec(kWakeUpHour, NumberItems(0, 23), hiddenOff));
    c.push_back(LabelSpec(kWakeUpMinuteLabel, "M:", hiddenOff));
    c.push_back(ListSpec(kWakeUpMinute, NumberItems(0, 59), hiddenOff));
    parts::AddClock(t, kDefault);

    // " WAP Setting / Internet Setting / Customer Information Setting "
    parts::AddMessaging(t,
                        {{kSendToPhoneMms, "Phone[MMS]"},
                         {kSendToEmailMms, "Email[MMS]"},
                         {kSendToEmailGprs, "Email[GPRS]"},
                         {kSendToCall, "Call"}},
                        kCountryList, kOperatorList, kCheckParams);

    parts::AddFooter(t, kPathList);
    c.push_back(ButtonSpec(kTest, "Test", hiddenOff));

    std::vector<LayoutNode> layout{
        Ctl(kBanner),
        Group(" Camera Setting ",
              {
                  // clang-format off
                  parts::HxCameraGrid({
                      Text("Security Mode"), Ctl(kSecurityMode), Text("Video Size"), Ctl(kVideoSize),
                      Ctl(ids::kWorkDayBox), Ctl(1128), Ctl(1122), Ctl(1123),
                      Text("SMS Control"), Ctl(kSmsControl), Text("Camera Position"), Ctl(kCameraPosition),
                      Ctl(1124), Ctl(1125), Ctl(1126), Ctl(1127),
                  }),
                  // clang-format on
                  parts::GameCallRow(),
                  parts::WorkHourRow({Ctl(kWakeUpLabel), Ctl(kWakeUp), Ctl(kWakeUpHourLabel), Ctl(kWakeUpHour),
                                      Ctl(kWakeUpMinuteLabel), Ctl(kWakeUpMinute)}),
                  parts::ClockRow(kDefault),
              }),
        parts::MessagingGroup({kSendToPhoneMms, kSendToEmailMms, kSendToEmailGprs, kSendToCall}, kCountryList,
                              kOperatorList, kCheckParams),
    };
    for (LayoutNode& n : parts::FooterNodes(kPathList, {Ctl(kTest)})) layout.push_back(std::move(n));
    t.layout = Column(std::move(layout));
    return t;
}

}  // namespace qvt::dialogs
