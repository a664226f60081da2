#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "dsp/airtime.h"
#include "test_support.h"

namespace {

// Altitudes every dt seconds: on the ground, level with sensor noise, while the climb rate
// function gives 0; else flying at the rate it gives.
std::vector<double> Track(double seconds, double dt, double (*rate)(double))
{
    std::mt19937 random(5);
    std::normal_distribution<double> noise(0.0, 0.44);
    std::vector<double> out;
    double h = 100;
    for (double t = 0; t < seconds; t += dt) {
        out.push_back(h + noise(random));
        h += rate(t) * dt;
    }
    return out;
}

}  // namespace

TEST(Airtime, FlightsAtTheEdgesOfTheLog)
{
    // Gliding from the first sample on: the logger was switched on in the air.
    const auto startsFlying = FindFlights(Track(400, 0.5, [](double t) { return t < 200 ? -1.5 : 0.0; }), 0.5);
    ASSERT_EQ(startsFlying.size(), 1U);
    EXPECT_EQ(startsFlying[0].takeoff, 0.0);
    EXPECT_NEAR(startsFlying[0].landing, 200, 3);
    // Still gliding at the last sample: switched off (or the memory full) in the air.
    const auto endsFlying = FindFlights(Track(400, 0.5, [](double t) { return t < 200 ? 0.0 : -1.5; }), 0.5);
    ASSERT_EQ(endsFlying.size(), 1U);
    EXPECT_NEAR(endsFlying[0].takeoff, 200, 3);
    EXPECT_EQ(endsFlying[0].landing, 399.5);
}

TEST(Airtime, NoFlightsInWhatCannotHoldOne)
{
    const struct {
        const char* what;
        std::vector<double> altitude;
        double dt;
    } cases[] = {
        {"no samples", {}, 1.0},
        {"three samples", {0, 50, 0}, 1.0},
        {"a level log", std::vector<double>(10000, 12.0), 0.1},
        {"a sample that is no number",
         [] {
             auto a = Track(600, 1, [](double t) { return t > 100 && t < 400 ? -1.5 : 0.0; });
             a[300] = NAN;
             return a;
         }(),
         1.0},
        {"an interval of 0", Track(600, 1, [](double t) { return t > 100 && t < 400 ? -1.5 : 0.0; }), 0.0},
        {"an interval that is no number", Track(600, 1, [](double) { return -1.5; }), NAN},
        // A step of 3 m in a second (the logger put on a table): no motion of the air.
        {"a step",
         [] {
             std::vector<double> a(3000, 0.0);
             std::fill(a.begin() + 1500, a.end(), 3.0);
             return a;
         }(),
         1.0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FlightSpansText(FindFlights(c.altitude, c.dt)), "") << c.what;
}

TEST(Airtime, TotalAndText)
{
    const std::vector<FlightSpan> flights = {{12.5, 3605.0}, {3700.25, 3745.75}};
    EXPECT_DOUBLE_EQ(TotalAirtime(flights), 3592.5 + 45.5);
    EXPECT_EQ(FlightSpansText(flights), "12.5 3605.0;3700.2 3745.8");
    EXPECT_EQ(FlightSpansText({}), "");
}

TEST(Airtime, CorrectedMarksReadBack)
{
    const struct {
        const char* text;
        std::optional<std::vector<FlightSpan>> flights;
    } cases[] = {
        {"", std::vector<FlightSpan>{}},
        {"12.5 3605.0", std::vector<FlightSpan>{{12.5, 3605.0}}},
        {"0 10;10 20", std::vector<FlightSpan>{{0, 10}, {10, 20}}},
        {"12.5 3605.0;", std::nullopt},  // a trailing separator
        {";12.5 3605.0", std::nullopt},
        {"12.5", std::nullopt},  // a takeoff without its landing
        {"12.5  3605", std::nullopt},
        {"20 10", std::nullopt},  // a landing before its takeoff
        {"10 10", std::nullopt},
        {"-1 10", std::nullopt},
        {"0 20;10 30", std::nullopt},  // overlapping flights
        {"0 inf", std::nullopt},
        {"nan 10", std::nullopt},
        {"0 10 ", std::nullopt},
        {"0 1e400", std::nullopt},
    };
    for (const auto& c : cases) {
        const auto read = FlightSpansFromText(c.text);
        EXPECT_EQ(read.has_value(), c.flights.has_value()) << c.text;
        if (read && c.flights) {
            EXPECT_EQ(*read, *c.flights) << c.text;
        }
    }
}

TEST(Airtime, FlightsOfADecodedLog)
{
    // A log whose formula gives no number cannot be analysed; one that decodes is.
    const Configuration config = BuiltInConfig();
    std::vector<unsigned> words(700, 56000);
    for (size_t i = 200; i < 500; ++i)
        words[i] = 56000 + static_cast<unsigned>(i - 200) * 6;  // sinking about 0.9 m a second
    for (size_t i = 500; i < words.size(); ++i)
        words[i] = 57800;
    const auto flights = FlightsOf(LogOf(config, 59, 10, Words(words)));
    ASSERT_TRUE(flights);
    ASSERT_EQ(flights->size(), 1U);
    EXPECT_NEAR((*flights)[0].takeoff, 200, 2);
    EXPECT_NEAR((*flights)[0].landing, 500, 2);

    CBrixoLog noDevice;
    noDevice.m_rate = 10;
    EXPECT_FALSE(FlightsOf(noDevice));
}
