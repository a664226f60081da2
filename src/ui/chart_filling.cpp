#include "ui/chart_filling.h"

#include <map>

#include <QCoreApplication>

#include "chart/chart_picture.h"
#include "chart/chart_widget.h"

namespace {
// The log's own series, as the legend and the axes name them ("Alt [m]"); a device's further
// channels keep the names the configuration gives them.
[[maybe_unused]] constexpr const char* kSeriesNames[] = {
    //: The altitude curve's name in the legend and on its axis: "Alt [m]".
    QT_TRANSLATE_NOOP("ChartSeries", "Alt"),
    //: The vertical speed curve's name in the legend and on its axis: "Vario [m/s]".
    QT_TRANSLATE_NOOP("ChartSeries", "Vario"),
};
}  // namespace

void FillChart(ChartWidget& chart, const LogSeries& series, std::optional<TimeRange> range)
{
    // A series the user hid stays hidden when another log is shown.
    std::map<QString, bool> remembered;
    for (int i = 0; i < chart.SeriesCount(); ++i) {
        const std::shared_ptr<ChartSeries> s = chart.SeriesAt(i);
        remembered.emplace(s->m_name, s->m_visible);
    }
    chart.RemoveAllSeries();
    for (const NamedSeries& named : InDisplayUnits(series).series) {
        const std::shared_ptr<ChartSeries> s = MakeChartSeries(named);
        s->m_shownName = QCoreApplication::translate("ChartSeries", named.name.c_str());
        chart.AddSeries(s);
        const auto it = remembered.find(s->m_name);
        if (it != remembered.end())
            s->m_visible = it->second;
    }
    if (range)
        chart.SetRange(range->first, range->last);
    else
        chart.ResetView(true);
}

void TakeVisibility(LogSeries& series, const ChartWidget& chart)
{
    for (int i = 0; i < chart.SeriesCount(); ++i) {
        const std::shared_ptr<ChartSeries> s = chart.SeriesAt(i);
        for (NamedSeries& named : series.series)
            if (QString::fromStdString(named.name) == s->m_name)
                named.style.visible = s->m_visible;
    }
}
