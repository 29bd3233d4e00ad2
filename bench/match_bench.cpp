// The matching phase of one sweep with a full list and a full snapshot:
// every varn against every caption as the rule reads (matchref::fastMatches in a
// double loop) beside findLastMatches, on the same inputs, then the ratio.
#include <benchmark/benchmark.h>

#include <chrono>
#include <map>
#include <string>

#include "../tests/unit/match_reference.h"
#include "sweep/last_match.h"
#include "sweep/normalise.h"

namespace {

// Worst case: 1,000 captions of 255 bytes sharing their first 247, and
// 1,000 varns of every length cut from them, re-cased, some with a wrong
// last byte.
const matchref::Inputs& sharedStart() {
    static const matchref::Inputs inputs = matchref::Generator(42).sharedStart(1000, 1000, 255);
    return inputs;
}

// Captions of up to 255 bytes with little in common, varns of every kind.
const matchref::Inputs& mixed() {
    static const matchref::Inputs inputs = [] {
        matchref::Generator generate(43);
        matchref::Inputs in = generate.mixed(1000, 1000);
        for (int j = 1; j <= in.captionCount(); ++j) {
            in.captions[j] = (in.captions[j] + generate.tricky(255)).substr(0, 255);
        }
        return in;
    }();
    return inputs;
}

// Seconds per call of the reference on each input, for the fast runs' ratio.
std::map<std::string, double> referenceSeconds;

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::vector<int> referenceMatches(const matchref::Inputs& in) {
    return matchref::lastMatches(in.captions, in.captionCount(), in.varns, in.varnCount(),
                                 matchref::fastMatches);
}

void reference(benchmark::State& state, const std::string& name, const matchref::Inputs& in) {
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        benchmark::DoNotOptimize(referenceMatches(in));
    }
    referenceSeconds[name] = secondsSince(start) / static_cast<double>(state.iterations());
}

// Shows both times per call (fast_ms, reference_ms) and their ratio in the
// fast run's row.
void fast(benchmark::State& state, const std::string& name, const matchref::Inputs& in) {
    if (findLastMatches(in.captions, in.captionCount(), in.varns, in.varnCount()) !=
        referenceMatches(in)) {
        state.SkipWithError("the fast matcher disagrees with the reference");
        return;
    }
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            findLastMatches(in.captions, in.captionCount(), in.varns, in.varnCount()));
    }
    const double fastSeconds = secondsSince(start) / static_cast<double>(state.iterations());
    state.counters["fast_ms"] = fastSeconds * 1e3;
    const auto ref = referenceSeconds.find(name);
    if (ref != referenceSeconds.end()) {
        state.counters["reference_ms"] = ref->second * 1e3;
        state.counters["ratio"] = ref->second / fastSeconds;
    }
}

void BM_ReferenceSharedStart(benchmark::State& state) {
    reference(state, "SharedStart", sharedStart());
}
void BM_FastSharedStart(benchmark::State& state) {
    fast(state, "SharedStart", sharedStart());
}
void BM_ReferenceMixed(benchmark::State& state) {
    reference(state, "Mixed", mixed());
}
void BM_FastMixed(benchmark::State& state) {
    fast(state, "Mixed", mixed());
}

// Each reference runs before the fast run on the same inputs.
BENCHMARK(BM_ReferenceSharedStart)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FastSharedStart)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReferenceMixed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FastMixed)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
