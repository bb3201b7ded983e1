// SPDX-License-Identifier: Apache-2.0
#include "dialogs/TemplateParts.h"

#include <utility>

#include "dialogs/ControlIds.h"

#include "dialogs/ControlRules.h"

namespace qvt::dialogs::parts {

using namespace ui;

std::vector<std::string> offOn() { return {"OFF", "ON"}; }

std::vector<std::string> pirTriggers() { return {"Low", "Normal", "High", "OFF"}; }

std::vector<std::string> pirIntervals() {
    return {"0  Sec", "5  Sec", "10 Sec", "15 Sec", "20 Sec", "25 Sec", "30 Sec", "35 Sec", "40 Sec", "45 Sec",
            "50 Sec", "55 Sec", "1  Min", "2  Min", "3  Min", "4  Min", "5  Min", "10 Min", "15 Min", "20 Min",
            "25 Min", "30 Min", "35 Min", "40 Min", "45 Min", "50 Min", "55 Min", "60 Min"};
}

std::vector<std::string> timeLapses() {
    return {"OFF",    "5  Min", "10 Min",  "15 Min",  "20 Min",  "25 Min",  "30 Min",  "35 Min",  "40 Min",  "45 Min",
            "50 Min", "55 Min", "1  Hour", "2  Hour", "3  Hour", "4  Hour", "5  Hour", "6  Hour", "7  Hour", "8  Hour"};
}

std::vector<std::string> cameraPositions() {
    std::vector<std::string> items{"OFF"};
    for (char letter = 'A'; letter <= 'Z'; ++letter) items.emplace_back(1, letter);
    return items;
}

std::vector<std::string> replayTimes() {
    std::vector<std::string> items{"OFF"};
    for (const std::string& n : numberItems(1, 99)) items.push_back(n);
    return items;
}

std::vector<std::string> maxNumbers() {
    std::vector<std::string> items = numberItems(0, 99);
    items.emplace_back("Unlimited");
    return items;
}

std::vector<std::string> videoLengthItems(int from, int to, int step) {
    std::vector<std::string> items;
    for (int s = from; s <= to; s += step) items.push_back(std::to_string(s) + (s < 100 ? "  Sec" : " Sec"));
    return items;
}

void addClock(DialogTemplate& t, int defaultId, bool twoDigitItems) {
    const int width = twoDigitItems ? 2 : 0;
    t.controls.push_back(listSpec(ids::kYear, numberItems(2013, 2113)));
    t.controls.push_back(listSpec(ids::kMonth, numberItems(1, 12, width)));
    // The templates give the day list the sorted style; its items are appended in numeric order.
    t.controls.push_back(listSpec(ids::kDay, {}, {.sorted = true}));
    t.controls.push_back(listSpec(ids::kHour, numberItems(0, 23, width)));
    t.controls.push_back(listSpec(ids::kMinute, numberItems(0, 59, width)));
    t.controls.push_back(listSpec(ids::kSecond, numberItems(0, 59, width)));
    t.controls.push_back(buttonSpec(defaultId, "Default(&D)"));
    // The row's one-letter captions ("M:" is month and minute) say little to a screen reader.
    const std::pair<int, const char*> spoken[] = {{ids::kYear, "Clock year"},     {ids::kMonth, "Clock month"},
                                                  {ids::kDay, "Clock day"},       {ids::kHour, "Clock hour"},
                                                  {ids::kMinute, "Clock minute"}, {ids::kSecond, "Clock second"}};
    for (const auto& [id, name] : spoken)
        for (ControlSpec& c : t.controls)
            if (c.id == id) c.accessibleName = name;
}

LayoutNode clockRow(int defaultId) {
    return Row({textNode("Set Clock Y:"), ctrl(ids::kYear), textNode("M:"), ctrl(ids::kMonth), textNode("D:"), ctrl(ids::kDay),
                textNode("H:"), ctrl(ids::kHour), textNode("M:"), ctrl(ids::kMinute), textNode("S:"), ctrl(ids::kSecond), stretch(),
                ctrl(defaultId)});
}

void addWorkDays(DialogTemplate& t) {
    t.controls.push_back(check3Spec(ids::kWorkDayBox, "Work Day:"));
    static constexpr struct {
        int id;
        const char* name;
    } kDays[] = {{ids::kDayBoxes[0], "Sunday"},   {ids::kDayBoxes[1], "Monday"}, {ids::kDayBoxes[2], "Tuesday"},
                 {ids::kDayBoxes[3], "Wednesday"}, {ids::kDayBoxes[4], "Thursday"}, {ids::kDayBoxes[5], "Friday"},
                 {ids::kDayBoxes[6], "Saturday"}};
    for (const auto& d : kDays) t.controls.push_back(checkSpec(d.id, d.name));
}

void addSendMode(DialogTemplate& t) {
    t.controls.push_back(radioSpec(ids::kSendManual, "Manual"));
    // Each choice's caption also labels its fields: the screen reader hears the choice and each field apart.
    t.controls.push_back(radioSpec(ids::kSendDaily, "Daily Report...Send Time(H:M):"));
    t.controls.back().accessibleName = "Daily Report";
    t.controls.push_back(editSpec(ids::kReportHour, {.digitsOnly = true, .centred = true}));
    t.controls.back().accessibleName = "Daily Report send hour";
    t.controls.push_back(editSpec(ids::kReportMinute, {.digitsOnly = true, .centred = true}));
    t.controls.back().accessibleName = "Daily Report send minute";
    t.controls.push_back(radioSpec(ids::kSendInstant, "Instant............Max Number:"));
    t.controls.back().accessibleName = "Instant";
    t.controls.push_back(listSpec(ids::kMaxNumber, maxNumbers()));
    t.controls.back().accessibleName = "Instant maximum number";
    t.controls.push_back(radioSpec(ids::kSendOff, "Off"));
}

LayoutNode sendModeGroup() {
    return group(" Send Mode ", {
                                    ctrl(ids::kSendManual),
                                    Row({ctrl(ids::kSendDaily), ctrl(ids::kReportHour), textWith(":", ids::kReportMinute), ctrl(ids::kReportMinute)}),
                                    Row({ctrl(ids::kSendInstant), ctrl(ids::kMaxNumber)}),
                                    ctrl(ids::kSendOff),
                                });
}

void addOperatorLists(DialogTemplate& t, int countryId, int operatorId, int checkId) {
    t.controls.push_back(listBoxSpec(countryId, {.sorted = true}));
    t.controls.push_back(listBoxSpec(operatorId, {.sorted = true}));
    t.controls.push_back(buttonSpec(checkId, "Check WAP / Internet Paramaters(&L)"));
}

LayoutNode operatorListColumn(int countryId, int operatorId, int checkId) {
    return column({
        Row({column({textNode("Select Country"), ctrl(countryId)}), column({textNode("Select Operator"), ctrl(operatorId)})}),
        ctrl(checkId),
    });
}

void addCustomerInfo(DialogTemplate& t) {
    for (int id : {ids::kAdminNumber, ids::kPhoneNumber2, ids::kPhoneNumber3, ids::kPhoneNumber4, ids::kReceiveEmail1, ids::kReceiveEmail2, ids::kReceiveEmail3, ids::kReceiveEmail4}) t.controls.push_back(editSpec(id));
}

LayoutNode customerInfoGroup() {
    // clang-format off
    return group(" Customer Information Setting ", {grid(4, {
        textNode("Admin Number :"), ctrl(ids::kAdminNumber), textNode("Receive Email 1:"), ctrl(ids::kReceiveEmail1),
        textNode("Phone Number 2:"), ctrl(ids::kPhoneNumber2), textNode("Receive Email 2:"), ctrl(ids::kReceiveEmail2),
        textNode("Phone Number 3:"), ctrl(ids::kPhoneNumber3), textNode("Receive Email 3:"), ctrl(ids::kReceiveEmail3),
        textNode("Phone Number 4:"), ctrl(ids::kPhoneNumber4), textNode("Receive Email 4:"), ctrl(ids::kReceiveEmail4),
    })});
    // clang-format on
}

void addBanner(DialogTemplate& t, int bannerId) {
    ControlSpec banner = pictureSpec(bannerId, "banner", {.notify = true, .wide = true});
    banner.accessibleName = "About QVT CONFIG";  // a click on the banner opens the About box
    t.controls.push_back(std::move(banner));
}

DialogTemplate settingsTemplate(int resourceId, std::string title, int bannerId) {
    DialogTemplate t;
    t.resourceId = resourceId;
    t.title = std::move(title);
    t.icon = "app";
    addBanner(t, bannerId);
    return t;
}

void addFooter(DialogTemplate& t, int pathListId, const std::string& exitText) {
    ControlSpec pathList = listSpec(pathListId, {}, {.sorted = true, .wide = true});
    pathList.role = ControlRole::PathList;
    pathList.accessibleName = "File the data will be saved in";
    t.controls.push_back(std::move(pathList));
    // While the window holds no values at all (no settings file was read), a quiet note says so.
    t.firstOpenNote = "No settings file was found for this camera. Default(D) fills in the camera's defaults.";
    t.controls.push_back(buttonSpec(1, "Save(&Y)", {.defaultButton = true}));
    t.controls.push_back(buttonSpec(2, exitText));
    t.controls.push_back(buttonSpec(ids::kExport, "Export\xE2\x80\xA6(&E)"));
    t.controls.push_back(buttonSpec(ids::kImport, "Import\xE2\x80\xA6(&I)"));
}

std::vector<LayoutNode> footerNodes(int pathListId, std::vector<LayoutNode> extraButtons) {
    // The buttons share the path list's row: one row less, so that the tallest window fits a laptop.
    std::vector<LayoutNode> row{ctrl(pathListId), ctrl(1), ctrl(2)};
    for (LayoutNode& b : extraButtons) row.push_back(std::move(b));
    row.push_back(ctrl(ids::kExport));
    row.push_back(ctrl(ids::kImport));
    return {textNode("Attention Please ,The Data Above Will Be Saved In The Following  File: "), Row(std::move(row))};
}

void addHxCameraLists(DialogTemplate& t, std::vector<std::string> photoSizes, std::vector<std::string> videoLengths) {
    auto& c = t.controls;
    c.push_back(listSpec(ids::kLanguage, {"English", "Finnish", "German", "Swedish", "Danish", "Norwegian", "Czech", "Russian"}));
    c.push_back(listSpec(ids::kCameraMode, {"Photo", "Video", "Camvid"}));
    c.push_back(listSpec(ids::kPhotoSize, std::move(photoSizes)));
    c.push_back(listSpec(ids::kPhotoBurst, {"1 Photo", "2 Photos", "3 Photos", "4 Photos", "5 Photos", "6 Photos"}));
    c.push_back(listSpec(ids::kVideoLength, std::move(videoLengths)));
    c.push_back(listSpec(ids::kPirInterval, pirIntervals()));
    c.push_back(listSpec(ids::kTimeLapse, timeLapses()));
    c.push_back(listSpec(ids::kPirTrigger, pirTriggers()));
}

LayoutNode hxCameraGrid(std::vector<LayoutNode> moreCells) {
    // clang-format off
    std::vector<LayoutNode> cells{
        textNode("Language"), ctrl(ids::kLanguage), textNode("Camera Mode"), ctrl(ids::kCameraMode),
        textNode("Photo Size"), ctrl(ids::kPhotoSize), textNode("Photo Burst"), ctrl(ids::kPhotoBurst),
        textNode("Video Length"), ctrl(ids::kVideoLength), textNode("PIR Interval"), ctrl(ids::kPirInterval),
        textNode("Time Lapse"), ctrl(ids::kTimeLapse), textNode("PIR Trigger"), ctrl(ids::kPirTrigger),
    };
    // clang-format on
    for (LayoutNode& n : moreCells) cells.push_back(std::move(n));
    return grid(8, std::move(cells));
}

void addGameCall(DialogTemplate& t) {
    auto& c = t.controls;
    c.push_back(listSpec(ids::kGameCall, offOn()));
    c.push_back(listSpec(ids::kGameCallHour, numberItems(0, 23)));
    c.back().accessibleName = "Game Call hour";
    c.push_back(listSpec(ids::kGameCallMinute, numberItems(0, 59)));
    c.back().accessibleName = "Game Call minute";
    c.push_back(listSpec(ids::kReplayTimes, replayTimes()));
    ControlSpec field = editSpec(ids::kAudioField, {.readOnly = true, .centred = true});
    field.role = ControlRole::FileField;
    field.accessibleName = "Game-call sound file";
    c.push_back(std::move(field));
    ControlSpec choose = buttonSpec(ids::kChooseAudio, "+");
    choose.toolTip = "Choose the game-call sound";
    choose.accessibleName = "Choose the game-call sound";
    c.push_back(std::move(choose));
}

LayoutNode gameCallRow() {
    return Row({textNode("Game Call"), ctrl(ids::kGameCall), textNode("H:"), ctrl(ids::kGameCallHour), textNode("M:"), ctrl(ids::kGameCallMinute), textNode("Replay Times"),
                ctrl(ids::kReplayTimes), ctrl(ids::kAudioField), ctrl(ids::kChooseAudio)});
}

void addWorkHour(DialogTemplate& t, const WorkHourIds& ids) {
    // Two-digit items, unlike the game-call times.
    t.controls.push_back(listSpec(ids.workHour, offOn()));
    t.controls.push_back(listSpec(ids.startHour, numberItems(0, 23, 2)));
    t.controls.push_back(listSpec(ids.startMinute, numberItems(0, 59, 2)));
    t.controls.push_back(listSpec(ids.stopHour, numberItems(0, 23, 2)));
    t.controls.push_back(listSpec(ids.stopMinute, numberItems(0, 59, 2)));
}

LayoutNode workHourRow(std::vector<LayoutNode> extra, const WorkHourIds& ids) {
    std::vector<LayoutNode> cells{textNode("Work Hour"),     ctrl(ids.workHour),    textNode("Start Time"),
                                  ctrl(ids.startHour),    textNode(":"),            ctrl(ids.startMinute),
                                  textNode("Stop Time"),     ctrl(ids.stopHour),    textNode(":"),
                                  ctrl(ids.stopMinute)};
    for (LayoutNode& n : extra) cells.push_back(std::move(n));
    cells.push_back(stretch());
    return Row(std::move(cells));
}

LayoutNode messagingGroup(const std::vector<int>& sendTo, int countryId, int operatorId, int checkId) {
    std::vector<LayoutNode> radios;
    radios.reserve(sendTo.size());
    for (int id : sendTo) radios.push_back(ctrl(id));
    return group(" WAP Setting / Internet Setting / Customer Information Setting ",
                 {
                     Row({sendModeGroup(), group(" Send To ", std::move(radios)),
                          operatorListColumn(countryId, operatorId, checkId)}),
                     customerInfoGroup(),
                 });
}

void addMessaging(DialogTemplate& t, const std::vector<RadioText>& sendTo, int countryId, int operatorId, int checkId) {
    addSendMode(t);
    for (const RadioText& radio : sendTo) t.controls.push_back(radioSpec(radio.id, radio.text));
    addOperatorLists(t, countryId, operatorId, checkId);
    addCustomerInfo(t);
}

}  // namespace qvt::dialogs::parts
