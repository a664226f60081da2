#include "ui/chart_filling.h"

#include <map>

#include "chart/chart_ctrl.h"
#include "chart/chart_picture.h"

void FillChart(CMChartCtrl& chart, const LogSeries& series, std::optional<Range> range)
{
    // A series the user hid stays hidden when another log is shown.
    std::map<QString, bool> remembered;
    for (int i = 0; i < chart.SerieCount(); ++i) {
        const std::shared_ptr<CMChartSerie> s = chart.Serie(i);
        remembered.emplace(s->m_name, s->m_visible);
    }
    chart.RemoveAllSeries();
    for (const NamedSeries& named : series.series) {
        const std::shared_ptr<CMChartSerie> s = MakeChartSerie(named);
        chart.AddSerie(s);
        const auto it = remembered.find(s->m_name);
        if (it != remembered.end())
            s->m_visible = it->second;
    }
    if (range)
        chart.SetRange(range->first, range->last);
    else
        chart.ResetView(true);
}

void TakeVisibility(LogSeries& series, const CMChartCtrl& chart)
{
    for (int i = 0; i < chart.SerieCount(); ++i) {
        const std::shared_ptr<CMChartSerie> s = chart.Serie(i);
        for (NamedSeries& named : series.series)
            if (QString::fromStdString(named.name) == s->m_name)
                named.style.visible = s->m_visible;
    }
}
