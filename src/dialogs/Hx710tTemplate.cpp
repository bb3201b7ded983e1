// The HX710T-10M dialog template: its controls with their option lists and styles, and the layout.
#include <string>
#include <vector>

#include "dialogs/Hx710tDialog.h"

namespace qvt::dialogs {

using namespace ui;
using namespace hx710t;

namespace {

std::vector<std::string> OffOn() {
    return {"OFF", "ON"};
}

// "10  Sec" .. "90  Sec" (two blanks, so the numbers line up in the list), "100 Sec" .. "180 Sec".
std::vector<std::string> VideoLengths() {
    std::vector<std::string> items;
    for (int s = 10; s <= 180; s += 10) items.push_back(std::to_string(s) + (s < 100 ? "  Sec" : " Sec"));
    return items;
}

std::vector<std::string> PirIntervals() {
    return {"0  Sec", "5  Sec", "10 Sec", "15 Sec", "20 Sec", "25 Sec", "30 Sec", "35 Sec", "40 Sec", "45 Sec",
            "50 Sec", "55 Sec", "1  Min", "2  Min", "3  Min", "4  Min", "5  Min", "10 Min", "15 Min", "20 Min",
            "25 Min", "30 Min", "35 Min", "40 Min", "45 Min", "50 Min", "55 Min", "60 Min"};
}

std::vector<std::string> TimeLapses() {
    return {"OFF",    "5  Min", "10 Min",  "15 Min",  "20 Min",  "25 Min",  "30 Min",  "35 Min",  "40 Min",  "45 Min",
            "50 Min", "55 Min", "1  Hour", "2  Hour", "3  Hour", "4  Hour", "5  Hour", "6  Hour", "7  Hour", "8  Hour"};
}

std::vector<std::string> CameraPositions() {
    std::vector<std::string> items{"OFF"};
    for (char letter = 'A'; letter <= 'Z'; ++letter) items.emplace_back(1, letter);
    return items;
}

std::vector<std::string> ReplayTimes() {
    std::vector<std::string> items{"OFF"};
    for (const std::string& n : NumberItems(1, 99)) items.push_back(n);
    return items;
}

std::vector<std::string> MaxNumbers() {
    std::vector<std::string> items = NumberItems(0, 99);
    items.emplace_back("Unlimited");
    return items;
}

}  // namespace

DialogTemplate Hx710tDialog::Template() {
    DialogTemplate t;
    t.resourceId = kTemplateId;
    t.title = kTitle;
    t.icon = "app";
    const ControlStyle hiddenOff{.hidden = true, .disabled = true};
    auto& c = t.controls;

    c.push_back(PictureSpec(kBanner, "banner", {.notify = true}));

    // " Camera Setting "
    c.push_back(
        ListSpec(kLanguage, {"English", "Finnish", "German", "Swedish", "Danish", "Norwegian", "Czech", "Russian"}));
    c.push_back(ListSpec(kCameraMode, {"Photo", "Video", "Camvid"}));
    c.push_back(ListSpec(kPhotoSize, {"5M", "10M"}));
    c.push_back(ListSpec(kPhotoBurst, {"1 Photo", "2 Photos", "3 Photos", "4 Photos", "5 Photos", "6 Photos"}));
    c.push_back(ListSpec(kVideoLength, VideoLengths()));
    c.push_back(ListSpec(kPirInterval, PirIntervals()));
    c.push_back(ListSpec(kTimeLapse, TimeLapses()));
    c.push_back(ListSpec(kPirTrigger, {"Low", "Normal", "High", "OFF"}));
    c.push_back(ListSpec(kSecurityMode, OffOn()));
    c.push_back(ListSpec(kVideoSize, {"1280*720", "640*480"}));
    c.push_back(Check3Spec(ids::kWorkDayBox, "Work Day:"));
    c.push_back(CheckSpec(1128, "Sunday"));
    c.push_back(CheckSpec(1122, "Monday"));
    c.push_back(CheckSpec(1123, "Tuesday"));
    c.push_back(CheckSpec(1124, "Wednesday"));
    c.push_back(CheckSpec(1125, "Thursday"));
    c.push_back(CheckSpec(1126, "Friday"));
    c.push_back(CheckSpec(1127, "Saturday"));
    c.push_back(ListSpec(kSmsControl, OffOn()));
    c.push_back(ListSpec(kCameraPosition, CameraPositions()));
    c.push_back(ListSpec(kGameCall, OffOn()));
    c.push_back(ListSpec(kGameCallHour, NumberItems(0, 23)));
    c.push_back(ListSpec(kGameCallMinute, NumberItems(0, 59)));
    c.push_back(ListSpec(kReplayTimes, ReplayTimes()));
    c.push_back(EditSpec(kAudioField, {.readOnly = true, .centred = true}));
    c.push_back(ButtonSpec(kChooseAudio, "+"));
    c.push_back(ListSpec(kWorkHour, OffOn()));
    c.push_back(ListSpec(kStartHour, NumberItems(0, 23, 2)));
    c.push_back(ListSpec(kStartMinute, NumberItems(0, 59, 2)));
    c.push_back(ListSpec(kStopHour, NumberItems(0, 23, 2)));
    c.push_back(ListSpec(kStopMinute, NumberItems(0, 59, 2)));
    c.push_back(LabelSpec(kWakeUpLabel, "Wake-up", hiddenOff));
    c.push_back(ListSpec(kWakeUp, OffOn(), hiddenOff));
    c.push_back(LabelSpec(kWakeUpHourLabel, "H:", hiddenOff));
    c.push_back(ListSpec(kWakeUpHour, NumberItems(0, 23), hiddenOff));
    c.push_back(LabelSpec(kWakeUpMinuteLabel, "M:", hiddenOff));
    c.push_back(ListSpec(kWakeUpMinute, NumberItems(0, 59), hiddenOff));
    c.push_back(ListSpec(ids::kYear, NumberItems(2013, 2113)));
    c.push_back(ListSpec(ids::kMonth, NumberItems(1, 12)));
    // The template gives the day list the sorted style; its items are appended in numeric order.
    c.push_back(ListSpec(ids::kDay, {}, {.sorted = true}));
    c.push_back(ListSpec(ids::kHour, NumberItems(0, 23)));
    c.push_back(ListSpec(ids::kMinute, NumberItems(0, 59)));
    c.push_back(ListSpec(ids::kSecond, NumberItems(0, 59)));
    c.push_back(ButtonSpec(kDefault, "Default(&D)"));

    // " WAP Setting / Internet Setting / Customer Information Setting "
    c.push_back(RadioSpec(ids::kSendManual, "Manual"));
    c.push_back(RadioSpec(ids::kSendDaily, "Daily Report...Send Time(H:M):"));
    c.push_back(EditSpec(ids::kReportHour, {.digitsOnly = true, .centred = true}));
    c.push_back(EditSpec(ids::kReportMinute, {.digitsOnly = true, .centred = true}));
    c.push_back(RadioSpec(ids::kSendInstant, "Instant............Max Number:"));
    c.push_back(ListSpec(ids::kMaxNumber, MaxNumbers()));
    c.push_back(RadioSpec(ids::kSendOff, "Off"));
    c.push_back(RadioSpec(kSendToPhoneMms, "Phone[MMS]"));
    c.push_back(RadioSpec(kSendToEmailMms, "Email[MMS]"));
    c.push_back(RadioSpec(kSendToEmailGprs, "Email[GPRS]"));
    c.push_back(RadioSpec(kSendToCall, "Call"));
    c.push_back(ListBoxSpec(kCountryList, {.sorted = true}));
    c.push_back(ListBoxSpec(kOperatorList, {.sorted = true}));
    c.push_back(ButtonSpec(kCheckParams, "Check WAP / Internet Paramaters(&L)"));
    for (int id : {kAdminNumber, kPhoneNumber2, kPhoneNumber3, kPhoneNumber4, kReceiveEmail1, kReceiveEmail2,
                   kReceiveEmail3, kReceiveEmail4})
        c.push_back(EditSpec(id));

    c.push_back(ListSpec(kPathList, {}, {.sorted = true}));
    c.push_back(ButtonSpec(1, "Save(&Y)", {.defaultButton = true}));
    c.push_back(ButtonSpec(2, "Exit(&N)"));
    c.push_back(ButtonSpec(kTest, "Test", hiddenOff));

    t.layout = Column({
        Ctl(kBanner),
        Group(" Camera Setting ",
              {
                  // clang-format off
                  Grid(8, {
                      Text("Language"), Ctl(kLanguage), Text("Camera Mode"), Ctl(kCameraMode),
                      Text("Photo Size"), Ctl(kPhotoSize), Text("Photo Burst"), Ctl(kPhotoBurst),
                      Text("Video Length"), Ctl(kVideoLength), Text("PIR Interval"), Ctl(kPirInterval),
                      Text("Time Lapse"), Ctl(kTimeLapse), Text("PIR Trigger"), Ctl(kPirTrigger),
                      Text("Security Mode"), Ctl(kSecurityMode), Text("Video Size"), Ctl(kVideoSize),
                      Ctl(ids::kWorkDayBox), Ctl(1128), Ctl(1122), Ctl(1123),
                      Text("SMS Control"), Ctl(kSmsControl), Text("Camera Position"), Ctl(kCameraPosition),
                      Ctl(1124), Ctl(1125), Ctl(1126), Ctl(1127),
                  }),
                  // clang-format on
                  Row({Text("Game Call"), Ctl(kGameCall), Text("H:"), Ctl(kGameCallHour), Text("M:"),
                       Ctl(kGameCallMinute), Text("Replay Times"), Ctl(kReplayTimes), Ctl(kAudioField),
                       Ctl(kChooseAudio)}),
                  Row({Text("Work Hour"), Ctl(kWorkHour), Text("Start Time"), Ctl(kStartHour), Text(":"),
                       Ctl(kStartMinute), Text("Stop Time"), Ctl(kStopHour), Text(":"), Ctl(kStopMinute),
                       Ctl(kWakeUpLabel), Ctl(kWakeUp), Ctl(kWakeUpHourLabel), Ctl(kWakeUpHour),
                       Ctl(kWakeUpMinuteLabel), Ctl(kWakeUpMinute), Stretch()}),
                  Row({Text("Set Clock Y:"), Ctl(ids::kYear), Text("M:"), Ctl(ids::kMonth), Text("D:"), Ctl(ids::kDay),
                       Text("H:"), Ctl(ids::kHour), Text("M:"), Ctl(ids::kMinute), Text("S:"), Ctl(ids::kSecond),
                       Stretch(), Ctl(kDefault)}),
              }),
        Group(" WAP Setting / Internet Setting / Customer Information Setting ",
              {
                  Row({
                      Group(" Send Mode ",
                            {
                                Ctl(ids::kSendManual),
                                Row({Ctl(ids::kSendDaily), Ctl(ids::kReportHour), Text(":"), Ctl(ids::kReportMinute)}),
                                Row({Ctl(ids::kSendInstant), Ctl(ids::kMaxNumber)}),
                                Ctl(ids::kSendOff),
                            }),
                      Group(" Send To ",
                            {Ctl(kSendToPhoneMms), Ctl(kSendToEmailMms), Ctl(kSendToEmailGprs), Ctl(kSendToCall)}),
                      Column({
                          Row({Column({Text("Select Country"), Ctl(kCountryList)}),
                               Column({Text("Select Operator"), Ctl(kOperatorList)})}),
                          Ctl(kCheckParams),
                      }),
                  }),
                  // clang-format off
                  Group(" Customer Information Setting ", {Grid(4, {
                      Text("Admin Number :"), Ctl(kAdminNumber), Text("Receive Email 1:"), Ctl(kReceiveEmail1),
                      Text("Phone Number 2:"), Ctl(kPhoneNumber2), Text("Receive Email 2:"), Ctl(kReceiveEmail2),
                      Text("Phone Number 3:"), Ctl(kPhoneNumber3), Text("Receive Email 3:"), Ctl(kReceiveEmail3),
                      Text("Phone Number 4:"), Ctl(kPhoneNumber4), Text("Receive Email 4:"), Ctl(kReceiveEmail4),
                  })}),
                  // clang-format on
              }),
        Text("Attention Please ,The Data Above Will Be Saved In The Following  File: "),
        Ctl(kPathList),
        Row({Stretch(), Ctl(1), Ctl(2), Ctl(kTest), Stretch()}),
    });
    return t;
}

}  // namespace qvt::dialogs
