#pragma once

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "app/brixo_log.h"
#include "app/settings.h"
#include "dsp/log_series.h"
#include "dsp/statistics.h"
#include "export/csv_export.h"

// A property the fuzzer found broken: told, then a crash it keeps as a finding.
#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (0)

// An input of many short logs would spend its time using each alike: the first few are used.
constexpr size_t kLogsUsed = 2;

// What the window does with a log it shows: its series, statistics over the whole log and a
// stretch of it, and the CSV table of its first samples (every row is written alike: more rows
// would only slow the search down).
inline void UseLog(const BrixoLog& log, const Settings& settings)
{
    const LogSeries series = BuildLogSeries(log, settings);
    FUZZ_CHECK(series.series.size() >= 2);
    const NamedSeries& alt = series.series[0];
    const NamedSeries& vario = series.series[1];
    (void)LogStatistics(log, alt, series.units);
    const double end = static_cast<double>(alt.values.size()) * alt.interval;
    (void)SelectionStatistics(alt, vario, 0.0, end, series.units);
    (void)SelectionStatistics(alt, vario, end / 3, end / 2, series.units);
    const LogSeries display = InDisplayUnits(series);
    std::vector<const NamedSeries*> shown;
    for (const NamedSeries& s : display.series)
        shown.push_back(&s);
    const std::string csv = CsvText(shown, log.SamplePeriod(), 0, 64);
    FUZZ_CHECK(!csv.empty());
}
