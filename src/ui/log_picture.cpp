#include "ui/log_picture.h"

#include "chart/chart_ctrl.h"
#include "ui/chart_filling.h"

QImage DrawLogPicture(const LogSeries& series, QSize size)
{
    // A chart that is never shown draws with the same routine as the window's; its own
    // screen picture stays one pixel, the picture asked for is drawn at its size.
    CMChartCtrl chart;
    chart.resize(1, 1);
    FillChart(chart, series);
    QImage picture;
    if (!chart.DrawImage(size, picture))
        return {};
    return picture;
}
