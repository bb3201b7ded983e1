// SPDX-License-Identifier: Apache-2.0
// The HX720U dialog template: its controls with their option lists and styles, and the layout.
#include <string>
#include <vector>

#include "dialogs/Hx720u.h"
#include "dialogs/TemplateParts.h"

namespace qvt::dialogs {

using namespace ui;
using namespace hx720u;

DialogTemplate hx720u::dialogTemplate() {
    DialogTemplate t = parts::settingsTemplate(kTemplateId, settingsDialogTitle(kProduct.modelCode), kBanner);
    auto& c = t.controls;

    // " Camera Setting "
    std::vector<std::string> videoLengths{"5   Sec"};  // three blanks: it lines up with "10  Sec"
    for (std::string& item : parts::videoLengthItems(10, 180, 10)) videoLengths.push_back(std::move(item));
    parts::addHxCameraLists(t, {"5 M", "10M", "12M"}, std::move(videoLengths));
    c.push_back(listSpec(kSmsControl, parts::offOn()));
    c.push_back(listSpec(kCameraPosition, parts::cameraPositions()));
    c.push_back(listSpec(kVideoSize, {"1280*720", "640*480"}));
    parts::addGameCall(t);
    parts::addWorkHour(t);
    parts::addClock(t, kDefault);

    // " WAP Setting / Internet Setting / Customer Information Setting "
    parts::addMessaging(t, {{kSendToPhoneMms, "Phone[MMS]"}, {kSendToEmailGprs, "Email[GPRS]"}, {kSendToCall, "Call"}},
                        kCountryList, kOperatorList, kCheckParams);

    parts::addFooter(t, kPathList);

    std::vector<LayoutNode> layout{
        ctrl(kBanner),
        group(" Camera Setting ",
              {
                  parts::hxCameraGrid({textNode("SMS Control"), ctrl(kSmsControl), textNode("Camera Position"),
                                       ctrl(kCameraPosition), textNode("Video Size"), ctrl(kVideoSize)}),
                  parts::gameCallRow(),
                  parts::workHourRow(),
                  parts::clockRow(kDefault),
              }),
        parts::messagingGroup({kSendToPhoneMms, kSendToEmailGprs, kSendToCall}, kCountryList, kOperatorList,
                              kCheckParams),
    };
    for (LayoutNode& n : parts::footerNodes(kPathList)) layout.push_back(std::move(n));
    t.layout = column(std::move(layout));
    return t;
}

}  // namespace qvt::dialogs
