#include <gtest/gtest.h>

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
        {"%D", 864000, "10"},
        {"100%% at %S", 7, "100% at 07"},
        {"%S%", 5, "05%"},       // a lone percent at the end stays
        {"%Q%H", 3600, "%Q01"},  // an unknown code is copied
        {"", 42, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatDuration(c.pattern, c.seconds), c.expected) << c.pattern << " " << c.seconds;
}
