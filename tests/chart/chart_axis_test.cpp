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

TEST(ValueAxis, TickStepDecimalsAndFirstTick)
{
    const struct {
        double min, max;
        int height;
        double step;
        int decimals;
        double firstTick;
    } cases[] = {
        {0, 1234, 250, 200, 0, 0},   // raw 123.4: twice a hundred
        {0, 0.37, 100, 0.1, 1, 0},   // raw 0.0925: ten hundredths, one decimal less
        {13, 87, 250, 10, 0, 10},    // the largest multiple at or below a positive min
        {-13, 87, 250, 10, 0, -10},  // the smallest multiple at or above a negative min
        {-20, 80, 250, 10, 0, -20},  // a negative min on a tick
        {20, 120, 250, 10, 0, 20},   // a positive min on a tick
        {0, 1, 20, 1, 0, 0},         // lower than one tick spacing: one tick over the range
        {0, 4.5, 250, 0.5, 1, 0},   {1e20, 1e20 + 1e6, 250, 1e5, 0, 1e20},  // a huge min settles without looping
    };
    for (const auto& c : cases) {
        ValueAxis axis;
        axis.m_min = c.min;
        axis.m_max = c.max;
        axis.ComputeTicks(c.height);
        EXPECT_DOUBLE_EQ(axis.m_step, c.step) << c.min << ".." << c.max;
        EXPECT_EQ(axis.m_decimals, c.decimals) << c.min << ".." << c.max;
        EXPECT_DOUBLE_EQ(axis.m_firstTick, c.firstTick) << c.min << ".." << c.max;
    }
    // A range of no width keeps the previous step.
    ValueAxis flat;
    flat.m_min = flat.m_max = 3.0;
    flat.m_step = 0.25;
    flat.ComputeTicks(250);
    EXPECT_EQ(flat.m_step, 0.25);
}

TEST(ValueAxis, CommonTickCount)
{
    ValueAxis a, b;
    a.m_min = 0, a.m_max = 50, a.m_step = 10, a.m_firstTick = 0;  // 5 steps
    b.m_min = -3, b.m_max = 4, b.m_step = 1, b.m_firstTick = -3;  // 7 steps
    ApplyCommonTickCount({&a, &b});
    EXPECT_EQ(std::pair(a.m_max, b.m_max), std::pair(70.0, 4.0));
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

TEST(ValueAxis, LabelsKeepTheirGapAndMayFillTheHeightExactly)
{
    // One axis from 0 to 100 at heights where the first layout's steps hold labels of some
    // length and the gap of 4 pixels exactly: those labels keep every step, a pixel longer
    // ones do not.
    const auto layOut = [](int height, int length) {
        ValueAxis axis;
        axis.m_min = 0;
        axis.m_max = 100;
        LayOutValueAxes(
            {&axis}, height, [length](const ValueAxis&, double) { return length; }, 4);
        return axis.m_tickCount;
    };
    int tried = 0;
    for (int height = 100; height <= 700; height += 3) {
        const int n = layOut(height, 0);
        if (n < 2 || height % n != 0 || height / n <= 4)
            continue;
        const int exact = height / n - 4;
        ++tried;
        EXPECT_EQ(layOut(height, exact), n) << height;
        const int fewer = layOut(height, exact + 1);
        EXPECT_LT(fewer, n) << height;
        EXPECT_GE(height, (exact + 1 + 4) * fewer) << height;
    }
    EXPECT_GE(tried, 5);
}
