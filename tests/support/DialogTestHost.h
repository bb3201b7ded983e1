// SPDX-License-Identifier: Apache-2.0
#pragma once
// Settings dialog tests: a PC with a card, and a fixture that opens one product's dialog on it.
#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <filesystem>
#include <string>
#include <vector>

#include "dialogs/AppContext.h"
#include "dialogs/Catalogue.h"
#include "dialogs/SettingsDialog.h"
#include "support/RecordingHost.h"
#include "support/TestSupport.h"
#include "ui/Dialog.h"
#include "ui/Host.h"

namespace qvt::test {

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

// A test of one product's settings dialog on a PC with a card: opens the dialog and drives it as a
// user would.
template <dialogs::DescriptionOf Describe, class H = RecordingHost>
class DialogFixture : public ::testing::Test {
protected:
    dialogs::SettingsDialog& open() {
        d = std::make_unique<dialogs::SettingsDialog>(host, pc.context, Describe());
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
    std::unique_ptr<dialogs::SettingsDialog> d;
};

}  // namespace qvt::test
