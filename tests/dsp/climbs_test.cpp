#include <gtest/gtest.h>

#include "app/settings.h"
#include "dsp/climbs.h"
#include "dsp/log_series.h"
#include "test_support.h"

namespace {

// An altitude that is the running sum of the vario times dt, so that gains are easy to read.
std::vector<double> AltitudeOf(const std::vector<double>& vario, double dt, size_t extra = 0)
{
    std::vector<double> a{0.0};
    for (double v : vario)
        a.push_back(a.back() + v * dt);
    a.resize(a.size() + extra, a.back());
    return a;
}

}  // namespace

TEST(Climbs, RunsPausesAndLengths)
{
    const struct {
        const char* what;
        std::vector<double> vario;
        double dt;
        ClimbRules rules;
        std::vector<std::pair<size_t, size_t>> climbs;  // first and last vario sample
    } cases[] = {
        {"no climb at all", {0, 0.4, -1, 0.49}, 1, {0.5, 1, 1}, {}},
        {"runs at the first and the last index", {1, 1, 0, 0, 0, 0, 2, 2}, 1, {0.5, 2, 1}, {{0, 1}, {6, 7}}},
        {"a pause of exactly the gap joins", {1, 1, 0, 0, 1, 1}, 1, {0.5, 1, 2}, {{0, 5}}},
        {"a pause one sample longer does not", {1, 1, 0, 0, 0, 1, 1}, 1, {0.5, 1, 2}, {{0, 1}, {5, 6}}},
        {"pauses count in seconds", {1, 0, 0, 1}, 0.5, {0.5, 1, 1}, {{0, 3}}},
        {"a climb of exactly the shortest length is kept", {0, 1, 1, 1, 1, 0}, 5, {0.5, 20, 1}, {{1, 4}}},
        {"one sample shorter is dropped", {0, 1, 1, 1, 0}, 5, {0.5, 20, 1}, {}},
        {"joined runs count as one length", {1, 0, 1, 0, 1}, 1, {0.5, 5, 1}, {{0, 4}}},
        {"at the threshold counts", {0.5, 0.5, 0.49}, 1, {0.5, 1, 0}, {{0, 1}}},
        {"a threshold of 0 takes level flight", {0, 0, -0.1, 0}, 1, {0, 1, 0}, {{0, 1}, {3, 3}}},
        {"a negative threshold takes a slow sink", {-0.5, -2, -0.5}, 1, {-1, 1, 0}, {{0, 0}, {2, 2}}},
    };
    for (const auto& c : cases) {
        const ClimbAnalysis a = FindClimbs(AltitudeOf(c.vario, c.dt), c.vario, c.dt, c.rules);
        std::vector<std::pair<size_t, size_t>> found;
        for (const Climb& climb : a.climbs)
            found.emplace_back(climb.first, climb.last);
        EXPECT_EQ(found, c.climbs) << c.what;
        EXPECT_EQ(a.best < 0, c.climbs.empty()) << c.what;
    }
}

TEST(Climbs, NumbersOfEachClimbAndTheTotals)
{
    // dt 0.5 s; vario samples 1..4 climb (1, 2, 3, 2 m/s), 8..9 climb (1, 1 m/s).
    const std::vector<double> vario = {0, 1, 2, 3, 2, 0, 0, 0, 1, 1, 0};
    const std::vector<double> altitude = AltitudeOf(vario, 0.5);
    const ClimbAnalysis a = FindClimbs(altitude, vario, 0.5, {0.5, 1.0, 1.0});
    ASSERT_EQ(a.climbs.size(), 2u);
    const Climb& first = a.climbs[0];
    // Start, end, duration, gain (altitude[5] - altitude[1]: after the last vario sample), average and max.
    EXPECT_EQ((std::vector{first.start, first.end, first.duration, first.gain, first.average, first.max}),
              (std::vector{0.5, 2.5, 2.0, 4.0, 2.0, 3.0}));
    // The second's start and gain, then the time climbing and the height gained in all.
    EXPECT_EQ((std::vector{a.climbs[1].start, a.climbs[1].gain, a.timeClimbing, a.heightGained}),
              (std::vector{4.0, 1.0, 3.0, 5.0}));
    EXPECT_DOUBLE_EQ(a.share, 3.0 / (11 * 0.5) * 100);  // 12 altitude samples span 11 periods
    EXPECT_EQ(a.best, 0);

    // A climb to the log's end: it ends with the last altitude sample, and the share is whole.
    const struct {
        std::vector<double> vario;  // as long as the altitude, its last difference repeated
        double end, share;
    } toTheEnd[] = {{{1, 1, 1}, 2.0, 100.0}, {{0, 1, 1, 1, 1}, 4.0, 75.0}};
    for (const auto& c : toTheEnd) {
        std::vector<double> heights = AltitudeOf(c.vario, 1);
        heights.pop_back();  // as many altitude samples as vario ones
        const ClimbAnalysis all = FindClimbs(heights, c.vario, 1, {0.5, 1, 1});
        ASSERT_EQ(all.climbs.size(), 1u);
        EXPECT_EQ(std::tuple(all.climbs[0].end, all.climbs[0].duration, all.share),
                  std::tuple(c.end, c.end - all.climbs[0].start, c.share));
    }

    // The strongest sample the last of its climb.
    const std::vector<double> rising = {0, 1, 2, 3, 0};
    EXPECT_EQ(FindClimbs(AltitudeOf(rising, 1), rising, 1, {0.5, 1, 1}).climbs.at(0).max, 3.0);

    // Equal averages: the first is the best.
    const std::vector<double> twice = {1, 1, 0, 0, 0, 1, 1};
    EXPECT_EQ(FindClimbs(AltitudeOf(twice, 1), twice, 1, {0.5, 1, 1}).best, 0);
}

TEST(Climbs, TheMediansShorterVarioAndTheUnits)
{
    // After the median filter the vario is two samples shorter: a climb to its last sample
    // gains up to the altitude's last sample, not past it.
    const std::vector<double> vario = {0, 0, 2, 2};
    const std::vector<double> altitude = {0, 0, 0, 4, 8, 9};
    const ClimbAnalysis a = FindClimbs(altitude, vario, 1, {0.5, 1, 1});
    ASSERT_EQ(a.climbs.size(), 1u);
    EXPECT_EQ(a.climbs[0].gain, altitude[4] - altitude[2]);

    // The series are metres whatever the units shown, and so is the threshold (0.5 m/s): feet
    // change nothing of what is found.
    const std::vector<double> metresPerSecond = {0.49, 0.49, 0, 0.5, 0.5};
    LogSeries series;
    series.series = {SeriesOf("Alt", AltitudeOf(metresPerSecond, 1.0), 1.0), SeriesOf("Vario", metresPerSecond, 1.0)};
    series.units = {3.28, "ft"};
    for (const UnitSystem units : {UnitSystem::Metric, UnitSystem::Imperial}) {
        Settings settings;
        settings.units = units;
        settings.climbMinDuration = 1;
        settings.climbMaxGap = 0;
        const ClimbAnalysis found = ClimbsOf(series, settings);
        ASSERT_EQ(found.climbs.size(), 1u);
        EXPECT_EQ(found.climbs[0].first, 3u);
        EXPECT_DOUBLE_EQ(found.climbs[0].average, 0.5);
    }
}
