#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "dsp/airtime.h"
#include "portable_random.h"
#include "test_support.h"

namespace {

// Altitudes every dt seconds: on the ground, level with sensor noise, while the climb rate
// function gives 0; else flying at the rate it gives.
std::vector<double> Track(double seconds, double dt, double (*rate)(double))
{
    std::mt19937 random(5);
    NormalNoise noise(0.44);
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

    BrixoLog noDevice;
    noDevice.m_rate = 10;
    EXPECT_FALSE(FlightsOf(noDevice));
}

TEST(Airtime, ThePilotsCorrections)
{
    using Flights = std::vector<FlightSpan>;
    const Flights two = {{100, 200}, {300, 400}};
    const double end = 500;
    const struct {
        const char* what;
        Flights flights;
        Flights corrected;
    } cases[] = {
        {"takeoff in a flight", WithTakeoffAt(two, 150, end), {{150, 200}, {300, 400}}},
        {"takeoff before the first", WithTakeoffAt(two, 50, end), {{50, 200}, {300, 400}}},
        {"takeoff on the ground between", WithTakeoffAt(two, 250, end), {{100, 200}, {250, 400}}},
        {"takeoff at its landing", WithTakeoffAt(two, 199.5, end), {{199, 200}, {300, 400}}},
        {"takeoff after the last landing", WithTakeoffAt(two, 450, end), {{100, 200}, {300, 400}, {450, 500}}},
        {"takeoff too near the end", WithTakeoffAt(two, 499.5, end), two},
        {"takeoff without flights", WithTakeoffAt({}, 10, end), {{10, 500}}},
        {"takeoff before the log", WithTakeoffAt(two, -1, end), two},
        {"takeoff after the log", WithTakeoffAt(two, 600, end), two},
        {"takeoff at no number", WithTakeoffAt(two, NAN, end), two},
        {"landing in a flight", WithLandingAt(two, 150, end), {{100, 150}, {300, 400}}},
        {"landing on the ground between", WithLandingAt(two, 250, end), {{100, 250}, {300, 400}}},
        {"landing after the last", WithLandingAt(two, 450, end), {{100, 200}, {300, 450}}},
        {"landing before the first takeoff", WithLandingAt(two, 50, end), {{0, 50}, {100, 200}, {300, 400}}},
        {"landing at its takeoff", WithLandingAt(two, 100.5, end), {{100, 101}, {300, 400}}},
        {"landing too near the start", WithLandingAt({}, 0.5, end), {}},
        {"landing dragged into the next flight", WithMarkMoved(two, 1, 350, end), {{100, 300}, {300, 400}}},
        {"takeoff dragged into the flight before", WithMarkMoved(two, 2, 150, end), {{100, 200}, {200, 400}}},
        {"landing dragged past the end", WithMarkMoved(two, 3, 600, end), {{100, 200}, {300, 500}}},
        {"takeoff dragged before the start", WithMarkMoved(two, 0, -5, end), {{0, 200}, {300, 400}}},
        {"takeoff dragged past its landing", WithMarkMoved(two, 0, 250, end), {{199, 200}, {300, 400}}},
        {"a mark that is not there", WithMarkMoved(two, 4, 450, end), two},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FlightSpansText(c.flights), FlightSpansText(c.corrected)) << c.what;
}

TEST(Airtime, CorrectionsLieOnSamples)
{
    const struct {
        double dt;
        std::vector<FlightSpan> flights, onSamples;
    } cases[] = {
        {1.0, {{100.4, 200.6}}, {{100, 201}}},
        {0.5, {{100.3, 200.2}, {300.76, 301.1}}, {{100.5, 200}, {301, 301.5}}},  // a flight keeps a sample
        {2.0, {{0.9, 3.0}}, {{0, 4}}},
        {0.0, {{0.9, 3.0}}, {{0.9, 3.0}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FlightSpansText(OnSamples(c.flights, c.dt)), FlightSpansText(c.onSamples)) << c.dt;
}
