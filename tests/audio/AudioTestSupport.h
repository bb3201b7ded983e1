// SPDX-License-Identifier: Apache-2.0
#pragma once
// Shared pieces of the audio tests: a host that also answers file dialogs and runs processes, a PC
// with a card and a dialog holding the audio field, and sources made by the real FFmpeg.
#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <optional>
#include <string>

#include "dialogs/GameCallField.h"
#include "platform/Process.h"
#include "support/DialogTestHost.h"
#include "support/RecordingHost.h"

namespace qvt::test {

class AudioHost : public RecordingHost {
public:
    std::optional<std::string> openFile(ui::Dialog*, const ui::FileRequest& request) override {
        filters.emplace_back(request.filterText());
        if (files.empty()) return std::nullopt;
        std::optional<std::string> answer = files.front();
        files.pop_front();
        return answer;
    }
    // Runs the tool for real; `reportCancelled` plays a user who pressed Cancel as it ran.
    ui::ProcessOutcome runProcess(ui::Dialog*, const ui::ProcessRequest& request) override {
        requests.push_back(request);
        const platform::ProcessResult r = platform::runProcessAndWait(request.program, request.arguments);
        ui::ProcessOutcome outcome;
        outcome.started = r.started;
        outcome.crashed = r.crashed;
        outcome.exitCode = r.exitCode;
        outcome.cancelled = r.started && reportCancelled;
        return outcome;
    }

    std::deque<std::optional<std::string>> files;  // nullopt = the user cancels
    std::vector<std::string> filters;
    std::vector<ui::ProcessRequest> requests;
    bool reportCancelled = false;
};

// Creates a 2-second stereo 44.1 kHz tone in the format its extension names (mp3, wav, aac).
inline void makeTone(const std::filesystem::path& file, double seconds = 2, std::vector<std::string> extra = {}) {
    std::vector<std::string> args{"-nostdin",  "-v",
                                  "error",     "-y",
                                  "-f",        "lavfi",
                                  "-i",        "sine=frequency=440:duration=" + std::to_string(seconds),
                                  "-ac",       "2",
                                  "-ar",       "44100",
                                  "-metadata", "title=Game call"};
    args.insert(args.end(), extra.begin(), extra.end());
    args.push_back(file.string());
    ASSERT_EQ(platform::runProcessAndWait("ffmpeg", args).exitCode, 0) << file;
}

// The header fields of a WAV, read independently of the program's own reader.
struct Wav {
    int format = 0, channels = 0, rate = 0, bits = 0;
    std::size_t dataBytes = 0;
};
std::optional<Wav> parseWav(const std::string& bytes);

class AudioTest : public testing::Test {
protected:
    AudioTest();
    static void SetUpTestSuite();
    static void TearDownTestSuite() { sources_.reset(); }
    static std::filesystem::path source(const std::string& ext) { return sources_->path() / ("tone." + ext); }

    std::filesystem::path pictures() const { return pc.card / "DCIM" / "100QVTIM"; }
    std::filesystem::path sound() const { return pictures() / "ADUI0001.WAV"; }
    // The field as "+" left it.
    void choose(const std::filesystem::path& file) { dialog.setTextQuiet(1001, file.string()); }
    std::vector<std::string> pictureFiles() const;  // names in the picture folder, sorted

    TestPc pc;
    AudioHost host;
    ui::Dialog dialog;
    dialogs::GameCallField audio;

private:
    static std::unique_ptr<TempDir> sources_;
};

}  // namespace qvt::test
