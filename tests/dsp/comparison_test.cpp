#include <gtest/gtest.h>

#include <algorithm>

#include "dsp/comparison.h"

namespace {

// A flight sampled every dt seconds: on the ground at ground metres until takeoff, a climb of
// rate m/s to its top, then a glide back down at 1 m/s.
ComparedFlight Flight(double dt, double ground, double takeoff, double rate, double top)
{
    ComparedFlight f;
    f.interval = dt;
    const double climbEnd = takeoff + (top - ground) / rate;
    for (int i = 0;; ++i) {
        const double t = i * dt;
        const double a = t < takeoff ? ground : t <= climbEnd ? ground + rate * (t - takeoff) : top - (t - climbEnd);
        f.altitude.push_back(std::max(a, ground));
        if (t > climbEnd && a <= ground) {
            f.flights.push_back({takeoff, t});
            break;
        }
    }
    f.vario.assign(f.altitude.size(), 0.0);
    return f;
}

}  // namespace

TEST(Comparison, AlignmentPointsForEachMode)
{
    // One flight a sample a second, one at two a second, launched at different times of their
    // logs and of the day.
    std::vector<ComparedFlight> all{Flight(1.0, 100, 30, 2, 500), Flight(0.5, 800, 12.5, 4, 1400)};
    all[0].flownAtUnixMs = 1796032800000;            // 10:00:00 UTC
    all[1].flownAtUnixMs = 1795950000000 + 5400000;  // 11:00 on the day before, plus 1.5 h: 12:30
    const struct {
        Alignment alignment;
        double first, second;  // the time in each log put at 0
    } cases[] = {
        {Alignment::Takeoff, 30, 12.5},
        {Alignment::LogStart, 0, 0},
        // The top is reached after (500 - 100) / 2 s and (1400 - 800) / 4 s of climbing.
        {Alignment::HighestPoint, 30 + 200, 12.5 + 150},
        // By the time of day: the later one starts 2.5 h after the earlier, whatever the day.
        {Alignment::ClockTime, 0, -9000},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(AlignmentPoint(all[0], c.alignment, all), c.first) << static_cast<int>(c.alignment);
        EXPECT_DOUBLE_EQ(AlignmentPoint(all[1], c.alignment, all), c.second) << static_cast<int>(c.alignment);
    }
    // A flight without a takeoff found lines up by its start.
    ComparedFlight ground;
    ground.altitude.assign(100, 5.0);
    EXPECT_EQ(AlignmentPoint(ground, Alignment::Takeoff, all), 0.0);

    EXPECT_TRUE(AlignmentOffered(all, Alignment::ClockTime));
    all.push_back(ground);
    EXPECT_FALSE(AlignmentOffered(all, Alignment::ClockTime));  // one without a time flown
    EXPECT_TRUE(AlignmentOffered(all, Alignment::Takeoff));
    EXPECT_EQ(AlignmentNamed("peak"), Alignment::HighestPoint);
    EXPECT_EQ(AlignmentNamed("Peak"), std::nullopt);
}

TEST(Comparison, CurvesHeightsAndOffsets)
{
    std::vector<ComparedFlight> all{Flight(1.0, 100, 30, 2, 500), Flight(0.5, 800, 12.5, 4, 1400)};
    EXPECT_FALSE(SeaLevelOffered(all));
    all[0].startElevation = 1200;
    all[1].startElevation = 450;
    EXPECT_TRUE(SeaLevelOffered(all));
    all[1].offset = 7.5;  // the pilot's own shift
    const AlignedCurves a = Align(all[0], Alignment::Takeoff, HeightReference::AboveTakeoff, all);
    const AlignedCurves b = Align(all[1], Alignment::Takeoff, HeightReference::AboveTakeoff, all);
    EXPECT_EQ(std::pair(a.firstTime, a.interval), std::pair(-30.0, 1.0));
    EXPECT_EQ(std::pair(b.firstTime, b.interval), std::pair(-12.5 + 7.5, 0.5));
    // Above takeoff both start at 0 and reach their climbs' heights.
    EXPECT_EQ(a.height.front(), 0.0);
    EXPECT_EQ(*std::max_element(a.height.begin(), a.height.end()), 400.0);
    EXPECT_EQ(*std::max_element(b.height.begin(), b.height.end()), 600.0);
    // Above sea level: the start elevation added to the heights above the start.
    const AlignedCurves sea = Align(all[1], Alignment::Takeoff, HeightReference::AboveSeaLevel, all);
    EXPECT_EQ(sea.height.front(), 800.0 + 450.0);

    const ComparedNumbers n = CompareNumbers(all[1], Alignment::Takeoff, HeightReference::AboveTakeoff, all);
    EXPECT_EQ(n.highest, 600.0);
    EXPECT_EQ(n.airtime, all[1].flights.front().Airtime());
    // A selection of the common axis, from 0 to 10 s after the aligned takeoff: the second flight
    // is shifted 7.5 s later, so it climbs for 2.5 s of it at 4 m/s.
    const ComparedNumbers s =
        CompareNumbers(all[1], Alignment::Takeoff, HeightReference::AboveTakeoff, all, std::pair(0.0, 10.0));
    ASSERT_TRUE(s.selectionGain && s.selectionAverageVario);
    EXPECT_DOUBLE_EQ(*s.selectionGain, 10.0);
    EXPECT_DOUBLE_EQ(*s.selectionAverageVario, 1.0);
    // A selection wholly before a flight's log says nothing of it.
    EXPECT_FALSE(
        CompareNumbers(all[1], Alignment::Takeoff, HeightReference::AboveTakeoff, all, std::pair(-500.0, -400.0))
            .selectionGain);
}
