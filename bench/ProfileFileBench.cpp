// SPDX-License-Identifier: Apache-2.0
// Opening and saving a 1 MiB settings file (the size limit of a card file): a section followed by
// half a million blank lines, or by as many short distinct keys. Both must stay linear in the size.
#include <benchmark/benchmark.h>

#include <string>

#include "settings/ProfileFile.h"

namespace {

using qvt::settings::ProfileFile;

std::string blankLines() {
    std::string bytes = "[Camera Setting]\r\n";
    while (bytes.size() + 2 <= qvt::settings::kMaxSettingsFileSize) bytes += "\r\n";
    return bytes;
}

std::string manyKeys() {
    std::string bytes = "[Camera Setting]\r\n";
    for (int i = 0; bytes.size() + 16 <= qvt::settings::kMaxSettingsFileSize; ++i) bytes += "k" + std::to_string(i) + "=1\r\n";
    return bytes;
}

// What a dialog does with the file: read its keys, write them back (new ones inserted in the
// section), produce the bytes to save.
void openAndSave(benchmark::State& state, const std::string& bytes) {
    for (auto _ : state) {
        ProfileFile file = ProfileFile::fromBytes(bytes);
        for (int k = 0; k < 40; ++k) benchmark::DoNotOptimize(file.get("Camera Setting", "Key " + std::to_string(k)));
        for (int k = 0; k < 40; ++k) file.set("Camera Setting", "Key " + std::to_string(k), "12");
        file.set("Via WAP Settings", "URL", "http://mms.example");
        benchmark::DoNotOptimize(file.toBytes());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

void BM_OpenAndSaveBlankLines(benchmark::State& state) {
    static const std::string bytes = blankLines();
    openAndSave(state, bytes);
}
BENCHMARK(BM_OpenAndSaveBlankLines)->Unit(benchmark::kMillisecond);

void BM_OpenAndSaveManyKeys(benchmark::State& state) {
    static const std::string bytes = manyKeys();
    openAndSave(state, bytes);
}
BENCHMARK(BM_OpenAndSaveManyKeys)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
