#pragma once

#include <QImage>
#include <QSize>

#include "dsp/log_series.h"

// The chart of a log that is not on display, drawn as the window would show it: its whole
// length with the series' styles, at the given size. A null picture when none of that size
// can be made.
QImage DrawLogPicture(const LogSeries& series, QSize size);
