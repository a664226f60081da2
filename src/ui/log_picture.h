#pragma once

#include <QImage>
#include <QSize>

#include "dsp/log_series.h"

class CMChartCtrl;

// The chart of a log that is not on display, drawn as the window would show it: its whole
// length, at the given size. A series that the chart "shownChart" shows under the same name
// takes the visibility it has there. A null picture when none of that size can be made.
QImage DrawLogPicture(const LogSeries& series, QSize size, const CMChartCtrl* shownChart = nullptr);
