// Load and save of a full list (1,000 varns of 255 bytes) through the
// in-memory file store: the cost of the list file's own work, reading,
// splitting, writing, without the disk.
#include <benchmark/benchmark.h>

#include <string>

#include "app/state.h"
#include "list/list_file.h"
#include "list/varn_list.h"
#include "fakes/files_fake.h"

namespace {

std::string fullListFile() {
    std::string bytes;
    for (int i = 0; i < MAX_VARNS; ++i) {
        std::string varn = "Window caption " + std::to_string(i) + " ";
        varn.resize(255, static_cast<char>('a' + i % 26));
        bytes += varn + "\r\n";
    }
    return bytes;
}

void BM_LoadVarnList(benchmark::State& state) {
    const std::string bytes = fullListFile();
    for (auto _ : state) {
        state.PauseTiming();
        fakefs::reset();
        fakefs::setFile(LIST_FILE_NAME, bytes);
        resetProgramState();
        state.ResumeTiming();
        loadVarnList();
        benchmark::DoNotOptimize(varnCount);
    }
    if (varnCount != MAX_VARNS) {
        state.SkipWithError("the list did not load whole");
    }
}

void BM_SaveVarnList(benchmark::State& state) {
    fakefs::reset();
    fakefs::setFile(LIST_FILE_NAME, fullListFile());
    resetProgramState();
    loadVarnList();
    for (auto _ : state) {
        saveVarnList();
    }
    if (fakefs::content(LIST_FILE_NAME) != fullListFile()) {
        state.SkipWithError("the saved list differs");
    }
}

}  // namespace

BENCHMARK(BM_LoadVarnList)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveVarnList)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
