#include "base/time_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

std::string FormatDuration(const std::string& pattern, uint64_t seconds)
{
    std::string out;
    out.reserve(pattern.size() + 8);
    auto two = [&out](uint64_t v) {
        if (v >= 100)
            out += std::to_string(v / 10);
        else
            out += static_cast<char>('0' + v / 10);
        out += static_cast<char>('0' + v % 10);
    };
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%' || i + 1 == pattern.size()) {
            out += pattern[i];
            continue;
        }
        switch (pattern[++i]) {
        case 'D': out += std::to_string(seconds / 86400); break;
        case 'H': two(seconds / 3600 % 24); break;
        case 'T': two(seconds / 3600); break;
        case 'M': two(seconds / 60 % 60); break;
        case 'S': two(seconds % 60); break;
        case '%': out += '%'; break;
        default: out += '%'; out += pattern[i];
        }
    }
    return out;
}

std::string DurationText(double seconds)
{
    if (!std::isfinite(seconds))
        return "--:--:--";
    // Far beyond any logbook; keeps the conversion defined.
    const double whole = std::clamp(std::floor(seconds), 0.0, 1e15);
    return FormatDuration("%T:%M:%S", static_cast<uint64_t>(whole));
}

std::string PeriodText(double seconds)
{
    if (!(seconds > 0) || !(seconds < 1e9))
        return "-";
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", seconds);
    std::string out = text;
    if (out.ends_with(".0"))
        out.resize(out.size() - 2);
    return out + " s";
}

TimeLabelStyle TimeLabelStyleFor(double rangeEndSeconds)
{
    return std::fabs(std::floor(rangeEndSeconds)) >= 3600.0 ? TimeLabelStyle::HoursMinutesSeconds
                                                            : TimeLabelStyle::MinutesSeconds;
}

std::string TimeLabel(double seconds, TimeLabelStyle style)
{
    if (!std::isfinite(seconds))
        return "--:--";
    const double whole = std::floor(seconds);
    // Far beyond any flight; keeps the conversion defined.
    const double magnitude = std::min(std::fabs(whole), 1e15);
    const auto s = static_cast<uint64_t>(magnitude);
    char text[48];
    if (style == TimeLabelStyle::HoursMinutesSeconds)
        std::snprintf(text, sizeof text, "%s%llu:%02llu:%02llu", whole < 0 ? "-" : "",
                      static_cast<unsigned long long>(s / 3600), static_cast<unsigned long long>(s / 60 % 60),
                      static_cast<unsigned long long>(s % 60));
    else
        std::snprintf(text, sizeof text, "%s%02llu:%02llu", whole < 0 ? "-" : "",
                      static_cast<unsigned long long>(s / 60), static_cast<unsigned long long>(s % 60));
    return text;
}

std::string TimeLabel(double seconds)
{
    return TimeLabel(seconds, TimeLabelStyleFor(seconds));
}
