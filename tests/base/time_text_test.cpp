#include <gtest/gtest.h>

#include <cmath>

#include "base/time_text.h"
#include "base/tr_text.h"

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

TEST(TrText, FillsThePlaceholdersInOnePass)
{
    // No translation is installed here: the English source comes back, filled. An argument's
    // own "%2" (a file name may hold one) stays as it is.
    const struct {
        const char* text;
        std::initializer_list<std::string> args;
        const char* filled;
    } cases[] = {
        {"the file is empty", {}, "the file is empty"},
        {"the folder %1 cannot be made", {"/tmp/a b"}, "the folder /tmp/a b cannot be made"},
        {"%1 is %2, not a regular file",
         {"/tmp/50%2done", "a folder"},
         "/tmp/50%2done is a folder, not a regular file"},
        {"%2 before %1", {"one", "two"}, "two before one"},
        {"%1 (%2 to %3)", {"0.01", "0.001", "3.2"}, "0.01 (0.001 to 3.2)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TrText("Test", c.text, c.args), c.filled) << c.text;
}
