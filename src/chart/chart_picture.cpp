#include "chart/chart_picture.h"

#include <QCoreApplication>

#include <cmath>

void ChartPicture::ShowWholeRange()
{
    bool any = false;
    for (const auto& s : m_series) {
        if (!any || s->m_firstTime < m_time.m_min)
            m_time.m_min = s->m_firstTime;
        if (!any || s->EndTime() > m_time.m_max)
            m_time.m_max = s->EndTime();
        any = true;
    }
}

QImage ChartPicture::Draw(QSize size, double scale)
{
    if (size.width() < 1 || size.height() < 1 || !(scale >= 1 && scale <= 4))
        return {};
    QImage image(static_cast<int>(std::lround(size.width() * scale)),
                 static_cast<int>(std::lround(size.height() * scale)), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    image.setDevicePixelRatio(scale);
    m_scene.Layout(size);
    m_scene.Draw(image);
    return image;
}

std::shared_ptr<ChartSeries> MakeChartSeries(const NamedSeries& named)
{
    auto s = std::make_shared<ChartSeries>(QString::fromStdString(named.name), named.firstTime, named.interval,
                                           named.values);
    s->m_unit = QString::fromStdString(named.unit);
    // Altitudes read to the metre (or foot), climb rates to the tenth: the sensor tells no finer.
    if (named.readStep > 0)
        s->m_readStep = named.readStep;
    else if (named.quantity == Quantity::Length)
        s->m_readStep = 1;
    else if (named.quantity == Quantity::Speed)
        s->m_readStep = 0.1;
    s->SetColorIndex(named.style.colorIndex);
    s->m_visible = named.style.visible;
    s->m_axisOnLeft = named.style.axisOnLeft;
    s->m_scalingMode = named.style.scalingMode;
    s->m_customMin = named.style.customMin;
    s->m_customMax = named.style.customMax;
    return s;
}

void FillLogPicture(ChartPicture& picture, const LogSeries& series, std::vector<TimeRange> bands,
                    std::vector<ChartMark> marks)
{
    picture.m_scene.m_bands = std::move(bands);
    picture.m_scene.m_marks = std::move(marks);
    picture.m_series.clear();
    for (const NamedSeries& named : InDisplayUnits(series).series)
        picture.m_series.push_back(MakeChartSeries(named));
    picture.ShowWholeRange();
}

QImage DrawLogPicture(const LogSeries& series, QSize size, std::vector<TimeRange> bands, std::vector<ChartMark> marks)
{
    ChartPicture picture;
    FillLogPicture(picture, series, std::move(bands), std::move(marks));
    return picture.Draw(size);
}

std::vector<ChartMark> FlightMarks(const std::vector<FlightSpan>& flights)
{
    std::vector<ChartMark> marks;
    for (const FlightSpan& f : flights) {
        marks.push_back({f.takeoff, QCoreApplication::translate("ChartPicture", "Takeoff", "chart mark")});
        marks.push_back({f.landing, QCoreApplication::translate("ChartPicture", "Landing", "chart mark")});
    }
    return marks;
}

std::vector<TimeRange> ClimbBands(const ClimbAnalysis& climbs)
{
    std::vector<TimeRange> bands;
    for (const Climb& c : climbs.climbs)
        bands.push_back({c.start, c.end});
    return bands;
}
