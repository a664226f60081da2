// Takeoffs and landings against logs whose truth is known: the kinds of day a pilot logs
// (hill launches, winch launches, ridge soaring with a top landing, training hops, hike and
// fly, a rocket, a logger left on in a bag, the air pressure drifting), built phase by
// phase, turned into raw readings of the built-in formula after 0.44 m of Gaussian noise,
// decoded as a download is, at rates of 0.1 s to 2 s.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <random>

#include "dsp/airtime.h"
#include "dsp/decoder.h"
#include "portable_random.h"
#include "test_support.h"

namespace {

constexpr double kStep = 0.01;  // s: the truth is integrated in these steps
constexpr uint32_t kSeeds = 8;  // days of each kind

// The true altitude of a log, built phase by phase, and its true flights.
class DayBuilder {
public:
    DayBuilder(uint32_t seed, double start) : m_random(seed), m_altitude(start)
    {
        // The air pressure drifts by up to 4 m an hour either way.
        m_drift = Uniform(-4.0, 4.0) / 3600.0;
    }

    double Uniform(double low, double high) { return UniformBetween(m_random, low, high); }
    double Altitude() const { return m_altitude; }

    // Standing and walking about: now and then a few steps to another place within
    // `wander` metres of the level the phase starts at.
    void Ground(double seconds, double wander)
    {
        const double level = m_altitude;
        double target = level, nextMove = Uniform(5, 40);
        Phase(seconds, false, [&](double u, double h) {
            if (u >= nextMove) {
                target = level + Uniform(-wander, wander);
                nextMove = u + Uniform(10, 60);
            }
            const double way = target - h;
            return std::fabs(way) < 0.02 ? 0.0 : std::copysign(std::min(0.3, std::fabs(way)), way);
        });
    }
    // Walking up (or down) by `height` metres at a steady pace, with a rest of a minute
    // every ten minutes and the pace changing by a fifth.
    void Walk(double seconds, double height)
    {
        const double moving = seconds - 60.0 * std::floor(seconds / 600.0);
        const double pace = height / moving;
        Phase(seconds, false, [&](double u, double) {
            if (std::fmod(u, 600.0) >= 540.0 && u < seconds - 60)
                return 0.0;
            return pace * (1.0 + 0.2 * std::sin(2 * M_PI * u / 240.0));
        });
    }
    // Flying: the climb rate goes from the one before to `vario` over `ramp` seconds,
    // circling swings it by `swing` over `period`, and the air adds turbulence.
    void Fly(double seconds, double vario, double ramp = 3.0, double swing = 0.0, double period = 25.0,
             double turbulence = 0.3)
    {
        const double from = m_vario;
        Phase(seconds, true, [&](double u, double) {
            const double x = std::min(u / ramp, 1.0);
            const double blend = x * x * (3 - 2 * x);
            return from + (vario - from) * blend + swing * std::sin(2 * M_PI * u / period) * blend +
                   Turbulence(turbulence, 4.0);
        });
    }
    // Ridge soaring: beats along the ridge, the glider sinking in each turn at their ends
    // and climbing back in the lift, the air throwing it about, no steady climb or sink; its
    // height held around `level`.
    void Ridge(double seconds, double level, double turbulence)
    {
        double nextTurn = Uniform(40, 120);
        Phase(seconds, true, [&](double u, double h) {
            if (u > nextTurn + 8)
                nextTurn = u + Uniform(40, 120);
            const double turn = u > nextTurn ? -1.5 * std::sin(M_PI * (u - nextTurn) / 8) : 0.0;
            return 0.01 * (level - h) + turn + Turbulence(turbulence, 5.0);
        });
    }
    // Flying down to `level` at `sink` m/s, the last ten metres out of the gusts, then a
    // flare of the last metre to touch-down.
    void ApproachTo(double level, double sink = 1.2)
    {
        if (m_altitude < level + 2)  // climbing in the lift first, to come in from above
            Fly((level + 10 - m_altitude) / 1.0, 1.0, 2.0, 0.0, 25.0, 0.3);
        if (m_altitude > level + 10)
            Fly((m_altitude - level - 10) / sink, -sink, 2.0, 0.0, 25.0, 0.3);
        if (m_altitude > level + 1)
            Fly((m_altitude - level - 1) / sink, -sink, 1.0, 0.0, 25.0, 0.0);
        const double flare = 2 * std::max(m_altitude - level, 0.0) / sink;
        Phase(flare, true, [&](double u, double) { return -sink * (1 - u / flare); });
    }
    // Sinking at `vario` until the level is reached.
    void DescendTo(double level, double vario)
    {
        const double seconds = (level - m_altitude) / vario;
        Fly(seconds, vario, 2.0, 0.0, 25.0, 0.5);
    }

    std::vector<double> m_truth;        // metres above sea level every kStep
    std::vector<FlightSpan> m_flights;  // the true takeoffs and landings

private:
    // Correlated vertical gusts: an Ornstein-Uhlenbeck process of this deviation and time.
    double Turbulence(double sigma, double tau)
    {
        if (sigma <= 0)
            return 0.0;
        const double a = std::exp(-kStep / tau);
        m_gust = a * m_gust + sigma * std::sqrt(1 - a * a) * m_normal(m_random);
        return m_gust;
    }
    void Phase(double seconds, bool flying, const std::function<double(double, double)>& vario)
    {
        const double now = static_cast<double>(m_truth.size()) * kStep;
        if (flying && !m_flying)
            m_flights.push_back({now, now});
        if (!flying && m_flying)
            m_flights.back().landing = now;
        m_flying = flying;
        const auto steps = static_cast<int64_t>(std::llround(seconds / kStep));
        for (int64_t k = 0; k < steps; ++k) {
            const double t = static_cast<double>(m_truth.size()) * kStep;
            m_truth.push_back(m_altitude + m_drift * t);
            m_vario = vario(static_cast<double>(k) * kStep, m_altitude);
            m_altitude += m_vario * kStep;
        }
        if (!flying)
            m_vario = 0;
    }

    std::mt19937 m_random;
    NormalNoise m_normal{1.0};
    double m_altitude;
    double m_drift = 0;
    double m_vario = 0;
    double m_gust = 0;
    bool m_flying = false;
};

// The days: each builds a log from a seed.
struct Day {
    const char* kind;
    std::function<void(DayBuilder&)> build;
};

const std::vector<Day>& Days()
{
    static const std::vector<Day> days = {
        {"hill launch",
         [](DayBuilder& d) {
             d.Ground(d.Uniform(300, 600), 1.0);
             d.Fly(d.Uniform(200, 400), -1.2, 2.0, 0, 25, 0.4);
             d.Fly(d.Uniform(300, 600), 2.0, 8.0, 1.2, 22, 0.4);
             d.Fly(d.Uniform(300, 600), -1.3, 6.0, 0, 25, 0.3);
             d.Fly(d.Uniform(200, 400), 1.5, 8.0, 1.0, 25, 0.4);
             d.Fly(d.Uniform(400, 700), -1.2, 6.0, 0, 25, 0.3);
             d.ApproachTo(d.Altitude() - d.Uniform(30, 80));
             d.Ground(d.Uniform(120, 400), 1.0);
         }},
        {"winch launch",
         [](DayBuilder& d) {
             d.Ground(d.Uniform(120, 300), 1.0);
             const double field = d.Altitude();
             d.Fly(40, 8.0, 3.0, 0, 25, 0.3);
             d.Fly(d.Uniform(200, 500), -0.8, 5.0, 0, 25, 0.3);
             d.Fly(d.Uniform(300, 600), 1.5, 8.0, 1.0, 25, 0.4);
             d.Fly(d.Uniform(300, 500), -0.9, 6.0, 0, 25, 0.3);
             d.ApproachTo(field, 0.9);
             d.Ground(d.Uniform(120, 300), 1.0);
         }},
        {"aerotow",
         [](DayBuilder& d) {
             d.Ground(d.Uniform(200, 400), 1.0);
             const double field = d.Altitude();
             d.Fly(d.Uniform(300, 500), 3.0, 4.0, 0, 25, 0.3);
             d.Fly(d.Uniform(600, 1200), -0.7, 5.0, 0, 25, 0.3);
             d.ApproachTo(field, 0.8);
             d.Ground(d.Uniform(120, 300), 1.0);
         }},
        {"ridge soaring, top landing",
         [](DayBuilder& d) {
             d.Ground(d.Uniform(300, 600), 1.0);
             const double launch = d.Altitude();
             d.Fly(20, 1.0, 3.0, 0, 25, 0.4);
             d.Ridge(d.Uniform(3000, 3600), launch + d.Uniform(10, 40), d.Uniform(0.4, 0.7));
             d.ApproachTo(launch);
             d.Ground(d.Uniform(200, 400), 1.0);
         }},
        {"training hops",
         [](DayBuilder& d) {
             d.Ground(d.Uniform(120, 240), 1.0);
             for (int hop = 0; hop < 4; ++hop) {
                 const double top = d.Altitude();
                 d.Fly(d.Uniform(20, 45), d.Uniform(-2.0, -1.3), 2.0, 0, 25, 0.3);
                 d.ApproachTo(d.Altitude() - 3, 1.5);
                 d.Ground(d.Uniform(30, 90), 0.5);
                 d.Walk(d.Uniform(300, 600), top - d.Altitude());
                 d.Ground(d.Uniform(40, 120), 1.0);
             }
         }},
        {"hike and fly",
         [](DayBuilder& d) {
             d.Ground(d.Uniform(60, 180), 1.0);
             const double valley = d.Altitude();
             d.Walk(1800, 1800 * d.Uniform(0.1, 0.25));
             d.Ground(d.Uniform(200, 500), 1.0);
             d.Fly(d.Uniform(300, 600), -1.2, 2.0, 0, 25, 0.4);
             d.Fly(d.Uniform(200, 400), 1.2, 8.0, 1.0, 25, 0.4);
             d.DescendTo(valley + d.Uniform(50, 150), -1.3);
             d.ApproachTo(d.Altitude() - 20);
             d.Ground(d.Uniform(200, 400), 1.0);
         }},
        {"rocket",
         [](DayBuilder& d) {
             d.Ground(d.Uniform(120, 300), 0.5);
             const double pad = d.Altitude();
             d.Fly(3, 100.0, 1.0, 0, 25, 0.0);
             d.Fly(10, 0.0, 9.0, 0, 25, 0.0);
             d.Fly(20, -25.0, 2.0, 0, 25, 1.0);
             d.DescendTo(pad + 3, -6.0);
             d.ApproachTo(pad - 2, 6.0);
             d.Ground(d.Uniform(200, 400), 1.0);
         }},
    };
    return days;
}

// Days without a flight.
const std::vector<Day>& GroundDays()
{
    static const std::vector<Day> days = {
        {"logger left on in a bag",
         [](DayBuilder& d) {
             d.Ground(d.Uniform(3000, 3600), 1.0);
         }},
        {"logger left on in a parked car, the weather changing",
         [](DayBuilder& d) {
             d.Ground(7200, 0.0);
         }},
        {"a hike up and down",
         [](DayBuilder& d) {
             d.Ground(120, 1.0);
             const double h = 1800 * d.Uniform(0.1, 0.25);
             d.Walk(1800, h);
             d.Ground(d.Uniform(200, 600), 1.5);
             d.Walk(1500, -h);
             d.Ground(120, 1.0);
         }},
    };
    return days;
}

uint16_t Reading(double metres)
{
    return static_cast<uint16_t>(std::lround(1013.25 / 0.018 * std::pow(1.0 - metres / 40000.0, 5.255)));
}

// The flights found in the day's log at this rate.
std::vector<FlightSpan> FlightsFound(const DayBuilder& day, uint32_t rate, uint32_t seed)
{
    std::mt19937 random(seed);
    NormalNoise noise(0.44);
    std::vector<unsigned> words;
    const size_t every = rate * 10;  // truth steps a sample
    for (size_t i = 0; i < day.m_truth.size(); i += every)
        words.push_back(Reading(day.m_truth[i] + noise(random)));
    words.push_back(words.back());  // the decoding leaves out the last record
    const Configuration config = BuiltInConfig();
    std::vector<double> altitude;
    EXPECT_TRUE(DecodeAltitude(LogOf(config, 59, rate, Words(words)), altitude));
    return FindFlights(altitude, rate * 0.1);
}

struct ErrorSums {
    double takeoffMax = 0, takeoffSum = 0, landingMax = 0, landingSum = 0;
    int count = 0;
};

}  // namespace

TEST(Airtime, FlightsOfKnownDays)
{
    std::map<std::string, ErrorSums> errors;
    for (const Day& kind : Days()) {
        for (uint32_t seed = 1; seed <= kSeeds; ++seed) {
            DayBuilder day(seed * 7919, 1200);
            kind.build(day);
            for (uint32_t rate : {1u, 2u, 5u, 10u, 20u}) {
                const std::vector<FlightSpan> found = FlightsFound(day, rate, seed + rate);
                const std::string where = std::string(kind.kind) + ", seed " + std::to_string(seed) + ", rate " +
                                          std::to_string(rate) + ": found " + FlightSpansText(found) + ", true " +
                                          FlightSpansText(day.m_flights);
                EXPECT_EQ(found.size(), day.m_flights.size()) << where;
                if (found.size() != day.m_flights.size())
                    continue;
                ErrorSums& e = errors[kind.kind];
                for (size_t i = 0; i < found.size(); ++i) {
                    const double takeoff = std::fabs(found[i].takeoff - day.m_flights[i].takeoff);
                    const double landing = std::fabs(found[i].landing - day.m_flights[i].landing);
                    EXPECT_LE(takeoff, 10.0) << where;
                    EXPECT_LE(landing, 20.0) << where;
                    e.takeoffMax = std::max(e.takeoffMax, takeoff);
                    e.landingMax = std::max(e.landingMax, landing);
                    e.takeoffSum += takeoff;
                    e.landingSum += landing;
                    ++e.count;
                }
            }
        }
    }
    for (const auto& [kind, e] : errors)
        std::printf("%-28s takeoff off by %5.1f s at most, %4.1f s on average; landing %5.1f s, %4.1f s\n",
                    kind.c_str(), e.takeoffMax, e.takeoffSum / e.count, e.landingMax, e.landingSum / e.count);
}

TEST(Airtime, NoFlightOnTheGround)
{
    for (const Day& kind : GroundDays()) {
        for (uint32_t seed = 1; seed <= kSeeds; ++seed) {
            DayBuilder day(seed * 104729, 600);
            kind.build(day);
            ASSERT_TRUE(day.m_flights.empty());
            for (uint32_t rate : {1u, 2u, 5u, 10u, 20u})
                EXPECT_EQ(FlightSpansText(FlightsFound(day, rate, seed + rate)), "")
                    << kind.kind << ", seed " << seed << ", rate " << rate;
        }
    }
}
