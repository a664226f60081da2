// The altitude smoother against flights whose true altitude is known: raw
// readings of the built-in formula, quantised after Gaussian sensor noise, decoded
// as a download would be, then smoothed and compared with the truth.
#include <gtest/gtest.h>

#include <cmath>
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
};

// Decodes noisy readings of the flight, smooths them and measures both against the truth.
Errors Measure(const TrueFlight& flight, uint32_t rate, double modelSigma, uint32_t seed)
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
    KalmanFilter(smoothed, log.SamplePeriod(), 0.44, modelSigma);

    // The series starts at 0 at the first reading: the truth is measured from the same point.
    const double base = 40000 * (1 - std::pow(words[0] * 0.018 / 1013.25, 1 / 5.255));
    Errors e;
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
    double modelSigma;
};

// Every flight at rates of 0.1 s to 2 s: the smoothed altitude is nearer the truth
// than the readings (at most 0.7 times their rms error on every flight, at most 0.5
// times on average), never more than 3 m off, and without lag where the climb rate
// is steady (the mean error there within 15 cm).
void ExpectTruthTargets(const std::vector<TruthCase>& flights)
{
    double ratioSum = 0;
    int count = 0;
    for (const TruthCase& flight : flights) {
        for (uint32_t rate : {1u, 2u, 5u, 10u, 20u}) {
            const TrueFlight truth = Fly(flight.legs, rate, 600.0);
            const Errors e = Measure(truth, rate, flight.modelSigma, 7 + rate);
            const double ratio = e.rmsSmoothed / e.rmsRaw;
            EXPECT_LE(ratio, 0.7) << flight.what << " at rate " << rate << ": rms " << e.rmsSmoothed << " m";
            EXPECT_LE(e.maxSmoothed, 3.0) << flight.what << " at rate " << rate;
            EXPECT_NEAR(e.steadyMean, 0.0, 0.15) << flight.what << " at rate " << rate;
            ratioSum += ratio;
            ++count;
        }
    }
    EXPECT_LE(ratioSum / count, 0.5);
}

}  // namespace

TEST(KalmanFilter, SoaringFlightsWithKnownTruth)
{
    // Climb rates change over 6 to 8 s, as a glider or paraglider enters and leaves its climbs.
    const std::vector<Leg> glides = {{60, 0},        {600, 1.2, 6}, {600, -1.0, 6}, {400, 2.0, 6},
                                     {600, -0.9, 6}, {300, 0.8, 6}, {300, -1.1, 6}, {90, 0, 6}};
    const std::vector<Leg> thermals = {{60, 0},        {400, 1.5, 8, 0.5, 80}, {300, -1.0, 6}, {500, 2.0, 8, 0.6, 100},
                                       {400, -0.8, 6}, {300, 1.0, 8, 0.4, 60}, {60, 0, 6}};
    ExpectTruthTargets({
        {"climbs and glides", glides, 0.01},
        {"thermals", thermals, 0.01},
        {"ridge soaring", {{60, 0}, {1200, 0.3, 6, 0.5, 120}, {600, -0.6, 6}, {800, 0.5, 6}, {60, 0, 6}}, 0.01},
    });
}

TEST(KalmanFilter, SharpTransitionsWithALargerModelSigma)
{
    // Climb rates that change by 3 to 8 m/s within 4 s outrun the default model (3 to 8 m off
    // from 0.5 s a sample, a winch launch at every rate); a model sigma of 0.1 follows them.
    ExpectTruthTargets({
        {"sharp climbs and glides",
         {{60, 0}, {240, 2.0}, {300, -1.0}, {180, 3.0}, {360, -1.5}, {120, 1.0}, {300, -0.8}, {90, 0}},
         0.1},
        {"a winch launch and a long glide",
         {{30, 0}, {45, 8.0}, {20, 0.5}, {900, -0.9}, {120, 0.4, 4, 0.3, 60}, {400, -1.1}, {60, 0}},
         0.1},
    });
}

TEST(KalmanFilter, RocketFlightWithKnownTruth)
{
    // A boost to 100 m/s in 2 s, coasting to the top, then a drogue at -25 m/s and a main chute at -6 m/s.
    const std::vector<Leg> legs = {{5, 0}, {6, 100, 2}, {10, 0, 9}, {30, -25, 2}, {45, -6, 2}, {10, 0, 1}};
    for (uint32_t rate : {1u, 5u}) {
        const Errors e = Measure(Fly(legs, rate, 100.0), rate, 1.0, 3);
        EXPECT_LE(e.maxSmoothed, 10.0) << "rate " << rate;
    }
}
