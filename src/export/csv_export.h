#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
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
// The same table handed to sink a piece at a time, so that a table of any length needs no
// more memory than a piece; false as soon as sink refuses a piece (a failed write).
[[nodiscard]] bool WriteCsv(const std::vector<const NamedSeries*>& shown, double dt, size_t first, size_t end,
                            const std::function<bool(std::string_view)>& sink);

// A field of a CSV table as RFC 4180 writes it: as it is, or in double quotes (a quote inside
// doubled) when it holds a comma, a quote or a line end.
std::string CsvField(const std::string& text);

// The shown series a table can hold: those that have values. A series that could not be made
// would leave the table without rows; it is left out instead, with a line in leftOut saying
// which and why.
std::vector<const NamedSeries*> TableSeries(const std::vector<const NamedSeries*>& shown,
                                            std::vector<std::string>& leftOut);

// Why no table of samples [first, ...) can be made from an altitude of this many values;
// empty when one can.
std::string TableRangeProblem(size_t first, size_t altitudeLength);

// The samples [first, end) of a selection from t1 to t2 seconds at period dt:
// first = floor(t1 / dt), end = ceil(t2 / dt + 1.0).
struct SampleRange {
    size_t first = 0;
    size_t end = kEndOfLog;
};
SampleRange SelectionSamples(double t1, double t2, double dt);
