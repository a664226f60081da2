#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "dsp/filters.h"

namespace {

std::vector<double> Range(int from, int to)
{
    std::vector<double> v;
    for (int i = from; i <= to; ++i)
        v.push_back(i);
    return v;
}

bool SameBits(const std::vector<double>& a, const std::vector<double>& b)
{
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0;
}

}  // namespace

TEST(KalmanFilter, ShapesTheModelFollowsExactly)
{
    // Constant, ramp and parabola are what a constant-acceleration model describes:
    // the smoother keeps them, first and last samples included, whatever it trusts.
    auto shape = [](double a, double b, double c) {
        std::vector<double> v;
        for (int i = 0; i < 400; ++i)
            v.push_back(a + b * i * 0.1 + c * (i * 0.1) * (i * 0.1));
        return v;
    };
    const struct {
        const char* what;
        std::vector<double> in;
        double dt, measurement, model, tolerance;
    } cases[] = {
        {"empty", {}, 0.1, 0.44, 0.01, 0},
        {"one value", {7}, 0.1, 0.44, 0.01, 0},
        {"constant", std::vector<double>(50, 512.25), 0.1, 0.44, 0.01, 0},
        {"constant, stiff", std::vector<double>(50, -3.5), 2.0, 100, 0, 0},
        {"ramp", shape(10, 3, 0), 0.1, 0.44, 0.01, 1e-6},
        {"ramp at 2 s", shape(10, -4, 0), 2.0, 0.44, 0.01, 1e-6},
        {"parabola", shape(0, 20, -0.5), 0.1, 0.44, 1, 1e-5},
        {"exact readings", {0, 5, 1, 7, 2}, 0.1, 0, 0.01, 0},
        {"no time step", {0, 5, 1, 7, 2}, 0, 0.44, 0.01, 0},
    };
    for (const auto& c : cases) {
        std::vector<double> series = c.in;
        KalmanFilter(series, c.dt, c.measurement, c.model);
        ASSERT_EQ(series.size(), c.in.size()) << c.what;
        for (size_t i = 0; i < series.size(); ++i)
            EXPECT_NEAR(series[i], c.in[i], c.tolerance) << c.what << " at " << i;
    }
}

TEST(KalmanFilter, NoiseIsSmoothedAtBothEnds)
{
    // Alternating readings around a level: every sample, the first and the last
    // too, comes out near the level (the old filter left the last one as read).
    std::vector<double> series;
    for (int i = 0; i < 300; ++i)
        series.push_back(100 + (i % 2 ? 0.5 : -0.5));
    KalmanFilter(series, 0.1, 0.44, 0.01);
    for (size_t i = 0; i < series.size(); ++i)
        EXPECT_NEAR(series[i], 100, 0.1) << i;
}

TEST(KalmanFilter, HostileSigmasGiveNumbers)
{
    const double inf = std::numeric_limits<double>::infinity(), nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double measurement, model;
    } cases[] = {{0, 0},      {1e300, 1e-300}, {1e-300, 1e300}, {1e300, 1e300}, {inf, 0.01},
                 {0.44, inf}, {nan, 0.01},     {0.44, nan},     {-3, 0.01},     {0.44, -1e300}};
    const std::vector<double> ramp = Range(0, 200);
    for (const auto& c : cases) {
        std::vector<double> series = ramp;
        KalmanFilter(series, 0.1, c.measurement, c.model);
        for (double v : series)
            ASSERT_TRUE(std::isfinite(v)) << c.measurement << " " << c.model;
        // Whatever it trusts, the smoother stays within the ramp's reach.
        EXPECT_GT(series[100], -1.0) << c.measurement << " " << c.model;
        EXPECT_LT(series[100], 201.0) << c.measurement << " " << c.model;
    }
    // Within the bound nothing changes: a sigma of exactly the bound filters as before.
    std::vector<double> atBound = ramp, beyond = ramp;
    KalmanFilter(atBound, 0.1, kMaxSigma, 0.01);
    KalmanFilter(beyond, 0.1, 1e200, 0.01);
    EXPECT_TRUE(SameBits(atBound, beyond));
}

TEST(SmoothingFilter, Examples)
{
    const struct {
        std::vector<double> in, out;
    } cases[] = {
        {{}, {}},
        {{3}, {3}},
        {{0, 8}, {0, 1}},
        {{8, 0, 0}, {8, 7, 6.125}},
    };
    for (const auto& c : cases) {
        std::vector<double> series = c.in;
        SmoothingFilter(series);
        EXPECT_EQ(series, c.out);
    }
}

TEST(MedianFilter, Examples)
{
    const struct {
        std::vector<double> in;
        int window;
        std::vector<double> out;
    } cases[] = {
        {Range(1, 10), 3, Range(2, 9)},
        {Range(1, 10), 7, {4, 5, 6, 7, 8, 9, 10, 10}},  // the last windows run into copies of the last value
        {{1, 3, 2, 6}, 2, {2, 2.5}},
        {Range(1, 10), 1, Range(1, 8)},
        {Range(1, 10), 10, Range(1, 10)},  // a window as long as the series leaves it alone
        {Range(1, 10), 11, Range(1, 10)},
        {{4, 2}, 1, {}},
        {{}, 3, {}},
        {{5, 5, 5, 5, 5}, 2, {5, 5, 5}},
        {{1, 2, 3}, 0, {1, 2, 3}},  // no window: nothing to do
        {{9, 1, 8, 2, 7, 3}, 4, {5, 4.5, 5, 3}},
    };
    for (const auto& c : cases) {
        for (auto filter : {MedianFilter, MedianFilterByWindows}) {
            std::vector<double> series = c.in;
            filter(series, c.window);
            EXPECT_EQ(series, c.out) << "window " << c.window << " over " << c.in.size();
        }
    }
}

TEST(MedianFilter, SlidingWindowMatchesWindowByWindow)
{
    // Noisy vario-like data with plateaus, repeated values and zeros of both signs.
    std::vector<double> data;
    uint32_t state = 5;
    for (int i = 0; i < 5000; ++i) {
        state = state * 1664525u + 1013904223u;
        const double noise = static_cast<double>(state >> 8) / (1 << 24) - 0.5;
        if (i % 500 < 60)
            data.push_back(i % 2 ? 0.0 : -0.0);
        else if (i % 300 < 40)
            data.push_back(1.25);
        else
            data.push_back(std::round((std::sin(i / 40.0) * 3 + noise) * 8) / 8);
    }
    for (int window : {1, 2, 3, 4, 7, 8, 9, 10, 31, 32, 33, 101, 1000, 4999, 5000}) {
        std::vector<double> fast = data, reference = data;
        MedianFilter(fast, window);
        MedianFilterByWindows(reference, window);
        EXPECT_TRUE(SameBits(fast, reference)) << "window " << window;
    }
}

TEST(MedianFilter, NonFiniteValues)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::vector<double> withInf = {1, inf, 3, -inf, 5, 6};
    MedianFilter(withInf, 3);
    EXPECT_EQ(withInf, (std::vector<double>{3, 3, 3, 5}));

    std::vector<double> withNan = {1, nan, 3, 4, nan, 6, 7, 8};
    std::vector<double> reference = withNan;
    MedianFilter(withNan, 3);
    MedianFilterByWindows(reference, 3);
    EXPECT_TRUE(SameBits(withNan, reference));
    EXPECT_EQ(withNan.size(), 6u);
    std::vector<double> allNan(40, nan);
    MedianFilter(allNan, 33);  // a heap window full of NaN still ends
    EXPECT_EQ(allNan.size(), 38u);
}

TEST(WindowMedian, Examples)
{
    const struct {
        std::vector<double> values;
        double median;
    } cases[] = {
        {{5, 1, 3}, 3},        {{4, 1, 3, 2}, 2.5}, {{7}, 7}, {{2, 2, 2, 1}, 2}, {{-1, -1e300, 1e300, 1}, 0},
        {Range(1, 32), 16.5},  // the largest window of the local buffer
        {Range(1, 33), 17},    // the smallest heap window
        {Range(-500, 500), 0},
    };
    for (const auto& c : cases) {
        const std::vector<double> before = c.values;
        EXPECT_EQ(WindowMedian(c.values.data(), c.values.size()), c.median) << c.values.size();
        EXPECT_EQ(c.values, before);  // the input keeps its order
    }
}
