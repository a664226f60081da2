#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <vector>

struct NamedSeries;

// The end sample that stands for "to the end of the log".
constexpr size_t kEndOfLog = std::numeric_limits<uint32_t>::max();

// The CSV table of the given series: a header of "Time (sec)" and the series
// names in double quotes (a quote inside a name doubled), then one row per
// sample from first while below the shortest series and below end: the time,
// from 0 and growing by dt each row, and each series' value, all with "%f".
// Lines end with CR LF.
std::string CsvText(const std::vector<const NamedSeries*>& shown, double dt, size_t first, size_t end);

// The samples [first, end) of a selection from t1 to t2 seconds at period dt:
// first = floor(t1 / dt), end = ceil(t2 / dt + 1.0).
struct SampleRange {
    size_t first = 0;
    size_t end = kEndOfLog;
};
SampleRange SelectionSamples(double t1, double t2, double dt);
