// SPDX-License-Identifier: Apache-2.0
#pragma once
// A Host for dialog tests: records every message box and nested dialog, answers confirmations from
// a queue (OK when the queue is empty).
#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <filesystem>
#include <string>
#include <vector>

#include "dialogs/AppContext.h"
#include "support/TestSupport.h"
#include "ui/Dialog.h"
#include "ui/Host.h"

namespace qvt::test {

struct Box {
    std::string text;
    std::string caption;
    ui::Icon icon = ui::Icon::None;
    ui::Buttons buttons = ui::Buttons::Ok;
    bool owned = false;  // shown with an owner window
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
    std::optional<std::string> openFile(ui::Dialog*, std::string_view) override { return std::nullopt; }
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

// A PC with one memory card: <tmp>/pc is the system root, <tmp>/card the card.
struct TestPc {
    explicit TestPc(platform::DateTime now = {2024, 5, 17, 10, 20, 30})
        : pc(makeDir(dir / "pc")),
          card(makeDir(dir / "card")),
          context(platform::Volumes(pc, {card}), platform::Clock(now)) {}

    static std::filesystem::path makeDir(const std::filesystem::path& p) {
        std::filesystem::create_directories(p);
        return p;
    }
    std::filesystem::path cardFile() const { return card / "GSM" / "HX710T.TXT"; }
    std::filesystem::path backupFile() const { return pc / "LumbrakonBackup" / "HX710T.TXT"; }

    TempDir dir;
    std::filesystem::path pc;
    std::filesystem::path card;
    dialogs::AppContext context;
};

// A test of one settings dialog on a PC with a card: opens the dialog and drives it as a user would.
template <class D, class H = RecordingHost>
class DialogFixture : public ::testing::Test {
protected:
    D& open() {
        d = std::make_unique<D>(host, pc.context);
        d->init();
        return *d;
    }
    void choose(int id, int pos) {
        d->select(id, pos);
        d->notify(id, ui::Event::SelChange);
    }
    void click(int id) { d->notify(id, ui::Event::Clicked); }

    TestPc pc;
    H host;
    std::unique_ptr<D> d;
};

}  // namespace qvt::test
