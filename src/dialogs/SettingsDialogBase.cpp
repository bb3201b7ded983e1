// SPDX-License-Identifier: Apache-2.0
#include "dialogs/SettingsDialogBase.h"

#include <cassert>
#include <cstdio>

#include "platform/FileOps.h"
#include "settings/KeyTable.h"

namespace qvt::dialogs {

using settings::kDayWeights;
using ui::Event;
using ui::Icon;

namespace {

std::string dayItem(int day, int width) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*d", width, day);
    return buf;
}

}  // namespace

SettingsDialogBase::SettingsDialogBase(ui::Host& host, ui::DialogTemplate tmpl, dialogs::AppContext& context, RuleSet rules)
    : Dialog(host, std::move(tmpl)), context_(context), rules_(std::move(rules)) {}

// ---- work days ----------------------------------------------------------------------------------

void SettingsDialogBase::showWorkDays(int mask) {
    for (int i = 0; i < 7; ++i) setCheck(kDayBoxes[i], (mask & kDayWeights[i]) ? 1 : 0);
}

int SettingsDialogBase::checkedWorkDays() const {
    int sum = 0;
    for (int i = 0; i < 7; ++i)
        if (check(kDayBoxes[i]) == 1) sum += kDayWeights[i];
    return sum;
}

void SettingsDialogBase::updateWorkDayBox() {
    int checked = 0;
    for (int box : kDayBoxes)
        if (check(box) == 1) ++checked;
    setCheck(ids::kWorkDayBox, checked == 0 ? 0 : (checked == 7 ? 1 : 2));
}

int SettingsDialogBase::toggleDayBox(int dayBox) {
    if (dayBox == 0) return 0;
    const int previous = check(dayBox);
    if (previous == 0) {
        setCheck(dayBox, 1);
    } else {
        setCheck(dayBox, 0);
        if (previous != 1) message(rules_.workDay.dayBoxStatus, kTipsCaption, Icon::Warning);
    }
    return previous;
}

void SettingsDialogBase::showWorkDay(int position, int mask) {
    assert(position >= 0 && position < 7);
    setCheck(kDayBoxes[position], (mask & kDayWeights[position]) ? 1 : 0);
}

void SettingsDialogBase::onWorkDayBoxClick() {
    const int state = check(ids::kWorkDayBox);
    if (state == 0 || state == 2) {
        setCheck(ids::kWorkDayBox, 1);
        showWorkDays(kAllDays);
        return;
    }
    setCheck(ids::kWorkDayBox, 0);
    showWorkDays(0);
    if (state != 1) message(rules_.workDay.workDayBoxStatus, kTipsCaption, Icon::Warning);
}

void SettingsDialogBase::onDayBoxClick(int dayBox) {
    toggleDayBox(dayBox);
    updateWorkDayBox();
}

// ---- Time Lapse and PIR Trigger -------------------------------------------------------------------

bool SettingsDialogBase::bothOff() const {
    const PirRule& r = rules_.pir;
    return sel(r.timeLapseList) == r.timeLapseOff && sel(r.pirTriggerList) == r.pirTriggerOff;
}

void SettingsDialogBase::forgetTimeLapsePir() {
    rememberedTimeLapse_ = -1;
    rememberedPirTrigger_ = -1;
}

void SettingsDialogBase::onTimeLapseChanged() {
    const PirRule& r = rules_.pir;
    if (bothOff()) {
        message(r.timeLapseChanged, kTipsCaption, Icon::Warning);
        select(r.timeLapseList, rememberedTimeLapse_);
    } else {
        rememberedTimeLapse_ = sel(r.timeLapseList);
    }
}

void SettingsDialogBase::onPirTriggerChanged() {
    const PirRule& r = rules_.pir;
    if (bothOff()) {
        message(r.pirTriggerChanged, kTipsCaption, Icon::Warning);
        select(r.pirTriggerList, rememberedPirTrigger_);
    } else {
        rememberedPirTrigger_ = sel(r.pirTriggerList);
    }
}

void SettingsDialogBase::rememberTimeLapsePir() {
    rememberedTimeLapse_ = sel(rules_.pir.timeLapseList);
    rememberedPirTrigger_ = sel(rules_.pir.pirTriggerList);
}

void SettingsDialogBase::afterTimeLapsePirLoaded() {
    // A file may hold both "OFF"; it is not the user's doing, so no message.
    if (bothOff()) clearSelection(rules_.pir.pirTriggerList);
    rememberTimeLapsePir();
}

// ---- clock --------------------------------------------------------------------------------------

int SettingsDialogBase::yearMonthDay(int year, int month) {
    return dialogs::yearMonthDay(year, month, host());
}

void SettingsDialogBase::refillDayList() {
    const ClockRule& c = rules_.clock;
    resetItems(c.day());
    if (sel(c.year()) < 0) select(c.year(), 0);
    if (sel(c.month()) < 0) select(c.month(), 0);
    const int days = yearMonthDay(2013 + sel(c.year()), 1 + sel(c.month()));
    // Appended, never sorted: a sorted list would put "10" before "2".
    for (int d = 1; d <= days; ++d) appendItem(c.day(), dayItem(d, c.dayItemWidth));
    select(c.day(), 0);
}

void SettingsDialogBase::ensureDayList() {
    const ClockRule& c = rules_.clock;
    if (sel(c.year()) < 0 || sel(c.month()) < 0) {
        select(c.year(), 0);
        select(c.month(), 0);
        refillDayList();
    } else if (sel(c.day()) < 0) {
        refillDayList();
    }
}

void SettingsDialogBase::prepareDayListForLoad() {
    const ClockRule& c = rules_.clock;
    if (sel(c.year()) >= 0 && sel(c.month()) >= 0) {
        ensureDayList();
    } else {
        // Without year and month the length of the month is unknown: offer every day.
        resetItems(c.day());
        for (int d = 1; d <= 31; ++d) appendItem(c.day(), dayItem(d, c.fallbackDayWidth));
    }
}

bool SettingsDialogBase::setClockFromSystem() {
    const ClockRule& c = rules_.clock;
    const platform::DateTime now = context_.clock.now();
    // The year list's span is the check that matters; a system time always fits the others.
    if (now.year < 2013 || now.year > 2113 || now.month < 1 || now.month > 12 || now.day < 1 ||
        now.day > yearMonthDay(now.year, now.month) || now.hour < 0 || now.hour > 24 || now.minute < 0 ||
        now.minute > 60 || now.second < 0 || now.second > 60)
        return false;
    select(c.year(), now.year - 2013);
    select(c.month(), now.month - 1);
    refillDayList();
    select(c.day(), now.day - 1);
    select(c.lists[3], now.hour);
    select(c.lists[4], now.minute);
    select(c.lists[5], now.second);
    return true;
}

void SettingsDialogBase::resetClock() {
    ensureDayList();
    for (int list : rules_.clock.lists) select(list, 0);
}

void SettingsDialogBase::applyDefaults(std::span<const ControlDefault> defaults) {
    for (const ControlDefault& d : defaults) {
        if (d.text)
            setText(d.id, d.text);
        else
            select(d.id, d.position);
    }
}

void SettingsDialogBase::setClockFromPc() {
    if (!setClockFromSystem()) message(rules_.clock.wrongSystemTime, kTipsCaption, Icon::Warning);
}

bool SettingsDialogBase::handleClockNotify(int id, Event event) {
    const ClockRule& c = rules_.clock;
    if (event == Event::SelChange && (id == c.year() || id == c.month())) {
        refillDayList();
        return true;
    }
    if (event == Event::Focus && (id == c.month() || id == c.day() || (id == c.year() && c.yearFocusEnsuresDays))) {
        ensureDayList();
        return true;
    }
    return false;
}

// ---- OFF/ON groups, Send Mode and radios ------------------------------------------------------------

void SettingsDialogBase::applyOnOffGroup(OnOffVariant variant, int switchList, int dependent1, int dependent2,
                                           int dependent3, int extra1, int extra2) {
    const int controls[5] = {dependent1, dependent2, dependent3, extra1, extra2};
    const int position = sel(switchList);
    const bool on = position == 1;
    auto fillBlanks = [&] {
        for (int id : controls)
            if (id != 0 && control(id).isList() && sel(id) < 0) select(id, 0);
    };
    auto enableAll = [&](bool enable) {
        for (int id : controls)
            if (id != 0) setEnabled(id, enable);
    };
    switch (variant) {
        case OnOffVariant::FillBlanks:
            fillBlanks();
            enableAll(on);
            return;
        case OnOffVariant::EnableOnly:
            enableAll(on);
            return;
        case OnOffVariant::WorkHourBlankKeeps:
            if (position < 0) return;
            [[fallthrough]];
        case OnOffVariant::WorkHour:
            enableAll(on);
            if (on) fillBlanks();
            return;
    }
}

void SettingsDialogBase::showSendControls(SendControls shown) {
    setVisible(ids::kMaxNumber, shown == SendControls::MaxNumber);
    setVisible(ids::kReportHour, shown == SendControls::ReportTime);
    setVisible(ids::kReportMinute, shown == SendControls::ReportTime);
}

void SettingsDialogBase::onSendModeClick(int radio) {
    using namespace ids;
    switch (radio) {
        case kSendManual:
            showSendControls(SendControls::None);
            setRadioGroup(kSendManual, kSendDaily, kSendInstant, kSendOff, true);
            return;
        case kSendDaily:
            showSendControls(SendControls::ReportTime);
            setRadioGroup(kSendDaily, kSendManual, kSendInstant, kSendOff, true);
            return;
        case kSendInstant:
            showSendControls(SendControls::MaxNumber);
            setRadioGroup(kSendInstant, kSendManual, kSendDaily, kSendOff, true);
            return;
        case kSendOff:
            showSendControls(SendControls::None);
            setRadioGroup(kSendOff, kSendManual, kSendDaily, kSendInstant, true);
            return;
        default:
            return;
    }
}

void SettingsDialogBase::setSendModeRadios(const std::string& stored) {
    using namespace ids;
    static constexpr int kByValue[4] = {kSendManual, kSendDaily, kSendInstant, kSendOff};
    const int value = stored.empty() ? -1 : platform::atoI(stored);
    if (value >= 0 && value <= 3) {
        onSendModeClick(kByValue[value]);
        return;
    }
    setRadioGroup(kSendManual, kSendDaily, kSendInstant, kSendOff, false);
    showSendControls(SendControls::None);
}

void SettingsDialogBase::onRadioGroupClick(int radio, std::initializer_list<int> group) {
    int others[3] = {radio, radio, radio};
    int n = 0;
    for (int id : group)
        if (id != radio && n < 3) others[n++] = id;
    for (int i = n; i > 0 && i < 3; ++i) others[i] = others[i - 1];  // a group of three: its last button twice
    setRadioGroup(radio, others[0], others[1], others[2], true);
}

void SettingsDialogBase::setRadioGroupFromDigit(const std::string& stored, std::initializer_list<int> group) {
    const int position = stored.size() == 1 ? stored[0] - '0' : -1;
    if (position >= 0 && position < static_cast<int>(group.size())) {
        onRadioGroupClick(group.begin()[position], group);
        return;
    }
    for (int id : group) setCheck(id, 0);
}

bool SettingsDialogBase::handleWorkDayNotify(int id, Event event) {
    if (event != Event::Clicked) return false;
    if (id == ids::kWorkDayBox) {
        onWorkDayBoxClick();
        return true;
    }
    for (int day : kDayBoxes) {
        if (day == id) {
            onDayBoxClick(id);
            return true;
        }
    }
    return false;
}

bool SettingsDialogBase::handleSendModeNotify(int id, Event event) {
    using namespace ids;
    if (event == Event::Clicked && (id == kSendManual || id == kSendDaily || id == kSendInstant || id == kSendOff)) {
        onSendModeClick(id);
        return true;
    }
    if (event != Event::TextChanged) return false;
    if (id == kReportHour) applyRangeEdit(id, 0, 23, "0~23 Hour");
    if (id == kReportMinute) applyRangeEdit(id, 0, 59, "0~59 Minute");
    return id == kReportHour || id == kReportMinute;
}

void SettingsDialogBase::setRadioGroup(int first, int second, int third, int fourth, bool checked) {
    setRadioGroupOf(*this, first, second, third, fourth, checked);
}

int SettingsDialogBase::getRadioIndex(int a, int b, int c, int d) const {
    return dialogs::getRadioIndex(*this, a, b, c, d, rules_.radio.threeButtonRule);
}

// ---- two-digit time edits -----------------------------------------------------------------------------

void SettingsDialogBase::applyRangeEdit(int edit, int minimum, int maximum, const std::string& rangeText) {
    // Setting the text below runs this rule again on the new text before this run goes on. For
    // every range the dialogs use that ends after two levels; the guard only protects against a
    // range whose own maximum would not satisfy it.
    if (rangeEditDepth_ >= 8) return;
    struct Depth {
        int& depth;
        explicit Depth(int& d) : depth(d) { ++depth; }
        ~Depth() { --depth; }
    } depth(rangeEditDepth_);

    const std::string trimmed = platform::trim(text(edit));
    if (!platform::isAllDigits(trimmed))
        setText(edit, "");
    else if (trimmed.size() > 2)
        setText(edit, trimmed.substr(0, 2));

    const int number = platform::atoI(trimmed);
    if (number > maximum || number < minimum) {
        message("Arrange :" + rangeText + "!", kTipsCaption, Icon::Warning);
        setText(edit, std::to_string(maximum));
    }
}

}  // namespace qvt::dialogs
