#pragma once

#include <cstdint>
#include <string>

// Writes a whole number of seconds with a pattern: %D days, %H hours within the
// day, %M minutes within the hour, %S seconds within the minute (the last three
// two digits wide), %% a percent sign. Any other character is copied.
std::string FormatDuration(const std::string& pattern, uint64_t seconds);
