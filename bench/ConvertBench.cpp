// SPDX-License-Identifier: Apache-2.0
// The game-call conversion as the program runs it (tool located, length probed, written beside the
// old sound, checked, swapped in) against the bare tool converting the same one-minute stereo MP3.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <random>
#include <vector>

#include "dialogs/AppContext.h"
#include "audio/GameCallAudio.h"
#include "platform/Process.h"

namespace {

namespace fs = std::filesystem;
using namespace qvt;

class BenchHost : public ui::Host {
public:
    ui::Answer messageBox(ui::Dialog*, std::string_view text, std::string_view, ui::Icon, ui::Buttons) override {
        std::cerr << "unexpected message: " << text << '\n';
        std::abort();
    }
    std::optional<std::string> openFile(ui::Dialog*, std::string_view) override { return std::nullopt; }
    ui::Result runModal(ui::Dialog&) override { return ui::Result::Cancel; }
    ui::ProcessOutcome runProcess(ui::Dialog*, const ui::ProcessRequest& request) override {
        const platform::ProcessResult r = platform::runProcessAndWait(request.program, request.arguments);
        return {r.started, false, r.exitCode, r.crashed};
    }
};

// A PC with a card and a one-minute 44.1 kHz stereo MP3, made once for all benchmarks.
struct Setup {
    Setup() {
        root = fs::temp_directory_path() / ("qvt-bench-" + std::to_string(std::random_device{}()));
        fs::create_directories(root / "pc");
        fs::create_directories(root / "card" / "DCIM" / "100QVTIM");
        source = root / "call.mp3";
        tool = platform::findOnPath("ffmpeg");
        const platform::ProcessResult r = platform::runProcessAndWait(
            tool, {"-nostdin", "-v", "error", "-f", "lavfi", "-i", "sine=frequency=440:duration=60", "-ac", "2", "-ar",
                   "44100", source.string()});
        if (tool.empty() || r.exitCode != 0) {
            std::cerr << "cannot make the source with ffmpeg\n";
            std::exit(1);
        }
    }
    ~Setup() {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
    fs::path root, source;
    std::string tool;
};

Setup& setup() {
    static Setup s;
    return s;
}

void BM_RunTransform(benchmark::State& state) {
    Setup& s = setup();
    BenchHost host;
    dialogs::AppContext context(platform::Volumes(s.root / "pc", {s.root / "card"}), platform::Clock());
    ui::DialogTemplate tmpl;
    tmpl.controls = {ui::editSpec(1001, {.readOnly = true})};
    ui::Dialog dialog(host, tmpl);
    dialog.init();
    audio::GameCallAudio audio(dialog, context, [&] { return s.root / "card"; });
    const fs::path target = audio::pictureFolderOf(s.root / "card") / audio::kGameCallSoundName;
    for (auto _ : state) {
        if (!audio.runTransform(s.source, target)) state.SkipWithError("conversion failed");
    }
}
BENCHMARK(BM_RunTransform)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);

void BM_BareTool(benchmark::State& state) {
    Setup& s = setup();
    const fs::path out = s.root / "bare.wav";
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove(out);
        state.ResumeTiming();
        const platform::ProcessResult r = platform::runProcessAndWait(
            s.tool, {"-i", s.source.string(), "-ac", "1", "-ar", "22050", "-acodec", "pcm_u8", out.string()});
        if (r.exitCode != 0) state.SkipWithError("conversion failed");
    }
}
BENCHMARK(BM_BareTool)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);

}  // namespace

// The machine's load drifts over a run: by default the two benchmarks take turns, several times,
// and only the aggregates are shown. Flags given on the command line come later and win.
int main(int argc, char** argv) {
    std::vector<char*> args{argv[0]};
    char repetitions[] = "--benchmark_repetitions=5";
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    char aggregates[] = "--benchmark_report_aggregates_only=true";
    args.insert(args.end(), {repetitions, interleave, aggregates});
    args.insert(args.end(), argv + 1, argv + argc);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
