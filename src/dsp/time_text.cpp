#include "dsp/time_text.h"

#include <cstdio>

std::string FormatDuration(const std::string& pattern, uint64_t seconds)
{
    std::string out;
    out.reserve(pattern.size() + 8);
    auto two = [&out](uint64_t v) {
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
        case 'M': two(seconds / 60 % 60); break;
        case 'S': two(seconds % 60); break;
        case '%': out += '%'; break;
        default:
            out += '%';
            out += pattern[i];
        }
    }
    return out;
}
