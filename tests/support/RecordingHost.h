// SPDX-License-Identifier: Apache-2.0
#pragma once
// A Host for dialog tests: records every message box and nested dialog, answers confirmations from
// a queue (OK when the queue is empty). ModalDrivingHost also drives nested modal dialogs: a test
// hands in what the user does in each nested dialog; one left open afterwards is closed as with Escape.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/Dialog.h"
#include "ui/Host.h"

namespace qvt::test {

struct Box {
    std::string text;
    std::string caption;
    ui::Icon icon = ui::Icon::None;
    ui::Buttons buttons = ui::Buttons::Ok;
    bool owned = false;  // shown with an owner window
    std::string explanation = {};                  // what the box says under its text
    std::vector<std::string> details = {};         // the record of its details
    std::vector<std::string> detailsShown = {};    // the details as a window words them
};

class RecordingHost : public ui::Host {
public:
    ui::Answer messageBox(ui::Dialog* owner, std::string_view text, std::string_view caption, ui::Icon icon,
                          ui::Buttons buttons) override {
        boxes.push_back({std::string(text), std::string(caption), icon, buttons, owner != nullptr});
        if (buttons == ui::Buttons::Ok || answers.empty()) return ui::Answer::Ok;
        const ui::Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    ui::Answer messageBoxWithDetails(ui::Dialog* owner, std::string_view text, std::string_view caption,
                                     ui::Icon icon, ui::Buttons buttons,
                                     const std::vector<std::string>& details) override {
        return showMessage(owner, {std::string(text), std::string(caption), icon, buttons, {}, details});
    }
    ui::Answer showMessage(ui::Dialog* owner, const ui::Message& m) override {
        const ui::Answer answer = messageBox(owner, m.text, m.caption, m.icon, m.buttons);
        boxes.back().explanation = m.explanation;
        boxes.back().details = m.details;
        boxes.back().detailsShown = m.detailsShown;
        return answer;
    }
    std::optional<std::string> openFile(ui::Dialog*, const ui::FileRequest&) override { return std::nullopt; }
    ui::Result runModal(ui::Dialog& dialog) override {
        dialog.init();
        modalTitles.push_back(dialog.title());
        return ui::Result::Cancel;
    }
    ui::ProcessOutcome runProcess(ui::Dialog*, const ui::ProcessRequest&) override { return {}; }

    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const Box& b : boxes) out.push_back(b.text);
        return out;
    }

    std::vector<Box> boxes;
    std::deque<ui::Answer> answers;
    std::vector<std::string> modalTitles;
};

class ModalDrivingHost : public RecordingHost {
public:
    // Called with each nested dialog once it is initialised, and its number in opening order (from 0).
    std::function<void(ui::Dialog&, int)> onModal;
    int modalsRun = 0;

    ui::Result runModal(ui::Dialog& dialog) override {
        dialog.init();
        modalTitles.push_back(dialog.title());
        const int index = modalsRun++;
        if (onModal && !dialog.ended()) onModal(dialog, index);
        if (!dialog.ended()) dialog.pressKey(ui::Key::Escape);
        return dialog.ended() ? dialog.result() : ui::Result::Cancel;
    }
};

}  // namespace qvt::test
