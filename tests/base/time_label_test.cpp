#include <gtest/gtest.h>

#include <cmath>

#include "base/time_text.h"

TEST(TimeLabel, ElapsedTimes)
{
    const struct {
        double seconds;
        const char* label;
    } cases[] = {
        {0, "00:00"},        {0.99, "00:00"},     {59.5, "00:59"},   {600, "10:00"},
        {3599, "59:59"},     {3599.99, "59:59"},  {3600, "1:00:00"}, {7325, "2:02:05"},
        {36000, "10:00:00"}, {90000, "25:00:00"}, {-1, "-00:01"},    {NAN, "--:--"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TimeLabel(c.seconds), c.label) << c.seconds;
}

TEST(TimeLabel, OneStylePerAxis)
{
    // An axis that ends after an hour labels its early ticks with hours too.
    const TimeLabelStyle longAxis = TimeLabelStyleFor(5400);
    EXPECT_EQ(TimeLabel(0, longAxis), "0:00:00");
    EXPECT_EQ(TimeLabel(1800, longAxis), "0:30:00");
    EXPECT_EQ(TimeLabel(5400, longAxis), "1:30:00");
    const TimeLabelStyle shortAxis = TimeLabelStyleFor(3599.9);
    EXPECT_EQ(TimeLabel(1800, shortAxis), "30:00");
    EXPECT_EQ(shortAxis, TimeLabelStyle::MinutesSeconds);
}
