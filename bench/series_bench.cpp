// Building the series of a long log: each stage alone and the whole build.
#include "bench_support.h"

#include <cmath>

#include "app/brixo_log.h"
#include "app/memory_tuning.h"
#include "app/settings.h"
#include "dsp/airtime.h"
#include "dsp/climbs.h"
#include "dsp/decoder.h"
#include "dsp/filters.h"
#include "dsp/log_series.h"
#include "synthetic_flight.h"

namespace {

constexpr size_t kRecords = 1'000'000;

// A long flight at ten samples a second.
const BrixoLog& Flight()
{
    static const BrixoLog log = SyntheticFlight(BuiltInConfiguration(), kRecords, 1);
    return log;
}

const std::vector<double>& Altitude()
{
    static const std::vector<double> altitude = [] {
        std::vector<double> a;
        (void)DecodeAltitude(Flight(), a);
        return a;
    }();
    return altitude;
}

// Ten samples a second of climbs and glides whose climb rate changes within 1 to 4 s every
// 20 s to 5 minutes, read with 0.44 m of noise: the smoother's own choice of model sigma
// changes along it as on a real flight.
const std::vector<double>& SoaringAltitude()
{
    static const std::vector<double> altitude = [] {
        std::vector<double> a;
        a.reserve(kRecords);
        uint32_t state = 5;
        auto uniform = [&state] {
            state = state * 1664525u + 1013904223u;
            return static_cast<double>(state >> 8) / 16777216.0;
        };
        double h = 600, vario = 0, from = 0, to = 0, change = 1, t = 0, legEnd = 0;
        while (a.size() < kRecords) {
            if (t >= legEnd) {
                from = vario;
                to = uniform() < 0.5 ? -0.5 - 1.5 * uniform() : 0.5 + 4.0 * uniform();
                change = 1 + 3 * uniform();
                legEnd = 20 + 280 * uniform();
                t = 0;
            }
            const double x = std::min(t / change, 1.0);
            vario = from + (to - from) * x * x * (3 - 2 * x);
            h += vario * 0.1;
            t += 0.1;
            // Noise of about 0.44 m, from the sum of four uniform numbers.
            const double noise = 0.44 * std::sqrt(3.0) * (uniform() + uniform() + uniform() + uniform() - 2.0);
            a.push_back(h + noise);
        }
        return a;
    }();
    return altitude;
}

void PerSample(benchmark::State& state, size_t samples)
{
    // The rate of (samples / 1e9) per second, inverted, reads as nanoseconds per sample.
    state.counters["ns_per_sample"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * static_cast<double>(samples) / 1e9,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_Stage_Decode(benchmark::State& state)
{
    std::vector<double> values;
    for (auto _ : state) {
        values.clear();
        (void)DecodeAltitude(Flight(), values);
        benchmark::DoNotOptimize(values.data());
    }
    PerSample(state, kRecords);
}

// The altitude of the long log (0) or of the soaring flight (1).
const std::vector<double>& AltitudeOf(int64_t which)
{
    return which == 0 ? Altitude() : SoaringAltitude();
}

void BM_Stage_Kalman(benchmark::State& state)
{
    std::vector<double> values;
    for (auto _ : state) {
        state.PauseTiming();
        values = AltitudeOf(state.range(0));
        state.ResumeTiming();
        KalmanFilter(values, 0.1, 0.44, 0.01);
        benchmark::DoNotOptimize(values.data());
    }
    PerSample(state, kRecords);
}

void BM_Stage_KalmanFoundSigma(benchmark::State& state)
{
    std::vector<double> values;
    for (auto _ : state) {
        state.PauseTiming();
        values = AltitudeOf(state.range(0));
        state.ResumeTiming();
        ModelSigmaFound found = KalmanFilterWithFoundSigma(values, 0.1, 0.44);
        benchmark::DoNotOptimize(values.data());
        benchmark::DoNotOptimize(found);
    }
    PerSample(state, kRecords);
}

void BM_Stage_Vario(benchmark::State& state)
{
    for (auto _ : state) {
        std::vector<double> vario = VarioFrom(Altitude(), 0.1);
        benchmark::DoNotOptimize(vario.data());
    }
    PerSample(state, kRecords);
}

void BM_Stage_Smoothing(benchmark::State& state)
{
    const std::vector<double> vario = VarioFrom(Altitude(), 0.1);
    std::vector<double> values;
    for (auto _ : state) {
        state.PauseTiming();
        values = vario;
        state.ResumeTiming();
        SmoothingFilter(values);
        benchmark::DoNotOptimize(values.data());
    }
    PerSample(state, kRecords);
}

template <void (*Filter)(std::vector<double>&, int32_t)>
void BM_Median(benchmark::State& state)
{
    std::vector<double> vario = VarioFrom(Altitude(), 0.1);
    SmoothingFilter(vario);
    std::vector<double> values;
    for (auto _ : state) {
        state.PauseTiming();
        values = vario;
        state.ResumeTiming();
        Filter(values, static_cast<int32_t>(state.range(0)));
        benchmark::DoNotOptimize(values.data());
    }
    PerSample(state, kRecords);
}

void BM_Climbs(benchmark::State& state)
{
    // The series as the chart shows them with the default settings.
    const LogSeries series = BuildLogSeries(Flight(), Settings());
    for (auto _ : state) {
        ClimbAnalysis climbs = ClimbsOf(series, Settings());
        benchmark::DoNotOptimize(climbs.climbs.data());
    }
    PerSample(state, kRecords);
}

void BM_Airtime(benchmark::State& state)
{
    // The takeoffs and landings of the decoded altitude, its samples taken as 0.1 s (1) or
    // 1 s (10) apart: one value a second is scored either way, from ten samples or one.
    const double dt = static_cast<double>(state.range(0)) * 0.1;
    for (auto _ : state) {
        std::vector<FlightSpan> flights = FindFlights(Altitude(), dt);
        benchmark::DoNotOptimize(flights.data());
    }
    PerSample(state, kRecords);
}

void BM_Build(benchmark::State& state)
{
    Settings settings;
    settings.altPolynome = state.range(0) != 0;
    settings.sigmaAuto = state.range(0) == 2;
    for (auto _ : state) {
        LogSeries series = BuildLogSeries(Flight(), settings);
        benchmark::DoNotOptimize(series.series.data());
    }
    PerSample(state, kRecords);
}

}  // namespace

BENCHMARK(BM_Stage_Decode)->Unit(benchmark::kMillisecond);
// The model sigma given (Kalman) or found (KalmanFoundSigma), on the long log (0) and on the
// soaring flight (1).
BENCHMARK(BM_Stage_Kalman)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Stage_KalmanFoundSigma)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Stage_Vario)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Stage_Smoothing)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Median, MedianFilter)->Arg(7)->Arg(101)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Median, MedianFilterByWindows)->Arg(7)->Arg(101)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Climbs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Airtime)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
// Default settings (0), with the Kalman filter on the altitude and a fixed model sigma (1), and
// with the model sigma found from the flight (2).
BENCHMARK(BM_Build)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    // As the programs do; --no-memory-reuse measures with the C library's defaults.
    bool reuse = true;
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]) == "--no-memory-reuse") {
            reuse = false;
            for (int j = i; j + 1 < argc; ++j)
                argv[j] = argv[j + 1];
            --argc;
            break;
        }
    if (reuse)
        KeepFreedMemoryForReuse();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
