#include "chart/chart_series.h"

#include <algorithm>
#include <cmath>

#include "chart/palette.h"
#include "dsp/statistics.h"

namespace {

QChar& DecimalPoint()
{
    static QChar point = u'.';
    return point;
}

// The number with the chart's decimal point.
QString Number(int decimals, double value)
{
    return ChartNumbers(QString::asprintf("%.*f", decimals, value));
}

}  // namespace

void SetChartDecimalPoint(QChar point)
{
    DecimalPoint() = point;
}

QChar ChartDecimalPoint()
{
    return DecimalPoint();
}

QString ChartNumbers(QString text)
{
    const QChar point = DecimalPoint();
    if (point == u'.')
        return text;
    for (qsizetype i = 1; i + 1 < text.size(); ++i)
        if (text[i] == u'.' && text[i - 1].isDigit() && text[i + 1].isDigit())
            text[i] = point;
    return text;
}

QFont ChartFont()
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

ChartSeries::ChartSeries(QString name, double firstTime, double interval, std::vector<double> values)
    : m_name(std::move(name)),
      m_firstTime(firstTime),
      m_interval(interval),
      m_values(std::move(values)),
      m_rotatedFont(ChartFont()),
      // Flat caps: a line ends where its points are, like the platform's plain one-pixel lines.
      m_curvePen(PaletteColor(0), 1, Qt::SolidLine, Qt::FlatCap),
      m_horizontalFont(ChartFont()),
      m_pyramid(m_values)
{
    m_curvePen.setCosmetic(true);
    m_labelPen = QPen(m_labelColor, 1, Qt::SolidLine);  // the colour is a later member
    m_labelPen.setCosmetic(true);
    bool any = false;
    for (double v : m_values) {
        if (std::isnan(v))
            continue;
        if (!any || v < m_dataMin)
            m_dataMin = v;
        if (!any || v > m_dataMax)
            m_dataMax = v;
        any = true;
    }
    m_min = m_dataMin;
    m_max = m_dataMax - m_dataMin <= 1e-6 ? m_dataMin + 1.0 : m_dataMax;
}

void ChartSeries::SetColorIndex(int index)
{
    m_colorIndex = index;
    m_curvePen = QPen(PaletteColor(index), 1, Qt::SolidLine, Qt::FlatCap);
    m_curvePen.setCosmetic(true);
}

double ChartSeries::ValueAt(double time) const
{
    return NearestSample(m_values, m_firstTime, m_interval, time);
}

void ChartSeries::GetMinMax(double& min, double& max) const
{
    min = m_dataMin;
    max = m_dataMax;
}

std::optional<std::pair<double, double>> ChartSeries::MinMaxIn(double t0, double t1) const
{
    const auto n = static_cast<double>(m_values.size());
    if (m_values.empty() || !(m_interval > 0) || !(t0 <= t1))
        return std::nullopt;
    const double first = std::floor((t0 - m_firstTime) / m_interval), last = std::ceil((t1 - m_firstTime) / m_interval);
    if (!(last >= 0) || !(first <= n - 1))
        return std::nullopt;
    return MinMaxOf(static_cast<size_t>(std::max(first, 0.0)), static_cast<size_t>(std::min(last, n - 1)) + 1);
}

QString ChartSeries::ReadingText(double value, bool withUnit) const
{
    if (!(m_readStep > 0) || !std::isfinite(m_readStep) || !std::isfinite(value))
        return ValueText(value, withUnit);
    const double rounded = std::round(value / m_readStep) * m_readStep;
    const int decimals = std::clamp(static_cast<int>(std::ceil(-std::log10(m_readStep) - 1e-9)), 0, 30);
    // No "-0" for a value that rounds to nothing.
    QString text = Number(decimals, rounded == 0 ? 0.0 : rounded);
    if (withUnit && !m_unit.isEmpty())
        text += u' ' + m_unit;
    return text;
}

QString ChartSeries::ValueText(double value, bool withUnit) const
{
    QString text = Number(std::clamp(m_decimals, 0, 30), value);
    if (withUnit && !m_unit.isEmpty())
        text += u' ' + m_unit;
    return text;
}
