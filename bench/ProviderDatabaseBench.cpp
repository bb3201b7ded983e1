// SPDX-License-Identifier: Apache-2.0
// Reading the whole mobile-broadband provider database as "Find operator…" does on its first use:
// the system's serviceproviders.xml (QVT_PROVIDER_DATABASE names another), from the file and from
// memory. The target is well under 50 ms; the reading must
// stay linear in the file's size, which the doubled file shows.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "operators/ProviderDatabase.h"

namespace {

using namespace qvt::operators;

std::filesystem::path databasePath() {
    return locateProviderDatabase(std::nullopt);
}

std::string fileBytes() {
    std::ifstream in(databasePath(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The file with its countries written twice: twice the size, the same shape.
std::string doubled(const std::string& bytes) {
    const std::size_t first = bytes.find("<country");
    const std::size_t end = bytes.rfind("</serviceproviders>");
    if (first == std::string::npos || end == std::string::npos || end < first) return bytes;
    return bytes.substr(0, end) + bytes.substr(first, end - first) + bytes.substr(end);
}

void parse(benchmark::State& state, const std::string& bytes) {
    if (bytes.empty()) {
        state.SkipWithError("no provider database at the path");
        return;
    }
    for (auto _ : state) {
        std::string error;
        std::optional<ProviderList> list = parseProviderDatabase(bytes, error);
        if (!list) state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(list);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

// What the first press of the button costs: open, read and parse the file.
void BM_LoadProviderDatabaseFile(benchmark::State& state) {
    const std::filesystem::path path = databasePath();
    for (auto _ : state) {
        ProviderDatabase database(path);
        const ProviderList* list = database.load();
        if (!list) state.SkipWithError(database.error().c_str());
        benchmark::DoNotOptimize(list);
    }
}
BENCHMARK(BM_LoadProviderDatabaseFile)->Unit(benchmark::kMillisecond);

void BM_ParseProviderDatabase(benchmark::State& state) {
    static const std::string bytes = fileBytes();
    parse(state, bytes);
}
BENCHMARK(BM_ParseProviderDatabase)->Unit(benchmark::kMillisecond);

void BM_ParseProviderDatabaseTwiceAsLarge(benchmark::State& state) {
    static const std::string bytes = doubled(fileBytes());
    parse(state, bytes);
}
BENCHMARK(BM_ParseProviderDatabaseTwiceAsLarge)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
