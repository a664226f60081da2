// The altitude smoother against flights whose true altitude is known: raw
// readings of the built-in formula, quantised after Gaussian sensor noise, decoded
// as a download would be, then smoothed and compared with the truth.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>

#include "app/settings.h"
#include "dsp/decoder.h"
#include "dsp/filters.h"
#include "portable_random.h"
#include "test_support.h"

namespace {

// A stretch of constant climb rate, entered from the one before over a few seconds.
struct Leg {
    double seconds;
    double vario;             // m/s
    double transition = 4.0;  // seconds to reach this leg's climb rate
    double swing = 0.0;       // amplitude of a slow swing of the climb rate (a thermal's core), m/s
    double period = 1.0;      // of the swing, s
};

struct TrueFlight {
    std::vector<double> altitude;  // metres above sea level, one per sample
    std::vector<bool> steady;      // inside a leg of constant climb rate, away from its ends
};

uint16_t Reading(double metres)
{
    return static_cast<uint16_t>(std::lround(1013.25 / 0.018 * std::pow(1.0 - metres / 40000.0, 5.255)));
}

// Samples every rate tenths of a second of a flight that starts at rest at
// `start` metres. The climb rate moves from leg to leg along a smooth step of
// the leg's transition; the altitude is its integral, taken in steps of 10 ms.
TrueFlight Fly(const std::vector<Leg>& legs, uint32_t rate, double start)
{
    TrueFlight f;
    const double fine = 0.01;
    const int64_t perSample = 10 * static_cast<int64_t>(rate);  // fine steps
    double altitude = start, previousVario = 0.0;
    int64_t step = 0;
    for (const Leg& leg : legs) {
        const auto steps = static_cast<int64_t>(std::llround(leg.seconds / fine));
        for (int64_t k = 0; k < steps; ++k, ++step) {
            const double u = static_cast<double>(k) * fine;
            if (step % perSample == 0) {
                f.altitude.push_back(altitude);
                f.steady.push_back(leg.swing == 0 && u > leg.transition + 15 && u < leg.seconds - 15);
            }
            const double x = std::min(u / leg.transition, 1.0);
            const double blend = x * x * (3 - 2 * x);
            const double swing = leg.swing * std::sin(2 * M_PI * u / leg.period) * blend;
            altitude += (previousVario + (leg.vario - previousVario) * blend + swing) * fine;
        }
        previousVario = leg.vario;
    }
    return f;
}

struct Errors {
    double rmsRaw = 0, rmsSmoothed = 0, maxSmoothed = 0, steadyMean = 0;
    ModelSigmaFound found;
};

// Decodes noisy readings of the flight, smooths them as the default settings do (the model
// sigma found from the readings) or with a fixed model sigma, and measures both against the truth.
Errors Measure(const TrueFlight& flight, uint32_t rate, std::optional<double> modelSigma, uint32_t seed)
{
    std::mt19937 random(seed);
    NormalNoise noise(0.44);
    std::vector<unsigned> words;
    for (double h : flight.altitude)
        words.push_back(Reading(h + noise(random)));
    words.push_back(words.back());  // the decoding leaves out the last record
    const Configuration config = BuiltInConfig();
    const BrixoLog log = LogOf(config, 59, rate, Words(words));
    std::vector<double> raw;
    EXPECT_TRUE(DecodeAltitude(log, raw));
    std::vector<double> smoothed = raw;
    Errors e;
    if (modelSigma)
        KalmanFilter(smoothed, log.SamplePeriod(), 0.44, *modelSigma);
    else
        e.found = KalmanFilterWithFoundSigma(smoothed, log.SamplePeriod(), 0.44);

    // The series starts at 0 at the first reading: the truth is measured from the same point.
    const double base = 40000 * (1 - std::pow(words[0] * 0.018 / 1013.25, 1 / 5.255));
    double steadySum = 0;
    size_t steadyCount = 0;
    for (size_t i = 0; i < raw.size(); ++i) {
        const double truth = flight.altitude[i] - base;
        e.rmsRaw += (raw[i] - truth) * (raw[i] - truth);
        e.rmsSmoothed += (smoothed[i] - truth) * (smoothed[i] - truth);
        e.maxSmoothed = std::max(e.maxSmoothed, std::abs(smoothed[i] - truth));
        if (flight.steady[i]) {
            steadySum += smoothed[i] - truth;
            ++steadyCount;
        }
    }
    e.rmsRaw = std::sqrt(e.rmsRaw / static_cast<double>(raw.size()));
    e.rmsSmoothed = std::sqrt(e.rmsSmoothed / static_cast<double>(raw.size()));
    e.steadyMean = steadyCount ? steadySum / static_cast<double>(steadyCount) : 0.0;
    return e;
}

struct TruthCase {
    const char* what;
    std::vector<Leg> legs;
    double largestError = 3.0;
};

constexpr uint32_t kRates[] = {1, 2, 5, 10, 20};

// Soaring: climb rates change over about 4 s, as a glider or paraglider enters and leaves its climbs.
const TruthCase kSoaring[] = {
    {"climbs and glides",
     {{60, 0}, {600, 1.2}, {600, -1.0}, {400, 2.0}, {600, -0.9}, {300, 0.8}, {300, -1.1}, {90, 0}}},
    {"thermals",
     {{60, 0},
      {400, 1.5, 4, 0.5, 80},
      {300, -1.0},
      {500, 2.0, 4, 0.6, 100},
      {400, -0.8},
      {300, 1.0, 4, 0.4, 60},
      {60, 0}}},
    {"ridge soaring", {{60, 0}, {1200, 0.3, 4, 0.5, 120}, {600, -0.6}, {800, 0.5}, {60, 0}}},
};

// Sharp thermalling: the climb rate changes by 2 to 5 m/s within 1 to 1.5 s, and swings round
// each circle of 20 s.
const TruthCase kSharpThermalling[] = {
    {"sharp climbs and glides",
     {{60, 0},
      {240, 2.5, 1.0},
      {300, -1.2, 1.5},
      {180, 3.5, 1.0},
      {360, -1.5, 1.5},
      {120, 1.0, 1.2},
      {300, -0.8, 1.5},
      {90, 0, 1.5}}},
    {"circling in strong thermals",
     {{60, 0}, {300, 3.0, 1.2, 1.0, 20}, {200, -1.5, 1.5}, {400, 4.0, 1.0, 1.5, 22}, {240, -2.0, 1.5}, {60, 0, 1.5}}},
};

// A winch launch to 8 m/s, the release, and soaring after it.
const TruthCase kWinchLaunches[] = {
    {"a winch launch and a long glide",
     {{30, 0}, {45, 8.0, 2}, {20, 0.5, 1.5}, {900, -0.9}, {120, 0.4, 4, 0.3, 60}, {400, -1.1}, {60, 0}}},
    {"a winch launch into a thermal",
     {{20, 0}, {40, 7.0, 1.5}, {15, -0.5, 1.5}, {600, 1.8, 4, 0.5, 25}, {500, -1.0}, {40, 0}}},
};

// A rocket: a boost to 110 m/s in 2 s, coasting to the top at 715 m, a drogue at -25 m/s down to
// 400 m, a main chute at -6 m/s.
const TruthCase kRocket[] = {
    {"a rocket", {{5, 0}, {2, 110, 2}, {11, 0, 11}, {13, -25, 2}, {66, -6, 2}, {10, 0, 1}}, 6.0},
};

// Every flight at rates of 0.1 s to 2 s, with the default settings, under three draws of the
// sensor's noise: the smoothed altitude is nearer the truth than the readings (at most 0.7 times
// their rms error, 0.9 times at 2 s a sample, where a change within a second falls between two
// samples), never further off than the flight's largest error, and without lag where the climb
// rate is steady (the mean error there, over the draws, within 15 cm: a rocket's chute holds a
// few samples at 2 s, whose mean error in one draw spreads by as much). Returns the sum of the
// ratios and their count.
std::pair<double, int> ExpectTruthTargets(const TruthCase* begin, const TruthCase* end,
                                          std::optional<double> modelSigma = std::nullopt)
{
    const bool print = std::getenv("NIVRA_PRINT_TRUTH") != nullptr;
    double ratioSum = 0;
    int count = 0;
    for (const TruthCase* flight = begin; flight != end; ++flight) {
        for (uint32_t rate : kRates) {
            const TrueFlight truth = Fly(flight->legs, rate, 600.0);
            double flightRatio = 0, largest = 0, bias = 0;
            ModelSigmaFound found;
            for (uint32_t draw = 0; draw < 3; ++draw) {
                const Errors e = Measure(truth, rate, modelSigma, 7 + rate + 100 * draw);
                const double ratio = e.rmsSmoothed / e.rmsRaw;
                EXPECT_LE(e.maxSmoothed, flight->largestError)
                    << flight->what << " at rate " << rate << ", draw " << draw;
                flightRatio += ratio / 3;
                largest = std::max(largest, e.maxSmoothed);
                bias += e.steadyMean / 3;
                if (draw == 0)
                    found = e.found;
            }
            EXPECT_LE(flightRatio, rate == 20 ? 0.9 : 0.7) << flight->what << " at rate " << rate;
            EXPECT_NEAR(bias, 0.0, 0.15) << flight->what << " at rate " << rate;
            if (print)
                std::printf("| %s | %.1f s | %.2f | %.2f m | %+.3f m | %g (%g to %g) |\n", flight->what, rate / 10.0,
                            flightRatio, largest, bias, found.mostOf, found.lowest, found.highest);
            ratioSum += flightRatio;
            ++count;
        }
    }
    return {ratioSum, count};
}

template <size_t N>
std::pair<double, int> ExpectTruthTargets(const TruthCase (&flights)[N],
                                          std::optional<double> modelSigma = std::nullopt)
{
    return ExpectTruthTargets(flights, flights + N, modelSigma);
}

}  // namespace

TEST(KalmanFilter, FoundSigmaMeetsTheTruthOnEveryKindOfFlight)
{
    double sum = 0;
    int count = 0;
    for (const auto& [s, c] : {ExpectTruthTargets(kSoaring), ExpectTruthTargets(kSharpThermalling),
                               ExpectTruthTargets(kWinchLaunches), ExpectTruthTargets(kRocket)}) {
        sum += s;
        count += c;
    }
    if (std::getenv("NIVRA_PRINT_TRUTH"))
        std::printf("mean ratio %.3f\n", sum / count);
    EXPECT_LE(sum / count, 0.5);
}

TEST(KalmanFilter, AGivenModelSigmaSmoothsGentleSoaring)
{
    // "Sigma.Auto" off: the stored model sigma (0.01 by default) suits climb rates that change
    // over 6 to 8 s.
    const TruthCase gentle[] = {
        {"gentle climbs and glides",
         {{60, 0}, {600, 1.2, 6}, {600, -1.0, 6}, {400, 2.0, 6}, {600, -0.9, 6}, {300, 0.8, 6}, {90, 0, 6}}},
        {"gentle thermals", {{60, 0}, {400, 1.5, 8, 0.5, 80}, {300, -1.0, 6}, {500, 2.0, 8, 0.6, 100}, {60, 0, 6}}},
    };
    const auto [sum, count] = ExpectTruthTargets(gentle, 0.01);
    EXPECT_LE(sum / count, 0.5);
}
