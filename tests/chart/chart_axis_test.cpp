#include <gtest/gtest.h>

#include <QDateTime>
#include <QTimeZone>

#include <cmath>

#include "chart/chart_axis.h"
#include "chart/chart_series.h"
#include "chart/min_max_pyramid.h"
#include "chart/palette.h"

TEST(ChartSeries, ReadingsToTheirStep)
{
    ChartSeries s("Alt", 0, 1, {0, 1});
    s.m_decimals = 2;  // the axis'
    const struct {
        double step;
        double value;
        const char* unit;
        const char* text;
    } cases[] = {
        {1, 1440.6, "m", "1441 m"},        {1, -0.4, "ft", "0 ft"},  // no "-0"
        {0.1, 2.36, "m/s", "2.4 m/s"},     {0.1, -0.04, "m/s", "0.0 m/s"},
        {0.1, -3.25, "kt", "-3.3 kt"},                                   // half way: away from zero
        {10, 487, "ft/min", "490 ft/min"}, {0, 12.345, "V", "12.35 V"},  // no step: the axis' decimals
        {1, std::nan(""), "m", "nan m"},
    };
    for (const auto& c : cases) {
        s.m_readStep = c.step;
        s.m_unit = c.unit;
        EXPECT_EQ(s.ReadingText(c.value, true), c.text) << c.step << " " << c.value;
    }
    s.m_readStep = 1;
    EXPECT_EQ(s.ReadingText(1440.6, false), "1441");
}

TEST(ValueAxis, RangeByScalingMode)
{
    const struct {
        ScalingMode mode;
        double dataMin, dataMax;
        double min, max;
    } cases[] = {
        {ScalingMode::Auto, 100.0, 100.0, 100.0, 101.0},  // flat: one unit above
        {ScalingMode::Auto, 5.0, 5.000001, 5.0, 6.0},     // within 1e-5 counts as flat
        {ScalingMode::Auto, 5.0, 5.0001, 5.0, 5.0001},
        {ScalingMode::AlignedToZero, -3.2, 40.0, -3.2, 40.0},  // aligned to zero keeps a negative min
        {ScalingMode::AlignedToZero, 12.0, 40.0, 0.0, 40.0},   // and drops a positive one to 0
        {ScalingMode::Custom, 12.0, 40.0, -7.0, 77.0},         // custom
    };
    for (const auto& c : cases) {
        ValueAxis axis;
        axis.m_scalingMode = c.mode;
        axis.m_customMin = -7.0;
        axis.m_customMax = 77.0;
        axis.ApplyRange(c.dataMin, c.dataMax);
        EXPECT_DOUBLE_EQ(axis.m_min, c.min) << static_cast<int>(c.mode) << " " << c.dataMin;
        EXPECT_DOUBLE_EQ(axis.m_max, c.max) << static_cast<int>(c.mode) << " " << c.dataMin;
    }
    // At creation a span of 1e-6 or less is flat.
    EXPECT_EQ(ChartSeries("S", 0, 1, {3.0, 3.0000005}).m_max, 4.0);
    EXPECT_EQ(ChartSeries("S", 0, 1, {3.0, 3.5}).m_max, 3.5);
}

TEST(ValueAxis, TicksAndRangeByScalingMode)
{
    // An automatic range widens to the multiples of its step, never a whole step beyond its data;
    // a custom one stays as typed, its ticks the multiples within it.
    const struct {
        ScalingMode mode;
        double min, max;
        int height;
        double step;
        int decimals;
        double shownMin, shownMax, firstTick;
        int tickCount;
    } cases[] = {
        {ScalingMode::Auto, 0, 1234, 250, 200, 0, 0, 1400, 0, 7},    // raw 123.4: twice a hundred
        {ScalingMode::Auto, 0, 1441, 250, 200, 0, 0, 1600, 0, 8},    // a flight to 1441 m
        {ScalingMode::Auto, 0, 27, 250, 5, 0, 0, 30, 0, 6},          // and one to 27 m
        {ScalingMode::Auto, 0, 0.37, 100, 0.1, 1, 0, 0.4, 0, 4},     // ten hundredths: a decimal less
        {ScalingMode::Auto, 13, 87, 250, 10, 0, 10, 90, 10, 8},      // both ends out to a multiple
        {ScalingMode::Auto, -13, 87, 250, 10, 0, -20, 90, -20, 11},  // a negative min
        {ScalingMode::Auto, -20, 80, 250, 10, 0, -20, 80, -20, 10},  // ends on multiples stay
        {ScalingMode::Auto, 0, 22, 250, 2.5, 1, 0, 22.5, 0, 9},      // 2.5: a decimal more
        {ScalingMode::Auto, 0, 220, 250, 25, 0, 0, 225, 0, 9},       //  but none for 25
        {ScalingMode::Auto, 0, 0.022, 250, 0.0025, 4, 0, 0.0225, 0, 9},
        {ScalingMode::Auto, 0, 1, 20, 1, 0, 0, 1, 0, 1},  // lower than a spacing: one step
        {ScalingMode::AlignedToZero, 0, 4.5, 250, 0.5, 1, 0, 4.5, 0, 9},
        {ScalingMode::Custom, -16.4, 19.7, 250, 5, 0, -16.4, 19.7, -15, 6},  // as typed
        {ScalingMode::Custom, -5, 5, 250, 1, 0, -5, 5, -5, 10},
        {ScalingMode::Custom, 11, 14, 20, 5, 0, 11, 14, 15, -1},                        // no multiple inside: no tick
        {ScalingMode::Auto, 1e20, 1e20 + 1e6, 250, 1e5, 0, 1e20, 1e20 + 1e6, 1e20, 0},  // huge: ends kept
    };
    for (const auto& c : cases) {
        ValueAxis axis;
        axis.m_scalingMode = c.mode;
        axis.m_min = c.min;
        axis.m_max = c.max;
        axis.ComputeTicks(c.height);
        const std::string what = std::to_string(c.min) + ".." + std::to_string(c.max);
        EXPECT_DOUBLE_EQ(axis.m_step, c.step) << what;
        EXPECT_EQ(axis.m_decimals, c.decimals) << what;
        EXPECT_DOUBLE_EQ(axis.m_min, c.shownMin) << what;
        EXPECT_DOUBLE_EQ(axis.m_max, c.shownMax) << what;
        EXPECT_DOUBLE_EQ(axis.m_firstTick, c.firstTick) << what;
        EXPECT_EQ(axis.m_tickCount, c.tickCount) << what;
    }
    // A range of no width keeps the previous step.
    ValueAxis flat;
    flat.m_scalingMode = ScalingMode::Custom;
    flat.m_min = flat.m_max = 3.0;
    flat.m_step = 0.25;
    flat.ComputeTicks(250);
    EXPECT_EQ(flat.m_step, 0.25);
}

TEST(ValueAxis, EachAxisItsOwnTicks)
{
    // An altitude to 1441 m and a vario of -3.25..4.75 m/s share a height: neither range is
    // stretched to the other's number of steps.
    ValueAxis alt, vario;
    alt.m_min = 0, alt.m_max = 1441;
    vario.m_min = -3.25, vario.m_max = 4.75;
    LayOutValueAxes(
        {&alt, &vario}, 500, [](const ValueAxis&, double) { return 10; }, 4);
    EXPECT_EQ(std::pair(alt.m_min, alt.m_max), std::pair(0.0, 1500.0));
    EXPECT_EQ(alt.m_step, 100.0);
    EXPECT_EQ(std::pair(vario.m_min, vario.m_max), std::pair(-3.5, 5.0));
    EXPECT_EQ(vario.m_step, 0.5);
}

TEST(Axes, ValuesAndPixels)
{
    TimeAxis time;
    time.m_rect = {100, 0, 700, 20};
    time.m_min = 0;
    time.m_max = 60;
    ValueAxis value;
    value.m_rect = {0, 10, 20, 210};
    value.m_min = -10;  // a range not centred on zero: values grow upwards, pixels downwards
    value.m_max = 30;
    const struct {
        const Axis* axis;
        double value;
        int pixel;
    } cases[] = {{&time, 0, 100},  {&time, 30, 400},  {&time, 60, 700}, {&value, -10, 210},
                 {&value, 30, 10}, {&value, 10, 110}, {&value, 20, 60}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.axis->ValueToPixel(c.value), c.pixel) << c.value;
        EXPECT_DOUBLE_EQ(c.axis->PixelToValue(c.pixel), c.value) << c.pixel;
    }
    EXPECT_EQ(time.ValueToPixel(0.09), 100);  // rounded down
    // No range, or a value far away: defined pixels.
    value.m_max = value.m_min;
    EXPECT_EQ(value.ValueToPixel(5), 210);
    value.m_max = 30;
    EXPECT_EQ(value.ValueToPixel(NAN), 210 - (1 << 24));
    EXPECT_EQ(value.ValueToPixel(1e300), 210 - (1 << 24));
}

TEST(TimeAxis, UnitsAndTicks)
{
    const struct {
        double min, max;
        int width;
        TimeUnit unit;
        int64_t units;
        double firstTick, step;
        std::vector<double> firstTicks;
    } cases[] = {
        {0, 3600, 600, TimeUnit::Minutes, 10, 0, 600, {0, 600, 1200}},
        {0, 100, 600, TimeUnit::Seconds, 10, 0, 10, {0, 10, 20}},
        // Ticks on whole multiples of the step, whatever the range's start.
        {12.5, 100, 600, TimeUnit::Seconds, 10, 20, 10, {20, 30}},
        {0, 50, 1200, TimeUnit::Seconds, 1, 0, 1, {0, 1, 2}},
        {0, 600, 300, TimeUnit::Minutes, 2, 0, 120, {0, 120}},
        {59, 7200, 600, TimeUnit::Minutes, 30, 1800, 1800, {1800, 3600}},
        {0, 36000, 600, TimeUnit::Hours, 2, 0, 7200, {0, 7200}},  // 3600 s a tick: the next size up
        {3599, 200000, 600, TimeUnit::Hours, 6, 21600, 21600, {21600, 43200}},
        {100, 2000000, 600, TimeUnit::Days, 2, 172800, 172800, {172800, 345600}},
        {100, 6048000, 600, TimeUnit::Days, 7, 604800, 604800, {604800, 1209600}},
        {-7, 50, 1200, TimeUnit::Seconds, 1, -7, 1, {-7, -6}},  // before the log's start too
        {301, 1000, 600, TimeUnit::Minutes, 2, 360, 120, {360, 480}},
    };
    for (const auto& c : cases) {
        TimeAxis axis;
        axis.m_min = c.min;
        axis.m_max = c.max;
        axis.ComputeTicks(c.width);
        EXPECT_EQ(axis.m_timeUnit, c.unit) << c.min << ".." << c.max;
        EXPECT_EQ(axis.m_unitsPerTick, c.units) << c.min << ".." << c.max;
        EXPECT_DOUBLE_EQ(axis.m_firstTick, c.firstTick) << c.min << ".." << c.max;
        EXPECT_DOUBLE_EQ(axis.m_step, c.step) << c.min << ".." << c.max;
        const std::vector<double> ticks = axis.Ticks();
        ASSERT_GE(ticks.size(), c.firstTicks.size());
        EXPECT_EQ(std::vector<double>(ticks.begin(), ticks.begin() + static_cast<std::ptrdiff_t>(c.firstTicks.size())),
                  c.firstTicks);
        EXPECT_LE(ticks.back(), c.max + 1e-7);
    }
}

TEST(TimeAxis, MonthsAndYearsFollowTheCalendar)
{
    auto utc = [](int y, int m, int d) {
        return static_cast<double>(QDateTime(QDate(y, m, d), QTime(0, 0), QTimeZone::utc()).toSecsSinceEpoch());
    };
    TimeAxis months;
    months.m_min = utc(2026, 1, 15);
    months.m_max = utc(2026, 12, 31);
    months.ComputeTicks(600);  // 10 ticks over 350 days: 35 days a tick
    EXPECT_EQ(std::pair(months.m_timeUnit, months.m_unitsPerTick), std::pair(TimeUnit::Months, int64_t{2}));
    EXPECT_EQ(months.Ticks(), (std::vector<double>{utc(2026, 2, 1), utc(2026, 4, 1), utc(2026, 6, 1), utc(2026, 8, 1),
                                                   utc(2026, 10, 1), utc(2026, 12, 1)}));

    TimeAxis years;
    years.m_min = utc(2000, 3, 1);
    years.m_max = utc(2030, 1, 1);
    years.ComputeTicks(600);
    EXPECT_EQ(years.m_timeUnit, TimeUnit::Years);
    const std::vector<double> y = years.Ticks();
    ASSERT_GE(y.size(), 2u);
    EXPECT_EQ(y[0], utc(2001, 1, 1));
    EXPECT_EQ(y[1], utc(2001 + static_cast<int>(years.m_unitsPerTick), 1, 1));
}

TEST(TimeAxis, LabelsShareOneStyle)
{
    TimeAxis axis;
    axis.m_min = 0;
    axis.m_max = 5400;
    EXPECT_EQ(axis.TickLabel(600), "0:10:00");
    axis.m_max = 3000;
    EXPECT_EQ(axis.TickLabel(600), "10:00");
}

TEST(SeriesAt, ValueAtEdges)
{
    const ChartSeries s("S", 10.0, 2.0, {1, 2, 3});
    const struct {
        double t, value;
    } cases[] = {{9.999, 0}, {10, 1}, {10.999, 1}, {11, 2}, {14, 3}, {15.9, 3}, {16, 3}, {16.001, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(s.ValueAt(c.t), c.value) << c.t;
}

TEST(Palette, ColoursAndIndices)
{
    EXPECT_EQ((std::vector{PaletteColor(12), PaletteColor(9), PaletteColor(-1), PaletteColor(1)}),
              (std::vector{QColor(0, 0, 255), QColor(0, 0, 0), QColor(0, 0, 0), QColor(0, 150, 0)}));
    EXPECT_EQ(PaletteIndex(QColor(255, 128, 0)), 5);
    EXPECT_EQ(PaletteIndex(QColor(1, 2, 3)), 9);
    EXPECT_EQ(PaletteIndex(QColor(0, 255, 255, 10)), 4);  // alpha is not a colour bit
}

TEST(MinMaxPyramid, AnyRunMatchesAScan)
{
    std::vector<double> values(5000);
    uint32_t state = 9;
    for (double& v : values) {
        state = state * 1664525u + 1013904223u;
        v = static_cast<double>(state >> 8) / 1000.0 - 8000.0;
    }
    values[777] = NAN;  // never the answer
    const MinMaxPyramid pyramid(values);
    for (int round = 0; round < 2000; ++round) {
        state = state * 1664525u + 1013904223u;
        const size_t a = (state >> 8) % values.size();
        state = state * 1664525u + 1013904223u;
        const size_t b = a + 1 + (state >> 8) % (values.size() - a);
        double lo = INFINITY, hi = -INFINITY;
        for (size_t i = a; i < b; ++i)
            if (!std::isnan(values[i])) {
                lo = std::min(lo, values[i]);
                hi = std::max(hi, values[i]);
            }
        const auto [min, max] = pyramid.MinMax(values, a, b);
        ASSERT_EQ(std::pair(min, max), std::pair(lo, hi)) << a << ".." << b;
    }
}

TEST(ValueAxis, LabelsKeepTheirGap)
{
    // One axis over 0..100 (and -3.25..4.75) at many heights with labels of many lengths, two
    // of them fitting the height: no two labels come closer than the gap of 4 pixels, and
    // labels of no length keep the finest step.
    int coarsened = 0;
    for (const auto& [min, max] : {std::pair(0.0, 100.0), std::pair(-3.25, 4.75)})
        for (int height = 40; height <= 700; height += 3)
            for (int length = 0; length <= 60 && 2 * (length + 4) <= height; length += 7) {
                ValueAxis axis;
                axis.m_min = min;
                axis.m_max = max;
                axis.m_rect = {0, 0, 20, height};
                LayOutValueAxes(
                    {&axis}, height, [length](const ValueAxis&, double) { return length; }, 4);
                const std::string what = std::to_string(height) + " " + std::to_string(length);
                for (int k = 1; k <= axis.m_tickCount; ++k)
                    ASSERT_GE(axis.ValueToPixel(axis.TickValue(k - 1)) - axis.ValueToPixel(axis.TickValue(k)),
                              length + 4)
                        << what;
                ValueAxis plain;
                plain.m_min = min;
                plain.m_max = max;
                plain.ComputeTicks(height);
                if (length == 0) {
                    EXPECT_EQ(axis.m_step, plain.m_step) << what;
                }
                coarsened += axis.m_step > plain.m_step;
            }
    EXPECT_GT(coarsened, 100);
}
