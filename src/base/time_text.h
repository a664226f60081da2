#pragma once

#include <cstdint>
#include <string>

// Writes a whole number of seconds with a pattern: %D days, %H hours within the
// day, %T hours in all, %M minutes within the hour, %S seconds within the minute (the
// last four at least two digits wide), %% a percent sign. Any other character is copied.
std::string FormatDuration(const std::string& pattern, uint64_t seconds);

// A duration shown to a pilot, "HH:MM:SS" rounded down to whole seconds, its hours not
// wrapping at a day ("27:46:40", a season's "312:05:10"); "--:--:--" for no number.
std::string DurationText(double seconds);

// A sample period as the pilot reads it wherever it is shown: "1 s", "0.1 s", "2.5 s"; "-" for
// none (not above 0, or no number).
std::string PeriodText(double seconds);

// Time labels are elapsed times: "MM:SS" below an hour, "H:MM:SS" from one hour
// on with the total hours unpadded. An axis picks one style for all its labels
// from its range end, so that they share it.
enum class TimeLabelStyle { MinutesSeconds, HoursMinutesSeconds };
TimeLabelStyle TimeLabelStyleFor(double rangeEndSeconds);
// The label of a time in seconds, rounded down to whole seconds.
std::string TimeLabel(double seconds, TimeLabelStyle style);
// The label in the style its own length asks for (statistics).
std::string TimeLabel(double seconds);
