#include <gtest/gtest.h>

#include <cmath>

#include "base/time_text.h"

TEST(FormatDuration, FillsEveryCode)
{
    const struct {
        const char* pattern;
        uint64_t seconds;
        const char* expected;
    } cases[] = {
        {"%H:%M:%S", 0, "00:00:00"},
        {"%H:%M:%S", 59, "00:00:59"},
        {"%H:%M:%S", 60, "00:01:00"},
        {"%H:%M:%S", 3599, "00:59:59"},
        {"%H:%M:%S", 86399, "23:59:59"},
        {"%H:%M:%S", 90000, "01:00:00"},  // 25 hours: hours count within the day
        {"%D %H:%M:%S", 90061, "1 01:01:01"},
        {"%T:%M:%S", 90000, "25:00:00"},  // hours in all do not wrap
        {"%T:%M:%S", 1123510, "312:05:10"},
        {"%T", 3599, "00"},
        {"%D", 864000, "10"},
        {"100%% at %S", 7, "100% at 07"},
        {"%S%", 5, "05%"},       // a lone percent at the end stays
        {"%Q%H", 3600, "%Q01"},  // an unknown code is copied
        {"", 42, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatDuration(c.pattern, c.seconds), c.expected) << c.pattern << " " << c.seconds;
}

TEST(DurationText, HoursPastADay)
{
    const struct {
        double seconds;
        const char* text;
    } cases[] = {
        {0, "00:00:00"},     {59.99, "00:00:59"},  {86399, "23:59:59"},
        {86400, "24:00:00"}, {100000, "27:46:40"}, {1123510.5, "312:05:10"},
        {-5, "00:00:00"},    {NAN, "--:--:--"},    {INFINITY, "--:--:--"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DurationText(c.seconds), c.text) << c.seconds;
}

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
