// SPDX-License-Identifier: Apache-2.0
// The HX720U dialog template: its controls with their option lists and styles, and the layout.
#include <string>
#include <vector>

#include "dialogs/Hx720uDialog.h"
#include "dialogs/TemplateParts.h"

namespace qvt::dialogs {

using namespace ui;
using namespace hx720u;

DialogTemplate Hx720uDialog::Template() {
    DialogTemplate t = parts::SettingsTemplate(kTemplateId, kTitle, kBanner);
    auto& c = t.controls;

    // " Camera Setting "
    std::vector<std::string> videoLengths{"5   Sec"};  // three blanks: it lines up with "10  Sec"
    for (std::string& item : parts::VideoLengths(10, 180, 10)) videoLengths.push_back(std::move(item));
    parts::AddHxCameraLists(t, {"5 M", "10M", "12M"}, std::move(videoLengths));
    c.push_back(ListSpec(kSmsControl, parts::OffOn()));
    c.push_back(ListSpec(kCameraPosition, parts::CameraPositions()));
    c.push_back(ListSpec(kVideoSize, {"1280*720", "640*480"}));
    parts::AddGameCall(t);
    parts::AddWorkHour(t);
    parts::AddClock(t, kDefault);

    // " WAP Setting / Internet Setting / Customer Information Setting "
    parts::AddMessaging(t, {{kSendToPhoneMms, "Phone[MMS]"}, {kSendToEmailGprs, "Email[GPRS]"}, {kSendToCall, "Call"}},
                        kCountryList, kOperatorList, kCheckParams);

    parts::AddFooter(t, kPathList);

    std::vector<LayoutNode> layout{
        Ctl(kBanner),
        Group(" Camera Setting ",
              {
                  parts::HxCameraGrid({Text("SMS Control"), Ctl(kSmsControl), Text("Camera Position"),
                                       Ctl(kCameraPosition), Text("Video Size"), Ctl(kVideoSize)}),
                  parts::GameCallRow(),
                  parts::WorkHourRow(),
                  parts::ClockRow(kDefault),
              }),
        parts::MessagingGroup({kSendToPhoneMms, kSendToEmailGprs, kSendToCall}, kCountryList, kOperatorList,
                              kCheckParams),
    };
    for (LayoutNode& n : parts::FooterNodes(kPathList)) layout.push_back(std::move(n));
    t.layout = Column(std::move(layout));
    return t;
}

}  // namespace qvt::dialogs
