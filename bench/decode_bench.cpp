// Decoding a long log of the built-in device, with and without reusing the
// result of each distinct reading.
#include <benchmark/benchmark.h>

#include "app/brixo_log.h"
#include "dsp/decoder.h"
#include "synthetic_flight.h"

namespace {

void DecodeMillion(benchmark::State& state, bool reuse)
{
    Configuration config;
    if (!config.LoadBuiltIn()) {
        state.SkipWithError("the built-in configuration cannot be read");
        return;
    }
    const BrixoLog log = SyntheticFlight(config, 1'000'000, 1);
    std::vector<double> values;
    values.reserve(log.SampleCount());
    for (auto _ : state) {
        values.clear();
        (void)DecodeAltitude(log, values, DecodeOptions{reuse});
        benchmark::DoNotOptimize(values.data());
    }
    // The rate of (records / 1e9) per second, inverted, is nanoseconds per record.
    state.counters["ns_per_record"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * static_cast<double>(log.SampleCount()) / 1e9,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_DecodeAltitude_EveryRecord(benchmark::State& state)
{
    DecodeMillion(state, false);
}
void BM_DecodeAltitude_ReuseReadings(benchmark::State& state)
{
    DecodeMillion(state, true);
}

}  // namespace

BENCHMARK(BM_DecodeAltitude_EveryRecord)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeAltitude_ReuseReadings)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
