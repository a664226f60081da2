#pragma once

#include <optional>

#include "chart/chart_axis.h"
#include "dsp/log_series.h"

class ChartWidget;

// Puts the series of a log into the chart with their styles, in the unit chosen, keeping the
// visibility the user gave series of the same name, and shows the given range
// or else the whole log.
void FillChart(ChartWidget& chart, const LogSeries& series, std::optional<TimeRange> range = std::nullopt);

// Gives each series the visibility that a series of the same name has in the chart, as
// FillChart would when the log is shown there.
void TakeVisibility(LogSeries& series, const ChartWidget& chart);
