#pragma once

#include <QImage>
#include <QSize>

#include <memory>
#include <vector>

#include "chart/chart_axis.h"
#include "chart/chart_scene.h"
#include "chart/chart_series.h"
#include "dsp/airtime.h"
#include "dsp/climbs.h"
#include "dsp/log_series.h"

// A chart drawn without a window: its own time axis and series, drawn through the scene
// at any size. The exports and nivra-tool draw with it.
class ChartPicture {
public:
    ChartPicture() = default;
    ChartPicture(const ChartPicture&) = delete;
    ChartPicture& operator=(const ChartPicture&) = delete;

    // Shows the whole time of all series, as the window does for a log just selected.
    void ShowWholeRange();
    // The chart laid out and drawn at this size (in the chart's coordinates), with scale
    // (1 to 4) pixels to each; a null picture when none of that size can be made.
    QImage Draw(QSize size, double scale = 1.0);

    TimeAxis m_time;
    std::vector<std::shared_ptr<ChartSeries>> m_series;
    ChartScene m_scene{m_time, m_series};
};

// A chart series of one series of a log as shown (InDisplayUnits), with its style and unit.
std::shared_ptr<ChartSeries> MakeChartSeries(const NamedSeries& named);

// The chart of a log that is not on display, drawn as the window would show it: its whole
// length with the series' styles and the unit chosen, these bands shaded and these moments
// marked, at the given size. A null picture when none of that size can be made.
QImage DrawLogPicture(const LogSeries& series, QSize size, std::vector<TimeRange> bands = {},
                      std::vector<ChartMark> marks = {});
// The same chart set up in a picture, its whole length shown, to be laid out and drawn later.
void FillLogPicture(ChartPicture& picture, const LogSeries& series, std::vector<TimeRange> bands = {},
                    std::vector<ChartMark> marks = {});

// A "Takeoff" and a "Landing" mark for each flight.
std::vector<ChartMark> FlightMarks(const std::vector<FlightSpan>& flights);

// The climbs as stretches of time for the chart to shade.
std::vector<TimeRange> ClimbBands(const ClimbAnalysis& climbs);
