// Decoding a long log of the built-in device, with and without reusing the
// result of each distinct reading.
#include <benchmark/benchmark.h>

#include <cmath>

#include "app/brixo_log.h"
#include "config/decoder.h"

namespace {

CBrixoLog MakeLog(const Configuration& config, size_t records)
{
    CBrixoLog log;
    log.m_device = config.FindDevice(59);
    log.SetupForDevice(1);
    log.m_rate = 1;
    log.m_rawData.resize(records * 2);
    // A slow climb and descent with a little noise: a few thousand distinct readings.
    uint32_t state = 7;
    for (size_t i = 0; i < records; ++i) {
        state = state * 1664525u + 1013904223u;
        const double y = 48000 + 1500 * std::sin(static_cast<double>(i) / 50000.0) + (state >> 29);
        const auto word = static_cast<uint16_t>(y);
        log.m_rawData[2 * i] = static_cast<uint8_t>(word & 0xFF);
        log.m_rawData[2 * i + 1] = static_cast<uint8_t>(word >> 8);
    }
    return log;
}

void DecodeMillion(benchmark::State& state, bool reuse)
{
    Configuration config;
    config.LoadBuiltIn();
    const CBrixoLog log = MakeLog(config, 1'000'000);
    std::vector<double> values;
    values.reserve(log.SampleCount());
    for (auto _ : state) {
        values.clear();
        std::string error;
        DecodeAltitude(log, false, values, &error, DecodeOptions{reuse});
        benchmark::DoNotOptimize(values.data());
    }
    // The rate of (records / 1e9) per second, inverted, is nanoseconds per record.
    state.counters["ns_per_record"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * static_cast<double>(log.SampleCount()) / 1e9,
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_DecodeAltitude_EveryRecord(benchmark::State& state) { DecodeMillion(state, false); }
void BM_DecodeAltitude_ReuseReadings(benchmark::State& state) { DecodeMillion(state, true); }

}  // namespace

BENCHMARK(BM_DecodeAltitude_EveryRecord)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeAltitude_ReuseReadings)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
